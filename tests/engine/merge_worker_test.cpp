// The Merge worker: rows joined back to back into one output.

#include "engine/MergeWorker.h"
#include "engine/OutputFile.h"
#include "tests/engine/pipeline_fixture.h"
#include "tests/support/FileSizeLimit.h"

#include <csignal>
#include <fstream>

#include <sys/resource.h>

using namespace pipelinetest;

namespace {

// A picture of one flat brightness with a tone: which source a stretch of the
// output came from shows in its luma.
bool makeFlatClip(const std::string& path, double seconds, int luma, const std::string& size = "160x120",
                  int sampleRate = 44100, int channels = 2) {
    return pipelinetest::ffmpeg("-f lavfi -i \"color=c=black:s=" + size + ":r=25:d=" + std::to_string(seconds) + ",geq=lum=" +
                  std::to_string(luma) + ":cb=128:cr=128\" -f lavfi -i sine=frequency=440:sample_rate=" +
                  std::to_string(sampleRate) + ":d=" + std::to_string(seconds) + " -ac " + std::to_string(channels) +
                  " -c:v libx264 -preset ultrafast -c:a aac -shortest " + testmedia::shellQuote(path));
}

// Notes the merge's progress when each row begins.
class ProgressAtRowStart : public RecordingSink {
public:
    explicit ProgressAtRowStart(const AVConvert& job) : m_job(job) {}
    void rowBegins(int row) override {
        RecordingSink::rowBegins(row);
        progress.push_back(m_job.progressPercent.load());
    }
    std::vector<int> progress;

private:
    const AVConvert& m_job;
};

class MergeWorkerTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        shared = new testmedia::TempDir;
        ASSERT_TRUE(makeFlatClip(dark(), 10, 40));
        ASSERT_TRUE(makeFlatClip(bright(), 10, 200));
    }
    static void TearDownTestSuite() { delete shared; }
    static std::string dark() { return shared->file("dark.mp4"); }
    static std::string bright() { return shared->file("bright.mp4"); }

    void merge(AVConvert& job, const std::vector<std::string>& sources, int totalSeconds, const Settings& s = {}) {
        std::vector<std::string> outputs;
        for (std::size_t i = 0; i < sources.size(); ++i) outputs.push_back(dir.file("row" + std::to_string(i) + ".mp4"));
        fillJob(job, sources, outputs, s);
        job.mergeTotalSeconds = totalSeconds;
    }

    static testmedia::TempDir* shared;
    testmedia::TempDir dir;
};
testmedia::TempDir* MergeWorkerTest::shared = nullptr;

TEST_F(MergeWorkerTest, TwoSourcesPlayBackToBack) {
    AVConvert job;
    ProgressAtRowStart sink(job);
    job.previewSink = &sink;
    merge(job, {dark(), bright()}, 20);
    runWorker(MergeWorker, job);
    EXPECT_EQ(job.fileState[0].load(), kRowCompleted);
    EXPECT_EQ(job.fileState[1].load(), kRowCompleted);
    EXPECT_EQ(job.currentFile.load(), 2);
    EXPECT_EQ(job.progressPercent.load(), 100);
    ASSERT_EQ(sink.progress.size(), 2u);
    EXPECT_NEAR(sink.progress[1], 50, 3) << "progress is over the whole merge";

    const std::string out = dir.file("row0.mp4");
    EXPECT_FALSE(std::filesystem::exists(dir.file("row1.mp4"))) << "one output only";
    EXPECT_NEAR(streamDuration(out, "v:0"), 20.0, 0.3);
    EXPECT_NEAR(streamDuration(out, "a:0"), 20.0, 0.3);
    const auto info = testmedia::probe(out);
    ASSERT_TRUE(info.video());
    EXPECT_EQ(info.video()->frameRate, "25/1") << "time base 1001/25025";
    const auto luma = pictureLuma(out);
    ASSERT_GT(luma.size(), 400u);
    for (const auto& [t, y] : luma) {
        if (t < 9.9) {
            ASSERT_NEAR(y, 40, 8) << t;
        } else if (t > 10.1) {
            ASSERT_NEAR(y, 200, 8) << t;
        }
    }
    // The one output gets the one thumbnail; a later row's would be an orphan.
    EXPECT_TRUE(std::filesystem::exists(dir.file("row0.THM")));
    EXPECT_FALSE(std::filesystem::exists(dir.file("row1.THM")));
}

