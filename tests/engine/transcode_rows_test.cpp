// Row bookkeeping of the Convert worker: result codes, free names and thumbnails,
// stop, bad input, unchecked rows and the live preview.

#include "engine/EncodeStage.h"
#include "engine/OutputFile.h"
#include "engine/RowBatch.h"
#include "engine/Thumbnail.h"
#include "engine/TranscodeWorker.h"
#include "tests/engine/pipeline_fixture.h"
#include "tests/support/FileSizeLimit.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <csignal>
#include <fstream>

#include <sys/resource.h>
#include <unistd.h>

using namespace pipelinetest;

namespace {

class TranscodeRows : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        shared = new testmedia::TempDir;
        ASSERT_TRUE(testmedia::makeClip(clip(), testmedia::H264Clip(2, "160x120")));
    }
    static void TearDownTestSuite() { delete shared; }
    static std::string clip() { return shared->file("clip.mp4"); }

    void convert(AVConvert& job, const std::vector<std::string>& sources, const std::vector<std::string>& outputs,
                 const Settings& s = {}) {
        fillJob(job, sources, outputs, s);
        for (std::size_t i = 0; i < sources.size(); ++i) setClip(job, static_cast<int>(i), 0, 2);
        runWorker(TranscodeWorker, job);
    }
    std::string readFile(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    // Starts a 30 s row into `output` followed by the short clip into never.mp4, and
    // returns once the first row has reached `percent` (or the worker moved on).
    // The encoder works on a thread of its own: x264 with its own threads behind it, MPEG-4 without.
    // targetSize: the row is fitted into that many bytes (two passes).
    void startLongRow(AVConvert& job, WorkerThread& worker, const std::string& output, int percent,
                      int videoCodec = codecmap::kVideoH264, std::int64_t targetSize = 0) {
        const std::string longClip = dir.file("long.mp4");
        if (!std::filesystem::exists(longClip)) {
            ASSERT_TRUE(testmedia::makeClip(longClip, testmedia::H264Clip(30, "160x120")));
        }
        Settings settings;
        settings.videoCodecId = videoCodec;
        fillJob(job, {longClip, clip()}, {output, dir.file("never.mp4")}, settings);
        setClip(job, 0, 0, 30);
        setClip(job, 1, 0, 2);
        job.targetSizeBytes = targetSize;
        worker.start(TranscodeWorker, job);
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(120);
        while (job.progressPercent.load() < percent && job.currentFile.load() < 1 &&
               std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }

    static testmedia::TempDir* shared;
    testmedia::TempDir dir;
};
testmedia::TempDir* TranscodeRows::shared = nullptr;

TEST_F(TranscodeRows, TakenNameMovesToTheNextFreeOneAndTheThumbnailFollows) {
    std::ofstream(dir.file("out.mp4")) << "first";
    std::ofstream(dir.file("out(0).mp4")) << "second";
    AVConvert job;
    convert(job, {clip()}, {dir.file("out.mp4")});
    ASSERT_EQ(job.fileState[0].load(), kRowCompleted);
    EXPECT_EQ(job.outputPaths[0], dir.file("out(1).mp4"));
    EXPECT_EQ(job.nameCounter, 1);
    EXPECT_EQ(readFile(dir.file("out.mp4")), "first");
    EXPECT_EQ(readFile(dir.file("out(0).mp4")), "second");
    EXPECT_TRUE(testmedia::probe(dir.file("out(1).mp4")).ok);
    EXPECT_EQ(job.thumbnailPaths[0], dir.file("out(1).THM"));
    const auto thumb = testmedia::probe(dir.file("out(1).THM"));
    ASSERT_TRUE(thumb.ok);
    ASSERT_TRUE(thumb.video());
    EXPECT_EQ(thumb.video()->width, 160);
    EXPECT_EQ(thumb.video()->height, 120);
    EXPECT_FALSE(std::filesystem::exists(dir.file("out.THM")));

    // A ".THM" another program writes after the name was chosen is never replaced.
    struct LateThumbnail : RecordingSink {
        std::string path;
        void rowBegins(int row) override {
            RecordingSink::rowBegins(row);
            std::ofstream(path) << "mine";
        }
    } late;
    late.path = dir.file("late.THM");
    AVConvert second;
    second.previewSink = &late;
    convert(second, {clip()}, {dir.file("late.mp4")});
    EXPECT_EQ(second.fileState[0].load(), kRowCompleted);
    EXPECT_TRUE(readFile(late.path) == "mine") << "the other program's file was replaced";
}

TEST_F(TranscodeRows, NoThumbnailUnlessAsked) {
    AVConvert job;
    Settings s;
    s.thumbnailMode = -1;
    convert(job, {clip()}, {dir.file("plain.mp4")}, s);
    ASSERT_EQ(job.fileState[0].load(), kRowCompleted);
    EXPECT_FALSE(std::filesystem::exists(dir.file("plain.THM")));
}

TEST_F(TranscodeRows, TwoRowsToOneNameNeverOverwrite) {
    AVConvert job;
    convert(job, {clip(), clip()}, {dir.file("same.mp4"), dir.file("same.mp4")});
    EXPECT_EQ(job.fileState[0].load(), kRowCompleted);
    EXPECT_EQ(job.fileState[1].load(), kRowCompleted);
    EXPECT_EQ(job.outputPaths[1], dir.file("same(0).mp4"));
    EXPECT_TRUE(testmedia::probe(dir.file("same.mp4")).ok);
    EXPECT_TRUE(testmedia::probe(dir.file("same(0).mp4")).ok);
}

TEST_F(TranscodeRows, BadInputFailsItsRowAndTheOthersGoOn) {
    const std::string empty = dir.file("empty.mp4"), text = dir.file("notes.avi"), cut = dir.file("cut.mp4"),
                      missing = dir.file("missing.mp4");
    std::ofstream(empty).close();
    std::ofstream(text) << "this is not a media file\n";
    const std::string whole = readFile(clip());
    std::ofstream(cut, std::ios::binary) << whole.substr(0, whole.size() / 3);  // moov at the end is lost
    AVConvert job;
    convert(job, {empty, text, cut, missing, clip()},
            {dir.file("o1.mp4"), dir.file("o2.mp4"), dir.file("o3.mp4"), dir.file("o4.mp4"), dir.file("o5.mp4")});
    for (int row = 0; row < 4; ++row) {
        EXPECT_EQ(job.fileState[row].load(), kRowFailed) << row;
        EXPECT_FALSE(std::filesystem::exists(job.outputPaths[row])) << "no output left behind for row " << row;
        EXPECT_FALSE(job.failureReason(row).empty()) << row;
    }
    EXPECT_EQ(job.failureReason(3), "Cannot open the source: No such file or directory");
    EXPECT_EQ(job.failureReason(4), "");
    EXPECT_EQ(job.fileState[4].load(), kRowCompleted);
    EXPECT_EQ(job.currentFile.load(), 5);
}

TEST_F(TranscodeRows, DamagedMiddleStillConvertsWithoutACrash) {
    const std::string ts = dir.file("src.ts");
    ASSERT_TRUE(pipelinetest::ffmpeg("-i " + testmedia::shellQuote(clip()) + " -c copy " + testmedia::shellQuote(ts)));
    std::string bytes = readFile(ts);
    for (std::size_t i = bytes.size() / 3; i < bytes.size() / 2; i += 7) bytes[i] = static_cast<char>(i * 31);
    std::ofstream(ts, std::ios::binary) << bytes;
    AVConvert job;
    convert(job, {ts}, {dir.file("mended.mp4")});
    EXPECT_NE(job.fileState[0].load(), kRowPending);
    if (job.fileState[0].load() == kRowCompleted) {
        EXPECT_TRUE(testmedia::probe(dir.file("mended.mp4")).ok);
    }
}

TEST_F(TranscodeRows, FullDiskFailsTheRowInsteadOfReportingSuccess) {
    AVConvert job;
    Settings s;
    s.width = 320;
    s.height = 240;
    s.videoBitRate = 4000000;
    fillJob(job, {clip()}, {dir.file("full.mp4")}, s);
    setClip(job, 0, 0, 2);
    {
        testmedia::FileSizeLimit limit(64 * 1024);
        runWorker(TranscodeWorker, job);
    }
    EXPECT_EQ(job.fileState[0].load(), kRowFailed);
    EXPECT_EQ(job.failureReason(0), "Cannot write the output: File too large");
    EXPECT_EQ(job.currentFile.load(), 1);
}

// The output's own name is cut to fit a folder entry (a source may use all 255
// bytes, and "(n)" comes on top); a folder on the way that no file system takes
// fails the row with its reason.
TEST_F(TranscodeRows, NameTooLongFailsWithItsReason) {
    AVConvert job;
    convert(job, {clip()}, {dir.file(std::string(300, 'n') + "/clip.mp4")});
    EXPECT_EQ(job.fileState[0].load(), kRowFailed);
    EXPECT_EQ(job.failureReason(0), "Cannot create the output: File name too long");
    AVConvert longName;
    convert(longName, {clip()}, {dir.file(std::string(300, 'n') + ".mp4")});
    EXPECT_EQ(longName.fileState[0].load(), kRowCompleted) << longName.failureReason(0);
    EXPECT_EQ(longName.outputPaths[0], dir.file(std::string(251, 'n') + ".mp4"));
}

// Someone swaps a symlink in for the reserved name (or for the ".THM" beside it)
// before a byte is written: the link's target is never touched, and a row whose
// name was taken from it does not report success.
TEST_F(TranscodeRows, SymlinkSwappedInAfterTheReservationNeverRedirectsTheOutput) {
    const std::string victim = dir.file("victim.dat"), victimThm = dir.file("victim.THM");
    std::ofstream(victim) << "victim data";
    std::ofstream(victimThm) << "victim picture";
    int reserved = 0;
    output::afterReserveHook = [&](const std::string& path) {
        if (reserved++ == 0) {
            std::filesystem::remove(path);
            std::filesystem::create_symlink(victim, path);
        } else {
            std::filesystem::create_symlink(victimThm, path.substr(0, path.rfind('.')) + ".THM");
        }
    };
    AVConvert job;
    convert(job, {clip(), clip()}, {dir.file("swapped.mp4"), dir.file("beside.mp4")});
    output::afterReserveHook = nullptr;
    EXPECT_EQ(readFile(victim), "victim data");
    EXPECT_EQ(readFile(victimThm), "victim picture");
    EXPECT_EQ(job.fileState[0].load(), kRowFailed);
    EXPECT_EQ(job.failureReason(0), "The output file was replaced or removed while it was written");
    EXPECT_TRUE(std::filesystem::is_symlink(dir.file("swapped.mp4"))) << "what someone else put there stays";
    EXPECT_EQ(job.fileState[1].load(), kRowCompleted) << "only the picture beside it was lost";
    EXPECT_TRUE(testmedia::probe(dir.file("beside.mp4")).ok);
    EXPECT_TRUE(std::filesystem::is_symlink(dir.file("beside.THM")));
}

// Another video's picture keeps its name: the new video and its picture move on
// together to the first pair of free names.
TEST_F(TranscodeRows, ThumbnailOfAnotherVideoMovesThePairToFreeNames) {
    std::ofstream(dir.file("x.THM")) << "other picture";
    std::ofstream(dir.file("x(0).mp4")) << "other video";
    AVConvert job;
    convert(job, {clip()}, {dir.file("x.mp4")});
    ASSERT_EQ(job.fileState[0].load(), kRowCompleted);
    EXPECT_EQ(job.outputPaths[0], dir.file("x(1).mp4"));
    EXPECT_EQ(job.thumbnailPaths[0], dir.file("x(1).THM"));
    EXPECT_TRUE(testmedia::probe(dir.file("x(1).THM")).ok);
    EXPECT_FALSE(std::filesystem::exists(dir.file("x.mp4")));
    EXPECT_FALSE(std::filesystem::exists(dir.file("x(0).THM")));
    EXPECT_EQ(readFile(dir.file("x.THM")), "other picture");
}

TEST_F(TranscodeRows, WavOutputReservesRoomForRf64Sizes) {
    AVConvert job;
    Settings s;
    s.encodeVideo = false;
    s.thumbnailMode = -1;
    s.audioCodecId = codecmap::kAudioPcmS16le;
    convert(job, {clip()}, {dir.file("sound.wav")}, s);
    ASSERT_EQ(job.fileState[0].load(), kRowCompleted);
    // rf64=auto keeps a "JUNK" chunk right after the RIFF header, to become "ds64"
    // if the file passes 4 GiB; without it the sizes would wrap.
    EXPECT_EQ(readFile(dir.file("sound.wav")).substr(12, 4), "JUNK");
    EXPECT_NEAR(streamDuration(dir.file("sound.wav"), "a:0"), 2.0, 0.1);
}

TEST_F(TranscodeRows, TrailerThatDoesNotFitFailsTheRow) {
    AVConvert whole;
    convert(whole, {clip()}, {dir.file("whole.mp4")});
    ASSERT_EQ(whole.fileState[0].load(), kRowCompleted);
    const auto size = std::filesystem::file_size(dir.file("whole.mp4"));
    // Room for the pictures and sound but not for the index the trailer writes.
    AVConvert job;
    fillJob(job, {clip()}, {dir.file("short.mp4")});
    setClip(job, 0, 0, 2);
    {
        testmedia::FileSizeLimit limit(size - 100);
        runWorker(TranscodeWorker, job);
    }
    EXPECT_EQ(job.fileState[0].load(), kRowFailed);
}

TEST_F(TranscodeRows, JpegLibraryErrorReachesTheJobsHandler) {
    AVConvert job;
    std::vector<std::string> messages;
    job.jpegError = [&messages](const std::string& message) { messages.push_back(message); };
    fillJob(job, {clip()}, {dir.file("tiny.mp4")});
    setClip(job, 0, 0, 2);
    {
        testmedia::FileSizeLimit limit(1024);  // the JPEG's first buffer of output does not fit
        runWorker(TranscodeWorker, job);
    }
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_FALSE(messages.front().empty());
    EXPECT_EQ(job.currentFile.load(), 1);
}

TEST_F(TranscodeRows, UncheckedRowsFailAtOnce) {
    AVConvert job;
    convert(job, {"", clip(), ""}, {dir.file("a.mp4"), dir.file("b.mp4"), dir.file("c.mp4")});
    EXPECT_EQ(job.fileState[0].load(), kRowFailed);
    EXPECT_EQ(job.fileState[1].load(), kRowCompleted);
    EXPECT_EQ(job.fileState[2].load(), kRowFailed);
    EXPECT_FALSE(std::filesystem::exists(dir.file("a.mp4")));
    // A row the rules refused before the start (a target size its length cannot
    // meet) fails with that reason, and the rows beside it convert.
    AVConvert refused;
    refused.refusedRows = {"", "The target size of 5 MB is too small"};
    convert(refused, {clip(), clip(), clip()}, {dir.file("d.mp4"), dir.file("e.mp4"), dir.file("f.mp4")});
    EXPECT_EQ(refused.fileState[1].load(), kRowFailed);
    EXPECT_EQ(refused.failureReason(1), "The target size of 5 MB is too small");
    EXPECT_FALSE(std::filesystem::exists(dir.file("e.mp4")));
    EXPECT_EQ(refused.fileState[0].load(), kRowCompleted);
    EXPECT_EQ(refused.fileState[2].load(), kRowCompleted);
}

TEST_F(TranscodeRows, EncoderWithoutAnImplementationFailsTheRowCleanly) {
    AVConvert job;
    Settings s;
    s.audioCodecId = codecmap::kAudioApe;
    convert(job, {clip()}, {dir.file("ape.mp4")}, s);
    EXPECT_EQ(job.fileState[0].load(), kRowFailed);
    EXPECT_FALSE(std::filesystem::exists(dir.file("ape.mp4")));
}

TEST_F(TranscodeRows, EncoderRefusingItsSettingsFailsTheRow) {
    AVConvert job;
    Settings s;
    s.videoCodecId = codecmap::kVideoH263;  // h263 takes only a few picture sizes; 160x120 is not one
    s.audioCodecId = codecmap::kAudioMp3;
    convert(job, {clip()}, {dir.file("bad.avi")}, s);
    EXPECT_EQ(job.fileState[0].load(), kRowFailed);
}

TEST_F(TranscodeRows, NoRowsEndsAtOnce) {
    AVConvert job;
    convert(job, {}, {});
    EXPECT_EQ(job.currentFile.load(), 0);
}

TEST_F(TranscodeRows, StopMidRowLeavesAPlayableShorterFile) {
    for (const int codec : {codecmap::kVideoH264, codecmap::kVideoMpeg4}) {
        SCOPED_TRACE(codec);
        AVConvert job;
        WorkerThread worker;
        const std::string output = dir.file("stopped" + std::to_string(codec) + ".mp4");
        startLongRow(job, worker, output, 10, codec);
        job.stopRequested = true;
        worker.join();
        EXPECT_EQ(job.fileState[0].load(), kRowStopped) << "a shorter output is not a completed one";
        EXPECT_EQ(job.fileState[1].load(), kRowPending);
        EXPECT_EQ(job.currentFile.load(), 1) << "the worker ends at the start of the next row";
        EXPECT_FALSE(std::filesystem::exists(dir.file("never.mp4")));
        const auto info = testmedia::probe(output);
        ASSERT_TRUE(info.ok) << "trailer written";
        const double video = streamDuration(output, "v:0");
        EXPECT_GT(video, 0.5);
        EXPECT_LT(video, 25);
        EXPECT_NEAR(streamDuration(output, "a:0"), video, 0.5);
        const auto counted = testmedia::probe(output, true);
        ASSERT_TRUE(counted.video());
        EXPECT_NEAR(counted.video()->frames / 25.0, video, 0.1) << "every picture queued at the stop was encoded";
    }
}

// A row fitted into a size runs two passes over one progress bar: a stop in the
// first leaves nothing (the row was not converted yet), a stop in the second a
// playable shorter output; the first pass's statistics go either way.
TEST_F(TranscodeRows, StopWorksInEitherPassOfARowFittedIntoASize) {
    const std::string temporary = dir.file("tmp");
    std::filesystem::create_directory(temporary);
    ::setenv("TMPDIR", temporary.c_str(), 1);
    for (const int codec : {codecmap::kVideoH264, codecmap::kVideoMpeg4}) {
        for (const bool second : {false, true}) {
            SCOPED_TRACE(std::to_string(codec) + (second ? " second pass" : " first pass"));
            AVConvert job;
            WorkerThread worker;
            const std::string output = dir.file("sized" + std::to_string(codec) + (second ? "b" : "a") + ".mp4");
            std::atomic<bool> sawStats{false};
            startLongRow(job, worker, output, second ? 45 : 5, codec, 1000000);
            sawStats = !std::filesystem::is_empty(temporary);
            const int percent = job.progressPercent.load();
            job.stopRequested = true;
            worker.join();
            EXPECT_TRUE(sawStats.load()) << "the first pass keeps its statistics in a private folder";
            EXPECT_TRUE(std::filesystem::is_empty(temporary)) << "and they go with the row";
            EXPECT_EQ(job.fileState[1].load(), kRowPending);
            if (!second) {
                EXPECT_LE(percent, 40) << "the first pass fills the first part of the bar";
                EXPECT_EQ(job.fileState[0].load(), kRowPending);
                EXPECT_FALSE(std::filesystem::exists(output)) << "a first pass writes nothing";
                EXPECT_FALSE(std::filesystem::exists(dir.file("sized" + std::to_string(codec) + "a.THM")));
                continue;
            }
            EXPECT_GE(percent, 45);
            EXPECT_EQ(job.fileState[0].load(), kRowStopped);
            ASSERT_TRUE(testmedia::probe(output).ok) << "trailer written";
            EXPECT_GT(streamDuration(output, "v:0"), 0.5);
            EXPECT_LT(streamDuration(output, "v:0"), 25);
        }
    }
    ::unsetenv("TMPDIR");
}

// A second stop: nothing more is finished, and the unfinished output goes (also
// while pictures wait for the encoder's own thread).
TEST_F(TranscodeRows, AbortMidRowFinishesNothingAndLeavesNothing) {
    for (const int codec : {codecmap::kVideoH264, codecmap::kVideoMpeg4}) {
        SCOPED_TRACE(codec);
        AVConvert job;
        WorkerThread worker;
        startLongRow(job, worker, dir.file("aborted.mp4"), 5, codec);
        AVConvert::abortNow = true;
        worker.join();
        AVConvert::abortNow = false;
        EXPECT_EQ(job.fileState[0].load(), kRowFailed);
        EXPECT_EQ(job.failureReason(0), "Stopped at once; the unfinished output was removed");
        EXPECT_EQ(job.fileState[1].load(), kRowPending);
        EXPECT_FALSE(std::filesystem::exists(dir.file("aborted.mp4")));
        EXPECT_FALSE(std::filesystem::exists(dir.file("aborted.THM")));
        EXPECT_FALSE(std::filesystem::exists(dir.file("never.mp4")));
    }
}

// A stop that comes after the name was taken but before anything was converted
// leaves no empty file behind, and the row counts as not done.
TEST_F(TranscodeRows, StopBeforeAnythingWasConvertedLeavesNoFile) {
    AVConvert job;
    output::afterReserveHook = [&job](const std::string&) { job.stopRequested = true; };
    convert(job, {clip()}, {dir.file("early.mp4")});
    output::afterReserveHook = nullptr;
    EXPECT_EQ(job.fileState[0].load(), kRowPending);
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

TEST_F(TranscodeRows, StopBeforeTheFirstRowConvertsNothing) {
    AVConvert job;
    fillJob(job, {clip()}, {dir.file("none.mp4")});
    job.stopRequested = true;
    runWorker(TranscodeWorker, job);
    EXPECT_EQ(job.fileState[0].load(), kRowPending);
    EXPECT_EQ(job.currentFile.load(), 0);
    EXPECT_FALSE(std::filesystem::exists(dir.file("none.mp4")));
}

class ThrowingSink : public RecordingSink {
public:
    void picture(int, const PreviewPicture&) override { throw std::runtime_error("window gone"); }
};

TEST_F(TranscodeRows, PreviewGets160By120PicturesOfEveryRow) {
    RecordingSink sink;
    AVConvert job;
    job.previewSink = &sink;
    convert(job, {clip(), clip()}, {dir.file("p1.mp4"), dir.file("p2.mp4")});
    EXPECT_EQ(sink.begun, (std::vector<int>{0, 1}));
    EXPECT_EQ(sink.ended, (std::vector<int>{0, 1}));
    EXPECT_GE(sink.pictures, 2 * 45);
    EXPECT_TRUE(sink.sizeOk);
    EXPECT_EQ(sink.lastRow, 1);
}

TEST_F(TranscodeRows, NoPreviewPicturesWhilePreviewIsOff) {
    RecordingSink sink;
    AVConvert job;
    job.previewSink = &sink;
    job.previewOff = true;
    convert(job, {clip()}, {dir.file("quiet.mp4")});
    EXPECT_EQ(job.fileState[0].load(), kRowCompleted);
    EXPECT_EQ(sink.pictures, 0);
    EXPECT_EQ(sink.begun.size(), 1u);
}

TEST_F(TranscodeRows, FailingPreviewOnlyCostsThePreview) {
    ThrowingSink sink;
    AVConvert job;
    job.previewSink = &sink;
    convert(job, {clip()}, {dir.file("nopreview.mp4")});
    EXPECT_EQ(job.fileState[0].load(), kRowCompleted);
    EXPECT_NEAR(streamDuration(dir.file("nopreview.mp4"), "v:0"), 2.0, 0.2);
}

}  // namespace

// Several rows at once: the scheduler with stand-in rows (deterministic hand-overs
// between them, no timing), then real conversions sharing one output name.
namespace {

using Clock = std::chrono::steady_clock;

// What the stand-in rows share with the test; reset by each test.
struct StandIn {
    std::mutex mutex;
    std::condition_variable changed;
    std::vector<int> started;
    std::vector<int> finished;
    int running = 0;
    int mostRunning = 0;
    int shown = 0;
    std::atomic<bool> rowOneAsked{false};
    std::vector<int> currentFileSeen;  // currentFile while row 0 was still running
};
StandIn* g_standIn = nullptr;

// Waits (at most a minute, so a fault fails instead of hanging) until `ready`.
template <class Ready>
bool waitFor(std::unique_lock<std::mutex>& lock, Ready ready) {
    return g_standIn->changed.wait_until(lock, Clock::now() + std::chrono::minutes(1), ready);
}

void rowBegins(int row) {
    std::lock_guard lock(g_standIn->mutex);
    g_standIn->started.push_back(row);
    g_standIn->mostRunning = std::max(g_standIn->mostRunning, ++g_standIn->running);
    g_standIn->changed.notify_all();
}

void rowEnds(AVConvert& job, int row, std::uint8_t state) {
    job.fileState[row].store(state);
    std::lock_guard lock(g_standIn->mutex);
    g_standIn->finished.push_back(row);
    --g_standIn->running;
    g_standIn->changed.notify_all();
}

// Row 0 finishes only after rows 1 and 2 have; odd rows fail, the others complete.
void lateFirstRow(AVConvert& job, int row) {
    rowBegins(row);
    if (row == 0) {
        std::unique_lock lock(g_standIn->mutex);
        waitFor(lock, [] { return std::count(g_standIn->finished.begin(), g_standIn->finished.end(), 2) > 0 &&
                                  std::count(g_standIn->finished.begin(), g_standIn->finished.end(), 1) > 0; });
        g_standIn->currentFileSeen.push_back(job.currentFile.load());
    }
    job.publishProgress(row, 100);
    rowEnds(job, row, row % 2 ? kRowFailed : kRowCompleted);
}

// Runs until the job is told to stop, as a real row's packet loop does.
void rowUntilStop(AVConvert& job, int row) {
    rowBegins(row);
    while (!job.stopRequested.load()) std::this_thread::yield();
    {
        std::lock_guard lock(g_standIn->mutex);
        g_standIn->finished.push_back(row);
        --g_standIn->running;
    }
}

// Each row shows one picture while all three rows run.
void showingRow(AVConvert& job, int row) {
    rowBegins(row);
    {
        std::unique_lock lock(g_standIn->mutex);
        waitFor(lock, [] { return g_standIn->started.size() == 3; });
    }
    static const std::vector<std::uint8_t> plane(PreviewPicture::kWidth * PreviewPicture::kHeight, 128);
    PreviewPicture picture{plane.data(), plane.data(), plane.data(), PreviewPicture::kWidth,
                           PreviewPicture::kWidth / 2, PreviewPicture::kWidth / 2};
    job.previewSink->rowBegins(row);
    job.previewSink->picture(row, picture);
    {
        // Nobody ends before everyone has shown a picture: the lowest row still runs.
        std::unique_lock lock(g_standIn->mutex);
        ++g_standIn->shown;
        g_standIn->changed.notify_all();
        waitFor(lock, [] { return g_standIn->shown == 3; });
    }
    job.previewSink->rowEnds(row);
    rowEnds(job, row, kRowCompleted);
}

// Row 1 asks for its name first, row 2 ends without one; names still go in row order.
void namingRow(AVConvert& job, int row) {
    rowBegins(row);
    std::unique_lock lock(job.rowMutex);
    if (row == 2) return;  // fails before naming: the scheduler passes its turn
    if (row == 0) {
        // Only once row 1 is waiting for its turn (it has asked and let the lock go).
        while (!g_standIn->rowOneAsked.load()) {
            lock.unlock();
            std::this_thread::yield();
            lock.lock();
        }
    }
    if (row == 1) g_standIn->rowOneAsked = true;
    batch::WaitForNameTurn(job, row, lock);
    g_standIn->finished.push_back(row);  // the naming order, under the job's lock
    batch::PassNameTurn(job, row);
}

// Even rows are 8K sources, odd rows small ones: each holds its memory for a while.
constexpr std::uint64_t kMiB = 1024 * 1024;
std::atomic<int> g_bigHolders{0}, g_mostBigHolders{0};
void memoryRow(AVConvert& job, int row) {
    batch::RowShape shape{true, 7680, 4320, AV_PIX_FMT_YUV420P, 2, false, 1280, 720};
    if (row % 2) shape.sourceWidth = 320, shape.sourceHeight = 240;
    const batch::MemoryTicket ticket = batch::ReserveRowMemory(job, batch::RowMemoryNeed(shape));
    rowBegins(row);
    if (row % 2 == 0) {
        const int now = ++g_bigHolders;
        for (int most = g_mostBigHolders.load(); now > most && !g_mostBigHolders.compare_exchange_weak(most, now);) {
        }
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    if (row % 2 == 0) --g_bigHolders;
    rowEnds(job, row, kRowCompleted);
}

class RowBatchRun : public ::testing::Test {
protected:
    void SetUp() override { g_standIn = &standIn; }
    void TearDown() override { g_standIn = nullptr; }
    void fill(AVConvert& job, int rows) {
        job.fileCount = rows;
        job.resetRowStates();
        job.currentFile = -1;
        job.stopRequested = false;
    }
    static batch::Plan parallel(int rows) { return batch::Plan{rows, 1}; }
    StandIn standIn;
};

TEST_F(RowBatchRun, RowsFinishingOutOfOrderLandOnTheirRowsAndCurrentFileWaitsForTheLowest) {
    AVConvert job;
    fill(job, 5);
    batch::Run(job, 5, parallel(3), &lateFirstRow);
    ASSERT_EQ(standIn.currentFileSeen.size(), 1u);
    EXPECT_EQ(standIn.currentFileSeen[0], 0) << "rows 1 and 2 ended first, row 0 still ran";
    EXPECT_NE(standIn.finished.front(), 0);
    std::vector<int> started = standIn.started;
    std::sort(started.begin(), started.end());
    EXPECT_EQ(started, (std::vector<int>{0, 1, 2, 3, 4})) << "every row once";
    EXPECT_LE(standIn.mostRunning, 3);
    EXPECT_EQ(job.currentFile.load(), 5);
    for (int row = 0; row < 5; ++row) EXPECT_EQ(job.fileState[row].load(), row % 2 ? kRowFailed : kRowCompleted) << row;
    EXPECT_EQ(job.lowestRunningRow(), -1);
    EXPECT_EQ(job.threadsPerRow, 0) << "a merge after this run gets FFmpeg's own threads";
}

TEST_F(RowBatchRun, BigSourcesWaitForMemoryWhileSmallOnesRunBeside) {
    const std::uint64_t big = batch::RowMemoryNeed({true, 7680, 4320, AV_PIX_FMT_YUV420P, 2, false, 1280, 720});
    const std::uint64_t small = batch::RowMemoryNeed({true, 320, 240, AV_PIX_FMT_YUV420P, 2, false, 1280, 720});
    EXPECT_GT(big, 400 * kMiB) << "an 8K source's pictures";
    EXPECT_LT(small, 120 * kMiB);
    EXPECT_GT(batch::RowMemoryNeed({true, 3840, 2160, AV_PIX_FMT_YUV420P10LE, 2, true, 1280, 720}),
              batch::RowMemoryNeed({true, 3840, 2160, AV_PIX_FMT_YUV420P10LE, 2, false, 1280, 720}) + 150 * kMiB)
        << "tone-mapping works in float pictures";
    AVConvert job;
    fill(job, 6);
    g_mostBigHolders = 0;
    batch::Run(job, 6, batch::Plan{3, 1, big + 2 * small}, &memoryRow);
    EXPECT_EQ(g_mostBigHolders.load(), 1) << "two 8K rows at once would overrun the memory";
    EXPECT_GE(standIn.mostRunning, 2) << "small rows still run beside a big one";
    for (int row = 0; row < 6; ++row) EXPECT_EQ(job.fileState[row].load(), kRowCompleted) << row;
}

TEST_F(RowBatchRun, NamesAreTakenInRowOrderWhoeverAsksFirst) {
    AVConvert job;
    fill(job, 4);
    batch::Run(job, 4, parallel(3), &namingRow);
    EXPECT_EQ(standIn.finished, (std::vector<int>{0, 1, 3}));
    EXPECT_EQ(job.currentFile.load(), 4);
}

TEST_F(RowBatchRun, StopWithSeveralRowsRunningEndsThemAllAndStartsNoOther) {
    AVConvert job;
    fill(job, 6);
    std::thread stopper([&] {
        std::unique_lock lock(standIn.mutex);
        waitFor(lock, [&] { return standIn.running == 3; });
        job.stopRequested = true;
    });
    batch::Run(job, 6, parallel(3), &rowUntilStop);
    stopper.join();
    EXPECT_EQ(standIn.started.size(), 3u);
    EXPECT_EQ(standIn.finished.size(), 3u);
    for (int row = 0; row < 6; ++row) EXPECT_EQ(job.fileState[row].load(), kRowPending) << row;
    EXPECT_EQ(job.currentFile.load(), 3) << "the first row never begun";
    EXPECT_EQ(job.lowestRunningRow(), -1);
}

TEST_F(RowBatchRun, PreviewShowsTheLowestRunningRowOnly) {
    RecordingSink sink;
    AVConvert job;
    job.previewSink = &sink;
    fill(job, 3);
    batch::Run(job, 3, parallel(3), &showingRow);
    EXPECT_EQ(sink.pictures, 1);
    EXPECT_EQ(sink.lastRow, 0);
    EXPECT_EQ(sink.begun.size(), 3u);
    EXPECT_EQ(sink.ended.size(), 3u);
    EXPECT_EQ(job.previewSink, &sink) << "the job's own sink is back after the run";
}

TEST(RowProgress, CombinedProgressIsTheMeanOfTheRunningRows) {
    AVConvert job;
    job.fileCount = 10;
    job.resetRowStates();
    job.publishProgress(4, 30);  // in no slot: shown as it is
    EXPECT_EQ(job.progressPercent.load(), 30);
    job.runningRows[0] = 2;
    job.runningRows[3] = 7;
    job.publishProgress(2, -1);
    EXPECT_EQ(job.progressPercent.load(), -1) << "nothing to show yet";
    job.publishProgress(7, 80);
    EXPECT_EQ(job.progressPercent.load(), 40) << "a row without progress counts 0";
    job.publishProgress(2, 40);
    EXPECT_EQ(job.progressPercent.load(), 60);
    EXPECT_EQ(job.rowPercent[7].load(), 80);
    EXPECT_EQ(job.lowestRunningRow(), 2);
    job.resetRowStates();
    EXPECT_EQ(job.lowestRunningRow(), -1);
    EXPECT_EQ(job.rowPercent[7].load(), -1);
}

struct PlanCase {
    const char* name;
    bool video;
    int width, height;
    int parallelRows;  // the job's request
    int rows;
    unsigned cores;
    std::uint64_t availableMiB;  // 0 = unknown
    int parallel, threads;       // expected
};

void PrintTo(const PlanCase& c, std::ostream* os) { *os << c.name; }

class RowPlan : public ::testing::TestWithParam<PlanCase> {};

TEST_P(RowPlan, RowsAndThreadsFollowCoresProfileAndMemory) {
    const PlanCase& c = GetParam();
    AVConvert job;
    job.encodeVideo = c.video;
    job.outputWidth = c.width;
    job.outputHeight = c.height;
    job.parallelRows = c.parallelRows;
    const batch::Plan plan = batch::MakePlan(job, c.rows, batch::Machine{c.cores, c.availableMiB * 1024 * 1024});
    EXPECT_EQ(plan.parallel, c.parallel);
    EXPECT_EQ(plan.threadsPerRow, c.threads);
}

INSTANTIATE_TEST_SUITE_P(
    Machines, RowPlan,
    ::testing::Values(PlanCase{"SongsOnTwoCores", false, 0, 0, 0, 8, 2, 0, 2, 1},
                      PlanCase{"SongsOnSixteenCores", false, 0, 0, 0, 8, 16, 0, 8, 2},
                      PlanCase{"ClipsOnTwoCores", true, 480, 272, 0, 4, 2, 0, 2, 1},
                      PlanCase{"FewClipsShareManyCores", true, 480, 272, 0, 4, 16, 0, 4, 4},
                      PlanCase{"OneFileKeepsFfmpegsThreads", true, 480, 272, 0, 1, 8, 0, 1, 0},
                      PlanCase{"OneAtATimeAsked", true, 480, 272, 1, 9, 8, 0, 1, 0},
                      PlanCase{"AskedForMoreThanTheRows", false, 0, 0, 5, 3, 2, 0, 3, 1},
                      PlanCase{"AskedBeyondTheSlots", false, 0, 0, 99, 99, 64, 0, AVConvert::kMaxParallelRows, 4},
                      PlanCase{"MemoryLimitsFullHd", true, 1920, 1080, 0, 8, 8, 600, 1, 0},
                      PlanCase{"MemoryAllowsTwoFullHd", true, 1920, 1080, 0, 8, 8, 1000, 2, 4},
                      PlanCase{"NoRowsToConvert", false, 0, 0, 0, 0, 4, 0, 1, 0}),
    [](const auto& info) { return std::string(info.param.name); });

// Real rows, three at once, all aimed at one name: every output gets its own free
// name, its thumbnail carries that name, and every row reports on itself.
TEST_F(TranscodeRows, SeveralRowsAtOnceTakeFreeNamesAndKeepTheirThumbnails) {
    AVConvert job;
    Settings s;
    s.parallelRows = 3;
    convert(job, {clip(), clip(), "", clip(), clip()},
            {dir.file("same.mp4"), dir.file("same.mp4"), dir.file("same.mp4"), dir.file("same.mp4"),
             dir.file("same.mp4")},
            s);
    EXPECT_EQ(job.currentFile.load(), 5);
    EXPECT_EQ(job.fileState[2].load(), kRowFailed) << "the unchecked row";
    for (int row : {0, 1, 3, 4}) {
        ASSERT_EQ(job.fileState[row].load(), kRowCompleted) << row;
        EXPECT_TRUE(testmedia::probe(job.outputPaths[row]).ok) << row;
        EXPECT_EQ(job.thumbnailPaths[row], ThumbnailPathFor(job.outputPaths[row])) << row;
        EXPECT_TRUE(std::filesystem::exists(job.thumbnailPaths[row])) << row;
        EXPECT_EQ(job.rowPercent[row].load(), 100) << row;
    }
    // In row order, as one row at a time would name them.
    EXPECT_EQ(job.outputPaths[0], dir.file("same.mp4"));
    EXPECT_EQ(job.outputPaths[1], dir.file("same(0).mp4"));
    EXPECT_EQ(job.outputPaths[3], dir.file("same(1).mp4"));
    EXPECT_EQ(job.outputPaths[4], dir.file("same(2).mp4"));
    EXPECT_EQ(job.progressPercent.load(), 100);
}

TEST_F(TranscodeRows, StopWithThreeRowsRunningLeavesThreePlayableFiles) {
    const std::string longClip = dir.file("long.mp4");
    ASSERT_TRUE(testmedia::makeClip(longClip, testmedia::H264Clip(20, "160x120")));
    AVConvert job;
    Settings s;
    s.parallelRows = 3;
    fillJob(job, {longClip, longClip, longClip, clip()},
            {dir.file("s0.mp4"), dir.file("s1.mp4"), dir.file("s2.mp4"), dir.file("never.mp4")}, s);
    for (int row = 0; row < 3; ++row) setClip(job, row, 0, 20);
    setClip(job, 3, 0, 2);
    WorkerThread worker;
    worker.start(TranscodeWorker, job);
    const auto deadline = Clock::now() + std::chrono::seconds(180);
    auto allMoving = [&] {
        for (int row = 0; row < 3; ++row)
            if (job.rowPercent[row].load() < 5) return false;
        return true;
    };
    while (!allMoving() && job.currentFile.load() < 3 && Clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    job.stopRequested = true;
    worker.join();
    EXPECT_EQ(job.currentFile.load(), 3);
    EXPECT_EQ(job.fileState[3].load(), kRowPending);
    EXPECT_FALSE(std::filesystem::exists(dir.file("never.mp4")));
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(job.fileState[row].load(), kRowStopped) << row << ": stopped, its shorter output kept";
        const std::string out = dir.file("s" + std::to_string(row) + ".mp4");
        ASSERT_TRUE(testmedia::probe(out).ok) << "trailer written for row " << row;
        const double video = streamDuration(out, "v:0");
        EXPECT_GT(video, 0.5) << row;
        EXPECT_LT(video, 19) << row;
    }
}

// The encoder's own thread returns every picture as a packet, in order, by the
// time a drain comes back; one dropped with pictures still queued frees them.
TEST(EncodeStage, DrainReturnsEveryPictureInOrderAndDroppingItFreesTheQueue) {
    for (const bool drain : {true, false}) {
        SCOPED_TRACE(drain);
        ffmpeg::CodecContext encoder(avcodec_alloc_context3(avcodec_find_encoder_by_name("mpeg4")));
        ASSERT_TRUE(encoder);
        encoder->width = 64;
        encoder->height = 48;
        encoder->pix_fmt = AV_PIX_FMT_YUV420P;
        encoder->time_base = {1, 25};
        ASSERT_EQ(avcodec_open2(encoder.get(), nullptr, nullptr), 0);
        std::vector<ffmpeg::Packet> packets;
        {
            pipeline::EncodeStage stage(*encoder, 4);
            for (int i = 0; i < 30; ++i) {
                ffmpeg::Frame picture = ffmpeg::makeFrame();
                picture->format = AV_PIX_FMT_YUV420P;
                picture->width = 64;
                picture->height = 48;
                ASSERT_GE(av_frame_get_buffer(picture.get(), 0), 0);
                av_frame_make_writable(picture.get());
                std::fill_n(picture->data[0], picture->linesize[0] * 48, static_cast<std::uint8_t>(i * 8));
                picture->pts = i;
                stage.push(std::move(picture));
            }
            if (!drain) continue;  // the stage goes with pictures queued
            stage.push(nullptr);
            stage.waitIdle();
            stage.takePackets(packets);
        }
        ASSERT_EQ(packets.size(), 30u);
        for (std::size_t i = 0; i < packets.size(); ++i) EXPECT_EQ(packets[i]->pts, static_cast<std::int64_t>(i));
    }
}

}  // namespace
