#include "engine/ProbeMedia.h"

#include "engine/AVConvert.h"
#include "tests/support/MediaFixture.h"

#include <gtest/gtest.h>

extern "C" {
#include <libavcodec/codec_id.h>
#include <libavutil/avutil.h>
}

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <vector>

namespace fs = std::filesystem;
using testmedia::ClipSpec;
using testmedia::makeClip;
using testmedia::runCommand;
using testmedia::shellQuote;

namespace {

std::vector<char> readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeBytes(const std::string& path, const std::vector<char>& bytes) {
    std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

bool ffmpegMake(const std::string& arguments, const std::string& path) {
    return runCommand("ffmpeg -nostdin -hide_banner -loglevel error -y " + arguments + " " + shellQuote(path)) == 0;
}

// Replaces every occurrence of `from` by `to` (same length) in the file.
bool patchBytes(const std::string& source, const std::string& target, const std::string& from, const std::string& to) {
    auto bytes = readBytes(source);
    bool found = false;
    for (auto it = std::search(bytes.begin(), bytes.end(), from.begin(), from.end()); it != bytes.end();
         it = std::search(it + 1, bytes.end(), from.begin(), from.end())) {
        std::copy(to.begin(), to.end(), it);
        found = true;
    }
    writeBytes(target, bytes);
    return found;
}

// All media is made once for the whole suite: making it is the slow part.
class ProbeTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        dir = std::make_unique<testmedia::TempDir>();
        ClipSpec ntsc;
        ntsc.seconds = 2;
        ntsc.videoSize = "160x120";
        ntsc.frameRate = "30000/1001";
        ntsc.extraArgs = "-c:v libx264 -preset ultrafast -c:a aac";
        made = makeClip(path("ntsc.mkv"), ntsc);

        ClipSpec pal = ntsc;
        pal.frameRate = "25";
        pal.channels = 1;
        pal.sampleRate = 22050;
        pal.extraArgs = "-c:v mpeg4 -b:v 200k -c:a libmp3lame";
        made = made && makeClip(path("pal.mp4"), pal);

        ClipSpec song;
        song.videoSize.clear();
        song.seconds = 2;
        song.extraArgs = "-c:a libmp3lame -b:a 128k";
        made = made && makeClip(path("song.mp3"), song);

        ClipSpec voice = song;
        voice.sampleRate = 8000;
        voice.channels = 1;
        voice.extraArgs = "-c:a pcm_s16le";
        made = made && makeClip(path("voice.wav"), voice);

        // Two audio tracks: a stereo 44.1 kHz one, then a mono 22.05 kHz one.
        made = made && ffmpegMake("-f lavfi -i testsrc2=size=160x120:rate=25:duration=1"
                                  " -f lavfi -i sine=sample_rate=44100:duration=1"
                                  " -f lavfi -i sine=sample_rate=22050:duration=1"
                                  " -map 0 -map 1 -map 2 -ac:a:0 2 -c:v libx264 -preset ultrafast -c:a aac",
                                  path("two-tracks.mkv"));

        // A raw H.264 stream whose timing says 90000 frames a second, as raw streams
        // reporting their time base do; a raw stream also has no container length.
        made = made && ffmpegMake("-f lavfi -i testsrc2=size=64x48:rate=25:duration=0.4 -c:v libx264 -preset ultrafast"
                                  " -bsf:v h264_metadata=tick_rate=180000/1",
                                  path("tick.h264"));

        // An AVI whose video fourcc no decoder knows, and one whose raw pictures have a
        // bit depth no pixel format matches (the decoder exists but refuses to open).
        made = made && ffmpegMake("-f lavfi -i testsrc2=size=64x48:rate=25:duration=0.2 -c:v mjpeg", path("mjpeg.avi"));
        made = made && patchBytes(path("mjpeg.avi"), path("unknown-codec.avi"), "MJPG", "QZQZ");
        made = made && ffmpegMake("-f lavfi -i testsrc2=size=64x48:rate=25:duration=0.2 -c:v rawvideo -pix_fmt bgr24",
                                  path("raw.avi"));
        if (made) {
            auto bytes = readBytes(path("raw.avi"));
            const std::string strf = "strf";
            auto at = std::search(bytes.begin(), bytes.end(), strf.begin(), strf.end());
            made = at != bytes.end() && at + 24 < bytes.end();
            if (made) {
                at[8 + 14] = 13;  // BITMAPINFOHEADER.biBitCount
                writeBytes(path("bad-depth.avi"), bytes);
            }
        }
    }
    static void TearDownTestSuite() { dir.reset(); }

