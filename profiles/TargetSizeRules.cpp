#include "profiles/TargetSizeRules.h"

#include "engine/TargetSize.h"
#include "profiles/OutputSettings.h"
#include "profiles/OutputSizeGuard.h"
#include "profiles/PresetCatalogue.h"
#include "profiles/SettingsRules.h"
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

// The devices' limits by profile, from what their makers and the H.264 and MPEG-2
// level tables say (the MaxBR of the level each profile is held to); DivX, WMV and
// the PSP's MPEG-4 have no published rate limit. Every PS3 and PSP reads files from
// FAT32 storage (USB drives, Memory Sticks): at most 4 GiB less one byte.
struct DeviceRow {
    int profileCode;
    double highestSd;  // bit/s for frames up to 720*576
    double highestHd;  // above
    std::string_view device;
    std::string_view name;
};
constexpr DeviceRow kDevices[] = {
    {91200, 50e6, 50e6, "the PS3 at H.264 level 4.1", "PS3"},
    {91203, 50e6, 50e6, "the PS3 at H.264 level 4.1", "PS3"},
    {91201, 0, 0, "the PS3", "PS3"},
    {91202, 0, 0, "the PS3", "PS3"},
    {91204, 15e6, 80e6, "the PS3 in MPEG-2 Main profile", "PS3"},
    {91205, 15e6, 80e6, "the PS3 in MPEG-2 Main profile", "PS3"},
    {91206, 15e6, 80e6, "the PS3 in MPEG-2 Main profile", "PS3"},
    {91207, 0, 0, "the PS3", "PS3"},
    {91208, 0, 0, "the PS3", "PS3"},
    {91300, 10e6, 10e6, "the PSP at H.264 level 3.0", "PSP"},
    {91301, 10e6, 10e6, "the PSP at H.264 level 3.0", "PSP"},
    {91302, 4e6, 4e6, "the PSP at H.264 level 2.1", "PSP"},
    {91303, 0, 0, "the PSP", "PSP"},
};

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
               ", above the " + kbps(limits.highest) + " " + std::string(limits.device) +
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
    // The lowest bit rate the profile offers is the least its pictures are made for.
    if (const Preset* preset = FindPreset(settings.profileCode)) {
        for (std::string_view item : preset->videoBitRates.items) {
            const double rate = SettingsNumberValue(item);  // "1000 kbps" -> 1000000
            if (rate > 0 && (limits.lowest == 0 || rate < limits.lowest)) limits.lowest = rate;
        }
    }
    limits.lowest = std::max(limits.lowest, sizing::kLowestVideoBitRate);
    for (const DeviceRow& row : kDevices) {
        if (row.profileCode != settings.profileCode) continue;
        const bool standard = settings.width <= 720 && settings.height <= 576;
        limits.highest = standard ? row.highestSd : row.highestHd;
        limits.device = row.device;
        limits.deviceName = row.name;
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
