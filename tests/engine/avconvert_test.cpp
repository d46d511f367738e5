#include "engine/AVConvert.h"

#include <gtest/gtest.h>

TEST(AVConvert, FreshJobShowsNothing) {
    AVConvert job;
    EXPECT_EQ(job.currentFile.load(), -1);
    EXPECT_EQ(job.progressPercent.load(), -1);
    EXPECT_EQ(job.thumbnailMode, -1);
    EXPECT_EQ(job.nameCounter, -1);
    EXPECT_FALSE(job.stopRequested.load());
    EXPECT_FALSE(job.previewOff.load());
    EXPECT_EQ(job.videoStreamIndex, -1);
    EXPECT_EQ(job.audioStreamIndex, -1);
}

TEST(AVConvert, ResetCoversEveryRowOfAFullList) {
    AVConvert job;
    job.fileCount = AVConvert::kMaxRows;
    for (auto& s : job.fileState) s = kRowCompleted;
    job.resetRowStates();
    for (int i = 0; i < job.fileCount; ++i) ASSERT_EQ(job.fileState[i].load(), kRowPending) << i;
    EXPECT_EQ(job.sourcePaths.size(), size_t(AVConvert::kMaxRows));
}
