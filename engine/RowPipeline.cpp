#include "engine/RowPipeline.h"

#include "engine/AVConvert.h"
#include "engine/CodecMap.h"
#include "engine/SubtitleBurn.h"
#include "engine/Thumbnail.h"
#include "engine/TrackChoice.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace pipeline {
namespace {

constexpr double kNoTime = std::numeric_limits<double>::quiet_NaN();
// Timestamps are compared with this much slack so rounding never drops a picture
// that lands exactly on its slot.
constexpr double kSlackSeconds = 1e-4;
// Source picture times that step back more than this, or forward more than that,
// are a discontinuity rather than the source's own timing.
constexpr double kBackwardJumpSeconds = 1.0;
constexpr double kForwardJumpSeconds = 10.0;
// A source whose sound starts later than this after the clip start has broken
// times: its sound is not pushed further back.
constexpr double kMaxAudioLeadSeconds = 60.0;
// Sound a merge holds back, unencoded, while it waits for the row's pictures (so
// it can still be cut to them at the row's end).
constexpr double kAudioHoldSeconds = 20.0;

bool copyEncoderToStream(AVStream* stream, const AVCodecContext& encoder) {
    return avcodec_parameters_from_context(stream->codecpar, &encoder) >= 0 &&
           video::copyCodedSideData(stream, encoder);
}

// Container names that get global audio headers whatever their flags say.
bool audioGlobalHeader(const output::OutputFile& file) {
    return file.formatIs("mp4") || file.formatIs("mov") || file.formatIs("3gp") || file.wantsGlobalHeader();
}

// The tick nearest to a time, not the one before it. A time halfway between two
// ticks takes the earlier one, so a source at twice the output rate keeps the
// pictures that land exactly on a tick rather than those in between.
std::int64_t nearestSlot(double seconds, AVRational timeBase) {
    return static_cast<std::int64_t>(std::ceil(seconds / av_q2d(timeBase) - 0.5 - 1e-3));
}

// A video encoder always works on a thread of its own while the row's thread
// decodes and scales the next pictures: alone, x264's frame threads get pictures
// while this thread decodes and the threadless encoders (WMV, MPEG-4) stop taking
// turns with the decoder; with rows running at once, a row's steps no longer wait
// for each other, so the cores stay busy through each row's pauses. The sound
// encoder gets one in a row converted alone and in video rows; sound-only rows
// running at once keep a core each busy already.
bool soundOnItsOwnThread(const AVConvert& job, const Outputs& out) { return job.threadsPerRow == 0 || out.video; }

}  // namespace

void beginRun(AVConvert& job, int rows) {
    for (int i = 0; i < rows; ++i) job.fileState[i].store(kRowPending, std::memory_order_relaxed);
    job.clearFailureReasons();
    if (static_cast<int>(job.thumbnailPaths.size()) < rows) job.thumbnailPaths.resize(static_cast<std::size_t>(rows));
}

namespace {
void copyLanguage(const AVStream* from, AVStream* to) {
    if (!from || !to) return;
    const AVDictionaryEntry* tag = av_dict_get(from->metadata, "language", nullptr, 0);
    const std::string language = tag ? tracks::outputLanguage(tag->value) : std::string();
    if (!language.empty()) av_dict_set(&to->metadata, "language", language.c_str(), 0);
}
}  // namespace

void copySourceTags(const source::SourceFile& source, Outputs& out) {
    out.file.copyMetadata(source.input.get());
    copyLanguage(source.videoStream(), out.video ? out.video->stream : out.videoCopy ? out.videoCopy->stream : nullptr);
    copyLanguage(source.audioStream(), out.audio ? out.audio->stream : out.audioCopy ? out.audioCopy->stream : nullptr);
}

void setUpFailed(AVConvert& job, int row, const std::string& reason) {
    if (!StopSeen(job)) job.failRow(row, reason);
}

bool writesThumbnail(const AVConvert& job, const source::SourceFile& source) {
    return job.thumbnailMode == 1 && job.encodeVideo && source.videoDecoder;
}

