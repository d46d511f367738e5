#include "cli/CliOptions.h"
#include "cli/SettingsText.h"

#include <gtest/gtest.h>

using namespace cli;

namespace {

ParseResult Parse(std::vector<std::string> args) { return ParseCommandLine(args); }

ConvertRequest ParseConvert(std::vector<std::string> args) {
    args.insert(args.begin(), "convert");
    args.push_back("clip.mkv");
    ParseResult r = ParseCommandLine(args);
    EXPECT_TRUE(r.command.has_value()) << r.error;
    return r.command ? r.command->convert : ConvertRequest{};
}

std::string ConvertError(std::vector<std::string> args) {
    args.insert(args.begin(), "convert");
    args.push_back("clip.mkv");
    ParseResult r = ParseCommandLine(args);
    EXPECT_FALSE(r.command.has_value());
    return r.error;
}

}  // namespace

TEST(CliCommandLine, CommandsAndHelp) {
    EXPECT_EQ(Parse({}).command->kind, CommandKind::Help);
    EXPECT_EQ(Parse({"--help"}).command->kind, CommandKind::Help);
    EXPECT_EQ(Parse({"help"}).command->kind, CommandKind::Help);
    EXPECT_EQ(Parse({"convert", "-h", "a.mkv"}).command->kind, CommandKind::Help);
    EXPECT_EQ(Parse({"--version"}).command->kind, CommandKind::Version);
    EXPECT_EQ(Parse({"convert", "--version", "a.mkv"}).command->kind, CommandKind::Version);
    // After "--" it is a file name.
    EXPECT_EQ(Parse({"probe", "--", "--version"}).command->files, (std::vector<std::string>{"--version"}));
    EXPECT_EQ(Parse({"profiles"}).command->kind, CommandKind::Profiles);

    auto probe = Parse({"probe", "a.mkv", "b.mp3"});
    ASSERT_TRUE(probe.command);
    EXPECT_EQ(probe.command->kind, CommandKind::Probe);
    EXPECT_EQ(probe.command->files, (std::vector<std::string>{"a.mkv", "b.mp3"}));

    EXPECT_NE(Parse({"frobnicate"}).error.find("unknown command"), std::string::npos);
    EXPECT_NE(Parse({"profiles", "x"}).error.find("no arguments"), std::string::npos);
    EXPECT_NE(Parse({"probe"}).error.find("at least one file"), std::string::npos);
    EXPECT_NE(Parse({"convert", "--profile", "3"}).error.find("at least one file"), std::string::npos);
    EXPECT_NE(Parse({"probe", "--profile", "3", "a.mkv"}).error.find("only file names"), std::string::npos);
    auto watch = Parse({"watch", "--profile", "14", "--keep-tree", "--output", "/out", "/in"});
    ASSERT_TRUE(watch.command) << watch.error;
    EXPECT_EQ(watch.command->kind, CommandKind::Watch);
    EXPECT_EQ(watch.command->files, (std::vector<std::string>{"/in"}));
    EXPECT_EQ(watch.command->convert.profile, 14);
    EXPECT_TRUE(watch.command->convert.keepTree);
    EXPECT_NE(Parse({"watch", "/a", "/b"}).error.find("one folder"), std::string::npos);
    EXPECT_NE(Parse({"watch"}).error.find("one folder"), std::string::npos);
    EXPECT_NE(Parse({"watch", "--merge", "/a"}).error.find("--merge"), std::string::npos);
    EXPECT_NE(Parse({"watch", "--quiet", "--verbose", "/a"}).error.find("together"), std::string::npos);
}

