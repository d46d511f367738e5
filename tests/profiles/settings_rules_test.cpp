// The number rules, the text-to-selection rule and the two encoder rules of the
// settings dialog, without a window.

#include "profiles/SettingsRules.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>
#include <vector>

namespace {

std::vector<std::string> items(const PresetChoice& c) { return {c.items.begin(), c.items.end()}; }

struct NumberCase {
    const char* text;
    int value;
};

class SettingsNumberValueTest : public ::testing::TestWithParam<NumberCase> {};

TEST_P(SettingsNumberValueTest, ReadsTheTextAsTheDialogDoes) {
    EXPECT_EQ(SettingsNumberValue(GetParam().text), GetParam().value) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, SettingsNumberValueTest,
    ::testing::Values(NumberCase{"", 0}, NumberCase{"128 kbps", 128000}, NumberCase{"4.75 kbps", 4750},
                      NumberCase{"5.15 kbps", 5150}, NumberCase{"5.9 kbps", 5900}, NumberCase{"6.7 kbps", 6700},
                      NumberCase{"7.4 kbps", 7400}, NumberCase{"7.95 kbps", 7950}, NumberCase{"10.2 kbps", 10200},
                      NumberCase{"12.2 kbps", 12200}, NumberCase{"2000 kbps", 2000000},
                      NumberCase{"25000 kbps", 25000000}, NumberCase{"44100 Hz", 44100}, NumberCase{"8000 Hz", 8000},
                      // kbps wins wherever it stands; Hz needs its blank; no unit reads 0
                      NumberCase{"1.5 kbps Hz", 1500}, NumberCase{"44100Hz", 0}, NumberCase{"44100", 0},
                      NumberCase{"29.97 fps", 0},
                      // reading stops at the first character that is not part of the number
                      NumberCase{"12x kbps", 12000}, NumberCase{"48000.5 Hz", 48000}, NumberCase{"abc kbps", 0},
                      NumberCase{"kbps Hz", 0}, NumberCase{" kbps", 0}, NumberCase{"-5 kbps", -5000},
                      // out of range reads as nothing rather than an undefined number
                      NumberCase{"99999999999 kbps", 0}, NumberCase{"99999999999 Hz", 0}));

TEST(SettingsNumberValue, IgnoresADecimalCommaLocale) {
    // The desktop's locale may use a decimal comma; the texts always use a point.
    const char* previous = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = previous ? previous : "C";
    if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8") && !std::setlocale(LC_NUMERIC, "fr_FR.UTF-8"))
        GTEST_SKIP() << "no decimal-comma locale installed";
    EXPECT_EQ(SettingsNumberValue("4.75 kbps"), 4750);
    std::setlocale(LC_NUMERIC, saved.c_str());
}

struct SizeCase {
    const char* text;
    PictureSizeParse result;
    int width;
    int height;
};

class PictureSizeTest : public ::testing::TestWithParam<SizeCase> {};

TEST_P(PictureSizeTest, SplitsAtTheFirstStar) {
    PictureSize size{-1, -1};
    EXPECT_EQ(ParsePictureSize(GetParam().text, size), GetParam().result) << GetParam().text;
    if (GetParam().result == PictureSizeParse::Ok) {
        EXPECT_EQ(size.width, GetParam().width);
        EXPECT_EQ(size.height, GetParam().height);
    } else {
        EXPECT_EQ(size.width, -1) << "untouched";
        EXPECT_EQ(size.height, -1) << "untouched";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, PictureSizeTest,
    ::testing::Values(SizeCase{"720*480", PictureSizeParse::Ok, 720, 480},
                      SizeCase{"1408*1152", PictureSizeParse::Ok, 1408, 1152},
                      SizeCase{"720*480*2", PictureSizeParse::Ok, 720, 480},
                      SizeCase{"", PictureSizeParse::Empty, 0, 0}, SizeCase{"720x480", PictureSizeParse::Invalid, 0, 0},
                      SizeCase{"*480", PictureSizeParse::Invalid, 0, 0},
                      SizeCase{"720*", PictureSizeParse::Invalid, 0, 0}, SizeCase{"*", PictureSizeParse::Invalid, 0, 0},
                      // sides that read as no usable picture size are refused the same way
                      SizeCase{"a*b", PictureSizeParse::Invalid, 0, 0}, SizeCase{"0*480", PictureSizeParse::Invalid, 0, 0},
                      SizeCase{"720*0", PictureSizeParse::Invalid, 0, 0},
                      SizeCase{"720*-2", PictureSizeParse::Invalid, 0, 0},
                      SizeCase{"99999999*2", PictureSizeParse::Invalid, 0, 0}));

TEST(ChannelsFromText, KnowsExactlyThreeTexts) {
    EXPECT_EQ(ChannelsFromText("1 Channel Mono"), 1);
    EXPECT_EQ(ChannelsFromText("2 Channel Stereo"), 2);
    EXPECT_EQ(ChannelsFromText("5.1 Channel"), 6);
    EXPECT_FALSE(ChannelsFromText("2 Channel stereo").has_value());
    EXPECT_FALSE(ChannelsFromText("").has_value());
    EXPECT_FALSE(ChannelsFromText("5.1 Channel ").has_value());
}

TEST(StartsWithIgnoringCase, ComparesLettersWithoutCase) {
    EXPECT_TRUE(StartsWithIgnoringCase("2 Channel Stereo", "2 channel stereo"));
    EXPECT_TRUE(StartsWithIgnoringCase("1920*1080", "1920"));
    EXPECT_TRUE(StartsWithIgnoringCase("H.264", ""));
    EXPECT_FALSE(StartsWithIgnoringCase("H.26", "H.264"));
    EXPECT_FALSE(StartsWithIgnoringCase("WMV1", "WMV2"));
    EXPECT_TRUE(StartsWithIgnoringCase("转化失败!", "转化"));
}

TEST(AudioRule, AmrNbIsNarrowBandMono) {
    const AudioEncoderRule r = AudioRuleFor("AMR_NB");
    EXPECT_EQ(items(r.bitRates), (std::vector<std::string>{"4.75 kbps", "5.15 kbps", "5.9 kbps", "6.7 kbps", "7.4 kbps",
                                                            "7.95 kbps", "10.2 kbps", "12.2 kbps"}));
    EXPECT_EQ(r.bitRates.chosen, "6.7 kbps");
    EXPECT_EQ(items(r.sampleRates), (std::vector<std::string>{"8000 Hz"}));
    EXPECT_EQ(items(r.channels), (std::vector<std::string>{"1 Channel Mono"}));
}

TEST(AudioRule, Ac3OffersFivePointOne) {
    const AudioEncoderRule r = AudioRuleFor("AC3");
    EXPECT_EQ(items(r.channels), (std::vector<std::string>{"1 Channel Mono", "2 Channel Stereo", "5.1 Channel"}));
    EXPECT_EQ(r.channels.chosen, "2 Channel Stereo");
    EXPECT_EQ(r.bitRates.chosen, "192 kbps");
    EXPECT_EQ(r.sampleRates.chosen, "44100 Hz");
}

TEST(AudioRule, VorbisIsStereoOnlyAndOthersMonoOrStereo) {
    EXPECT_EQ(items(AudioRuleFor("VORBIS").channels), (std::vector<std::string>{"2 Channel Stereo"}));
    for (auto name : {"AAC", "MP3", "WMA8", "PCM_S16LE", "FLAC", "ac3", "amr_nb", "anything"}) {
        const AudioEncoderRule r = AudioRuleFor(name);
        EXPECT_EQ(items(r.channels), (std::vector<std::string>{"1 Channel Mono", "2 Channel Stereo"})) << name;
        EXPECT_EQ(items(r.bitRates), (std::vector<std::string>{"64 kbps", "96 kbps", "128 kbps", "160 kbps",
                                                                "192 kbps", "256 kbps", "320 kbps"}))
            << name;
        EXPECT_EQ(items(r.sampleRates), (std::vector<std::string>{"44100 Hz", "48000 Hz", "22050 Hz", "32000 Hz"}))
            << name;
        EXPECT_EQ(r.bitRates.chosen, "192 kbps");
        EXPECT_EQ(r.sampleRates.chosen, "44100 Hz");
    }
}

// AC-3, MPEG-1 layer II and Vorbis refuse 22050 Hz with (some of) the offered bit
// rates, so their lists leave that rate out; everything else is the general row.
TEST(AudioRule, EncodersThatRefuseHalfRatesDoNotOfferThem) {
    for (auto name : {"AC3", "MP2", "VORBIS"}) {
        const AudioEncoderRule r = AudioRuleFor(name);
        EXPECT_EQ(items(r.sampleRates), (std::vector<std::string>{"44100 Hz", "48000 Hz", "32000 Hz"})) << name;
        EXPECT_EQ(r.sampleRates.chosen, "44100 Hz");
        EXPECT_EQ(r.bitRates.chosen, "192 kbps");
    }
    EXPECT_EQ(items(AudioRuleFor("MP2").channels), (std::vector<std::string>{"1 Channel Mono", "2 Channel Stereo"}));
}

TEST(VideoRule, CoversExactlySevenPresets) {
    int covered = 0;
    for (int code = 90000; code <= 91700; ++code) covered += VideoRuleCovers(code) ? 1 : 0;
    EXPECT_EQ(covered, 7);
    for (int code : {90001, 90800, 90801, 90802, 90803, 91404, 91405}) EXPECT_TRUE(VideoRuleCovers(code)) << code;
}

TEST(VideoRule, H263GetsItsFiveSizesEverywhere) {
    for (int code : {90001, 90802, 91405}) {
        auto r = VideoRuleFor(code, "H.263");
        ASSERT_TRUE(r.has_value());
        EXPECT_EQ(items(*r), (std::vector<std::string>{"128*96", "176*144", "352*288", "704*576", "1408*1152"}));
        EXPECT_EQ(r->chosen, "352*288");
    }
    // names are compared exactly
    EXPECT_EQ(VideoRuleFor(90001, "h.263")->chosen, "320*240");
}

TEST(VideoRule, OtherEncodersGetTheFamilysSizes) {
    EXPECT_EQ(items(*VideoRuleFor(90001, "MPEG4")),
              (std::vector<std::string>{"128*96", "176*144", "320*240", "352*240", "352*288", "640*480", "720*480",
                                        "704*576", "720*576"}));
    EXPECT_EQ(VideoRuleFor(90001, "MPEG4")->chosen, "320*240");
    EXPECT_EQ(items(*VideoRuleFor(90803, "DivX")),
              (std::vector<std::string>{"176*144", "220*176", "320*240", "480*320"}));
    EXPECT_EQ(VideoRuleFor(90803, "DivX")->chosen, "320*240");
    EXPECT_EQ(items(*VideoRuleFor(91404, "M-JPEG")), (std::vector<std::string>{"640*480", "720*480", "720*576"}));
    EXPECT_EQ(VideoRuleFor(91404, "M-JPEG")->chosen, "720*480");
}

}  // namespace

// ---- What the encoders take ----

#include "profiles/JobSetup.h"
#include "profiles/OutputSettings.h"
#include "profiles/ProfileTable.h"
#include "profiles/SettingsDialogModel.h"

namespace {

OutputSettings defaultsOf(int code) {
    OutputSettings settings;
    settings.profileCode = code;
    SettingsDialogModel model(settings);
    model.open();
    model.restoreDefaults();
    model.confirm();
    settings.audioOnly = model.preset() && model.preset()->audioOnly;
    return settings;
}

}  // namespace

TEST(EncoderSettingsRule, EveryPresetsDefaultsAndEveryOfferedSampleRateAndChannelAreTaken) {
    for (const Preset& preset : PresetCatalogue()) {
        OutputSettings settings = defaultsOf(preset.code);
        const auto refusal = CheckEncoderSettings(settings);
        EXPECT_FALSE(refusal) << preset.code << " " << preset.title << ": " << (refusal ? refusal->accepted : "");
        // The lists the audio rule offers for the default encoder.
        const AudioEncoderRule rule = AudioRuleFor(settings.audioEncoder);
        for (std::string_view rate : rule.sampleRates.items) {
            OutputSettings changed = settings;
            changed.sampleRate = SettingsNumberValue(rate);
            EXPECT_FALSE(CheckEncoderSettings(changed)) << preset.code << " " << rate;
        }
        for (std::string_view bitRate : rule.bitRates.items) {
            OutputSettings changed = settings;
            changed.audioBitRate = SettingsNumberValue(bitRate);
            EXPECT_FALSE(CheckEncoderSettings(changed)) << preset.code << " " << bitRate;
        }
    }
}

struct RefusalCase {
    const char* what;
    void (*change)(OutputSettings&);
    SettingName setting;
    const char* accepted;  // part of what the refusal says is taken
};

class EncoderRefusalTest : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(EncoderRefusalTest, NamesTheSettingAndWhatIsTaken) {
    OutputSettings settings = defaultsOf(91200);
    ASSERT_FALSE(CheckEncoderSettings(settings));
    GetParam().change(settings);
    const auto refusal = CheckEncoderSettings(settings);
    ASSERT_TRUE(refusal) << GetParam().what;
    EXPECT_EQ(refusal->setting, GetParam().setting) << GetParam().what;
    EXPECT_NE(refusal->accepted.find(GetParam().accepted), std::string::npos) << refusal->accepted;
}

INSTANTIATE_TEST_SUITE_P(
    Settings, EncoderRefusalTest,
    ::testing::Values(
        RefusalCase{"1 Hz", [](OutputSettings& s) { s.sampleRate = 1; }, SettingName::SampleRate, "7350 to 96000 Hz"},
        RefusalCase{"768 kHz", [](OutputSettings& s) { s.sampleRate = 768000; }, SettingName::SampleRate, "AAC"},
        RefusalCase{"MP3 at 96 kHz", [](OutputSettings& s) { s.audioEncoder = "MP3"; s.sampleRate = 96000; },
                    SettingName::SampleRate, "8000 to 48000 Hz"},
        RefusalCase{"AC3 at 22.05 kHz", [](OutputSettings& s) { s.audioEncoder = "AC3"; s.sampleRate = 22050; },
                    SettingName::SampleRate, "32000 to 48000 Hz"},
        RefusalCase{"MP2 in 5.1", [](OutputSettings& s) { s.audioEncoder = "MP2"; s.channels = 6; },
                    SettingName::Channels, "\"2 Channel Stereo\""},
        RefusalCase{"MP3 at 500 kbps", [](OutputSettings& s) { s.audioEncoder = "MP3"; s.audioBitRate = 500000; },
                    SettingName::AudioBitRate, "8 kbps to 320 kbps"},
        RefusalCase{"1*1", [](OutputSettings& s) { s.width = s.height = 1; }, SettingName::PictureSize, "even"},
        RefusalCase{"odd width", [](OutputSettings& s) { s.width = 721; }, SettingName::PictureSize, "16 to 4096"},
        RefusalCase{"H.263 at 320*240", [](OutputSettings& s) { s.videoEncoder = "H.263"; s.width = 320; s.height = 240; },
                    SettingName::PictureSize, "352*288"},
        RefusalCase{"DV at 640*480", [](OutputSettings& s) { s.videoEncoder = "DVVIDEO"; s.width = 640; },
                    SettingName::PictureSize, "720*576"},
        RefusalCase{"MPEG-1 at 15 fps", [](OutputSettings& s) { s.videoEncoder = "MPEG1VIDEO"; s.frameRateText = "15.0 fps"; },
                    SettingName::FrameRate, "23.975 fps"},
        RefusalCase{"12 bit/s video", [](OutputSettings& s) { s.videoBitRate = 12; }, SettingName::VideoBitRate,
                    "16 kbps"}),
    [](const auto& info) {
        std::string name;
        for (char c : std::string(info.param.what)) name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        return name;
    });

TEST(EncoderSettingsRule, SoundOnlySettingsIgnoreThePictureValues) {
    OutputSettings settings = defaultsOf(91200);
    settings.width = 1;
    settings.audioOnly = true;
    EXPECT_FALSE(CheckEncoderSettings(settings));
}

TEST(ContainerRule, EveryProfilesContainerTakesItsStreamsAndOthersSayWhatTheyLack) {
    for (int i = 0; i < kProfileCount; ++i) {
        OutputSettings settings;
        ResetOutputSettings(settings);
        LoadProfile(settings, i);
        const std::string extension = ExtensionFromProfile(Profiles()[i].displayText);
        EXPECT_EQ(ContainerRefusal(settings, extension), "") << i << " " << extension;
        EXPECT_FALSE(CheckEncoderSettings(settings)) << i;
    }
    OutputSettings video;
    ResetOutputSettings(video);
    LoadProfile(video, 0);  // H.264 and AAC
    EXPECT_TRUE(ContainerRefusal(video, ".mp3").starts_with("the .mp3 container holds sound only"));
    EXPECT_TRUE(ContainerRefusal(video, ".wav").starts_with("the .wav container holds sound only"));
    EXPECT_TRUE(ContainerRefusal(video, ".webm").starts_with("the .webm container takes no H.264 video"));
    EXPECT_EQ(ContainerRefusal(video, ".mkv"), "");
    video.audioOnly = true;
    EXPECT_EQ(ContainerRefusal(video, ".wav"), "");  // AAC in WAV is a WAV all the same
    EXPECT_TRUE(ContainerRefusal(video, ".mp3").starts_with("the .mp3 container takes no AAC sound"));
    EXPECT_EQ(ContainerRefusal(video, ".aac"), "");
}
