#include "engine/MergeWorker.h"

#include "engine/AVConvert.h"

// Placeholder until the merge pipeline lands: every row stays pending and the
// worker reports that it has passed the last row.
void MergeWorker(AVConvert& job) {
    for (int i = 0; i < job.fileCount && i < AVConvert::kMaxRows; ++i)
        job.fileState[i].store(kRowPending, std::memory_order_relaxed);
    job.currentFile.store(job.fileCount, std::memory_order_relaxed);
}
