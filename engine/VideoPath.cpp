#include "engine/VideoPath.h"

extern "C" {
#include <libavutil/opt.h>
}

#include "engine/AVConvert.h"
#include "engine/CodecMap.h"
#include "engine/Thumbnail.h"

#include <cmath>

namespace video {
namespace {

// x264 settings of the H.264 outputs; Main profile because the PSP refuses High.
void applyH264Settings(AVCodecContext& ctx, AVDictionary*& options) {
    ctx.me_range = 16;
    ctx.max_qdiff = 4;
    ctx.qmin = 10;
    ctx.qmax = 51;
    ctx.qcompress = 0.6f;
    ctx.keyint_min = 25;
    av_dict_set(&options, "profile", "main", 0);
}

AVPixelFormat wantedPixelFormat(int legacyId) {
    if (legacyId == codecmap::kVideoDv) return AV_PIX_FMT_YUV411P;
    if (legacyId == codecmap::kVideoMjpeg) return AV_PIX_FMT_YUVJ422P;
    return AV_PIX_FMT_YUV420P;
}

// The wanted format when the encoder takes it, else the closest it does take (DV
// at 625 lines, for example, wants 4:2:0 rather than 4:1:1).
AVPixelFormat pixelFormatFor(const AVCodec& codec, int legacyId) {
    const AVPixelFormat wanted = wantedPixelFormat(legacyId);
    if (!codec.pix_fmts) return wanted;
    for (const AVPixelFormat* p = codec.pix_fmts; *p != AV_PIX_FMT_NONE; ++p)
        if (*p == wanted) return wanted;
    return avcodec_find_best_pix_fmt_of_list(codec.pix_fmts, wanted, 0, nullptr);
}

ffmpeg::CodecContext tryOpen(const AVCodec& codec, const AVConvert& job, AVRational timeBase, int gopSize,
                             bool globalHeader, AVPixelFormat pixelFormat) {
    ffmpeg::CodecContext ctx(avcodec_alloc_context3(&codec));
    if (!ctx) return nullptr;
    ctx->bit_rate = job.videoBitRate;
    ctx->width = job.outputWidth;
    ctx->height = job.outputHeight;
    ctx->time_base = timeBase;
    if (timeBase.num > 0) ctx->framerate = av_inv_q(timeBase);
    ctx->gop_size = gopSize;
    ctx->pix_fmt = pixelFormat;
    ctx->max_b_frames = 0;
    ctx->thread_count = job.threadsPerRow;  // rows running at once share the cores
    if (job.videoCodecId == codecmap::kVideoMpeg1) ctx->mb_decision = FF_MB_DECISION_RD;
    if (globalHeader) ctx->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    AVDictionary* options = nullptr;
    if (job.videoCodecId == codecmap::kVideoH264) applyH264Settings(*ctx, options);
    const int opened = avcodec_open2(ctx.get(), &codec, &options);
    av_dict_free(&options);
    return opened < 0 ? nullptr : std::move(ctx);
}

}  // namespace

ffmpeg::CodecContext openEncoder(const AVConvert& job, AVRational timeBase, int gopSize, bool globalHeader) {
    const char* name = codecmap::videoEncoderName(job.videoCodecId);
    const AVCodec* codec = name ? avcodec_find_encoder_by_name(name) : nullptr;
    if (!codec || timeBase.num <= 0 || timeBase.den <= 0) return nullptr;
    return tryOpen(*codec, job, timeBase, gopSize, globalHeader, pixelFormatFor(*codec, job.videoCodecId));
}

double VideoOutput::clock() const {
    return timeBase.den > 0 ? static_cast<double>(lastPts + 1) * av_q2d(timeBase) : 0.0;
}

std::int64_t nextPts(const VideoOutput& out, double referenceSeconds) {
    const double videoClock = out.clock();
    std::int64_t step = 1;
    if (std::isfinite(referenceSeconds) && referenceSeconds > videoClock) {
        // The video's lag behind the reference in ticks, plus one.
        const double lagTicks = (referenceSeconds - videoClock) * out.timeBase.den / out.timeBase.num;
        step = static_cast<std::int64_t>(lagTicks + 1);
    }
    return out.lastPts + std::max<std::int64_t>(step, 1);
}

int encodeAndWrite(VideoOutput& out, output::OutputFile& file, AVFrame* picture) {
    int result = avcodec_send_frame(out.encoder.get(), picture);
    if (result < 0 && result != AVERROR_EOF) return 0;  // a picture the encoder refuses is skipped
    AVPacket* pkt = out.packet.get();
    for (;;) {
        result = avcodec_receive_packet(out.encoder.get(), pkt);
        if (result == AVERROR(EAGAIN) || result == AVERROR_EOF) return 0;
        if (result < 0) return 0;
        if (pkt->duration <= 0) pkt->duration = 1;
        const int written = file.write(pkt, out.timeBase, out.stream);
        av_packet_unref(pkt);
        if (written < 0) return written;
    }
}

bool PictureScaler::prepare(const AVCodecContext& encoder, int threads) {
    m_threads = threads;
    m_encodePicture = ffmpeg::makeFrame();
    if (!m_encodePicture) return false;
    m_encodePicture->format = encoder.pix_fmt;
    m_encodePicture->width = encoder.width;
    m_encodePicture->height = encoder.height;
    if (av_frame_get_buffer(m_encodePicture.get(), 0) < 0) return false;
    m_previewPicture = ffmpeg::makeFrame();
    if (!m_previewPicture) return false;
    m_previewPicture->format = AV_PIX_FMT_YUV420P;
    m_previewPicture->width = PreviewPicture::kWidth;
    m_previewPicture->height = PreviewPicture::kHeight;
    return av_frame_get_buffer(m_previewPicture.get(), 0) >= 0;
}

static SwsContext* cachedScaler(ffmpeg::Sws& owner, const AVFrame& from, int width, int height,
                                AVPixelFormat format, int flags) {
    SwsContext* ctx = sws_getCachedContext(owner.release(), from.width, from.height,
                                           static_cast<AVPixelFormat>(from.format), width, height, format, flags,
                                           nullptr, nullptr, nullptr);
    owner.reset(ctx);
    return ctx;
}

// The encoder's scaler runs on swscale's own slice threads, as the ffmpeg command
// line's does: on one thread, scaling a large source is what keeps a conversion
// behind it on encoders that have no threads of their own.
static SwsContext* threadedScaler(ffmpeg::Sws& owner, SourceShape& shape, const AVFrame& from, const AVFrame& to,
                                  int threads) {
    const SourceShape wanted{from.width, from.height, from.format};
    if (owner && shape == wanted) return owner.get();
    owner.reset(sws_alloc_context());
    shape = {};
    SwsContext* ctx = owner.get();
    if (!ctx) return nullptr;
    av_opt_set_int(ctx, "srcw", from.width, 0);
    av_opt_set_int(ctx, "srch", from.height, 0);
    av_opt_set_int(ctx, "src_format", from.format, 0);
    av_opt_set_int(ctx, "dstw", to.width, 0);
    av_opt_set_int(ctx, "dsth", to.height, 0);
    av_opt_set_int(ctx, "dst_format", to.format, 0);
    av_opt_set_int(ctx, "sws_flags", SWS_BICUBIC, 0);
    av_opt_set_int(ctx, "threads", threads, 0);  // 0: one per core
    if (sws_init_context(ctx, nullptr, nullptr) < 0) {
        owner.reset();
        return nullptr;
    }
    shape = wanted;
    return ctx;
}

AVFrame* PictureScaler::toEncoder(const AVFrame& decoded) {
    AVFrame* out = m_encodePicture.get();
    if (!out || av_frame_make_writable(out) < 0) return nullptr;
    SwsContext* sws = threadedScaler(m_encodeScaler, m_encodeSource, decoded, *out, m_threads);
    if (!sws || sws_scale_frame(sws, out, &decoded) < 0) return nullptr;
    out->pict_type = AV_PICTURE_TYPE_NONE;  // the encoder chooses frame types
    return out;
}

bool PictureScaler::toPreview(const AVFrame& decoded, PreviewPicture& picture) {
    AVFrame* out = m_previewPicture.get();
    if (!out) return false;
    SwsContext* sws =
        cachedScaler(m_previewScaler, decoded, PreviewPicture::kWidth, PreviewPicture::kHeight, AV_PIX_FMT_YUV420P,
                     SWS_BICUBIC);
    if (!sws) return false;
    sws_scale(sws, decoded.data, decoded.linesize, 0, decoded.height, out->data, out->linesize);
    picture.y = out->data[0];
    picture.u = out->data[1];
    picture.v = out->data[2];
    picture.yStride = out->linesize[0];
    picture.uStride = out->linesize[1];
    picture.vStride = out->linesize[2];
    return true;
}

std::vector<std::uint8_t> PictureScaler::toThumbnail(const AVFrame& decoded) {
    // Made for the one thumbnail of a row and released at once (SWS_X, as always).
    ffmpeg::Sws sws(sws_getContext(decoded.width, decoded.height, static_cast<AVPixelFormat>(decoded.format),
                                   kThumbnailWidth, kThumbnailHeight, AV_PIX_FMT_RGB24, SWS_X, nullptr, nullptr,
                                   nullptr));
    if (!sws) return {};
    std::vector<std::uint8_t> rgb(static_cast<std::size_t>(kThumbnailWidth) * kThumbnailHeight * 3);
    std::uint8_t* planes[4] = {rgb.data(), nullptr, nullptr, nullptr};
    int strides[4] = {kThumbnailWidth * 3, 0, 0, 0};
    sws_scale(sws.get(), decoded.data, decoded.linesize, 0, decoded.height, planes, strides);
    return rgb;
}

}  // namespace video
