#include "player/MediaDecoder.h"
#include "engine/LocalFileUrl.h"

extern "C" {
#include <libavutil/channel_layout.h>
}

#include <algorithm>

namespace player {

struct MediaDecoder::StreamDecoder {
    AVStream* stream = nullptr;
    ffmpeg::CodecContext ctx;
    std::deque<ffmpeg::Packet> waiting;  // read, not yet decoded
    std::size_t waitingBytes = 0;
    bool drained = false;                // end of file sent and every frame taken
    double nextPts = 0.0;        // where the next frame starts when it carries no time
    double frameDuration = 0.04;  // pictures only: one frame at the stream's rate
};

namespace {

// A picture stream that is really a cover image (a single still attached to a
// sound file) is not played as pictures.
bool isMovingPicture(const AVStream* st) {
    return st->codecpar->codec_type == AVMEDIA_TYPE_VIDEO && !(st->disposition & AV_DISPOSITION_ATTACHED_PIC) &&
           st->codecpar->width > 0 && st->codecpar->height > 0;
}

int findStream(AVFormatContext* fmt, AVMediaType type) {
    int best = av_find_best_stream(fmt, type, -1, -1, nullptr, 0);
    if (best >= 0 && (type != AVMEDIA_TYPE_VIDEO || isMovingPicture(fmt->streams[best]))) return best;
    for (unsigned i = 0; i < fmt->nb_streams; ++i) {
        const AVStream* st = fmt->streams[i];
        if (st->codecpar->codec_type != type) continue;
        if (type == AVMEDIA_TYPE_VIDEO && !isMovingPicture(st)) continue;
        return static_cast<int>(i);
    }
    return -1;
}

ffmpeg::CodecContext openDecoder(AVFormatContext* fmt, AVStream* st) {
    const AVCodec* codec = avcodec_find_decoder(st->codecpar->codec_id);
    if (!codec) return nullptr;
    ffmpeg::CodecContext ctx(avcodec_alloc_context3(codec));
    if (!ctx || avcodec_parameters_to_context(ctx.get(), st->codecpar) < 0) return nullptr;
    ctx->pkt_timebase = st->time_base;
    if (st->codecpar->codec_type == AVMEDIA_TYPE_VIDEO) {
        ctx->framerate = av_guess_frame_rate(fmt, st, nullptr);
        // One decoding thread keeps playback within one core; the previews are
        // small and the decoder has a whole frame period per picture.
        ctx->thread_count = 1;
    }
    if (avcodec_open2(ctx.get(), codec, nullptr) < 0) return nullptr;
    return ctx;
}

}  // namespace

MediaDecoder::~MediaDecoder() = default;

std::unique_ptr<MediaDecoder> MediaDecoder::open(const std::string& path) {
    std::unique_ptr<MediaDecoder> dec(new MediaDecoder());
    AVFormatContext* raw = nullptr;
    if (!IsPlainFile(path)) return nullptr;
    if (avformat_open_input(&raw, LocalFileUrl(path).c_str(), nullptr, nullptr) < 0) return nullptr;  // frees raw itself
    dec->m_input.reset(raw);
    if (avformat_find_stream_info(raw, nullptr) < 0) return nullptr;
    if (!dec->openStreams()) return nullptr;
    dec->m_packet = ffmpeg::makePacket();
    dec->m_frame = ffmpeg::makeFrame();
    if (!dec->m_packet || !dec->m_frame) return nullptr;
    return dec;
}

bool MediaDecoder::openStreams() {
    AVFormatContext* fmt = m_input.get();
    m_startTime = fmt->start_time != AV_NOPTS_VALUE ? static_cast<double>(fmt->start_time) / AV_TIME_BASE : 0.0;
    for (AVMediaType type : {AVMEDIA_TYPE_VIDEO, AVMEDIA_TYPE_AUDIO}) {
        int index = findStream(fmt, type);
        if (index < 0) continue;
        auto sd = std::make_unique<StreamDecoder>();
        sd->stream = fmt->streams[index];
        sd->ctx = openDecoder(fmt, sd->stream);
        if (!sd->ctx) continue;  // an undecodable stream is left out, not fatal
        if (type == AVMEDIA_TYPE_VIDEO) {
            AVRational rate = av_guess_frame_rate(fmt, sd->stream, nullptr);
            if (rate.num > 0 && rate.den > 0) sd->frameDuration = av_q2d(av_inv_q(rate));
            sd->frameDuration = std::clamp(sd->frameDuration, 0.001, 1.0);
            m_video = std::move(sd);
        } else {
            m_audio = std::move(sd);
        }
    }
    if (!m_video && !m_audio) return false;
    if (fmt->duration != AV_NOPTS_VALUE && fmt->duration > 0) {
        m_duration = static_cast<double>(fmt->duration) / AV_TIME_BASE;
    } else {
        for (const auto* sd : {m_video.get(), m_audio.get()}) {
            if (sd && sd->stream->duration != AV_NOPTS_VALUE && sd->stream->duration > 0)
                m_duration = std::max(m_duration, toSeconds(sd->stream->duration, sd->stream->time_base) + m_startTime);
        }
    }
    return true;
}

int MediaDecoder::width() const { return m_video ? m_video->ctx->width : 0; }
int MediaDecoder::height() const { return m_video ? m_video->ctx->height : 0; }

double MediaDecoder::sampleAspect() const {
    if (!m_video || !m_input) return 1.0;
    const AVRational sar = av_guess_sample_aspect_ratio(m_input.get(), m_video->stream, nullptr);
    return sar.num > 0 && sar.den > 0 ? av_q2d(sar) : 1.0;
}
int MediaDecoder::soundRate() const { return m_audio ? m_audio->ctx->sample_rate : 0; }

void MediaDecoder::enableSound(int rate) {
    m_soundEnabled = m_audio != nullptr && rate > 0;
    m_outRate = rate;
    m_swr.reset();
}

double MediaDecoder::toSeconds(int64_t ts, AVRational tb) const {
    return static_cast<double>(ts) * av_q2d(tb) - m_startTime;
}

bool MediaDecoder::active(const StreamDecoder* dec) const {
    return dec && (dec == m_video.get() || m_soundEnabled);
}

std::size_t MediaDecoder::queuedBytes() const {
    std::size_t total = 0;
    for (const auto* sd : {m_video.get(), m_audio.get()})
        if (sd) total += sd->waitingBytes;
    return total;
}

bool MediaDecoder::finished() const {
    if (!m_endOfFile) return false;
    for (const auto* sd : {m_video.get(), m_audio.get()})
        if (active(sd) && (!sd->waiting.empty() || !sd->drained)) return false;
    return true;
}

bool MediaDecoder::soundStarved() const {
    if (!active(m_audio.get())) return true;
    if (!m_audio->waiting.empty()) return false;
    return m_endOfFile ? m_audio->drained : queuedBytes() >= kMaxQueuedBytes;
}

// Decodes the stream's oldest waiting packet, or drains it at the end of file.
bool MediaDecoder::serve(StreamDecoder& dec, DecodeSink& sink) {
    if (!dec.waiting.empty()) {
        ffmpeg::Packet pkt = std::move(dec.waiting.front());
        dec.waiting.pop_front();
        dec.waitingBytes -= static_cast<std::size_t>(pkt->size);
        decodePacket(dec, pkt.get(), sink);
        return true;
    }
    if (m_endOfFile && !dec.drained) {
        decodePacket(dec, nullptr, sink);
        dec.drained = true;
        if (&dec == m_audio.get() && m_swr) {
            // The resampler's last few samples.
            int capacity = swr_get_out_samples(m_swr.get(), 0);
            if (capacity > 0) {
                m_soundBuffer.resize(static_cast<std::size_t>(capacity) * 2);
                uint8_t* out[1] = {reinterpret_cast<uint8_t*>(m_soundBuffer.data())};
                int got = swr_convert(m_swr.get(), out, capacity, nullptr, 0);
                if (got > 0) sink.onSound(m_soundBuffer.data(), got, m_audio->nextPts);
            }
        }
        return true;
    }
    return false;
}

// The waiting packets reached their limit: the file keeps its streams further
// apart than we hold back, so the stream with most waiting is decoded anyway.
bool MediaDecoder::makeRoom(DecodeSink& sink) {
    StreamDecoder* fullest = nullptr;
    for (auto* sd : {m_video.get(), m_audio.get()})
        if (active(sd) && !sd->waiting.empty() && (!fullest || sd->waitingBytes > fullest->waitingBytes)) fullest = sd;
    return fullest && serve(*fullest, sink);
}

bool MediaDecoder::readOne(DecodeSink& sink, Demand demand) {
    int r = av_read_frame(m_input.get(), m_packet.get());
    if (r < 0) {
        // End of file, or a read error in a damaged file: play what was read.
        if (r != AVERROR(EAGAIN)) m_endOfFile = true;
        return true;
    }
    StreamDecoder* dec = nullptr;
    bool wanted = false;
    if (m_video && m_packet->stream_index == m_video->stream->index) {
        dec = m_video.get();
        wanted = demand.pictures;
    } else if (active(m_audio.get()) && m_packet->stream_index == m_audio->stream->index) {
        dec = m_audio.get();
        wanted = demand.sound;
    }
    if (dec && wanted && dec->waiting.empty()) {
        decodePacket(*dec, m_packet.get(), sink);
    } else if (dec) {
        ffmpeg::Packet keep = ffmpeg::makePacket();
        if (keep) {
            av_packet_move_ref(keep.get(), m_packet.get());
            dec->waitingBytes += static_cast<std::size_t>(keep->size);
            dec->waiting.push_back(std::move(keep));
        }
    }
    av_packet_unref(m_packet.get());
    return true;
}

bool MediaDecoder::step(DecodeSink& sink, Demand demand) {
    if (demand.pictures && m_video && serve(*m_video, sink)) return true;
    if (demand.sound && active(m_audio.get()) && serve(*m_audio, sink)) return true;
    // Without any stream to decode (sound but no device) the file is read
    // through, which costs little and lets its end be noticed.
    const bool readThrough = !m_video && !active(m_audio.get());
    if (m_endOfFile || !(demand.pictures || demand.readForSound || readThrough)) return false;
    if (queuedBytes() >= kMaxQueuedBytes) return makeRoom(sink);
    return readOne(sink, demand);
}

void MediaDecoder::decodePacket(StreamDecoder& dec, const AVPacket* pkt, DecodeSink& sink) {
    int r = avcodec_send_packet(dec.ctx.get(), pkt);
    // A damaged packet is skipped; the decoder recovers at the next key frame.
    if (r < 0 && r != AVERROR_EOF) return;
    while (avcodec_receive_frame(dec.ctx.get(), m_frame.get()) >= 0) {
        deliver(dec, m_frame.get(), sink);
        av_frame_unref(m_frame.get());
    }
}

void MediaDecoder::deliver(StreamDecoder& dec, AVFrame* frame, DecodeSink& sink) {
    const AVRational tb = dec.stream->time_base;
    const int64_t ts = frame->best_effort_timestamp;
    const double pts = ts != AV_NOPTS_VALUE ? toSeconds(ts, tb) : dec.nextPts;
    if (&dec == m_video.get()) {
        double duration = frame->pkt_duration > 0 ? static_cast<double>(frame->pkt_duration) * av_q2d(tb)
                                                   : dec.frameDuration;
        dec.nextPts = pts + duration;
        ffmpeg::Frame out = ffmpeg::makeFrame();
        if (!out) return;
        av_frame_move_ref(out.get(), frame);
        sink.onPicture(std::move(out), pts, duration);
        return;
    }
    if (frame->sample_rate > 0) dec.nextPts = pts + static_cast<double>(frame->nb_samples) / frame->sample_rate;
    deliverSound(frame, pts, sink);
}

void MediaDecoder::deliverSound(AVFrame* frame, double pts, DecodeSink& sink) {
    if (frame->nb_samples <= 0 || frame->sample_rate <= 0) return;
    if (!m_swr) {
        AVChannelLayout in{};
        if (frame->ch_layout.order != AV_CHANNEL_ORDER_UNSPEC && frame->ch_layout.nb_channels > 0) {
            if (av_channel_layout_copy(&in, &frame->ch_layout) < 0) return;
        } else {
            // Files that only give a channel count get the usual layout for it.
            av_channel_layout_default(&in, std::max(1, frame->ch_layout.nb_channels));
        }
        AVChannelLayout out = AV_CHANNEL_LAYOUT_STEREO;
        SwrContext* raw = nullptr;
        int r = swr_alloc_set_opts2(&raw, &out, AV_SAMPLE_FMT_S16, m_outRate, &in,
                                    static_cast<AVSampleFormat>(frame->format), frame->sample_rate, 0, nullptr);
        av_channel_layout_uninit(&in);
        m_swr.reset(raw);
        if (r < 0 || swr_init(raw) < 0) {
            // Sound this converter cannot take is dropped; pictures still play.
            m_swr.reset();
            m_soundEnabled = false;
            m_audio->waiting.clear();
            m_audio->waitingBytes = 0;
            return;
        }
    }
    int capacity = swr_get_out_samples(m_swr.get(), frame->nb_samples);
    if (capacity <= 0) return;
    m_soundBuffer.resize(static_cast<std::size_t>(capacity) * 2);
    uint8_t* outPlanes[1] = {reinterpret_cast<uint8_t*>(m_soundBuffer.data())};
    int got = swr_convert(m_swr.get(), outPlanes, capacity, const_cast<const uint8_t**>(frame->extended_data),
                          frame->nb_samples);
    if (got > 0) sink.onSound(m_soundBuffer.data(), got, pts);
}

void MediaDecoder::seek(double seconds) {
    seconds = std::max(0.0, seconds);
    // Kept well inside int64 even for a file stating an absurd duration.
    const double target = std::clamp((seconds + m_startTime) * AV_TIME_BASE, -4.0e18, 4.0e18);
    const int64_t ts = static_cast<int64_t>(target);
    AVFormatContext* fmt = m_input.get();
    if (avformat_seek_file(fmt, -1, INT64_MIN, ts, ts, 0) < 0) {
        // Some demuxers only seek forwards to a key frame; near is better than nowhere.
        if (av_seek_frame(fmt, -1, ts, AVSEEK_FLAG_BACKWARD) < 0) av_seek_frame(fmt, -1, ts, AVSEEK_FLAG_ANY);
    }
    for (auto* sd : {m_video.get(), m_audio.get()}) {
        if (!sd) continue;
        avcodec_flush_buffers(sd->ctx.get());
        sd->nextPts = seconds;
        sd->waiting.clear();
        sd->waitingBytes = 0;
        sd->drained = false;
    }
    // The resampler may hold samples from before the jump.
    m_swr.reset();
    m_endOfFile = false;
}

}  // namespace player
