// The task list keeps the clip end in whole seconds. An end nobody trimmed (the
// source's length cut to the second) converts the whole source, fraction included;
// an end the user moved earlier is still honoured.

#include "engine/TranscodeWorker.h"
#include "tests/engine/pipeline_fixture.h"

namespace {

class UntrimmedEnd : public ::testing::Test {
protected:
    void SetUp() override {
        testmedia::ClipSpec shape;
        shape.seconds = 2.6;
        shape.videoSize = "160x120";
        ASSERT_TRUE(testmedia::makeClip(dir.file("in.mkv"), shape));
    }
    double convert(double end) {
        AVConvert job;
        pipelinetest::fillJob(job, {dir.file("in.mkv")}, {dir.file("out.mp4")});
        pipelinetest::setClip(job, 0, 0, end);
        pipelinetest::runWorker(TranscodeWorker, job);
        EXPECT_EQ(job.fileState[0].load(), kRowCompleted);
        return testmedia::decodedDuration(job.outputPaths[0], "v:0");
    }
    testmedia::TempDir dir;
};

TEST_F(UntrimmedEnd, WholeSecondLengthKeepsTheFraction) {
    EXPECT_NEAR(convert(2), 2.6, 0.2);
}

TEST_F(UntrimmedEnd, EarlierEndIsStillACut) {
    EXPECT_NEAR(convert(1), 1.0, 0.2);
}

}  // namespace