    void SetUp() override { ASSERT_TRUE(made) << "could not make the test media"; }

    static std::string path(const std::string& name) { return dir->file(name); }

    int probe(const std::string& name) {
        job.probePath = path(name);
        return ProbeMedia(job);
    }

    static std::unique_ptr<testmedia::TempDir> dir;
    static bool made;
    AVConvert job;
};

std::unique_ptr<testmedia::TempDir> ProbeTest::dir;
bool ProbeTest::made = false;

}  // namespace

TEST_F(ProbeTest, DescribesVideoAndAudioOfAMatroskaFile) {
    ASSERT_EQ(probe("ntsc.mkv"), 0);
    EXPECT_TRUE(ProbeAccepted(0, job));
    EXPECT_EQ(job.videoStreamIndex, 0);
    EXPECT_EQ(job.audioStreamIndex, 1);
    EXPECT_EQ(job.sourceWidth, 160);
    EXPECT_EQ(job.sourceHeight, 120);
    EXPECT_EQ(job.videoCodecId, AV_CODEC_ID_H264);
    EXPECT_EQ(job.videoCodecName, "h264");
    // 30000/1001 stays as it is; the rate as a number is cut to whole frames.
    EXPECT_EQ(job.sourceRateNum, 30000);
    EXPECT_EQ(job.sourceRateDen, 1001);
    EXPECT_EQ(job.sourceFrameRate, 29.0);
    EXPECT_EQ(job.audioCodecId, AV_CODEC_ID_AAC);
    EXPECT_EQ(job.audioCodecName, "aac");
    EXPECT_EQ(job.audioChannels, 2);
    EXPECT_EQ(job.audioSampleRate, 44100);
    EXPECT_NEAR(static_cast<double>(job.durationMicroseconds), 2e6, 1e5);
    EXPECT_EQ(job.probeDurationSeconds, job.durationMicroseconds / 1000000);
    EXPECT_EQ(job.probeStartSeconds, 0);
    EXPECT_EQ(job.fileSize, static_cast<int>(fs::file_size(path("ntsc.mkv"))));
}

TEST_F(ProbeTest, DescribesAnMp4WithMonoSound) {
    ASSERT_EQ(probe("pal.mp4"), 0);
    EXPECT_EQ(job.videoCodecId, AV_CODEC_ID_MPEG4);
    EXPECT_EQ(job.sourceRateNum, 25);
    EXPECT_EQ(job.sourceRateDen, 1);
    EXPECT_EQ(job.sourceFrameRate, 25.0);
    EXPECT_GT(job.videoBitRate, 50000);
    EXPECT_EQ(job.audioCodecId, AV_CODEC_ID_MP3);
    EXPECT_EQ(job.audioChannels, 1);
    EXPECT_EQ(job.audioSampleRate, 22050);
    EXPECT_GT(job.audioBitRate, 0);
    EXPECT_EQ(job.probeDurationSeconds, 2);
}

TEST_F(ProbeTest, AudioOnlyFileHasNoPictureAndKeepsThePreviousRate) {
    ASSERT_EQ(probe("ntsc.mkv"), 0);
    ASSERT_EQ(probe("song.mp3"), 0);
    EXPECT_TRUE(ProbeAccepted(0, job));
    EXPECT_EQ(job.videoStreamIndex, -1);
    EXPECT_EQ(job.audioStreamIndex, 0);
    EXPECT_EQ(job.sourceWidth, 0);
    EXPECT_EQ(job.sourceHeight, 0);
    EXPECT_EQ(job.videoCodecId, 0);
    EXPECT_EQ(job.videoBitRate, 0);
    EXPECT_EQ(job.videoCodecName, "");
    EXPECT_EQ(job.sourceRateNum, 30000);
    EXPECT_EQ(job.sourceRateDen, 1001);
    EXPECT_EQ(job.sourceFrameRate, 29.0);
    EXPECT_EQ(job.audioCodecId, AV_CODEC_ID_MP3);
    EXPECT_EQ(job.audioCodecName, "mp3");
    EXPECT_EQ(job.audioChannels, 2);
    EXPECT_EQ(job.audioSampleRate, 44100);
    EXPECT_EQ(job.audioBitRate, 128000);
    EXPECT_EQ(job.probeDurationSeconds, 2);
}