TEST(CliCommandLine, ConvertDefaultsAreProfileZeroWithNoOverrides) {
    auto r = Parse({"convert", "a.mkv", "b.avi"});
    ASSERT_TRUE(r.command);
    const ConvertRequest& c = r.command->convert;
    EXPECT_EQ(c.profile, 0);
    EXPECT_FALSE(c.outputFolder || c.beginText || c.endText || c.extension);
    EXPECT_FALSE(c.quiet || c.merge || c.verbose || c.nullSeparated || c.keepTree || c.skipDone);
    EXPECT_TRUE(c.recursive) << "a folder adds the folders below it";
    EXPECT_FALSE(c.overrides.videoEncoder || c.overrides.width || c.overrides.videoBitRate || c.overrides.channels);
    EXPECT_EQ(r.command->files, (std::vector<std::string>{"a.mkv", "b.avi"}));
}

TEST(CliCommandLine, EveryOptionTakesItsValueInBothSpellings) {
    ConvertRequest c = ParseConvert({"--profile", "9", "--output=/tmp/out", "--begin", "00:00:05", "--end=01:02:03",
                                     "--video-encoder", "MPEG4", "--audio-encoder=MP3", "--size", "368*208",
                                     "--frame-rate", "25.0 fps", "--video-bitrate", "512 kbps", "--audio-bitrate",
                                     "4.75 kbps", "--sample-rate", "8000 Hz", "--channels", "1 Channel Mono",
                                     "--extension", ".mkv", "--quiet", "--null", "--jobs=3", "--audio-track", "eng",
                                     "--subtitles=2", "--language", "DE",
                                     "--still-seconds=12"});
    EXPECT_EQ(c.profile, 9);
    EXPECT_EQ(c.outputFolder, "/tmp/out");
    EXPECT_EQ(c.beginText, "00:00:05");
    EXPECT_EQ(c.endText, "01:02:03");
    EXPECT_EQ(c.overrides.videoEncoder, "MPEG4");
    EXPECT_EQ(c.overrides.audioEncoder, "MP3");
    EXPECT_EQ(c.overrides.width, 368);
    EXPECT_EQ(c.overrides.height, 208);
    EXPECT_EQ(c.overrides.frameRateText, "25.0 fps");
    EXPECT_EQ(c.overrides.videoBitRate, 512000);
    EXPECT_EQ(c.overrides.audioBitRate, 4750);
    EXPECT_EQ(c.overrides.sampleRate, 8000);
    EXPECT_EQ(c.overrides.channels, 1);
    EXPECT_EQ(ParseConvert({"--target-size", "700M"}).overrides.targetSize, 700000000);
    EXPECT_EQ(ParseConvert({"--target-size=1.4G"}).overrides.targetSize, 1400000000);
    EXPECT_FALSE(ParseConvert({}).overrides.targetSize);
    EXPECT_EQ(c.extension, ".mkv");
    EXPECT_TRUE(c.quiet);
    EXPECT_TRUE(c.nullSeparated);
    EXPECT_FALSE(c.verbose);
    // --verbose before the command word belongs to the command, probe included.
    auto probe = Parse({"--verbose", "probe", "a.mkv"});
    ASSERT_TRUE(probe.command) << probe.error;
    EXPECT_EQ(probe.command->kind, CommandKind::Probe);
    EXPECT_TRUE(probe.command->convert.verbose);
    EXPECT_EQ(probe.command->files, (std::vector<std::string>{"a.mkv"}));
    EXPECT_EQ(c.jobs, 3);
    EXPECT_EQ(c.audioTrack, "eng");
    EXPECT_EQ(c.subtitles, "2");
    const ConvertRequest library = ParseConvert({"--no-recursive", "--keep-tree", "--skip-done"});
    EXPECT_FALSE(library.recursive);
    EXPECT_TRUE(library.keepTree && library.skipDone);
    EXPECT_EQ(c.language, "de");
    EXPECT_EQ(c.stillPictureSeconds, 12);
    EXPECT_EQ(ParseConvert({}).stillPictureSeconds, 5);
    EXPECT_EQ(ParseConvert({}).language, "") << "the desktop's";
    // probe marks the track --language picks and measures a still by --still-seconds.
    auto probeSources = Parse({"probe", "--language", "jpn", "--still-seconds", "3", "a.png"});
    ASSERT_TRUE(probeSources.command) << probeSources.error;
    EXPECT_EQ(probeSources.command->convert.language, "jpn");
    EXPECT_EQ(probeSources.command->convert.stillPictureSeconds, 3);
    EXPECT_EQ(ParseConvert({"--subtitles", "none"}).subtitles, "none");
    EXPECT_EQ(ParseConvert({"--jobs", "auto"}).jobs, 0);
    EXPECT_EQ(ParseConvert({}).jobs, 0);
}

