// The settings dialog's behaviour without a window: opening with the values in
// effect, the two encoder rules, text-to-selection, OK, Cancel and Default, driven through the same settings record and
// profile loading the main window uses.

#include "profiles/OutputSettings.h"
#include "profiles/ProfileTable.h"
#include "profiles/SettingsDialogModel.h"
#include "profiles/SettingsRules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using Strings = std::vector<std::string>;

class SettingsModelTest : public ::testing::Test {
protected:
    void SetUp() override { ResetOutputSettings(settings); }

    // Picks profile-list entry `index` as the main window does.
    void loadProfile(int index) { LoadProfile(settings, index); }

    // One opening as the window runs it.
    SettingsDialogModel& openDialog() {
        model = std::make_unique<SettingsDialogModel>(settings);
        model->open();
        return *model;
    }

    std::string text(SettingsField f) const { return model->field(f).text(); }
    const Strings& entries(SettingsField f) const { return model->field(f).entries(); }

    // Picks the entry with exactly this text, as a user would.
    void pick(SettingsField f, const std::string& entry) {
        const Strings& list = entries(f);
        auto it = std::find(list.begin(), list.end(), entry);
        ASSERT_NE(it, list.end()) << entry;
        model->userSelected(f, static_cast<int>(it - list.begin()));
    }

    OutputSettings settings;
    std::unique_ptr<SettingsDialogModel> model;
};

TEST_F(SettingsModelTest, ProfileZeroOpensWithWhatItConvertsAt) {
    loadProfile(0);
    ASSERT_EQ(settings.sampleRate, 48000);
    openDialog();
    EXPECT_EQ(model->title(), "PS3 H.264 Video(*.mp4)");
    EXPECT_EQ(text(SettingsField::VideoEncoder), "H.264");
    EXPECT_EQ(text(SettingsField::Resolution), "720*480");
    EXPECT_EQ(text(SettingsField::FrameRate), "29.97 fps");
    EXPECT_EQ(text(SettingsField::VideoBitRate), "2000 kbps");
    EXPECT_EQ(text(SettingsField::AudioEncoder), "AAC");
    EXPECT_EQ(text(SettingsField::SampleRate), "48000 Hz");
    EXPECT_EQ(text(SettingsField::AudioBitRate), "192 kbps");
    EXPECT_EQ(text(SettingsField::Channels), "2 Channel Stereo");
    EXPECT_EQ(entries(SettingsField::SampleRate), (Strings{"44100 Hz", "48000 Hz", "22050 Hz", "32000 Hz"}))
        << "the rule's list, nothing added";
    const auto result = model->confirm();
    EXPECT_FALSE(result.pictureSizeRejected);
    EXPECT_EQ(settings.sampleRate, 48000);
    EXPECT_EQ(settings.audioBitRate, 192000);
    EXPECT_EQ(settings.confirmedProfileCode, 91200);
    EXPECT_EQ(settings.resolutionChoice, "720*480");
    EXPECT_EQ(settings.sampleRateChoice, "48000 Hz");
    EXPECT_EQ(settings.audioBitRateChoice, "192 kbps");
    EXPECT_TRUE(settings.makeThumbnail) << "the dialog shows no thumbnail choice, so OK keeps it";
}

// OK right after opening changes no applied value, for every profile of the list;
// a value the preset does not list (PSP MPEG4's 2000 kbps) is added and shown.
TEST_F(SettingsModelTest, OkRightAfterOpeningChangesNoAppliedValue) {
    for (int index = 0; index < kProfileCount; ++index) {
        SCOPED_TRACE(index);
        loadProfile(index);
        const OutputSettings before = settings;
        openDialog();
        model->confirm();
        EXPECT_EQ(settings.audioOnly, before.audioOnly);
        EXPECT_EQ(settings.makeThumbnail, before.makeThumbnail);
        EXPECT_EQ(settings.width, before.width);
        EXPECT_EQ(settings.height, before.height);
        EXPECT_EQ(settings.frameRateText, before.frameRateText);
        EXPECT_EQ(settings.videoBitRate, before.videoBitRate);
        EXPECT_EQ(settings.videoEncoder, before.videoEncoder);
        EXPECT_EQ(settings.audioEncoder, before.audioEncoder);
        EXPECT_EQ(settings.sampleRate, before.sampleRate);
        EXPECT_EQ(settings.channels, before.channels);
        EXPECT_EQ(settings.audioBitRate, before.audioBitRate);
    }
    loadProfile(12);
    openDialog();
    EXPECT_EQ(text(SettingsField::VideoBitRate), "2000 kbps");
    EXPECT_EQ(entries(SettingsField::VideoBitRate).back(), "2000 kbps");
}