bool endIsUntrimmed(const source::SourceFile& source, double clipEnd) {
    const std::int64_t duration = source.input->duration;  // this source's own (the job's is the last opened)
    return duration > 0 && duration != AV_NOPTS_VALUE && clipEnd >= std::floor(duration / 1e6);
}

bool addVideoStream(const AVConvert& job, const source::SourceFile& source, Outputs& out, AVRational timeBase,
                    bool still, const video::RateSetup& rate) {
    auto video = std::make_unique<video::VideoOutput>();
    video->stream = out.file.addStream();
    if (!video->stream) return false;
    video->timeBase = timeBase;
    // The first source decides the pixel shape: the muxer writes it once.
    video->sampleAspect = video::sampleAspectFor(job, *source.videoStream());
    video->encoder = video::openEncoder(job, timeBase, source.videoDecoder->gop_size, out.file.wantsGlobalHeader(),
                                        video->sampleAspect, still, rate);
    if (!video->encoder || !copyEncoderToStream(video->stream, *video->encoder)) return false;
    video->stream->time_base = timeBase;
    video->stream->sample_aspect_ratio = video->sampleAspect;
    video->stream->r_frame_rate = source.videoRate;
    video->stream->avg_frame_rate = av_inv_q(timeBase);
    video->passLog = rate.log;
    video->stage = startEncodeStage(*video->encoder, kVideoStageDepth, rate.log);
    out.video = std::move(video);
    return true;
}

// Every picture of the stream is the same one: a longer group of pictures costs
// nothing and a device can still seek every second or so.
constexpr int kStillGopSize = 30;

bool addVideoStreamForSound(const AVConvert& job, const source::SourceFile& source, Outputs& out,
                            AVRational timeBase, bool still, const video::RateSetup& rate) {
    auto video = std::make_unique<video::VideoOutput>();
    video->stream = out.file.addStream();
    if (!video->stream) return false;
    video->timeBase = timeBase;
    const AVStream* cover = video::coverStream(*source.input);
    const double aspect = cover ? video::displayAspect(cover->codecpar->width, cover->codecpar->height,
                                                       video::streamSampleAspect(*cover), false)
                                : double(job.outputWidth) / std::max(job.outputHeight, 1);
    video->sampleAspect = video::outputSampleAspect(job.videoCodecId, job.outputWidth, job.outputHeight, aspect);
    video->encoder = video::openEncoder(job, timeBase, kStillGopSize, out.file.wantsGlobalHeader(),
                                        video->sampleAspect, still, rate);
    if (!video->encoder || !copyEncoderToStream(video->stream, *video->encoder)) return false;
    video->stream->time_base = timeBase;
    video->stream->sample_aspect_ratio = video->sampleAspect;
    video->stream->r_frame_rate = video->stream->avg_frame_rate = av_inv_q(timeBase);
    video->passLog = rate.log;
    video->stage = startEncodeStage(*video->encoder, kVideoStageDepth, rate.log);
    out.video = std::move(video);
    return true;
}

bool reopenVideoEncoder(const AVConvert& job, const source::SourceFile& source, Outputs& out,
                        const video::RateSetup& rate) {
    // Later rows use the output's time base: timestamps already written are in it.
    out.video->stage.reset();  // drained with the last row; it goes before its encoder
    out.video->encoder.reset();
    const int gopSize = source.videoDecoder ? source.videoDecoder->gop_size : kStillGopSize;
    out.video->encoder = video::openEncoder(job, out.video->timeBase, gopSize, out.file.wantsGlobalHeader(),
                                            out.video->sampleAspect, false, rate);
    if (!out.video->encoder) return false;
    out.video->passLog = rate.log;
    out.video->stage = startEncodeStage(*out.video->encoder, kVideoStageDepth, rate.log);
    return true;
}

