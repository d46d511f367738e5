#include "engine/PictureColour.h"

extern "C" {
#include <libavutil/mastering_display_metadata.h>
#include <libavutil/pixdesc.h>
}

#include <cstdio>

namespace colour {
namespace {

// Reference white of SDR video, in cd/m²: tone-mapping peaks are counted in it.
constexpr double kReferenceWhite = 100.0;

bool isFullRangeYuv(int format) {
    return format == AV_PIX_FMT_YUVJ420P || format == AV_PIX_FMT_YUVJ422P || format == AV_PIX_FMT_YUVJ444P ||
           format == AV_PIX_FMT_YUVJ440P || format == AV_PIX_FMT_YUVJ411P;
}

bool isRgb(int format) {
    const AVPixFmtDescriptor* desc = av_pix_fmt_desc_get(static_cast<AVPixelFormat>(format));
    return desc && (desc->flags & AV_PIX_FMT_FLAG_RGB);
}

// Below 1280x720 a frame is standard definition.
bool isStandardDefinition(int width, int height) { return width < 1280 && height < 720; }

double peakOf(const AVContentLightMetadata* light, const AVMasteringDisplayMetadata* mastering) {
    if (light && light->MaxCLL > 0) return light->MaxCLL / kReferenceWhite;
    if (mastering && mastering->has_luminance && mastering->max_luminance.num > 0)
        return av_q2d(mastering->max_luminance) / kReferenceWhite;
    return 0;
}

// The light levels the decoder found in the pictures, else the container's.
double peakFor(const AVFrame& frame, const AVStream* stream) {
    const AVFrameSideData* light = av_frame_get_side_data(&frame, AV_FRAME_DATA_CONTENT_LIGHT_LEVEL);
    const AVFrameSideData* mastering = av_frame_get_side_data(&frame, AV_FRAME_DATA_MASTERING_DISPLAY_METADATA);
    double peak = peakOf(light ? reinterpret_cast<const AVContentLightMetadata*>(light->data) : nullptr,
                         mastering ? reinterpret_cast<const AVMasteringDisplayMetadata*>(mastering->data) : nullptr);
    if (peak > 0 || !stream) return peak;
    std::size_t lightSize = 0, masteringSize = 0;
    const std::uint8_t* streamLight = av_stream_get_side_data(stream, AV_PKT_DATA_CONTENT_LIGHT_LEVEL, &lightSize);
    const std::uint8_t* streamMastering =
        av_stream_get_side_data(stream, AV_PKT_DATA_MASTERING_DISPLAY_METADATA, &masteringSize);
    return peakOf(lightSize >= sizeof(AVContentLightMetadata)
                      ? reinterpret_cast<const AVContentLightMetadata*>(streamLight)
                      : nullptr,
                  masteringSize >= sizeof(AVMasteringDisplayMetadata)
                      ? reinterpret_cast<const AVMasteringDisplayMetadata*>(streamMastering)
                      : nullptr);
}

const char* zscaleTransfer(AVColorTransferCharacteristic transfer) {
    return transfer == AVCOL_TRC_ARIB_STD_B67 ? "arib-std-b67" : "smpte2084";
}

const char* zscalePrimaries(AVColorPrimaries primaries) {
    switch (primaries) {
    case AVCOL_PRI_BT709: return "709";
    case AVCOL_PRI_SMPTE170M: return "170m";
    case AVCOL_PRI_SMPTE432: return "smpte432";
    default: return "2020";  // what HDR video is mastered in
    }
}

const char* zscaleMatrix(AVColorSpace matrix) {
    switch (matrix) {
    case AVCOL_SPC_BT709: return "709";
    case AVCOL_SPC_SMPTE170M: return "170m";
    case AVCOL_SPC_BT470BG: return "470bg";
    case AVCOL_SPC_BT2020_CL: return "2020_cl";
    default: return "2020_ncl";
    }
}

const char* rangeName(AVColorRange range) { return range == AVCOL_RANGE_JPEG ? "full" : "limited"; }

}  // namespace

bool isHighDynamicRange(AVColorTransferCharacteristic transfer) {
    return transfer == AVCOL_TRC_SMPTE2084 || transfer == AVCOL_TRC_ARIB_STD_B67;
}

// The picture's own tag when it has one, else the stream's, else unspecified.
template <typename Tag>
Tag firstTagged(Tag picture, const AVCodecParameters* par, Tag AVCodecParameters::*field, Tag unspecified) {
    return picture != unspecified ? picture : par ? par->*field : unspecified;
}

SourceColour sourceColourOf(const AVFrame& frame, const AVStream* stream) {
    const AVCodecParameters* par = stream ? stream->codecpar : nullptr;
    SourceColour c;
    c.matrix = firstTagged(frame.colorspace, par, &AVCodecParameters::color_space, AVCOL_SPC_UNSPECIFIED);
    c.primaries = firstTagged(frame.color_primaries, par, &AVCodecParameters::color_primaries, AVCOL_PRI_UNSPECIFIED);
    c.transfer = firstTagged(frame.color_trc, par, &AVCodecParameters::color_trc, AVCOL_TRC_UNSPECIFIED);
    c.range = firstTagged(frame.color_range, par, &AVCodecParameters::color_range, AVCOL_RANGE_UNSPECIFIED);
    const bool hdr = isHighDynamicRange(c.transfer);
    if (isRgb(frame.format)) {
        c.matrix = AVCOL_SPC_RGB;
        c.range = AVCOL_RANGE_JPEG;
    } else if (c.matrix == AVCOL_SPC_UNSPECIFIED || c.matrix == AVCOL_SPC_RESERVED || c.matrix == AVCOL_SPC_RGB) {
        c.matrix = hdr                                                  ? AVCOL_SPC_BT2020_NCL
                   : isStandardDefinition(frame.width, frame.height) ? AVCOL_SPC_SMPTE170M
                                                                       : AVCOL_SPC_BT709;
    }
    if (hdr && (c.primaries == AVCOL_PRI_UNSPECIFIED || c.primaries == AVCOL_PRI_RESERVED))
        c.primaries = AVCOL_PRI_BT2020;
    if (isFullRangeYuv(frame.format)) c.range = AVCOL_RANGE_JPEG;
    if (c.range == AVCOL_RANGE_UNSPECIFIED) c.range = AVCOL_RANGE_MPEG;
    if (hdr) c.peak = peakFor(frame, stream);
    return c;
}

OutputColour outputColourFor(int width, int height, AVPixelFormat encoderFormat) {
    OutputColour out;
    const bool jfif = isFullRangeYuv(encoderFormat);  // Motion JPEG: BT.601 at any size
    if (isStandardDefinition(width, height) || jfif) {
        // 625-line frames have the EBU primaries; the matrix is BT.601's either way.
        const bool pal = height == 576 || height == 288;
        out.matrix = pal || jfif ? AVCOL_SPC_BT470BG : AVCOL_SPC_SMPTE170M;
        out.primaries = pal ? AVCOL_PRI_BT470BG : AVCOL_PRI_SMPTE170M;
        out.transfer = AVCOL_TRC_SMPTE170M;
    }
    if (!isStandardDefinition(width, height)) {
        out.primaries = AVCOL_PRI_BT709;
        out.transfer = AVCOL_TRC_BT709;
    }
    out.range = jfif ? AVCOL_RANGE_JPEG : AVCOL_RANGE_MPEG;
    return out;
}

void tagEncoder(AVCodecContext& encoder, const OutputColour& colour) {
    encoder.colorspace = colour.matrix;
    encoder.color_primaries = colour.primaries;
    encoder.color_trc = colour.transfer;
    encoder.color_range = colour.range;
}

double toneMapPeak(const SourceColour& source) {
    if (source.peak > 0) return source.peak;
    return source.transfer == AVCOL_TRC_SMPTE2084 ? 100.0 : 10.0;
}

std::string toneMapSteps(const SourceColour& source) {
    if (!isHighDynamicRange(source.transfer)) return {};
    // Linear light in float, BT.709 primaries, then the curve that keeps highlights
    // from clipping (desaturation off: it washes out phone video), back to 8-bit
    // BT.709 limited range. The input is spelled out: untagged pictures would
    // otherwise be taken as whatever zscale assumes.
    char steps[512];
    std::snprintf(steps, sizeof steps,
                  "zscale=tin=%s:min=%s:pin=%s:rin=%s:t=linear:npl=100,format=gbrpf32le,zscale=p=709,"
                  "tonemap=tonemap=hable:desat=0:peak=%.4g,zscale=t=709:m=709:r=limited,format=yuv420p,",
                  zscaleTransfer(source.transfer), zscaleMatrix(source.matrix), zscalePrimaries(source.primaries),
                  rangeName(source.range), toneMapPeak(source));
    return steps;
}

SourceColour afterToneMap(const SourceColour& source) {
    if (!isHighDynamicRange(source.transfer)) return source;
    SourceColour sdr;
    sdr.matrix = AVCOL_SPC_BT709;
    sdr.primaries = AVCOL_PRI_BT709;
    sdr.transfer = AVCOL_TRC_BT709;
    sdr.range = AVCOL_RANGE_MPEG;
    return sdr;
}

const char* scaleMatrixName(AVColorSpace matrix) {
    switch (matrix) {
    case AVCOL_SPC_BT709: return "bt709";
    case AVCOL_SPC_FCC: return "fcc";
    case AVCOL_SPC_SMPTE240M: return "smpte240m";
    case AVCOL_SPC_BT2020_NCL:
    case AVCOL_SPC_BT2020_CL: return "bt2020";
    default: return "bt601";
    }
}

std::string scaleStep(int width, int height, AVColorSpace fromMatrix, AVColorRange fromRange,
                      AVColorSpace toMatrix, AVColorRange toRange, bool sourceIsRgb) {
    std::string step = "scale=";
    if (width > 0 && height > 0)
        step += "w=" + std::to_string(width) + ":h=" + std::to_string(height) + ":flags=bicubic:";
    if (!sourceIsRgb) {
        step += std::string("in_color_matrix=") + scaleMatrixName(fromMatrix) + ":in_range=" + rangeName(fromRange) + ":";
    }
    return step + "out_color_matrix=" + scaleMatrixName(toMatrix) + ":out_range=" + rangeName(toRange);
}

}  // namespace colour
