#include "engine/CopyRow.h"

#include "engine/AVConvert.h"
#include "engine/OutputFile.h"
#include "engine/RowPipeline.h"
#include "engine/SourceFile.h"
#include "engine/Thumbnail.h"
#include "engine/VideoPath.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace copying {
namespace {

// The first video packet, for what only the coded pictures tell (their slices);
// the source is sought back to its start afterwards. nullptr when none is read.
ffmpeg::Packet firstVideoPacket(source::SourceFile& source) {
    ffmpeg::Packet packet = ffmpeg::makePacket();
    for (int tries = 0; packet && tries < 1000; ++tries) {
        if (av_read_frame(source.input.get(), packet.get()) < 0) break;
        if (packet->stream_index == source.videoIndex) {
            av_seek_frame(source.input.get(), -1, source.input->start_time != AV_NOPTS_VALUE ? source.input->start_time : 0,
                          AVSEEK_FLAG_BACKWARD);
            return packet;
        }
        av_packet_unref(packet.get());
    }
    av_seek_frame(source.input.get(), -1, 0, AVSEEK_FLAG_BACKWARD);
    return nullptr;
}

bool sameBytes(const AVCodecParameters& a, const AVCodecParameters& b) {
    return a.extradata_size == b.extradata_size &&
           (a.extradata_size == 0 || std::memcmp(a.extradata, b.extradata, a.extradata_size) == 0);
}

}  // namespace

CopyPlan planMergeCopy(const AVConvert& job, int rows) {
    if (!job.copyCompatible || !job.copyDevice) return CopyPlan{};
    CopyPlan merged{true, true, {}, {}};
    source::SourceFile first;  // held open for the comparisons; each later one is closed after its own
    for (int row = 0; row < rows && row < static_cast<int>(job.sourcePaths.size()); ++row) {
        if (job.sourcePaths[row].empty()) continue;
        if (StopSeen(job)) return CopyPlan{};
        source::SourceFile later;
        source::SourceFile& source = first.input ? later : first;
        const AVOutputFormat* format = av_guess_format(nullptr, job.outputPaths[row].c_str(), nullptr);
        if (source::openWithoutFacts(job.sourcePaths[row], job, source, row) != source::OpenResult::Opened || !format)
            return CopyPlan{false, false, "a joined file cannot be read", {}};
        const CopyPlan plan = planCopy(job, source, format->name, job.clipBegin[row] > 0);
        if (!plan.video) return CopyPlan{false, false, plan.videoReason, {}};
        if (!sameCopyParameters(*first.videoStream(), *source.videoStream()))
            return CopyPlan{false, false, "the joined files' videos differ in their parameters", {}};
        if (!plan.sound && merged.sound) merged.soundReason = plan.soundReason;
        merged.sound = merged.sound && plan.sound && first.audioStream() &&
                       sameCopyParameters(*first.audioStream(), *source.audioStream());
    }
    if (!first.input) return CopyPlan{};
    if (!merged.sound && merged.soundReason.empty()) merged.soundReason = "the joined files' sounds differ";
    return merged;
}

double keyFrameSlack(const source::SourceFile& source, const pipeline::Outputs& out) {
    if (!out.videoCopy || source.videoRate.num <= 0) return 0.0;
    return 0.5 * av_q2d(av_inv_q(source.videoRate));
}

std::string secondsText(double seconds) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f s", seconds);
    return text;
}

std::string videoCopyReason(const copycheck::DeviceLimits& device, source::SourceFile& source, const char* muxer) {
    const AVStream* stream = source.videoStream();
    if (!stream) return "the source has no video";
    ffmpeg::Packet first = device.singleSlice ? firstVideoPacket(source) : nullptr;
    const copycheck::Verdict verdict = copycheck::checkVideo(device, copycheck::videoFacts(*stream, first.get()), muxer);
    return verdict.copyable ? std::string() : verdict.reason;
}

CopyPlan planCopy(const AVConvert& job, source::SourceFile& source, const char* muxer, bool clipped) {
    CopyPlan plan;
    if (!job.copyCompatible || !job.copyDevice || !job.encodeVideo || !source.videoDecoder) return plan;
    if (video::isStillPicture(*source.input, source.videoIndex, source.audioIndex)) return plan;
    if (source.subtitle) plan.videoReason = "subtitles are burned into the picture";
    else if (clipped && job.exactCut) plan.videoReason = "an exact cut was asked for";
    // Only an encoder can meet a size; the copied stream keeps the bytes it has.
    else if (job.targetSizeBytes > 0) plan.videoReason = "the video is fitted into the target size";
    else plan.videoReason = videoCopyReason(*job.copyDevice, source, muxer);
    plan.video = plan.videoReason.empty();
    if (!plan.video || !source.audioStream()) return plan;
    const copycheck::Verdict sound = copycheck::checkSound(*job.copyDevice, *source.audioStream()->codecpar, muxer);
    plan.sound = sound.copyable;
    plan.soundReason = sound.reason;
    return plan;
}

