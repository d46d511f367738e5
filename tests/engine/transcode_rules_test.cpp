// The pure rules of the pipelines: frame-rate tables, source-rate fixes, free names.

#include "engine/CodecMap.h"
#include "engine/FrameRate.h"
#include "engine/OutputFile.h"
#include "engine/PictureFilter.h"
#include "engine/TargetSize.h"
#include "engine/VideoPath.h"
#include "tests/support/MediaFixture.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sys/file.h>

extern "C" {
#include <libavutil/display.h>
}

namespace {

bool same(AVRational a, AVRational b) { return a.num == b.num && a.den == b.den; }

struct RateRow {
    double fps;
    AVRational transcode;
    AVRational merge;
};

class TranscodeRateTable : public ::testing::TestWithParam<RateRow> {};

TEST_P(TranscodeRateTable, GivesTheListedTimeBase) {
    const RateRow& row = GetParam();
    const AVRational source{25, 1};
    EXPECT_TRUE(same(framerate::transcodeTimeBase(row.fps, source, false), row.transcode)) << row.fps;
    EXPECT_TRUE(same(framerate::mergeTimeBase(row.fps, source), row.merge)) << row.fps;
}

INSTANTIATE_TEST_SUITE_P(
    EveryRate, TranscodeRateTable,
    ::testing::Values(RateRow{10, {1, 10}, {1, 10}}, RateRow{12, {1, 12}, {1001, 12012}},
                      RateRow{14.985, {1001, 15000}, {1001, 15000}}, RateRow{15, {1, 15}, {1001, 15015}},
                      RateRow{18, {1, 18}, {1, 18}}, RateRow{20, {1, 20}, {1001, 20020}},
                      RateRow{23.975, {1001, 24000}, {1001, 24000}}, RateRow{24, {1, 24}, {1001, 24024}},
                      RateRow{25, {1, 25}, {1001, 25025}}, RateRow{29.97, {1001, 30000}, {1001, 30000}},
                      RateRow{30, {1, 30}, {1001, 30030}}, RateRow{50, {1, 50}, {1, 50}},
                      RateRow{60, {1, 60}, {1, 60}}));

TEST(TranscodeRateRules, ZeroKeepsTheSourceRateInverted) {
    EXPECT_TRUE(same(framerate::transcodeTimeBase(0, {30000, 1001}, false), {1001, 30000}));
    EXPECT_TRUE(same(framerate::mergeTimeBase(0, {24, 1}), {1, 24}));
}

TEST(TranscodeRateRules, RmOutputAlwaysKeepsTheSourceRate) {
    EXPECT_TRUE(same(framerate::transcodeTimeBase(29.97, {25, 1}, true), {1, 25}));
}

TEST(TranscodeRateRules, UnlistedRateHasNoTimeBase) {
    EXPECT_EQ(framerate::transcodeTimeBase(29.9, {25, 1}, false).num, 0);
    EXPECT_EQ(framerate::mergeTimeBase(7, {25, 1}).num, 0);
    // A source without a known rate cannot be kept either.
    EXPECT_EQ(framerate::transcodeTimeBase(0, {0, 0}, false).num, 0);
}

TEST(TranscodeRateRules, RateAboveAThousandIsReadOver1001) {
    EXPECT_TRUE(same(framerate::normaliseSourceRate({90000, 1}), {90000, 1001}));
    EXPECT_EQ(framerate::wholeRate(framerate::normaliseSourceRate({90000, 1})), 89);
    EXPECT_TRUE(same(framerate::normaliseSourceRate({1000, 1}), {1000, 1}));
    EXPECT_TRUE(same(framerate::normaliseSourceRate({30000, 1001}), {30000, 1001}));
}

TEST(TranscodeRateRules, WholeRatesUseIntegerArithmetic) {
    EXPECT_EQ(framerate::wholeRate({30000, 1001}), 29);
    EXPECT_EQ(framerate::ticksPerSecond({1001, 30000}), 29);
    EXPECT_EQ(framerate::ticksPerSecond({1, 25}), 25);
    EXPECT_TRUE(framerate::isOddRate({359, 12}));
    EXPECT_FALSE(framerate::isOddRate({30, 1}));
}

TEST(TranscodeLevelRules, FrameRateComesDownToWhatTheLevelTakes) {
    EXPECT_TRUE(framerate::fitsH264Level(41, 1920, 1080, 30));
    EXPECT_FALSE(framerate::fitsH264Level(41, 1920, 1080, 60)) << "1080p60 needs level 4.2";
    EXPECT_EQ(framerate::rateWithinH264Level(41, 1920, 1080, 60), 30);
    EXPECT_EQ(framerate::rateWithinH264Level(41, 1920, 1080, 50), 25);
    EXPECT_EQ(framerate::rateWithinH264Level(41, 1280, 720, 60), 60);
    EXPECT_EQ(framerate::rateWithinH264Level(30, 720, 480, 30), 30);
    EXPECT_EQ(framerate::rateWithinH264Level(30, 1280, 720, 30), 0) << "the frame alone is beyond level 3.0";
    EXPECT_EQ(framerate::rateWithinH264Level(0, 1920, 1080, 60), 60) << "no cap";
}

// Display matrices as the containers write them: the chain that makes the picture
// upright, and whether width and height trade places.
struct MatrixCase {
    double rotation;  // counter-clockwise degrees, as av_display_rotation_set takes them
    bool hflip, vflip;
    const char* filters;
    bool quarterTurn;
};

class TranscodeOrientation : public ::testing::TestWithParam<MatrixCase> {};

TEST_P(TranscodeOrientation, MatrixGivesTheUprightChain) {
    const MatrixCase& c = GetParam();
    std::int32_t matrix[9];
    av_display_rotation_set(matrix, c.rotation);
    av_display_matrix_flip(matrix, c.hflip, c.vflip);
    const video::Orientation o = video::orientationOf(matrix);
    EXPECT_EQ(o.filters, c.filters);
    EXPECT_EQ(o.quarterTurn, c.quarterTurn);
}

INSTANTIATE_TEST_SUITE_P(Matrices, TranscodeOrientation,
                         ::testing::Values(MatrixCase{0, false, false, "", false},
                                           MatrixCase{90, false, false, "transpose=clock", true},
                                           MatrixCase{-90, false, false, "transpose=cclock", true},
                                           MatrixCase{180, false, false, "hflip,vflip", false},
                                           MatrixCase{0, true, false, "hflip", false},
                                           MatrixCase{0, false, true, "vflip", false}));

TEST(TranscodeShapeRules, WideSourcesFillBroadcastFramesAnamorphically) {
    using namespace codecmap;
    const auto sar = [](int id, int w, int h, double aspect) {
        const AVRational r = video::outputSampleAspect(id, w, h, aspect);
        return std::to_string(r.num) + ":" + std::to_string(r.den);
    };
    EXPECT_EQ(sar(kVideoH264, 720, 480, 16.0 / 9), "32:27");
    EXPECT_EQ(sar(kVideoMpeg2, 720, 480, 4.0 / 3), "8:9");
    EXPECT_EQ(sar(kVideoMpeg2, 720, 576, 16.0 / 9), "64:45");
    EXPECT_EQ(sar(kVideoXvid, 720, 480, 2.35), "32:27");
    EXPECT_EQ(sar(kVideoWmv2, 720, 480, 16.0 / 9), "1:1") << "no sample aspect in WMV";
    EXPECT_EQ(sar(kVideoH264, 480, 272, 4.0 / 3), "1:1") << "not a broadcast frame: bars instead";
}

TEST(TranscodeShapeRules, PictureFitsTheFrameWithBlackBars) {
    // 16:9 into 720x480 square pixels: letterbox of 405 lines (406 on the chroma grid).
    EXPECT_EQ(video::fitInFrame(720, 480, {1, 1}, 16.0 / 9), (video::ActiveArea{0, 36, 720, 406}));
    // 4:3 into the PSP's 480x272: pillarbox.
    EXPECT_EQ(video::fitInFrame(480, 272, {1, 1}, 4.0 / 3), (video::ActiveArea{58, 0, 362, 272}));
    // Portrait 9:16 into 4:3 anamorphic 720x480.
    const video::ActiveArea portrait = video::fitInFrame(720, 480, {8, 9}, 9.0 / 16);
    EXPECT_NEAR(portrait.width * 8.0 / 9 / portrait.height, 9.0 / 16, 0.01);
    // Within 1 %: the frame is filled (no two-line bars for 16:9 in 480x272).
    EXPECT_EQ(video::fitInFrame(480, 272, {1, 1}, 16.0 / 9), (video::ActiveArea{0, 0, 480, 272}));
    EXPECT_NEAR(video::displayAspect(1280, 720, {0, 1}, true), 9.0 / 16, 1e-9);
}

// The preview says where in its 160x120 frame a 16:9 picture lies, so a wider
// window can show that part alone at its shape.
TEST(TranscodeShapeRules, PreviewPictureTellsWhereThePictureLies) {
    ffmpeg::Frame wide = ffmpeg::makeFrame();
    wide->format = AV_PIX_FMT_YUV420P;
    wide->width = 320;
    wide->height = 180;
    video::PreviewPictures pictures;
    ASSERT_TRUE(av_frame_get_buffer(wide.get(), 0) >= 0 && pictures.prepare());
    PreviewPicture shown;
    ASSERT_TRUE(pictures.toPreview(*wide, video::ActiveArea{0, 0, 320, 180}, {1, 1}, shown));
    EXPECT_EQ((video::ActiveArea{shown.areaX, shown.areaY, shown.areaWidth, shown.areaHeight}),
              (video::ActiveArea{0, 14, 160, 90}));
}

class TranscodeFreeName : public ::testing::Test {
protected:
    void touch(const std::string& name, const std::string& content = "keep") {
        std::ofstream(dir.file(name)) << content;
    }
    std::string read(const std::string& name) {
        std::ifstream in(dir.file(name));
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    testmedia::TempDir dir;
    int counter = 7;
};

TEST_F(TranscodeFreeName, FreeNameIsKept) {
    EXPECT_EQ(output::chooseFreeName(dir.file("clip.mp4"), counter, true), dir.file("clip.mp4"));
    EXPECT_EQ(counter, -1);
    EXPECT_TRUE(std::filesystem::exists(dir.file("clip.mp4"))) << "the name is reserved";
}

TEST_F(TranscodeFreeName, TakenNamesCountUpFromZero) {
    touch("clip.mp4");
    touch("clip(0).mp4");
    EXPECT_EQ(output::chooseFreeName(dir.file("clip.mp4"), counter, true), dir.file("clip(1).mp4"));
    EXPECT_EQ(counter, 1);
    EXPECT_EQ(read("clip.mp4"), "keep");
    EXPECT_EQ(read("clip(0).mp4"), "keep");
}

TEST_F(TranscodeFreeName, NameWithoutExtensionKeepsItsWholeStem) {
    std::filesystem::create_directory(dir.file("a.b"));
    touch("a.b/clip");
    EXPECT_EQ(output::chooseFreeName(dir.file("a.b/clip"), counter, false), dir.file("a.b/clip(0)"));
}

// A source may use all 255 bytes a name can have: its output (with "(n)" and
// its ".THM" beside it) is cut to fit, never inside a UTF-8 letter.
TEST_F(TranscodeFreeName, ALongNameIsCutToFitWithItsCounterAndPicture) {
    const std::string stem(253, 'n');
    const std::string fitted = std::string(251, 'n');
    EXPECT_EQ(output::chooseFreeName(dir.file(stem + ".mp4"), counter, true), dir.file(fitted + ".mp4"));
    EXPECT_EQ(output::chooseFreeName(dir.file(stem + ".mp4"), counter, true), dir.file(std::string(248, 'n') + "(0).mp4"));
    std::string letters;
    for (int i = 0; i < 126; ++i) letters += "\xc3\xa9";  // 252 bytes of two-byte letters
    EXPECT_EQ(output::chooseFreeName(dir.file(letters + ".ts"), counter, true), dir.file(letters.substr(0, 250) + ".ts"))
        << "room for .THM, cut between letters";
}

// One run remembers where each name's search ended, so a name wanted by many
// rows is not searched from "(0)" again: a name freed meanwhile is not reused.
TEST_F(TranscodeFreeName, ARunRemembersWhereEachNamesSearchEnded) {
    output::FreeNames names;
    std::vector<std::string> chosen;
    for (int i = 0; i < 3; ++i) chosen.push_back(names.choose(dir.file("clip.mp4"), counter, true).path());
    EXPECT_EQ(chosen, (std::vector<std::string>{dir.file("clip.mp4"), dir.file("clip(0).mp4"), dir.file("clip(1).mp4")}));
    std::filesystem::remove(dir.file("clip(0).mp4"));
    EXPECT_EQ(names.choose(dir.file("clip.mp4"), counter, true).path(), dir.file("clip(2).mp4"));
    EXPECT_EQ(counter, 2);
    EXPECT_EQ(names.choose(dir.file("other.mp4"), counter, true).path(), dir.file("other.mp4"));
}

TEST_F(TranscodeFreeName, ReservationHoldsTheCreatedFileOpen) {
    touch("busy.mp4");
    output::FreeNames names;
    output::Reservation taken = names.choose(dir.file("busy.mp4"), counter, true, true);
    EXPECT_EQ(taken.path(), dir.file("busy(0).mp4"));
    EXPECT_GE(taken.fd(), 0);
    EXPECT_EQ(taken.error(), 0);
    touch("pic.THM");
    EXPECT_EQ(names.choose(dir.file("pic.mp4"), counter, false, true).path(), dir.file("pic(0).mp4"))
        << "a video never lands beside another video's picture";
}

// What a killed run left (its empty name with the unlocked hidden partial, and the
// ".THM" it wrote after) is taken again; a partial still locked by a running writer,
// or an empty file without a partial (someone's), is not.
TEST_F(TranscodeFreeName, AKilledRunsLeftoversAreTakenAgainAndNothingElse) {
    touch("left.mp4", "");
    touch(".left.mp4.korbanix-part", "half an output");
    touch("left.THM", "its picture");
    touch("own.mp4", "");
    output::FreeNames names;
    output::Reservation again = names.choose(dir.file("left.mp4"), counter, true, true);
    EXPECT_EQ(again.path(), dir.file("left.mp4"));
    EXPECT_EQ(read(".left.mp4.korbanix-part"), "") << "a new, empty partial";
    EXPECT_FALSE(std::filesystem::exists(dir.file("left.THM")));
    EXPECT_EQ(names.choose(dir.file("own.mp4"), counter, true).path(), dir.file("own(0).mp4"));
    FILE* running = std::fopen(dir.file(".busy.mp4.korbanix-part").c_str(), "w");
    ASSERT_EQ(flock(fileno(running), LOCK_EX), 0);
    touch("busy.mp4", "");
    EXPECT_EQ(names.choose(dir.file("busy.mp4"), counter, true).path(), dir.file("busy(0).mp4"));
    std::fclose(running);
    again.reset();
    EXPECT_FALSE(std::filesystem::exists(dir.file(".left.mp4.korbanix-part"))) << "an unused partial goes";
    touch(".done.mp4.korbanix-part", "");  // killed as the finished output took its name
    EXPECT_TRUE(output::RemoveLeftPartial(dir.file("done.mp4")));
    EXPECT_FALSE(std::filesystem::exists(dir.file(".done.mp4.korbanix-part")));
}

TEST_F(TranscodeFreeName, CheckWithoutReservingCreatesNothing) {
    EXPECT_EQ(output::chooseFreeName(dir.file("x.avi"), counter, false), dir.file("x.avi"));
    EXPECT_FALSE(std::filesystem::exists(dir.file("x.avi")));
}

}  // namespace

// ---- Fitting into a size ----

// The estimate and its inverse agree, per container; the second pass keeps what the
// first measured of the sound and the container and gives the video the rest.
TEST(TranscodeSizeRules, TheVideoRateFillsWhatTheSoundAndTheContainerLeave) {
    struct Case {
        const char* name;
        const char* muxer;  // what FFmpeg picks for the name
    };
    const Case cases[] = {{"a.mp4", "mp4"}, {".ts", "mpegts"}, {"x.mpg", "mpeg"}, {"x.avi", "avi"}, {"x.wmv", "asf"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const sizing::Overhead overhead = sizing::containerOverhead(c.name);
        EXPECT_GT(overhead.bytesPerSecond, 0) << "measured, not the general figure";
        const double rate = sizing::videoBitRateFor(overhead, 60, 128000, 20e6);
        EXPECT_NEAR(sizing::expectedBytes(overhead, 60, rate, 128000), 20e6, 1);
        EXPECT_LT(rate, 20e6 * 8 / 60 - 128000) << "the container takes its share";
    }
    EXPECT_GT(sizing::containerOverhead(".ts").bytesPerSecond, sizing::containerOverhead(".mp4").bytesPerSecond * 5);
    EXPECT_LE(sizing::videoBitRateFor(sizing::containerOverhead(".mp4"), 60, 3000000, 20e6), 0)
        << "the sound alone takes more than the size";

    const sizing::Overhead ts = sizing::containerOverhead(".ts");
    sizing::PassResult first{60.0, 10e6, 1.2e6, 11.9e6};
    const double second = sizing::secondPassBitRate(ts, first, 20e6);
    const double video = second * 60 / 8;
    const double overheadNow = (first.totalBytes - first.videoBytes - first.audioBytes) +
                               ts.perPayloadByte * (video - first.videoBytes);
    EXPECT_NEAR(video + first.audioBytes + overheadNow, 20e6, 1) << "the sound's measured bytes, not its nominal rate";
    EXPECT_TRUE(sizing::supportsTwoPass("libx264"));
    EXPECT_TRUE(sizing::supportsTwoPass("wmv2"));
    EXPECT_TRUE(sizing::supportsTwoPass("msmpeg4"));
    EXPECT_FALSE(sizing::supportsTwoPass("mjpeg"));
    EXPECT_FALSE(sizing::supportsTwoPass("dvvideo"));
}
