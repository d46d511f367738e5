#pragma once
// Keeping a source's streams as they are: which streams of a row can be copied
// into its output (the job's device limits, its clip), and the output streams that
// take the copied packets. The packets themselves go through RowRunner, which
// cuts them to the row's clip and places them on the output's timeline. Worker
// thread only (the plan is also made by the probe, on the UI thread).

#include "engine/CopyCheck.h"
#include "engine/FfmpegPtr.h"

#include <string>

class AVConvert;

namespace source {
struct SourceFile;
}
namespace output {
class OutputFile;
}
namespace pipeline {
struct Outputs;
}

namespace copying {

// An output stream that takes a source stream's packets unchanged.
struct CopiedStream {
    AVStream* stream = nullptr;  // owned by the muxer
    double end = 0.0;            // output seconds: end of the last packet written
    long packets = 0;            // packets written, over every row of a merge
    bool ended = false;          // this row's clip has ended for the stream
    double lastDecodeSeconds = -1e300;  // decode time of the last packet written

    double clock() const { return end; }
};

// What a row keeps of its source. videoReason says why the video is converted
// ("" when it is copied or the option is off), soundReason why a sound that goes
// with a copied video is converted.
struct CopyPlan {
    bool video = false;
    bool sound = false;
    std::string videoReason;
    std::string soundReason;
};

// The plan for a row whose source is open (its decoders too) and whose output
// container is `muxer`. Copies nothing unless the job asks for it and names the
// device. `clipped`: the row begins after the source's start. Reads the source's
// first video packet (then seeks back) only when the device limits slices.
CopyPlan planCopy(const AVConvert& job, source::SourceFile& source, const char* muxer, bool clipped);

// The same facts as planCopy reads, for a device and a container, from a source
// opened by the caller: "" when the video would be copied, else the reason.
std::string videoCopyReason(const copycheck::DeviceLimits& device, source::SourceFile& source, const char* muxer);

// Adds an output stream with the source stream's codec parameters. nullptr-free
// result: false when the muxer refuses the stream.
bool addCopiedStream(const AVStream& from, output::OutputFile& file, std::unique_ptr<CopiedStream>& to);

// Two sources a merge can copy one after the other: the same codec parameters and
// codec headers for the video, and for the sound when it is copied.
bool sameCopyParameters(const AVStream& a, const AVStream& b);

// How far after a clip's begin a key frame may lie and still count as the one at
// the begin: half a picture, when the video is copied (containers store picture
// times a few milliseconds off the frame grid); 0 otherwise.
double keyFrameSlack(const source::SourceFile& source, const pipeline::Outputs& out);

// A merge keeps the video only when every row it will join can be kept, with the
// same parameters (the joined stream has one codec header), and keeps the sound
// only when that holds for every row's sound too. Opens each row's source; a row
// that cannot be opened, or a stop, makes the merge convert.
CopyPlan planMergeCopy(const AVConvert& job, int rows);

// "12.3 s" for notes.
std::string secondsText(double seconds);

}  // namespace copying
