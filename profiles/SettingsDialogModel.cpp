#include "profiles/SettingsDialogModel.h"

#include "profiles/TargetSizeRules.h"

#include "profiles/SettingsRules.h"

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <utility>

// ---- ChoiceField ----

std::string ChoiceField::text() const {
    if (m_selection < 0 || m_selection >= static_cast<int>(m_entries.size())) return {};
    return m_entries[static_cast<std::size_t>(m_selection)];
}

void ChoiceField::setText(std::string_view text) {
    m_selection = -1;
    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        if (StartsWithIgnoringCase(m_entries[i], text)) {
            m_selection = static_cast<int>(i);
            return;
        }
    }
}

void ChoiceField::fill(std::span<const std::string_view> entries) {
    m_entries.assign(entries.begin(), entries.end());
    m_selection = -1;
}

void ChoiceField::clear() {
    m_entries.clear();
    m_selection = -1;
}

void ChoiceField::append(std::string entry) {
    m_entries.push_back(std::move(entry));
    m_selection = static_cast<int>(m_entries.size()) - 1;
}

void ChoiceField::select(int index) {
    m_selection = (index >= 0 && index < static_cast<int>(m_entries.size())) ? index : -1;
}

// ---- SettingsDialogModel ----

namespace {

std::size_t slotOf(SettingsField which) {
    auto it = std::find(kSettingsFields.begin(), kSettingsFields.end(), which);
    return static_cast<std::size_t>(it - kSettingsFields.begin());
}

// A list refilled by a rule: emptied, filled in order, given its chosen entry.
void refill(ChoiceField& field, const PresetChoice& choice) {
    field.fill(choice.items);
    field.setText(choice.chosen);
}

}  // namespace

SettingsDialogModel::SettingsDialogModel(OutputSettings& settings, PresetLookup lookup)
    : m_settings(settings), m_lookup(lookup ? lookup : &FindPreset) {}

const ChoiceField& SettingsDialogModel::field(SettingsField which) const { return m_fields[slotOf(which)]; }

ChoiceField& SettingsDialogModel::mutableField(SettingsField which) { return m_fields[slotOf(which)]; }

// ---- The values in effect as list entries ----

namespace {

// Selects the first entry `matches` accepts; when none does, adds `text` (the value
// in effect written as a settings text) and selects it. An empty text adds nothing.
template <typename Matches>
void selectOrAdd(ChoiceField& field, Matches matches, std::string text) {
    const auto& entries = field.entries();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (matches(entries[i])) {
            field.select(static_cast<int>(i));
            return;
        }
    }
    field.select(-1);
    if (!text.empty()) field.append(std::move(text));
}

// 2000000 -> "2000 kbps", 12200 -> "12.2 kbps", 4750 -> "4.75 kbps"; 0 -> "".
std::string kbpsText(int bitsPerSecond) {
    if (bitsPerSecond <= 0) return {};
    char text[32];
    std::snprintf(text, sizeof text, "%d.%03d", bitsPerSecond / 1000, bitsPerSecond % 1000);
    std::string number(text);
    while (number.back() == '0') number.pop_back();
    if (number.back() == '.') number.pop_back();
    return number + " kbps";
}

std::string channelsText(int channels) {
    switch (channels) {
    case 1: return "1 Channel Mono";
    case 2: return "2 Channel Stereo";
    case 6: return "5.1 Channel";
    default: return {};
    }
}

std::string sizeText(int width, int height) {
    if (width <= 0 || height <= 0) return {};
    return std::to_string(width) + "*" + std::to_string(height);
}

}  // namespace

void SettingsDialogModel::open() {
    m_copyCompatible = m_settings.copyCompatible;
    m_exactCut = m_settings.exactCut;
    m_targetSize = TargetSizeText(m_settings.targetSizeBytes);
    m_preset = m_lookup(m_settings.profileCode);
    if (!m_preset) return;  // nothing to fill, nothing to select
    fillFromPreset();
    selectValuesInEffect();
}

void SettingsDialogModel::restoreDefaults() {
    if (!m_preset) return;
    fillFromPreset();
    applyAudioEncoderRule();
    applyVideoEncoderRule();
}

