// The command-line run loop driven with a fake probe, fake workers and a fake stop
// source: what reaches the job, the result lines, messages and exit statuses.
#include "cli/CliOptions.h"
#include "cli/CliRun.h"
#include "cli/ProgressText.h"
#include "engine/AVConvert.h"
#include "engine/CodecMap.h"
#include "packaging/Version.h"
#include "profiles/TargetSizeRules.h"
#include "tests/support/MediaFixture.h"

#include <gtest/gtest.h>

extern "C" {
#include <libavutil/log.h>
}

#include <chrono>
#include <csignal>
#include <fstream>
#include <sstream>
#include <thread>

using namespace cli;

namespace {

// What a fake worker saw of the job when it started.
struct SeenJob {
    std::int64_t targetSizeBytes = 0;
    bool ran = false;
    bool merge = false;
    int fileCount = 0;
    std::vector<std::string> sources, outputs;
    std::vector<double> clipBegin, clipEnd, clipLength;
    int mergeTotalSeconds = 0;
    int videoCodecId = 0, audioCodecId = 0, videoBitRate = 0, audioBitRate = 0;
    int width = 0, height = 0, sampleRate = 0, channels = 0, thumbnailMode = 0;
    double frameRate = 0;
    bool encodeVideo = false, previewOff = false;
    int currentFileAtStart = 0;
    int parallelRows = -1;
};
SeenJob g_seen;
int g_probeCalls = 0;
bool g_stopSeen = false;

int FakeProbe(AVConvert& job) {
    ++g_probeCalls;
    const std::string& path = job.probePath;
    if (path.find("bad") != std::string::npos) return -1;
    bool shortFile = path.find("short") != std::string::npos;
    bool fraction = path.find("fraction") != std::string::npos;
    job.durationMicroseconds = shortFile ? 400000 : fraction ? 10'500'000 : 10'000'000;
    job.probeStartSeconds = 0;
    job.probeDurationSeconds = job.durationMicroseconds / 1000000;
    // Like the real probe, a file without video leaves the frame-rate fields alone.
    if (path.find("audio") == std::string::npos) {
        job.sourceWidth = 320;
        job.sourceHeight = 240;
        job.sourceRateNum = 25;
        job.sourceRateDen = 1;
        job.sourceFrameRate = 25;
        job.videoCodecId = 27;
        job.videoCodecName = "h264";
    }
    job.audioCodecName = "aac";
    job.audioChannels = 2;
    job.audioSampleRate = 44100;
    return 0;
}

void Record(AVConvert& job, bool merge) {
    g_seen = SeenJob{};
    g_seen.ran = true;
    g_seen.merge = merge;
    g_seen.fileCount = job.fileCount;
    g_seen.sources = job.sourcePaths;
    g_seen.outputs = job.outputPaths;
    for (int i = 0; i < job.fileCount; ++i) {
        g_seen.clipBegin.push_back(job.clipBegin[i]);
        g_seen.clipEnd.push_back(job.clipEnd[i]);
        g_seen.clipLength.push_back(job.clipLength[i]);
    }
    g_seen.mergeTotalSeconds = job.mergeTotalSeconds;
    g_seen.videoCodecId = job.videoCodecId;
    g_seen.audioCodecId = job.audioCodecId;
    g_seen.videoBitRate = job.videoBitRate;
    g_seen.audioBitRate = job.audioBitRate;
    g_seen.width = job.outputWidth;
    g_seen.height = job.outputHeight;
    g_seen.sampleRate = job.audioSampleRate;
    g_seen.channels = job.audioChannels;
    g_seen.thumbnailMode = job.thumbnailMode;
    g_seen.frameRate = job.outputFrameRate;
    g_seen.encodeVideo = job.encodeVideo;
    g_seen.previewOff = job.previewOff.load();
    g_seen.currentFileAtStart = job.currentFile.load();
    g_seen.parallelRows = job.parallelRows;
    g_seen.targetSizeBytes = job.targetSizeBytes;
}

bool g_exitedAtOnce = false;
int g_exitStatus = 0;
void FakeExitAtOnce(int status) {
    g_exitStatus = status;
    g_exitedAtOnce = true;
}

// Rows whose source names "fail" fail, "jpeg" rows report a libjpeg error, "slow"
// rows open their output, take a while and stop when asked (marking the row stopped,
// as the workers do with a row cut short), "idle" rows wait for the stop without
// writing anything (the row stays pending), "stubborn" rows ignore the stop until the
// process is ended at once. A merge's first row makes the merged file.
void FakeWorker(AVConvert& job, bool merge) {
    Record(job, merge);
    job.resetRowStates();
    for (int i = 0; i < job.fileCount; ++i) {
        job.currentFile.store(i);
        if (job.stopRequested.load()) return;
        const std::string& src = job.sourcePaths[i];
        if (src.find("jpeg") != std::string::npos && job.jpegError) job.jpegError("Bogus marker length");
        while (src.find("stubborn") != std::string::npos && !g_exitedAtOnce)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        if (src.find("idle") != std::string::npos) {
            while (!job.stopRequested.load()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
            g_stopSeen = true;
            return;
        }
        if (src.find("slow") != std::string::npos) {
            std::ofstream(job.outputPaths[i]) << "part";
            for (int p = 0; p <= 100 && !job.stopRequested.load(); p += 5) {
                job.progressPercent.store(p);
                std::this_thread::sleep_for(std::chrono::milliseconds(4));
            }
            if (job.stopRequested.load()) {
                g_stopSeen = true;
                job.fileState[i].store(kRowStopped);
                return;
            }
        }
        if (merge && i > 0) job.outputPaths[i] += ".unused";
        if (i < static_cast<int>(job.refusedRows.size()) && !job.refusedRows[i].empty()) {
            job.failRow(i, job.refusedRows[i]);  // as the worker fails a refused row
        } else if (src.find("fail") != std::string::npos) {
            job.failRow(i, "Cannot create the output: Permission denied");
        } else {
            if (merge && i == 0) std::ofstream(job.outputPaths[i], std::ios::app) << "merged";
            job.fileState[i].store(kRowCompleted);
        }
        job.progressPercent.store(100);
    }
    job.currentFile.store(job.fileCount);
}
void FakeTranscode(AVConvert& job) { FakeWorker(job, false); }

// Two rows at once, the second finishing first, as the row scheduler reports them.
void FakeBatch(AVConvert& job) {
    Record(job, false);
    job.resetRowStates();
    job.currentFile.store(0);
    job.rowsStarted.store(2);
    job.runningRows[0].store(1);
    job.runningRows[1].store(0);
    // Each stage lasts many polls of the display.
    job.rowPercent[0].store(30);
    job.rowPercent[1].store(30);
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    job.rowPercent[0].store(60);
    job.runningRows[0].store(-1);
    job.fileState[1].store(kRowCompleted);  // row 0 still runs
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    job.fileState[0].store(kRowCompleted);
    job.runningRows[1].store(-1);
    job.currentFile.store(job.fileCount);
}
void FakeMerge(AVConvert& job) { FakeWorker(job, true); }

// Signals at chosen waits (the polling loop) and polls (between probes).
class FakeStop : public StopSource {
public:
    explicit FakeStop(int signalAtWait = 0, int signalAtPoll = 0, int againAtWait = 0)
        : m_signalAtWait(signalAtWait), m_signalAtPoll(signalAtPoll), m_againAtWait(againAtWait) {}
    void arm() override { armed = true; }
    int wait(std::chrono::milliseconds timeout) override {
        std::this_thread::sleep_for(timeout);
        ++waits;
        return waits == m_signalAtWait || waits == m_againAtWait ? SIGINT : 0;
    }
    int poll() override { return armed && ++polls == m_signalAtPoll ? SIGTERM : 0; }
    bool armed = false;
    int waits = 0;
    int polls = 0;

private:
    int m_signalAtWait;
    int m_signalAtPoll;
    int m_againAtWait;
};

class CliRun : public ::testing::Test {
protected:
    void SetUp() override {
        g_seen = SeenJob{};
        g_probeCalls = 0;
        g_stopSeen = false;
        g_exitedAtOnce = false;
        g_exitStatus = 0;
    }

    int run(std::vector<std::string> args) {
        out.str("");
        err.str("");
        CliEnvironment env;
        env.out = &out;
        env.err = &err;
        env.errIsTerminal = terminal;
        env.terminalColumns = 60;
        env.pollInterval = std::chrono::milliseconds(2);
        env.stopSource = &stop;
        env.probe = &FakeProbe;
        env.transcodeWorker = transcode;
        env.mergeWorker = &FakeMerge;
        env.exitAtOnce = &FakeExitAtOnce;
        if (!mountTable.empty()) env.mountTable = mountTable;
        return RunCli(args, env);
    }

    std::string folder() const { return dir.file("out"); }

    testmedia::TempDir dir;
    std::ostringstream out, err;
    bool terminal = false;
    std::string mountTable;  // empty: the process's own
    FakeStop stop;
    WorkerThread::Procedure transcode = &FakeTranscode;
};

}  // namespace

TEST_F(CliRun, ConvertFillsTheJobFromTheProfileAndTheProbedRows) {
    int status = run({"convert", "--quiet", "--profile", "9", "--output", folder(), "--end", "00:00:05",
                      "/media/holiday.2010.avi", "clip"});
    EXPECT_EQ(status, kExitOk) << err.str();
    ASSERT_TRUE(g_seen.ran);
    EXPECT_FALSE(g_seen.merge);
    EXPECT_TRUE(std::filesystem::is_directory(folder()));
    ASSERT_EQ(g_seen.fileCount, 2);
    EXPECT_EQ(g_seen.outputs[0], folder() + "/holiday.2010.mp4");
    EXPECT_EQ(g_seen.outputs[1], folder() + "/clip.mp4");  // a name without "." keeps it whole
    EXPECT_EQ(g_seen.clipBegin[0], 0.0);
    EXPECT_EQ(g_seen.clipEnd[0], 5.0);
    EXPECT_EQ(g_seen.clipLength[0], 5.0);
    EXPECT_EQ(g_seen.videoCodecId, codecmap::kVideoH264);
    EXPECT_EQ(g_seen.audioCodecId, codecmap::kAudioAac);
    EXPECT_EQ(g_seen.width, 480);
    EXPECT_EQ(g_seen.height, 272);
    EXPECT_DOUBLE_EQ(g_seen.frameRate, 29.97);
    EXPECT_EQ(g_seen.videoBitRate, 768000);
    EXPECT_EQ(g_seen.audioBitRate, 128000);
    EXPECT_EQ(g_seen.sampleRate, 48000);
    EXPECT_EQ(g_seen.channels, 2);
    EXPECT_EQ(g_seen.thumbnailMode, 1);
    EXPECT_TRUE(g_seen.encodeVideo);
    EXPECT_TRUE(g_seen.previewOff);
    EXPECT_EQ(g_seen.currentFileAtStart, -1);
    EXPECT_TRUE(stop.armed);
    EXPECT_EQ(out.str(), "Completed\t/media/holiday.2010.avi\t" + folder() + "/holiday.2010.mp4\n" +
                             "Completed\tclip\t" + folder() + "/clip.mp4\n");
    EXPECT_EQ(err.str(), "");  // --quiet
}

TEST_F(CliRun, WithoutEndTheClipRunsToTheProbedLength) {
    ASSERT_EQ(run({"convert", "--quiet", "--begin", "00:00:03", "--output", folder(), "a.mkv"}), kExitOk);
    EXPECT_EQ(g_seen.clipBegin[0], 3.0);
    EXPECT_EQ(g_seen.clipEnd[0], 10.0);
    EXPECT_EQ(g_seen.clipLength[0], 7.0);
}

TEST_F(CliRun, OverridesReachTheJob) {
    ASSERT_EQ(run({"convert", "--quiet", "--output", folder(), "--video-encoder", "MPEG4", "--audio-encoder", "MP3",
                   "--size", "320*240", "--frame-rate", "25.0 fps", "--video-bitrate", "300 kbps", "--audio-bitrate",
                   "32 kbps", "--sample-rate", "22050 Hz", "--channels", "1 Channel Mono", "--extension", ".avi",
                   "a.mkv"}),
              kExitOk);
    EXPECT_EQ(g_seen.videoCodecId, codecmap::kVideoMpeg4);
    EXPECT_EQ(g_seen.audioCodecId, codecmap::kAudioMp3);
    EXPECT_EQ(g_seen.width, 320);
    EXPECT_EQ(g_seen.height, 240);
    EXPECT_DOUBLE_EQ(g_seen.frameRate, 25.0);
    EXPECT_EQ(g_seen.videoBitRate, 300000);
    EXPECT_EQ(g_seen.audioBitRate, 32000);
    EXPECT_EQ(g_seen.sampleRate, 22050);
    EXPECT_EQ(g_seen.channels, 1);
    EXPECT_EQ(g_seen.outputs[0], folder() + "/a.avi");
}

TEST_F(CliRun, AudioProfilesWriteNoVideoAndNoThumbnail) {
    ASSERT_EQ(run({"convert", "--quiet", "--profile", "14", "--output", folder(), "a.mkv"}), kExitOk);
    EXPECT_FALSE(g_seen.encodeVideo);
    EXPECT_EQ(g_seen.thumbnailMode, -1);
    EXPECT_EQ(g_seen.audioCodecId, codecmap::kAudioMp3);
    EXPECT_EQ(g_seen.sampleRate, 44100);
    EXPECT_EQ(g_seen.outputs[0], folder() + "/a.mp3");
}

TEST_F(CliRun, RejectedAndFailedFilesMakeStatusOne) {
    int status = run({"convert", "--quiet", "--output", folder(), "/x/bad.mkv", "ok.mkv", "fail.mkv"});
    EXPECT_EQ(status, kExitFailed);
    EXPECT_EQ(err.str(), "") << "--quiet: the result line says why";
    ASSERT_EQ(g_seen.fileCount, 2);  // the rejected file is not a row
    // One line per file in the order given, the refused one with the system's reason.
    EXPECT_EQ(out.str(), "Failure\t/x/bad.mkv\tNo such file or directory\nCompleted\tok.mkv\t" + folder() +
                             "/ok.mp4\nFailure\tfail.mkv\tCannot create the output: Permission denied\n");
    // A rejected file alone is enough: the run did not do all it was asked to.
    EXPECT_EQ(run({"convert", "--quiet", "--output", folder(), "/x/bad.mkv", "ok.mkv"}), kExitFailed);
}

TEST_F(CliRun, NothingValidRunsNoWorker) {
    EXPECT_EQ(run({"convert", "--output", folder(), "bad1.mkv", "bad2.mkv"}), kExitFailed);
    EXPECT_FALSE(g_seen.ran);
    EXPECT_FALSE(std::filesystem::exists(folder()));  // nothing to write, no folder made
    EXPECT_EQ(out.str(), "Failure\tbad1.mkv\tNo such file or directory\nFailure\tbad2.mkv\tNo such file or directory\n");
}

TEST_F(CliRun, AnEmptyClipIsRefusedInsteadOfWritingAnEmptyFile) {
    EXPECT_EQ(run({"convert", "--output", folder(), "--end", "00:00:00", "short.mkv", "long.mkv"}), kExitFailed);
    EXPECT_NE(err.str().find("korbanix-cli: short.mkv: nothing to convert between 00:00:00 and 00:00:00\n"),
              std::string::npos)
        << err.str();
    EXPECT_FALSE(g_seen.ran);  // --end 00:00:00 leaves nothing of either file
    EXPECT_EQ(run({"convert", "--output", folder(), "--begin", "00:00:20", "long.mkv"}), kExitFailed);
    EXPECT_NE(err.str().find("between 00:00:20 and 00:00:10"), std::string::npos) << err.str();
    EXPECT_EQ(run({"convert", "--quiet", "--output", folder(), "--begin", "00:00:10", "long.mkv"}), kExitFailed);
}

TEST_F(CliRun, WithoutEndShortFilesAndLastFractionsRunToTheEndOfTheSource) {
    ASSERT_EQ(run({"convert", "--quiet", "--output", folder(), "short.mkv", "fraction.mkv"}), kExitOk) << err.str();
    ASSERT_EQ(g_seen.fileCount, 2);
    EXPECT_DOUBLE_EQ(g_seen.clipEnd[0], 0.4);
    EXPECT_DOUBLE_EQ(g_seen.clipLength[0], 0.4);
    EXPECT_DOUBLE_EQ(g_seen.clipEnd[1], 10.5);
    // The last half second after --begin is a clip of its own.
    ASSERT_EQ(run({"convert", "--quiet", "--output", folder(), "--begin", "00:00:10", "fraction.mkv"}), kExitOk)
        << err.str();
    EXPECT_DOUBLE_EQ(g_seen.clipBegin[0], 10.0);
    EXPECT_DOUBLE_EQ(g_seen.clipLength[0], 0.5);
    // An --end given is taken as it is.
    ASSERT_EQ(run({"convert", "--quiet", "--output", folder(), "--end", "00:00:04", "fraction.mkv"}), kExitOk);
    EXPECT_DOUBLE_EQ(g_seen.clipLength[0], 4.0);
}

TEST_F(CliRun, MoreThan9999FilesAreRefusedBeforeProbing) {
    std::vector<std::string> args{"convert"};
    for (int i = 0; i < 10000; ++i) args.push_back("f" + std::to_string(i) + ".mkv");
    EXPECT_EQ(run(args), kExitUsage);
    EXPECT_NE(err.str().find("at most 9,999 files"), std::string::npos);
    EXPECT_EQ(g_probeCalls, 0);
}

TEST_F(CliRun, OutputFolderThatCannotBeMadeGetsTheFolderMessage) {
    const std::string tail = " Please specify a different folder!\n";
    std::ofstream(dir.file("plainfile")) << "x";
    EXPECT_EQ(run({"convert", "--output", dir.file("plainfile/below"), "a.mkv"}), kExitUsage);
    EXPECT_EQ(err.str(), "korbanix-cli: the output folder \"" + dir.file("plainfile/below") +
                             "\" does not exist and cannot be created: Not a directory." + tail);
    err.str("");
    EXPECT_EQ(run({"convert", "--output", dir.file("plainfile"), "a.mkv"}), kExitUsage);
    EXPECT_EQ(err.str(), "korbanix-cli: the output folder \"" + dir.file("plainfile") + "\" is a file, not a folder." + tail);
    EXPECT_FALSE(g_seen.ran);
    // A trailing slash is not doubled in the output names.
    EXPECT_EQ(run({"convert", "--quiet", "--output", folder() + "/", "a.mkv"}), kExitOk);
    EXPECT_EQ(g_seen.outputs[0], folder() + "/a.mp4");
    // Every missing level is made.
    EXPECT_EQ(run({"convert", "--quiet", "--output", dir.file("no/such/level"), "a.mkv"}), kExitOk) << err.str();
    EXPECT_TRUE(std::filesystem::is_directory(dir.file("no/such/level")));
}

TEST_F(CliRun, MergeNeedsTwoFiles) {
    const std::string message = "korbanix-cli: Merge is effective when two or more files are chosen!\n";
    EXPECT_EQ(run({"convert", "--merge", "--output", folder(), "a.mkv"}), kExitUsage);
    EXPECT_EQ(err.str(), message);
    EXPECT_EQ(g_probeCalls, 0);
    EXPECT_EQ(run({"convert", "--merge", "--output", folder(), "a.mkv", "bad.mkv"}), kExitFailed);
    EXPECT_NE(err.str().find(message), std::string::npos);
    EXPECT_FALSE(g_seen.ran);
}

TEST_F(CliRun, MergeSumsTheLengthsAndReportsTheMergedOutputForEveryRow) {
    ASSERT_EQ(run({"convert", "--merge", "--quiet", "--output", folder(), "a.mkv", "b.mkv", "short.mkv"}), kExitOk)
        << err.str();
    EXPECT_TRUE(g_seen.merge);
    EXPECT_EQ(g_seen.mergeTotalSeconds, 20);  // 10 + 10 + 0 whole seconds
    const std::string merged = folder() + "/a.mp4";
    EXPECT_EQ(out.str(), "Completed\ta.mkv\t" + merged + "\nCompleted\tb.mkv\t" + merged + "\nCompleted\tshort.mkv\t" +
                             merged + "\n");
}

TEST_F(CliRun, StopSignalFinishesTheCurrentOutputAndExits130) {
    stop = FakeStop(3);
    int status = run({"convert", "--quiet", "--output", folder(), "a.mkv", "slow.mkv", "c.mkv"});
    EXPECT_EQ(status, kExitInterrupted);
    EXPECT_TRUE(g_stopSeen);
    // The finished row is reported, the stopped one with the shorter output it left,
    // the untouched one as skipped.
    EXPECT_EQ(out.str(), "Completed\ta.mkv\t" + folder() + "/a.mp4\nStopped\tslow.mkv\t" + folder() +
                             "/slow.mp4\nSkipped\tc.mkv\tnot converted: the run was stopped before its output was written\n");
    EXPECT_NE(err.str().find("Stopping"), std::string::npos);
    EXPECT_FALSE(g_exitedAtOnce);
}

TEST_F(CliRun, StopInAMergeReportsOnlyTheRowsInTheOutput) {
    // The row the stop came on had put nothing into the merged file: skipped.
    stop = FakeStop(3);
    EXPECT_EQ(run({"convert", "--merge", "--quiet", "--output", folder(), "a.mkv", "idle.mkv", "c.mkv"}),
              kExitInterrupted);
    EXPECT_TRUE(g_stopSeen);
    EXPECT_EQ(out.str(), "Completed\ta.mkv\t" + folder() + "/a.mp4\nSkipped\tidle.mkv\tnot converted: the run was stopped before its output was written\nSkipped\tc.mkv\tnot converted: the run was stopped before its output was written\n");
    // A row cut short in the merged file is reported with it.
    stop = FakeStop(3);
    EXPECT_EQ(run({"convert", "--merge", "--quiet", "--output", folder(), "slow.mkv", "c.mkv"}), kExitInterrupted);
    EXPECT_EQ(out.str(), "Stopped\tslow.mkv\t" + folder() + "/slow.mp4\nSkipped\tc.mkv\tnot converted: the run was stopped before its output was written\n");
}

TEST_F(CliRun, StopWhileProbingConvertsNothing) {
    stop = FakeStop(0, 2);
    EXPECT_EQ(run({"convert", "--quiet", "--output", folder(), "a.mkv", "b.mkv", "c.mkv"}), 128 + SIGTERM);
    EXPECT_TRUE(stop.armed);
    EXPECT_EQ(g_probeCalls, 1);
    EXPECT_FALSE(g_seen.ran);
    EXPECT_FALSE(std::filesystem::exists(folder()));
    EXPECT_EQ(out.str(), "Skipped\ta.mkv\tnot converted: the run was stopped before its output was written\nSkipped\tb.mkv\tnot converted: the run was stopped before its output was written\nSkipped\tc.mkv\tnot converted: the run was stopped before its output was written\n");
    EXPECT_EQ(err.str(), "Stopped.\n");
}

TEST_F(CliRun, ASecondStopSignalEndsAtOnceAndPrintsNothing) {
    stop = FakeStop(2, 0, 3);
    int status = run({"convert", "--quiet", "--output", folder(), "a.mkv", "stubborn.mkv"});
    EXPECT_TRUE(g_exitedAtOnce);
    EXPECT_EQ(g_exitStatus, kExitInterrupted);
    EXPECT_EQ(status, kExitInterrupted);
    EXPECT_EQ(out.str(), "");  // no result is claimed for anything
}

TEST_F(CliRun, NamesInResultsAreEscapedOrNulSeparated) {
    const std::string forged = "x.mkv\nCompleted\tev\\il\x01\x7F.mkv";
    ASSERT_EQ(run({"convert", "--quiet", "--output", folder(), forged, "fail.mkv"}), kExitFailed);
    EXPECT_EQ(out.str(), "Completed\tx.mkv\\nCompleted\\tev\\\\il\\x01\\x7F.mkv\t" + folder() +
                             "/x.mkv\\nCompleted\\tev\\\\il\\x01\\x7F.mp4\nFailure\tfail.mkv\tCannot create the output: Permission denied\n");
    ASSERT_EQ(run({"convert", "--quiet", "--null", "--output", folder(), forged, "fail.mkv"}), kExitFailed);
    using namespace std::string_literals;
    EXPECT_EQ(out.str(), "Completed\0"s + forged + "\0"s + folder() + "/x.mkv\nCompleted\tev\\il\x01\x7F.mp4\0"s +
                             "Failure\0fail.mkv\0Cannot create the output: Permission denied\0"s);
    ASSERT_EQ(run({"probe", "a\nb.mkv"}), kExitOk);
    EXPECT_EQ(out.str().rfind("probePath: a\\nb.mkv\n", 0), 0u) << out.str();
}

TEST_F(CliRun, FfmpegLogLevelFollowsQuietAndVerbose) {
    ASSERT_EQ(run({"convert", "--quiet", "--output", folder(), "a.mkv"}), kExitOk);
    EXPECT_EQ(av_log_get_level(), AV_LOG_QUIET);
    ASSERT_EQ(run({"--verbose", "convert", "--output", folder(), "a.mkv"}), kExitOk);
    EXPECT_EQ(av_log_get_level(), AV_LOG_WARNING);
    ASSERT_EQ(run({"probe", "--verbose", "a.mkv"}), kExitOk);
    EXPECT_EQ(av_log_get_level(), AV_LOG_WARNING);
    ASSERT_EQ(run({"convert", "--output", folder(), "a.mkv"}), kExitOk);
    EXPECT_EQ(av_log_get_level(), AV_LOG_QUIET) << "FFmpeg's lines name no file: only when asked for";
    EXPECT_EQ(run({"convert", "--quiet", "--verbose", "a.mkv"}), kExitUsage);
}

TEST_F(CliRun, JpegErrorsArePrintedAsLines) {
    EXPECT_EQ(run({"convert", "--quiet", "--output", folder(), "jpeg.mkv"}), kExitOk);
    EXPECT_NE(err.str().find("JPEG Error: Bogus marker length\n"), std::string::npos) << err.str();
}

TEST_F(CliRun, PlainProgressLinesWhenNotATerminal) {
    ASSERT_EQ(run({"convert", "--output", folder(), "slow.mkv", "b.mkv"}), kExitOk);
    const std::string progress = err.str();
    EXPECT_NE(progress.find("slow.mkv: "), std::string::npos) << progress;
    EXPECT_NE(progress.find("(0 of 2 files done)\n"), std::string::npos) << progress;
    EXPECT_EQ(progress.find('\r'), std::string::npos);
}

TEST_F(CliRun, JobsReachTheJobAndTheProgressCoversTheBatch) {
    EXPECT_EQ(run({"convert", "--quiet", "--output", folder(), "a.mkv"}), kExitOk);
    EXPECT_EQ(g_seen.parallelRows, 0) << "automatic unless asked";
    transcode = &FakeBatch;
    ASSERT_EQ(run({"convert", "--jobs", "2", "--output", folder(), "a.mkv", "b.mkv"}), kExitOk);
    EXPECT_EQ(g_seen.parallelRows, 2);
    const std::string progress = err.str();
    EXPECT_NE(progress.find("a.mkv + 1 more: 30% (0 of 2 files done)\n"), std::string::npos) << progress;
    EXPECT_NE(progress.find("a.mkv: 80% (1 of 2 files done)\n"), std::string::npos) << progress;
    // Result lines in the order the files were given, not the order they finished in.
    EXPECT_EQ(out.str(), "Completed\ta.mkv\t" + folder() + "/a.mp4\nCompleted\tb.mkv\t" + folder() + "/b.mp4\n");
}

TEST_F(CliRun, ProgressBarIsRedrawnInPlaceOnATerminal) {
    terminal = true;
    ASSERT_EQ(run({"convert", "--output", folder(), "slow.mkv"}), kExitOk);
    const std::string progress = err.str();
    EXPECT_EQ(progress.rfind("\r[", 0), 0u) << progress;
    EXPECT_NE(progress.find("slow.mkv  0 of 1 file done"), std::string::npos) << progress;
    EXPECT_TRUE(progress.ends_with("\r\033[K")) << progress;  // the bar is wiped before the results
}

TEST_F(CliRun, ProbePrintsTheJobFieldsAndRejectsInvalidFiles) {
    EXPECT_EQ(run({"probe", "a.mkv"}), kExitOk);
    const std::string text = out.str();
    for (const char* line : {"probePath: a.mkv\n", "probeDurationSeconds: 10\n", "durationMicroseconds: 10000000\n",
                             "sourceWidth: 320\n", "sourceHeight: 240\n", "sourceRateNum: 25\n", "sourceRateDen: 1\n",
                             "videoCodecId: 27\n", "videoCodec: h264\n", "audioCodec: aac\n", "audioChannels: 2\n",
                             "audioSampleRate: 44100\n"})
        EXPECT_NE(text.find(line), std::string::npos) << line << " missing in\n" << text;
    EXPECT_EQ(run({"probe", "a.mkv", "dir/bad.bin"}), kExitFailed);
    EXPECT_EQ(err.str(), "korbanix-cli: dir/bad.bin: No such file or directory\n");
}

TEST_F(CliRun, ProbeNeverShowsAnotherFilesValues) {
    EXPECT_EQ(run({"probe", "video.mkv", "audio.mp3"}), kExitOk);
    const std::string text = out.str();
    const auto second = text.find("probePath: audio.mp3\n");
    ASSERT_NE(second, std::string::npos) << text;
    EXPECT_NE(text.substr(0, second).find("sourceRateNum: 25\n"), std::string::npos);
    EXPECT_NE(text.find("sourceRateNum: 0\n", second), std::string::npos) << text;
    EXPECT_NE(text.find("sourceWidth: 0\n", second), std::string::npos) << text;
}

TEST_F(CliRun, ProfilesListsTheSixteenEntries) {
    EXPECT_EQ(run({"profiles"}), kExitOk);
    const std::string text = out.str();
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 16);
    EXPECT_EQ(text.rfind(" 0: PS3 H.264 Video(*.mp4)\n", 0), 0u) << text;
    EXPECT_NE(text.find("\n12: PSP  MPEG4 Video(*.mp4)\n"), std::string::npos);
    EXPECT_NE(text.find("\n15: WMA -Windows Media Audio(*.wma)\n"), std::string::npos);
}

