#include "engine/AudioPath.h"

#include "engine/ErrorText.h"

#include "engine/AVConvert.h"
#include "engine/CodecMap.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

extern "C" {
#include <libavutil/opt.h>
}

namespace audio {
namespace {

// Chunk handed to an encoder that takes any number of samples (PCM).
constexpr int kVariableChunkSamples = 4096;

AVSampleFormat sampleFormatFor(const AVCodec& codec, AVSampleFormat sourceFormat) {
    if (!codec.sample_fmts) return sourceFormat;
    for (const AVSampleFormat* f = codec.sample_fmts; *f != AV_SAMPLE_FMT_NONE; ++f)
        if (*f == sourceFormat) return sourceFormat;
    return codec.sample_fmts[0];
}

// An MPEG program stream carries PCM only as big-endian LPCM: the muxer refuses
// little-endian samples, so a PCM_S16LE choice for ".mpg" would always fail.
const char* encoderNameFor(int legacyId, const char* containerName) {
    if (legacyId == codecmap::kAudioPcmS16le && std::strcmp(containerName, "mpeg") == 0)
        return codecmap::audioEncoderName(codecmap::kAudioPcmS16be);
    return codecmap::audioEncoderName(legacyId);
}

}  // namespace

ffmpeg::CodecContext openEncoder(const AVConvert& job, AVSampleFormat sourceFormat, bool globalHeader,
                                 const char* containerName) {
    LastCodecOpenError() = 0;  // a missing encoder is no shortage of anything
    const char* name = encoderNameFor(job.audioCodecId, containerName);
    const AVCodec* codec = name ? avcodec_find_encoder_by_name(name) : nullptr;
    if (!codec || job.audioChannels <= 0 || job.audioSampleRate <= 0) return nullptr;
    ffmpeg::CodecContext ctx(avcodec_alloc_context3(codec));
    LastCodecOpenError() = ctx ? 0 : AVERROR(ENOMEM);
    if (!ctx) return nullptr;
    ctx->bit_rate = job.audioBitRate;
    ctx->sample_rate = job.audioSampleRate;
    av_channel_layout_default(&ctx->ch_layout, job.audioChannels);
    ctx->sample_fmt = sampleFormatFor(*codec, sourceFormat);
    ctx->time_base = AVRational{1, job.audioSampleRate};
    ctx->thread_count = job.threadsPerRow;
    if (globalHeader) ctx->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    // Vorbis at our bit rates is fine; the native encoders that still call
    // themselves experimental are the only ones we would reach otherwise.
    ctx->strict_std_compliance = FF_COMPLIANCE_EXPERIMENTAL;
    if (const int opened = avcodec_open2(ctx.get(), codec, nullptr); opened < 0) {
        LastCodecOpenError() = opened;  // the row's reason tells a memory shortage
        return nullptr;
    }
    return ctx;
}

bool AudioOutput::prepare() {
    AVCodecContext& ctx = *encoder;
    variableFrames = (ctx.codec->capabilities & AV_CODEC_CAP_VARIABLE_FRAME_SIZE) || ctx.frame_size <= 1;
    frameSamples = variableFrames ? kVariableChunkSamples : ctx.frame_size;
    fifo.reset(av_audio_fifo_alloc(ctx.sample_fmt, ctx.ch_layout.nb_channels, frameSamples * 4));
    frame = ffmpeg::makeFrame();
    if (!fifo || !frame) return false;
    frame->format = ctx.sample_fmt;
    frame->nb_samples = frameSamples;
    frame->sample_rate = ctx.sample_rate;
    if (av_channel_layout_copy(&frame->ch_layout, &ctx.ch_layout) < 0) return false;
    return av_frame_get_buffer(frame.get(), 0) >= 0;
}

double AudioOutput::clock() const {
    return encoder ? static_cast<double>(samplesSent) / encoder->sample_rate : 0.0;
}

double AudioOutput::queuedClock() const {
    if (!encoder) return 0.0;
    const int queued = fifo ? av_audio_fifo_size(fifo.get()) : 0;
    return static_cast<double>(samplesSent + queued) / encoder->sample_rate;
}

// The frame goes to the encoder's own thread; what it has encoded so far is
// written, and a drain waits for the rest.
static int sendOnStage(AudioOutput& out, output::OutputFile& file, AVFrame* frame) {
    ffmpeg::Frame copy(frame ? av_frame_clone(frame) : nullptr);
    if (frame && !copy) return AVERROR(ENOMEM);
    std::vector<ffmpeg::Packet> packets;
    out.stage->exchange(std::move(copy), packets);
    int failure = out.stage->error();
    for (ffmpeg::Packet& packet : packets) {
        const int written = file.write(packet.get(), out.encoder->time_base, out.stream);
        if (written < 0) failure = written;
    }
    return failure;
}

// An encoder that refuses our samples or fails on them leaves a gap or an empty
// stream behind: that is the row's failure, not something to skip.
static int sendAndWrite(AudioOutput& out, output::OutputFile& file, AVFrame* frame) {
    if (out.stage) return sendOnStage(out, file, frame);
    int result = avcodec_send_frame(out.encoder.get(), frame);
    if (result == AVERROR_EOF) return 0;  // already drained
    if (result < 0) return result;
    AVPacket* pkt = out.packet.get();
    int failure = 0;
    for (;;) {
        result = avcodec_receive_packet(out.encoder.get(), pkt);
        if (result == AVERROR(EAGAIN) || result == AVERROR_EOF) return failure;
        if (result < 0) return result;
        const int written = file.write(pkt, out.encoder->time_base, out.stream);
        av_packet_unref(pkt);
        if (written < 0) failure = written;
    }
}

// Takes `samples` samples from the FIFO into the frame (padding with silence up to
// `frameLength`) and encodes them. The samples always leave the FIFO, so callers
// looping until it is short of a frame always get there.
static int encodeFromFifo(AudioOutput& out, output::OutputFile& file, int samples, int frameLength) {
    AVFrame* frame = out.frame.get();
    // While the encoder's own thread still holds the last frame, a new buffer is
    // made, sized by nb_samples: always a whole encoder frame.
    frame->nb_samples = out.frameSamples;
    if (av_frame_make_writable(frame) < 0) {
        av_audio_fifo_drain(out.fifo.get(), samples);
        return AVERROR(ENOMEM);
    }
    frame->nb_samples = frameLength;
    int got = av_audio_fifo_read(out.fifo.get(), reinterpret_cast<void**>(frame->data), samples);
    if (got < samples) {
        av_audio_fifo_drain(out.fifo.get(), samples - std::max(got, 0));
        got = std::max(got, 0);
    }
    if (got < frameLength)
        av_samples_set_silence(frame->data, got, frameLength - got, frame->ch_layout.nb_channels,
                               static_cast<AVSampleFormat>(frame->format));
    frame->pts = out.samplesSent;
    out.samplesSent += frameLength;
    return sendAndWrite(out, file, frame);
}

int encodeQueued(AudioOutput& out, output::OutputFile& file, double untilSeconds) {
    const double limit = untilSeconds * out.encoder->sample_rate;  // in samples on the audio clock
    int failure = 0;
    for (;;) {
        const int queued = av_audio_fifo_size(out.fifo.get());
        if (queued <= 0 || (!out.variableFrames && queued < out.frameSamples)) return failure;
        int take = std::min(queued, out.frameSamples);
        if (static_cast<double>(out.samplesSent + take) > limit) {
            if (!out.variableFrames) return failure;
            take = static_cast<int>(std::min<double>(take, std::floor(limit - static_cast<double>(out.samplesSent))));
            if (take <= 0) return failure;
        }
        const int result = encodeFromFifo(out, file, take, take);
        if (result < 0) failure = result;
    }
}

static std::int64_t queuedEnd(const AudioOutput& out) {
    return out.samplesSent + av_audio_fifo_size(out.fifo.get());
}

int padWithSilence(AudioOutput& out, output::OutputFile& file, double timelineSeconds, double encodeUntilSeconds) {
    const AVCodecContext& enc = *out.encoder;
    std::int64_t missing = std::llround(timelineSeconds * enc.sample_rate) - queuedEnd(out);
    if (missing <= 0) return 0;
    // At most a second of silence at a time: a long gap is encoded as it grows.
    const int chunk = static_cast<int>(std::min<std::int64_t>(missing, enc.sample_rate));
    ffmpeg::Frame silence = ffmpeg::makeFrame();
    if (!silence) return AVERROR(ENOMEM);
    silence->format = enc.sample_fmt;
    silence->nb_samples = chunk;
    if (av_channel_layout_copy(&silence->ch_layout, &enc.ch_layout) < 0 || av_frame_get_buffer(silence.get(), 0) < 0)
        return AVERROR(ENOMEM);
    av_samples_set_silence(silence->data, 0, chunk, enc.ch_layout.nb_channels, enc.sample_fmt);
    int failure = 0;
    while (missing > 0) {
        const int n = static_cast<int>(std::min<std::int64_t>(missing, chunk));
        if (av_audio_fifo_write(out.fifo.get(), reinterpret_cast<void**>(silence->data), n) != n)
            return AVERROR(ENOMEM);
        missing -= n;
        const int result = encodeQueued(out, file, encodeUntilSeconds);
        if (result < 0) failure = result;
    }
    return failure;
}

void trimQueued(AudioOutput& out, double timelineSeconds) {
    const AVCodecContext& enc = *out.encoder;
    const std::int64_t keep = std::llround(timelineSeconds * enc.sample_rate) - out.samplesSent;
    const int queued = av_audio_fifo_size(out.fifo.get());
    if (keep >= queued) return;
    if (keep <= 0) return av_audio_fifo_reset(out.fifo.get());
    // The FIFO only gives samples from its front: take the part to keep, empty it,
    // and put that part back.
    ffmpeg::Frame kept = ffmpeg::makeFrame();
    if (!kept) return;
    kept->format = enc.sample_fmt;
    kept->nb_samples = static_cast<int>(keep);
    if (av_channel_layout_copy(&kept->ch_layout, &enc.ch_layout) < 0 || av_frame_get_buffer(kept.get(), 0) < 0)
        return;
    const int got = av_audio_fifo_read(out.fifo.get(), reinterpret_cast<void**>(kept->data), kept->nb_samples);
    av_audio_fifo_reset(out.fifo.get());
    if (got > 0) av_audio_fifo_write(out.fifo.get(), reinterpret_cast<void**>(kept->data), got);
}

int flushAndDrain(AudioOutput& out, output::OutputFile& file) {
    if (out.drained || !out.encoder) return 0;
    int failure = encodeQueued(out, file);
    const int rest = av_audio_fifo_size(out.fifo.get());
    if (rest > 0) {
        const bool shortLast =
            out.variableFrames || (out.encoder->codec->capabilities & AV_CODEC_CAP_SMALL_LAST_FRAME);
        const int result = encodeFromFifo(out, file, rest, shortLast ? rest : out.frameSamples);
        if (result < 0) failure = result;
    }
    const int result = sendAndWrite(out, file, nullptr);
    out.drained = true;
    return result < 0 ? result : failure;
}

// The output channel a source channel of unknown position goes to: channels are
// dealt out in turn (the first left, the second right, …), each output channel the
// average of its share, so the mix keeps every channel and never clips.
static std::vector<double> evenMatrix(int inputs, int outputs) {
    std::vector<double> matrix(static_cast<std::size_t>(inputs) * outputs, 0.0);
    for (int o = 0; o < outputs; ++o) {
        if (inputs < outputs) {
            matrix[static_cast<std::size_t>(o) * inputs + o % inputs] = 1.0;
            continue;
        }
        const int share = (inputs - o + outputs - 1) / outputs;  // inputs i with i % outputs == o
        for (int i = o; i < inputs; i += outputs) matrix[static_cast<std::size_t>(o) * inputs + i] = 1.0 / share;
    }
    return matrix;
}

// Lossy encoders overshoot dense full-scale sound by up to about 2 dB (FFmpeg's AAC
// more than LAME): their down-mix leaves that much room. Lossless output keeps a mix
// that just reaches full scale.
static double mixCeiling(const AVCodecContext& encoder) {
    const AVCodecDescriptor* descriptor = avcodec_descriptor_get(encoder.codec_id);
    return descriptor && (descriptor->props & AV_CODEC_PROP_LOSSLESS) ? 1.0 : 0.8;
}

bool Resampler::initialise(const AVChannelLayout& inLayout, const AVFrame& decoded, const AVCodecContext& encoder,
                           bool even) {
    SwrContext* swr = nullptr;
    AVChannelLayout in{}, out{};  // FFmpeg 5.1 takes the layouts by non-const pointer
    av_channel_layout_copy(&in, &inLayout);
    av_channel_layout_copy(&out, &encoder.ch_layout);
    const int made = swr_alloc_set_opts2(&swr, &out, encoder.sample_fmt, encoder.sample_rate, &in,
                                         static_cast<AVSampleFormat>(decoded.format), decoded.sample_rate, 0, nullptr);
    av_channel_layout_uninit(&in);
    av_channel_layout_uninit(&out);
    m_swr.reset(swr);
    if (made < 0 || !swr) return false;
    av_opt_set_int(swr, "filter_size", 16, 0);
    av_opt_set_int(swr, "phase_shift", 10, 0);
    av_opt_set_double(swr, "cutoff", 0.8, 0);
    // swresample's standard matrix adds channels at full weight (5.1 to stereo sums
    // to 2.4 times full scale) and scales it down only for integer output.
    av_opt_set_double(swr, "rematrix_maxval", mixCeiling(encoder), 0);
    if (even) {
        const std::vector<double> matrix = evenMatrix(inLayout.nb_channels, encoder.ch_layout.nb_channels);
        if (swr_set_matrix(swr, matrix.data(), inLayout.nb_channels) < 0) return false;
    }
    if (swr_init(swr) < 0) {
        m_swr.reset();
        return false;
    }
    return true;
}

bool Resampler::configure(const AVFrame& decoded, const AVCodecContext& encoder) {
    AVChannelLayout inLayout{};
    const int channels = decoded.ch_layout.nb_channels;
    if (channels <= 0) return false;
    if (decoded.ch_layout.order == AV_CHANNEL_ORDER_UNSPEC)
        av_channel_layout_default(&inLayout, channels);  // still unspecified past 8 channels
    else if (av_channel_layout_copy(&inLayout, &decoded.ch_layout) < 0)
        return false;
    av_channel_layout_uninit(&m_inLayout);
    m_inLayout = inLayout;
    m_inRate = decoded.sample_rate;
    m_inFormat = decoded.format;
    const bool mixes = channels != encoder.ch_layout.nb_channels;
    const bool known = inLayout.order == AV_CHANNEL_ORDER_NATIVE;
    if (initialise(inLayout, decoded, encoder, mixes && !known)) return true;
    // A layout the standard matrices refuse still has its channel count.
    return mixes && known && initialise(inLayout, decoded, encoder, true);
}

bool Resampler::convert(const std::uint8_t** input, int inputSamples, AudioOutput& out) {
    const AVCodecContext& enc = *out.encoder;
    const int room = swr_get_out_samples(m_swr.get(), inputSamples);
    if (room <= 0) return true;
    if (!m_scratch || m_scratch->nb_samples < room) {
        m_scratch = ffmpeg::makeFrame();
        if (!m_scratch) return false;
        m_scratch->format = enc.sample_fmt;
        m_scratch->nb_samples = room;
        if (av_channel_layout_copy(&m_scratch->ch_layout, &enc.ch_layout) < 0) return false;
        if (av_frame_get_buffer(m_scratch.get(), 0) < 0) {
            m_scratch.reset();
            return false;
        }
    }
    const int converted = swr_convert(m_swr.get(), m_scratch->data, room, input, inputSamples);
    if (converted <= 0) return converted == 0;
    return av_audio_fifo_write(out.fifo.get(), reinterpret_cast<void**>(m_scratch->data), converted) == converted;
}

bool Resampler::push(const AVFrame& decoded, AudioOutput& out, int skipSamples) {
    const bool changed = !m_swr || decoded.sample_rate != m_inRate || decoded.format != m_inFormat ||
                         decoded.ch_layout.nb_channels != m_inLayout.nb_channels;
    if (changed && !configure(decoded, *out.encoder)) return false;
    skipSamples = std::clamp(skipSamples, 0, decoded.nb_samples);
    if (skipSamples == 0)
        return convert(const_cast<const std::uint8_t**>(decoded.extended_data), decoded.nb_samples, out);
    const auto format = static_cast<AVSampleFormat>(decoded.format);
    const bool planar = av_sample_fmt_is_planar(format);
    const int planes = planar ? decoded.ch_layout.nb_channels : 1;
    const int step = av_get_bytes_per_sample(format) * (planar ? 1 : decoded.ch_layout.nb_channels);
    std::vector<const std::uint8_t*> input(static_cast<std::size_t>(planes));
    for (int p = 0; p < planes; ++p) input[p] = decoded.extended_data[p] + static_cast<std::size_t>(skipSamples) * step;
    return convert(input.data(), decoded.nb_samples - skipSamples, out);
}

void Resampler::flush(AudioOutput& out) {
    if (m_swr) convert(nullptr, 0, out);
}

}  // namespace audio