// Every list as the preset gives it, its default entry selected; the audio bit-rate,
// sample-rate and channel lists stay for the audio-encoder rule to fill.
void SettingsDialogModel::fillFromPreset() {
    const Preset& p = *m_preset;
    if (p.audioOnly) {
        for (SettingsField f : {SettingsField::VideoEncoder, SettingsField::VideoBitRate, SettingsField::Resolution,
                                SettingsField::FrameRate}) {
            mutableField(f).clear();
            mutableField(f).setEnabled(false);
        }
    } else {
        refill(mutableField(SettingsField::VideoEncoder), p.videoEncoders);
        refill(mutableField(SettingsField::VideoBitRate), p.videoBitRates);
        refill(mutableField(SettingsField::Resolution), p.resolutions);
        refill(mutableField(SettingsField::FrameRate), p.frameRates);
    }
    refill(mutableField(SettingsField::AudioEncoder), p.audioEncoders);
}

// The entries of the applied values, in the order the rules need them: an encoder
// first, then the lists its rule refills.
void SettingsDialogModel::selectValuesInEffect() {
    const OutputSettings& s = m_settings;
    selectOrAdd(
        mutableField(SettingsField::AudioEncoder), [&](const std::string& e) { return e == s.audioEncoder; },
        s.audioEncoder);
    applyAudioEncoderRule();
    if (field(SettingsField::AudioEncoder).selection() >= 0) {
        selectOrAdd(
            mutableField(SettingsField::AudioBitRate),
            [&](const std::string& e) { return SettingsNumberValue(e) == s.audioBitRate; }, kbpsText(s.audioBitRate));
        selectOrAdd(
            mutableField(SettingsField::SampleRate),
            [&](const std::string& e) { return SettingsNumberValue(e) == s.sampleRate; },
            s.sampleRate > 0 ? std::to_string(s.sampleRate) + " Hz" : std::string());
        selectOrAdd(
            mutableField(SettingsField::Channels), [&](const std::string& e) { return ChannelsFromText(e) == s.channels; },
            channelsText(s.channels));
    }
    if (m_preset->audioOnly) return;

    selectOrAdd(
        mutableField(SettingsField::VideoEncoder), [&](const std::string& e) { return e == s.videoEncoder; },
        s.videoEncoder);
    applyVideoEncoderRule();
    selectOrAdd(
        mutableField(SettingsField::Resolution),
        [&](const std::string& e) {
            PictureSize size;
            return ParsePictureSize(e, size) == PictureSizeParse::Ok && size.width == s.width &&
                   size.height == s.height;
        },
        sizeText(s.width, s.height));
    selectOrAdd(
        mutableField(SettingsField::FrameRate), [&](const std::string& e) { return e == s.frameRateText; },
        s.frameRateText);
    selectOrAdd(
        mutableField(SettingsField::VideoBitRate),
        [&](const std::string& e) { return SettingsNumberValue(e) == s.videoBitRate; }, kbpsText(s.videoBitRate));
}

void SettingsDialogModel::userSelected(SettingsField which, int index) {
    mutableField(which).select(index);
    if (which == SettingsField::AudioEncoder) applyAudioEncoderRule();
    if (which == SettingsField::VideoEncoder) applyVideoEncoderRule();
}

void SettingsDialogModel::applyAudioEncoderRule() {
    const ChoiceField& encoder = field(SettingsField::AudioEncoder);
    if (encoder.selection() < 0) return;
    const AudioEncoderRule rule = AudioRuleFor(encoder.text());
    refill(mutableField(SettingsField::AudioBitRate), rule.bitRates);
    refill(mutableField(SettingsField::SampleRate), rule.sampleRates);
    refill(mutableField(SettingsField::Channels), rule.channels);
}

void SettingsDialogModel::applyVideoEncoderRule() {
    const ChoiceField& encoder = field(SettingsField::VideoEncoder);
    if (encoder.selection() < 0) return;
    if (auto sizes = VideoRuleFor(m_settings.profileCode, encoder.text()))
        refill(mutableField(SettingsField::Resolution), *sizes);
}

