#include "profiles/JobSetup.h"
#include "profiles/SourcePreferences.h"

#include "engine/AVConvert.h"
#include "engine/CodecMap.h"
#include "profiles/OutputSettings.h"
#include "profiles/OutputSizeGuard.h"
#include "profiles/ProfileTable.h"
#include "profiles/TimeText.h"
#include "profiles/TargetSizeRules.h"
#include "tests/support/MediaFixture.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

TEST(ExtensionFromProfile, EveryProfileNamesItsContainer) {
    const char* expected[kProfileCount] = {".mp4", ".avi", ".avi", ".mp4", ".mpg", ".mpg", ".ts",  ".wmv",
                                           ".wmv", ".mp4", ".mp4", ".mp4", ".mp4", ".wav", ".mp3", ".wma"};
    for (int i = 0; i < kProfileCount; ++i)
        EXPECT_EQ(ExtensionFromProfile(Profiles()[i].displayText), expected[i]) << i;
}

TEST(ExtensionFromProfile, OddTexts) {
    EXPECT_EQ(ExtensionFromProfile("Video(*.a*.mkv)"), ".mkv");       // the last "*" counts
    EXPECT_EQ(ExtensionFromProfile("Video(*.mkv) (x)"), ".mkv");      // up to the first ")" after it
    EXPECT_EQ(ExtensionFromProfile("Video(*.mkv"), "Video(*.mkv");    // no ")": the text unchanged
    EXPECT_EQ(ExtensionFromProfile(".ogg)"), ".ogg");                 // no "*": the whole text is searched
    EXPECT_EQ(ExtensionFromProfile(""), "");
}

TEST(FrameRateFromText, KnowsExactlyTheTwelveTexts) {
    const std::pair<const char*, double> table[] = {
        {"10.0 fps", 10.0},   {"12.0 fps", 12.0}, {"14.985 fps", 14.985}, {"15.0 fps", 15.0},
        {"20.0 fps", 20.0},   {"23.975 fps", 23.975}, {"24.0 fps", 24.0}, {"25.0 fps", 25.0},
        {"29.97 fps", 29.97}, {"30.0 fps", 30.0}, {"50.0 fps", 50.0},     {"60.0 fps", 60.0},
    };
    for (const auto& [text, rate] : table) {
        ASSERT_TRUE(FrameRateFromText(text).has_value()) << text;
        EXPECT_DOUBLE_EQ(*FrameRateFromText(text), rate) << text;
    }
    for (const char* text : {"", "29.97", "29.97fps", "29.97 FPS", "30 fps", " 30.0 fps", "7.0 fps", "23.976 fps"})
        EXPECT_FALSE(FrameRateFromText(text).has_value()) << text;
}

TEST(EncoderNames, MapToTheLegacyCodecIds) {
    using namespace codecmap;
    const std::pair<const char*, int> video[] = {
        {"MPEG4", 13}, {"H.264", 28}, {"H.263", 5},       {"DivX", 17},       {"FLV", 22},
        {"WMV1", 18},  {"WMV2", 19},  {"MPEG1VIDEO", 1}, {"MPEG2VIDEO", 2}, {"DVVIDEO", 25},
        {"RV20", 7},   {"M-JPEG", 8}, {"XVID", 63},
    };
    for (const auto& [name, id] : video) EXPECT_EQ(VideoCodecIdFromName(name), std::optional<int>(id)) << name;
    const std::pair<const char*, int> audio[] = {
        {"AAC", 0x15002},       {"AC3", 0x15003},       {"AMR_NB", 0x12000},  {"MP3", 0x15001},
        {"MP2", 0x15000},       {"WMA7", 0x15007},      {"WMA8", 0x15008},    {"VORBIS", 0x15005},
        {"FLAC", 0x1500E},      {"PCM_S16LE", 0x10000}, {"PCM_S16BE", 0x10001}, {"PCM_S8", 0x10004},
        {"PCM_U8", 0x10005},    {"PCM_MULAW", 0x10006}, {"PCM_ALAW", 0x10007}, {"APE", 0x15023},
    };
    for (const auto& [name, id] : audio) EXPECT_EQ(AudioCodecIdFromName(name), std::optional<int>(id)) << name;
    // Every video name has an encoder in the codec map.
    for (const auto& [name, id] : video) EXPECT_NE(videoEncoderName(id), nullptr) << name;
}