bool addAudioStream(const AVConvert& job, const source::SourceFile& source, Outputs& out) {
    auto audio = std::make_unique<audio::AudioOutput>();
    audio->stream = out.file.addStream();
    if (!audio->stream) return false;
    // A merge may make the sound stream for a first row that has none (its silence).
    const AVSampleFormat sourceFormat = source.audioDecoder ? source.audioDecoder->sample_fmt : AV_SAMPLE_FMT_FLTP;
    audio->encoder = audio::openEncoder(job, sourceFormat, audioGlobalHeader(out.file), out.file.formatName());
    if (!audio->encoder || !copyEncoderToStream(audio->stream, *audio->encoder) || !audio->prepare()) return false;
    audio->stream->time_base = audio->encoder->time_base;
    if (soundOnItsOwnThread(job, out)) audio->stage = startEncodeStage(*audio->encoder, kAudioStageDepth);
    out.audio = std::move(audio);
    return true;
}

RowRunner::RowRunner(AVConvert& job, int row, source::SourceFile& source, Outputs& out, const RowRules& rules)
    : m_job(job), m_row(row), m_source(source), m_out(out), m_rules(rules) {
    if (const AVStream* audio = m_source.audioStream()) {
        // The progress denominator of Vorbis outputs, as odd as it looks.
        const int rate = audio->codecpar->sample_rate;
        const std::int64_t duration = m_source.input->duration;
        if (rate > 0 && duration > 0)
            m_expectedAudioPackets = static_cast<int>(duration / rate * audio->codecpar->ch_layout.nb_channels);
        if (m_expectedAudioPackets <= 0) m_expectedAudioPackets = 100;
    }
}

RowRunner::~RowRunner() {
    if (m_previewOn && m_job.previewSink) {
        try {
            m_job.previewSink->rowEnds(m_row);
        } catch (...) {
        }
    }
}

bool RowRunner::prepare() {
    const bool soundPicture = m_rules.pictureForSound && !m_source.videoDecoder && audioActive() && m_out.video;
    if (videoActive() || soundPicture) {
        const AVCodecContext* encoder = m_out.video->encoder.get();
        if (!encoder || !m_pictures.prepare() || !m_filtered) return false;
        video::FilterTarget target{encoder->width, encoder->height, encoder->pix_fmt, m_out.video->sampleAspect,
                                   m_job.threadsPerRow,
                                   colour::outputColourFor(encoder->width, encoder->height, encoder->pix_fmt), {}};
        if (m_source.subtitle)
            target.drawOn = subtitles::textFilter(*m_source.subtitle, m_source.path, m_source.startSeconds);
        m_filter.setTarget(target, soundPicture ? video::coverStream(*m_source.input) : m_source.videoStream());
        prepareBitmapSubtitles();
        m_picturesAtStart = m_out.video->picturesSent;
    }
    if (soundPicture && !(m_soundPicture = video::pictureForSound(*m_source.input, m_job.outputWidth,
                                                                 m_job.outputHeight)))
        return false;
    if (!m_packet || !m_frame) return false;
    if (copyingVideo()) {
        m_copiedAtStart = m_out.videoCopy->packets;
        m_out.videoCopy->ended = false;
        if (m_out.audioCopy) m_out.audioCopy->ended = false;
        if (!m_pictures.prepare()) return false;
    }
    if (m_job.previewSink) {
        try {
            m_job.previewSink->rowBegins(m_row);
            m_previewOn = true;
        } catch (...) {
            m_previewOn = false;  // a failing preview only costs the preview
        }
    }
    return true;
}

void RowRunner::prepareBitmapSubtitles() {
    const std::optional<tracks::Track>& track = m_source.subtitle;
    if (!track || !track->bitmap || track->streamIndex < 0 || !m_overlaid) return;
    auto bitmaps = std::make_unique<subtitles::BitmapSubtitles>();
    const AVCodecParameters& picture = *m_source.videoStream()->codecpar;
    if (!bitmaps->open(*m_source.input->streams[track->streamIndex], picture.width, picture.height,
                       m_source.startSeconds))
        return;
    // The seek to the clip's begin skips the packet of a picture already on screen
    // there; a second reader of the source finds it.
    source::SourceFile earlier;
    if (m_rules.clipBegin > 0 && source::openContainer(m_source.path, m_job, earlier) == source::OpenResult::Opened)
        bitmaps->readCuesBefore(*earlier.input, m_rules.clipBegin);
    m_bitmaps = std::move(bitmaps);
}