TEST_F(SettingsModelTest, Mp3ReopensAtTheBitRateItUses) {
    loadProfile(14);
    openDialog();
    EXPECT_EQ(text(SettingsField::AudioBitRate), "128 kbps");
    EXPECT_EQ(text(SettingsField::SampleRate), "44100 Hz");
    pick(SettingsField::AudioBitRate, "320 kbps");
    model->confirm();
    EXPECT_EQ(settings.audioBitRate, 320000);
    openDialog();
    EXPECT_EQ(text(SettingsField::AudioBitRate), "320 kbps");
}

TEST_F(SettingsModelTest, DefaultSelectsThePresetsChoicesAndWritesNothing) {
    loadProfile(0);
    openDialog();
    pick(SettingsField::Resolution, "720*576");
    pick(SettingsField::SampleRate, "22050 Hz");
    const OutputSettings before = settings;
    model->restoreDefaults();
    EXPECT_EQ(text(SettingsField::Resolution), "720*480");
    EXPECT_EQ(text(SettingsField::SampleRate), "44100 Hz");
    EXPECT_EQ(text(SettingsField::AudioBitRate), "192 kbps");
    EXPECT_EQ(text(SettingsField::AudioEncoder), "AAC");
    EXPECT_EQ(settings.sampleRate, before.sampleRate);
    EXPECT_EQ(settings.confirmedProfileCode, before.confirmedProfileCode);
    model->confirm();
    EXPECT_EQ(settings.sampleRate, 44100);

    loadProfile(12);  // the added 2000 kbps gives way to the preset's own default
    openDialog();
    model->restoreDefaults();
    EXPECT_EQ(text(SettingsField::VideoBitRate), "640 kbps");
    EXPECT_EQ(std::count(entries(SettingsField::VideoBitRate).begin(), entries(SettingsField::VideoBitRate).end(),
                         "2000 kbps"),
              0);
}

TEST_F(SettingsModelTest, WavPresetHasEmptyDisabledVideoFieldsAndOkKeepsTheVideoValues) {
    loadProfile(3);  // PS3 H.264 HD: 1280*720 stays behind for the audio profile
    loadProfile(13);
    openDialog();
    for (SettingsField f : {SettingsField::VideoEncoder, SettingsField::VideoBitRate, SettingsField::Resolution,
                            SettingsField::FrameRate}) {
        EXPECT_TRUE(entries(f).empty());
        EXPECT_FALSE(model->field(f).enabled());
        EXPECT_EQ(model->field(f).selection(), -1);
    }
    EXPECT_EQ(entries(SettingsField::AudioEncoder), Strings{"PCM_S16LE"});
    EXPECT_TRUE(model->field(SettingsField::AudioEncoder).enabled());
    EXPECT_TRUE(settings.audioOnly);
    model->confirm();
    EXPECT_EQ(settings.width, 1280);
    EXPECT_EQ(settings.height, 720);
    EXPECT_EQ(settings.videoBitRate, 4000000);
    EXPECT_EQ(settings.videoEncoder, "H.264");
    EXPECT_EQ(settings.frameRateText, "29.97 fps");
    EXPECT_EQ(settings.audioEncoder, "PCM_S16LE");
    EXPECT_EQ(settings.sampleRate, 44100);
    EXPECT_TRUE(settings.audioOnly);
}

