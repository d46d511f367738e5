#include "profiles/DeviceLimits.h"
#include "profiles/OutputSettings.h"
#include "profiles/ProfileTable.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// What each entry must load, written out independently of the table under test.
struct Expected {
    const char* text;
    int code;
    const char* video;
    int width, height;
    const char* rate;
    int videoBitRate;
    const char* audio;
    int sampleRate, channels, audioBitRate;
};

constexpr Expected kExpected[kProfileCount] = {
    {" PS3 H.264 Video(*.mp4)", 91200, "H.264", 720, 480, "29.97 fps", 2000000, "AAC", 48000, 2, 192000},
    {" PS3 DivX HD Video(*.avi)", 91202, "DivX", 1280, 720, "29.97 fps", 5000000, "MP3", 48000, 2, 192000},
    {" PS3 DivX Video(*.avi)", 91201, "DivX", 720, 480, "29.97 fps", 2500000, "MP3", 48000, 2, 128000},
    {" PS3 H.264 HD Video(*.mp4)", 91203, "H.264", 1280, 720, "29.97 fps", 4000000, "AAC", 48000, 2, 128000},
    {" PS3 MPEG2 Video(*.mpg)", 91204, "MPEG2VIDEO", 720, 480, "29.97 fps", 3000000, "MP2", 48000, 2, 128000},
    {" PS3 MPEG2-PS HD Video(*.mpg)", 91205, "MPEG2VIDEO", 1280, 720, "29.97 fps", 6000000, "MP2", 48000, 2, 128000},
    {" PS3 MPEG2-TS HD Video(*.ts)", 91206, "MPEG2VIDEO", 1280, 720, "29.97 fps", 6000000, "MP2", 48000, 2, 128000},
    {" PS3 WMV HD Video(*.wmv)", 91207, "WMV2", 1280, 720, "29.97 fps", 4000000, "WMA8", 44100, 2, 128000},
    {" PS3 WMV Video(*.wmv)", 91208, "WMV2", 720, 480, "29.97 fps", 2000000, "WMA8", 44100, 2, 128000},
    {" PSP H.264 Video(*.mp4)", 91300, "H.264", 480, 272, "29.97 fps", 768000, "AAC", 48000, 2, 128000},
    {" PSP H.264 Video for TV(*.mp4)", 91301, "H.264", 720, 480, "29.97 fps", 2000000, "AAC", 48000, 2, 128000},
    {" PSP H.264 Video for firmware 2.00 and above(*.mp4)", 91302, "H.264", 368, 208, "29.97 fps", 512000, "AAC",
     48000, 2, 128000},
    {" PSP  MPEG4 Video(*.mp4)", 91303, "MPEG4", 368, 208, "29.97 fps", 2000000, "AAC", 48000, 2, 128000},
    {" WAV -Waveform Audio(*.wav)", 90702, nullptr, 0, 0, nullptr, 0, "PCM_S16LE", 44100, 2, 128000},
    {" MP3 -MPEG Layer-3 Audio(*.mp3)", 90106, nullptr, 0, 0, nullptr, 0, "MP3", 44100, 2, 128000},
    {" WMA -Windows Media Audio(*.wma)", 90110, nullptr, 0, 0, nullptr, 0, "WMA8", 44100, 2, 128000},
};

// Settings whose every field differs from anything a profile loads, so a field a
// profile forgets to set (or sets although it should keep it) shows.
OutputSettings oddSettings() {
    OutputSettings s;
    s.profileCode = 1;
    s.audioOnly = true;
    s.makeThumbnail = false;
    s.width = 11;
    s.height = 13;
    s.frameRateText = "7.0 fps";
    s.videoBitRate = 17;
    s.videoEncoder = "FLV";
    s.audioEncoder = "FLAC";
    s.sampleRate = 19;
    s.channels = 6;
    s.audioBitRate = 23;
    return s;
}

class ProfileRow : public ::testing::TestWithParam<int> {};

}  // namespace

