// The job shared by the worker and the UI thread, driven the way the conversion
// control drives it: start, poll progress on a timer, toggle the preview, stop,
// and notice completion. Built again with ThreadSanitizer (label "tsan") so every
// field the two threads share is proven race-free, not only this test's checks.

#include "engine/MergeWorker.h"
#include "engine/TranscodeWorker.h"
#include "tests/engine/pipeline_fixture.h"

#include <algorithm>
#include <atomic>
#include <set>

using namespace pipelinetest;
namespace fs = std::filesystem;

namespace {

// The progress window's side of the preview: copies each picture (as a GUI
// must before the call returns) and counts what arrives while the preview is off.
class CopyingSink : public PreviewSink {
public:
    explicit CopyingSink(const AVConvert& job) : m_job(job) {}
    void rowBegins(int) override { begun.fetch_add(1, std::memory_order_relaxed); }
    void picture(int, const PreviewPicture& p) override {
        std::lock_guard lock(m_mutex);
        for (int line = 0; line < PreviewPicture::kHeight; ++line)
            std::copy_n(p.y + line * p.yStride, PreviewPicture::kWidth, m_luma.begin() + line * PreviewPicture::kWidth);
        pictures.fetch_add(1, std::memory_order_relaxed);
        if (m_job.previewOff.load(std::memory_order_relaxed)) whileOff.fetch_add(1, std::memory_order_relaxed);
    }
    void rowEnds(int) override { ended.fetch_add(1, std::memory_order_relaxed); }
    std::atomic<int> begun{0}, ended{0}, pictures{0}, whileOff{0};

private:
    const AVConvert& m_job;
    std::mutex m_mutex;
    std::array<std::uint8_t, PreviewPicture::kWidth * PreviewPicture::kHeight> m_luma{};
};

// What the UI thread sees while it polls, checked as it goes.
struct PollLog {
    int polls = 0;
    int mostRunning = 0;             // rows seen running at once
    bool runningBelowCurrent = false;  // a running row below currentFile
    bool rowWentBack = false;
    bool progressOutOfRange = false;
    bool stateInvalid = false;
    bool reasonMissing = false;
};

class JobThreads : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        shared = new testmedia::TempDir;
        ASSERT_TRUE(makeSyncClip(clip(), 1.5, 0.5));
    }
    static void TearDownTestSuite() { delete shared; }
    static std::string clip() { return shared->file("clip.mp4"); }

    void fill(AVConvert& job, int rows) {
        std::vector<std::string> sources, outputs;
        for (int i = 0; i < rows; ++i) {
            sources.push_back(clip());
            outputs.push_back(dir.file("out" + std::to_string(i) + ".mp4"));
        }
        fillJob(job, sources, outputs);
        for (int i = 0; i < rows; ++i) setClip(job, i, 0, 1.5);
        job.mergeTotalSeconds = int(1.5 * rows) + 1;
    }

    // Polls like the 300 ms timer, only faster, until the worker has passed the
    // last row or `stopWhen` says to stop; toggles the preview on every tick.
    static PollLog poll(AVConvert& job, WorkerThread& worker, const std::function<bool()>& stopWhen = {}) {
        PollLog log;
        int lastRow = -1;
        while (job.currentFile.load(std::memory_order_relaxed) < job.fileCount) {
            ++log.polls;
            const int row = job.currentFile.load(std::memory_order_acquire);
            const int percent = job.progressPercent.load(std::memory_order_relaxed);
            log.rowWentBack |= row < lastRow;
            log.progressOutOfRange |= percent < -1 || percent > 100;
            lastRow = row;
            int running = 0;
            for (const auto& slot : job.runningRows) {
                const int r = slot.load(std::memory_order_relaxed);
                if (r < 0) continue;
                ++running;
                const int rowPercent = job.rowPercent[r].load(std::memory_order_relaxed);
                log.progressOutOfRange |= rowPercent < -1 || rowPercent > 100;
            }
            log.mostRunning = std::max(log.mostRunning, running);
            const int lowest = job.lowestRunningRow();
            // currentFile is read before the slots: it can only have moved on since.
            log.runningBelowCurrent |= lowest >= 0 && lowest < row;
            for (int i = 0; i < job.fileCount; ++i) {
                const int state = job.fileState[i].load(std::memory_order_acquire);
                log.stateInvalid |=
                    state != kRowPending && state != kRowCompleted && state != kRowFailed && state != kRowStopped;
                // A failed row's reason is there as soon as its code is (the UI reads it so).
                if (state == kRowFailed) log.reasonMissing |= job.failureReason(i).empty();
            }
            job.previewOff.store(log.polls % 4 == 0, std::memory_order_relaxed);
            if (stopWhen && stopWhen()) {
                job.stopRequested.store(true, std::memory_order_relaxed);
                break;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(3));
        }
        worker.join();  // the stop waits for the worker, as the progress window's Stop does
        return log;
    }

    static testmedia::TempDir* shared;
    testmedia::TempDir dir;
};
testmedia::TempDir* JobThreads::shared = nullptr;