TEST_F(MergeWorkerTest, SoundStaysWithPicturesAcrossRows) {
    ASSERT_TRUE(makeSyncClip(dir.file("a.mp4"), 3, 1.0));
    ASSERT_TRUE(makeSyncClip(dir.file("b.mp4"), 3, 1.0, "30"));
    AVConvert job;
    merge(job, {dir.file("a.mp4"), dir.file("b.mp4")}, 6);
    runWorker(MergeWorker, job);
    ASSERT_EQ(job.fileState[1].load(), kRowCompleted);
    const std::string out = dir.file("row0.mp4");
    const auto flashes = flashTimes(out);
    const auto beeps = beepTimes(out);
    ASSERT_EQ(flashes.size(), 2u);
    ASSERT_EQ(beeps.size(), 2u);
    EXPECT_NEAR(flashes[0], 1.0, 0.05);
    EXPECT_NEAR(flashes[1], 4.0, 0.1);
    EXPECT_NEAR(flashes[0] - beeps[0], 0, 0.05);
    EXPECT_NEAR(flashes[1] - beeps[1], 0, 0.05);
}

// Every beep of a merged output lies within one output frame of a flash.
void expectBeepsOnFlashes(const std::vector<double>& beeps, const std::vector<double>& flashes) {
    for (double beep : beeps) {
        double nearest = 1e9;
        for (double flash : flashes) nearest = std::min(nearest, std::abs(flash - beep));
        EXPECT_LT(nearest, 0.04) << "beep at " << beep;
    }
}

TEST_F(MergeWorkerTest, RowsWithShortOrNoSoundKeepLaterRowsInSync) {
    // No sound first and in the middle, sound a second short of the pictures, sound
    // a second longer than them (its last beep is cut), then a whole row.
    ASSERT_TRUE(makeMarkClip(dir.file("mute.mp4"), 2, 0));
    ASSERT_TRUE(makeMarkClip(dir.file("short.mp4"), 3, 2));
    ASSERT_TRUE(makeMarkClip(dir.file("long.mp4"), 2, 3));
    ASSERT_TRUE(makeMarkClip(dir.file("whole.mp4"), 3, 3));
    AVConvert job;
    merge(job,
          {dir.file("mute.mp4"), dir.file("short.mp4"), dir.file("mute.mp4"), dir.file("long.mp4"),
           dir.file("whole.mp4")},
          12);
    runWorker(MergeWorker, job);
    for (int row = 0; row < 5; ++row) ASSERT_EQ(job.fileState[row].load(), kRowCompleted) << row;
    const std::string out = dir.file("row0.mp4");
    const auto flashes = flashTimes(out);
    const auto beeps = beepTimes(out);
    ASSERT_EQ(flashes.size(), 12u);
    for (std::size_t i = 0; i < flashes.size(); ++i) EXPECT_NEAR(flashes[i], 0.5 + double(i), 0.05) << i;
    ASSERT_EQ(beeps.size(), 7u) << "the missing sound is silence";
    const std::vector<double> expected{2.5, 3.5, 7.5, 8.5, 9.5, 10.5, 11.5};
    for (std::size_t i = 0; i < beeps.size(); ++i) EXPECT_NEAR(beeps[i], expected[i], 0.04) << i;
    expectBeepsOnFlashes(beeps, flashes);
    EXPECT_NEAR(streamDuration(out, "v:0"), 12.0, 0.1);
    EXPECT_NEAR(streamDuration(out, "a:0"), 12.0, 0.1);
}

TEST_F(MergeWorkerTest, ClipTimesCutEachRow) {
    ASSERT_TRUE(makeMarkClip(dir.file("a.mp4"), 3, 3));
    ASSERT_TRUE(makeMarkClip(dir.file("b.mp4"), 3, 3));
    AVConvert job;
    ProgressAtRowStart sink(job);
    job.previewSink = &sink;
    merge(job, {dir.file("a.mp4"), dir.file("b.mp4")}, 3);  // whole seconds of 2.0 + 1.8
    setClip(job, 0, 0.3, 2.3);
    setClip(job, 1, 1.2, 3);
    runWorker(MergeWorker, job);
    ASSERT_EQ(job.fileState[0].load(), kRowCompleted);
    ASSERT_EQ(job.fileState[1].load(), kRowCompleted);
    EXPECT_EQ(job.progressPercent.load(), 100);
    ASSERT_EQ(sink.progress.size(), 2u);
    EXPECT_NEAR(sink.progress[1], 66, 5) << "progress follows the clipped lengths";
    const std::string out = dir.file("row0.mp4");
    EXPECT_NEAR(streamDuration(out, "v:0"), 3.8, 0.1);
    EXPECT_NEAR(streamDuration(out, "a:0"), 3.8, 0.1);
    // Marks at 0.5 and 1.5 of row 0 (from 0.3) and at 1.5 and 2.5 of row 1 (from 1.2, after 2.0 s).
    const std::vector<double> expected{0.2, 1.2, 2.3, 3.3};
    const auto flashes = flashTimes(out);
    const auto beeps = beepTimes(out);
    ASSERT_EQ(flashes.size(), expected.size());
    ASSERT_EQ(beeps.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_NEAR(flashes[i], expected[i], 0.05) << i;
        EXPECT_NEAR(beeps[i], expected[i], 0.02) << i;
    }
    expectBeepsOnFlashes(beeps, flashes);
}