// Cancel writes nothing, the flags included, for every profile.
TEST_F(SettingsModelTest, CancelKeepsEveryValue) {
    for (int index = 0; index < kProfileCount; ++index) {
        SCOPED_TRACE(index);
        loadProfile(index);
        const OutputSettings before = settings;
        openDialog();
        model->userSelected(SettingsField::AudioEncoder, 0);  // touching lists changes nothing either
        model.reset();                                       // Cancel: the dialog just goes away
        EXPECT_EQ(settings.makeThumbnail, before.makeThumbnail);
        EXPECT_EQ(settings.audioOnly, before.audioOnly);
        EXPECT_EQ(settings.sampleRate, before.sampleRate);
        EXPECT_EQ(settings.videoBitRate, before.videoBitRate);
        EXPECT_EQ(settings.width, before.width);
        EXPECT_EQ(settings.videoEncoder, before.videoEncoder);
        EXPECT_EQ(settings.confirmedProfileCode, before.confirmedProfileCode);
        EXPECT_EQ(settings.resolutionChoice, before.resolutionChoice);
    }
}

TEST_F(SettingsModelTest, ConfirmedValuesReturnUntilAProfileIsLoaded) {
    loadProfile(3);  // 91203
    openDialog();
    EXPECT_EQ(text(SettingsField::Resolution), "1280*720");
    pick(SettingsField::Resolution, "1920*1080");
    pick(SettingsField::FrameRate, "25.0 fps");
    pick(SettingsField::VideoBitRate, "6000 kbps");
    model->confirm();
    EXPECT_EQ(settings.width, 1920);
    EXPECT_EQ(settings.height, 1080);
    EXPECT_EQ(settings.videoBitRate, 6000000);

    openDialog();
    EXPECT_EQ(text(SettingsField::Resolution), "1920*1080");
    EXPECT_EQ(text(SettingsField::FrameRate), "25.0 fps");
    EXPECT_EQ(text(SettingsField::VideoBitRate), "6000 kbps");

    loadProfile(4);  // 91204
    openDialog();
    EXPECT_EQ(text(SettingsField::Resolution), "720*480");
    EXPECT_EQ(text(SettingsField::FrameRate), "29.97 fps");
    model.reset();  // cancelled: 91203's confirmation stays

    loadProfile(3);  // back to the first code: the profile's own values are in effect again
    openDialog();
    EXPECT_EQ(text(SettingsField::Resolution), "1280*720");
}

TEST_F(SettingsModelTest, AudioFieldsReopenWithTheConfirmedValues) {
    loadProfile(1);  // 91202
    openDialog();
    pick(SettingsField::AudioEncoder, "MP2");
    pick(SettingsField::SampleRate, "48000 Hz");
    pick(SettingsField::AudioBitRate, "128 kbps");
    pick(SettingsField::Channels, "1 Channel Mono");
    model->confirm();
    EXPECT_EQ(settings.sampleRate, 48000);
    EXPECT_EQ(settings.channels, 1);

    openDialog();
    EXPECT_EQ(text(SettingsField::AudioEncoder), "MP2");
    EXPECT_EQ(text(SettingsField::SampleRate), "48000 Hz");
    EXPECT_EQ(text(SettingsField::AudioBitRate), "128 kbps");
    EXPECT_EQ(text(SettingsField::Channels), "1 Channel Mono");
}

TEST_F(SettingsModelTest, Ac3OffersFivePointOneAndOkGivesSixChannels) {
    loadProfile(4);  // 91204: AC3, MP2, PCM_S16LE
    openDialog();
    EXPECT_EQ(entries(SettingsField::Channels), (Strings{"1 Channel Mono", "2 Channel Stereo"}));
    pick(SettingsField::AudioEncoder, "AC3");
    EXPECT_EQ(entries(SettingsField::Channels), (Strings{"1 Channel Mono", "2 Channel Stereo", "5.1 Channel"}));
    EXPECT_EQ(text(SettingsField::Channels), "2 Channel Stereo");
    pick(SettingsField::Channels, "5.1 Channel");
    model->confirm();
    EXPECT_EQ(settings.channels, 6);
    EXPECT_EQ(settings.audioEncoder, "AC3");

    // Going back to a stereo encoder drops 5.1 again.
    openDialog();
    pick(SettingsField::AudioEncoder, "MP2");
    EXPECT_EQ(entries(SettingsField::Channels), (Strings{"1 Channel Mono", "2 Channel Stereo"}));
}