TEST_F(CliRun, UsageErrorsAndHelp) {
    EXPECT_EQ(run({"convert", "--profile", "20", "a.mkv"}), kExitUsage);
    EXPECT_NE(err.str().find("korbanix-cli: --profile"), std::string::npos);
    EXPECT_NE(err.str().find("--help"), std::string::npos);
    EXPECT_EQ(run({"--help"}), kExitOk);
    EXPECT_NE(out.str().find("Usage:"), std::string::npos);
    EXPECT_NE(out.str().find("--video-bitrate"), std::string::npos);
    out.str("");
    EXPECT_EQ(run({"--version"}), kExitOk);
    EXPECT_EQ(out.str(), "korbanix-cli " + std::string(KorbanixVersion()) + "\n");
}

TEST(CliProgressText, BarFitsTheTerminalAndShortensLongNames) {
    ProgressSnapshot s{"a-rather-long-holiday-video-name.mkv", 42, 1, 3};
    std::string bar = FormatProgressBar(s, 60);
    EXPECT_LE(bar.size(), 59u);
    EXPECT_EQ(bar.rfind("[########------------]  42%  ...", 0), 0u) << bar;
    EXPECT_TRUE(bar.ends_with("name.mkv  1 of 3 files done")) << bar;
    EXPECT_EQ(FormatProgressBar({"a.mkv", 100, 0, 1}, 80), "[####################] 100%  a.mkv  0 of 1 file done");
    EXPECT_EQ(FormatProgressBar({"a.mkv", -1, 0, 1}, 80), "[--------------------]   -%  a.mkv  0 of 1 file done");
    EXPECT_EQ(FormatProgressBar({"a.mkv", 5, 0, 1}, 20), "[#-------------------]   5%");
    // A name in UTF-8 is never cut inside a character.
    std::string utf8 = FormatProgressBar({"\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9.mkv", 0, 0, 1}, 57);
    EXPECT_NE(utf8.find("...\xC3\xA9"), std::string::npos) << utf8;
    // At every width the line leaves the last column free (a full line makes some
    // terminals wrap every redraw), shows the count once bar and count fit, and gives
    // a long name all the room that is left.
    const auto characters = [](const std::string& text) {
        return std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; });
    };
    for (const ProgressSnapshot& each : {s, ProgressSnapshot{"\xC3\xA9t\xC3\xA9-2023-long-name.mkv", 7, 0, 1, "05:12 left"}})
        for (int columns = 28; columns <= 100; ++columns) {  // below 28 only the bar is left
            const std::string line = FormatProgressBar(each, columns);
            SCOPED_TRACE(std::to_string(columns) + ": " + line);
            EXPECT_LT(characters(line), columns);
            const bool countFits = columns > 27 + 2 + 17;  // bar, gap, count
            EXPECT_TRUE(!countFits || line.find(" done") != std::string::npos);
            const bool nameShortened = each.timeLeft.empty() && countFits && columns > 49 && columns <= 85;
            EXPECT_TRUE(!nameShortened || characters(line) == columns - 1);
        }
}

