#include "profiles/SettingsRules.h"

#include "engine/CodecMap.h"
#include "profiles/JobSetup.h"
#include "profiles/OutputSettings.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <iterator>
#include <limits>
#include <span>
#include <type_traits>
#include <vector>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

namespace {

using SV = std::string_view;

// ---- Audio-encoder rule ----
constexpr SV kAmrBitRates[] = {"4.75 kbps", "5.15 kbps", "5.9 kbps", "6.7 kbps",
                               "7.4 kbps",  "7.95 kbps", "10.2 kbps", "12.2 kbps"};
constexpr SV kAmrSampleRates[] = {"8000 Hz"};
constexpr SV kMono[] = {"1 Channel Mono"};
constexpr SV kBitRates[] = {"64 kbps", "96 kbps", "128 kbps", "160 kbps", "192 kbps", "256 kbps", "320 kbps"};
constexpr SV kSampleRates[] = {"44100 Hz", "48000 Hz", "22050 Hz", "32000 Hz"};
// 22050 Hz is left out where the encoder refuses it with (some of) the bit rates on
// offer: AC-3 takes only 32, 44.1 and 48 kHz; MPEG-1 layer II at 22.05 kHz stops at
// 160 kbps and Vorbis at 22.05 kHz stereo below 192 kbps. The lists are independent
// of each other, so the only way not to offer a conversion that is bound to fail is
// to leave that rate out.
constexpr SV kFullBandSampleRates[] = {"44100 Hz", "48000 Hz", "32000 Hz"};
constexpr SV kStereo[] = {"2 Channel Stereo"};
constexpr SV kMonoStereo[] = {"1 Channel Mono", "2 Channel Stereo"};
constexpr SV kSurround[] = {"1 Channel Mono", "2 Channel Stereo", "5.1 Channel"};

struct AudioRuleRow {
    SV encoder;  // empty = every other encoder
    AudioEncoderRule rule;
};
constexpr AudioRuleRow kAudioRules[] = {
    {"AMR_NB", {{kAmrBitRates, "6.7 kbps"}, {kAmrSampleRates, "8000 Hz"}, {kMono, "1 Channel Mono"}}},
    {"AC3", {{kBitRates, "192 kbps"}, {kFullBandSampleRates, "44100 Hz"}, {kSurround, "2 Channel Stereo"}}},
    {"VORBIS", {{kBitRates, "192 kbps"}, {kFullBandSampleRates, "44100 Hz"}, {kStereo, "2 Channel Stereo"}}},
    {"MP2", {{kBitRates, "192 kbps"}, {kFullBandSampleRates, "44100 Hz"}, {kMonoStereo, "2 Channel Stereo"}}},
    {"", {{kBitRates, "192 kbps"}, {kSampleRates, "44100 Hz"}, {kMonoStereo, "2 Channel Stereo"}}},
};

// ---- Video-encoder rule ----
constexpr SV kH263Sizes[] = {"128*96", "176*144", "352*288", "704*576", "1408*1152"};
constexpr SV kAviSizes[] = {"128*96",  "176*144", "320*240", "352*240", "352*288",
                            "640*480", "720*480", "704*576", "720*576"};
constexpr SV kPhoneSizes[] = {"176*144", "220*176", "320*240", "480*320"};
constexpr SV kWiiSizes[] = {"640*480", "720*480", "720*576"};

struct VideoRuleRow {
    int firstCode;
    int lastCode;
    PresetChoice otherEncoders;  // the list for every encoder but H.263
};
constexpr VideoRuleRow kVideoRules[] = {
    {90001, 90001, {kAviSizes, "320*240"}},
    {90800, 90803, {kPhoneSizes, "320*240"}},
    {91404, 91405, {kWiiSizes, "720*480"}},
};
constexpr PresetChoice kH263Rule{kH263Sizes, "352*288"};

const VideoRuleRow* videoRuleRow(int code) {
    for (const VideoRuleRow& row : kVideoRules)
        if (code >= row.firstCode && code <= row.lastCode) return &row;
    return nullptr;
}

SV skipLeadingBlanks(SV text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) text.remove_prefix(1);
    return text;
}

// The leading decimal number of `text` (as a C reader would take it), 0 when none.
double leadingDecimal(SV text) {
    text = skipLeadingBlanks(text);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    double value = 0.0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    (void)end;
    return ec == std::errc() ? value : 0.0;
}

