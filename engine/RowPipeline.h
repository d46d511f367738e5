#pragma once
// The steps both workers share: adding the output streams and their encoders, and
// running one source through decoders, scaler, resampler and encoders into an
// output. TranscodeWorker makes one Outputs per row; MergeWorker keeps one for
// the whole merge and feeds every row into it. Worker thread only.

#include "engine/AudioPath.h"
#include "engine/CopyRow.h"
#include "engine/OutputFile.h"
#include "engine/SourceFile.h"
#include "engine/SubtitleBurn.h"
#include "engine/VideoPath.h"

#include <chrono>
#include <limits>
#include <optional>
#include <memory>
#include <vector>

class AVConvert;

namespace pipeline {

// The output file and the streams a row writes into.
struct Outputs {
    std::unique_ptr<video::VideoOutput> video;  // null: the output has no video
    std::unique_ptr<audio::AudioOutput> audio;  // null: the output has no audio
    AVStream* cover = nullptr;                  // the source's cover picture, where the output keeps it
    // The source's own video or sound, kept as it is (instead of video / audio).
    std::unique_ptr<copying::CopiedStream> videoCopy;
    std::unique_ptr<copying::CopiedStream> audioCopy;
    // The streams belong to the muxer; the encoders are ours and refer to no stream,
    // so the release order between them does not matter.
    output::OutputFile file;
};

// Adds the output video stream with a freshly opened encoder at timeBase.
// still: the source is one picture shown for the row's length.
// rate: the bit rate and pass when the output is fitted into a size.
bool addVideoStream(const AVConvert& job, const source::SourceFile& source, Outputs& out, AVRational timeBase,
                    bool still = false, const video::RateSetup& rate = {});
// Adds the output video stream of a sound-only source (its cover or a black frame
// is the picture), with an encoder tuned for a still unless `still` is cleared (a
// merge, whose later rows' encoders must write the same stream headers).
bool addVideoStreamForSound(const AVConvert& job, const source::SourceFile& source, Outputs& out,
                            AVRational timeBase, bool still = true, const video::RateSetup& rate = {});
// Opens a new encoder for an existing output video stream (a later merge row,
// which may be sound alone: its cover or black is its picture).
bool reopenVideoEncoder(const AVConvert& job, const source::SourceFile& source, Outputs& out,
                        const video::RateSetup& rate = {});
// Adds the output audio stream with its encoder, FIFO and frame (the source's
// sample format when the encoder takes it; the source may have no sound).
bool addAudioStream(const AVConvert& job, const source::SourceFile& source, Outputs& out);

// How a row differs between Convert and Merge.
struct RowRules {
    double clipBegin = 0.0;       // source seconds before this are skipped (after the seek)
    double clipLength = 0.0;      // > 0: each stream ends there; otherwise at the end of the source
    double progressSeconds = 0.0; // progress denominator; <= 0 shows 0
    double timelineOffset = 0.0;  // where this row starts on the output's timeline
    bool rmOutput = false;        // an "rm" output never drops pictures
    bool orderStamped = false;    // pictures stamped one tick apart whatever their times
    // Merge: the row's sound is padded with silence or cut to its pictures, so the
    // next row starts with both streams at the same point.
    bool fitAudioToPictures = false;
    // The source is one picture, shown for the whole clip length (which is set).
    bool stillPicture = false;
    // A source without pictures gets its cover (or black) for the whole sound, in
    // the output's video stream.
    bool pictureForSound = false;
    // The first of two passes: nothing is shown as written (no ".THM"), and the
    // row's progress runs from progressFrom over progressSpan percent.
    bool firstPass = false;
    int progressFrom = 0;
    int progressSpan = 100;
};

// A kept video's preview shows a key frame at most this often: each costs a
// 1080p picture decoded on the row's thread (15-20 ms), so two a second keep a
// copy that takes seconds within a few percent of its time.
constexpr std::chrono::milliseconds kKeptPreviewInterval{500};

enum class RowEnd { SourceEnded, ClipEnded, Stopped, WriteFailed };

// The reason of a row whose output a second stop left unfinished (and removed).
constexpr const char* kAbortedReason = "Stopped at once; the unfinished output was removed";

// The start of a worker's run: rows pending, no reasons, a thumbnail path per row.
void beginRun(AVConvert& job, int rows);
// The source's metadata that goes with its streams into the output: the file's
// tags (title, artist, ...) and the language of the video and the sound kept or
// converted (MP4/MOV, Matroska, ASF and MPEG-TS write it; the other muxers drop it).
void copySourceTags(const source::SourceFile& source, Outputs& out);
// A row that failed before it wrote anything; a stop that broke its set-up off
// leaves it pending (it was never really tried).
void setUpFailed(AVConvert& job, int row, const std::string& reason);
// The row will write a ".THM" beside its output.
bool writesThumbnail(const AVConvert& job, const source::SourceFile& source);
// Task lists keep times in whole seconds, so an end time nobody trimmed is the
// source's length cut to the second. Taken literally it would drop the last
// fraction of a second of every file: it means "to the end of the source".
bool endIsUntrimmed(const source::SourceFile& source, double clipEnd);

class RowRunner {
public:
    RowRunner(AVConvert& job, int row, source::SourceFile& source, Outputs& out, const RowRules& rules);
    ~RowRunner();
    RowRunner(const RowRunner&) = delete;
    RowRunner& operator=(const RowRunner&) = delete;