TEST(EncoderNames, AreComparedExactly) {
    for (const char* name : {"h.264", "H264", "mpeg4", "", "H.264 ", "AAC"})
        EXPECT_FALSE(VideoCodecIdFromName(name).has_value()) << name;
    for (const char* name : {"aac", "Mp3", "", "PCM", "H.264"})
        EXPECT_FALSE(AudioCodecIdFromName(name).has_value()) << name;
}

TEST(OutputPathFor, CutsOnlyTheLastExtension) {
    EXPECT_EQ(OutputPathFor("/out", "/home/me/holiday.2010.avi", ".mp4"), "/out/holiday.2010.mp4");
    EXPECT_EQ(OutputPathFor("/out", "/home/me/clip.mkv", ".wav"), "/out/clip.wav");
}

TEST(OutputPathFor, CutsAfterTheLastForwardSlash) {
    EXPECT_EQ(OutputPathFor("/data/OutPut", "/a.b/c.d/film.vob", ".mpg"), "/data/OutPut/film.mpg");
    EXPECT_EQ(OutputPathFor("/out", "film.vob", ".ts"), "/out/film.ts");
    EXPECT_EQ(OutputPathFor("/out/", "/in/film.vob", ".ts"), "/out/film.ts");  // no doubled "/"
    EXPECT_EQ(OutputPathFor("/", "/in/film.vob", ".ts"), "/film.ts");
}

TEST(OutputPathFor, ANameWithoutExtensionKeepsItsWholeName) {
    EXPECT_EQ(OutputPathFor("/out", "/in/holiday", ".mp4"), "/out/holiday.mp4");
    EXPECT_EQ(OutputPathFor("/out", "/in.d/holiday", ".mp4"), "/out/holiday.mp4");
    EXPECT_EQ(OutputPathFor("/out", "/in/.holiday", ".mp4"), "/out/.holiday.mp4");
    EXPECT_EQ(OutputPathFor("/out", "/in/.holiday.avi", ".mp4"), "/out/.holiday.mp4");
    // A backslash is an ordinary character in a file name here.
    EXPECT_EQ(OutputPathFor("/out", "/in/a\\b.avi", ".mp4"), "/out/a\\b.mp4");
}

namespace {

OutputSettings psp() {
    OutputSettings s;
    ResetOutputSettings(s);
    LoadProfile(s, 9);
    return s;
}

}  // namespace

TEST(ApplySettingsToJob, CopiesEveryAppliedValue) {
    AVConvert job;
    OutputSettings s = psp();
    s.channels = 6;  // every profile loads stereo: only another choice shows it is applied
    ApplySettingsToJob(s, job);
    EXPECT_TRUE(job.encodeVideo);
    EXPECT_EQ(job.thumbnailMode, 1);
    EXPECT_EQ(job.outputWidth, 480);
    EXPECT_EQ(job.outputHeight, 272);
    EXPECT_DOUBLE_EQ(job.outputFrameRate, 29.97);
    EXPECT_EQ(job.videoBitRate, 768000);
    EXPECT_EQ(job.videoCodecId, codecmap::kVideoH264);
    EXPECT_EQ(job.audioCodecId, codecmap::kAudioAac);
    EXPECT_EQ(job.audioSampleRate, 48000);
    EXPECT_EQ(job.audioChannels, 6);
    EXPECT_EQ(job.audioBitRate, 128000);
    EXPECT_EQ(job.targetSizeBytes, 0);
    s.targetSizeBytes = 700000000;
    ApplySettingsToJob(s, job);
    EXPECT_EQ(job.targetSizeBytes, 700000000);
    s.audioOnly = true;  // a sound file's size follows its bit rate
    ApplySettingsToJob(s, job);
    EXPECT_EQ(job.targetSizeBytes, 0);
}

