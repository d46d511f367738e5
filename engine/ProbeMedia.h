#pragma once
// Measures the file named by job.probePath and writes the job's probe-result fields.
// Call only while no worker runs. Results: 0 probed; -1 cannot be opened as media;
// -2 stream information unreadable; -4 video stream without a decoder; -5 video
// decoder will not open; kProbePictureTooLarge the picture has more than
// kMaxProbePixels (sourceWidth and sourceHeight say how large); kProbeStillGrowing
// another program is still writing the file. A caller also treats a negative probeStartSeconds or
// probeDurationSeconds as an invalid file (no known duration).

#include <cstdint>
#include <string>

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

// Why a file is no task, found in the order a person would ask: is it there,
// what kind of entry is it, can it be opened, does it hold anything, and only
// then what the probe said. `error` is the system's errno for kMissing and
// kUnreadable. The window and the command line word these each their own way.
enum class Refusal {
    kMissing,
    kUnreadable,
    kFolder,
    kNotPlainFile,
    kEmpty,
    kNoVideoDecoder,
    kVideoDecoderWillNotOpen,
    kPictureTooLarge,
    kStillGrowing,
    kNotMedia,
    kLengthUnknown,
};
struct RefusalCause {
    Refusal kind = Refusal::kNotMedia;
    int error = 0;
};
// `path` holds the name's own bytes. Nothing that could block is opened: a FIFO
// would wait for a writer for ever.
RefusalCause ClassifyRefusal(const std::string& path, int probeResult);
