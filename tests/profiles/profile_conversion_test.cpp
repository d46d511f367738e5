// Every profile of the profile list, end to end: a tiny source converted the way the
// Convert command does it (profile -> settings -> FillJob -> TranscodeWorker on a
// WorkerThread), then read back with ffprobe.
#include "engine/AVConvert.h"
#include "engine/ProbeMedia.h"
#include "engine/TranscodeWorker.h"
#include "engine/WorkerThread.h"
#include "profiles/JobSetup.h"
#include "profiles/OutputSettings.h"
#include "profiles/ProfileTable.h"
#include "profiles/TimeText.h"
#include "tests/support/MediaFixture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

namespace {

namespace fs = std::filesystem;

// What each profile must produce, written out independently of the profile table.
struct Expected {
    const char* extension;
    const char* container;   // ffprobe format_name
    const char* videoCodec;  // nullptr = audio only
    const char* videoProfile;  // "" = not checked
    int width, height;
    const char* audioCodec;
    int sampleRate;
    int channels;
};

constexpr Expected kExpected[kProfileCount] = {
    {".mp4", "mov,mp4,m4a,3gp,3g2,mj2", "h264", "Main", 720, 480, "aac", 48000, 2},
    {".avi", "avi", "msmpeg4v3", "", 1280, 720, "mp3", 48000, 2},
    {".avi", "avi", "msmpeg4v3", "", 720, 480, "mp3", 48000, 2},
    {".mp4", "mov,mp4,m4a,3gp,3g2,mj2", "h264", "Main", 1280, 720, "aac", 48000, 2},
    {".mpg", "mpeg", "mpeg2video", "", 720, 480, "mp2", 48000, 2},
    {".mpg", "mpeg", "mpeg2video", "", 1280, 720, "mp2", 48000, 2},
    {".ts", "mpegts", "mpeg2video", "", 1280, 720, "mp2", 48000, 2},
    {".wmv", "asf", "wmv2", "", 1280, 720, "wmav2", 44100, 2},
    {".wmv", "asf", "wmv2", "", 720, 480, "wmav2", 44100, 2},
    {".mp4", "mov,mp4,m4a,3gp,3g2,mj2", "h264", "Main", 480, 272, "aac", 48000, 2},
    {".mp4", "mov,mp4,m4a,3gp,3g2,mj2", "h264", "Main", 720, 480, "aac", 48000, 2},
    {".mp4", "mov,mp4,m4a,3gp,3g2,mj2", "h264", "Main", 368, 208, "aac", 48000, 2},
    {".mp4", "mov,mp4,m4a,3gp,3g2,mj2", "mpeg4", "Simple Profile", 368, 208, "aac", 48000, 2},
    {".wav", "wav", nullptr, "", 0, 0, "pcm_s16le", 44100, 2},
    {".mp3", "mp3", nullptr, "", 0, 0, "mp3", 44100, 2},
    {".wma", "asf", nullptr, "", 0, 0, "wmav2", 44100, 2},
};

constexpr double kSourceSeconds = 2.0;
constexpr double kTolerance = 0.2;

// Length of one stream: decoded packet span, or the stream's own duration when the
// packets carry no usable times.
double StreamSeconds(const std::string& path, const std::string& selector, const testmedia::StreamInfo& stream) {
    double decoded = testmedia::decodedDuration(path, selector);
    return decoded > 0 ? decoded : stream.duration;
}

class ProfileConversion : public ::testing::TestWithParam<int> {
protected:
    static void SetUpTestSuite() {
        s_media = std::make_unique<testmedia::TempDir>();
        // 320x240, 25 fps, stereo 44.1 kHz
        ASSERT_TRUE(testmedia::makeClip(s_media->file("source.mkv"), testmedia::H264Clip(kSourceSeconds)));
    }
    static void TearDownTestSuite() { s_media.reset(); }

    // Probe, rows and job set-up as the Convert command does them; returns the row state.
    int convert(int profile, std::string& outputPath) {
        auto job = std::make_unique<AVConvert>();
        const std::string source = s_media->file("source.mkv");
        job->probePath = source;
        if (!ProbeAccepted(ProbeMedia(*job), *job)) return -1;
        std::vector<TaskRow> rows{
            TaskRow{source, FormatTime(0), FormatTime(static_cast<int>(job->probeDurationSeconds)), true, "", "", ""}};

        OutputSettings settings;
        ResetOutputSettings(settings);
        LoadProfile(settings, profile);
        FillJob(*job, rows, settings, out.path().string(), ExtensionFromProfile(Profiles()[profile].displayText),
                JobKind::Convert);
        job->previewOff = true;
        WorkerThread worker;
        worker.start(&TranscodeWorker, *job);
        worker.join();
        EXPECT_EQ(job->currentFile.load(), 1);
        outputPath = job->outputPaths[0];
        return job->fileState[0].load();
    }

    static std::unique_ptr<testmedia::TempDir> s_media;
    testmedia::TempDir out;
};
std::unique_ptr<testmedia::TempDir> ProfileConversion::s_media;

}  // namespace

TEST_P(ProfileConversion, WritesTheProfilesContainerCodecsAndSizes) {
    const int profile = GetParam();
    const Expected& want = kExpected[profile];
    SCOPED_TRACE(std::string(Profiles()[profile].displayText));

    std::string path;
    ASSERT_EQ(convert(profile, path), kRowCompleted) << "the engine could not encode this profile";
    EXPECT_EQ(path, out.file(std::string("source") + want.extension));

    testmedia::ProbeInfo info = testmedia::probe(path);
    ASSERT_TRUE(info.ok) << path;
    EXPECT_EQ(info.formatName, want.container);

    const testmedia::StreamInfo* audio = info.audio();
    ASSERT_NE(audio, nullptr);
    EXPECT_EQ(audio->codecName, want.audioCodec);
    EXPECT_EQ(audio->sampleRate, want.sampleRate);
    EXPECT_EQ(audio->channels, want.channels);
    EXPECT_NEAR(StreamSeconds(path, "a:0", *audio), kSourceSeconds, kTolerance);

    const std::string thumbnail = out.file("source.THM");
    const testmedia::StreamInfo* video = info.video();
    if (!want.videoCodec) {
        EXPECT_EQ(video, nullptr);
        EXPECT_FALSE(fs::exists(thumbnail)) << "audio outputs get no thumbnail";
        return;
    }
    ASSERT_NE(video, nullptr);
    EXPECT_EQ(video->codecName, want.videoCodec);
    if (*want.videoProfile) {
        EXPECT_EQ(video->profile, want.videoProfile);
    }
    EXPECT_EQ(video->width, want.width);
    EXPECT_EQ(video->height, want.height);
    EXPECT_EQ(video->frameRate, "30000/1001");  // every video profile asks for 29.97 fps
    EXPECT_NEAR(StreamSeconds(path, "v:0", *video), kSourceSeconds, kTolerance);

    testmedia::ProbeInfo jpeg = testmedia::probe(thumbnail);
    ASSERT_TRUE(jpeg.ok && jpeg.video()) << "a .THM beside every video output";
    EXPECT_EQ(jpeg.video()->codecName, "mjpeg");
    EXPECT_EQ(jpeg.video()->width, 160);
    EXPECT_EQ(jpeg.video()->height, 120);
}

INSTANTIATE_TEST_SUITE_P(AllProfiles, ProfileConversion, ::testing::Range(0, kProfileCount),
                         [](const ::testing::TestParamInfo<int>& info) { return "Profile" + std::to_string(info.param); });
