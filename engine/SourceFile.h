#pragma once
// The input side of a row: the opened source, the chosen streams (the default or
// first video stream, the last audio stream) and their decoders. Worker thread only; everything is released when
// the object dies.

#include "engine/FfmpegPtr.h"

#include <string>

class AVConvert;

namespace source {

struct SourceFile {
    ffmpeg::InputContext input;
    int videoIndex = -1;
    int audioIndex = -1;
    ffmpeg::CodecContext videoDecoder;
    ffmpeg::CodecContext audioDecoder;
    AVRational videoRate{0, 0};  // after the >1000 fps rule
    bool oddRate = false;        // exactly 359/12
    double startSeconds = 0.0;   // container start time: the origin of clip times
    std::string failure;         // why openSource failed, in words for the row's reason

    AVStream* videoStream() const { return videoIndex >= 0 ? input->streams[videoIndex] : nullptr; }
    AVStream* audioStream() const { return audioIndex >= 0 ? input->streams[audioIndex] : nullptr; }
    bool formatIs(const char* name) const;
    // Seconds from the container start of a decoded frame of the given stream; NaN
    // when the frame carries no timestamp.
    double frameSeconds(const AVFrame& frame, const AVStream& stream) const;
};

// The streams a source is converted from (-1: none): the video stream marked
// default, else the first (cover art is a still picture, not the file's video), and
// the last audio stream. The probe and the workers both choose with this.
struct StreamChoice {
    int video = -1;
    int audio = -1;
};
StreamChoice chooseStreams(const AVFormatContext& input);

enum class OpenResult { Opened, Failed };

// Opens path, analyses it, chooses the streams, opens their decoders with FFmpeg's
// own threading, and records the source facts in the job (size, rate, duration, …).
// Every read of the source (here and later) gives up when the job is asked to
// stop (StopSeen), so a slow or huge file never holds a stop back.
OpenResult openSource(const std::string& path, AVConvert& job, SourceFile& out);
// Only the container: opened and analysed, no streams chosen, no decoders.
OpenResult openContainer(const std::string& path, const AVConvert& job, SourceFile& out);
// The same as openSource without touching the job's source facts (rows opened at once share the
// job; they record their facts one at a time with recordFacts).
OpenResult openWithoutFacts(const std::string& path, const AVConvert& job, SourceFile& out);
void recordFacts(const SourceFile& source, AVConvert& job);

// Seeks (backward to a key frame) to clipSeconds after the container start.
void seekTo(SourceFile& source, double clipSeconds);

}  // namespace source
