#include "cli/CliOptions.h"

#include "cli/SettingsText.h"
#include "engine/AVConvert.h"
#include "engine/OutputFile.h"
#include "profiles/JobSetup.h"
#include "profiles/ProfileTable.h"
#include "profiles/SettingsRules.h"
#include "profiles/TargetSizeRules.h"
#include "profiles/SourcePreferences.h"
#include "profiles/TimeText.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <functional>
#include <optional>
#include <sstream>

namespace cli {

namespace {

// Names shown in messages; the lookups in profiles/JobSetup.h decide what is accepted.
constexpr std::array<std::string_view, 13> kVideoEncoderNames{
    "MPEG4", "H.264", "H.263", "DivX", "FLV", "WMV1", "WMV2",
    "MPEG1VIDEO", "MPEG2VIDEO", "DVVIDEO", "RV20", "M-JPEG", "XVID"};
constexpr std::array<std::string_view, 16> kAudioEncoderNames{
    "AAC", "AC3", "AMR_NB", "MP3", "MP2", "WMA7", "WMA8", "VORBIS", "FLAC",
    "PCM_S16LE", "PCM_S16BE", "PCM_S8", "PCM_U8", "PCM_MULAW", "PCM_ALAW", "APE"};
constexpr std::array<std::string_view, 12> kFrameRateTexts{
    "10.0 fps", "12.0 fps", "14.985 fps", "15.0 fps", "20.0 fps", "23.975 fps",
    "24.0 fps", "25.0 fps", "29.97 fps", "30.0 fps", "50.0 fps", "60.0 fps"};

// Built by appending: GCC 12 warns falsely (-Wrestrict) about "literal" + string.
std::string Quote(std::string_view text) {
    std::string quoted(1, '"');
    quoted.append(text);
    quoted += '"';
    return quoted;
}

template <std::size_t N>
std::string JoinQuoted(const std::array<std::string_view, N>& items) {
    std::string out;
    for (auto item : items) {
        if (!out.empty()) out += ", ";
        out += Quote(item);
    }
    return out;
}


// One option's effect on the request; returns an error text or "" when accepted.
using Apply = std::function<std::string(ConvertRequest&, const std::string&)>;

struct OptionSpec {
    std::string_view name;
    bool takesValue;
    Apply apply;
};

// The value of one or two decimal digits; nothing for any other text (a sign, a
// space, a longer number), so no option takes more than it names.
std::optional<int> TwoDigitNumber(const std::string& v) {
    if (v.empty() || v.size() > 2) return std::nullopt;
    int value = 0;
    for (char c : v) {
        if (!std::isdigit(static_cast<unsigned char>(c))) return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

std::string ApplyProfile(ConvertRequest& r, const std::string& v) {
    const std::optional<int> number = TwoDigitNumber(v);
    if (!number || *number >= kProfileCount)
        return "--profile wants a profile number from 0 to " + std::to_string(kProfileCount - 1) + ", not " +
               Quote(v) + " (see 'korbanix-cli profiles')";
    r.profile = *number;
    return "";
}

std::string ApplyTime(std::optional<std::string>& field, std::string_view name, const std::string& v) {
    if (!IsTimeText(v)) return std::string(name) + " wants a time as HH:MM:SS (for example 00:01:30), not " + Quote(v);
    field = v;
    return "";
}

std::string ApplyExtension(ConvertRequest& r, const std::string& v) {
    bool ok = v.size() >= 2 && v[0] == '.' && v.find('/') == std::string::npos && v.find('.', 1) == std::string::npos;
    if (!ok) return "--extension wants a file extension such as .mp4, not " + Quote(v);
    // Formats that write files of their own (playlists, segments, picture series)
    // would write past the one output file the run reserves.
    if (!output::IsSingleFileExtension(v))
        return "--extension " + Quote(v) + " is not a container written as one file; use one of " +
               output::SingleFileExtensionList();
    r.extension = v;
    return "";
}

std::string ApplyVideoEncoder(ConvertRequest& r, const std::string& v) {
    if (!VideoCodecIdFromName(v))
        return "--video-encoder: unknown encoder " + Quote(v) + "; use one of " + JoinQuoted(kVideoEncoderNames);
    r.overrides.videoEncoder = v;
    return "";
}

std::string ApplyAudioEncoder(ConvertRequest& r, const std::string& v) {
    if (!AudioCodecIdFromName(v))
        return "--audio-encoder: unknown encoder " + Quote(v) + "; use one of " + JoinQuoted(kAudioEncoderNames);
    r.overrides.audioEncoder = v;
    return "";
}

std::string ApplySize(ConvertRequest& r, const std::string& v) {
    auto size = OutputSizeFromText(v);
    if (!size) return "--size wants WIDTH*HEIGHT (for example 720*480), not " + Quote(v);
    r.overrides.width = size->width;
    r.overrides.height = size->height;
    return "";
}

std::string ApplyFrameRate(ConvertRequest& r, const std::string& v) {
    if (!FrameRateFromText(v)) return "--frame-rate: unknown frame rate " + Quote(v) + "; use one of " + JoinQuoted(kFrameRateTexts);
    r.overrides.frameRateText = v;
    return "";
}

Apply BitRate(std::string_view name, std::optional<int> SettingOverrides::*field) {
    return [name, field](ConvertRequest& r, const std::string& v) -> std::string {
        auto rate = BitRateFromText(v);
        if (!rate) return std::string(name) + " wants a bit rate such as \"512 kbps\" or \"4.75 kbps\", not " + Quote(v);
        r.overrides.*field = *rate;
        return "";
    };
}

std::string ApplySampleRate(ConvertRequest& r, const std::string& v) {
    auto rate = SampleRateFromText(v);
    if (!rate) return "--sample-rate wants a sample rate such as \"44100 Hz\", not " + Quote(v);
    r.overrides.sampleRate = *rate;
    return "";
}

std::string ApplyChannels(ConvertRequest& r, const std::string& v) {
    auto channels = ::ChannelsFromText(v);
    if (!channels)
        return "--channels wants \"1 Channel Mono\", \"2 Channel Stereo\" or \"5.1 Channel\", not " + Quote(v);
    r.overrides.channels = *channels;
    return "";
}

// Files converted at once: 1 to the engine's number of worker slots.
constexpr int kMaxJobs = AVConvert::kMaxParallelRows;
static_assert(kMaxJobs == 16, "the --help text names the limit");

std::string ApplyJobs(ConvertRequest& r, const std::string& v) {
    if (v == "auto") {
        r.jobs = 0;
        return "";
    }
    const std::optional<int> number = TwoDigitNumber(v);
    if (!number || *number < 1 || *number > kMaxJobs)
        return "--jobs wants a number of files from 1 to " + std::to_string(kMaxJobs) + " or \"auto\", not " + Quote(v);
    r.jobs = *number;
    return "";
}

// A track request: a number, a language code, or for subtitles also none/auto.
std::string ApplyTrack(std::string& to, const char* option, const std::string& v, bool subtitles) {
    const auto request = tracks::TrackRequest::parse(v);
    const bool allowed = request && !v.empty() && (subtitles || request->mode == tracks::TrackRequest::Mode::Number ||
                                                   request->mode == tracks::TrackRequest::Mode::Language);
    if (!allowed)
        return std::string(option) + (subtitles ? " wants none, auto, a track number or a language code such as eng, not "
                                                : " wants a track number or a language code such as eng, not ") +
               Quote(v);
    to = v;
    return "";
}

std::string ApplyLanguage(ConvertRequest& r, const std::string& v) {
    const std::optional<std::string> code = PreferredLanguageFromText(v);
    if (!code || code->empty()) return "--language wants a language code such as de or ger, not " + Quote(v);
    r.language = *code;
    return "";
}

std::string ApplyStillSeconds(ConvertRequest& r, const std::string& v) {
    const std::optional<int> seconds = StillSecondsFromText(v);
    if (!seconds)
        return "--still-seconds wants whole seconds from " + std::to_string(kMinStillSeconds) + " to " +
               std::to_string(kMaxStillSeconds) + ", not " + Quote(v);
    r.stillPictureSeconds = *seconds;
    return "";
}

static_assert(kMinStillSeconds == 1 && kMaxStillSeconds == 3600, "the --help text names the limits");

// Options that change what probe reports as well (the track it marks, a still's length).
bool ProbeTakes(std::string_view name) { return name == "--verbose" || name == "--language" || name == "--still-seconds"; }

const std::vector<OptionSpec>& ConvertOptions() {
    static const std::vector<OptionSpec> kOptions{
        {"--profile", true, ApplyProfile},
        {"--output", true,
         [](ConvertRequest& r, const std::string& v) -> std::string {
             // Blanks only would make a folder named by spaces in the current folder.
             if (v.find_first_not_of(" \t") == std::string::npos) return "--output wants a folder name";
             r.outputFolder = v;
             return "";
         }},
        {"--begin", true, [](ConvertRequest& r, const std::string& v) { return ApplyTime(r.beginText, "--begin", v); }},
        {"--end", true, [](ConvertRequest& r, const std::string& v) { return ApplyTime(r.endText, "--end", v); }},
        {"--video-encoder", true, ApplyVideoEncoder},
        {"--audio-encoder", true, ApplyAudioEncoder},
        {"--size", true, ApplySize},
        {"--frame-rate", true, ApplyFrameRate},
        {"--video-bitrate", true, BitRate("--video-bitrate", &SettingOverrides::videoBitRate)},
        {"--audio-bitrate", true, BitRate("--audio-bitrate", &SettingOverrides::audioBitRate)},
        {"--sample-rate", true, ApplySampleRate},
        {"--channels", true, ApplyChannels},
        {"--extension", true, ApplyExtension},
        {"--target-size", true,
         [](ConvertRequest& r, const std::string& v) -> std::string {
             const std::optional<std::int64_t> bytes = ParseTargetSize(v);
             if (!bytes || *bytes <= 0) return "--target-size wants a size such as 700M, 700 MB or 1.4G, not " + Quote(v);
             r.overrides.targetSize = *bytes;
             return "";
         }},
        {"--jobs", true, ApplyJobs},
        {"--audio-track", true,
         [](ConvertRequest& r, const std::string& v) { return ApplyTrack(r.audioTrack, "--audio-track", v, false); }},
        {"--subtitles", true,
         [](ConvertRequest& r, const std::string& v) { return ApplyTrack(r.subtitles, "--subtitles", v, true); }},
        {"--language", true, ApplyLanguage},
        {"--still-seconds", true, ApplyStillSeconds},
        {"--quiet", false, [](ConvertRequest& r, const std::string&) { r.quiet = true; return std::string(); }},
        {"--verbose", false, [](ConvertRequest& r, const std::string&) { r.verbose = true; return std::string(); }},
        {"--null", false,
         [](ConvertRequest& r, const std::string&) { r.nullSeparated = true; return std::string(); }},
        {"--merge", false, [](ConvertRequest& r, const std::string&) { r.merge = true; return std::string(); }},
        {"--no-recursive", false,
         [](ConvertRequest& r, const std::string&) { r.recursive = false; return std::string(); }},
        {"--keep-tree", false, [](ConvertRequest& r, const std::string&) { r.keepTree = true; return std::string(); }},
        {"--skip-done", false, [](ConvertRequest& r, const std::string&) { r.skipDone = true; return std::string(); }},
        {"--no-size-check", false,
         [](ConvertRequest& r, const std::string&) { r.sizeCheck = false; return std::string(); }},
        {"--copy-compatible", false,
         [](ConvertRequest& r, const std::string&) { r.copyCompatible = true; return std::string(); }},
        {"--exact-cut", false, [](ConvertRequest& r, const std::string&) { r.exactCut = true; return std::string(); }},
    };
    return kOptions;
}

const OptionSpec* FindOption(std::string_view name) {
    for (const auto& option : ConvertOptions())
        if (option.name == name) return &option;
    return nullptr;
}

ParseResult Fail(std::string message) { return ParseResult{std::nullopt, std::move(message)}; }

bool IsHelp(std::string_view arg) { return arg == "--help" || arg == "-h"; }
bool IsVersion(std::string_view arg) { return arg == "--version"; }

// Collects the file operands and options after the command word.
ParseResult ParseOperands(CommandLine command, const std::vector<std::string>& args) {
    bool optionsEnded = false;
    std::vector<std::string> seen;  // an option given twice is a slip, not "the last one wins"
    const std::string commandName = command.kind == CommandKind::Probe   ? "probe"
                                    : command.kind == CommandKind::Watch ? "watch"
                                                                         : "convert";
    const bool takesOptions = command.kind == CommandKind::Convert || command.kind == CommandKind::Watch;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
            command.files.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        auto eq = arg.find('=');
        std::string name = arg.substr(0, eq);
        const OptionSpec* option = FindOption(name);
        if (!option) return Fail("unknown option " + Quote(name));
        if (std::find(seen.begin(), seen.end(), name) != seen.end()) return Fail(name + " is given more than once");
        seen.push_back(name);
        // FFmpeg's warnings help with a file the probe refuses too.
        if (!takesOptions && !ProbeTakes(name))
            return Fail(commandName + " takes only file names, --language, --still-seconds and --verbose, not " +
                        Quote(name));
        std::string value;
        if (option->takesValue) {
            if (eq != std::string::npos) value = arg.substr(eq + 1);
            else if (i + 1 < args.size()) value = args[++i];
            else return Fail(name + " needs a value");
        } else if (eq != std::string::npos) {
            return Fail(name + " takes no value");
        }
        if (auto error = option->apply(command.convert, value); !error.empty()) return Fail(error);
    }
    if (command.kind == CommandKind::Watch && command.files.size() != 1) return Fail("watch takes one folder");
    if (command.files.empty()) return Fail(commandName + " needs at least one file");
    return ParseResult{std::move(command), ""};
}

std::string CheckConvertRequest(const ConvertRequest& r) {
    if (r.quiet && r.verbose) return "--quiet and --verbose cannot be used together";
    if (r.overrides.targetSize && r.overrides.videoBitRate)
        return "--target-size and --video-bitrate cannot be used together: the target size sets the video bit rate";
    if (r.merge && (r.beginText || r.endText))
        return "--begin and --end cannot be used with --merge: a merge joins the whole files";
    if (r.merge && r.keepTree)
        return "--keep-tree cannot be used with --merge: a merge writes one file, into the output folder";
    if (r.beginText && r.endText && ParseTime(*r.beginText) >= ParseTime(*r.endText))
        return "--begin " + *r.beginText + " is not before --end " + *r.endText;
    return "";
}

}  // namespace

bool IsTimeText(std::string_view text) {
    auto first = text.find(':');
    auto last = text.rfind(':');
    if (first == std::string_view::npos || first == last) return false;
    std::string_view h = text.substr(0, first), m = text.substr(first + 1, last - first - 1), s = text.substr(last + 1);
    auto digits = [](std::string_view part) {
        if (part.empty()) return false;
        for (char c : part)
            if (!std::isdigit(static_cast<unsigned char>(c))) return false;
        return true;
    };
    // Hours are limited so that hours * 3600 stays inside a 32-bit second count.
    if (!digits(h) || h.size() > 5 || !digits(m) || !digits(s) || m.size() != 2 || s.size() != 2) return false;
    return (m[0] - '0') < 6 && (s[0] - '0') < 6;
}

ParseResult ParseCommandLine(const std::vector<std::string>& given) {
    std::vector<std::string> args = given;
    // "korbanix-cli --verbose convert ...": the option moves behind the command word.
    if (args.size() >= 2 && args[0] == "--verbose") std::rotate(args.begin(), args.begin() + 1, args.begin() + 2);
    for (const auto& arg : args) {
        if (arg == "--") break;
        if (IsHelp(arg)) return ParseResult{CommandLine{}, ""};
        if (IsVersion(arg)) return ParseResult{CommandLine{CommandKind::Version, {}, {}}, ""};
    }
    if (args.empty() || args[0] == "help") return ParseResult{CommandLine{}, ""};
    CommandLine command;
    const std::string& word = args[0];
    if (word == "profiles") {
        if (args.size() > 1) return Fail("profiles takes no arguments");
        command.kind = CommandKind::Profiles;
        return ParseResult{command, ""};
    }
    if (word == "probe") command.kind = CommandKind::Probe;
    else if (word == "convert") command.kind = CommandKind::Convert;
    else if (word == "watch") command.kind = CommandKind::Watch;
    else return Fail("unknown command " + Quote(word) + " (use profiles, probe, convert or watch)");

    ParseResult result = ParseOperands(std::move(command), args);
    if (result.command && result.command->kind != CommandKind::Probe) {
        if (auto error = CheckConvertRequest(result.command->convert); !error.empty()) return Fail(error);
    }
    if (result.command && result.command->kind == CommandKind::Watch && result.command->convert.merge)
        return Fail("watch converts each file into its own output: --merge cannot be used");
    return result;
}

std::string UsageText() {
    std::ostringstream u;
    u << "Usage:\n"
         "  korbanix-cli profiles                 list the output profiles with their numbers\n"
         "  korbanix-cli presets [CODE]           list the setting presets, or one preset's choices\n"
         "  korbanix-cli probe [--language LANG] [--still-seconds N] [--verbose] FILE|FOLDER...\n"
         "                                        show what the converter reads from each file\n"
         "  korbanix-cli convert [options] FILE|FOLDER...\n"
         "                                        convert each file into its own output file;\n"
         "                                        a folder adds its video and audio files and\n"
         "                                        those of the folders below it (hidden ones\n"
         "                                        and symbolic links left out), in name order\n"
         "  korbanix-cli watch [options] FOLDER   convert every video or audio file that appears\n"
         "                                        in the folder (and below), once it is complete,\n"
         "                                        until stopped by a signal (options of convert)\n"
         "  korbanix-cli --help                   show this text\n"
         "  korbanix-cli --version                show the version\n"
         "\n"
         "Options of convert:\n"
         "  --profile N            output profile 0-15 (default 0, see 'profiles')\n"
         "  --output DIR           output folder (default: the current folder); created with\n"
         "                         every missing folder above it\n"
         "  --begin HH:MM:SS       start of the converted part of every file (default 00:00:00)\n"
         "  --end HH:MM:SS         end of the converted part (default: the end of the file,\n"
         "                         its last fraction of a second included)\n"
         "  --merge                join all files into one output, one after the other\n"
         "  --video-encoder NAME   for example \"H.264\", \"MPEG4\", \"DivX\", \"WMV2\", \"MPEG2VIDEO\"\n"
         "  --audio-encoder NAME   for example \"AAC\", \"MP3\", \"MP2\", \"WMA8\", \"PCM_S16LE\"\n"
         "  --size W*H             picture size, for example 720*480\n"
         "  --frame-rate TEXT      for example \"29.97 fps\", \"25.0 fps\", \"15.0 fps\"\n"
         "  --video-bitrate TEXT   for example \"512 kbps\"\n"
         "  --audio-bitrate TEXT   for example \"128 kbps\" or \"4.75 kbps\"\n"
         "  --sample-rate TEXT     for example \"44100 Hz\"\n"
         "  --channels TEXT        \"1 Channel Mono\", \"2 Channel Stereo\" or \"5.1 Channel\"\n"
         "  --target-size SIZE     fit each video output (a merge: the merged one) into SIZE,\n"
         "                         for example 700M, 700 MB or 1.4G (decimal units): the\n"
         "                         video bit rate follows the output's length, in two passes\n"
         "                         where the encoder can; a file whose length the size does\n"
         "                         not suit fails with the reason, a merge is refused (status 2)\n"
         "  --extension .EXT       output container by extension instead of the profile's;\n"
         "                         only containers written as one file (.mp4, .mkv, .avi, ...)\n"
         "  --audio-track N|LANG   the sound track: its number as 'probe' lists it, or a\n"
         "                         language (eng, en); default: the default-flagged track,\n"
         "                         the one in the desktop's language among several\n"
         "  --subtitles none|auto|N|LANG\n"
         "                         subtitles burned into the picture (default auto: the\n"
         "                         forced track, if any); a .srt/.ass file beside the\n"
         "                         source with its name is a track too\n"
         "  --language LANG        the language looked for first among several sound tracks\n"
         "                         (ahead of another one flagged default) and forced subtitle\n"
         "                         tracks (de, ger, eng, ...); default: the desktop's\n"
         "                         (LANGUAGE, LANG), which defers to the default flag\n"
         "  --still-seconds N      how long a still picture (JPEG, PNG, ...) lasts as a video,\n"
         "                         1-3600 (default 5; --end sets it too)\n"
         "  --jobs N               files converted at once, 1-16 (default \"auto\": one per core,\n"
         "                         fewer when memory is short; 1 = one after the other)\n"
         "  --no-recursive         a folder given adds only the files directly in it\n"
         "  --keep-tree            write each output in its source's folder below the folder\n"
         "                         given (a file named by a relative path: below the current\n"
         "                         folder), that far below the output folder (made as needed)\n"
         "  --skip-done            leave out a file whose complete output an earlier run\n"
         "                         wrote (read to its end, of the expected length); its\n"
         "                         line is Skipped<TAB>source<TAB>output\n"
         "  --no-size-check        convert even when an output is expected to pass the 4 GB\n"
         "                         file limit of the FAT32 volume the output folder is on\n"
         "  --copy-compatible      keep the video when the profile's device plays it as it\n"
         "                         is (the device's limits, not the profile's size and bit\n"
         "                         rate), and its sound too where the device plays that;\n"
         "                         a begin time then starts at the key frame before it\n"
         "  --exact-cut            begin exactly at --begin: convert instead of keeping\n"
         "  --quiet                no progress output and no messages from FFmpeg\n"
         "  --verbose              FFmpeg's own errors and warnings as well (by default none)\n"
         "  --null                 end every field of a result with a NUL byte instead of a\n"
         "                         TAB or a line break, names as they are (for xargs -0)\n"
         "\n"
         "Every value is checked against what the chosen encoders take before anything\n"
         "starts; an option may be given once.\n"
         "An output never replaces an existing file: a taken name gets \"(0)\", \"(1)\", ...\n"
         "Video outputs get a 160x120 \".THM\" picture beside them.\n"
         "The progress bar covers the whole batch. At the end one line per file given is\n"
         "printed on standard output, in the order the files were given (whatever order\n"
         "they finished in), unless the command line itself is refused (status 2):\n"
         "  Completed<TAB>source<TAB>output   the output is complete\n"
         "  Failure<TAB>source<TAB>reason    no output (or a broken one, removed), and why:\n"
         "                                   also for a file that cannot be read (\"No such\n"
         "                                   file or directory\", \"not a media file\", ...)\n"
         "  Stopped<TAB>source<TAB>output     a stop came: the output is shorter but plays\n"
         "  Skipped<TAB>source<TAB>reason    a stop came before this file's turn: untouched\n"
         "  Skipped<TAB>source<TAB>output    --skip-done: an earlier run's complete output\n"
         "In these lines a backslash in a name is written \\\\, a TAB \\t, a line break \\n,\n"
         "a carriage return \\r and any other control character \\xHH (two hex digits).\n"
         "Ctrl+C, SIGTERM or SIGHUP stop after the outputs being written have been\n"
         "finished; a second one ends at once, leaving them unfinished.\n"
         "\n"
         "watch prints one line per file as convert does, when it is done: a file is\n"
         "complete once its writer closed it, or its size stayed the same for 3 seconds.\n"
         "What it converted is kept in \".korbanix-watch\" in the output folder, so a\n"
         "restart does not convert it again; a file that fails is tried once more, then\n"
         "left with its Failure line. A file written again after it was converted (a\n"
         "copy made in parts) is converted again when it has been still for 8 seconds,\n"
         "replacing the output the watch made of it before, if that is unchanged.\n"
         "One watch at a time writes into an output folder.\n"
         "\n"
         "Exit status: 0 all files completed, 1 a file failed or was rejected,\n"
         "2 wrong usage, 128 + the signal when stopped (130 for Ctrl+C).\n";
    return u.str();
}

}  // namespace cli
