#include "cli/CliCommands.h"
#include "cli/ProgressText.h"
#include "engine/AVConvert.h"
#include "engine/FolderListing.h"
#include "engine/ProbeMedia.h"
#include "engine/TimeLeft.h"
#include "engine/WorkerThread.h"
#include "profiles/JobSetup.h"
#include "profiles/OutputSettings.h"
#include "profiles/OutputSizeGuard.h"
#include "profiles/ProfileTable.h"
#include "profiles/SettingsRules.h"
#include "profiles/TargetSizeRules.h"
#include "profiles/TimeText.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <climits>
#include <cmath>
#include <filesystem>
#include <memory>
#include <mutex>
#include <optional>
#include <ostream>
#include <string_view>
#include <system_error>
#include <thread>
#include <utility>

namespace cli {

namespace {

// The window's closing words when the output folder cannot be used; the line
// before them says which folder and why.
constexpr const char* kFolderMessage = " Please specify a different folder!";
constexpr const char* kMergeMessage = "Merge is effective when two or more files are chosen!";
constexpr const char* kEmptyFolderReason = "a folder without video or audio files";
constexpr const char* kNoMediaInFolders = "korbanix-cli: no video or audio files in the folders given.";
constexpr std::chrono::milliseconds kFinishCheckInterval{10};

// Lines the worker thread hands to the polling thread (libjpeg errors), printed
// between progress updates so they never tear the progress bar.
class MessageQueue {
public:
    void push(std::string line) {
        std::lock_guard lock(m_mutex);
        m_lines.push_back(std::move(line));
    }
    std::vector<std::string> take() {
        std::lock_guard lock(m_mutex);
        return std::exchange(m_lines, {});
    }

private:
    std::mutex m_mutex;
    std::vector<std::string> m_lines;
};

class ProgressDisplay {
public:
    ProgressDisplay(CliEnvironment& env, bool quiet) : m_env(env), m_quiet(quiet) {}

    void update(const ProgressSnapshot& s) {
        if (m_quiet) return;
        if (m_env.errIsTerminal) {
            *m_env.err << "\r" << FormatProgressBar(s, m_env.terminalColumns) << "\033[K" << std::flush;
            m_drawn = true;
            return;
        }
        // Plain lines go to logs: one when a file starts and one per tenth of it.
        int tenth = s.percent < 0 ? -1 : std::min(s.percent, 100) / 10;
        if (s.filesDone == m_lastFile && tenth == m_lastTenth) return;
        m_lastFile = s.filesDone;
        m_lastTenth = tenth;
        *m_env.err << FormatProgressLine(s) << "\n" << std::flush;
    }

    void message(const std::string& line) {
        clear();
        *m_env.err << line << "\n" << std::flush;
    }