bool RowRunner::videoActive() const { return m_job.encodeVideo && m_source.videoDecoder && m_out.video; }
bool RowRunner::audioActive() const { return m_source.audioDecoder && m_out.audio; }

bool RowRunner::clipEndReached() const {
    const double length = m_rules.clipLength;
    if (length <= 0) return false;
    const bool videoDone = copyingVideo() ? m_out.videoCopy->ended
                                          : !videoActive() || m_out.video->clock() - m_rules.timelineOffset >= length;
    const bool audioDone = copyingAudio() ? m_out.audioCopy->ended
                                          : !audioActive() || m_out.audio->queuedClock() - m_rules.timelineOffset >= length;
    return (picturesActive() || audioActive() || copyingAudio()) && videoDone && audioDone;
}

RowEnd RowRunner::run() {
    AVPacket* pkt = m_packet.get();
    if (m_soundPicture) showSoundPicture();
    if (copyingVideo() && !m_copyStarted) findCopyStart();
    for (ffmpeg::Packet& pending : m_pending) {
        if (StopSeen(m_job)) return RowEnd::Stopped;
        dispatch(pending.get());
        if (m_writeFailed) return RowEnd::WriteFailed;
    }
    m_pending.clear();
    for (;;) {
        if (StopSeen(m_job)) return RowEnd::Stopped;
        if (clipEndReached()) return RowEnd::ClipEnded;
        if (av_read_frame(m_source.input.get(), pkt) < 0) {
            if (StopSeen(m_job)) return RowEnd::Stopped;  // the stop broke off the read
            break;
        }
        dispatch(pkt);
        av_packet_unref(pkt);
        if (m_writeFailed) return RowEnd::WriteFailed;
    }
    // The decoders still hold their last frames (frame threads keep a few back).
    if (videoActive()) decode(m_source.videoDecoder.get(), nullptr, true);
    if (audioActive()) decode(m_source.audioDecoder.get(), nullptr, false);
    return m_writeFailed ? RowEnd::WriteFailed : RowEnd::SourceEnded;
}

void RowRunner::dispatch(AVPacket* pkt) {
    if (pkt->stream_index == m_source.videoIndex && copyingVideo())
        copyPacket(*m_out.videoCopy, pkt, true);
    else if (pkt->stream_index == m_source.videoIndex && videoActive())
        decode(m_source.videoDecoder.get(), pkt, true);
    else if (pkt->stream_index == m_source.audioIndex && copyingAudio())
        copyPacket(*m_out.audioCopy, pkt, false);
    else if (pkt->stream_index == m_source.audioIndex && audioActive())
        decode(m_source.audioDecoder.get(), pkt, false);
    else if (m_bitmaps && pkt->stream_index == m_bitmaps->streamIndex())
        m_bitmaps->decode(*pkt);
}

double RowRunner::videoClock() const {
    if (m_out.video) return m_out.video->clock();
    return m_out.videoCopy ? m_out.videoCopy->clock() : 0.0;
}

void RowRunner::decode(AVCodecContext* decoder, const AVPacket* packet, bool isVideo) {
    if (!isVideo && packet) ++m_audioPackets;
    if (avcodec_send_packet(decoder, packet) < 0) return;  // a damaged packet is skipped
    AVFrame* frame = m_frame.get();
    while (avcodec_receive_frame(decoder, frame) >= 0) {
        if (isVideo) handleVideo(*frame);
        else handleAudio(*frame);
        av_frame_unref(frame);
        if (m_writeFailed && isVideo) return;
    }
}

void RowRunner::publishProgress() {
    int percent = 0;
    if (m_job.audioCodecId == codecmap::kAudioVorbis && audioActive()) {
        percent = m_audioPackets * 100 / m_expectedAudioPackets;
    } else if (m_rules.progressSeconds > 0) {
        const double a = m_out.audio ? m_out.audio->clock() : m_out.audioCopy ? m_out.audioCopy->clock() : 0.0;
        const double v = videoClock();
        percent = static_cast<int>(std::min(100.0, std::max(a, v) * 100 / m_rules.progressSeconds));
    }
    percent = m_rules.progressFrom + std::clamp(percent, 0, 100) * m_rules.progressSpan / 100;
    m_job.publishProgress(m_row, std::clamp(percent, 0, 100));
}

