#pragma once
// Parsing of the korbanix-cli command line into a checked request. Every value is
// validated here, so a bad option never reaches the engine: the caller prints
// `error` (and a hint to --help) and exits with kExitUsage.
//
//   korbanix-cli profiles
//   korbanix-cli probe FILE...
//   korbanix-cli convert [options] FILE|FOLDER...
//   korbanix-cli watch [options] FOLDER
//   korbanix-cli --help
//   korbanix-cli --version
// A leading --verbose (before the command word) is taken as the option of the command.

#include <cstdint>
#include "profiles/SourcePreferences.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cli {

constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;  // a row failed or a file was rejected
constexpr int kExitUsage = 2;
constexpr int kMaxFiles = 9999;  // rows a job can hold

enum class CommandKind { Help, Version, Profiles, Probe, Convert, Watch };

// Overrides of the profile's values, as the settings dialog's texts.
struct SettingOverrides {
    std::optional<std::string> videoEncoder;  // "H.264", "MPEG4", ...
    std::optional<std::string> audioEncoder;  // "AAC", "MP3", ...
    std::optional<int> width, height;          // from "W*H"
    std::optional<std::string> frameRateText;  // one of the twelve frame-rate texts
    std::optional<int> videoBitRate;           // bit/s, from "512 kbps"
    std::optional<int> audioBitRate;
    std::optional<int> sampleRate;             // Hz, from "44100 Hz"
    std::optional<int> channels;               // 1, 2 or 6
    std::optional<std::int64_t> targetSize;    // bytes each video output is fitted into
};

struct ConvertRequest {
    int profile = 0;
    std::optional<std::string> outputFolder;
    std::optional<std::string> beginText;  // "HH:MM:SS", checked
    std::optional<std::string> endText;
    std::optional<std::string> extension;  // ".mkv"
    SettingOverrides overrides;
    bool quiet = false;    // no progress, and nothing from FFmpeg
    bool verbose = false;  // FFmpeg's warnings too (errors only by default)
    bool nullSeparated = false;  // --null: result fields end with NUL, names unescaped
    bool merge = false;
    bool sizeCheck = true;  // --no-size-check: convert even past a FAT32 volume's file limit
    bool copyCompatible = false;  // --copy-compatible: keep what the device plays as it is
    bool exactCut = false;        // --exact-cut: begin times exact (convert rather than keep)
    int jobs = 0;  // files converted at once; 0 = as many as the cores and memory allow
    bool recursive = true;   // --no-recursive: a folder given adds its own files only
    bool keepTree = false;   // --keep-tree: outputs in their sources' folders below --output
    bool skipDone = false;   // --skip-done: a source whose complete output is there is not converted again
    // Not an option: the folder the files given lie below (watch), whose tree
    // --keep-tree keeps; "" = only folders given keep theirs.
    std::string treeRoot;
    // Not an option: a refused file is said by its result line alone (watch, which
    // prints that line only once the file is done with).
    bool resultLineOnly = false;
    std::string audioTrack;  // request texts of every file ("" = automatic)
    std::string subtitles;
    std::string language;           // preferred language of the tracks; "" = the desktop's
    int stillPictureSeconds = kDefaultStillSeconds;  // how long a still picture lasts (without --end)
};

struct CommandLine {
    CommandKind kind = CommandKind::Help;
    std::vector<std::string> files;
    ConvertRequest convert;
};

struct ParseResult {
    std::optional<CommandLine> command;  // set on success
    std::string error;                   // set on failure
};

// args excludes the program name.
ParseResult ParseCommandLine(const std::vector<std::string>& args);

// "H:MM:SS" with one or more hour digits, two-digit minutes and seconds below 60.
bool IsTimeText(std::string_view text);

// The --help text.
std::string UsageText();

}  // namespace cli