TEST_F(JobThreads, ConvertRunsToCompletionWhileTheUiPollsAndTogglesThePreview) {
    AVConvert job;
    CopyingSink sink(job);
    job.previewSink = &sink;
    fill(job, 3);
    WorkerThread worker;
    worker.start(TranscodeWorker, job);
    const PollLog log = poll(job, worker);
    EXPECT_GT(log.polls, 0);
    EXPECT_FALSE(log.rowWentBack);
    EXPECT_FALSE(log.progressOutOfRange);
    EXPECT_FALSE(log.stateInvalid);
    EXPECT_EQ(job.currentFile.load(), 3);
    for (int row = 0; row < 3; ++row) EXPECT_EQ(job.fileState[row].load(), kRowCompleted) << row;
    EXPECT_EQ(sink.begun.load(), 3);
    EXPECT_EQ(sink.ended.load(), 3);
    EXPECT_GT(sink.pictures.load(), 0);
}

TEST_F(JobThreads, ConvertOfThreeRowsAtOnceRunsToCompletionWhileTheUiPolls) {
    AVConvert job;
    CopyingSink sink(job);
    job.previewSink = &sink;
    fill(job, 4);
    job.parallelRows = 3;
    WorkerThread worker;
    worker.start(TranscodeWorker, job);
    const PollLog log = poll(job, worker);
    EXPECT_FALSE(log.rowWentBack);
    EXPECT_FALSE(log.progressOutOfRange);
    EXPECT_FALSE(log.stateInvalid);
    EXPECT_FALSE(log.runningBelowCurrent) << "every row below currentFile has passed";
    EXPECT_LE(log.mostRunning, 3);
    EXPECT_EQ(job.currentFile.load(), 4);
    std::set<std::string> outputs;
    for (int row = 0; row < 4; ++row) {
        EXPECT_EQ(job.fileState[row].load(), kRowCompleted) << row;
        outputs.insert(job.outputPaths[row]);
        EXPECT_TRUE(testmedia::probe(job.outputPaths[row]).ok) << row;
    }
    EXPECT_EQ(outputs.size(), 4u);
    EXPECT_EQ(sink.begun.load(), 4);
    EXPECT_EQ(sink.ended.load(), 4);
    EXPECT_EQ(job.previewSink, &sink);
}

class JobStop : public JobThreads, public ::testing::WithParamInterface<bool /*merge*/> {};

TEST_P(JobStop, StopDuringTheSecondRowEndsTheWorkerAndLeavesLaterRowsPending) {
    const bool merge = GetParam();
    AVConvert job;
    CopyingSink sink(job);
    job.previewSink = &sink;
    fill(job, 3);
    WorkerThread worker;
    worker.start(merge ? MergeWorker : TranscodeWorker, job);
    const PollLog log = poll(job, worker, [&] { return job.currentFile.load(std::memory_order_relaxed) >= 1; });
    EXPECT_FALSE(log.rowWentBack);
    EXPECT_FALSE(log.progressOutOfRange);
    EXPECT_FALSE(log.stateInvalid);
    EXPECT_TRUE(job.stopRequested.load());
    EXPECT_EQ(job.fileState[2].load(), kRowPending) << "a row after the stop never starts";
    EXPECT_NE(job.fileState[1].load(), kRowCompleted) << "the stopped row is not reported as converted";
    for (const auto& entry : fs::directory_iterator(dir.path())) {
        if (entry.path().extension() == ".mp4") {
            EXPECT_TRUE(testmedia::probe(entry.path().string()).ok) << entry.path();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Workers, JobStop, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? std::string("Merge") : std::string("Convert"); });

TEST_F(JobThreads, AJobIsReusedForASecondRunAfterTheFirstEnds) {
    AVConvert job;
    fill(job, 1);
    WorkerThread worker;
    for (int run = 0; run < 2; ++run) {
        job.resetRowStates();
        job.currentFile = -1;
        job.stopRequested = false;
        worker.start(TranscodeWorker, job);
        const PollLog log = poll(job, worker);
        EXPECT_FALSE(log.stateInvalid);
        EXPECT_EQ(job.fileState[0].load(), kRowCompleted) << "run " << run;
    }
}

}  // namespace

namespace {

// The job at its capacity: 9,999 rows, one in a thousand checked. The worker gets
// through every row, the UI sees the current row only move forward, and every
// unchecked row fails at once while the checked ones convert.
TEST_F(JobThreads, AJobAtFullCapacityRunsToTheEnd) {
    AVConvert job;
    std::vector<std::string> sources(AVConvert::kMaxRows), outputs(AVConvert::kMaxRows);
    for (int row = 0; row < AVConvert::kMaxRows; ++row) {
        if (row % 1000 == 0) sources[row] = clip();
        outputs[row] = dir.file("row" + std::to_string(row) + ".mp4");
    }
    fillJob(job, sources, outputs);
    for (int row = 0; row < AVConvert::kMaxRows; ++row) setClip(job, row, 0, 0.5);
    WorkerThread worker;
    worker.start(TranscodeWorker, job);
    const PollLog log = poll(job, worker);
    EXPECT_FALSE(log.rowWentBack);
    EXPECT_FALSE(log.stateInvalid);
    EXPECT_FALSE(log.reasonMissing);
    EXPECT_EQ(job.currentFile.load(), AVConvert::kMaxRows);
    EXPECT_EQ(job.failureReason(1), "No source file");
    int completed = 0, wrong = 0;
    for (int row = 0; row < AVConvert::kMaxRows; ++row) {
        const int state = job.fileState[row].load();
        completed += state == kRowCompleted;
        wrong += state != (sources[row].empty() ? kRowFailed : kRowCompleted);
    }
    EXPECT_EQ(completed, 10);
    EXPECT_EQ(wrong, 0);
}

}  // namespace
