#pragma once
// The "Target size" setting: its text, the limits of the video bit rate it may
// lead to for a profile, and the check both front ends make before a run starts
// (the window's message, the command line's status 2). The engine picks the bit
// rate itself (engine/TargetSize.h); this is the same estimate, made from the task
// list's times. Plain functions; any thread.

#include "profiles/JobSetup.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct OutputSettings;

// "700M", "700 MB", "1.5G", "1.5 GB", "650 MiB", "700000 kB" (decimal units, as
// the sizes on a drive's box; KiB/MiB/GiB binary) -> bytes. "" and "none" -> 0 (no
// target size). nullopt when the text is no size.
std::optional<std::int64_t> ParseTargetSize(std::string_view text);
// 700000000 -> "700 MB", 1500000000 -> "1500 MB", 0 -> "" (no target size).
std::string TargetSizeText(std::int64_t bytes);

// The video bit rates (bit/s) an output of the settings may get: the least its
// pictures need (from their size, frame rate and codec), and what the profile's
// device plays in that codec (0: no published limit).
struct VideoRateLimits {
    double lowest = 0;
    double highest = 0;
    std::string device;           // "the PS3 at H.264 level 4.1", for messages
    std::string_view deviceName;  // "PS3"
    std::int64_t largestFile = 0;  // the device's storage limit in bytes; 0 = none
};
VideoRateLimits VideoRateLimitsFor(const OutputSettings& settings);

// A source as a message names it: its file name with the folder it is in
// ("Season 1/Episode 1.mkv"), so that rows of one name are told apart; quoted.
std::string SourceNameInMessage(const std::string& path);

// Why the settings' target size cannot be met by the run as a whole: "" when it can,
// or when no target size is set. A sound output or a size beyond the device's
// storage refuses every run; a merge is refused when the merged output's length
// cannot be fitted. The rows of a Convert are judged one by one (below).
std::string TargetSizeRefusal(const std::vector<TaskRow>& rows, JobKind kind, const OutputSettings& settings,
                              std::string_view extension);
// Convert: per task row, why its output (its clip's length) cannot be fitted into
// the target size in the container of `extension`; "" for the rows it suits and
// for unchecked rows. Such a row fails with that reason and the others convert.
std::vector<std::string> TargetSizeRowRefusals(const std::vector<TaskRow>& rows, const OutputSettings& settings,
                                               std::string_view extension);
