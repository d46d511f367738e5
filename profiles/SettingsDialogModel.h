#pragma once
// The behaviour of the "Setting" dialog without a window: which entries each of the
// eight drop-down lists holds, which one is selected, which lists are disabled, the
// preset title, and what OK writes into the output settings. The Qt dialog mirrors
// this object after every step; tests drive it directly.
//
// Life of one opening (a fresh model per opening, like the dialog itself):
//   SettingsDialogModel model(settings);
//   model.open();    // lists filled, the values in effect selected
//   model.userSelected(SettingsField::AudioEncoder, 2);   // the user picks entries
//   model.restoreDefaults();        // "Default": the preset's own choices
//   auto result = model.confirm();  // OK: texts -> numbers in the settings
// Cancel needs no call: nothing is written before confirm(). The dialog opens with
// what the next conversion would use, so OK right away changes no applied value; a
// value in effect that the preset does not list is added to its list.
//
// The model keeps a reference to `settings`, which must outlive it. UI thread only.

#include "profiles/OutputSettings.h"
#include "profiles/PresetCatalogue.h"
#include "profiles/SettingsRules.h"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The eight choice fields, valued by their control ids.
enum class SettingsField : int {
    VideoEncoder = 1064,
    VideoBitRate = 1066,
    Resolution = 1063,
    FrameRate = 1065,
    AudioEncoder = 1069,
    AudioBitRate = 1070,
    SampleRate = 1067,
    Channels = 1068,
};

inline constexpr std::array<SettingsField, 8> kSettingsFields = {
    SettingsField::VideoEncoder, SettingsField::VideoBitRate, SettingsField::Resolution,
    SettingsField::FrameRate,    SettingsField::AudioEncoder, SettingsField::AudioBitRate,
    SettingsField::SampleRate,   SettingsField::Channels,
};

// One drop-down list: its entries in order, the selected index (-1 = none), enabled.
class ChoiceField {
public:
    const std::vector<std::string>& entries() const { return m_entries; }
    int selection() const { return m_selection; }
    bool enabled() const { return m_enabled; }

    // Selection to text: the selected entry, or "" when nothing is selected.
    std::string text() const;
    // Text to selection: the first entry that begins with `text` (letters compared
    // without regard to case); no selection when none does.
    void setText(std::string_view text);
    // Empties the list and fills it in order; nothing is selected afterwards.
    void fill(std::span<const std::string_view> entries);
    void clear();
    // Adds one entry at the end of the list and selects it.
    void append(std::string entry);
    // Selects entry `index`; an index outside the list clears the selection.
    void select(int index);
    void setEnabled(bool enabled) { m_enabled = enabled; }

private:
    std::vector<std::string> m_entries;
    int m_selection = -1;
    bool m_enabled = true;
};

// Finds the preset of a profile code; FindPreset unless a test supplies its own.
using PresetLookup = const Preset* (*)(int code);

class SettingsDialogModel {
public:
    explicit SettingsDialogModel(OutputSettings& settings, PresetLookup lookup = &FindPreset);

    // Opening: looks up the preset of profileCode, fills the lists (or empties and
    // disables the video ones for an audio-only preset), runs the two encoder rules
    // and selects the entries of the applied values. Writes nothing: audioOnly and
    // makeThumbnail stay what the profile set. With no preset nothing is filled.
    void open();

    // "Default": every list refilled from the preset and its rules, their default
    // entries selected. Writes nothing until confirm().
    void restoreDefaults();

    // The user picked entry `index` of `field`. Picking in the audio or video encoder
    // list runs that list's rule.
    void userSelected(SettingsField field, int index);

    // The "Target size" field: a text the user types or picks ("700 MB"; "" = none).
    // It opens with the size in effect; "Default" leaves it (it is about the medium,
    // not the preset).
    const std::string& targetSizeText() const { return m_targetSize; }
    void setTargetSizeText(std::string text) { m_targetSize = std::move(text); }
    // The sizes the field offers, smallest first, after the empty "none".
    static std::span<const std::string_view> targetSizeChoices();

    struct ConfirmResult {
        // The picture-size text could not be split; width and height were kept and
        // the caller shows kConversionFailedText. Everything else was still applied.
        bool pictureSizeRejected = false;
        // A value the chosen encoder would refuse (see CheckEncoderSettings):
        // nothing was applied, and the caller says what the encoder takes.
        std::optional<SettingRefusal> refused;
        // The target size text is no size: nothing was applied, and the caller
        // says what the field takes.
        bool targetSizeRejected = false;
    };
    // OK: reads every list and writes the applied values and the confirmed choices.
    // The video values stay as they were while the video lists are disabled. Values
    // the encoders would refuse are not applied at all (ConfirmResult::refused).
    ConfirmResult confirm();

    const ChoiceField& field(SettingsField which) const;

    // The two options beside the lists: keep the video when the device plays it,
    // and exact clip begins. open() shows the settings' values; confirm() writes
    // what is shown (with the lists); "Default" leaves them, being no preset choice.
    bool copyCompatible() const { return m_copyCompatible; }
    void setCopyCompatible(bool on) { m_copyCompatible = on; }
    bool exactCut() const { return m_exactCut; }
    void setExactCut(bool on) { m_exactCut = on; }
    // The preset being edited, nullptr when profileCode has none.
    const Preset* preset() const { return m_preset; }
    // The title shown in the title field ("" without a preset).
    std::string_view title() const { return m_preset ? m_preset->title : std::string_view(); }

private:
    ChoiceField& mutableField(SettingsField which);
    void applyAudioEncoderRule();
    void applyVideoEncoderRule();
    void fillFromPreset();
    void selectValuesInEffect();

    OutputSettings& m_settings;
    PresetLookup m_lookup;
    const Preset* m_preset = nullptr;
    std::array<ChoiceField, kSettingsFields.size()> m_fields;
    bool m_copyCompatible = false;
    bool m_exactCut = false;
    std::string m_targetSize;
};

// What the "Target size" field takes, for the message when it cannot be read.
inline constexpr std::string_view kTargetSizeHelp =
    "The target size must be a size such as 700 MB or 1.4 GB, or empty for none.";
