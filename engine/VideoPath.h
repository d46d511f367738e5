#pragma once
// The video half of a row: the encoder and its settings, the output stream's
// clock, and the pictures derived from each decoded frame (the encoder's, the
// 160x120 preview and the 160x120 RGB thumbnail). Worker thread only.

#include "engine/FfmpegPtr.h"
#include "engine/OutputFile.h"
#include "engine/PreviewSink.h"

#include <cstdint>
#include <vector>

class AVConvert;

namespace video {

// Opens the encoder named by job.videoCodecId with the job's bit rate and size, the
// given time base, GOP size and our fixed settings (no B-frames; H.264 Main profile
// with the listed x264 limits). nullptr when the id has no encoder or it refuses.
ffmpeg::CodecContext openEncoder(const AVConvert& job, AVRational timeBase, int gopSize, bool globalHeader);

// The output video stream and the encoder feeding it. Timestamps are counted in
// encoder ticks (one tick = one picture at the output rate).
struct VideoOutput {
    AVStream* stream = nullptr;  // owned by the muxer
    ffmpeg::CodecContext encoder;
    AVRational timeBase{0, 0};
    // Timestamp of the last picture handed to the encoder (syncFrameCount); -1 before
    // the first, so the first picture is stamped 0.
    std::int64_t lastPts = -1;
    ffmpeg::Packet packet = ffmpeg::makePacket();

    // Seconds up to the end of the last picture handed to the encoder. Measured at
    // the encoder's input: encoders that hold pictures back (x264's look-ahead) would
    // otherwise make the clock trail the audio by a second or more.
    double clock() const;
};

// The timestamp of the next picture: one tick after the last, or at the reference
// position (the audio clock, or where the picture belongs) when the video trails it.
std::int64_t nextPts(const VideoOutput& out, double referenceSeconds);

// Sends one picture (nullptr: drain) and writes every packet the encoder returns.
// Negative when a write failed.
int encodeAndWrite(VideoOutput& out, output::OutputFile& file, AVFrame* picture);

// Size and pixel format of the pictures a scaler was made for.
struct SourceShape {
    int width = 0;
    int height = 0;
    int format = -1;
    bool operator==(const SourceShape&) const = default;
};

// The conversions of decoded pictures. Scaling contexts are cached and rebuilt
// only when the source size or format changes, so sources (or streams) of
// different sizes can follow each other.
class PictureScaler {
public:
    // The encoder's picture buffer; false when it cannot be allocated. threads: the
    // encoder scaler's slice threads, 0 = one per core.
    bool prepare(const AVCodecContext& encoder, int threads = 0);
    // The decoded picture converted for the encoder; nullptr on failure.
    AVFrame* toEncoder(const AVFrame& decoded);
    // 160x120 planar YUV 4:2:0 for the preview; false when the picture cannot be made.
    bool toPreview(const AVFrame& decoded, PreviewPicture& picture);
    // 160x120 packed RGB24 (480 bytes a row); empty on failure.
    std::vector<std::uint8_t> toThumbnail(const AVFrame& decoded);

private:
    ffmpeg::Frame m_encodePicture;
    ffmpeg::Sws m_encodeScaler;
    SourceShape m_encodeSource;
    int m_threads = 0;
    ffmpeg::Frame m_previewPicture;
    ffmpeg::Sws m_previewScaler;
};

}  // namespace video