// The leading integer of `text`; nullopt when none or out of range.
std::optional<long long> leadingInteger(SV text) {
    text = skipLeadingBlanks(text);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    long long value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    (void)end;
    if (ec != std::errc()) return std::nullopt;
    return value;
}

// Only ASCII letters fold: the texts are UTF-8 and the process locale must not matter.
char asciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

int toIntOrZero(double value) {
    if (!std::isfinite(value) || value > std::numeric_limits<int>::max() ||
        value < std::numeric_limits<int>::min())
        return 0;
    return static_cast<int>(value);  // truncates toward zero
}

}  // namespace

int SettingsNumberValue(std::string_view text) {
    if (text.empty()) return 0;
    if (auto kbps = text.find(" kbps"); kbps != SV::npos)
        return toIntOrZero(leadingDecimal(text.substr(0, kbps)) * 1000.0);
    if (auto hz = text.find(" Hz"); hz != SV::npos) {
        auto value = leadingInteger(text.substr(0, hz));
        if (!value) return 0;
        return toIntOrZero(static_cast<double>(*value));
    }
    return 0;
}

PictureSizeParse ParsePictureSize(std::string_view text, PictureSize& size) {
    if (text.empty()) return PictureSizeParse::Empty;
    auto star = text.find('*');
    if (star == SV::npos || star == 0 || star + 1 == text.size()) return PictureSizeParse::Invalid;
    auto width = leadingInteger(text.substr(0, star));
    auto height = leadingInteger(text.substr(star + 1));
    // A side that reads as no positive number would hand the encoders a zero or
    // negative picture: refuse it like a missing side instead.
    if (!width || !height || *width <= 0 || *height <= 0 || *width > 16384 || *height > 16384)
        return PictureSizeParse::Invalid;
    size.width = static_cast<int>(*width);
    size.height = static_cast<int>(*height);
    return PictureSizeParse::Ok;
}

std::optional<int> ChannelsFromText(std::string_view text) {
    if (text == "1 Channel Mono") return 1;
    if (text == "2 Channel Stereo") return 2;
    if (text == "5.1 Channel") return 6;
    return std::nullopt;
}

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    if (prefix.size() > text.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (asciiLower(text[i]) != asciiLower(prefix[i])) return false;
    }
    return true;
}

AudioEncoderRule AudioRuleFor(std::string_view audioEncoder) {
    for (const AudioRuleRow& row : kAudioRules)
        if (row.encoder == audioEncoder || row.encoder.empty()) return row.rule;
    return kAudioRules[std::size(kAudioRules) - 1].rule;
}

bool VideoRuleCovers(int profileCode) { return videoRuleRow(profileCode) != nullptr; }

std::optional<PresetChoice> VideoRuleFor(int profileCode, std::string_view videoEncoder) {
    const VideoRuleRow* row = videoRuleRow(profileCode);
    if (!row) return std::nullopt;
    return videoEncoder == "H.263" ? kH263Rule : row->otherEncoders;
}

// ---- What the encoders take ----