TEST_F(ProbeTest, DescribesAWaveFile) {
    ASSERT_EQ(probe("voice.wav"), 0);
    EXPECT_EQ(job.audioCodecId, AV_CODEC_ID_PCM_S16LE);
    EXPECT_EQ(job.audioChannels, 1);
    EXPECT_EQ(job.audioSampleRate, 8000);
    EXPECT_EQ(job.audioBitRate, 128000);
    EXPECT_EQ(job.probeDurationSeconds, 2);
}

TEST_F(ProbeTest, VideoWithoutSoundClearsTheAudioFields) {
    ASSERT_EQ(probe("song.mp3"), 0);
    ASSERT_EQ(probe("mjpeg.avi"), 0);
    EXPECT_EQ(job.audioStreamIndex, -1);
    EXPECT_EQ(job.audioCodecId, 0);
    EXPECT_EQ(job.audioChannels, 0);
    EXPECT_EQ(job.audioSampleRate, 0);
    EXPECT_EQ(job.audioBitRate, 0);
    EXPECT_EQ(job.audioCodecName, "");
    EXPECT_EQ(job.videoCodecId, AV_CODEC_ID_MJPEG);
}

TEST_F(ProbeTest, TheLastOfTwoAudioTracksIsDescribed) {
    ASSERT_EQ(probe("two-tracks.mkv"), 0);
    EXPECT_EQ(job.videoStreamIndex, 0);
    EXPECT_EQ(job.audioStreamIndex, 2);
    EXPECT_EQ(job.audioSampleRate, 22050);
    EXPECT_EQ(job.audioChannels, 1);
}

TEST_F(ProbeTest, ATimeBaseReportedAsRateBecomesAFrameRateAndNoLengthIsRejected) {
    ASSERT_EQ(probe("tick.h264"), 0);
    EXPECT_EQ(job.sourceRateNum, 90000);
    EXPECT_EQ(job.sourceRateDen, 1001);
    EXPECT_EQ(job.sourceFrameRate, 89.0);
    EXPECT_EQ(job.durationMicroseconds, AV_NOPTS_VALUE);
    EXPECT_LT(job.probeDurationSeconds, 0);
    EXPECT_FALSE(ProbeAccepted(0, job));
}

TEST_F(ProbeTest, VideoWithoutADecoderIsMinusFour) {
    EXPECT_EQ(probe("unknown-codec.avi"), -4);
    EXPECT_EQ(job.videoStreamIndex, 0);
    EXPECT_FALSE(ProbeAccepted(-4, job));
}

TEST_F(ProbeTest, AVideoDecoderThatWillNotOpenIsMinusFive) {
    EXPECT_EQ(probe("bad-depth.avi"), -5);
    EXPECT_FALSE(ProbeAccepted(-5, job));
}

TEST_F(ProbeTest, NonMediaIsRefusedWithoutHarm) {
    writeBytes(path("empty.mp4"), {});
    const std::string text = "Shopping list\nmilk\nbread\n";
    writeBytes(path("notes.txt"), {text.begin(), text.end()});
    writeBytes(path("notes"), {text.begin(), text.end()});
    auto mp4 = readBytes(path("pal.mp4"));
    writeBytes(path("truncated.mp4"), {mp4.begin(), mp4.begin() + static_cast<long>(mp4.size() / 3)});
    auto mkv = readBytes(path("ntsc.mkv"));
    std::fill(mkv.begin(), mkv.begin() + 64, '\x5a');
    writeBytes(path("damaged.mkv"), mkv);

    for (const char* name : {"empty.mp4", "notes.txt", "notes", "truncated.mp4", "damaged.mkv", "missing.mkv"}) {
        const int result = probe(name);
        EXPECT_LT(result, 0) << name;
        EXPECT_FALSE(ProbeAccepted(result, job)) << name;
        EXPECT_EQ(job.videoStreamIndex, -1) << name;
        EXPECT_EQ(job.audioStreamIndex, -1) << name;
    }
    // A folder is not a media file either.
    job.probePath = dir->path().string();
    EXPECT_LT(ProbeMedia(job), 0);
}

TEST(ProbeAcceptance, NeedsSuccessAndAKnownLength) {
    AVConvert job;
    job.probeStartSeconds = 0;
    job.probeDurationSeconds = 0;
    EXPECT_TRUE(ProbeAccepted(0, job));
    EXPECT_FALSE(ProbeAccepted(-2, job));
    job.probeDurationSeconds = -1;
    EXPECT_FALSE(ProbeAccepted(0, job));
    job.probeDurationSeconds = 5;
    job.probeStartSeconds = -1;
    EXPECT_FALSE(ProbeAccepted(0, job));
}