bool addCopiedStream(const AVStream& from, output::OutputFile& file, std::unique_ptr<CopiedStream>& to) {
    auto copied = std::make_unique<CopiedStream>();
    copied->stream = file.addStream();
    if (!copied->stream || avcodec_parameters_copy(copied->stream->codecpar, from.codecpar) < 0) return false;
    // The source container's tag (an MKV's "H264" fourcc) means nothing in another
    // container: the muxer picks its own.
    copied->stream->codecpar->codec_tag = 0;
    copied->stream->time_base = from.time_base;
    copied->stream->sample_aspect_ratio = from.sample_aspect_ratio;
    copied->stream->avg_frame_rate = from.avg_frame_rate;
    copied->stream->r_frame_rate = from.r_frame_rate;
    to = std::move(copied);
    return true;
}

bool sameCopyParameters(const AVStream& a, const AVStream& b) {
    const AVCodecParameters& x = *a.codecpar;
    const AVCodecParameters& y = *b.codecpar;
    return x.codec_id == y.codec_id && x.width == y.width && x.height == y.height && x.format == y.format &&
           x.profile == y.profile && x.level == y.level && x.sample_rate == y.sample_rate &&
           av_channel_layout_compare(&x.ch_layout, &y.ch_layout) == 0 && sameBytes(x, y);
}

}  // namespace copying

// ---- The copied streams of a row (RowRunner's share of the copying) ----