TEST(CliProgressText, TimeLeftFollowsTheCountWhenThereIsRoom) {
    EXPECT_EQ(TimeLeftText(std::nullopt, 12.0), "") << "no run estimate, nothing";
    EXPECT_EQ(TimeLeftText(312.0, std::nullopt), "05:12 left");
    EXPECT_EQ(TimeLeftText(3725.0, 63.0), "1:02:05 left (01:03 this file)");
    const ProgressSnapshot s{"a.mkv", 42, 1, 3, "05:12 left"};
    EXPECT_EQ(FormatProgressBar(s, 80), "[########------------]  42%  a.mkv  1 of 3 files done  05:12 left");
    // Too narrow for the time: the name and count stay as they were.
    EXPECT_EQ(FormatProgressBar(s, 50), FormatProgressBar({"a.mkv", 42, 1, 3}, 50));
}

TEST(CliProgressText, PlainLine) {
    EXPECT_EQ(FormatProgressLine({"clip.mkv", 42, 1, 3}), "clip.mkv: 42% (1 of 3 files done)");
    EXPECT_EQ(FormatProgressLine({"clip.mkv", 42, 1, 3, "05:12 left"}), "clip.mkv: 42% (1 of 3 files done, 05:12 left)");
    EXPECT_EQ(FileNameOf("/a/b/c.mkv"), "c.mkv");
    EXPECT_EQ(FileNameOf("c.mkv"), "c.mkv");
}

