#pragma once
// The commands of korbanix-cli. Each returns the process exit status.

#include "cli/CliOptions.h"
#include "cli/CliRun.h"

#include <string>
#include <vector>

class AVConvert;

namespace cli {

// " 0: PS3 H.264 Video(*.mp4)" ... one line per profile on env.out.
int RunProfiles(CliEnvironment& env);

// One "field: value" line per probe result for each file; a rejected file gets its
// RejectedFileMessage on env.err and makes the status 1.
// `sources`: the language the marked tracks are chosen by, and a still's length.
int RunProbe(const std::vector<std::string>& files, CliEnvironment& env, const SourcePreferences& sources = {});

// Probes, fills the job as the GUI's Convert/Merge does, runs the worker, prints one
// result line per file.
int RunConvert(const CommandLine& command, CliEnvironment& env);

// Converts every media file that appears in the folder given (and below unless
// --no-recursive) once it is complete, one RunConvert per file, until a stop
// signal; remembers in the output folder what it converted (WatchCommand.cpp).
int RunWatch(const CommandLine& command, CliEnvironment& env);

// The probe as the task list judges a file: true when accepted.
bool ProbeFile(const std::string& path, AVConvert& job, CliEnvironment& env);

// The probe's result code for `path` (see engine/ProbeMedia.h).
int ProbeFileResult(const std::string& path, AVConvert& job, CliEnvironment& env);

// Why a file the probe refused is no task, in plain words for its result line:
// the system's reason when it cannot be opened ("No such file or directory",
// "Permission denied"), "not a media file", and so on.
std::string RefusalReason(const std::string& path, int probeResult, const AVConvert& job);
// RefusalReason's words for a file its writer still holds open or that grows.
extern const char* const kStillGrowingReason;

// "korbanix-cli: " + the path + ": " + why the file is no task (see RefusalReason).
std::string RejectedFileMessage(const std::string& path, const std::string& reason);
// A folder below one given that could not be read: named, with the reason.
std::string UnreadableFolderMessage(const std::string& folder, int error);

// The probe result lines of one probed job, in the job's field names.
std::string ProbeFieldLines(const AVConvert& job);

}  // namespace cli