namespace pipeline {
namespace {
constexpr double kCopySlackSeconds = 1e-4;
// Packets read ahead while looking for the key frame a copy starts from.
constexpr int kMaxLookAhead = 4000;
}  // namespace

bool RowRunner::copyingVideo() const { return m_out.videoCopy && m_source.videoIndex >= 0; }
bool RowRunner::copyingAudio() const { return m_out.audioCopy && m_source.audioIndex >= 0; }

// The seek landed on the key frame at or before the clip's begin (the start of the
// source without a clip): the copy starts there, and so does the row's sound, so
// the two stay together. The packets read on the way are handled first.
void RowRunner::findCopyStart() {
    m_copyStarted = true;
    const AVStream& video = *m_source.videoStream();
    for (int i = 0; i < kMaxLookAhead; ++i) {
        ffmpeg::Packet packet = ffmpeg::makePacket();
        if (!packet || av_read_frame(m_source.input.get(), packet.get()) < 0) break;
        if (packet->stream_index == m_source.videoIndex) {
            if (!(packet->flags & AV_PKT_FLAG_KEY) || packet->pts == AV_NOPTS_VALUE) continue;  // undecodable alone
            m_copyStart = packet->pts * av_q2d(video.time_base);
            m_copyStartPts = packet->pts;
            m_pending.push_back(std::move(packet));
            break;
        }
        m_pending.push_back(std::move(packet));
    }
    const double asked = m_rules.clipBegin;
    // A whole file keeps everything from its start, also sound that begins a little
    // before the first picture (an encoder's priming delay).
    if (!std::isfinite(m_copyStart) || asked <= 0) m_copyStart = std::min(m_copyStart, m_source.startSeconds + asked);
    if (!std::isfinite(m_copyStart)) m_copyStart = m_source.startSeconds + asked;
    const double begin = m_copyStart - m_source.startSeconds;
    if (m_rules.clipLength > 0) m_rules.clipLength += asked - begin;  // the end stays where it was asked
    m_rules.clipBegin = begin;
    if (asked > 0 && begin < asked - 0.001)
        m_job.noteRow(m_row, "the kept video starts at the key frame at " + copying::secondsText(begin) + ", " +
                                 copying::secondsText(asked - begin) + " before the begin time");
}

void RowRunner::copyPacket(copying::CopiedStream& out, AVPacket* pkt, bool isVideo) {
    if (out.ended || m_writeFailed) return;
    const AVRational timeBase = m_source.input->streams[pkt->stream_index]->time_base;
    const std::int64_t ts = pkt->pts != AV_NOPTS_VALUE ? pkt->pts : pkt->dts;
    if (ts == AV_NOPTS_VALUE) return;  // a packet without a time has no place on the timeline
    const double t = ts * av_q2d(timeBase) - m_copyStart;
    // Sound from before the first picture, and pictures shown before the key frame
    // (they refer to pictures before the cut), are not part of the row.
    const double duration = std::max<std::int64_t>(pkt->duration, 0) * av_q2d(timeBase);
    if (isVideo ? t < -kCopySlackSeconds : t + duration <= kCopySlackSeconds) return;
    // Containers that store presentation times only (MKV) leave the decode times of
    // a row's first packets unknown (until the demuxer has seen as many packets as
    // the decoder holds back): they follow one picture apart, ending where the
    // demuxer's own begin.
    if (isVideo) {
        if (pkt->dts == AV_NOPTS_VALUE && m_copyStartPts != AV_NOPTS_VALUE) {
            const std::int64_t held = m_source.videoStream()->codecpar->video_delay;
            pkt->dts = m_copyStartPts + (std::min(m_videoPacketsInRow, held) - held) * std::max<std::int64_t>(pkt->duration, 0);
        }
        ++m_videoPacketsInRow;
    }
    const std::int64_t decodeTs = pkt->dts != AV_NOPTS_VALUE ? pkt->dts : ts;
    // Cut by decode time: every picture shown before the end is kept with the
    // pictures it refers to, which come before it in decode order.
    if (m_rules.clipLength > 0 && decodeTs * av_q2d(timeBase) - m_copyStart >= m_rules.clipLength - kCopySlackSeconds) {
        out.ended = true;
        return;
    }
    if (!isVideo && m_rules.clipLength > 0 && t >= m_rules.clipLength - kCopySlackSeconds) {
        out.ended = true;
        return;
    }
    const std::int64_t shift = std::llround((m_rules.timelineOffset - m_copyStart) / av_q2d(timeBase));
    if (pkt->pts != AV_NOPTS_VALUE) pkt->pts += shift;
    if (pkt->dts != AV_NOPTS_VALUE) {
        pkt->dts += shift;
        // Decode times rise strictly in a stream, also where a merge joins two rows.
        if (pkt->dts * av_q2d(timeBase) <= out.lastDecodeSeconds) {
            pkt->dts = static_cast<std::int64_t>(std::floor(out.lastDecodeSeconds / av_q2d(timeBase))) + 1;
            if (pkt->pts != AV_NOPTS_VALUE && pkt->pts < pkt->dts) pkt->pts = pkt->dts;
        }
        out.lastDecodeSeconds = pkt->dts * av_q2d(timeBase);
    }
    out.end = std::max(out.end, (ts + shift + std::max<std::int64_t>(pkt->duration, 0)) * av_q2d(timeBase));
    pkt->pos = -1;
    if (isVideo && !m_thumbnailDone) decodeForThumbnail(pkt);
    if (isVideo && m_thumbnailDone && (pkt->flags & AV_PKT_FLAG_KEY)) previewKeyFrame(pkt);
    publishProgress();
    if (m_out.file.write(pkt, timeBase, out.stream) < 0) {
        m_writeFailed = true;
        return;
    }
    ++out.packets;
}

// A copied video is decoded only as far as its first picture, for the ".THM".
void RowRunner::decodeForThumbnail(const AVPacket* pkt) {
    if (m_job.thumbnailMode != 1 || m_job.thumbnailPaths[m_row].empty() || !m_source.videoDecoder) {
        m_thumbnailDone = true;
        return;
    }
    AVCodecContext* decoder = m_source.videoDecoder.get();
    if (avcodec_send_packet(decoder, pkt) < 0) return;
    AVFrame* frame = m_frame.get();
    if (avcodec_receive_frame(decoder, frame) < 0) return;
    m_thumbnailDone = true;
    const AVRational aspect = video::streamSampleAspect(*m_source.videoStream());
    const AVColorSpace matrix = frame->colorspace != AVCOL_SPC_UNSPECIFIED ? frame->colorspace
                                : frame->height >= 720                     ? AVCOL_SPC_BT709
                                                                           : AVCOL_SPC_SMPTE170M;
    const std::vector<std::uint8_t> rgb =
        m_pictures.toThumbnail(*frame, video::ActiveArea{0, 0, frame->width, frame->height},
                               aspect.num > 0 ? aspect : AVRational{1, 1}, matrix, frame->color_range);
    if (!rgb.empty())
        m_thumbnailWritten =
            WriteThumbnail(m_job.thumbnailPaths[m_row], rgb.data(), m_job.jpegError, ExistingThumbnail::Keep);
    av_frame_unref(frame);
    avcodec_flush_buffers(decoder);
}

// A kept video is shown by its key frames alone, each decoded by itself, and at
// most one every kKeptPreviewInterval: the copy never waits for a decoder running
// through every picture.
void RowRunner::previewKeyFrame(const AVPacket* pkt) {
    if (!m_previewOn || m_job.previewOff.load(std::memory_order_relaxed) || !m_source.videoDecoder) return;
    const auto now = std::chrono::steady_clock::now();
    if (m_lastKeptPreview && now - *m_lastKeptPreview < kKeptPreviewInterval) return;
    m_lastKeptPreview = now;
    AVCodecContext* decoder = m_source.videoDecoder.get();
    decoder->skip_frame = AVDISCARD_NONKEY;
    decoder->skip_loop_filter = AVDISCARD_ALL;  // unseen at 160x120
    AVFrame* frame = m_frame.get();
    // The drain gives the picture at once, whatever the decoder holds back for
    // reordering; the flush makes it take packets again.
    const bool decoded = avcodec_send_packet(decoder, pkt) >= 0 && avcodec_send_packet(decoder, nullptr) >= 0 &&
                         avcodec_receive_frame(decoder, frame) >= 0;
    avcodec_flush_buffers(decoder);
    if (!decoded) return;
    const AVRational aspect = video::streamSampleAspect(*m_source.videoStream());
    PreviewPicture picture;
    if (m_pictures.toPreview(*frame, video::ActiveArea{0, 0, frame->width, frame->height},
                             aspect.num > 0 ? aspect : AVRational{1, 1}, picture)) {
        try {
            m_job.previewSink->picture(m_row, picture);
        } catch (...) {
            m_previewOn = false;
        }
    }
    av_frame_unref(frame);
}

}  // namespace pipeline