TEST_P(ProfileRow, LoadsItsParameterSetAndKeepsWhatItLeavesOpen) {
    const int index = GetParam();
    const Expected& want = kExpected[index];
    EXPECT_EQ(Profiles()[index].displayText, want.text);

    OutputSettings s = oddSettings();
    LoadProfile(s, index);
    const bool audioOnly = want.video == nullptr;
    EXPECT_EQ(s.profileCode, want.code);
    EXPECT_EQ(s.audioOnly, audioOnly);
    EXPECT_EQ(s.makeThumbnail, !audioOnly);
    EXPECT_EQ(s.videoEncoder, audioOnly ? "FLV" : want.video);
    EXPECT_EQ(s.width, audioOnly ? 11 : want.width);
    EXPECT_EQ(s.height, audioOnly ? 13 : want.height);
    EXPECT_EQ(s.frameRateText, audioOnly ? "7.0 fps" : want.rate);
    EXPECT_EQ(s.videoBitRate, audioOnly ? 17 : want.videoBitRate);
    EXPECT_EQ(s.audioEncoder, want.audio);
    EXPECT_EQ(s.sampleRate, want.sampleRate);
    EXPECT_EQ(s.channels, want.channels);
    EXPECT_EQ(s.audioBitRate, want.audioBitRate);
    // The confirmed choices belong to the settings dialog: a profile never touches them.
    const OutputSettings fresh;
    EXPECT_EQ(s.confirmedProfileCode, fresh.confirmedProfileCode);
    EXPECT_EQ(s.resolutionChoice, fresh.resolutionChoice);
    EXPECT_EQ(s.audioEncoderChoice, fresh.audioEncoderChoice);
}

INSTANTIATE_TEST_SUITE_P(AllSixteen, ProfileRow, ::testing::Range(0, kProfileCount));

TEST(ProfileTable, DisplayTextsKeepTheirBlanks) {
    for (const auto& entry : Profiles()) {
        ASSERT_FALSE(entry.displayText.empty());
        EXPECT_EQ(entry.displayText[0], ' ') << entry.displayText;
        EXPECT_NE(entry.displayText[1], ' ') << entry.displayText;
        EXPECT_EQ(entry.displayText.back(), ')') << entry.displayText;
    }
    EXPECT_EQ(Profiles()[12].displayText.substr(0, 6), " PSP  ");
    EXPECT_EQ(Profiles()[11].displayText.substr(0, 5), " PSP ");
    EXPECT_NE(Profiles()[11].displayText[5], ' ');
}

TEST(ProfileTable, CodesAreDistinctAndTheTwoHdMpeg2EntriesShareTheirParameters) {
    const auto& p = Profiles();
    for (int i = 0; i < kProfileCount; ++i)
        for (int j = i + 1; j < kProfileCount; ++j) EXPECT_NE(p[i].code, p[j].code) << i << " " << j;
    OutputSettings ps, ts;
    LoadProfile(ps, 5);
    LoadProfile(ts, 6);
    EXPECT_EQ(ps.videoEncoder, ts.videoEncoder);
    EXPECT_EQ(ps.width, ts.width);
    EXPECT_EQ(ps.videoBitRate, ts.videoBitRate);
    EXPECT_EQ(ps.audioEncoder, ts.audioEncoder);
    EXPECT_NE(ps.profileCode, ts.profileCode);
}

TEST(LoadProfile, AudioProfileAfterAnHdVideoProfileKeepsTheVideoFields) {
    OutputSettings s;
    LoadProfile(s, 3);
    LoadProfile(s, 14);
    EXPECT_EQ(s.width, 1280);
    EXPECT_EQ(s.height, 720);
    EXPECT_EQ(s.videoEncoder, "H.264");
    EXPECT_EQ(s.videoBitRate, 4000000);
    EXPECT_TRUE(s.audioOnly);
    EXPECT_FALSE(s.makeThumbnail);
    EXPECT_EQ(s.audioEncoder, "MP3");
    EXPECT_EQ(s.profileCode, 90106);
    // Back to a video profile: the flags come back too.
    LoadProfile(s, 9);
    EXPECT_FALSE(s.audioOnly);
    EXPECT_TRUE(s.makeThumbnail);
    EXPECT_EQ(s.width, 480);
}

