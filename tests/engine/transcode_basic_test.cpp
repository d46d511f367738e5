#include "engine/TranscodeWorker.h"
#include "tests/engine/pipeline_fixture.h"

using namespace pipelinetest;

TEST(TranscodeSmoke, ConvertsOneClip) {
    testmedia::TempDir dir;
    const std::string src = dir.file("src.mp4");
    ASSERT_TRUE(testmedia::makeClip(src, testmedia::H264Clip(3)));
    AVConvert job;
    fillJob(job, {src}, {dir.file("out.mp4")});
    setClip(job, 0, 0, 3);
    runWorker(TranscodeWorker, job);
    EXPECT_EQ(job.fileState[0].load(), kRowCompleted);
    EXPECT_EQ(job.currentFile.load(), 1);
    EXPECT_EQ(job.progressPercent.load(), 100);
    auto info = testmedia::probe(dir.file("out.mp4"), true);
    ASSERT_TRUE(info.ok);
    ASSERT_TRUE(info.video());
    ASSERT_TRUE(info.audio());
    EXPECT_EQ(info.video()->profile, "Main");
    EXPECT_NEAR(streamDuration(dir.file("out.mp4"), "v:0"), 3.0, 0.2);
    EXPECT_NEAR(streamDuration(dir.file("out.mp4"), "a:0"), 3.0, 0.2);
    EXPECT_TRUE(std::filesystem::exists(dir.file("out.THM")));
}