namespace {

// Picture sides every encoder of the list takes (4:2:0 needs even sides), and the
// fixed sizes of the two encoders that take nothing else.
constexpr int kMinSide = 16, kMaxSide = 4096;
constexpr SV kDvSizes[] = {"720*576", "720*480"};
// Bit rates that give a picture or a sound at all, and that no encoder refuses.
constexpr int kMinVideoBitRate = 16000, kMaxVideoBitRate = 100000000;
constexpr int kMaxAudioBitRate = 640000;
constexpr int kMp3MaxBitRate = 320000, kMp2MaxBitRate = 384000;
// Rates an encoder without a list of its own is offered: the usual ones.
constexpr int kUsualSampleRates[] = {8000, 11025, 12000, 16000, 22050, 24000, 32000, 44100, 48000, 88200, 96000};
// MPEG-1 video takes the standard rates only.
constexpr SV kMpeg1FrameRates[] = {"23.975 fps", "24.0 fps", "25.0 fps", "29.97 fps", "30.0 fps", "50.0 fps", "60.0 fps"};

template <typename List>
std::string joinTexts(const List& items, std::string_view unit = {}) {
    std::string text;
    for (const auto& item : items) {
        if (!text.empty()) text += ", ";
        if constexpr (std::is_arithmetic_v<std::decay_t<decltype(item)>>) text += std::to_string(item);
        else text += item;
    }
    if (!unit.empty()) text += unit;
    return text;
}

template <typename List>
bool listHas(const List& items, SV value) {
    for (SV item : items)
        if (item == value) return true;
    return false;
}

std::string sizeText(int width, int height) { return std::to_string(width) + "*" + std::to_string(height); }

std::optional<SettingRefusal> checkVideo(const OutputSettings& s) {
    const SV encoder = s.videoEncoder;
    const std::string size = sizeText(s.width, s.height);
    if (encoder == "H.263" && !listHas(kH263Sizes, size))
        return SettingRefusal{SettingName::PictureSize, "the H.263 encoder takes only " + joinTexts(kH263Sizes)};
    if (encoder == "DVVIDEO" && !listHas(kDvSizes, size))
        return SettingRefusal{SettingName::PictureSize, "the DV encoder takes only " + joinTexts(kDvSizes)};
    if (s.width < kMinSide || s.height < kMinSide || s.width > kMaxSide || s.height > kMaxSide || s.width % 2 ||
        s.height % 2)
        return SettingRefusal{SettingName::PictureSize, "even widths and heights from " + std::to_string(kMinSide) +
                                                            " to " + std::to_string(kMaxSide)};
    if (encoder == "MPEG1VIDEO" && !listHas(kMpeg1FrameRates, s.frameRateText))
        return SettingRefusal{SettingName::FrameRate, "the MPEG-1 encoder takes only " + joinTexts(kMpeg1FrameRates)};
    if (encoder == "DVVIDEO") {
        const SV wanted = s.height == 576 ? "25.0 fps" : "29.97 fps";
        if (s.frameRateText != wanted)
            return SettingRefusal{SettingName::FrameRate,
                                  "the DV encoder takes only " + std::string(wanted) + " at " + size};
    }
    if (s.videoBitRate < kMinVideoBitRate || s.videoBitRate > kMaxVideoBitRate)
        return SettingRefusal{SettingName::VideoBitRate, "16 kbps to 100000 kbps"};
    return std::nullopt;
}

std::optional<SettingRefusal> checkSampleRate(const AVCodec& codec, std::string_view name, int rate) {
    std::vector<int> rates;
    if (codec.supported_samplerates)
        for (const int* r = codec.supported_samplerates; *r != 0; ++r) rates.push_back(*r);
    else
        rates.assign(std::begin(kUsualSampleRates), std::end(kUsualSampleRates));
    // WMA's tables stop at 48 kHz.
    if (!codec.supported_samplerates && (name == "WMA7" || name == "WMA8")) std::erase_if(rates, [](int r) { return r > 48000; });
    std::sort(rates.begin(), rates.end());
    if (std::find(rates.begin(), rates.end(), rate) != rates.end()) return std::nullopt;
    std::string accepted = "the " + std::string(name) + " encoder takes ";
    accepted += rates.size() == 1 ? joinTexts(rates, " Hz") : std::to_string(rates.front()) + " to " +
                                                                   std::to_string(rates.back()) + " Hz (" +
                                                                   joinTexts(rates) + ")";
    return SettingRefusal{SettingName::SampleRate, accepted};
}

std::optional<SettingRefusal> checkChannels(const AVCodec& codec, std::string_view name, int channels) {
    std::vector<int> counts;
    if (codec.ch_layouts)
        for (const AVChannelLayout* l = codec.ch_layouts; l->nb_channels != 0; ++l) counts.push_back(l->nb_channels);
    // Encoders without a list: WMA and MP3 stop at two channels, the rest takes six.
    if (counts.empty()) counts = (name == "WMA7" || name == "WMA8") ? std::vector<int>{1, 2} : std::vector<int>{1, 2, 6};
    if (std::find(counts.begin(), counts.end(), channels) != counts.end()) return std::nullopt;
    const bool six = std::find(counts.begin(), counts.end(), 6) != counts.end();
    const bool two = std::find(counts.begin(), counts.end(), 2) != counts.end();
    std::string accepted = "the " + std::string(name) + " encoder takes \"1 Channel Mono\"";
    if (two) accepted += six ? ", \"2 Channel Stereo\" or \"5.1 Channel\"" : " or \"2 Channel Stereo\"";
    else accepted += " only";
    return SettingRefusal{SettingName::Channels, accepted};
}

std::optional<SettingRefusal> checkAudioBitRate(std::string_view name, int bitRate) {
    // PCM and FLAC have no bit rate to choose: theirs follows the rate and channels.
    if (name.substr(0, 4) == "PCM_" || name == "FLAC") return std::nullopt;
    if (name == "AMR_NB") {
        for (SV text : kAmrBitRates)
            if (SettingsNumberValue(text) == bitRate) return std::nullopt;
        return SettingRefusal{SettingName::AudioBitRate, "the AMR_NB encoder takes only " + joinTexts(kAmrBitRates)};
    }
    const int most = name == "MP3" ? kMp3MaxBitRate : name == "MP2" ? kMp2MaxBitRate : kMaxAudioBitRate;
    constexpr int least = 8000;
    if (bitRate < least || bitRate > most)
        return SettingRefusal{SettingName::AudioBitRate, "the " + std::string(name) + " encoder takes 8 kbps to " +
                                                              std::to_string(most / 1000) + " kbps"};
    return std::nullopt;
}

}  // namespace

