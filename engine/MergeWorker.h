#pragma once
// The Merge worker: decodes every row of the job in turn into one output file that
// plays them back to back. Thread procedure, like TranscodeWorker.

class AVConvert;

void MergeWorker(AVConvert& job);