namespace {

bool changedBy(SettingName setting, const OutputSettings& a, const OutputSettings& b) {
    switch (setting) {
    case SettingName::PictureSize: return a.width != b.width || a.height != b.height;
    case SettingName::FrameRate: return a.frameRateText != b.frameRateText;
    case SettingName::VideoBitRate: return a.videoBitRate != b.videoBitRate;
    case SettingName::SampleRate: return a.sampleRate != b.sampleRate || a.audioEncoder != b.audioEncoder;
    case SettingName::Channels: return a.channels != b.channels || a.audioEncoder != b.audioEncoder;
    case SettingName::AudioBitRate: return a.audioBitRate != b.audioBitRate || a.audioEncoder != b.audioEncoder;
    }
    return true;
}

}  // namespace

std::span<const std::string_view> SettingsDialogModel::targetSizeChoices() {
    // A CD, half and quarter of one, a DVD's share, and the most a FAT32 file holds.
    static constexpr std::string_view kChoices[] = {"", "175 MB", "350 MB", "700 MB", "1400 MB", "2000 MB", "4000 MB"};
    return kChoices;
}

SettingsDialogModel::ConfirmResult SettingsDialogModel::confirm() {
    ConfirmResult result;
    const std::optional<std::int64_t> targetSize = ParseTargetSize(m_targetSize);
    if (!targetSize) {
        result.targetSizeRejected = true;
        return result;
    }
    const OutputSettings before = m_settings;
    m_settings.targetSizeBytes = *targetSize;
    const std::string resolution = field(SettingsField::Resolution).text();
    const std::string frameRate = field(SettingsField::FrameRate).text();
    const std::string videoBitRate = field(SettingsField::VideoBitRate).text();
    const std::string videoEncoder = field(SettingsField::VideoEncoder).text();
    const std::string sampleRate = field(SettingsField::SampleRate).text();
    const std::string channels = field(SettingsField::Channels).text();
    const std::string audioBitRate = field(SettingsField::AudioBitRate).text();
    const std::string audioEncoder = field(SettingsField::AudioEncoder).text();

    // Disabled, empty video lists show no value, so OK keeps the video values.
    if (field(SettingsField::VideoEncoder).enabled()) {
        PictureSize size;
        switch (ParsePictureSize(resolution, size)) {
        case PictureSizeParse::Empty:
            break;
        case PictureSizeParse::Invalid:
            result.pictureSizeRejected = true;
            break;
        case PictureSizeParse::Ok:
            m_settings.width = size.width;
            m_settings.height = size.height;
            break;
        }
        m_settings.frameRateText = frameRate;
        m_settings.videoBitRate = SettingsNumberValue(videoBitRate);
        m_settings.videoEncoder = videoEncoder;
    }
    m_settings.sampleRate = SettingsNumberValue(sampleRate);
    if (auto count = ChannelsFromText(channels)) m_settings.channels = *count;
    m_settings.audioBitRate = SettingsNumberValue(audioBitRate);
    m_settings.audioEncoder = audioEncoder;
    // The command line refuses the same values before a conversion starts. A value
    // this OK did not change (a size text that could not be read keeps the old
    // size) is not the user's choice now: it is left as it was.
    if ((result.refused = CheckEncoderSettings(m_settings)) && changedBy(result.refused->setting, before, m_settings)) {
        m_settings = before;
        return result;
    }
    result.refused.reset();

    m_settings.copyCompatible = m_copyCompatible;
    m_settings.exactCut = m_exactCut;
    m_settings.confirmedProfileCode = m_settings.profileCode;
    m_settings.resolutionChoice = resolution;
    m_settings.frameRateChoice = frameRate;
    m_settings.videoBitRateChoice = videoBitRate;
    m_settings.videoEncoderChoice = videoEncoder;
    m_settings.sampleRateChoice = sampleRate;
    m_settings.channelsChoice = channels;
    m_settings.audioBitRateChoice = audioBitRate;
    m_settings.audioEncoderChoice = audioEncoder;
    return result;
}