// Each row's own subtitles and sound track, at the row's place in the merge: row 1
// (from its 0.5 s) shows its forced cue of 1.5-2.5 s at 3.0-4.0 s of the output.
TEST_F(MergeWorkerTest, EachRowBurnsItsOwnSubtitlesAndTakesItsOwnSoundTrack) {
    const std::string cues = dir.file("cues.srt"), a = dir.file("a.mkv"), b = dir.file("b.mkv");
    ASSERT_TRUE(writeSubtitleFile(cues, 1.5, 2.5));
    ASSERT_TRUE(makeTracksClip(a, {}));
    TracksShape withCue;
    withCue.subtitles = cues;
    withCue.forced = true;
    ASSERT_TRUE(makeTracksClip(b, withCue));
    AVConvert job;
    Settings s;
    s.width = 320;
    s.height = 240;
    merge(job, {a, b}, 5, s);
    setClip(job, 0, 0, 2);
    setClip(job, 1, 0.5, 3);
    job.audioTracks = {"", "eng"};
    runWorker(MergeWorker, job);
    ASSERT_EQ(job.fileState[0].load(), kRowCompleted);
    ASSERT_EQ(job.fileState[1].load(), kRowCompleted);
    const std::string out = dir.file("row0.mp4");
    EXPECT_EQ(brightPixels(out, 45), 0) << "row 0 has no subtitles (1.8 s)";
    EXPECT_EQ(brightPixels(out, 70), 0) << "before row 1's cue (2.8 s)";
    EXPECT_GT(brightPixels(out, 88), 200) << "row 1's cue (3.5 s)";
    EXPECT_EQ(brightPixels(out, 105), 0) << "after row 1's cue (4.2 s)";
    const std::string second = dir.file("second.wav");
    ASSERT_TRUE(pipelinetest::ffmpeg("-ss 2.5 -i " + testmedia::shellQuote(out) + " -vn " + testmedia::shellQuote(second)));
    const std::string first = dir.file("first.wav");
    ASSERT_TRUE(pipelinetest::ffmpeg("-t 1.5 -i " + testmedia::shellQuote(out) + " -vn " + testmedia::shellQuote(first)));
    EXPECT_NEAR(toneFrequency(first), 440, 22) << "row 0: its default track";
    EXPECT_NEAR(toneFrequency(second), 1000, 50) << "row 1: the track asked for";
}

TEST_F(MergeWorkerTest, DifferentSizesAndRatesMeetTheProfile) {
    ASSERT_TRUE(makeFlatClip(dir.file("big.mp4"), 2, 200, "320x240", 22050, 1));
    ASSERT_TRUE(makeFlatClip(dir.file("small.mp4"), 2, 40, "96x64", 48000, 2));
    AVConvert job;
    Settings s;
    s.width = 176;
    s.height = 144;
    s.sampleRate = 48000;
    merge(job, {dir.file("big.mp4"), dir.file("small.mp4")}, 4, s);
    runWorker(MergeWorker, job);
    ASSERT_EQ(job.fileState[0].load(), kRowCompleted);
    ASSERT_EQ(job.fileState[1].load(), kRowCompleted);
    const std::string out = dir.file("row0.mp4");
    const auto info = testmedia::probe(out);
    ASSERT_TRUE(info.video() && info.audio());
    EXPECT_EQ(info.video()->width, 176);
    EXPECT_EQ(info.video()->height, 144);
    EXPECT_EQ(info.audio()->sampleRate, 48000);
    EXPECT_EQ(info.audio()->channels, 2);
    EXPECT_NEAR(streamDuration(out, "v:0"), 4.0, 0.3);
    EXPECT_NEAR(streamDuration(out, "a:0"), 4.0, 0.3);
    // Both shapes keep their proportions in the 176x144 frame (black bars above and
    // below), so the centre of the picture tells the rows apart.
    const auto luma = measure("movie=" + out + ",crop=iw/2:ih/2,signalstats", "lavfi.signalstats.YAVG");
    ASSERT_FALSE(luma.empty());
    EXPECT_NEAR(luma.front().second, 200, 8);
    EXPECT_NEAR(luma.back().second, 40, 8);
}