    // Picture buffers and the preview; false when a buffer cannot be made.
    bool prepare();
    // The packet loop, then the decoders' last frames when the source ended.
    // Stopped: a stop (or abort) was seen before the source or clip ended.
    RowEnd run();
    // Drains this row's video encoder and hands the resampler's tail to the FIFO.
    // With finalAudio the audio encoder is flushed and drained as well.
    void finishStreams(bool finalAudio);

    bool writeFailed() const { return m_writeFailed; }
    // Why a write or an encoder failed, in words for the row's reason.
    std::string writeFailureReason() const;
    // True when the row has video to convert but not one picture reached the
    // encoder (undecodable or unscalable pictures): the row has failed.
    bool videoMissing() const;
    // True when this row wrote its ".THM" (false when none was due or its name was taken).
    bool thumbnailWritten() const { return m_thumbnailWritten; }

private:
    // Copied streams (CopyRow.cpp).
    bool copyingVideo() const;
    bool copyingAudio() const;
    void findCopyStart();
    void copyPacket(copying::CopiedStream& out, AVPacket* pkt, bool isVideo);
    void decodeForThumbnail(const AVPacket* pkt);
    void previewKeyFrame(const AVPacket* pkt);
    void dispatch(AVPacket* pkt);
    // The output's picture clock, whether its pictures are converted or copied.
    double videoClock() const;
    bool picturesActive() const { return videoActive() || copyingVideo(); }

    void decode(AVCodecContext* decoder, const AVPacket* packet, bool isVideo);
    void handleVideo(AVFrame& frame);
    bool videoClipEnded() const;
    void drainFilter();
    void placePicture(AVFrame& filtered);
    void prepareBitmapSubtitles();
    void notePictureEnd(const AVFrame& picture, double reference);
    void finishVideo();
    void handleAudio(AVFrame& frame);
    void showSoundPicture();
    void fillSoundPicture(double end);
    void showPreview(const AVFrame& frame);
    void writeThumbnail(const AVFrame& frame);
    bool clipEndReached() const;
    bool videoActive() const;
    bool audioActive() const;
    double referenceFor(double sourceSeconds);
    void publishProgress();
    void placeFirstAudio(double sourceSeconds);
    double audioEncodeLimit() const;
    void fitAudioToRow();
    void audioFailed();
    void audioWriteFailed();

    AVConvert& m_job;
    int m_row;
    source::SourceFile& m_source;
    Outputs& m_out;
    RowRules m_rules;
    video::PictureFilter m_filter;
    video::PreviewPictures m_pictures;
    ffmpeg::Frame m_filtered = ffmpeg::makeFrame();
    // A sound-only source in a video output: the picture shown for the whole sound.
    ffmpeg::Frame m_soundPicture;
    std::unique_ptr<subtitles::BitmapSubtitles> m_bitmaps;  // a bitmap subtitle track to burn in
    ffmpeg::Frame m_overlaid = ffmpeg::makeFrame();
    std::int64_t m_picturesAtStart = 0;
    double m_lastPictureTime = std::numeric_limits<double>::quiet_NaN();
    double m_videoEnd = std::numeric_limits<double>::quiet_NaN();  // on the output timeline
    audio::Resampler m_resampler;
    ffmpeg::Packet m_packet = ffmpeg::makePacket();
    ffmpeg::Frame m_frame = ffmpeg::makeFrame();
    int m_audioPackets = 0;
    int m_expectedAudioPackets = 100;
    bool m_thumbnailDone = false;
    bool m_thumbnailWritten = false;
    bool m_previewOn = false;
    bool m_audioPlaced = false;
    double m_lastReference = std::numeric_limits<double>::quiet_NaN();
    double m_timestampShift = 0.0;  // mends jumps in the source's picture times
    bool m_writeFailed = false;
    // Where the copied streams start (source seconds, on the source's own clock),
    // and the packets read while finding it.
    double m_copyStart = std::numeric_limits<double>::quiet_NaN();
    bool m_copyStarted = false;
    long m_copiedAtStart = 0;
    std::int64_t m_copyStartPts = AV_NOPTS_VALUE;  // in the video stream's time base
    std::int64_t m_videoPacketsInRow = 0;
    std::vector<ffmpeg::Packet> m_pending;
    // When the last kept key frame was shown (none yet: nullopt).
    std::optional<std::chrono::steady_clock::time_point> m_lastKeptPreview;
};

}  // namespace pipeline