TEST(CliCommandLine, DoubleDashEndsOptions) {
    auto r = Parse({"convert", "--quiet", "--", "--profile", "-odd.mkv"});
    ASSERT_TRUE(r.command) << r.error;
    EXPECT_EQ(r.command->files, (std::vector<std::string>{"--profile", "-odd.mkv"}));
    EXPECT_TRUE(r.command->convert.quiet);
}

TEST(CliCommandLine, UsageErrorsNameTheProblem) {
    struct Case {
        std::vector<std::string> args;
        std::string expected;
    };
    const std::vector<Case> cases{
        {{"--profile", "16"}, "0 to 15"},
        {{"--profile", "-1"}, "0 to 15"},
        {{"--profile", "two"}, "0 to 15"},
        {{"--colour", "red"}, "unknown option"},
        {{"--quiet=yes"}, "takes no value"},
        {{"--null=1"}, "takes no value"},
        {{"--quiet", "--verbose"}, "cannot be used together"},
        {{"--begin", "1:2:3"}, "HH:MM:SS"},
        {{"--end", "00:60:00"}, "HH:MM:SS"},
        {{"--end", "00:00:99"}, "HH:MM:SS"},
        {{"--begin", "00:00:10", "--end", "00:00:10"}, "is not before"},
        {{"--merge", "--begin", "00:00:01"}, "--merge"},
        {{"--merge", "--keep-tree"}, "--keep-tree cannot be used with --merge"},
        {{"--size", "720x480"}, "WIDTH*HEIGHT"},
        {{"--size", "*480"}, "WIDTH*HEIGHT"},
        {{"--size", "0*480"}, "WIDTH*HEIGHT"},
        {{"--video-bitrate", "512"}, "512 kbps"},
        {{"--target-size", "big"}, "--target-size wants a size such as 700M"},
        {{"--target-size", "0"}, "--target-size wants a size"},
        {{"--target-size", "-5M"}, "--target-size wants a size"},
        // The size sets the video bit rate: one of them would be dropped without a word.
        {{"--target-size", "700M", "--video-bitrate", "512 kbps"}, "--target-size and --video-bitrate cannot"},
        {{"--target-size", "700 MHz"}, "--target-size wants a size"},
        {{"--video-bitrate", "0 kbps"}, "512 kbps"},
        {{"--audio-bitrate", "9999999999 kbps"}, "512 kbps"},
        {{"--sample-rate", "44100"}, "44100 Hz"},
        {{"--channels", "2 Channel stereo"}, "2 Channel Stereo"},
        {{"--video-encoder", "h.264"}, "unknown encoder"},
        {{"--audio-encoder", "aac"}, "unknown encoder"},
        {{"--frame-rate", "29.97"}, "unknown frame rate"},
        {{"--extension", "mp4"}, "extension"},
        {{"--extension", "./x"}, "extension"},
        {{"--output", ""}, "folder"},
        {{"--output", "  "}, "folder"},
        {{"--jobs", "0"}, "1 to 16"},
        {{"--jobs", "17"}, "1 to 16"},
        {{"--jobs", "two"}, "1 to 16"},
        // Values read whole: trailing words, blanks or signs are no part of a value.
        {{"--video-bitrate", "12abc kbps"}, "512 kbps"},
        {{"--audio-bitrate", "128 kbps "}, "512 kbps"},
        {{"--sample-rate", "44100 Hz "}, "44100 Hz"},
        {{"--sample-rate", "+44100 Hz"}, "44100 Hz"},
        {{"--size", "720*480x"}, "WIDTH*HEIGHT"},
        {{"--size", " 720*480"}, "WIDTH*HEIGHT"},
        // Containers that write files of their own, or no container at all.
        {{"--extension", ".mpd"}, "not a container written as one file"},
        {{"--extension", ".m3u8"}, "not a container written as one file"},
        {{"--extension", ".jpg"}, "not a container written as one file"},
        {{"--extension", ".mp4 "}, "not a container written as one file"},
        // Given twice: a slip, not "the last one wins".
        {{"--profile", "1", "--profile", "2"}, "--profile is given more than once"},
        {{"--quiet", "--quiet"}, "--quiet is given more than once"},
        {{"--audio-track", "none"}, "track number or a language"},
        {{"--audio-track", "0"}, "track number or a language"},
        {{"--audio-track", "english"}, "track number or a language"},
        {{"--subtitles", ""}, "none, auto"},
        {{"--subtitles", "x1"}, "none, auto"},
        {{"--language", "english"}, "language code such as de"},
        {{"--language", ""}, "language code such as de"},
        {{"--still-seconds", "0"}, "1 to 3600"},
        {{"--still-seconds", "2.5"}, "1 to 3600"},
        {{"--still-seconds", "3601"}, "1 to 3600"},
    };
    EXPECT_NE(Parse({"convert", "a.mkv", "--profile"}).error.find("--profile needs a value"), std::string::npos);
    for (const auto& c : cases) {
        std::string error = ConvertError(c.args);
        EXPECT_NE(error.find(c.expected), std::string::npos) << c.args[0] << " gave: " << error;
    }
}

