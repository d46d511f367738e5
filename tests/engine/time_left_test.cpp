// The time-left estimate: media seconds measured across the batch from the job's
// exchange fields (completed rows whole, the running row by its share, failed rows
// out of the total), and the estimator's rate over a sliding window stepped by a
// fake clock: blank at first, right for a steady pace, following a change of pace.

#include "engine/AVConvert.h"
#include "engine/TimeLeft.h"

#include <gtest/gtest.h>

namespace {

// A job of rows with these clip lengths; "" paths are unchecked rows.
void fill(AVConvert& job, std::initializer_list<std::pair<const char*, double>> rows) {
    job.fileCount = static_cast<int>(rows.size());
    job.resetRowStates();
    int i = 0;
    for (const auto& [path, length] : rows) {
        job.sourcePaths[static_cast<std::size_t>(i)] = path;
        job.clipLength[static_cast<std::size_t>(i)] = length;
        ++i;
    }
}

TEST(BatchProgress, CountsCompletedRowsTheRunningShareAndDropsFailedRows) {
    AVConvert job;
    fill(job, {{"/v/a.mp4", 100}, {"", 500}, {"/v/b.mp4", 40}, {"/v/c.mp4", 60}, {"/v/d.mp4", 200}});
    job.fileState[0] = kRowCompleted;
    job.fileState[2] = kRowFailed;
    job.currentFile = 3;
    job.progressPercent = 25;
    const BatchProgress p = MeasureBatch(job, false);
    EXPECT_DOUBLE_EQ(p.totalSeconds, 100 + 60 + 200) << "unchecked and failed rows are not counted";
    EXPECT_DOUBLE_EQ(p.doneSeconds, 100 + 15);
    EXPECT_DOUBLE_EQ(p.currentTotalSeconds, 60);
    EXPECT_DOUBLE_EQ(p.currentDoneSeconds, 15);
}

TEST(BatchProgress, BeforeTheFirstRowAndAfterTheLast) {
    AVConvert job;
    fill(job, {{"/v/a.mp4", 10}, {"/v/b.mp4", 30}});
    BatchProgress p = MeasureBatch(job, false);  // currentFile -1, percent -1
    EXPECT_DOUBLE_EQ(p.doneSeconds, 0);
    EXPECT_DOUBLE_EQ(p.totalSeconds, 40);
    EXPECT_DOUBLE_EQ(p.currentTotalSeconds, 0);
    job.fileState[0] = kRowCompleted;
    job.fileState[1] = kRowCompleted;
    job.currentFile = 2;
    p = MeasureBatch(job, false);
    EXPECT_DOUBLE_EQ(p.doneSeconds, 40);
}

TEST(BatchProgress, RowsAtOnceEachCountTheirShareAndTheFurthestBehindIsKnown) {
    AVConvert job;
    fill(job, {{"/v/a.mp4", 20}, {"/v/b.mp4", 20}, {"/v/c.mp4", 40}});
    job.rowsStarted = 3;
    for (int row = 0; row < 3; ++row) job.runningRows[static_cast<std::size_t>(row)] = row;
    job.rowPercent[0] = 88;
    job.rowPercent[1] = 88;
    job.rowPercent[2] = 50;
    job.currentFile = 0;
    const BatchProgress p = MeasureBatch(job, false);
    EXPECT_DOUBLE_EQ(p.doneSeconds, 20 * 0.88 * 2 + 20) << "every running row's share, not only the first";
    EXPECT_EQ(p.runningRows, 3);
    EXPECT_DOUBLE_EQ(p.longestRowLeftSeconds, 20);
}

TEST(BatchProgress, MergeCountsTheWholeOutput) {
    AVConvert job;
    fill(job, {{"/v/a.mp4", 0}, {"/v/b.mp4", 0}});
    job.mergeTotalSeconds = 300;
    job.currentFile = 1;
    job.progressPercent = 40;
    const BatchProgress p = MeasureBatch(job, true);
    EXPECT_DOUBLE_EQ(p.totalSeconds, 300);
    EXPECT_DOUBLE_EQ(p.doneSeconds, 120);
    EXPECT_DOUBLE_EQ(p.currentTotalSeconds, 0) << "no single file to speak of";
}

class Estimator : public ::testing::Test {
protected:
    // Advances the fake clock and reports `done` of `total` media seconds.
    void at(double wall, double done, double total = 1000, double currentDone = 0, double currentTotal = 0) {
        now = wall;
        estimator.Update({done, total, currentDone, currentTotal});
    }
    double now = 100.0;
    TimeLeftEstimator estimator{[this] { return now; }};
};

TEST_F(Estimator, BlankUntilMeaningful) {
    at(100, 0);
    EXPECT_FALSE(estimator.SecondsLeft());
    at(101, 2);
    EXPECT_FALSE(estimator.SecondsLeft()) << "one second of wall time says nothing yet";
    at(102, 4);
    EXPECT_FALSE(estimator.SecondsLeft());
    at(103.5, 7);
    ASSERT_TRUE(estimator.SecondsLeft());
    EXPECT_NEAR(*estimator.SecondsLeft(), (1000 - 7) / 2.0, 1e-9);
}

TEST_F(Estimator, NothingDoneAfterAWhileStaysBlank) {
    for (int t = 0; t <= 10; ++t) at(100 + t, 0);
    EXPECT_FALSE(estimator.SecondsLeft()) << "an encoder that has not produced anything gives no rate";
}

TEST_F(Estimator, SteadyPaceGivesRunAndFileTimes) {
    // 3 media seconds per wall second, sampled every 300 ms as the GUI timer does.
    for (int tick = 0; tick <= 100; ++tick) at(100 + tick * 0.3, tick * 0.9, 600, tick * 0.9 - 60, 120);
    const double done = 100 * 0.9;
    ASSERT_TRUE(estimator.Rate());
    EXPECT_NEAR(*estimator.Rate(), 3.0, 1e-9);
    EXPECT_NEAR(*estimator.SecondsLeft(), (600 - done) / 3.0, 1e-6);
    EXPECT_NEAR(*estimator.CurrentFileSecondsLeft(), (120 - (done - 60)) / 3.0, 1e-6);
}

TEST_F(Estimator, FollowsAChangeOfPaceWithinTheWindow) {
    double done = 0;
    double t = 100;
    for (; t < 160; t += 1) at(t, done += 4);  // fast: 4 media s per s
    EXPECT_NEAR(*estimator.Rate(), 4.0, 1e-9);
    for (int i = 0; i < 5; ++i) at(t += 1, done += 1);  // slows down to 1
    const double blended = *estimator.Rate();
    EXPECT_LT(blended, 4.0);
    EXPECT_GT(blended, 1.0) << "smoothed: one slow stretch does not take over at once";
    for (int i = 0; i < 30; ++i) at(t += 1, done += 1);
    EXPECT_NEAR(*estimator.Rate(), 1.0, 1e-9) << "after a whole window only the new pace counts";
}

TEST_F(Estimator, ResetStartsAfresh) {
    for (int t = 0; t <= 10; ++t) at(100 + t, t * 2.0);
    ASSERT_TRUE(estimator.SecondsLeft());
    estimator.Reset();
    at(200, 0);
    at(201, 2);
    EXPECT_FALSE(estimator.SecondsLeft());
}

TEST_F(Estimator, TheEndOfARunOfRowsAtOnceDoesNotCollapse) {
    // Rows of 15, 15 and 20 media seconds at once, each at 1 media second per
    // wall second, sampled every 300 ms.
    for (int tick = 0; tick <= 50; ++tick) {
        const double t = tick * 0.3;
        now = 100 + t;
        estimator.Update({3 * t, 50, 0, 0, 3, 20 - t});
    }
    ASSERT_TRUE(estimator.RowRate());
    EXPECT_NEAR(*estimator.RowRate(), 1.0, 1e-6);
    // The two short rows are done; the long one has 4.7 media seconds left, which
    // take 4.7 s at one row's pace (not a third of that).
    now = 115.3;
    estimator.Update({45.3, 50, 0, 0, 1, 4.7});
    ASSERT_TRUE(estimator.SecondsLeft());
    EXPECT_NEAR(*estimator.SecondsLeft(), 4.7, 0.2);
}

TEST(TimeLeftText, Durations) {
    const std::pair<double, const char*> cases[] = {
        {0, "00:00"}, {0.2, "00:01"}, {59, "00:59"}, {61.5, "01:02"}, {3599, "59:59"}, {3600, "1:00:00"},
        {3725, "1:02:05"}, {-3, "00:00"}, {36000 * 3 + 1, "30:00:01"},
    };
    for (const auto& [seconds, text] : cases) EXPECT_EQ(FormatDuration(seconds), text) << seconds;
}

}  // namespace
