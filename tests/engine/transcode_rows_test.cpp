// Row bookkeeping of the Convert worker: result codes, free names and thumbnails,
// stop, bad input, unchecked rows and the live preview.

#include "engine/TranscodeWorker.h"
#include "tests/engine/pipeline_fixture.h"
#include "tests/support/FileSizeLimit.h"

#include <csignal>
#include <fstream>

#include <sys/resource.h>

using namespace pipelinetest;

namespace {

class TranscodeRows : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        shared = new testmedia::TempDir;
        testmedia::ClipSpec shape;
        shape.seconds = 2;
        shape.videoSize = "160x120";
        shape.extraArgs = "-c:v libx264 -preset ultrafast -c:a aac";
        ASSERT_TRUE(testmedia::makeClip(clip(), shape));
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
    }
    EXPECT_EQ(job.fileState[4].load(), kRowCompleted);
    EXPECT_EQ(job.currentFile.load(), 5);
}

TEST_F(TranscodeRows, DamagedMiddleStillConvertsWithoutACrash) {
    const std::string ts = dir.file("src.ts");
    ASSERT_TRUE(ffmpeg("-i " + testmedia::shellQuote(clip()) + " -c copy " + testmedia::shellQuote(ts)));
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
    EXPECT_EQ(job.currentFile.load(), 1);
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
    const std::string longClip = dir.file("long.mp4");
    testmedia::ClipSpec shape;
    shape.seconds = 30;
    shape.videoSize = "160x120";
    shape.extraArgs = "-c:v libx264 -preset ultrafast -c:a aac";
    ASSERT_TRUE(testmedia::makeClip(longClip, shape));
    AVConvert job;
    fillJob(job, {longClip, clip()}, {dir.file("stopped.mp4"), dir.file("never.mp4")});
    setClip(job, 0, 0, 30);
    setClip(job, 1, 0, 2);
    WorkerThread worker;
    worker.start(TranscodeWorker, job);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(120);
    while (job.progressPercent.load() < 10 && job.currentFile.load() < 1 && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    job.stopRequested = true;
    worker.join();
    EXPECT_EQ(job.fileState[0].load(), kRowPending);
    EXPECT_EQ(job.fileState[1].load(), kRowPending);
    EXPECT_EQ(job.currentFile.load(), 1) << "the worker ends at the start of the next row";
    EXPECT_FALSE(std::filesystem::exists(dir.file("never.mp4")));
    const auto info = testmedia::probe(dir.file("stopped.mp4"));
    ASSERT_TRUE(info.ok) << "trailer written";
    const double video = streamDuration(dir.file("stopped.mp4"), "v:0");
    EXPECT_GT(video, 0.5);
    EXPECT_LT(video, 25);
    EXPECT_NEAR(streamDuration(dir.file("stopped.mp4"), "a:0"), video, 0.5);
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