TEST_F(CliRun, AnOutputPastAFat32VolumesLimitIsRefusedAsTheWindowRefusesIt) {
    // A FAT32 stick, and a link in the home folder that leads onto it.
    const std::string stick = dir.file("stick");
    std::filesystem::create_directories(stick + "/VIDEO");
    std::filesystem::create_directory_symlink(stick, dir.file("link"));
    mountTable = dir.file("mounts");
    std::ofstream(mountTable) << "/dev/sda1 / ext4 rw 0 0\n/dev/sdb1 " << stick << " vfat rw 0 0\n";
    const std::string message = "The output of \"long.mkv\" would be about 5.1 GB, but a file on the FAT32 volume " +
                                stick + " can hold at most 4 GB.\n";
    for (const std::string& folder : {stick + "/VIDEO", dir.file("link") + "/VIDEO", dir.file("link") + "/VIDEO/new"}) {
        SCOPED_TRACE(folder);
        EXPECT_EQ(run({"convert", "--quiet", "--output", folder, "--end", "05:00:00", "long.mkv"}),
                  kExitUsage);
        EXPECT_TRUE(err.str().starts_with(message)) << err.str();
        EXPECT_NE(err.str().find("--no-size-check"), std::string::npos);
        EXPECT_FALSE(g_seen.ran);
        EXPECT_FALSE(std::filesystem::exists(stick + "/VIDEO/new")) << "nothing made";
    }
    EXPECT_EQ(run({"convert", "--quiet", "--merge", "--output", stick, "--profile", "0", "a.mkv", "b.mkv",
                   "--video-bitrate", "100000 kbps"}),
              kExitOk)
        << "twenty seconds fit whatever the rate";
    EXPECT_EQ(run({"convert", "--quiet", "--output", stick, "--end", "03:00:00", "--merge", "a.mkv", "b.mkv"}), 2);
    EXPECT_NE(err.str().find("--begin and --end cannot be used with --merge"), std::string::npos);
    // The same settings elsewhere, or with the check turned off, convert.
    EXPECT_EQ(run({"convert", "--quiet", "--output", dir.file("home"), "--end", "05:00:00", "long.mkv"}), kExitOk);
    EXPECT_EQ(run({"convert", "--quiet", "--no-size-check", "--output", stick, "--end", "05:00:00", "long.mkv"}),
              kExitOk);
    EXPECT_TRUE(g_seen.ran);
}

