#pragma once
// The Convert worker: turns every row of the job into its own output file.
// Thread procedure: run it on a WorkerThread. It marks every row pending, walks the
// rows from 0, publishes currentFile / progressPercent / fileState as it goes, and
// returns with currentFile == fileCount (or at the start of the next row after a stop).

class AVConvert;

void TranscodeWorker(AVConvert& job);