    void clear() {
        if (!m_drawn) return;
        *m_env.err << "\r\033[K" << std::flush;
        m_drawn = false;
    }

private:
    CliEnvironment& m_env;
    bool m_quiet;
    bool m_drawn = false;
    int m_lastFile = -1;
    int m_lastTenth = -2;
};

OutputSettings SettingsFor(const ConvertRequest& request) {
    OutputSettings settings;
    ResetOutputSettings(settings);
    LoadProfile(settings, request.profile);
    const SettingOverrides& o = request.overrides;
    if (o.videoEncoder) settings.videoEncoder = *o.videoEncoder;
    if (o.audioEncoder) settings.audioEncoder = *o.audioEncoder;
    if (o.width && o.height) {
        settings.width = *o.width;
        settings.height = *o.height;
    }
    if (o.frameRateText) settings.frameRateText = *o.frameRateText;
    if (o.videoBitRate) settings.videoBitRate = *o.videoBitRate;
    if (o.audioBitRate) settings.audioBitRate = *o.audioBitRate;
    if (o.sampleRate) settings.sampleRate = *o.sampleRate;
    if (o.channels) settings.channels = *o.channels;
    settings.copyCompatible = request.copyCompatible;
    settings.exactCut = request.exactCut;
    if (o.targetSize) settings.targetSizeBytes = *o.targetSize;
    return settings;
}

SourcePreferences SourcesOf(const ConvertRequest& request) {
    return SourcePreferences{request.language, request.stillPictureSeconds};
}

std::string ExtensionFor(const ConvertRequest& request) {
    if (request.extension) return *request.extension;
    return ExtensionFromProfile(Profiles()[request.profile].displayText);
}

// What became of each file given, in the order given: the row it became, or why
// it was refused.
struct GivenFile {
    std::string path;
    int row = -1;        // the job's row, -1 when refused or never probed
    std::string reason;  // why refused ("" while not probed)
    bool listed = false;    // found in a folder given: no line when it is no media file
    std::string subfolder;  // its folder below the folder given
};

struct ProbedRows {
    std::vector<GivenFile> given;  // every file of the command line
    std::vector<TaskRow> rows;
    // Per row: where "to the end of the file" ends, in seconds with its fraction;
    // 0 when --end was given or the length is unknown.
    std::vector<double> exactEnds;
    int stopSignal = 0;  // a stop came while probing: nothing is converted
};

// The folder of `path` below `root` ("" when it is not below it).
std::string SubfolderBelow(const std::string& root, const std::string& path) {
    if (root.empty() || path.size() <= root.size() + 1 || path.compare(0, root.size(), root) != 0 ||
        path[root.size()] != '/')
        return std::string();
    const std::string below = path.substr(root.size() + 1);
    const std::size_t slash = below.rfind('/');
    return slash == std::string::npos ? std::string() : below.substr(0, slash);
}

// The folder of a file named by a relative path that stays below the current
// folder ("Season 1/01.mkv", "./Season 1/01.mkv"): each file of a tree given one
// at a time (a job per file) keeps its place under --keep-tree. "" otherwise.
std::string RelativeFolderOf(const std::string& operand) {
    const std::filesystem::path path = std::filesystem::path(operand).lexically_normal();
    if (path.empty() || path.is_absolute()) return std::string();
    for (const auto& part : path)
        if (part == "..") return std::string();
    const std::string folder = path.parent_path().string();
    return folder == "." ? std::string() : folder;
}

// The files of the command line, each folder among them replaced by its media
// files in natural order.
std::vector<GivenFile> GivenFiles(const std::vector<std::string>& operands, const ConvertRequest& request,
                                  std::ostream& err) {
    std::vector<GivenFile> given;
    folders::ListOptions options;
    options.recursive = request.recursive;
    options.unreadable = [&err](const std::string& folder, int error) { err << UnreadableFolderMessage(folder, error) << "\n"; };
    for (const std::string& operand : operands) {
        if (!folders::IsFolder(operand)) {
            const std::string subfolder =
                request.treeRoot.empty() ? RelativeFolderOf(operand) : SubfolderBelow(request.treeRoot, operand);
            given.push_back(GivenFile{operand, -1, std::string(), false, subfolder});
            continue;
        }
        const std::size_t before = given.size();
        folders::ListMediaFiles(operand, options, [&given](folders::ListedFile&& file) {
            given.push_back(GivenFile{std::move(file.path), -1, std::string(), true, std::move(file.subfolder)});
            return true;
        });
        // A folder that gives nothing still gets its line, so no operand goes unanswered.
        if (given.size() == before) given.push_back(GivenFile{operand, -1, kEmptyFolderReason, false, std::string()});
    }
    return given;
}

// Probes every file as the task list's Add does and turns the accepted ones into
// checked rows with their clip range (whole seconds, as the task list holds it).
// A stop asked for meanwhile is looked for after every file.
ProbedRows ProbeRows(std::vector<GivenFile> given, const ConvertRequest& request, CliEnvironment& env) {
    ProbedRows probed;
    probed.given = std::move(given);
    auto job = std::make_unique<AVConvert>();
    ApplySourcePreferences(SourcesOf(request), *job);  // a still's length is what the probe measures
    for (GivenFile& file : probed.given) {
        const std::string& path = file.path;
        if (!file.reason.empty()) continue;  // refused before probing
        if ((probed.stopSignal = env.stopSource->poll()) != 0) return probed;
        if (const int result = ProbeFileResult(path, *job, env); !ProbeAccepted(result, *job)) {
            file.reason = RefusalReason(path, result, *job);
            // A folder's other files (a text, a broken download) are passed over
            // quietly; with --quiet the file's result line alone says it.
            if (!file.listed && !request.quiet && !request.resultLineOnly)
                *env.err << RejectedFileMessage(path, file.reason) << "\n";
            continue;
        }
        int length = static_cast<int>(std::min<std::int64_t>(job->probeDurationSeconds, INT_MAX));
        const double exactLength = job->durationMicroseconds > 0 ? job->durationMicroseconds / 1e6 : 0.0;
        int begin = request.beginText ? ParseTime(*request.beginText) : 0;
        int end = request.endText ? ParseTime(*request.endText) : length;
        // Without --end the clip runs to the end of the file, its last fraction of a
        // second included: a file shorter than a second has something to convert.
        const bool toTheEnd = !request.endText && (begin < exactLength || (begin == 0 && exactLength <= 0));
        // A clip that ends where it begins would give an empty output reported as
        // completed; a merge reads whole files, so only conversions check it.
        if (!request.merge && end <= begin && !toTheEnd) {
            file.reason = "nothing to convert between " + FormatTime(begin) + " and " + FormatTime(end);
            if (!request.quiet) *env.err << RejectedFileMessage(path, file.reason) << "\n";
            continue;
        }
        file.row = static_cast<int>(probed.rows.size());
        probed.rows.push_back(TaskRow{path, FormatTime(begin), FormatTime(end), true, request.audioTrack,
                                      request.subtitles, request.keepTree ? file.subfolder : std::string()});
        probed.exactEnds.push_back(toTheEnd ? exactLength : 0.0);
    }
    if (probed.stopSignal == 0) probed.stopSignal = env.stopSource->poll();
    return probed;
}

// The rows' clip ends as the task list's whole seconds cut them, made exact where
// the clip runs to the end of its file.
void ExtendToExactEnds(AVConvert& job, const ProbedRows& probed) {
    for (int row = 0; row < job.fileCount && row < static_cast<int>(probed.exactEnds.size()); ++row) {
        const double end = probed.exactEnds[static_cast<std::size_t>(row)];
        if (end <= 0) continue;
        job.clipEnd[row] = end;
        job.clipLength[row] = end - job.clipBegin[row];
    }
}

// The GUI's folder check, except that an existing entry must be a folder (a plain
// file of that name would only make every row fail) and that every missing level is
// made, as mkdir -p does.
// The folder the outputs go to, made when missing; otherwise nothing and `why`.
std::optional<std::string> PrepareOutputFolder(const ConvertRequest& request, std::string& why) {
    std::error_code ec;
    std::string folder = request.outputFolder ? *request.outputFolder : std::filesystem::current_path(ec).string();
    if (ec) {
        why = "the current folder cannot be read: " + ec.message();
        return std::nullopt;
    }
    while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    const std::string named = "the output folder \"" + folder + "\" ";
    if (std::filesystem::exists(folder, ec)) {
        if (std::filesystem::is_directory(folder, ec)) return folder;
        why = named + "is a file, not a folder.";
        return std::nullopt;
    }
    std::filesystem::create_directories(folder, ec);
    if (ec || !std::filesystem::is_directory(folder, ec)) {
        why = named + "does not exist and cannot be created: " + (ec ? ec.message() : "a file is in its way") + ".";
        return std::nullopt;
    }
    return folder;
}

// A merge shows its own progress (of the whole merge) and the row it is on.
ProgressSnapshot MergeSnapshotOf(const AVConvert& job) {
    ProgressSnapshot s;
    s.fileCount = job.fileCount;
    int current = std::clamp(job.currentFile.load(std::memory_order_relaxed), 0, job.fileCount);
    s.filesDone = current;
    if (current < job.fileCount) {
        s.fileName = FileNameOf(job.sourcePaths[current]);
        s.percent = job.progressPercent.load(std::memory_order_relaxed);
    } else {
        s.percent = 100;
    }
    return s;
}

// A conversion shows the whole batch: every finished file counts 100, every running
// one its own progress; the name is the lowest running file's, with " + n more"
// while several run at once.
ProgressSnapshot BatchSnapshotOf(const AVConvert& job) {
    ProgressSnapshot s;
    s.fileCount = job.fileCount;
    if (job.fileCount <= 0) return s;
    std::vector<bool> running(static_cast<std::size_t>(job.fileCount), false);
    int runningCount = 0;
    for (const auto& slot : job.runningRows) {
        const int row = slot.load(std::memory_order_relaxed);
        if (row < 0 || row >= job.fileCount) continue;
        running[static_cast<std::size_t>(row)] = true;
        ++runningCount;
    }
    const int current = job.currentFile.load(std::memory_order_relaxed);
    int handedOut = std::min(std::max(job.rowsStarted.load(std::memory_order_relaxed), current), job.fileCount);
    // Between two rows no slot holds one: the lowest row not passed stands for them.
    int standIn = -1;
    if (runningCount == 0 && current >= 0 && current < job.fileCount) {
        standIn = current;
        running[static_cast<std::size_t>(current)] = true;
        runningCount = 1;
        handedOut = std::max(handedOut, current + 1);
    }
    long long total = 0;
    bool anything = false;
    for (int row = 0; row < handedOut; ++row) {
        if (running[static_cast<std::size_t>(row)]) {
            const int percent = row == standIn ? job.progressPercent.load(std::memory_order_relaxed)
                                               : job.rowPercent[static_cast<std::size_t>(row)].load(std::memory_order_relaxed);
            total += std::max(percent, 0);
            anything |= percent >= 0;
            if (s.fileName.empty()) s.fileName = FileNameOf(job.sourcePaths[static_cast<std::size_t>(row)]);
        } else if (job.fileState[static_cast<std::size_t>(row)].load(std::memory_order_relaxed) != kRowPending) {
            total += 100;
            anything = true;
            ++s.filesDone;
        }
    }
    if (runningCount > 1) s.fileName += " + " + std::to_string(runningCount - 1) + " more";
    s.percent = anything ? static_cast<int>(total / job.fileCount) : -1;
    return s;
}

ProgressSnapshot SnapshotOf(const AVConvert& job, bool merge, TimeLeftEstimator& estimate) {
    ProgressSnapshot s = merge ? MergeSnapshotOf(job) : BatchSnapshotOf(job);
    estimate.Update(MeasureBatch(job, merge));
    s.timeLeft = TimeLeftText(estimate.SecondsLeft(), estimate.CurrentFileSecondsLeft());
    return s;
}

void PrintMessages(MessageQueue& messages, ProgressDisplay& display) {
    for (const auto& line : messages.take()) display.message(line);
}

struct SupervisedRun {
    int stopSignal = 0;   // the first stop signal, or 0
    bool abandoned = false;  // a second one came: nothing may be finished or printed
};

// Starts the worker and polls the job like the GUI's 300 ms timer until the worker
// has passed the last row or a stop signal came; then waits for the worker, which
// finishes the outputs it is writing, unless a second signal ends it all at once.
SupervisedRun Supervise(AVConvert& job, bool merge, WorkerThread::Procedure procedure, ProgressDisplay& display,
                        MessageQueue& messages, CliEnvironment& env) {
    using Clock = std::chrono::steady_clock;
    // The display follows the poll interval; the end of the worker is looked for more
    // often, so a finished run does not sit out the rest of an interval.
    const auto slice = std::min<std::chrono::milliseconds>(env.pollInterval, kFinishCheckInterval);
    std::atomic<bool> workerDone{false};
    // Threads made from here on inherit the stop signals' block (armed before probing).
    std::thread worker([&job, &workerDone, procedure] {
        procedure(job);
        workerDone.store(true, std::memory_order_release);
    });
    SupervisedRun run;
    TimeLeftEstimator estimate;
    // The first update comes at once, so even a file converted within one interval
    // shows in the progress lines.
    auto nextUpdate = Clock::now();
    while (!workerDone.load(std::memory_order_acquire)) {
        int signal = env.stopSource->wait(slice);
        PrintMessages(messages, display);
        if (signal != 0 && run.stopSignal != 0) {
            display.clear();
            env.exitAtOnce(128 + run.stopSignal);
            run.abandoned = true;  // only a test's exitAtOnce comes back
            break;
        }
        if (signal != 0) {
            run.stopSignal = signal;
            job.stopRequested.store(true, std::memory_order_relaxed);
            display.message(merge ? "Stopping: finishing the current output..."
                                  : "Stopping: finishing the outputs being written...");
            continue;
        }
        if (run.stopSignal != 0 || job.currentFile.load(std::memory_order_relaxed) >= job.fileCount) continue;
        if (Clock::now() < nextUpdate) continue;
        nextUpdate += env.pollInterval;
        display.update(SnapshotOf(job, merge, estimate));
    }
    worker.join();
    PrintMessages(messages, display);
    display.clear();
    return run;
}

// Which planned output names were taken before a merge started.
struct PlannedOutputs {
    std::vector<std::string> paths;
    std::vector<bool> existed;
};

PlannedOutputs PlanOf(const AVConvert& job) {
    PlannedOutputs plan;
    std::error_code ec;
    for (const auto& path : job.outputPaths) {
        plan.paths.push_back(path);
        plan.existed.push_back(std::filesystem::exists(path, ec));
    }
    return plan;
}

// The file a merge wrote: the output of the first row that opened. That row's output
// path names a file that exists now and did not before (later rows only reserve a
// free name, and a row that failed to open keeps its planned name, which may be an
// older file). Without such a file, the first completed row's path.
std::string MergedOutputPath(const AVConvert& job, const PlannedOutputs& plan) {
    std::error_code ec;
    for (int i = 0; i < job.fileCount && i < static_cast<int>(plan.paths.size()); ++i) {
        if (job.fileState[i].load(std::memory_order_relaxed) == kRowPending) continue;
        const std::string& path = job.outputPaths[i];
        const bool older = plan.existed[i] && path == plan.paths[i];
        if (!older && std::filesystem::is_regular_file(path, ec)) return path;
    }
    for (int i = 0; i < job.fileCount; ++i)
        if (job.fileState[i].load(std::memory_order_relaxed) == kRowCompleted) return job.outputPaths[i];
    return std::string();
}

// Result records: fields joined by TAB, names escaped, one line each; or with --null
// every field ended by a NUL byte and names as the file system has them.
class ResultWriter {
public:
    ResultWriter(std::ostream& out, bool nullSeparated) : m_out(out), m_null(nullSeparated) {}
    void record(std::string_view status, const std::string& source, const std::string& output) {
        const char separator = m_null ? '\0' : '\t';
        m_out << status << separator << name(source) << separator << name(output) << (m_null ? '\0' : '\n');
    }

private:
    std::string name(const std::string& text) const { return m_null ? text : EscapeName(text); }
    std::ostream& m_out;
    bool m_null;
};

// What the rows kept of their sources, and why not more, one line per row with a note.
void PrintNotes(const AVConvert& job, std::ostream& err) {
    for (int i = 0; i < job.fileCount; ++i)
        if (const std::string note = job.rowNote(i); !note.empty())
            err << FileNameOf(job.sourcePaths[i]) << ": " << note << "\n";
}

// Why a file given is not converted when a stop came before it wrote anything:
// before its turn, or during the measuring pass of a target size.
constexpr const char* kSkippedReason = "not converted: the run was stopped before its output was written";

// One record per file given, in the order given: the result of its row, or why
// it was refused; a row a stop cut short (the worker marks it so, and keeps its
// shorter output) is "Stopped", and files a stop left untouched are "Skipped".
// Returns whether every file completed.
bool PrintResults(const ProbedRows& probed, const AVConvert* job, const PlannedOutputs* plan, bool merge,
                  bool stopped, ResultWriter& out) {
    bool allCompleted = true;
    const std::string merged = merge && job && plan ? MergedOutputPath(*job, *plan) : std::string();
    for (const GivenFile& file : probed.given) {
        if (file.row < 0 && file.listed && !file.reason.empty()) continue;  // no media file, passed over
        if (file.row < 0 || !job || file.row >= job->fileCount) {
            allCompleted = false;
            if (!file.reason.empty()) out.record("Failure", file.path, file.reason);
            else out.record("Skipped", file.path, kSkippedReason);
            continue;
        }
        const int i = file.row;
        auto state = job->fileState[i].load(std::memory_order_acquire);
        const std::string& output = merge ? merged : job->outputPaths[i];
        if (state == kRowCompleted) {
            out.record("Completed", job->sourcePaths[i], output);
            continue;
        }
        if (state == kRowDoneBefore) {  // an earlier run's complete output
            out.record("Skipped", job->sourcePaths[i], output);
            continue;
        }
        allCompleted = false;
        if (state == kRowStopped) {  // its shorter output was kept
            out.record("Stopped", job->sourcePaths[i], output);
            continue;
        }
        if (state == kRowPending && stopped) {
            out.record("Skipped", job->sourcePaths[i], kSkippedReason);
            continue;
        }
        // Every failure record has its three fields, so NUL-separated readers can count them.
        std::string reason = state == kRowFailed ? job->failureReason(i) : std::string();
        if (reason.empty()) reason = "The file could not be converted";
        out.record("Failure", job->sourcePaths[i], reason);
    }
    return allCompleted;
}

// The refusals that come before any conversion, each file with its line; the files
// accepted get `reason`, or the "Skipped" line when it is empty.
int PrintRefusals(ProbedRows& probed, const std::string& reason, int status, CliEnvironment& env,
                  bool nullSeparated) {
    for (GivenFile& file : probed.given)
        if (file.row >= 0) {
            file.row = -1;
            file.reason = reason;
        }
    ResultWriter results(*env.out, nullSeparated);
    PrintResults(probed, nullptr, nullptr, false, false, results);
    env.out->flush();
    return status;
}

// The option a refused setting is given with.
const char* OptionOf(SettingName setting) {
    switch (setting) {
    case SettingName::PictureSize: return "--size";
    case SettingName::FrameRate: return "--frame-rate";
    case SettingName::VideoBitRate: return "--video-bitrate";
    case SettingName::SampleRate: return "--sample-rate";
    case SettingName::Channels: return "--channels";
    case SettingName::AudioBitRate: return "--audio-bitrate";
    }
    return "--profile";
}

// The value of a refused setting as its option spells it.
std::string ValueText(SettingName setting, const OutputSettings& s) {
    auto kbps = [](int bitRate) {
        std::string text = std::to_string(bitRate / 1000);
        if (bitRate % 1000) {  // appended in two steps: GCC 12 at -O2 warns (falsely) on "." + string
            text += '.';
            text += std::to_string(bitRate % 1000 / 10 + 100).substr(1);
        }
        return text + " kbps";
    };
    switch (setting) {
    case SettingName::PictureSize: return std::to_string(s.width) + "*" + std::to_string(s.height);
    case SettingName::FrameRate: return s.frameRateText;
    case SettingName::VideoBitRate: return kbps(s.videoBitRate);
    case SettingName::SampleRate: return std::to_string(s.sampleRate) + " Hz";
    case SettingName::Channels:
        return s.channels == 1 ? "1 Channel Mono" : s.channels == 2 ? "2 Channel Stereo" : s.channels == 6 ? "5.1 Channel" : std::to_string(s.channels) + " channels";
    case SettingName::AudioBitRate: return kbps(s.audioBitRate);
    }
    return std::string();
}

// A value the encoders would refuse, named with its option and what is taken
// instead; "" when the settings can be converted.
std::string SettingsProblem(const ConvertRequest& request, const OutputSettings& settings) {
    const std::optional<SettingRefusal> refusal = CheckEncoderSettings(settings);
    if (!refusal) return std::string();
    std::string text = std::string(OptionOf(refusal->setting)) + ": " + refusal->accepted + ", not \"" +
                       ValueText(refusal->setting, settings) + "\"";
    const SettingOverrides& o = request.overrides;
    const bool given = (refusal->setting == SettingName::PictureSize && o.width) ||
                       (refusal->setting == SettingName::FrameRate && o.frameRateText) ||
                       (refusal->setting == SettingName::VideoBitRate && o.videoBitRate) ||
                       (refusal->setting == SettingName::SampleRate && o.sampleRate) ||
                       (refusal->setting == SettingName::Channels && o.channels) ||
                       (refusal->setting == SettingName::AudioBitRate && o.audioBitRate);
    if (!given) text += " (the profile's, which the encoder chosen does not take)";
    return text;
}

// The container chosen cannot hold the streams: named with --extension (or the
// profile, whose container it is).
std::string ContainerProblem(const ConvertRequest& request, const OutputSettings& settings) {
    const std::string extension = ExtensionFor(request);
    const std::string refusal = ContainerRefusal(settings, extension);
    if (refusal.empty()) return std::string();
    return std::string(request.extension ? "--extension: " : "--profile: ") + refusal;
}

// A video bit rate given by hand is the person's to choose: it is converted, but
// held against the same limits a target size must keep, so its pictures' fate is
// known before the run. "" when it is within them.
std::string VideoBitRateWarning(const OutputSettings& settings) {
    const VideoRateLimits limits = VideoRateLimitsFor(settings);
    const auto kbps = [](double rate) { return std::to_string(std::llround(rate / 1000)) + " kbps"; };
    const std::string rate = "The video bit rate of " + kbps(settings.videoBitRate);
    if (settings.videoBitRate < limits.lowest)
        return rate + " is below the " + kbps(limits.lowest) + " pictures of " + std::to_string(settings.width) + "*" +
               std::to_string(settings.height) + " need in " + settings.videoEncoder + ": expect blocks in motion.\n";
    if (limits.highest > 0 && settings.videoBitRate > limits.highest)
        return rate + " is above the " + kbps(limits.highest) + " " + limits.device + " plays.\n";
    return std::string();
}

}  // namespace

int RunConvert(const CommandLine& command, CliEnvironment& env) {
    const ConvertRequest& request = command.convert;
    std::vector<GivenFile> given = GivenFiles(command.files, request, *env.err);
    if (given.size() > static_cast<std::size_t>(kMaxFiles)) {
        *env.err << "korbanix-cli: " << given.size()
                 << " files given; at most 9,999 files can be converted in one run.\n";
        return kExitUsage;
    }
    if (given.empty()) {
        *env.err << kNoMediaInFolders << "\n";
        return kExitFailed;
    }
    if (request.merge && given.size() < 2) {
        *env.err << "korbanix-cli: " << kMergeMessage << "\n";
        return kExitUsage;
    }
    // Every value is checked against what its encoder takes before anything starts.
    const OutputSettings settings = SettingsFor(request);
    std::string problem = SettingsProblem(request, settings);
    if (problem.empty()) problem = ContainerProblem(request, settings);
    if (!problem.empty()) {
        *env.err << "korbanix-cli: " << problem << "\n"
                 << "Try 'korbanix-cli --help' for more information.\n";
        return kExitUsage;
    }
    // From here on a stop signal waits for us instead of ending the process, so one
    // sent while the files are probed is seen too.
    env.stopSource->arm();
    ProbedRows probed = ProbeRows(std::move(given), request, env);
    if (probed.stopSignal != 0) {
        PrintRefusals(probed, "", 128 + probed.stopSignal, env, request.nullSeparated);
        *env.err << "Stopped.\n";
        return 128 + probed.stopSignal;
    }
    if (probed.rows.empty()) {
        // Only folders' files, none of them media: without this nothing at all is said.
        if (std::all_of(probed.given.begin(), probed.given.end(), [](const GivenFile& file) { return file.listed; }))
            *env.err << kNoMediaInFolders << "\n";
        return PrintRefusals(probed, "", kExitFailed, env, request.nullSeparated);
    }
    if (request.merge && probed.rows.size() < 2) {
        *env.err << "korbanix-cli: " << kMergeMessage << "\n";
        return PrintRefusals(probed, kMergeMessage, kExitFailed, env, request.nullSeparated);
    }
    // A target size the profile cannot meet for these files' lengths is refused
    // with the reason, as the window refuses it.
    if (const std::string refusal = TargetSizeRefusal(probed.rows, request.merge ? JobKind::Merge : JobKind::Convert,
                                                      settings, ExtensionFor(request));
        !refusal.empty()) {
        *env.err << "korbanix-cli: --target-size: " << refusal << "\n";
        return kExitUsage;
    }
    // A FAT32 volume takes no file of 4 GiB or more: refused now rather than hours
    // later when a write hits the limit, as the window does.
    if (request.sizeCheck) {
        const std::string refusal =
            Fat32RefusalFor(probed.rows, request.merge ? JobKind::Merge : JobKind::Convert, settings,
                            request.outputFolder.value_or("."), env.mountTable, ExtensionFor(request));
        if (!refusal.empty()) {
            *env.err << refusal << "\n(--no-size-check converts anyway.)\n";
            return kExitUsage;
        }
    }

    std::string folderRefusal;
    auto folder = PrepareOutputFolder(request, folderRefusal);
    if (!folder) {
        *env.err << "korbanix-cli: " << folderRefusal << kFolderMessage << "\n";
        return kExitUsage;
    }

    auto job = std::make_unique<AVConvert>();
    MessageQueue messages;
    FillJob(*job, probed.rows, settings, *folder, ExtensionFor(request),
            request.merge ? JobKind::Merge : JobKind::Convert);
    ApplySourcePreferences(SourcesOf(request), *job);
    if (!request.merge) ExtendToExactEnds(*job, probed);
    const std::optional<double> askedRate = FrameRateFromText(settings.frameRateText);
    if (job->encodeVideo && askedRate && job->outputFrameRate != *askedRate && !request.quiet)
        *env.err << "The device plays " << settings.width << "*" << settings.height << " H.264 up to level "
                 << job->h264LevelCap / 10 << "." << job->h264LevelCap % 10 << ": converting at "
                 << job->outputFrameRate << " fps instead of " << settings.frameRateText << ".\n";
    if (request.overrides.videoBitRate && job->encodeVideo && !request.quiet)
        *env.err << VideoBitRateWarning(settings);
    job->previewOff.store(true, std::memory_order_relaxed);  // nobody watches: skip the preview scaling
    job->jpegError = [&messages](const std::string& message) { messages.push("JPEG Error: " + message); };

    const PlannedOutputs plan = PlanOf(*job);
    ProgressDisplay display(env, request.quiet);
    job->parallelRows = request.jobs;  // Convert only: a merge joins one file at a time
    job->skipDone = request.skipDone && !request.merge;
    WorkerThread::Procedure worker = request.merge ? env.mergeWorker : env.transcodeWorker;
    SupervisedRun run;
    try {
        run = Supervise(*job, request.merge, worker, display, messages, env);
    } catch (const std::system_error& error) {
        // No thread to be had (ulimit -u, a full process table): nothing started.
        const std::string reason = "the conversion could not start: " + error.code().message();
        *env.err << "korbanix-cli: " << reason << "\n";
        return PrintRefusals(probed, reason, kExitFailed, env, request.nullSeparated);
    }
    if (run.abandoned) return 128 + run.stopSignal;
    ResultWriter results(*env.out, request.nullSeparated);
    bool allCompleted = PrintResults(probed, job.get(), &plan, request.merge, run.stopSignal != 0, results);
    env.out->flush();
    if (!request.quiet) PrintNotes(*job, *env.err);
    if (run.stopSignal != 0) {
        *env.err << "Stopped.\n";
        return 128 + run.stopSignal;
    }
    return allCompleted ? kExitOk : kExitFailed;
}

}  // namespace cli
