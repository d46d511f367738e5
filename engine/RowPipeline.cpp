#include "engine/RowPipeline.h"

#include "engine/AVConvert.h"
#include "engine/CodecMap.h"
#include "engine/FrameRate.h"
#include "engine/Thumbnail.h"

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

bool copyEncoderToStream(AVStream* stream, const AVCodecContext& encoder) {
    return avcodec_parameters_from_context(stream->codecpar, &encoder) >= 0;
}

// Container names that get global audio headers whatever their flags say.
bool audioGlobalHeader(const output::OutputFile& file) {
    return file.formatIs("mp4") || file.formatIs("mov") || file.formatIs("3gp") || file.wantsGlobalHeader();
}

}  // namespace

bool addVideoStream(const AVConvert& job, const source::SourceFile& source, Outputs& out, AVRational timeBase) {
    auto video = std::make_unique<video::VideoOutput>();
    video->stream = out.file.addStream();
    if (!video->stream) return false;
    video->timeBase = timeBase;
    video->encoder = video::openEncoder(job, timeBase, source.videoDecoder->gop_size, out.file.wantsGlobalHeader());
    if (!video->encoder || !copyEncoderToStream(video->stream, *video->encoder)) return false;
    video->stream->time_base = timeBase;
    video->stream->r_frame_rate = source.videoRate;
    video->stream->avg_frame_rate = av_inv_q(timeBase);
    out.video = std::move(video);
    return true;
}

bool reopenVideoEncoder(const AVConvert& job, const source::SourceFile& source, Outputs& out) {
    // Later rows use the output's time base: timestamps already written are in it.
    out.video->encoder.reset();
    out.video->encoder =
        video::openEncoder(job, out.video->timeBase, source.videoDecoder->gop_size, out.file.wantsGlobalHeader());
    return out.video->encoder != nullptr;
}

bool addAudioStream(const AVConvert& job, const source::SourceFile& source, Outputs& out) {
    auto audio = std::make_unique<audio::AudioOutput>();
    audio->stream = out.file.addStream();
    if (!audio->stream) return false;
    audio->encoder = audio::openEncoder(job, source.audioDecoder->sample_fmt, audioGlobalHeader(out.file),
                                        out.file.formatName());
    if (!audio->encoder || !copyEncoderToStream(audio->stream, *audio->encoder) || !audio->prepare()) return false;
    audio->stream->time_base = audio->encoder->time_base;
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
    if (videoActive() && (!m_out.video->encoder || !m_scaler.prepare(*m_out.video->encoder, m_job.threadsPerRow))) return false;
    if (!m_packet || !m_frame) return false;
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

bool RowRunner::videoActive() const { return m_job.encodeVideo && m_source.videoDecoder && m_out.video; }
bool RowRunner::audioActive() const { return m_source.audioDecoder && m_out.audio; }

bool RowRunner::clipEndReached() const {
    const double length = m_rules.clipLength;
    if (length <= 0) return false;
    const bool videoDone = !videoActive() || m_out.video->clock() - m_rules.timelineOffset >= length;
    const bool audioDone = !audioActive() || m_out.audio->queuedClock() - m_rules.timelineOffset >= length;
    return (videoActive() || audioActive()) && videoDone && audioDone;
}

RowEnd RowRunner::run() {
    AVPacket* pkt = m_packet.get();
    for (;;) {
        if (m_job.stopRequested.load(std::memory_order_relaxed)) return RowEnd::Stopped;
        if (clipEndReached()) return RowEnd::ClipEnded;
        if (av_read_frame(m_source.input.get(), pkt) < 0) break;
        if (pkt->stream_index == m_source.videoIndex && videoActive())
            decode(m_source.videoDecoder.get(), pkt, true);
        else if (pkt->stream_index == m_source.audioIndex && audioActive())
            decode(m_source.audioDecoder.get(), pkt, false);
        av_packet_unref(pkt);
        if (m_writeFailed) return RowEnd::WriteFailed;
    }
    // The decoders still hold their last frames (frame threads keep a few back).
    if (videoActive()) decode(m_source.videoDecoder.get(), nullptr, true);
    if (audioActive()) decode(m_source.audioDecoder.get(), nullptr, false);
    return m_writeFailed ? RowEnd::WriteFailed : RowEnd::SourceEnded;
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
        const double a = m_out.audio ? m_out.audio->clock() : 0.0;
        const double v = m_out.video ? m_out.video->clock() : 0.0;
        percent = static_cast<int>(std::min(100.0, std::max(a, v) * 100 / m_rules.progressSeconds));
    }
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
    video::VideoOutput& out = *m_out.video;
    const double t = m_source.frameSeconds(frame, *m_source.videoStream()) - m_rules.clipBegin;
    if (t < -kSlackSeconds) return;  // before the clip start (the seek lands on an earlier key frame)
    if (m_rules.clipLength > 0 && out.clock() - m_rules.timelineOffset >= m_rules.clipLength) return;
    publishProgress();
    writeThumbnail(frame);
    showPreview(frame);
    AVFrame* picture = m_scaler.toEncoder(frame);
    if (!picture) return;
    const double reference = referenceFor(t);
    // Fewer pictures per second out than in: drop a picture whose slot is already
    // covered (the video runs ahead of where it belongs).
    const bool slower = framerate::ticksPerSecond(out.timeBase) < framerate::wholeRate(m_source.videoRate);
    if (slower && !m_rules.rmOutput && std::isfinite(reference) && reference < out.clock() - kSlackSeconds) return;
    const std::int64_t pts = m_rules.orderStamped ? out.lastPts + 1 : video::nextPts(out, reference + kSlackSeconds);
    picture->pts = pts;
    out.lastPts = pts;
    if (video::encodeAndWrite(out, m_out.file, picture) < 0) m_writeFailed = true;
}

