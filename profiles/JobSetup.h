#pragma once
// The pure rules of a conversion start, shared by the GUI's Convert/Merge and the
// command-line converter: output extension from a profile text, the frame-rate and
// encoder-name tables, the output path rule, and filling the job from the settings.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

class AVConvert;
struct OutputSettings;

// Text after the last "*" up to the first ")" (".mp4" from " PSP H.264 Video(*.mp4)");
// the profile text unchanged when there is no ")" after the last "*".
std::string ExtensionFromProfile(std::string_view profileText);

// "29.97 fps" -> 29.97 for the twelve texts a conversion understands; nullopt otherwise.
std::optional<double> FrameRateFromText(std::string_view text);
// Encoder names ("H.264", "AAC", ...) -> legacy codec ids; nullopt for unknown names.
std::optional<int> VideoCodecIdFromName(std::string_view name);
std::optional<int> AudioCodecIdFromName(std::string_view name);

// folder + "/" + source file name cut at its last "." + extension. A file name without
// "." (or whose only "." is its first character) keeps its whole name as the stem; a
// folder ending in "/" gets no second one.
std::string OutputPathFor(const std::string& folder, const std::string& sourcePath, const std::string& extension);

// The highest H.264 level the device of a profile plays, times ten: 41 for the PS3
// presets, 30 for the PSP's, 21 for the PSP preset of firmware 2.00; 0 for others.
int H264LevelCapFor(int profileCode);

// Copies the applied settings into the job's output parameters (encodeVideo,
// thumbnailMode, sizes, rates, codec ids). A frame-rate text or encoder name outside
// the tables leaves that job field as it was. An H.264 output whose size and frame
// rate are beyond its device's level gets the highest frame rate within it (half the
// rate where that fits: 1920*1080 at 60 fps on the PS3 becomes 30 fps).
void ApplySettingsToJob(const OutputSettings& settings, AVConvert& job);

// One task row as the front ends hold it.
struct TaskRow {
    std::string sourcePath;
    std::string startText = "00:00:00";  // FormatTime texts
    std::string endText = "00:00:00";
    bool checked = true;
    // The sound and subtitle tracks asked for (TrackChoice.h request texts; "" = automatic).
    std::string audioTrack;
    std::string subtitles;
    // The folder of the source below the folder it was added with, "/"-separated
    // ("Season 1/Extras"); a Convert writes the output that far below the output
    // folder (the worker makes the folders). "" = straight into the output folder.
    std::string subfolder;
};

enum class JobKind { Convert, Merge };

// Fills the job's rows from the task rows (paths, clip times, output paths in
// `folder` with `extension`; unchecked rows get empty paths), the settings, and the
// exchange fields a start resets. Merge fills mergeTotalSeconds instead of clipLength.
// Rows beyond AVConvert::kMaxRows are not taken (the front ends refuse such lists).
void FillJob(AVConvert& job, const std::vector<TaskRow>& rows, const OutputSettings& settings,
             const std::string& folder, const std::string& extension, JobKind kind);