TEST(LoadProfile, DivXEntriesCarryTheirOwnCodes) {
    OutputSettings s;
    LoadProfile(s, 1);
    EXPECT_EQ(s.profileCode, 91202);
    LoadProfile(s, 2);
    EXPECT_EQ(s.profileCode, 91201);
}

TEST(LoadProfile, AnIndexOutsideTheListChangesNothing) {
    for (int index : {-1, kProfileCount, 1000}) {
        OutputSettings s = oddSettings();
        LoadProfile(s, index);
        EXPECT_EQ(s.profileCode, 1);
        EXPECT_EQ(s.width, 11);
        EXPECT_EQ(s.audioEncoder, "FLAC");
        EXPECT_TRUE(s.audioOnly);
    }
}

TEST(ResetOutputSettings, GivesEntryZeroAndTheStartUpChoices) {
    OutputSettings s = oddSettings();
    s.confirmedProfileCode = 91300;
    s.resolutionChoice = "320*240";
    s.frameRateChoice = "25.0 fps";
    s.videoBitRateChoice = "1 kbps";
    s.videoEncoderChoice = "H.264";
    s.sampleRateChoice = "8000 Hz";
    s.channelsChoice = "1 Channel Mono";
    s.audioBitRateChoice = "8 kbps";
    s.audioEncoderChoice = "AAC";
    ResetOutputSettings(s);

    EXPECT_EQ(s.profileCode, 91200);
    EXPECT_FALSE(s.audioOnly);
    EXPECT_TRUE(s.makeThumbnail);
    EXPECT_EQ(s.videoEncoder, "H.264");
    EXPECT_EQ(s.width, 720);
    EXPECT_EQ(s.height, 480);
    EXPECT_EQ(s.frameRateText, "29.97 fps");
    EXPECT_EQ(s.videoBitRate, 2000000);
    EXPECT_EQ(s.audioEncoder, "AAC");
    EXPECT_EQ(s.sampleRate, 48000);
    EXPECT_EQ(s.channels, 2);
    EXPECT_EQ(s.audioBitRate, 192000);

    EXPECT_EQ(s.confirmedProfileCode, 0);
    EXPECT_EQ(s.resolutionChoice, "480*320");
    EXPECT_EQ(s.frameRateChoice, "15.0 fps");
    EXPECT_EQ(s.videoBitRateChoice, "512 kbps");
    EXPECT_EQ(s.videoEncoderChoice, "FLV");
    EXPECT_EQ(s.sampleRateChoice, "48000 Hz");
    EXPECT_EQ(s.channelsChoice, "2 Channel stereo");
    EXPECT_EQ(s.audioBitRateChoice, "80 kbps");
    EXPECT_EQ(s.audioEncoderChoice, "MP3");
}

TEST(CurrentOutputSettings, IsOneRecordForTheWholeProcess) {
    OutputSettings& a = CurrentOutputSettings();
    OutputSettings& b = CurrentOutputSettings();
    EXPECT_EQ(&a, &b);
    LoadProfile(a, 13);
    EXPECT_EQ(b.profileCode, 90702);
    ResetOutputSettings(a);
    EXPECT_EQ(b.profileCode, 91200);
}

// ---- The device limits each video profile is held to when its video is kept ----

