#include "profiles/TargetSizeRules.h"

#include "engine/TargetSize.h"
#include "profiles/DeviceLimits.h"
#include "profiles/JobSetup.h"
#include "profiles/OutputSettings.h"
#include "profiles/OutputSizeGuard.h"
#include "profiles/TimeText.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>

namespace {

struct UnitRow {
    std::string_view name;  // lower case
    double bytes;
};
constexpr UnitRow kUnits[] = {
    {"", 1e6},  // a bare number is megabytes, as the field's examples are
    {"b", 1},          {"k", 1e3},          {"kb", 1e3},         {"m", 1e6},
    {"mb", 1e6},       {"g", 1e9},          {"gb", 1e9},         {"kib", 1024.0},
    {"mib", 1048576.0}, {"gib", 1073741824.0},
};

std::string lower(std::string_view text) {
    std::string out;
    for (char c : text)
        if (c != ' ') out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

// The fewest bits a picture element needs, per second of video, for a film to stay
// watchable: below it the encoder smears motion into blocks whatever it does. The
// floor follows the output's picture size and frame rate, so a small picture may
// get far less than a large one. The figures are a fifth to a third of what the
// usual rules of thumb give for good quality (0.07-0.1 bits per pixel for MPEG-4
// Part 2, half that for H.264), as a target size is chosen to fit, not to look
// its best:
//  - H.264 in two passes: the first pass tells the second where the bits are
//    needed, and its in-loop filter hides the blocks: 0.015 (155 kbit/s at 720x480
//    and 29.97 fps, 414 kbit/s at 1280x720).
//  - MPEG-4 Part 2 (DivX, Xvid), H.263, FLV, WMV 7/8, RealVideo: 8x8 transforms and
//    no in-loop filter need about twice as much: 0.03.
//  - MPEG-1 and MPEG-2: fewer prediction tools again: 0.045.
//  - Motion JPEG codes each picture alone: 0.3; DV has its fixed 25 Mbit/s.
struct FloorRow {
    std::string_view encoder;  // the settings' encoder name
    double bitsPerPixel;
};
constexpr FloorRow kFloors[] = {
    {"H.264", 0.015}, {"MPEG4", 0.03},      {"XVID", 0.03},       {"DivX", 0.03},     {"H.263", 0.03},
    {"FLV", 0.03},    {"WMV1", 0.03},       {"WMV2", 0.03},       {"RV20", 0.03},     {"MPEG1VIDEO", 0.045},
    {"MPEG2VIDEO", 0.045}, {"M-JPEG", 0.3}, {"DVVIDEO", 2.4},
};
constexpr double kOtherCodecFloor = 0.03;
// A frame rate the settings do not name (the source's own) is taken as PAL's.
constexpr double kUnnamedFrameRate = 25.0;

double lowestVideoBitRate(const OutputSettings& settings) {
    double bitsPerPixel = kOtherCodecFloor;
    for (const FloorRow& row : kFloors)
        if (row.encoder == settings.videoEncoder) bitsPerPixel = row.bitsPerPixel;
    const double rate = FrameRateFromText(settings.frameRateText).value_or(0);
    const double pixels = double(std::max(settings.width, 0)) * std::max(settings.height, 0) *
                          (rate > 0 ? rate : kUnnamedFrameRate);
    return std::max(bitsPerPixel * pixels, sizing::kLowestVideoBitRate);
}

std::string kbps(double bitsPerSecond) { return std::to_string(std::llround(bitsPerSecond / 1000)) + " kbps"; }

// The planned output's length in seconds, from the task list's clip times.
double plannedSeconds(const TaskRow& row) {
    return std::max(ParseTime(row.endText) - ParseTime(row.startText), 0);
}

// Why an output of `seconds`, named `name` in the message, cannot be fitted into the
// target size; "" when it can.
std::string outputRefusal(const std::string& name, double seconds, const OutputSettings& settings,
                          const VideoRateLimits& limits, const sizing::Overhead& overhead) {
    if (seconds <= 0) return std::string();
    const std::string size = TargetSizeText(settings.targetSizeBytes);
    const double rate =
        sizing::videoBitRateFor(overhead, seconds, settings.audioBitRate, double(settings.targetSizeBytes));
    const std::string what = name + " (" + FormatTime(static_cast<int>(seconds)) + " long)";
    if (rate < limits.lowest)
        return "The target size of " + size + " is too small for " + what + ": its video would get " +
               kbps(std::max(rate, 0.0)) + ", below the " + kbps(limits.lowest) +
               " this profile needs.\nChoose a larger size, a shorter clip or a profile with smaller pictures.";
    if (limits.highest > 0 && rate > limits.highest)
        return "The target size of " + size + " is too large for " + what + ": its video would need " + kbps(rate) +
               ", above the " + kbps(limits.highest) + " " + limits.device +
               " plays.\nChoose a smaller size.";
    return std::string();
}

}  // namespace

std::optional<std::int64_t> ParseTargetSize(std::string_view text) {
    std::string t = lower(text);
    if (t.empty() || t == "none") return 0;
    // Half of Europe writes "1,5 GB". A comma before three digits ("1,000 MB") may
    // group thousands instead: such a size is not guessed at.
    if (const std::size_t comma = t.find(','); comma != std::string::npos) {
        std::size_t digits = 0;
        while (comma + 1 + digits < t.size() && std::isdigit(static_cast<unsigned char>(t[comma + 1 + digits]))) ++digits;
        if (digits == 3) return std::nullopt;
        t[comma] = '.';
    }
    double number = 0;
    const auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), number, std::chars_format::fixed);
    if (ec != std::errc() || !std::isfinite(number) || number <= 0) return std::nullopt;
    const std::string_view unit(end, static_cast<std::size_t>(t.data() + t.size() - end));
    for (const UnitRow& row : kUnits) {
        if (row.name != unit) continue;
        const double bytes = number * row.bytes;
        if (bytes < 1 || bytes > 1e15) return std::nullopt;
        return static_cast<std::int64_t>(std::llround(bytes));
    }
    return std::nullopt;
}