TEST(ApplySettingsToJob, H264RateComesDownToTheDevicesLevel) {
    OutputSettings s;
    LoadProfile(s, 3);  // PS3 H.264 HD: level 4.1
    s.width = 1920;
    s.height = 1080;
    s.frameRateText = "60.0 fps";
    AVConvert job;
    ApplySettingsToJob(s, job);
    EXPECT_EQ(job.h264LevelCap, 41);
    EXPECT_DOUBLE_EQ(job.outputFrameRate, 30) << "1080p60 would need level 4.2";
    s.frameRateText = "29.97 fps";
    ApplySettingsToJob(s, job);
    EXPECT_DOUBLE_EQ(job.outputFrameRate, 29.97);
    EXPECT_EQ(H264LevelCapFor(91300), 30);
    EXPECT_EQ(H264LevelCapFor(91302), 21);
    s.videoEncoder = "MPEG2VIDEO";
    s.frameRateText = "60.0 fps";
    ApplySettingsToJob(s, job);
    EXPECT_EQ(job.h264LevelCap, 0) << "only H.264 has these levels";
    EXPECT_DOUBLE_EQ(job.outputFrameRate, 60);
}

TEST(ApplySettingsToJob, AudioOnlyOutputHasNoVideoAndNoThumbnail) {
    OutputSettings s = psp();
    LoadProfile(s, 13);
    AVConvert job;
    ApplySettingsToJob(s, job);
    EXPECT_FALSE(job.encodeVideo);
    EXPECT_EQ(job.thumbnailMode, -1);
    EXPECT_EQ(job.audioCodecId, codecmap::kAudioPcmS16le);
    EXPECT_EQ(job.audioSampleRate, 44100);
}

TEST(ApplySettingsToJob, TextsOutsideTheTablesKeepThePreviousValues) {
    AVConvert job;
    job.outputFrameRate = 12.5;
    job.videoCodecId = 27;  // what a probe of an H.264 source leaves
    job.audioCodecId = 86018;
    OutputSettings s = psp();
    s.frameRateText = "29.970 fps";
    s.videoEncoder = "h.264";
    s.audioEncoder = "Opus";
    ApplySettingsToJob(s, job);
    EXPECT_DOUBLE_EQ(job.outputFrameRate, 12.5);
    EXPECT_EQ(job.videoCodecId, 27);
    EXPECT_EQ(job.audioCodecId, 86018);
    // The rest is still applied.
    EXPECT_EQ(job.outputWidth, 480);
}

namespace {

std::vector<TaskRow> threeRows() {
    return {
        {"/in/first.mkv", "00:00:05", "00:01:10", true, "", "", ""},
        {"/in/skipped.mkv", "00:00:00", "00:00:30", false, "", "", ""},
        {"/in/holiday.2010.avi", "01:00:00", "01:02:05", true, "", "", ""},
    };
}

void dirtyExchange(AVConvert& job) {
    job.currentFile = 7;
    job.progressPercent = 55;
    job.stopRequested = true;
    for (auto& state : job.fileState) state = kRowCompleted;
}

}  // namespace

// The clip editor sets times to the tenth of a second; the run must cut there,
// not at the whole second before.
TEST(FillJob, ClipTimesKeepTheirTenths) {
    AVConvert job;
    std::vector<TaskRow> rows = threeRows();
    rows[0].startText = "00:00:05.4";
    rows[0].endText = "00:01:10.7";
    FillJob(job, rows, psp(), "/out", ".mp4", JobKind::Convert);
    EXPECT_NEAR(job.clipBegin[0], 5.4, 1e-9);
    EXPECT_NEAR(job.clipEnd[0], 70.7, 1e-9);
    EXPECT_NEAR(job.clipLength[0], 65.3, 1e-9);
}