std::optional<SettingRefusal> CheckEncoderSettings(const OutputSettings& settings) {
    if (!settings.audioOnly)
        if (auto refusal = checkVideo(settings)) return refusal;
    const std::optional<int> audioId = AudioCodecIdFromName(settings.audioEncoder);
    const char* encoderName = audioId ? codecmap::audioEncoderName(*audioId) : nullptr;
    const AVCodec* codec = encoderName ? avcodec_find_encoder_by_name(encoderName) : nullptr;
    if (!codec) return std::nullopt;  // unknown here: the row says so
    const std::string_view name = settings.audioEncoder;
    if (auto refusal = checkSampleRate(*codec, name, settings.sampleRate)) return refusal;
    if (auto refusal = checkChannels(*codec, name, settings.channels)) return refusal;
    return checkAudioBitRate(name, settings.audioBitRate);
}

std::string_view SettingLabel(SettingName setting) {
    switch (setting) {
    case SettingName::PictureSize: return "picture size";
    case SettingName::FrameRate: return "frame rate";
    case SettingName::VideoBitRate: return "video bit rate";
    case SettingName::SampleRate: return "sample rate";
    case SettingName::Channels: return "channels";
    case SettingName::AudioBitRate: return "audio bit rate";
    }
    return "setting";
}

namespace {

// Containers of one sound stream of one codec (their muxer's own), holding no video.
constexpr SV kRawSoundMuxers[] = {"mp3", "mp2", "ac3", "eac3", "adts", "flac", "amr", "wv"};
// Containers of sound alone, of any codec they list.
constexpr SV kSoundMuxers[] = {"wav", "w64", "aiff", "au", "caf", "oga", "opus", "spx", "mmf", "voc"};

bool listHasName(std::span<const SV> list, SV name) { return std::find(list.begin(), list.end(), name) != list.end(); }

const AVCodec* encoderFor(const char* encoderName) {
    return encoderName ? avcodec_find_encoder_by_name(encoderName) : nullptr;
}

}  // namespace

std::string ContainerRefusal(const OutputSettings& settings, std::string_view extension) {
    const std::string name = "output" + std::string(extension);
    const AVOutputFormat* format = av_guess_format(nullptr, name.c_str(), nullptr);
    if (!format) return "no container has the extension " + std::string(extension);
    const std::string what = "the " + std::string(extension) + " container";
    const bool rawSound = listHasName(kRawSoundMuxers, format->name);
    const bool soundOnly = rawSound || listHasName(kSoundMuxers, format->name) || format->video_codec == AV_CODEC_ID_NONE;
    // 0: the muxer knows it cannot store the codec; negative: it cannot tell.
    auto refuses = [format](const AVCodec* codec) {
        return codec && avformat_query_codec(format, codec->id, FF_COMPLIANCE_NORMAL) == 0;
    };
    if (!settings.audioOnly) {
        const std::optional<int> videoId = VideoCodecIdFromName(settings.videoEncoder);
        const AVCodec* video = videoId ? encoderFor(codecmap::videoEncoderName(*videoId)) : nullptr;
        if (soundOnly) return what + " holds sound only; use a sound profile (13, 14 or 15) or another extension";
        if (refuses(video))
            return what + " takes no " + settings.videoEncoder + " video; choose another extension or encoder";
    }
    const std::optional<int> audioId = AudioCodecIdFromName(settings.audioEncoder);
    const AVCodec* audio = audioId ? encoderFor(codecmap::audioEncoderName(*audioId)) : nullptr;
    if (audio && (refuses(audio) || (rawSound && audio->id != format->audio_codec)))
        return what + " takes no " + settings.audioEncoder + " sound; choose another extension or encoder";
    return std::string();
}