// Where a picture belongs on the output timeline: its own time when the source
// gives one, otherwise the audio clock (or nothing, when there is no audio).
// A jump in the source's times (a damaged file, a timestamp wrap, joined
// recordings) is mended so the pictures after it follow on, instead of all being
// dropped or leaving a long still picture.
double RowRunner::referenceFor(double sourceSeconds) {
    if (m_rules.orderStamped || !std::isfinite(sourceSeconds)) return audioActive() ? m_out.audio->clock() : kNoTime;
    double reference = m_rules.timelineOffset + sourceSeconds + m_timestampShift;
    if (std::isfinite(m_lastReference) &&
        (reference < m_lastReference - kBackwardJumpSeconds || reference > m_lastReference + kForwardJumpSeconds)) {
        const double frame = m_source.videoRate.num > 0 ? av_q2d(av_inv_q(m_source.videoRate)) : 0.04;
        m_timestampShift += m_lastReference + frame - reference;
        reference = m_lastReference + frame;
    }
    m_lastReference = reference;
    return reference;
}

void RowRunner::handleVideo(AVFrame& frame) {
    const double t = m_source.frameSeconds(frame, *m_source.videoStream()) - m_rules.clipBegin;
    if (t < -kSlackSeconds) return;  // before the clip start (the seek lands on an earlier key frame)
    if (videoClipEnded()) return;
    publishProgress();
    frame.pts = frame.best_effort_timestamp;
    m_filter.send(&frame);
    drainFilter();
}

bool RowRunner::videoClipEnded() const {
    return m_rules.clipLength > 0 && m_out.video->clock() - m_rules.timelineOffset >= m_rules.clipLength;
}

void RowRunner::drainFilter() {
    while (!m_writeFailed && m_filter.receive(m_filtered.get())) placePicture(*m_filtered);
}

// Puts a filtered picture where its source time says on the output's frame grid,
// whatever the source's nominal rate: a variable-rate source keeps its timing, a
// faster one loses the pictures that share a slot, a slower one has each picture
// repeated until the next.
void RowRunner::placePicture(AVFrame& filtered) {
    video::VideoOutput& out = *m_out.video;
    const double t = filtered.pts == AV_NOPTS_VALUE
                         ? kNoTime
                         : filtered.pts * av_q2d(m_filter.timeBase()) - m_source.startSeconds - m_rules.clipBegin;
    const bool subtitled = m_bitmaps && std::isfinite(t) &&
                           m_bitmaps->draw(filtered, t + m_rules.clipBegin, m_filter.active(), m_overlaid.get());
    AVFrame& picture = subtitled ? *m_overlaid : filtered;
    writeThumbnail(picture);
    showPreview(picture);
    if (videoClipEnded()) return;
    const double reference = referenceFor(t);
    std::int64_t slot;
    if (m_rules.orderStamped) {
        slot = out.lastPts + 1;
    } else if (std::isfinite(t)) {
        slot = nearestSlot(reference, out.timeBase);
        notePictureEnd(picture, reference);
    } else {
        slot = video::nextPts(out, reference + kSlackSeconds);  // no time of its own: follows the audio
    }
    if (video::placeAt(out, m_out.file, picture, slot) < 0) m_writeFailed = true;
}

// Where the source's video ends: the last picture's time plus its duration.
void RowRunner::notePictureEnd(const AVFrame& picture, double reference) {
    double duration = picture.pkt_duration > 0 ? picture.pkt_duration * av_q2d(m_filter.timeBase()) : 0.0;
    if (duration <= 0 && std::isfinite(m_lastPictureTime) && reference > m_lastPictureTime)
        duration = reference - m_lastPictureTime;
    if (duration <= 0 && m_source.videoRate.num > 0) duration = av_q2d(av_inv_q(m_source.videoRate));
    m_lastPictureTime = reference;
    m_videoEnd = std::isfinite(m_videoEnd) ? std::max(m_videoEnd, reference + duration) : reference + duration;
}