TEST(FillJob, ConvertFillsCheckedRowsAndResetsTheExchange) {
    AVConvert job;
    dirtyExchange(job);
    job.clipLength[1] = 99;
    FillJob(job, threeRows(), psp(), "/out", ".mp4", JobKind::Convert);

    EXPECT_EQ(job.fileCount, 3);
    EXPECT_EQ(job.checkedCount, 2);
    ASSERT_EQ(job.sourcePaths.size(), 3u);
    ASSERT_EQ(job.outputPaths.size(), 3u);
    EXPECT_EQ(job.sourcePaths[0], "/in/first.mkv");
    EXPECT_EQ(job.sourcePaths[1], "");
    EXPECT_EQ(job.sourcePaths[2], "/in/holiday.2010.avi");
    EXPECT_EQ(job.outputPaths[0], "/out/first.mp4");
    EXPECT_EQ(job.outputPaths[1], "");
    EXPECT_EQ(job.outputPaths[2], "/out/holiday.2010.mp4");
    EXPECT_DOUBLE_EQ(job.clipBegin[0], 5);
    EXPECT_DOUBLE_EQ(job.clipEnd[0], 70);
    EXPECT_DOUBLE_EQ(job.clipLength[0], 65);
    EXPECT_DOUBLE_EQ(job.clipBegin[2], 3600);
    EXPECT_DOUBLE_EQ(job.clipEnd[2], 3725);
    EXPECT_DOUBLE_EQ(job.clipLength[2], 125);
    EXPECT_DOUBLE_EQ(job.clipLength[1], 99);  // an unchecked row is not touched

    EXPECT_EQ(job.currentFile.load(), -1);
    EXPECT_EQ(job.progressPercent.load(), 0);
    EXPECT_FALSE(job.stopRequested.load());
    for (int i = 0; i < 3; ++i) EXPECT_EQ(job.fileState[i].load(), kRowPending) << i;

    EXPECT_EQ(job.videoCodecId, codecmap::kVideoH264);
    EXPECT_EQ(job.outputWidth, 480);
    EXPECT_EQ(job.thumbnailMode, 1);
}

TEST(FillJob, MergeSumsTheCheckedClipLengths) {
    AVConvert job;
    job.mergeTotalSeconds = 1000;
    job.clipLength[0] = 42;
    FillJob(job, threeRows(), psp(), "/out", ".mp4", JobKind::Merge);
    EXPECT_EQ(job.mergeTotalSeconds, 65 + 125);
    EXPECT_DOUBLE_EQ(job.clipLength[0], 42);  // Merge measures progress by the total only
    EXPECT_EQ(job.outputPaths[0], "/out/first.mp4");
    EXPECT_EQ(job.outputPaths[2], "/out/holiday.2010.mp4");
    EXPECT_EQ(job.checkedCount, 2);
}

TEST(FillJob, ANameWithoutExtensionStillGetsAnOutput) {
    AVConvert job;
    FillJob(job, {{"/in/recording", "00:00:00", "00:00:03", true, "", "", ""}}, psp(), "/out", ".mp4", JobKind::Convert);
    EXPECT_EQ(job.outputPaths[0], "/out/recording.mp4");
}

TEST(FillJob, ARowWithItsFolderIsWrittenThatFarBelowTheOutputFolderExceptInAMerge) {
    AVConvert job;
    const std::vector<TaskRow> rows{{"/lib/Season 1/01.mkv", "00:00:00", "00:00:03", true, "", "", "Season 1"},
                                    {"/lib/Season 1/Extras/b.mkv", "00:00:00", "00:00:03", true, "", "", "Season 1/Extras"},
                                    {"/in/top.mkv", "00:00:00", "00:00:03", true, "", "", ""}};
    FillJob(job, rows, psp(), "/out/", ".mp4", JobKind::Convert);
    EXPECT_EQ(job.outputPaths[0], "/out/Season 1/01.mp4");
    EXPECT_EQ(job.outputPaths[1], "/out/Season 1/Extras/b.mp4");
    EXPECT_EQ(job.outputPaths[2], "/out/top.mp4");
    FillJob(job, rows, psp(), "/out", ".mp4", JobKind::Merge);
    EXPECT_EQ(job.outputPaths[0], "/out/01.mp4") << "one joined file, in the output folder";
}