TEST(CliTimeText, AcceptsOnlyClockTexts) {
    EXPECT_TRUE(IsTimeText("00:00:00"));
    EXPECT_TRUE(IsTimeText("01:02:05"));
    EXPECT_TRUE(IsTimeText("123:59:59"));
    EXPECT_FALSE(IsTimeText("1:02"));
    EXPECT_FALSE(IsTimeText("01:2:05"));
    EXPECT_FALSE(IsTimeText("aa:00:00"));
    EXPECT_FALSE(IsTimeText("00:00:05 "));
    EXPECT_FALSE(IsTimeText("999999:00:00"));  // would overflow the seconds count
}

TEST(CliSettingsText, OverrideTextsAreReadWithTheDialogRulesButRefuseWhatWouldBeZero) {
    EXPECT_EQ(BitRateFromText("128 kbps"), 128000);
    EXPECT_EQ(BitRateFromText("4.75 kbps"), 4750);
    EXPECT_EQ(BitRateFromText("10.2 kbps"), 10200);
    EXPECT_EQ(BitRateFromText("7.95 kbps"), 7950);
    EXPECT_FALSE(BitRateFromText("128"));
    EXPECT_FALSE(BitRateFromText("fast kbps"));
    EXPECT_FALSE(BitRateFromText("44100 Hz"));
    EXPECT_FALSE(BitRateFromText("99999999999 kbps"));

    EXPECT_EQ(SampleRateFromText("22050 Hz"), 22050);
    EXPECT_FALSE(SampleRateFromText("0 Hz"));
    EXPECT_FALSE(SampleRateFromText("44100"));

    auto size = OutputSizeFromText("1408*1152");
    ASSERT_TRUE(size);
    EXPECT_EQ(size->width, 1408);
    EXPECT_EQ(size->height, 1152);
    EXPECT_FALSE(OutputSizeFromText("720x480"));
    EXPECT_FALSE(OutputSizeFromText("720*"));
    EXPECT_FALSE(OutputSizeFromText(""));
}
