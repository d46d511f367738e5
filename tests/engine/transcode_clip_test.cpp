// Clip range, stream durations and A/V sync of converted rows.

#include "engine/TranscodeWorker.h"
#include "tests/engine/pipeline_fixture.h"

extern "C" {
#include <libavcodec/avcodec.h>
}

#include <fstream>
#include <sstream>

using namespace pipelinetest;

namespace {

class TranscodeClip : public ::testing::Test {
protected:
    testmedia::TempDir dir;
};

// Luma that steps up every second (20, 40, 60, …): the first picture tells where
// the output starts in the source. Key frames only every 250 pictures, so a seek
// lands well before the clip start.
bool makeStepClip(const std::string& path, double seconds) {
    return ffmpeg("-f lavfi -i \"color=c=black:s=160x120:r=25:d=" + std::to_string(seconds) +
                  ",geq=lum='20+20*floor(T)':cb=128:cr=128\" -f lavfi -i sine=frequency=440:sample_rate=44100:d=" +
                  std::to_string(seconds) + " -c:v libx264 -preset ultrafast -g 250 -c:a aac -shortest " +
                  testmedia::shellQuote(path));
}

TEST_F(TranscodeClip, BeginAndEndCutEveryStreamToTheClip) {
    // An MPEG-TS has no index: its seek lands on whatever picture has the time,
    // here one that needs the key frame at 0, and no key frame follows.
    for (const char* container : {"mp4", "ts"}) {
        SCOPED_TRACE(container);
        const std::string src = dir.file(std::string("steps.") + container);
        ASSERT_TRUE(makeStepClip(src, 6));
        AVConvert job;
        fillJob(job, {src}, {dir.file(std::string("cut-") + container + ".mp4")});
        setClip(job, 0, 2.4, 5);
        runWorker(TranscodeWorker, job);
        ASSERT_EQ(job.fileState[0].load(), kRowCompleted) << job.failureReason(0);
        EXPECT_EQ(job.clipBegin[0], 0) << "the row's clip begin is consumed by the seek";
        const std::string out = dir.file(std::string("cut-") + container + ".mp4");
        EXPECT_NEAR(streamDuration(out, "v:0"), 2.6, 0.2);
        EXPECT_NEAR(streamDuration(out, "a:0"), 2.6, 0.2);
        // The first picture comes from 2.4 s into the source (luma 60), not from the key frame at 0.
        const auto luma = pictureLuma(out);
        ASSERT_FALSE(luma.empty());
        EXPECT_NEAR(luma.front().second, 60, 6);
        EXPECT_NEAR(luma.back().second, 100, 6);
    }
}

TEST_F(TranscodeClip, EndOnlyCutsTheTail) {
    const std::string src = dir.file("steps.mp4");
    ASSERT_TRUE(makeStepClip(src, 4));
    AVConvert job;
    fillJob(job, {src}, {dir.file("head.mp4")});
    setClip(job, 0, 0, 1.5);
    runWorker(TranscodeWorker, job);
    ASSERT_EQ(job.fileState[0].load(), kRowCompleted);
    EXPECT_NEAR(streamDuration(dir.file("head.mp4"), "v:0"), 1.5, 0.2);
    EXPECT_NEAR(streamDuration(dir.file("head.mp4"), "a:0"), 1.5, 0.2);
}

TEST_F(TranscodeClip, ZeroClipLengthConvertsTheWholeSourceWithoutDividingByZero) {
    const std::string src = dir.file("steps.mp4");
    ASSERT_TRUE(makeStepClip(src, 2));
    AVConvert job;
    fillJob(job, {src}, {dir.file("all.mp4")});
    setClip(job, 0, 0, 0);
    runWorker(TranscodeWorker, job);
    ASSERT_EQ(job.fileState[0].load(), kRowCompleted);
    EXPECT_EQ(job.progressPercent.load(), 100);
    EXPECT_NEAR(streamDuration(dir.file("all.mp4"), "v:0"), 2.0, 0.2);
}

TEST_F(TranscodeClip, TimestampResetInTheSourceIsBridged) {
    // Two recordings joined byte by byte: the second starts its clock at 0 again.
    const std::string a = dir.file("a.ts"), b = dir.file("b.ts"), joined = dir.file("joined.ts");
    for (const auto& [path, luma] : {std::pair{a, 40}, std::pair{b, 200}})
        ASSERT_TRUE(ffmpeg("-f lavfi -i \"color=c=black:s=160x120:r=25:d=2,geq=lum=" + std::to_string(luma) +
                           ":cb=128:cr=128\" -f lavfi -i sine=sample_rate=44100:d=2 -c:v libx264 -preset ultrafast "
                           "-c:a aac -shortest " + testmedia::shellQuote(path)));
    {
        std::ofstream out(joined, std::ios::binary);
        out << std::ifstream(a, std::ios::binary).rdbuf() << std::ifstream(b, std::ios::binary).rdbuf();
    }
    AVConvert job;
    Settings s;
    s.frameRate = 15;  // fewer pictures out than in: pictures behind the clock would be dropped
    fillJob(job, {joined}, {dir.file("bridged.mp4")}, s);
    setClip(job, 0, 0, 0);
    runWorker(TranscodeWorker, job);
    ASSERT_EQ(job.fileState[0].load(), kRowCompleted);
    const std::string out = dir.file("bridged.mp4");
    EXPECT_NEAR(streamDuration(out, "v:0"), 4.0, 0.3);
    const auto luma = pictureLuma(out);
    ASSERT_GT(luma.size(), 50u);
    EXPECT_NEAR(luma.front().second, 40, 8);
    EXPECT_NEAR(luma.back().second, 200, 8) << "the second recording's pictures are kept";
}

// Start and duration of every audio packet of a file.
std::vector<std::pair<double, double>> audioPackets(const std::string& path) {
    std::string out;
    testmedia::runCommand("ffprobe -v error -select_streams a:0 -show_entries packet=pts_time,duration_time "
                          "-of csv=p=0 " + testmedia::shellQuote(path),
                          &out);
    std::vector<std::pair<double, double>> packets;
    std::istringstream in(out);
    std::string line;
    while (std::getline(in, line))
        if (line.find(',') != std::string::npos)
            packets.emplace_back(std::atof(line.c_str()), std::atof(line.c_str() + line.find(',') + 1));
    return packets;
}

TEST_F(TranscodeClip, SoundStartsAtTheClipBeginInsideAnAudioFrame) {
    // AC-3 frames are 35 ms long: a clip begin near the end of one shows whether
    // the frame it falls in is cut or kept whole.
    const std::string src = dir.file("sync.mp4");
    ASSERT_TRUE(makeSyncClip(src, 4, 2.0, "25", "160x120", "ac3"));
    double begin = 0;
    for (const auto& [pts, duration] : audioPackets(src))
        if (pts >= 1.0) {
            begin = pts + 0.9 * duration;
            break;
        }
    ASSERT_GT(begin, 1.0);
    AVConvert job;
    fillJob(job, {src}, {dir.file("late.mp4")});
    setClip(job, 0, begin, 4);
    runWorker(TranscodeWorker, job);
    ASSERT_EQ(job.fileState[0].load(), kRowCompleted);
    const std::string out = dir.file("late.mp4");
    const double beep = firstBeep(out), flash = firstFlash(out);
    // The beep measure is exact to one 256-sample window (6 ms).
    EXPECT_NEAR(beep, 2.0 - begin - 0.003, 0.008);
    EXPECT_NEAR(flash - beep, 0.0, 0.04) << "within one output frame";
}

struct SyncCase {
    const char* name;
    double outputRate;
    const char* sourceRate;
    const char* writtenRate;  // the output's frame rate as ffprobe reads it
    // MPEG transport and program streams start their clocks well after zero: sound
    // and pictures must both be measured from that start.
    const char* sourceExtension = ".mp4";
    const char* sourceAudio = "aac";
    const char* sourceVideo = "libx264 -preset ultrafast";
};

class TranscodeSync : public TranscodeClip, public ::testing::WithParamInterface<SyncCase> {};

TEST_P(TranscodeSync, FlashAndBeepStayTogether) {
    const SyncCase& c = GetParam();
    const std::string src = dir.file(std::string("sync") + c.sourceExtension);
    ASSERT_TRUE(makeSyncClip(src, 4, 2.0, c.sourceRate, "160x120", c.sourceAudio, c.sourceVideo));
    AVConvert job;
    Settings s;
    s.frameRate = c.outputRate;
    fillJob(job, {src}, {dir.file("sync-out.mp4")}, s);
    setClip(job, 0, 0, 4);
    runWorker(TranscodeWorker, job);
    ASSERT_EQ(job.fileState[0].load(), kRowCompleted);
    const std::string out = dir.file("sync-out.mp4");
    const double flash = firstFlash(out), beep = firstBeep(out);
    EXPECT_NEAR(flash, 2.0, 0.05);
    EXPECT_NEAR(beep, 2.0, 0.05);
    EXPECT_NEAR(flash - beep, 0.0, 0.05);
    EXPECT_EQ(testmedia::probe(out).video()->frameRate, c.writtenRate);
    EXPECT_NEAR(streamDuration(out, "v:0"), 4.0, 0.2);
    EXPECT_NEAR(streamDuration(out, "a:0"), 4.0, 0.2);
}

INSTANTIATE_TEST_SUITE_P(Rates, TranscodeSync,
                         ::testing::Values(SyncCase{"same", 25, "25", "25/1"}, SyncCase{"up", 29.97, "25", "30000/1001"},
                                           SyncCase{"down", 15, "30", "15/1"}, SyncCase{"keep", 0, "30", "30/1"},
                                           SyncCase{"transport", 25, "25", "25/1", ".ts", "aac"},
                                           SyncCase{"program", 29.97, "25", "30000/1001", ".mpg", "mp2", "mpeg2video"}),
                         [](const auto& info) { return std::string(info.param.name); });

// The WMV profiles' sync measured without trusting a sound decoder: the first sound
// packet's time plus the encoder's delay (the priming samples a WMA frame starts
// with) is where the source's first sample plays, and it must meet the first
// picture; the flash's picture must sit at its source time after that.
struct WmvCase {
    const char* name;
    int width, height;
};

class TranscodeWmvSync : public TranscodeClip, public ::testing::WithParamInterface<WmvCase> {};

// The delay wmav2 puts before the first sample at these settings, from the encoder.
double wmaEncoderDelay(int sampleRate, int bitRate) {
    const AVCodec* codec = avcodec_find_encoder_by_name("wmav2");
    if (!codec) return -1;
    auto release = [](AVCodecContext* c) { avcodec_free_context(&c); };
    std::unique_ptr<AVCodecContext, decltype(release)> ctx(avcodec_alloc_context3(codec), release);
    if (!ctx) return -1;
    ctx->sample_rate = sampleRate;
    ctx->bit_rate = bitRate;
    ctx->sample_fmt = AV_SAMPLE_FMT_FLTP;
    av_channel_layout_default(&ctx->ch_layout, 2);
    return avcodec_open2(ctx.get(), codec, nullptr) >= 0 ? double(ctx->initial_padding) / sampleRate : -1;
}

// The pts (seconds) of the first packet of a stream, read without decoding.
double firstPacketTime(const std::string& path, const char* stream) {
    std::string out;
    testmedia::runCommand(std::string("ffprobe -v error -select_streams ") + stream +
                              " -read_intervals %+#1 -show_entries packet=pts_time -of csv=p=0 " +
                              testmedia::shellQuote(path),
                          &out);
    return out.empty() ? -1 : std::atof(out.c_str());
}

TEST_P(TranscodeWmvSync, SoundAndPicturesStartTogetherByTheirPacketTimes) {
    const WmvCase& c = GetParam();
    const std::string src = dir.file("sync.mp4"), out = dir.file("sync.wmv");
    ASSERT_TRUE(makeSyncClip(src, 3, 2.0, "30000/1001", "320x240"));
    AVConvert job;
    const Settings s{.videoCodecId = codecmap::kVideoWmv2, .audioCodecId = codecmap::kAudioWmav2, .width = c.width,
                     .height = c.height, .frameRate = 29.97, .videoBitRate = 2000000, .audioBitRate = 128000,
                     .sampleRate = 44100};
    fillJob(job, {src}, {out}, s);
    setClip(job, 0, 0, 3);
    runWorker(TranscodeWorker, job);
    ASSERT_EQ(job.fileState[0].load(), kRowCompleted);
    const double delay = wmaEncoderDelay(44100, 128000);
    ASSERT_GE(delay, 0);
    const double sound = firstPacketTime(out, "a:0") + delay, picture = firstPacketTime(out, "v:0");
    EXPECT_NEAR(sound - picture, 0.0, 0.005) << "the first sample plays " << (sound - picture) * 1000
                                              << " ms after the first picture";
    EXPECT_NEAR(firstFlash(out) - picture, 2.0, 1001.0 / 30000 + 0.002);
    // FFmpeg's WMA decoder plays the priming samples too, so its beep comes at the
    // source time counted from the first picture, as the packet times say it must.
    EXPECT_NEAR(firstBeep(out) - picture, 2.0, 0.012);
}

INSTANTIATE_TEST_SUITE_P(Profiles, TranscodeWmvSync,
                         ::testing::Values(WmvCase{"ps3_wmv_hd", 1280, 720}, WmvCase{"ps3_wmv", 720, 480}),
                         [](const auto& info) { return std::string(info.param.name); });

// Real-world source shapes through every video family: a phone-like clip (variable
// frame rate whose probe reports the slow part, portrait through a display matrix)
// and a TV-like clip (interlaced, anamorphic 16:9).
struct FamilyCase {
    const char* name;
    const char* extension;
    int video;
    int audio;
    int width, height;
    int sampleRate;
    const char* sampleAspect;  // what a 16:9 source gets in this frame
};

class TranscodeFamilies : public TranscodeClip, public ::testing::WithParamInterface<FamilyCase> {
protected:
    std::string convert(const std::string& src, double seconds) {
        const FamilyCase& c = GetParam();
        const Settings s{.videoCodecId = c.video, .audioCodecId = c.audio, .width = c.width, .height = c.height,
                         .frameRate = 29.97, .videoBitRate = 1500000, .audioBitRate = 128000,
                         .sampleRate = c.sampleRate};
        const std::string out = dir.file(std::string("out") + c.extension);
        AVConvert job;
        fillJob(job, {src}, {out}, s);
        setClip(job, 0, 0, seconds);
        runWorker(TranscodeWorker, job);
        EXPECT_EQ(job.fileState[0].load(), kRowCompleted);
        return out;
    }
    static constexpr double kFrame = 1001.0 / 30000;
};

TEST_P(TranscodeFamilies, PortraitVariableRatePhoneClipStaysUprightAndInSync) {
    const std::string src = dir.file("phone.mp4");
    CameraShape phone;
    phone.variableRate = true;
    phone.rotate = 90;
    ASSERT_TRUE(makeCameraClip(src, phone));
    ASSERT_TRUE(isBlue(colourAt(src, 2, 0.5, 0.1))) << "the source shows its band on top";
    const std::string out = convert(src, 3);

    // Pictures follow their own times: 3 s of video at 29.97 fps, as long as the sound.
    const auto info = testmedia::probe(out, true);
    ASSERT_TRUE(info.video() && info.audio());
    EXPECT_NEAR(info.video()->frames, 3.0 / kFrame, 1.01);
    EXPECT_NEAR(streamDuration(out, "a:0"), 3.0, 0.05);
    const auto flashes = flashTimes(out), beeps = beepTimes(out);
    ASSERT_EQ(flashes.size(), 3u);
    ASSERT_EQ(beeps.size(), 3u);
    for (std::size_t k = 0; k < flashes.size(); ++k) {
        EXPECT_NEAR(flashes[k] - flashes[0], double(k), kFrame + 0.002) << "flash " << k;  // nearest picture
        // One picture of slack, and the audio encoder's own frame on top.
        EXPECT_NEAR(flashes[k] - beeps[k], 0.0, kFrame + 0.015) << "marker " << k;
    }
    // Upright, portrait and undistorted, in the output, its thumbnail and the preview's source.
    EXPECT_TRUE(isBlue(colourAt(out, 6, 0.5, 0.1)));
    EXPECT_TRUE(isRed(colourAt(out, 6, 0.5, 0.8)));
    EXPECT_NEAR(activeAspect(out, 16), 180.0 / 320, 0.02 * 180.0 / 320);
    EXPECT_TRUE(isBlue(colourAt(dir.file("out.THM"), 0, 0.5, 0.1)));
    EXPECT_TRUE(isRed(colourAt(dir.file("out.THM"), 0, 0.5, 0.8)));
}

TEST_P(TranscodeFamilies, InterlacedWideTvClipIsDeinterlacedAndKeepsItsShape) {
    const std::string src = dir.file("tv.mpg");
    CameraShape tv;
    tv.seconds = 2;
    tv.size = "720x480";
    tv.interlaced = true;
    tv.sampleAspect = "32/27";
    tv.background = "testsrc2";
    ASSERT_TRUE(makeCameraClip(src, tv));
    ASSERT_GT(detectFields(src).interlaced, 0);
    const std::string out = convert(src, 2);
    const FieldCounts fields = detectFields(out);
    EXPECT_GT(fields.progressive, 4 * fields.interlaced) << fields.interlaced << " interlaced pictures";
    EXPECT_NEAR(activeAspect(out, 16), 16.0 / 9, 0.02 * 16 / 9);
    EXPECT_EQ(videoField(out, "sample_aspect_ratio"), GetParam().sampleAspect);
    EXPECT_TRUE(isBlue(colourAt(out, 6, 0.5, 0.2)));
}

using namespace codecmap;
INSTANTIATE_TEST_SUITE_P(
    Families, TranscodeFamilies,
    ::testing::Values(FamilyCase{"h264_mp4", ".mp4", kVideoH264, kAudioAac, 720, 480, 48000, "32:27"},
                      FamilyCase{"mpeg2_ps", ".mpg", kVideoMpeg2, kAudioMp2, 720, 480, 48000, "32:27"},
                      FamilyCase{"mpeg2_ts", ".ts", kVideoMpeg2, kAudioMp2, 320, 240, 48000, "1:1"},
                      FamilyCase{"mpeg4_mp4", ".mp4", kVideoMpeg4, kAudioAac, 368, 208, 48000, "1:1"},
                      FamilyCase{"divx_avi", ".avi", kVideoMsmpeg4v3, kAudioMp3, 320, 240, 48000, "1:1"},
                      FamilyCase{"wmv", ".wmv", kVideoWmv2, kAudioWmav2, 320, 240, 44100, "1:1"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
