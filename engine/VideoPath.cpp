#include "engine/VideoPath.h"

#include "engine/ErrorText.h"

extern "C" {
#include <libavutil/imgutils.h>
#include <libavutil/opt.h>
#include <libavutil/pixdesc.h>
}

#include "engine/AVConvert.h"
#include "engine/CodecMap.h"
#include "engine/FrameRate.h"
#include "engine/TargetSize.h"
#include "engine/Thumbnail.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>

namespace video {
namespace {

// x264 settings of the H.264 outputs; Main profile because the PSP refuses High.
// The device's level is written only when the stream keeps within it: a level the
// stream exceeds would be a promise the device finds broken.
void applyH264Settings(AVCodecContext& ctx, AVDictionary*& options, int levelCap) {
    ctx.me_range = 16;
    ctx.max_qdiff = 4;
    ctx.qmin = 10;
    ctx.qmax = 51;
    ctx.qcompress = 0.6f;
    ctx.keyint_min = 25;
    av_dict_set(&options, "profile", "main", 0);
    const double rate = ctx.time_base.num > 0 ? av_q2d(av_inv_q(ctx.time_base)) : 0;
    if (levelCap > 0 && framerate::fitsH264Level(levelCap, ctx.width, ctx.height, rate)) {
        const std::string level = std::to_string(levelCap / 10) + "." + std::to_string(levelCap % 10);
        av_dict_set(&options, "level", level.c_str(), 0);
    }
}

// MPEG-2 players read the stream through the decoder buffer its header names; the
// program-stream muxer sizes its rate from the same figures. Main profile's buffer
// for its level (Main for standard definition, High above), peaks up to twice the
// average rate within the level's maximum.
void applyMpeg2Buffer(AVCodecContext& ctx) {
    const bool standard = ctx.width <= 720 && ctx.height <= 576;
    const std::int64_t levelMax = standard ? 15000000 : 80000000;
    ctx.rc_buffer_size = standard ? 1835008 : 9781248;
    ctx.rc_max_rate = std::min<std::int64_t>(levelMax, std::max<std::int64_t>(ctx.bit_rate * 2, ctx.bit_rate));
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

// The two passes: x264 keeps its statistics in a file it names itself; the MPEG
// video encoders hand them out after each picture and read them back as one text,
// which they parse while opening (so it is freed right after).
bool applyPass(AVCodecContext& ctx, AVDictionary*& options, const AVCodec& codec, const RateSetup& rate) {
    if (rate.pass == 0) return true;
    ctx.flags |= rate.pass == 1 ? AV_CODEC_FLAG_PASS1 : AV_CODEC_FLAG_PASS2;
    if (sizing::statsByFileName(codec.name)) {
        av_dict_set(&options, "stats", rate.statsPath.c_str(), 0);
        return true;
    }
    if (rate.pass == 1) return true;
    const std::string stats = sizing::readPassLog(rate.statsPath);
    if (stats.empty()) return false;
    ctx.stats_in = av_strdup(stats.c_str());
    return ctx.stats_in != nullptr;
}

ffmpeg::CodecContext tryOpen(const AVCodec& codec, const AVConvert& job, AVRational timeBase, int gopSize,
                             bool globalHeader, AVPixelFormat pixelFormat, AVRational sampleAspect, bool still,
                             const RateSetup& rate) {
    ffmpeg::CodecContext ctx(avcodec_alloc_context3(&codec));
    LastCodecOpenError() = ctx ? 0 : AVERROR(ENOMEM);
    if (!ctx) return nullptr;
    ctx->bit_rate = rate.bitRate > 0 ? rate.bitRate : job.videoBitRate;
    ctx->width = job.outputWidth;
    ctx->height = job.outputHeight;
    ctx->time_base = timeBase;
    if (timeBase.num > 0) ctx->framerate = av_inv_q(timeBase);
    ctx->gop_size = gopSize;
    ctx->pix_fmt = pixelFormat;
    // The codec writes the tags where its stream has room for them (H.264 VUI, the
    // MPEG-2 sequence display extension), the muxer where the container has.
    colour::tagEncoder(*ctx, colour::outputColourFor(ctx->width, ctx->height, pixelFormat));
    ctx->sample_aspect_ratio = sampleAspect;
    ctx->max_b_frames = 0;
    ctx->thread_count = job.threadsPerRow;  // rows running at once share the cores
    if (job.videoCodecId == codecmap::kVideoMpeg1) ctx->mb_decision = FF_MB_DECISION_RD;
    if (job.videoCodecId == codecmap::kVideoMpeg2) applyMpeg2Buffer(*ctx);
    if (globalHeader) ctx->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    AVDictionary* options = nullptr;
    if (job.videoCodecId == codecmap::kVideoH264) applyH264Settings(*ctx, options, job.h264LevelCap);
    // The same picture over and over: x264 spends next to nothing on the repeats.
    if (still && job.videoCodecId == codecmap::kVideoH264) av_dict_set(&options, "tune", "stillimage", 0);
    if (!applyPass(*ctx, options, codec, rate)) {
        av_dict_free(&options);
        LastCodecOpenError() = AVERROR_INVALIDDATA;
        return nullptr;
    }
    const int opened = avcodec_open2(ctx.get(), &codec, &options);
    av_dict_free(&options);
    av_freep(&ctx->stats_in);  // ours, not the codec's: parsed while opening
    if (opened < 0) LastCodecOpenError() = opened;  // the row's reason tells a memory shortage
    return opened < 0 ? nullptr : std::move(ctx);
}

}  // namespace

ffmpeg::CodecContext openEncoder(const AVConvert& job, AVRational timeBase, int gopSize, bool globalHeader,
                                 AVRational sampleAspect, bool still, const RateSetup& rate) {
    LastCodecOpenError() = 0;  // a missing encoder is no shortage of anything
    const char* name = codecmap::videoEncoderName(job.videoCodecId);
    const AVCodec* codec = name ? avcodec_find_encoder_by_name(name) : nullptr;
    if (!codec || timeBase.num <= 0 || timeBase.den <= 0) return nullptr;
    return tryOpen(*codec, job, timeBase, gopSize, globalHeader, pixelFormatFor(*codec, job.videoCodecId),
                   sampleAspect, still, rate);
}

const AVStream* coverStream(const AVFormatContext& input) {
    for (unsigned i = 0; i < input.nb_streams; ++i) {
        const AVStream* stream = input.streams[i];
        if ((stream->disposition & AV_DISPOSITION_ATTACHED_PIC) && stream->attached_pic.size > 0) return stream;
    }
    return nullptr;
}

namespace {

ffmpeg::Frame decodeCover(const AVStream& stream) {
    const AVCodec* codec = avcodec_find_decoder(stream.codecpar->codec_id);
    if (!codec) return nullptr;
    ffmpeg::CodecContext decoder(avcodec_alloc_context3(codec));
    if (!decoder || avcodec_parameters_to_context(decoder.get(), stream.codecpar) < 0 ||
        avcodec_open2(decoder.get(), codec, nullptr) < 0)
        return nullptr;
    ffmpeg::Frame frame = ffmpeg::makeFrame();
    if (!frame || avcodec_send_packet(decoder.get(), &stream.attached_pic) < 0) return nullptr;
    avcodec_send_packet(decoder.get(), nullptr);  // one picture: decoders that hold it back give it now
    if (avcodec_receive_frame(decoder.get(), frame.get()) < 0) return nullptr;
    return frame;
}

ffmpeg::Frame blackFrame(int width, int height) {
    ffmpeg::Frame frame = ffmpeg::makeFrame();
    if (!frame || width <= 0 || height <= 0) return nullptr;
    frame->format = AV_PIX_FMT_YUV420P;
    frame->width = width;
    frame->height = height;
    frame->color_range = AVCOL_RANGE_MPEG;
    if (av_frame_get_buffer(frame.get(), 0) < 0) return nullptr;
    const ptrdiff_t strides[4] = {frame->linesize[0], frame->linesize[1], frame->linesize[2], 0};
    av_image_fill_black(frame->data, strides, AV_PIX_FMT_YUV420P, AVCOL_RANGE_MPEG, width, height);
    return frame;
}

}  // namespace

ffmpeg::Frame pictureForSound(const AVFormatContext& input, int width, int height) {
    ffmpeg::Frame picture;
    if (const AVStream* cover = coverStream(input)) picture = decodeCover(*cover);
    if (!picture) picture = blackFrame(width, height);
    if (picture) picture->pts = 0;
    return picture;
}

bool isStillPicture(const AVFormatContext& input, int videoIndex, int audioIndex) {
    if (videoIndex < 0 || audioIndex >= 0 || !input.iformat || videoIndex >= static_cast<int>(input.nb_streams))
        return false;
    // Single pictures open through the image demuxers: "image2" by the name's
    // extension, "<codec>_pipe" by their content.
    const std::string format = input.iformat->name;
    const bool imageDemuxer =
        format == "image2" || (format.size() > 5 && format.compare(format.size() - 5, 5, "_pipe") == 0);
    return imageDemuxer && input.streams[videoIndex]->nb_frames <= 1;
}

AVRational sampleAspectFor(const AVConvert& job, const AVStream& source) {
    const bool turned = orientationOf(streamDisplayMatrix(source)).quarterTurn;
    const double aspect =
        displayAspect(source.codecpar->width, source.codecpar->height, streamSampleAspect(source), turned);
    return outputSampleAspect(job.videoCodecId, job.outputWidth, job.outputHeight, aspect);
}

bool copyCodedSideData(AVStream* stream, const AVCodecContext& encoder) {
    for (int i = 0; i < encoder.nb_coded_side_data; ++i) {
        const AVPacketSideData& from = encoder.coded_side_data[i];
        std::uint8_t* to = av_stream_new_side_data(stream, from.type, from.size);
        if (!to) return false;
        std::memcpy(to, from.data, from.size);
    }
    return true;
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

namespace {

int writePacket(VideoOutput& out, output::OutputFile& file, AVPacket* pkt) {
    if (pkt->duration <= 0) pkt->duration = 1;
    const int written = file.write(pkt, out.timeBase, out.stream);
    av_packet_unref(pkt);
    return written;
}

int encodeOnStage(VideoOutput& out, output::OutputFile& file, ffmpeg::Frame picture) {
    std::vector<ffmpeg::Packet> packets;
    out.stage->exchange(std::move(picture), packets);
    for (ffmpeg::Packet& packet : packets)
        if (const int written = writePacket(out, file, packet.get()); written < 0) return written;
    return 0;
}

}  // namespace

int encodeAndWrite(VideoOutput& out, output::OutputFile& file, AVFrame* picture) {
    if (out.stage) {  // pictures reach the stage through sendAt: here it is the drain
        ffmpeg::Frame copy(picture ? av_frame_clone(picture) : nullptr);
        if (picture && !copy) return 0;
        return encodeOnStage(out, file, std::move(copy));
    }
    int result = avcodec_send_frame(out.encoder.get(), picture);
    if (result < 0 && result != AVERROR_EOF) return 0;  // a picture the encoder refuses is skipped
    AVPacket* pkt = out.packet.get();
    for (;;) {
        result = avcodec_receive_packet(out.encoder.get(), pkt);
        if (result == AVERROR(EAGAIN) || result == AVERROR_EOF) return 0;
        if (result < 0) return 0;
        if (out.passLog) out.passLog->append(*out.encoder);
        if (const int written = writePacket(out, file, pkt); written < 0) return written;
    }
}

namespace {

// Hands one picture to the encoder at slot and remembers it for repeats.
int sendAt(VideoOutput& out, output::OutputFile& file, const AVFrame& picture, std::int64_t slot) {
    ffmpeg::Frame copy(av_frame_clone(&picture));
    if (!copy) return 0;
    copy->pts = slot;
    copy->pict_type = AV_PICTURE_TYPE_NONE;  // the encoder chooses frame types
    copy->key_frame = 0;
    copy->sample_aspect_ratio = out.sampleAspect;
    out.lastPts = slot;
    ++out.picturesSent;
    if (&picture != out.lastPicture.get()) {
        av_frame_unref(out.lastPicture.get());
        av_frame_ref(out.lastPicture.get(), &picture);
    }
    if (out.stage) return encodeOnStage(out, file, std::move(copy));
    return encodeAndWrite(out, file, copy.get());
}

std::int64_t longestRepeat(const VideoOutput& out) {
    return static_cast<std::int64_t>(kLongestRepeatSeconds / av_q2d(out.timeBase));
}

}  // namespace

int placeAt(VideoOutput& out, output::OutputFile& file, AVFrame& picture, std::int64_t slot) {
    if (slot <= out.lastPts) return 0;  // this slot already shows a picture
    const bool started = out.lastPicture && out.lastPicture->buf[0];
    const AVFrame& filler = started ? *out.lastPicture : picture;
    if (slot - out.lastPts - 1 <= longestRepeat(out)) {
        for (std::int64_t s = out.lastPts + 1; s < slot; ++s)
            if (sendAt(out, file, filler, s) < 0) return -1;
    }
    return sendAt(out, file, picture, slot) < 0 ? -1 : 1;
}

int fillTo(VideoOutput& out, output::OutputFile& file, std::int64_t endSlot, bool anyLength) {
    if (!out.lastPicture || !out.lastPicture->buf[0]) return 0;
    if (!anyLength && endSlot - out.lastPts - 1 > longestRepeat(out)) return 0;
    while (out.lastPts + 1 < endSlot)
        if (sendAt(out, file, *out.lastPicture, out.lastPts + 1) < 0) return -1;
    return 0;
}

namespace {

// Plane pointers of `picture` moved to the top-left corner of `area`.
void pointAt(const AVFrame& picture, const ActiveArea& area, std::uint8_t* planes[4]) {
    const AVPixFmtDescriptor* desc = av_pix_fmt_desc_get(static_cast<AVPixelFormat>(picture.format));
    for (int p = 0; p < 4; ++p) planes[p] = picture.data[p];
    if (!desc) return;
    for (int c = 0; c < desc->nb_components; ++c) {
        const AVComponentDescriptor& comp = desc->comp[c];
        const bool chroma = (c == 1 || c == 2) && !(desc->flags & AV_PIX_FMT_FLAG_RGB);
        const int x = chroma ? area.x >> desc->log2_chroma_w : area.x;
        const int y = chroma ? area.y >> desc->log2_chroma_h : area.y;
        planes[comp.plane] = picture.data[comp.plane] + static_cast<std::ptrdiff_t>(y) * picture.linesize[comp.plane] +
                             static_cast<std::ptrdiff_t>(x) * comp.step;
    }
}

// Where the active area lands in a black 160x120 frame of square pixels.
ActiveArea smallArea(const ActiveArea& active, AVRational sampleAspect) {
    const double aspect = displayAspect(active.width, active.height, sampleAspect, false);
    return fitInFrame(PreviewPicture::kWidth, PreviewPicture::kHeight, {1, 1}, aspect);
}

}  // namespace

bool PreviewPictures::prepare() {
    m_previewPicture = ffmpeg::makeFrame();
    if (!m_previewPicture) return false;
    m_previewPicture->format = AV_PIX_FMT_YUV420P;
    m_previewPicture->width = PreviewPicture::kWidth;
    m_previewPicture->height = PreviewPicture::kHeight;
    return av_frame_get_buffer(m_previewPicture.get(), 0) >= 0;
}

bool PreviewPictures::toPreview(const AVFrame& picture, const ActiveArea& active, AVRational sampleAspect,
                                PreviewPicture& preview) {
    AVFrame* out = m_previewPicture.get();
    if (!out || active.width <= 0 || active.height <= 0) return false;
    const ActiveArea area = smallArea(active, sampleAspect);
    SwsContext* sws = sws_getCachedContext(m_previewScaler.release(), active.width, active.height,
                                           static_cast<AVPixelFormat>(picture.format), area.width, area.height,
                                           AV_PIX_FMT_YUV420P, SWS_BICUBIC, nullptr, nullptr, nullptr);
    m_previewScaler.reset(sws);
    if (!sws) return false;
    const ptrdiff_t strides[4] = {out->linesize[0], out->linesize[1], out->linesize[2], 0};
    av_image_fill_black(out->data, strides, AV_PIX_FMT_YUV420P, AVCOL_RANGE_MPEG, out->width, out->height);
    std::uint8_t* from[4];
    pointAt(picture, active, from);
    std::uint8_t* to[4];
    pointAt(*out, area, to);
    sws_scale(sws, from, picture.linesize, 0, active.height, to, out->linesize);
    preview.y = out->data[0];
    preview.u = out->data[1];
    preview.v = out->data[2];
    preview.yStride = out->linesize[0];
    preview.uStride = out->linesize[1];
    preview.vStride = out->linesize[2];
    preview.areaX = area.x;
    preview.areaY = area.y;
    preview.areaWidth = area.width;
    preview.areaHeight = area.height;
    return true;
}

std::vector<std::uint8_t> PreviewPictures::toThumbnail(const AVFrame& picture, const ActiveArea& active,
                                                       AVRational sampleAspect, AVColorSpace matrix,
                                                       AVColorRange range) {
    if (active.width <= 0 || active.height <= 0) return {};
    const ActiveArea area = smallArea(active, sampleAspect);
    // Made for the one thumbnail of a row and released at once (SWS_X, as always).
    ffmpeg::Sws sws(sws_getContext(active.width, active.height, static_cast<AVPixelFormat>(picture.format),
                                   area.width, area.height, AV_PIX_FMT_RGB24, SWS_X, nullptr, nullptr, nullptr));
    if (!sws) return {};
    // An HD picture's values are BT.709's: read with BT.601's its red would darken.
    const int* coefficients = sws_getCoefficients(matrix == AVCOL_SPC_BT709 ? SWS_CS_ITU709 : SWS_CS_ITU601);
    sws_setColorspaceDetails(sws.get(), coefficients, range == AVCOL_RANGE_JPEG, coefficients, 1, 0, 1 << 16, 1 << 16);
    // The scaler's packed-RGB writers (from 4:2:2 sources, for one) store whole
    // machine words and run a few bytes past the last pixel: the buffer has slack
    // behind the picture, cut off once the scaler is done.
    const std::size_t bytes = static_cast<std::size_t>(kThumbnailWidth) * kThumbnailHeight * 3;
    std::vector<std::uint8_t> rgb(bytes + AV_INPUT_BUFFER_PADDING_SIZE, 0);
    const int stride = kThumbnailWidth * 3;
    std::uint8_t* planes[4] = {rgb.data() + area.y * stride + area.x * 3, nullptr, nullptr, nullptr};
    int strides[4] = {stride, 0, 0, 0};
    std::uint8_t* from[4];
    pointAt(picture, active, from);
    sws_scale(sws.get(), from, picture.linesize, 0, active.height, planes, strides);
    rgb.resize(bytes);
    return rgb;
}

}  // namespace video
