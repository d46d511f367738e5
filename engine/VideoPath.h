#pragma once
// The video half of a row: the encoder and its settings, the output stream's
// clock, the placing of pictures on the output's frame grid, and the small pictures
// made from what the encoder gets (the 160x120 preview and the 160x120 RGB
// thumbnail). Worker thread only.

#include "engine/EncodeStage.h"
#include "engine/FfmpegPtr.h"
#include "engine/OutputFile.h"
#include "engine/PictureFilter.h"
#include "engine/PreviewSink.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class AVConvert;
namespace sizing {
class PassLog;
}

namespace video {

// How an encoder spends its bits when the output is fitted into a size: its own
// bit rate (0: the job's), and which pass of a two-pass encode it runs (0: one
// pass; 1: the first, which writes the statistics at statsPath; 2: the second,
// which reads them).
struct RateSetup {
    int bitRate = 0;
    int pass = 0;
    std::string statsPath;
    sizing::PassLog* log = nullptr;  // the first pass's log of an encoder without a file of its own
};

// Opens the encoder named by job.videoCodecId with the job's bit rate and size, the
// given time base, GOP size, sample aspect ratio and our fixed settings (no
// B-frames; H.264 Main profile with the listed x264 limits, its level held to
// job.h264LevelCap when the stream fits that level). nullptr when the id has no
// encoder or it refuses.
// still: every picture is the same one (a still picture, cover art): the encoder
// is tuned for that.
// rate: see RateSetup (a second pass whose statistics cannot be read fails).
ffmpeg::CodecContext openEncoder(const AVConvert& job, AVRational timeBase, int gopSize, bool globalHeader,
                                 AVRational sampleAspect, bool still = false, const RateSetup& rate = {});

// The source's cover picture (its attached picture stream), nullptr when none.
const AVStream* coverStream(const AVFormatContext& input);
// The picture a sound-only source shows in a video output: its cover decoded, or a
// black width x height frame when it has none (or the cover cannot be decoded).
// nullptr only when not even the black frame can be made.
ffmpeg::Frame pictureForSound(const AVFormatContext& input, int width, int height);

// A file that is one picture and no sound (a JPEG, a PNG, …): it becomes a video
// of a chosen length rather than one frame.
bool isStillPicture(const AVFormatContext& input, int videoIndex, int audioIndex);

// The sample aspect ratio an output stream gets for this source (see
// outputSampleAspect): from the stream's coded size, its own ratio and its display
// matrix.
AVRational sampleAspectFor(const AVConvert& job, const AVStream& source);

// Copies what the encoder tells the muxer about its stream (the MPEG-2 buffer and
// rate figures, for one) onto the output stream, before the header is written: the
// program-stream muxer sizes its rate from them.
bool copyCodedSideData(AVStream* stream, const AVCodecContext& encoder);

// The output video stream and the encoder feeding it. Timestamps are counted in
// encoder ticks (one tick = one picture at the output rate).
struct VideoOutput {
    AVStream* stream = nullptr;  // owned by the muxer
    ffmpeg::CodecContext encoder;
    AVRational timeBase{0, 0};
    AVRational sampleAspect{1, 1};  // of every picture of the stream
    // Timestamp of the last picture handed to the encoder (syncFrameCount); -1 before
    // the first, so the first picture is stamped 0.
    std::int64_t lastPts = -1;
    std::int64_t picturesSent = 0;  // pictures handed to the encoder, repeats included
    ffmpeg::Frame lastPicture = ffmpeg::makeFrame();  // a reference, repeated to fill gaps
    ffmpeg::Packet packet = ffmpeg::makePacket();
    // A first pass's statistics, for encoders that hand them out per packet (not owned).
    sizing::PassLog* passLog = nullptr;
    // When set, the encoder runs on the stage's thread and this thread writes the
    // packets it returns. Declared after the encoder: it stops before the encoder goes.
    std::unique_ptr<pipeline::EncodeStage> stage;

    // Seconds up to the end of the last picture handed to the encoder. Measured at
    // the encoder's input: encoders that hold pictures back (x264's look-ahead) would
    // otherwise make the clock trail the audio by a second or more.
    double clock() const;
};

// The timestamp of the next picture: one tick after the last, or at the reference
// position (the audio clock, or where the picture belongs) when the video trails it.
std::int64_t nextPts(const VideoOutput& out, double referenceSeconds);

// Sends one picture (nullptr: drain) and writes every packet the encoder returns.
// With a stage, the picture is queued and the packets ready so far are written; a
// drain waits for the stage and writes the rest. Negative when a write failed.
int encodeAndWrite(VideoOutput& out, output::OutputFile& file, AVFrame* picture);


// Longest gap (in seconds) filled by repeating a picture; a longer one stays a gap.
constexpr double kLongestRepeatSeconds = 12.0;

// Puts a picture on the output's frame grid at `slot` (encoder ticks). A slot
// already taken drops it (0); a gap since the last picture is filled by repeating
// that one (at the start of the stream: this one) and the picture is encoded (1).
// Negative when a write failed.
int placeAt(VideoOutput& out, output::OutputFile& file, AVFrame& picture, std::int64_t slot);
// Repeats the last picture until the stream reaches endSlot (exclusive); a gap
// longer than kLongestRepeatSeconds stays one unless anyLength is set (a still).
int fillTo(VideoOutput& out, output::OutputFile& file, std::int64_t endSlot, bool anyLength = false);

// The small pictures of what the output shows: the active area of an encoder
// picture, its displayed shape kept, in a black 160x120 frame.
class PreviewPictures {
public:
    bool prepare();
    // 160x120 planar YUV 4:2:0 for the preview; false when the picture cannot be made.
    bool toPreview(const AVFrame& picture, const ActiveArea& active, AVRational sampleAspect,
                   PreviewPicture& preview);
    // 160x120 packed RGB24 (480 bytes a row), read with the output's matrix and
    // range; empty on failure.
    std::vector<std::uint8_t> toThumbnail(const AVFrame& picture, const ActiveArea& active,
                                          AVRational sampleAspect, AVColorSpace matrix, AVColorRange range);

private:
    ffmpeg::Frame m_previewPicture;
    ffmpeg::Sws m_previewScaler;
};

}  // namespace video