TEST(FillJob, ASecondShorterListResizesTheTables) {
    AVConvert job;
    FillJob(job, threeRows(), psp(), "/out", ".mp4", JobKind::Convert);
    FillJob(job, {{"/in/one.mkv", "00:00:00", "00:00:03", true, "", "", ""}}, psp(), "/o2", ".avi", JobKind::Convert);
    EXPECT_EQ(job.fileCount, 1);
    EXPECT_EQ(job.checkedCount, 1);
    ASSERT_EQ(job.sourcePaths.size(), 1u);
    EXPECT_EQ(job.outputPaths[0], "/o2/one.avi");
}

TEST(FillJob, NeverWritesPastTheRowTables) {
    AVConvert job;
    std::vector<TaskRow> rows(AVConvert::kMaxRows + 5, TaskRow{"/in/x.avi", "00:00:00", "00:00:01", true, "", "", ""});
    FillJob(job, rows, psp(), "/out", ".mp4", JobKind::Merge);
    EXPECT_EQ(job.fileCount, AVConvert::kMaxRows);
    EXPECT_EQ(job.checkedCount, AVConvert::kMaxRows);
    EXPECT_EQ(job.mergeTotalSeconds, AVConvert::kMaxRows);
    EXPECT_EQ(job.sourcePaths.size(), static_cast<std::size_t>(AVConvert::kMaxRows));
}

TEST(FillJob, AnEmptyListGivesAnEmptyJob) {
    AVConvert job;
    FillJob(job, {}, psp(), "/out", ".mp4", JobKind::Convert);
    EXPECT_EQ(job.fileCount, 0);
    EXPECT_EQ(job.checkedCount, 0);
    EXPECT_TRUE(job.sourcePaths.empty());
}

// ---- Target size ----