namespace {

struct LimitRow {
    const char* name;
    int profile;  // index in the profile list
    int codecProfile;
    int level;
    int width, height;
    double rate;
    int references;
    int slices;
    const char* reason;  // "" = kept
};

constexpr LimitRow kLimitRows[] = {
    {"Ps3Full", 0, FF_PROFILE_H264_HIGH, 41, 1920, 1080, 29.97, 4, 1, ""},
    {"Ps3FiveReferencesAt1080", 3, FF_PROFILE_H264_HIGH, 41, 1920, 1080, 29.97, 5, 1,
     "5 reference frames are more than the PS3's 4 at this size"},
    {"Ps3NineReferencesAt720", 3, FF_PROFILE_H264_HIGH, 41, 1280, 720, 29.97, 9, 1, ""},
    {"Ps31080At60", 0, FF_PROFILE_H264_HIGH, 41, 1920, 1080, 60, 1, 1, "its size and rate are above level 4.1 of the PS3"},
    {"Ps3Level42", 6, FF_PROFILE_H264_HIGH, 42, 1280, 720, 25, 1, 1, "level 4.2 is above the PS3's 4.1"},
    {"PspNewFirmware", 9, FF_PROFILE_H264_MAIN, 30, 480, 272, 29.97, 2, 1, ""},
    {"PspHigh", 9, FF_PROFILE_H264_HIGH, 30, 480, 272, 29.97, 2, 1,
     "the High profile is not one the PSP plays (firmware 3.30)"},
    {"PspSlices", 9, FF_PROFILE_H264_MAIN, 30, 480, 272, 29.97, 2, 4,
     "its pictures have 4 slices; the PSP decodes one (firmware 3.30)"},
    {"PspOldFirmwareSize", 11, FF_PROFILE_H264_MAIN, 21, 480, 272, 29.97, 2, 1,
     "the picture size 480x272 is above the PSP's 76800 pixels (320x240 or 368x208) (firmware 2.00)"},
    {"PspOldFirmwarePixels", 11, FF_PROFILE_H264_MAIN, 21, 352, 240, 29.97, 2, 1,
     "the picture size 352x240 is above the PSP's 76800 pixels (320x240 or 368x208) (firmware 2.00)"},
    {"PspOldFirmwareWide", 11, FF_PROFILE_H264_MAIN, 21, 320, 240, 29.97, 2, 1, ""},
    {"PspOldFirmware", 11, FF_PROFILE_H264_BASELINE, 21, 368, 208, 29.97, 2, 1, ""},
    {"PspTvOut", 10, FF_PROFILE_H264_MAIN, 30, 720, 480, 29.97, 2, 1, ""},
    {"PspLevel31", 10, FF_PROFILE_H264_MAIN, 31, 720, 480, 29.97, 2, 1, "level 3.1 is above the PSP's 3.0 (video out)"},
};

class DeviceLimitRow : public ::testing::TestWithParam<LimitRow> {};

}  // namespace

TEST_P(DeviceLimitRow, KeepsWhatTheDevicePlaysAndSaysWhyNot) {
    const LimitRow& row = GetParam();
    const copycheck::DeviceLimits* device = DeviceLimitsFor(Profiles()[row.profile].code);
    ASSERT_NE(device, nullptr);
    copycheck::VideoFacts facts;
    facts.codec = AV_CODEC_ID_H264;
    facts.profile = row.codecProfile;
    facts.level = row.level;
    facts.width = row.width;
    facts.height = row.height;
    facts.frameRate = row.rate;
    facts.referenceFrames = row.references;
    facts.slices = row.slices;
    const std::string muxer = row.profile == 6 ? "mpegts" : "mp4";
    const copycheck::Verdict verdict = copycheck::checkVideo(*device, facts, muxer);
    EXPECT_EQ(verdict.reason, row.reason);
    EXPECT_EQ(verdict.copyable, !*row.reason);
}

INSTANTIATE_TEST_SUITE_P(Devices, DeviceLimitRow, ::testing::ValuesIn(kLimitRows),
                         [](const ::testing::TestParamInfo<LimitRow>& info) { return std::string(info.param.name); });

TEST(DeviceLimits, EveryVideoProfileHasADeviceAndNoSoundProfileHasOne) {
    for (int i = 0; i < kProfileCount; ++i)
        EXPECT_EQ(DeviceLimitsFor(Profiles()[i].code) != nullptr, !Profiles()[i].audioOnly) << i;
}
