// Names FFmpeg could read as URLs ("take:2.mkv" looks like protocol "take") are
// still plain local files for the probe and both ends of a conversion.

#include "engine/ProbeMedia.h"
#include "engine/TranscodeWorker.h"
#include "tests/engine/pipeline_fixture.h"

#include <sys/stat.h>
#include <unistd.h>

namespace {

class CurrentFolder {
public:
    explicit CurrentFolder(const std::filesystem::path& folder) : m_old(std::filesystem::current_path()) {
        std::filesystem::current_path(folder);
    }
    ~CurrentFolder() { std::filesystem::current_path(m_old); }

private:
    std::filesystem::path m_old;
};

TEST(LocalNames, RelativeNameWithColonIsAFile) {
    testmedia::TempDir dir;
    testmedia::ClipSpec shape;
    shape.seconds = 1;
    shape.videoSize = "160x120";
    ASSERT_TRUE(testmedia::makeClip(dir.file("take:2.mkv"), shape));
    CurrentFolder here(dir.path());

    AVConvert job;
    job.probePath = "take:2.mkv";
    ASSERT_EQ(ProbeMedia(job), 0);
    EXPECT_EQ(job.sourceWidth, 160);

    pipelinetest::fillJob(job, {"take:2.mkv"}, {"out:1.mp4"});
    pipelinetest::setClip(job, 0, 0, 1);
    pipelinetest::runWorker(TranscodeWorker, job);
    EXPECT_EQ(job.fileState[0].load(), kRowCompleted);
    const auto info = testmedia::probe((dir.path() / "out:1.mp4").string());
    ASSERT_TRUE(info.ok);
    EXPECT_NE(info.video(), nullptr);
    EXPECT_TRUE(std::filesystem::exists(dir.path() / "out:1.THM"));
}

}  // namespace

namespace {

// A FIFO never reaches its end: reading it as media would block the probe (on the
// UI thread) or the worker for good. It is refused like any other non-media path.
TEST(LocalNames, FifoIsRefusedWithoutBlocking) {
    testmedia::TempDir dir;
    const std::string fifo = dir.file("pipe.mkv");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);

    AVConvert job;
    job.probePath = fifo;
    EXPECT_EQ(ProbeMedia(job), -1);

    pipelinetest::fillJob(job, {fifo}, {dir.file("out.mp4")});
    pipelinetest::setClip(job, 0, 0, 1);
    pipelinetest::runWorker(TranscodeWorker, job);
    EXPECT_EQ(job.fileState[0].load(), kRowFailed);
    EXPECT_FALSE(std::filesystem::exists(dir.file("out.mp4")));
}

}  // namespace