TEST(TargetSize, TextsReadAsDecimalOrBinarySizes) {
    struct Case {
        const char* text;
        std::optional<std::int64_t> bytes;
    };
    const Case cases[] = {
        {"700M", 700000000},     {"700 MB", 700000000}, {"700mb", 700000000},   {"700", 700000000},
        {"1.4G", 1400000000},    {"1.4 GB", 1400000000}, {"650 MiB", 681574400}, {"2 GiB", 2147483648},
        {"700000 kB", 700000000}, {"", 0},               {"none", 0},           {"big", std::nullopt},
        {"-5M", std::nullopt},   {"0", std::nullopt},   {"7 MHz", std::nullopt}, {"1e3M", std::nullopt},
        {"M", std::nullopt},     {"99999999 GB", std::nullopt}, {"1,5G", 1500000000}, {"0,7 GB", 700000000},
        {"1,000 MB", std::nullopt}, {"1,5,5G", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(ParseTargetSize(c.text), c.bytes) << c.text;
    EXPECT_EQ(TargetSizeText(700000000), "700 MB");
    EXPECT_EQ(TargetSizeText(681574400), "681.574 MB");
    EXPECT_EQ(TargetSizeText(0), "");
    EXPECT_EQ(ParseTargetSize(TargetSizeText(681574400)), 681574000);
}

namespace {

std::vector<TaskRow> RowsOf(std::initializer_list<int> seconds) {
    std::vector<TaskRow> rows;
    for (int s : seconds) rows.push_back(TaskRow{"/v/clip" + std::to_string(s) + ".mkv", "00:00:00", FormatTime(s), true, "", "", ""});
    return rows;
}

OutputSettings Profile(int index, std::int64_t target) {
    OutputSettings s;
    ResetOutputSettings(s);
    LoadProfile(s, index);
    s.targetSizeBytes = target;
    return s;
}

}  // namespace

// Sizes each profile cannot meet are refused with the reason: too small for the
// least its pictures need, too fast for its device, too large for its storage.
TEST(TargetSize, SizesAProfileCannotMeetAreRefusedWithTheReason) {
    struct Case {
        int profile;
        std::int64_t target;
        int seconds;
        JobKind kind;
        const char* reason;  // "" = accepted
    };
    const Case cases[] = {
        {0, 5000000, 30, JobKind::Convert, ""},
        {0, 5000000, 120, JobKind::Convert,
         "The target size of 5 MB is too small for \"v/clip120.mkv\" (00:02:00 long): its video would get 134 kbps, "
         "below the 155 kbps this profile needs."},
        // The least a picture needs follows its size, rate and codec: a 2 h film of
        // 700 MB fits H.264 at 720x480 and 1280x720; DivX needs twice H.264's.
        {0, 700000000, 7200, JobKind::Convert, ""},
        {3, 700000000, 7200, JobKind::Convert, ""},
        {3, 5000000, 60, JobKind::Convert, ""},
        {1, 5000000, 60, JobKind::Convert, "below the 829 kbps this profile needs"},
        {9, 5000000, 120, JobKind::Convert, ""},  // the PSP's pictures need less
        {9, 1000000, 120, JobKind::Convert, "is too small for \"v/clip120.mkv\""},
        {0, 4000000000, 10, JobKind::Convert,
         "The target size of 4000 MB is too large for \"v/clip10.mkv\" (00:00:10 long): its video would need"},
        {11, 100000000, 120, JobKind::Convert, "above the 4000 kbps the PSP at H.264 level 2.1 plays"},
        {4, 100000000, 120, JobKind::Convert, ""},
        {4, 100000000, 40, JobKind::Convert, "above the 15000 kbps the PS3 in MPEG-2 Main profile plays"},
        // Every codec the device plays has its ceiling, not H.264's alone.
        {2, 100000000, 60, JobKind::Convert, "above the 4854 kbps the PS3 in DivX Home Theater profile plays"},
        {1, 100000000, 60, JobKind::Convert, "above the 9708 kbps the PS3 in DivX HD 720p profile plays"},
        {7, 200000000, 60, JobKind::Convert, "above the 20000 kbps the PS3 in WMV Main profile plays"},
        {12, 50000000, 60, JobKind::Convert, "above the 4000 kbps the PSP in MPEG-4 Simple profile plays"},
        {2, 5000000000, 3600, JobKind::Convert, "more than a file on the PS3's FAT32 storage can hold"},
        {14, 5000000, 60, JobKind::Convert, "A target size is for video outputs"},
        {0, 20000000, 100, JobKind::Merge, ""},
        {0, 2000000, 100, JobKind::Merge, "too small for the merged output (00:01:40 long)"},
        {0, 0, 100000, JobKind::Convert, ""},  // no target size, nothing to refuse
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.profile) + " " + std::to_string(c.target) + " " + std::to_string(c.seconds));
        const std::vector<TaskRow> rows = c.kind == JobKind::Merge ? RowsOf({c.seconds / 2, c.seconds / 2}) : RowsOf({c.seconds});
        const OutputSettings settings = Profile(c.profile, c.target);
        const std::string extension = ProfileExtension(Profiles()[c.profile].code);
        // A Convert's rows are judged one by one; what no row can meet refuses the run.
        std::string refusal = TargetSizeRefusal(rows, c.kind, settings, extension);
        if (refusal.empty() && c.kind == JobKind::Convert)
            refusal = TargetSizeRowRefusals(rows, settings, extension)[0];
        if (!*c.reason) EXPECT_EQ(refusal, "");
        else EXPECT_NE(refusal.find(c.reason), std::string::npos) << refusal;
    }
}