// A size a file's length does not suit fails that file with the reason, and the
// others convert (status 1, as for any failed file); a size no file can have on the
// device is refused with status 2 before anything starts.
TEST_F(CliRun, ATargetSizeTheProfileCannotMeetIsRefusedWithTheReason) {
    EXPECT_EQ(run({"convert", "--quiet", "--output", folder(), "--end", "01:00:00", "--target-size", "5M", "long.mkv"}),
              kExitFailed);
    const std::string why = "The target size of 5 MB is too small for " + SourceNameInMessage(g_seen.sources[0]) +
                            " (01:00:00 long): its video would get";
    EXPECT_TRUE(out.str().starts_with("Failure\t" + g_seen.sources[0] + "\t" + why)) << out.str();
    EXPECT_NE(out.str().find("below the 155 kbps this profile needs"), std::string::npos);
    EXPECT_TRUE(g_seen.ran) << "the run goes on for the other files";
    g_seen = SeenJob{};
    EXPECT_EQ(run({"convert", "--quiet", "--profile", "9", "--output", folder(), "--target-size", "5000M", "a.mkv"}),
              kExitUsage);
    EXPECT_NE(err.str().find("more than a file on the PSP's FAT32 storage can hold"), std::string::npos) << err.str();
    EXPECT_FALSE(g_seen.ran);
    ASSERT_EQ(run({"convert", "--quiet", "--output", folder(), "--target-size", "5M", "a.mkv"}), kExitOk) << err.str();
    EXPECT_EQ(g_seen.targetSizeBytes, 5000000);
    // A rate given by hand is converted, held against the same limits and said.
    EXPECT_EQ(run({"convert", "--profile", "3", "--output", folder(), "--video-bitrate", "256 kbps", "a.mkv"}), kExitOk)
        << err.str();
    EXPECT_NE(err.str().find("The video bit rate of 256 kbps is below the 414 kbps pictures of 1280*720 need in H.264"),
              std::string::npos) << err.str();
    EXPECT_EQ(run({"convert", "--profile", "2", "--output", folder(), "--video-bitrate", "8000 kbps", "a.mkv"}),
              kExitOk);
    EXPECT_NE(err.str().find("above the 4854 kbps the PS3 in DivX Home Theater profile plays"), std::string::npos)
        << err.str();
    EXPECT_EQ(run({"convert", "--profile", "3", "--output", folder(), "--video-bitrate", "700 kbps", "a.mkv"}),
              kExitOk);
    EXPECT_EQ(err.str().find("The video bit rate"), std::string::npos) << err.str();
}
