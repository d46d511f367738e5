// The pure rules of the pipelines: frame-rate tables, source-rate fixes, free names.

#include "engine/FrameRate.h"
#include "engine/OutputFile.h"
#include "tests/support/MediaFixture.h"

#include <gtest/gtest.h>

#include <fstream>

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

TEST_F(TranscodeFreeName, CheckWithoutReservingCreatesNothing) {
    EXPECT_EQ(output::chooseFreeName(dir.file("x.avi"), counter, false), dir.file("x.avi"));
    EXPECT_FALSE(std::filesystem::exists(dir.file("x.avi")));
}

}  // namespace