// A length a target size does not suit fails that row only, named with its folder
// (two rows may have one name); the run and the other rows go on.
TEST(TargetSize, ARowTheSizeDoesNotSuitIsRefusedAloneAndNamedWithItsFolder) {
    std::vector<TaskRow> rows = RowsOf({30, 120, 120, 30});
    rows[1].sourcePath = "/tv/Season 1/Episode 1.mkv";
    rows[2].sourcePath = "/tv/Season 2/Episode 1.mkv";
    rows[2].checked = false;
    const OutputSettings settings = Profile(0, 5000000);
    EXPECT_EQ(TargetSizeRefusal(rows, JobKind::Convert, settings, ".mp4"), "");
    AVConvert job;
    FillJob(job, rows, settings, "/out", ".mp4", JobKind::Convert);
    ASSERT_EQ(job.refusedRows.size(), 4u);
    EXPECT_EQ(job.refusedRows[0], "");
    EXPECT_TRUE(job.refusedRows[1].starts_with("The target size of 5 MB is too small for \"Season 1/Episode 1.mkv\""))
        << job.refusedRows[1];
    EXPECT_EQ(job.refusedRows[2], "") << "not checked";
    EXPECT_EQ(job.refusedRows[3], "");
    FillJob(job, rows, settings, "/out", ".mp4", JobKind::Merge);
    EXPECT_TRUE(job.refusedRows.empty()) << "a merge is refused as a whole";
    EXPECT_NE(TargetSizeRefusal(rows, JobKind::Merge, settings, ".mp4").find("the merged output"), std::string::npos);
}

// The FAT32 guard expects what the conversion makes: the target size when there is
// one, else the bit rates with the container's measured overhead.
TEST(TargetSize, TheFat32GuardExpectsTheSameSize) {
    OutputSettings s = Profile(6, 0);  // MPEG-2 in a transport stream: a large overhead
    const double plain = (6000000.0 + 128000.0) / 8 * 3600;
    EXPECT_GT(ExpectedOutputBytes(s, 3600), plain * 1.02) << "TS packets cost more than 2 %";
    EXPECT_LT(ExpectedOutputBytes(s, 3600, ".mp4"), ExpectedOutputBytes(s, 3600, ".ts"));
    s.targetSizeBytes = 700000000;
    EXPECT_DOUBLE_EQ(ExpectedOutputBytes(s, 3600), 700000000.0);
    EXPECT_FALSE(FindFat32Excess(RowsOf({36000}), JobKind::Convert, s)) << "a fitted output is its size, however long";
    s.targetSizeBytes = 5000000000;
    EXPECT_TRUE(FindFat32Excess(RowsOf({60}), JobKind::Convert, s));
}