// The pictures the deinterlacer still holds, then the last one repeated until the
// source's video ends (or the clip does), so the picture lasts as long as the sound.
void RowRunner::finishVideo() {
    m_filter.send(nullptr);
    drainFilter();
    if (m_writeFailed || m_rules.orderStamped || (!std::isfinite(m_videoEnd) && !m_rules.stillPicture)) return;
    video::VideoOutput& out = *m_out.video;
    double end = m_videoEnd;
    if (m_rules.clipLength > 0) end = std::min(end, m_rules.timelineOffset + m_rules.clipLength);
    if (m_rules.stillPicture) end = m_rules.timelineOffset + m_rules.clipLength;
    if (video::fillTo(out, m_out.file, nearestSlot(end, out.timeBase), m_rules.stillPicture) < 0) m_writeFailed = true;
}

bool RowRunner::videoMissing() const {
    if (copyingVideo()) return m_out.videoCopy->packets == m_copiedAtStart;
    const bool pictureDue = videoActive() || (m_rules.pictureForSound && !m_source.videoDecoder && m_out.video);
    return pictureDue && m_out.video->picturesSent == m_picturesAtStart;
}

void RowRunner::handleAudio(AVFrame& frame) {
    if (m_writeFailed) return;
    audio::AudioOutput& out = *m_out.audio;
    const double t = m_source.frameSeconds(frame, *m_source.audioStream()) - m_rules.clipBegin;
    const int rate = frame.sample_rate;
    if (std::isfinite(t) && rate > 0 && t + double(frame.nb_samples) / rate <= 0) return;
    if (m_rules.clipLength > 0 && out.queuedClock() - m_rules.timelineOffset >= m_rules.clipLength) return;
    int skip = 0;
    if (!m_audioPlaced) {
        m_audioPlaced = true;
        placeFirstAudio(t);
        // The frame that straddles the clip start loses the samples before it, so
        // the first sample written is the one at the clip start.
        if (std::isfinite(t) && t < 0 && rate > 0) skip = static_cast<int>(std::llround(-t * rate));
    }
    publishProgress();
    if (!m_resampler.push(frame, out, skip)) return audioFailed();
    if (audio::encodeQueued(out, m_out.file, audioEncodeLimit()) < 0) audioWriteFailed();
    if (m_soundPicture) fillSoundPicture(out.queuedClock());
}

// The sound's picture goes through the picture steps once and stands at the row's
// start (a merge's later row starts where the rows before it end).
void RowRunner::showSoundPicture() {
    if (!m_filter.send(m_soundPicture.get()) || !m_filter.receive(m_filtered.get())) {
        m_soundPicture.reset();  // the output keeps its sound; the row fails for want of pictures
        return;
    }
    writeThumbnail(*m_filtered);
    showPreview(*m_filtered);
    const std::int64_t slot = nearestSlot(m_rules.timelineOffset, m_out.video->timeBase);
    if (video::placeAt(*m_out.video, m_out.file, *m_filtered, slot) < 0) m_writeFailed = true;
}

// Repeats the picture as far as the sound has come (the clip's end at most), so
// pictures and sound stay interleaved in the file.
void RowRunner::fillSoundPicture(double end) {
    if (m_writeFailed) return;
    if (m_rules.clipLength > 0) end = std::min(end, m_rules.timelineOffset + m_rules.clipLength);
    if (video::fillTo(*m_out.video, m_out.file, nearestSlot(end, m_out.video->timeBase), true) < 0)
        m_writeFailed = true;
}

// The row has failed: its packet loop ends, as at a failed picture write. A second
// stop breaks off every write: the worker gives the row that reason, not the
// failed write's.
void RowRunner::audioWriteFailed() {
    if (!AVConvert::abortNow.load(std::memory_order_relaxed)) m_job.failRow(m_row, writeFailureReason());
    m_writeFailed = true;
}

// Sound that cannot be converted would leave a silent or short stream behind a
// row reported done: the row fails and its packet loop ends, as at a failed write.
void RowRunner::audioFailed() {
    if (!AVConvert::abortNow.load(std::memory_order_relaxed)) m_job.failRow(m_row, "Cannot convert the sound");
    m_writeFailed = true;
}