TEST_F(SettingsModelTest, AmrNbTwelvePointTwoGivesItsBitRateAndNarrowBand) {
    settings.profileCode = 90800;  // a phone preset that offers AMR_NB
    openDialog();
    pick(SettingsField::AudioEncoder, "AMR_NB");
    EXPECT_EQ(text(SettingsField::AudioBitRate), "6.7 kbps");
    EXPECT_EQ(entries(SettingsField::SampleRate), Strings{"8000 Hz"});
    pick(SettingsField::AudioBitRate, "12.2 kbps");
    model->confirm();
    EXPECT_EQ(settings.audioBitRate, 12200);
    EXPECT_EQ(settings.sampleRate, 8000);
    EXPECT_EQ(settings.channels, 1);
    EXPECT_EQ(settings.audioEncoder, "AMR_NB");
}

TEST_F(SettingsModelTest, UnknownCodeFillsNothing) {
    settings.profileCode = 0;
    settings.makeThumbnail = true;
    settings.audioOnly = true;
    openDialog();
    EXPECT_EQ(model->preset(), nullptr);
    EXPECT_EQ(model->title(), "");
    for (SettingsField f : kSettingsFields) {
        EXPECT_TRUE(entries(f).empty());
        EXPECT_TRUE(model->field(f).enabled()) << "no control is disabled";
    }
    EXPECT_TRUE(settings.makeThumbnail) << "opening writes nothing";
    EXPECT_TRUE(settings.audioOnly);
}

TEST_F(SettingsModelTest, VideoRuleRewritesSizesOnEachEncoderChange) {
    settings.profileCode = 90001;
    openDialog();
    model->restoreDefaults();
    EXPECT_EQ(text(SettingsField::VideoEncoder), "MPEG4");
    EXPECT_EQ(text(SettingsField::Resolution), "320*240");
    pick(SettingsField::VideoEncoder, "H.263");
    EXPECT_EQ(entries(SettingsField::Resolution),
              (Strings{"128*96", "176*144", "352*288", "704*576", "1408*1152"}));
    EXPECT_EQ(text(SettingsField::Resolution), "352*288");
    pick(SettingsField::Resolution, "1408*1152");
    model->confirm();
    EXPECT_EQ(settings.width, 1408);
    EXPECT_EQ(settings.videoEncoder, "H.263");

    // Reopened with the confirmed H.263: the rule's list, with the size in effect.
    openDialog();
    EXPECT_EQ(text(SettingsField::VideoEncoder), "H.263");
    EXPECT_EQ(text(SettingsField::Resolution), "1408*1152");
    EXPECT_EQ(entries(SettingsField::Resolution).size(), 5u);
    pick(SettingsField::VideoEncoder, "WMV2");
    EXPECT_EQ(entries(SettingsField::Resolution).size(), 9u);
    EXPECT_EQ(text(SettingsField::Resolution), "320*240");
}

TEST_F(SettingsModelTest, VideoRuleLeavesOtherPresetsAlone) {
    loadProfile(7);  // 91207: WMV1/WMV2
    openDialog();
    pick(SettingsField::Resolution, "1920*1080");
    pick(SettingsField::VideoEncoder, "WMV1");
    EXPECT_EQ(text(SettingsField::Resolution), "1920*1080");
    EXPECT_EQ(entries(SettingsField::Resolution), (Strings{"1280*720", "1920*1080"}));
}

TEST_F(SettingsModelTest, TextsSelectByCaseInsensitivePrefix) {
    ChoiceField f;
    const std::string_view list[] = {"WMV1", "WMV2", "50.0 fps", "1920*1080"};
    f.fill(list);
    f.setText("wmv");
    EXPECT_EQ(f.text(), "WMV1") << "the first entry that begins with it";
    f.setText("5");
    EXPECT_EQ(f.text(), "50.0 fps");
    f.setText("1920");
    EXPECT_EQ(f.text(), "1920*1080");
    f.setText("nothing like it");
    EXPECT_EQ(f.selection(), -1);
    EXPECT_EQ(f.text(), "");
}

