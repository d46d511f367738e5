#pragma once
// The rules of the settings dialog that do not depend on a window: turning settings
// texts into numbers, matching a text to a list entry, and the two dependency rules
// (audio encoder -> bit rates / sample rates / channels; video encoder -> picture
// sizes for a handful of presets). Pure functions over static tables; any thread.

#include "profiles/PresetCatalogue.h"

struct OutputSettings;

#include <optional>
#include <string>
#include <string_view>

// Shown (with no caption of its own) when OK meets a picture-size text it cannot split.
inline constexpr std::string_view kConversionFailedText = "转化失败!";

// Number value of a settings text:
//  - empty text -> 0;
//  - contains " kbps": the decimal number before it, times 1000, truncated toward zero
//    ("4.75 kbps" -> 4750, "128 kbps" -> 128000);
//  - otherwise the integer before " Hz" ("44100 Hz" -> 44100); no " Hz" -> 0.
// Reading stops at the first character that is not part of the number; a text that
// does not start with a number gives 0. The reading ignores the process locale (a
// desktop with a decimal comma still reads "4.75"), and a value outside int gives 0.
int SettingsNumberValue(std::string_view text);

// The outcome of splitting a picture-size text ("720*480") at its first "*".
enum class PictureSizeParse {
    Empty,    // empty text: the size stays as it was, silently
    Invalid,  // no "*", an empty side, or a side that is not a positive number
    Ok,
};
struct PictureSize {
    int width = 0;
    int height = 0;
};
PictureSizeParse ParsePictureSize(std::string_view text, PictureSize& size);

// "1 Channel Mono" -> 1, "2 Channel Stereo" -> 2, "5.1 Channel" -> 6 (exact match);
// anything else -> nullopt (the channel count then stays as it was).
std::optional<int> ChannelsFromText(std::string_view text);

// True when `text` begins with `prefix`, letters compared without regard to case.
bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix);

// Lists the audio-encoder rule fills for an encoder name (exact match; every name
// without its own row gets the general row).
struct AudioEncoderRule {
    PresetChoice bitRates;
    PresetChoice sampleRates;
    PresetChoice channels;
};
AudioEncoderRule AudioRuleFor(std::string_view audioEncoder);

// True for the seven presets whose picture-size list follows the video encoder.
bool VideoRuleCovers(int profileCode);
// The picture-size list for `videoEncoder` in preset `profileCode`; nullopt when the
// preset is not covered by the rule.
std::optional<PresetChoice> VideoRuleFor(int profileCode, std::string_view videoEncoder);

// ---- What the encoders take ----

// The settings that the rule below can refuse, with the words used for them.
enum class SettingName { PictureSize, FrameRate, VideoBitRate, SampleRate, Channels, AudioBitRate };

struct SettingRefusal {
    SettingName setting;
    std::string accepted;  // what the encoder takes: "8000 to 48000 Hz (8000, 11025, ...)"
};

// The first applied value of `settings` that its encoders would refuse (so the
// conversion would fail once started), with what they take instead; nullopt
// when every value is taken. The video values are checked unless audioOnly.
// Asks libavcodec for the sample rates and channel layouts each encoder lists;
// an encoder this FFmpeg lacks is left to fail its rows, as before. The command
// line refuses such values before it starts, the settings dialog at OK.
std::optional<SettingRefusal> CheckEncoderSettings(const OutputSettings& settings);

// "picture size", "frame rate", "video bit rate", "sample rate", "channels", "audio bit rate".
std::string_view SettingLabel(SettingName setting);

// Why the container that `extension` (".mp4") selects cannot hold the streams of
// `settings` (video unless audioOnly, and sound): "" when it can, or when FFmpeg
// cannot tell. Checked before a run starts, as the encoder values are.
std::string ContainerRefusal(const OutputSettings& settings, std::string_view extension);