// A video kept as it is has the bytes it has: the guard expects the kept streams'
// own bit rate for the row's clip, not the profile's rates.
TEST(TargetSize, TheFat32GuardExpectsAKeptVideoAtItsOwnRate) {
    testmedia::TempDir dir;
    const std::string small = dir.file("small.mkv"), large = dir.file("large.mkv");
    const std::string h264 = " -c:v libx264 -preset ultrafast -profile:v high -level 4.1 -pix_fmt yuv420p ";
    // Tiny test pictures take a few dozen kbit/s; noise at 8 Mbit/s takes them all.
    ASSERT_EQ(testmedia::runCommand("ffmpeg -nostdin -v error -y -f lavfi -i testsrc2=size=64x48:rate=25:duration=2" +
                                    h264 + testmedia::shellQuote(small)), 0);
    ASSERT_EQ(testmedia::runCommand("ffmpeg -nostdin -v error -y -f lavfi -i \"nullsrc=size=320x240:rate=25:duration=2,"
                                    "geq=random(1)*255:128:128\"" + h264 + "-b:v 8M " + testmedia::shellQuote(large)),
              0);
    const auto row = [](const std::string& path, int hours, int begin = 0) {
        return TaskRow{path, FormatTime(begin), FormatTime(hours * 3600), true, "", "", ""};
    };
    OutputSettings s = Profile(0, 0);  // 2000 + 192 kbps: 5 hours pass 4 GiB, 4 hours fit
    EXPECT_TRUE(FindFat32Excess({row(small, 5)}, JobKind::Convert, s));
    EXPECT_FALSE(FindFat32Excess({row(large, 4)}, JobKind::Convert, s));
    s.copyCompatible = true;
    EXPECT_FALSE(FindFat32Excess({row(small, 5)}, JobKind::Convert, s)) << "kept at its own few kbit/s";
    const std::optional<Fat32Excess> excess = FindFat32Excess({row(large, 4)}, JobKind::Convert, s);
    ASSERT_TRUE(excess) << "kept at its own 8 Mbit/s";
    EXPECT_GT(excess->bytes, 5e9) << "4 hours at 8 Mbit/s";
    EXPECT_FALSE(FindFat32Excess({row(large, 4, 7 * 1800)}, JobKind::Convert, s)) << "half an hour of it is clipped";
    EXPECT_TRUE(FindFat32Excess({row(large, 2), row(small, 2)}, JobKind::Merge, s));
    EXPECT_FALSE(FindFat32Excess({row(small, 5), row(small, 5)}, JobKind::Merge, s));
    s.exactCut = true;
    EXPECT_TRUE(FindFat32Excess({row(small, 6, 1)}, JobKind::Convert, s)) << "an exact cut converts";
}

TEST(SourcePreferences, TextsAreReadWholeAndTheListsKeepWhatIsStored) {
    EXPECT_EQ(PreferredLanguageFromText(""), "");
    EXPECT_EQ(PreferredLanguageFromText("GER"), "ger");
    EXPECT_EQ(PreferredLanguageFromText("de"), "de");
    for (const char* bad : {"d", "english", "d1", "de ", "-de"}) EXPECT_FALSE(PreferredLanguageFromText(bad)) << bad;
    EXPECT_EQ(StillSecondsFromText("1"), 1);
    EXPECT_EQ(StillSecondsFromText("3600"), 3600);
    for (const char* bad : {"", "0", "3601", "5s", " 5", "-5", "2.5", "99999"}) EXPECT_FALSE(StillSecondsFromText(bad)) << bad;

    const auto languages = LanguageEntries("", "de");
    EXPECT_EQ(languages.front().text, "Desktop's: German");
    EXPECT_EQ(languages.front().value, "");
    EXPECT_EQ(LanguageEntries("", "").front().text, "Desktop's: none");
    EXPECT_EQ(LanguageEntries("", "xx").front().text, "Desktop's: xx");
    EXPECT_EQ(EntryIndexFor(languages, "deu", true), EntryIndexFor(languages, "ger", true)) << "one language, two codes";
    EXPECT_EQ(languages[static_cast<std::size_t>(EntryIndexFor(languages, "ja", true))].text, "Japanese (jpn)");
    EXPECT_EQ(LanguageEntries("tlh", "de").back().value, "tlh") << "a stored code the table lacks";
    EXPECT_EQ(LanguageEntries("ja", "de").size(), languages.size()) << "a known language in another form";

    const auto lengths = StillSecondsEntries(7);
    std::vector<std::string> texts;
    for (const auto& entry : lengths) texts.push_back(entry.text);
    EXPECT_EQ(texts, (std::vector<std::string>{"1 s", "2 s", "3 s", "5 s", "7 s", "10 s", "15 s", "20 s", "30 s", "60 s"}));
    EXPECT_EQ(StillSecondsEntries(5).size(), 9u);
    EXPECT_EQ(EntryIndexFor(lengths, "7", false), 4);

    AVConvert job;
    ApplySourcePreferences(SourcePreferences{"jpn", 12}, job);
    EXPECT_EQ(job.preferredLanguage, "jpn");
    EXPECT_EQ(job.stillPictureSeconds, 12);
}