// Sound alone and still pictures join a merge as they convert alone: the sound's
// cover (or black) for its whole length, a still for the still length, silence
// under the still, and the rows after them with their sound on their pictures.
struct JoinedShapeCase {
    const char* name;
    std::vector<std::string> rows;  // "sync": 3 s, flash and beep at 1 s; "cover": 2 s of quiet
                                    // sound with a red cover; "song": 2 s without one; "still": a blue PNG
};
void PrintTo(const JoinedShapeCase& c, std::ostream* os) { *os << c.name; }

class MergeShapes : public MergeWorkerTest, public ::testing::WithParamInterface<JoinedShapeCase> {
protected:
    static constexpr double kStillSeconds = 2;
    // The row's file, made on first use; its length in the merge.
    double make(const std::string& shape, std::string& path) {
        path = dir.file(shape + (shape == "cover" ? ".mp3" : shape == "song" ? ".m4a" : shape == "still" ? ".png" : ".mp4"));
        if (std::filesystem::exists(path)) return lengthOf(shape);
        // Quiet enough never to count as a beep.
        const std::string quiet = "-f lavfi -i aevalsrc='0.01*sin(2*PI*440*t)':s=44100:d=2 ";
        bool made = true;
        if (shape == "sync") made = makeSyncClip(path, 3, 1.0);
        if (shape == "still")
            made = pipelinetest::ffmpeg("-f lavfi -i color=c=blue:s=320x240 -frames:v 1 " + testmedia::shellQuote(path));
        if (shape == "song") made = pipelinetest::ffmpeg(quiet + "-c:a aac " + testmedia::shellQuote(path));
        if (shape == "cover") {
            const std::string red = dir.file("red.png");
            made = pipelinetest::ffmpeg("-f lavfi -i color=c=red:s=64x64 -frames:v 1 " + testmedia::shellQuote(red)) &&
                   pipelinetest::ffmpeg(quiet + "-i " + testmedia::shellQuote(red) +
                                        " -map 0 -map 1 -c:a libmp3lame -c:v png -disposition:v attached_pic " +
                                        testmedia::shellQuote(path));
        }
        EXPECT_TRUE(made) << shape;
        return lengthOf(shape);
    }
    static double lengthOf(const std::string& shape) { return shape == "sync" ? 3 : shape == "still" ? kStillSeconds : 2; }
};

