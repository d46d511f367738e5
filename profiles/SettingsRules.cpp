#include "profiles/SettingsRules.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>

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