// The row's sound starts at the row's place on the output's timeline, after
// silence when the source's sound starts after its pictures (or after the clip
// start), so it stays with its pictures.
void RowRunner::placeFirstAudio(double sourceSeconds) {
    const double lead = std::isfinite(sourceSeconds) ? std::clamp(sourceSeconds, 0.0, kMaxAudioLeadSeconds) : 0.0;
    if (audio::padWithSilence(*m_out.audio, m_out.file, m_rules.timelineOffset + lead, audioEncodeLimit()) < 0)
        audioFailed();
}

// Sound is encoded as it comes, except in a merge row with pictures: there it
// waits (up to kAudioHoldSeconds) for the pictures, so a tail longer than the
// pictures can still be cut.
double RowRunner::audioEncodeLimit() const {
    if (!m_rules.fitAudioToPictures || !picturesActive()) return std::numeric_limits<double>::infinity();
    return std::max(videoClock(), m_out.audio->queuedClock() - kAudioHoldSeconds);
}

// The row ends where its pictures end; a row without pictures where its sound
// (cut to the clip) ends. Its sound is cut or padded with silence to that point,
// and a row without sound gets silence throughout.
void RowRunner::fitAudioToRow() {
    audio::AudioOutput& out = *m_out.audio;
    double end = out.queuedClock();
    if (picturesActive() && videoClock() > m_rules.timelineOffset) end = videoClock();
    else if (m_rules.clipLength > 0) end = std::min(end, m_rules.timelineOffset + m_rules.clipLength);
    audio::trimQueued(out, end);
    if (audio::padWithSilence(out, m_out.file, end) < 0) m_job.failRow(m_row, writeFailureReason());
}

void RowRunner::showPreview(const AVFrame& frame) {
    if (!m_previewOn || m_job.previewOff.load(std::memory_order_relaxed)) return;
    PreviewPicture picture;
    if (!m_pictures.toPreview(frame, m_filter.active(), m_out.video->sampleAspect, picture)) return;
    try {
        m_job.previewSink->picture(m_row, picture);
    } catch (...) {
        m_previewOn = false;
    }
}

void RowRunner::writeThumbnail(const AVFrame& frame) {
    if (m_rules.firstPass || m_thumbnailDone || m_job.thumbnailMode != 1 || m_job.thumbnailPaths[m_row].empty())
        return;
    m_thumbnailDone = true;  // one try per row, whether or not the file gets written
    const AVCodecContext& encoder = *m_out.video->encoder;
    const std::vector<std::uint8_t> rgb = m_pictures.toThumbnail(frame, m_filter.active(), m_out.video->sampleAspect,
                                                                 encoder.colorspace, encoder.color_range);
    // The output name was free, but a ".THM" of the same stem may be the user's.
    if (!rgb.empty())
        m_thumbnailWritten = WriteThumbnail(m_job.thumbnailPaths[m_row], rgb.data(), m_job.jpegError, ExistingThumbnail::Keep);
}

std::string RowRunner::writeFailureReason() const {
    const std::string reason = m_out.file.failureReason();
    return reason.empty() ? "Cannot encode the output" : reason;
}

void RowRunner::finishStreams(bool finalAudio) {
    if (m_out.video && m_out.video->encoder && videoActive()) {
        finishVideo();
        if (video::encodeAndWrite(*m_out.video, m_out.file, nullptr) < 0) m_writeFailed = true;
    }
    if (m_soundPicture && m_out.audio) {
        fillSoundPicture(m_out.audio->queuedClock());
        if (video::encodeAndWrite(*m_out.video, m_out.file, nullptr) < 0) m_writeFailed = true;
    }
    if (!m_out.audio) return;
    if (audioActive()) m_resampler.flush(*m_out.audio);
    if (m_rules.fitAudioToPictures) fitAudioToRow();
    // An encoder failing on the last samples leaves a short stream: the row fails.
    bool failed = audio::encodeQueued(*m_out.audio, m_out.file) < 0;
    if (finalAudio) failed = audio::flushAndDrain(*m_out.audio, m_out.file) < 0 || failed;
    if (failed) m_job.failRow(m_row, writeFailureReason());
}

}  // namespace pipeline