TEST_P(MergeShapes, SoundAndStillRowsGetTheirPicturesAndKeepTheRestInSync) {
    const JoinedShapeCase& c = GetParam();
    std::vector<std::string> sources;
    std::vector<double> starts;
    double total = 0;
    for (const std::string& shape : c.rows) {
        std::string path;
        starts.push_back(total);
        total += make(shape, path);
        sources.push_back(path);
    }
    AVConvert job;
    job.stillPictureSeconds = kStillSeconds;
    merge(job, sources, static_cast<int>(total));
    runWorker(MergeWorker, job);
    for (std::size_t row = 0; row < c.rows.size(); ++row)
        ASSERT_EQ(job.fileState[row].load(), kRowCompleted) << row << ": " << job.failureReason(static_cast<int>(row));
    const std::string out = dir.file("row0.mp4");
    const auto info = testmedia::probe(out);
    ASSERT_TRUE(info.video()) << "the sound's and the still's pictures make a video";
    ASSERT_TRUE(info.audio());
    EXPECT_EQ(info.streams.size(), 2u) << "one picture stream and one sound stream, no cover beside them";
    EXPECT_NEAR(streamDuration(out, "v:0"), total, 0.15);
    EXPECT_NEAR(streamDuration(out, "a:0"), total, 0.15);
    std::vector<double> flashesDue;
    for (std::size_t row = 0; row < c.rows.size(); ++row) {
        const std::string& shape = c.rows[row];
        if (shape == "sync") flashesDue.push_back(starts[row] + 1.0);
        const int middle = static_cast<int>((starts[row] + lengthOf(shape) / 2) * 25);
        const auto colour = colourAt(out, middle, 0.5, 0.5);
        if (shape == "cover") {
            EXPECT_TRUE(isRed(colour)) << row << ": the cover";
        } else if (shape == "still") {
            EXPECT_TRUE(isBlue(colour)) << row << ": the still";
        } else if (shape == "song") {
            EXPECT_LT(colour[0] + colour[1] + colour[2], 30) << row << ": black";
        }
    }
    const auto flashes = flashTimes(out);
    const auto beeps = beepTimes(out);
    ASSERT_EQ(flashes.size(), flashesDue.size());
    ASSERT_EQ(beeps.size(), flashesDue.size()) << "the stills are silent";
    for (std::size_t i = 0; i < flashes.size(); ++i) {
        EXPECT_NEAR(flashes[i], flashesDue[i], 0.12) << i;
        EXPECT_NEAR(flashes[i] - beeps[i], 0, 0.05) << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, MergeShapes,
    ::testing::Values(JoinedShapeCase{"SoundWithCoverFirstThenPictures", {"cover", "sync"}},
                      JoinedShapeCase{"StillBetweenTwoClips", {"sync", "still", "sync"}},
                      JoinedShapeCase{"SoundWithoutCoverLast", {"sync", "song"}},
                      JoinedShapeCase{"StillFirst", {"still", "sync"}},
                      JoinedShapeCase{"OnlySoundsAndStills", {"song", "still", "cover"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MergeWorkerTest, WithoutVideoTheLaterRowsSoundIsMerged) {
    testmedia::ClipSpec tone;
    tone.seconds = 2;
    tone.videoSize = "";
    ASSERT_TRUE(testmedia::makeClip(dir.file("tone.m4a"), tone));
    ASSERT_TRUE(makeFlatClip(dir.file("pic.mp4"), 2, 100));
    AVConvert job;
    Settings s;
    s.encodeVideo = false;
    merge(job, {dir.file("tone.m4a"), dir.file("pic.mp4")}, 4, s);
    runWorker(MergeWorker, job);
    EXPECT_EQ(job.fileState[0].load(), kRowCompleted);
    EXPECT_EQ(job.fileState[1].load(), kRowCompleted);
    EXPECT_NEAR(streamDuration(dir.file("row0.mp4"), "a:0"), 4.0, 0.2);
}

TEST_F(MergeWorkerTest, DamagedOrUncheckedRowsFailAndTheOthersMerge) {
    std::ofstream(dir.file("junk.mp4")) << "not media";
    AVConvert job;
    merge(job, {"", dark(), dir.file("junk.mp4"), bright()}, 20);
    runWorker(MergeWorker, job);
    EXPECT_EQ(job.fileState[0].load(), kRowFailed);
    EXPECT_EQ(job.fileState[1].load(), kRowCompleted);
    EXPECT_EQ(job.fileState[2].load(), kRowFailed);
    EXPECT_EQ(job.fileState[3].load(), kRowCompleted);
    // The output is created by the first row that opens, under that row's name.
    EXPECT_FALSE(std::filesystem::exists(dir.file("row0.mp4")));
    const std::string out = dir.file("row1.mp4");
    EXPECT_NEAR(streamDuration(out, "v:0"), 20.0, 0.3);
    EXPECT_NEAR(streamDuration(out, "a:0"), 20.0, 0.3);
}

TEST_F(MergeWorkerTest, TakenNameMovesTheMergedOutput) {
    std::ofstream(dir.file("row0.mp4")) << "keep";
    AVConvert job;
    merge(job, {dark(), bright()}, 20);
    job.outputPaths[0] = dir.file("row0.mp4");
    runWorker(MergeWorker, job);
    EXPECT_EQ(job.outputPaths[0], dir.file("row0(0).mp4"));
    std::ifstream in(dir.file("row0.mp4"));
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "keep");
    EXPECT_NEAR(streamDuration(dir.file("row0(0).mp4"), "v:0"), 20.0, 0.3);

    // What a killed merge left (its empty name, the hidden partial beside it) is no
    // one's: the next merge takes that name again, and nothing hidden stays.
    std::ofstream(dir.file("left.mp4")).flush();
    std::ofstream(output::PartialPathFor(dir.file("left.mp4"))) << "half a merge";
    AVConvert again;
    merge(again, {dark(), bright()}, 20);
    again.outputPaths[0] = dir.file("left.mp4");
    runWorker(MergeWorker, again);
    EXPECT_EQ(again.outputPaths[0], dir.file("left.mp4"));
    EXPECT_NEAR(streamDuration(dir.file("left.mp4"), "v:0"), 20.0, 0.3);
    EXPECT_FALSE(std::filesystem::exists(output::PartialPathFor(dir.file("left.mp4"))));
}

// Each row's encoder works on a thread of its own, a new one with each row's encoder
// (x264 with its own threads behind it, MPEG-4 without).
TEST_F(MergeWorkerTest, StopDuringTheSecondRowLeavesAPlayableFile) {
    for (const int codec : {codecmap::kVideoH264, codecmap::kVideoMpeg4}) {
        SCOPED_TRACE(codec);
        AVConvert job;
        Settings settings;
        settings.videoCodecId = codec;
        merge(job, {dark(), bright(), dark()}, 30, settings);
        const std::string out = dir.file("row0.mp4");
        std::filesystem::remove(out);
        std::filesystem::remove(dir.file("row0.THM"));
        std::filesystem::remove(dir.file("row1.THM"));
        WorkerThread worker;
        worker.start(MergeWorker, job);
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(120);
        while ((job.currentFile.load() < 1 || job.progressPercent.load() < 40) && job.currentFile.load() < 2 &&
               std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        job.stopRequested = true;
        worker.join();
        EXPECT_EQ(job.fileState[0].load(), kRowCompleted);
        EXPECT_EQ(job.fileState[1].load(), kRowStopped);
        EXPECT_EQ(job.fileState[2].load(), kRowPending);
        EXPECT_EQ(job.currentFile.load(), 2) << "the worker ends at the start of the next row";
        ASSERT_TRUE(testmedia::probe(out).ok) << "trailer written at the stop";
        const double video = streamDuration(out, "v:0");
        EXPECT_GT(video, 10.5);
        EXPECT_LT(video, 19.5);
        EXPECT_NEAR(streamDuration(out, "a:0"), video, 0.5);
        const auto luma = pictureLuma(out);
        ASSERT_GT(luma.size(), 250u);
        EXPECT_NEAR(luma.back().second, 200, 8) << "the second row's pictures reached the file";
    }
}

TEST_F(MergeWorkerTest, StopBeforeAnythingWasJoinedLeavesNoFile) {
    AVConvert job;
    merge(job, {dark(), bright()}, 20);
    output::afterReserveHook = [&job](const std::string&) { job.stopRequested = true; };
    runWorker(MergeWorker, job);
    output::afterReserveHook = nullptr;
    EXPECT_EQ(job.fileState[0].load(), kRowPending);
    EXPECT_EQ(job.fileState[1].load(), kRowPending);
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

TEST_F(MergeWorkerTest, TrailerThatDoesNotFitFailsTheJoinedRows) {
    ASSERT_TRUE(makeFlatClip(dir.file("a.mp4"), 1, 60));
    ASSERT_TRUE(makeFlatClip(dir.file("b.mp4"), 1, 90));
    AVConvert whole;
    merge(whole, {dir.file("a.mp4"), dir.file("b.mp4")}, 2);
    whole.outputPaths[0] = dir.file("whole.mp4");
    runWorker(MergeWorker, whole);
    ASSERT_EQ(whole.fileState[1].load(), kRowCompleted);
    const auto size = std::filesystem::file_size(dir.file("whole.mp4"));

    AVConvert job;
    merge(job, {dir.file("a.mp4"), dir.file("b.mp4")}, 2);
    {
        // Room for the pictures and sound but not for the index the trailer writes.
        testmedia::FileSizeLimit limit(size - 100);
        runWorker(MergeWorker, job);
    }
    EXPECT_EQ(job.fileState[0].load(), kRowFailed) << job.failureReason(0);
    EXPECT_EQ(job.fileState[1].load(), kRowFailed);
    EXPECT_NE(job.failureReason(1).find(": File too large"), std::string::npos) << job.failureReason(1);
    EXPECT_EQ(job.currentFile.load(), 2);
    EXPECT_FALSE(std::filesystem::exists(dir.file("row0.mp4"))) << "the broken joined file goes";
    EXPECT_FALSE(std::filesystem::exists(dir.file("row0.THM")));
    // row1.THM is the whole merge's: this run's row 1 took the pair of free names after it.
    EXPECT_FALSE(std::filesystem::exists(dir.file("row1(0).THM")));
}

}  // namespace
