#pragma once
// Measures the file named by job.probePath and writes the job's probe-result fields.
// Call only while no worker runs. Results: 0 probed; -1 cannot be opened as media;
// -2 stream information unreadable; -4 video stream without a decoder; -5 video
// decoder will not open; kProbePictureTooLarge the picture has more than
// kMaxProbePixels (sourceWidth and sourceHeight say how large); kProbeStillGrowing
// another program is still writing the file. A caller also treats a negative probeStartSeconds or
// probeDurationSeconds as an invalid file (no known duration).

#include <cstdint>

class AVConvert;

// Past 8192 x 8192 pixels one frame takes hundreds of megabytes at every step of
// the road (decoding, filtering, encoding), times the rows converted at once; no
// device a profile aims at shows anything near it.
constexpr std::int64_t kMaxProbePixels = 8192LL * 8192LL;
constexpr int kProbePictureTooLarge = -6;
constexpr int kProbeStillGrowing = -7;

int ProbeMedia(AVConvert& job);

// True when a probe result and the job's times describe a file the task list accepts.
bool ProbeAccepted(int result, const AVConvert& job);
