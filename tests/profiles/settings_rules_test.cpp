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
