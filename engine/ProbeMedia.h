#pragma once
// Measures the file named by job.probePath and writes the job's probe-result fields.
// Call only while no worker runs. Results: 0 probed; -1 cannot be opened as media;
// -2 stream information unreadable; -4 video stream without a decoder; -5 video
// decoder will not open. A caller also treats a negative probeStartSeconds or
// probeDurationSeconds as an invalid file (no known duration).

class AVConvert;

int ProbeMedia(AVConvert& job);

// True when a probe result and the job's times describe a file the task list accepts.
bool ProbeAccepted(int result, const AVConvert& job);
