#pragma once
// What the command line shows while a worker runs: one snapshot of the job's exchange
// fields, drawn either as a one-line bar redrawn in place (standard error is a
// terminal) or as plain lines for logs and pipes.

#include <optional>
#include <string>
#include <string_view>

namespace cli {

struct ProgressSnapshot {
    std::string fileName;  // name of the current source, without its folder
    int percent = -1;      // 0..100 of the current file (of the whole merge); -1 = nothing yet
    int filesDone = 0;
    int fileCount = 0;
    // "05:12 left" for the whole run, with " (01:03 this file)" when a single file
    // is being converted; empty until the estimate means something.
    std::string timeLeft{};
};

// The time-left text of a snapshot from the run's and the current file's
// remaining wall seconds (either may be missing).
std::string TimeLeftText(const std::optional<double>& run, const std::optional<double>& file);

// "[#########-----------]  42%  clip.mkv  1 of 3 files done  05:12 left", at most
// columns - 1 characters wide (the time left goes first when there is no room, then a
// long name is shortened at its front with "...").
std::string FormatProgressBar(const ProgressSnapshot& snapshot, int columns);

// "clip.mkv: 42% (1 of 3 files done)", or "... done, 05:12 left)" with an estimate
std::string FormatProgressLine(const ProgressSnapshot& snapshot);

// The part of a path after its last "/" (the whole path when it has none).
std::string FileNameOf(const std::string& path);

// A name as result lines print it: "\\" for a backslash, "\t", "\n", "\r", and
// "\xHH" for every other control character, so no name can add a line or a field.
std::string EscapeName(std::string_view name);

}  // namespace cli