std::string TargetSizeText(std::int64_t bytes) {
    if (bytes <= 0) return std::string();
    if (bytes % 1000000 == 0) return std::to_string(bytes / 1000000) + " MB";
    char text[32];
    const auto [end, ec] = std::to_chars(text, text + sizeof text, bytes / 1e6, std::chars_format::fixed, 3);
    std::string number = ec == std::errc() ? std::string(text, end) : std::to_string(bytes / 1000000);
    while (number.back() == '0') number.pop_back();
    if (number.back() == '.') number.pop_back();
    return number + " MB";
}

VideoRateLimits VideoRateLimitsFor(const OutputSettings& settings) {
    VideoRateLimits limits;
    limits.lowest = lowestVideoBitRate(settings);
    const VideoRateCeiling ceiling =
        VideoRateCeilingFor(settings.profileCode, settings.videoEncoder, settings.width, settings.height);
    limits.highest = ceiling.bitRate;
    limits.device = ceiling.device;
    // Every PS3 and PSP reads files from FAT32 storage (USB drives, Memory Sticks):
    // at most 4 GiB less one byte.
    if (const copycheck::DeviceLimits* device = DeviceLimitsFor(settings.profileCode)) {
        limits.deviceName = device->device;
        limits.largestFile = kFat32FileLimitBytes;
    }
    return limits;
}

std::string SourceNameInMessage(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return '"' + path + '"';
    // Rows of one name in different folders ("Season 1/Episode 1.mkv", "Season 2/...")
    // are told apart by the folder the file is in.
    const std::size_t folder = slash == 0 ? std::string::npos : path.find_last_of('/', slash - 1);
    return '"' + path.substr(folder == std::string::npos ? 0 : folder + 1) + '"';
}

std::string TargetSizeRefusal(const std::vector<TaskRow>& rows, JobKind kind, const OutputSettings& settings,
                              std::string_view extension) {
    const std::int64_t target = settings.targetSizeBytes;
    if (target <= 0) return std::string();
    if (settings.audioOnly)
        return "A target size is for video outputs: the size of a sound file follows its bit rate.";
    const VideoRateLimits limits = VideoRateLimitsFor(settings);
    if (limits.largestFile > 0 && target > limits.largestFile)
        return "The target size of " + TargetSizeText(target) + " is more than a file on the " +
               std::string(limits.deviceName) + "'s FAT32 storage can hold (at most 4 GB).\nChoose a smaller size.";
    if (kind == JobKind::Convert) return std::string();  // each row on its own: TargetSizeRowRefusals
    double merged = 0;
    for (const TaskRow& row : rows)
        if (row.checked) merged += plannedSeconds(row);
    return outputRefusal("the merged output", merged, settings, limits, sizing::containerOverhead(extension));
}

std::vector<std::string> TargetSizeRowRefusals(const std::vector<TaskRow>& rows, const OutputSettings& settings,
                                               std::string_view extension) {
    std::vector<std::string> refusals(rows.size());
    if (settings.targetSizeBytes <= 0 || settings.audioOnly) return refusals;
    const VideoRateLimits limits = VideoRateLimitsFor(settings);
    const sizing::Overhead overhead = sizing::containerOverhead(extension);
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (rows[i].checked)
            refusals[i] = outputRefusal(SourceNameInMessage(rows[i].sourcePath), plannedSeconds(rows[i]), settings,
                                        limits, overhead);
    return refusals;
}
