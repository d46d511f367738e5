#pragma once
// The input side of a row: the opened source, the chosen streams (the default or
// first video stream, the sound track TrackChoice picks, the subtitle track to
// burn in) and their decoders. Worker thread only; everything is released when
// the object dies.

#include "engine/FfmpegPtr.h"
#include "engine/TrackChoice.h"

#include <optional>
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
    std::string path;            // as opened
    std::optional<tracks::Track> subtitle;  // the track burned into the picture
    std::string failure;         // why openSource failed, in words for the row's reason

    AVStream* videoStream() const { return videoIndex >= 0 ? input->streams[videoIndex] : nullptr; }
    AVStream* audioStream() const { return audioIndex >= 0 ? input->streams[audioIndex] : nullptr; }
    bool formatIs(const char* name) const;
    // Seconds from the container start of a decoded frame of the given stream; NaN
    // when the frame carries no timestamp.
    double frameSeconds(const AVFrame& frame, const AVStream& stream) const;
};

// What a task asks for (TrackChoice.h request texts; unreadable texts count as
// automatic) and the preferred language ("" = the desktop's).
struct TrackRequests {
    std::string audio;
    std::string subtitles;
    std::string language;
};
// The requests of a row of the job (automatic for rows the tables do not reach).
TrackRequests requestsFor(const AVConvert& job, int row);

// The streams a source is converted from (-1: none): the video stream marked
// default, else the first (cover art is a still picture, not the file's video),
// the sound track and the subtitle track TrackChoice picks (subtitle files beside
// path count). The probe and the workers both choose with this.
struct StreamChoice {
    int video = -1;
    int audio = -1;
    std::vector<tracks::Track> tracks;  // every sound and subtitle track
    int audioTrack = -1;                // positions in tracks; -1: none
    int subtitleTrack = -1;
    std::string failure;  // a track the task asks for that the source lacks
};
StreamChoice chooseStreams(const AVFormatContext& input, const std::string& path = {},
                           const TrackRequests& requests = {});

enum class OpenResult { Opened, Failed };

// Opens path, analyses it, chooses the streams, opens their decoders with FFmpeg's
// own threading, and records the source facts in the job (size, rate, duration, …).
// Every read of the source (here and later) gives up when the job is asked to
// stop (StopSeen), so a slow or huge file never holds a stop back.
// row: whose track requests apply (-1: automatic choice).
OpenResult openSource(const std::string& path, AVConvert& job, SourceFile& out, int row = -1);
// Only the container: opened and analysed, no streams chosen, no decoders.
OpenResult openContainer(const std::string& path, const AVConvert& job, SourceFile& out);
// The same as openSource without touching the job's source facts (rows opened at once share the
// job; they record their facts one at a time with recordFacts).
OpenResult openWithoutFacts(const std::string& path, const AVConvert& job, SourceFile& out, int row = -1);
void recordFacts(const SourceFile& source, AVConvert& job);

// A kept video is decoded only as far as its first picture (for the thumbnail):
// its decoder is opened again on one thread, without the frame threads' buffers.
// False (the old decoder kept) when the new one does not open.
bool decodeVideoOnOneThread(SourceFile& source);

// Seeks (backward to a key frame) to clipSeconds after the container start.
void seekTo(SourceFile& source, double clipSeconds);

}  // namespace source