TEST_F(SettingsModelTest, NoAudioEncoderSelectedLeavesTheAudioListsEmptyAndChannelsAsTheyWere) {
    loadProfile(0);
    settings.audioEncoder = "";  // an earlier OK with nothing selected
    settings.channels = 6;
    openDialog();
    EXPECT_EQ(model->field(SettingsField::AudioEncoder).selection(), -1);
    EXPECT_TRUE(entries(SettingsField::SampleRate).empty());
    model->confirm();
    EXPECT_EQ(settings.channels, 6);
    EXPECT_EQ(settings.sampleRate, 0);
    EXPECT_EQ(settings.audioBitRate, 0);
    EXPECT_EQ(settings.audioEncoder, "");
}

// A preset a test makes up, to reach the picture-size failure that no catalogue text
// can cause.
const Preset* brokenSizePreset(int) {
    static constexpr std::string_view ve[] = {"MPEG4"}, br[] = {"512 kbps"}, res[] = {"720x480"},
                                      fps[] = {"25.0 fps"}, ae[] = {"AAC"};
    static constexpr Preset preset{1, "Broken(*.mp4)", {ve, "MPEG4"}, {br, "512 kbps"}, {res, "720x480"},
                                   {fps, "25.0 fps"}, {ae, "AAC"}, false, false};
    return &preset;
}

TEST_F(SettingsModelTest, UnsplittableSizeIsReportedAndEverythingElseStillApplies) {
    settings.width = 111;
    settings.height = 222;
    SettingsDialogModel broken(settings, &brokenSizePreset);
    broken.open();
    broken.restoreDefaults();  // 111*222 was added and selected; the preset's text is not a size
    const auto result = broken.confirm();
    EXPECT_TRUE(result.pictureSizeRejected);
    EXPECT_EQ(settings.width, 111);
    EXPECT_EQ(settings.height, 222);
    EXPECT_EQ(settings.videoBitRate, 512000);
    EXPECT_EQ(settings.frameRateText, "25.0 fps");
    EXPECT_EQ(settings.resolutionChoice, "720x480");
    EXPECT_EQ(settings.confirmedProfileCode, settings.profileCode);
}

// A preset whose lists offer a size its H.263 encoder refuses.
const Preset* h263WrongSizePreset(int) {
    static constexpr std::string_view ve[] = {"H.263"}, br[] = {"512 kbps"}, res[] = {"320*240"},
                                      fps[] = {"25.0 fps"}, ae[] = {"AAC"};
    static constexpr Preset preset{1, "H263(*.3gp)", {ve, "H.263"}, {br, "512 kbps"}, {res, "320*240"},
                                   {fps, "25.0 fps"}, {ae, "AAC"}, false, false};
    return &preset;
}

TEST_F(SettingsModelTest, ValuesTheEncoderRefusesAreNotAppliedAndSaySo) {
    const OutputSettings before = settings;
    SettingsDialogModel model(settings, &h263WrongSizePreset);
    model.open();
    model.restoreDefaults();
    const auto result = model.confirm();
    ASSERT_TRUE(result.refused);
    EXPECT_EQ(result.refused->setting, SettingName::PictureSize);
    EXPECT_NE(result.refused->accepted.find("352*288"), std::string::npos) << result.refused->accepted;
    EXPECT_EQ(settings.videoEncoder, before.videoEncoder) << "nothing applied";
    EXPECT_EQ(settings.width, before.width);
    EXPECT_EQ(settings.confirmedProfileCode, before.confirmedProfileCode);
}

TEST_F(SettingsModelTest, OutOfRangeSelectionClearsTheFieldAndSkipsTheRule) {
    loadProfile(2);  // 91201: MP3, MP2, PCM_S16LE
    openDialog();
    model->userSelected(SettingsField::AudioEncoder, 7);
    EXPECT_EQ(model->field(SettingsField::AudioEncoder).selection(), -1);
    EXPECT_EQ(entries(SettingsField::SampleRate).size(), 4u) << "the lists of the last rule stay";
}

}  // namespace
