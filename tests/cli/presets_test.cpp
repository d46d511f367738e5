// korbanix-cli presets: the catalogue listing and one preset's choices, through the
// same entry point the binary uses.
#include "cli/CliOptions.h"
#include "cli/CliRun.h"
#include "profiles/PresetCatalogue.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

using namespace cli;

namespace {

struct Outcome {
    int status = -1;
    std::string out, err;
};

Outcome RunArgs(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    CliEnvironment env;
    env.out = &out;
    env.err = &err;
    Outcome run;
    run.status = RunCli(args, env);
    run.out = out.str();
    run.err = err.str();
    return run;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

TEST(PresetsCommand, ListsEveryPresetAsCodeTabTitleInCatalogueOrder) {
    const Outcome run = RunArgs({"presets"});
    EXPECT_EQ(run.status, kExitOk);
    EXPECT_TRUE(run.err.empty());
    const auto lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 123u);
    EXPECT_EQ(lines.front(), "90000\tASF - Advanced Streaming Format(*.asf)");
    EXPECT_EQ(lines.back(), "91602\tZUNE MPEG4 Video(*.mp4)");
    std::size_t i = 0;
    for (const Preset& p : PresetCatalogue())
        EXPECT_EQ(lines[i++], std::to_string(p.code) + "\t" + std::string(p.title));
}

TEST(PresetsCommand, ShowsOnePresetWithItsDefaultsMarked) {
    const Outcome run = RunArgs({"presets", "91201"});
    EXPECT_EQ(run.status, kExitOk);
    const auto lines = Lines(run.out);
    const std::vector<std::string> head = {
        "Code: 91201",
        "Title: PS3 DivX Video(*.avi)",
        "Audio only: no",
        "Thumbnail: no",
        "Video encoder: [DivX]",
        "Video bit rate: 1200 kbps, 1500 kbps, 2000 kbps, [2500 kbps], 3000 kbps, 4000 kbps",
        "Resolution: [720*480], 720*576",
        "Frame rate: 20.0 fps, 23.975 fps, 24.0 fps, 25.0 fps, [29.97 fps], 30.0 fps, 50.0 fps, 60.0 fps",
        "Audio encoder: [MP3], MP2, PCM_S16LE",
        "Audio bit rate with MP3: 64 kbps, 96 kbps, 128 kbps, 160 kbps, [192 kbps], 256 kbps, 320 kbps",
        "Sample rate with MP3: [44100 Hz], 48000 Hz, 22050 Hz, 32000 Hz",
        "Channel with MP3: 1 Channel Mono, [2 Channel Stereo]",
    };
    ASSERT_GE(lines.size(), head.size());
    for (std::size_t i = 0; i < head.size(); ++i) EXPECT_EQ(lines[i], head[i]);
    EXPECT_NE(run.out.find("Sample rate with MP2: [44100 Hz], 48000 Hz, 32000 Hz\n"), std::string::npos);
}

TEST(PresetsCommand, AudioPresetHasNoVideoLinesAndRulePresetsShowSizesPerEncoder) {
    const Outcome wav = RunArgs({"presets", "90702"});
    EXPECT_EQ(wav.status, kExitOk);
    EXPECT_NE(wav.out.find("Audio only: yes\n"), std::string::npos);
    EXPECT_EQ(wav.out.find("Video encoder"), std::string::npos);
    EXPECT_NE(wav.out.find("Audio encoder: [PCM_S16LE]\n"), std::string::npos);

    const Outcome avi = RunArgs({"presets", "90001"});
    EXPECT_NE(avi.out.find("Resolution with H.263: 128*96, 176*144, [352*288], 704*576, 1408*1152\n"),
              std::string::npos);
    EXPECT_NE(avi.out.find("Resolution with MPEG4: 128*96, 176*144, [320*240], 352*240"), std::string::npos);
    EXPECT_NE(RunArgs({"presets", "91300"}).out.find("Thumbnail: yes\n"), std::string::npos);
}

TEST(PresetsCommand, UnknownCodesAndExtraArgumentsAreUsageErrors) {
    for (auto bad : std::vector<std::vector<std::string>>{
             {"presets", "0"}, {"presets", "91209"}, {"presets", "abc"}, {"presets", "91200x"},
             {"presets", ""}, {"presets", "91200", "91201"}}) {
        const Outcome run = RunArgs(bad);
        EXPECT_EQ(run.status, kExitUsage);
        EXPECT_TRUE(run.out.empty());
        EXPECT_NE(run.err.find("korbanix-cli: "), std::string::npos);
    }
}

TEST(PresetsCommand, HelpMentionsIt) {
    EXPECT_NE(RunArgs({"--help"}).out.find("korbanix-cli presets [CODE]"), std::string::npos);
}

}  // namespace
