#pragma once
// The Convert worker: turns every row of the job into its own output file.
// Thread procedure: run it on a WorkerThread. It marks every row pending, hands the
// rows out from 0 to as many worker slots as job.parallelRows and the machine allow
// (RowBatch.h), publishes currentFile / progressPercent / fileState and the running
// rows as it goes, and returns with currentFile == fileCount, or after a stop with
// currentFile at the first row that never began (every running row finishes its
// output first).

class AVConvert;

void TranscodeWorker(AVConvert& job);