void RowRunner::handleAudio(AVFrame& frame) {
    audio::AudioOutput& out = *m_out.audio;
    const double t = m_source.frameSeconds(frame, *m_source.audioStream()) - m_rules.clipBegin;
    if (std::isfinite(t) && frame.sample_rate > 0 && t + double(frame.nb_samples) / frame.sample_rate <= 0) return;
    if (m_rules.clipLength > 0 && out.queuedClock() - m_rules.timelineOffset >= m_rules.clipLength) return;
    if (!m_audioPlaced) {
        m_audioPlaced = true;
        if (std::isfinite(t) && t > 0) padAudioTo(m_rules.timelineOffset + t);
    }
    publishProgress();
    if (!m_resampler.push(frame, out)) return;
    if (audio::encodeQueued(out, m_out.file) < 0) m_job.fileState[m_row].store(kRowFailed, std::memory_order_relaxed);
}

// A source whose audio starts after its video (or after the clip start) gets
// silence in front, so its sound stays with its pictures.
void RowRunner::padAudioTo(double timelineSeconds) {
    audio::AudioOutput& out = *m_out.audio;
    const int rate = out.encoder->sample_rate;
    const double gap = timelineSeconds - out.queuedClock();
    if (gap * rate < 1) return;
    const int samples = static_cast<int>(std::min(gap, 60.0) * rate);
    ffmpeg::Frame silence = ffmpeg::makeFrame();
    if (!silence) return;
    silence->format = out.encoder->sample_fmt;
    silence->nb_samples = samples;
    if (av_channel_layout_copy(&silence->ch_layout, &out.encoder->ch_layout) < 0 ||
        av_frame_get_buffer(silence.get(), 0) < 0)
        return;
    av_samples_set_silence(silence->data, 0, samples, silence->ch_layout.nb_channels, out.encoder->sample_fmt);
    av_audio_fifo_write(out.fifo.get(), reinterpret_cast<void**>(silence->data), samples);
}

void RowRunner::showPreview(const AVFrame& frame) {
    if (!m_previewOn || m_job.previewOff.load(std::memory_order_relaxed)) return;
    PreviewPicture picture;
    if (!m_scaler.toPreview(frame, picture)) return;
    try {
        m_job.previewSink->picture(m_row, picture);
    } catch (...) {
        m_previewOn = false;
    }
}

void RowRunner::writeThumbnail(const AVFrame& frame) {
    if (m_thumbnailDone || m_job.thumbnailMode != 1) return;
    m_thumbnailDone = true;  // one try per row, whether or not the file gets written
    const std::vector<std::uint8_t> rgb = m_scaler.toThumbnail(frame);
    // The output name was free, but a ".THM" of the same stem may be the user's.
    if (!rgb.empty())
        m_thumbnailWritten = WriteThumbnail(m_job.thumbnailPaths[m_row], rgb.data(), m_job.jpegError, ExistingThumbnail::Keep);
}

void RowRunner::finishStreams(bool finalAudio) {
    if (m_out.video && m_out.video->encoder && videoActive()) {
        if (video::encodeAndWrite(*m_out.video, m_out.file, nullptr) < 0) m_writeFailed = true;
    }
    if (m_out.audio && audioActive()) {
        m_resampler.flush(*m_out.audio);
        audio::encodeQueued(*m_out.audio, m_out.file);
    }
    if (finalAudio && m_out.audio) audio::flushAndDrain(*m_out.audio, m_out.file);
}

}  // namespace pipeline
