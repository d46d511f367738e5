// A PCM choice for an MPEG program stream (".mpg") is written as the LPCM the
// muxer takes, instead of a row that always fails.

#include "engine/TranscodeWorker.h"
#include "tests/engine/pipeline_fixture.h"

namespace {

TEST(PcmInProgramStream, LittleEndianChoiceBecomesLpcm) {
    testmedia::TempDir dir;
    testmedia::ClipSpec shape;
    shape.seconds = 1;
    shape.videoSize = "160x120";
    shape.sampleRate = 48000;
    ASSERT_TRUE(testmedia::makeClip(dir.file("in.mkv"), shape));

    AVConvert job;
    pipelinetest::Settings settings;
    settings.videoCodecId = codecmap::kVideoMpeg2;
    settings.audioCodecId = codecmap::kAudioPcmS16le;
    settings.sampleRate = 48000;
    settings.frameRate = 25;
    pipelinetest::fillJob(job, {dir.file("in.mkv")}, {dir.file("out.mpg")}, settings);
    pipelinetest::setClip(job, 0, 0, 1);
    pipelinetest::runWorker(TranscodeWorker, job);

    ASSERT_EQ(job.fileState[0].load(), kRowCompleted);
    const auto info = testmedia::probe(dir.file("out.mpg"));
    ASSERT_TRUE(info.ok);
    ASSERT_NE(info.audio(), nullptr);
    EXPECT_EQ(info.audio()->codecName.rfind("pcm", 0), 0u) << info.audio()->codecName;
    EXPECT_EQ(info.audio()->sampleRate, 48000);
    EXPECT_EQ(info.audio()->channels, 2);
    EXPECT_NEAR(testmedia::decodedDuration(dir.file("out.mpg"), "a:0"), 1.0, 0.2);
}

}  // namespace
