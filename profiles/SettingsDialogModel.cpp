#include "profiles/SettingsDialogModel.h"

#include "profiles/SettingsRules.h"

#include <algorithm>
#include <cstddef>

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

void SettingsDialogModel::open() {
    m_settings.audioOnly = false;
    m_settings.makeThumbnail = false;

    m_preset = m_lookup(m_settings.profileCode);
    if (!m_preset) return;  // nothing to fill, nothing to select

    const Preset& p = *m_preset;
    if (p.audioOnly) {
        for (SettingsField f : {SettingsField::VideoEncoder, SettingsField::VideoBitRate, SettingsField::Resolution,
                                SettingsField::FrameRate}) {
            mutableField(f).clear();
            mutableField(f).setEnabled(false);
        }
        m_settings.audioOnly = true;
    } else {
        mutableField(SettingsField::VideoEncoder).fill(p.videoEncoders.items);
        mutableField(SettingsField::VideoBitRate).fill(p.videoBitRates.items);
        mutableField(SettingsField::Resolution).fill(p.resolutions.items);
        mutableField(SettingsField::FrameRate).fill(p.frameRates.items);
    }
    mutableField(SettingsField::AudioEncoder).fill(p.audioEncoders.items);
    if (p.thumbnail) m_settings.makeThumbnail = true;

    // The texts to select: the last confirmed ones while the profile is the same,
    // otherwise the preset's defaults. The audio bit-rate, sample-rate and channel
    // lists are still empty here; the audio-encoder rule fills them when shown.
    const bool confirmed = m_settings.confirmedProfileCode == m_settings.profileCode;
    const OutputSettings& s = m_settings;
    mutableField(SettingsField::Resolution).setText(confirmed ? s.resolutionChoice : std::string(p.resolutions.chosen));
    mutableField(SettingsField::FrameRate).setText(confirmed ? s.frameRateChoice : std::string(p.frameRates.chosen));
    mutableField(SettingsField::VideoBitRate)
        .setText(confirmed ? s.videoBitRateChoice : std::string(p.videoBitRates.chosen));
    mutableField(SettingsField::VideoEncoder)
        .setText(confirmed ? s.videoEncoderChoice : std::string(p.videoEncoders.chosen));
    mutableField(SettingsField::AudioEncoder)
        .setText(confirmed ? s.audioEncoderChoice : std::string(p.audioEncoders.chosen));
    if (confirmed) {
        mutableField(SettingsField::AudioBitRate).setText(s.audioBitRateChoice);
        mutableField(SettingsField::Channels).setText(s.channelsChoice);
        mutableField(SettingsField::SampleRate).setText(s.sampleRateChoice);
    }
}

void SettingsDialogModel::shown() {
    applyAudioEncoderRule();
    applyVideoEncoderRule();
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

SettingsDialogModel::ConfirmResult SettingsDialogModel::confirm() {
    ConfirmResult result;
    const std::string resolution = field(SettingsField::Resolution).text();
    const std::string frameRate = field(SettingsField::FrameRate).text();
    const std::string videoBitRate = field(SettingsField::VideoBitRate).text();
    const std::string videoEncoder = field(SettingsField::VideoEncoder).text();
    const std::string sampleRate = field(SettingsField::SampleRate).text();
    const std::string channels = field(SettingsField::Channels).text();
    const std::string audioBitRate = field(SettingsField::AudioBitRate).text();
    const std::string audioEncoder = field(SettingsField::AudioEncoder).text();

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
    m_settings.sampleRate = SettingsNumberValue(sampleRate);
    if (auto count = ChannelsFromText(channels)) m_settings.channels = *count;
    m_settings.audioBitRate = SettingsNumberValue(audioBitRate);
    m_settings.audioEncoder = audioEncoder;

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
