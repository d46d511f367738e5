#include "engine/PictureFilter.h"

extern "C" {
#include <libavfilter/buffersink.h>
#include <libavfilter/buffersrc.h>
#include <libavutil/display.h>
#include <libavutil/imgutils.h>
#include <libavutil/pixdesc.h>
}

#include "engine/CodecMap.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace video {
namespace {

// Frames of the DVD and SVCD families, whose pixels are not square by convention.
bool isBroadcastFrame(int width, int height) {
    const bool standardWidth = width == 720 || width == 704 || width == 352 || width == 480;
    return standardWidth && (height == 480 || height == 576);
}

bool carriesSampleAspect(int legacyCodecId) {
    return legacyCodecId == codecmap::kVideoH264 || legacyCodecId == codecmap::kVideoMpeg2 ||
           legacyCodecId == codecmap::kVideoMpeg4 || legacyCodecId == codecmap::kVideoXvid;
}

int roundTo(double value, int step) {
    const int rounded = static_cast<int>(std::lround(value / step)) * step;
    return std::max(rounded, step);
}

bool fieldsInterlaced(AVFieldOrder order) {
    return order == AV_FIELD_TT || order == AV_FIELD_BB || order == AV_FIELD_TB || order == AV_FIELD_BT;
}

struct InOutFree {
    void operator()(AVFilterInOut* io) const { avfilter_inout_free(&io); }
};
using InOut = std::unique_ptr<AVFilterInOut, InOutFree>;

InOut endPoint(const char* name, AVFilterContext* filter) {
    InOut io(avfilter_inout_alloc());
    if (!io) return nullptr;
    io->name = av_strdup(name);
    io->filter_ctx = filter;
    io->pad_idx = 0;
    io->next = nullptr;
    return io->name ? std::move(io) : nullptr;
}

}  // namespace

Orientation orientationOf(const std::int32_t* matrix) {
    if (!matrix) return {};
    // The same reading of the matrix as the ffmpeg command line's automatic rotation.
    double theta = -std::round(av_display_rotation_get(matrix));
    if (!std::isfinite(theta)) return {};
    theta -= 360 * std::floor(theta / 360 + 0.9 / 360);
    if (std::fabs(theta - 90) < 1.0) return {matrix[3] > 0 ? "transpose=cclock_flip" : "transpose=clock", true};
    if (std::fabs(theta - 270) < 1.0) return {matrix[3] < 0 ? "transpose=clock_flip" : "transpose=cclock", true};
    if (std::fabs(theta - 180) < 1.0) {
        std::string flips;
        if (matrix[0] < 0) flips = "hflip";
        if (matrix[4] < 0) flips += flips.empty() ? "vflip" : ",vflip";
        return {flips, false};
    }
    if (std::fabs(theta) < 1.0 && matrix[4] < 0) return {"vflip", false};
    return {};  // upright, or an angle that is not a quarter turn (left as it is)
}

double displayAspect(int width, int height, AVRational sampleAspect, bool quarterTurn) {
    if (width <= 0 || height <= 0) return 1.0;
    const double sar = sampleAspect.num > 0 && sampleAspect.den > 0 ? av_q2d(sampleAspect) : 1.0;
    const double aspect = width * sar / height;
    return quarterTurn ? 1.0 / aspect : aspect;
}

AVRational outputSampleAspect(int legacyCodecId, int width, int height, double sourceAspect) {
    if (!carriesSampleAspect(legacyCodecId) || !isBroadcastFrame(width, height)) return {1, 1};
    // Nearer to 16:9 than to 4:3 (the midpoint of the two) makes a wide frame.
    const bool wide = sourceAspect >= (4.0 / 3 + 16.0 / 9) / 2;
    AVRational sar{1, 1};
    av_reduce(&sar.num, &sar.den, static_cast<std::int64_t>(wide ? 16 : 4) * height,
              static_cast<std::int64_t>(wide ? 9 : 3) * width, 65535);
    return sar;
}

ActiveArea fitInFrame(int frameWidth, int frameHeight, AVRational frameSampleAspect, double sourceAspect, int alignX,
                      int alignY) {
    const ActiveArea whole{0, 0, frameWidth, frameHeight};
    if (frameWidth <= 0 || frameHeight <= 0) return whole;
    const double sar = frameSampleAspect.num > 0 && frameSampleAspect.den > 0 ? av_q2d(frameSampleAspect) : 1.0;
    const double frameAspect = frameWidth * sar / frameHeight;
    if (!(sourceAspect > 0) || !std::isfinite(sourceAspect) || std::fabs(sourceAspect / frameAspect - 1) <= 0.01)
        return whole;
    ActiveArea area = whole;
    if (sourceAspect > frameAspect) area.height = std::min(frameHeight, roundTo(frameWidth * sar / sourceAspect, alignY));
    else area.width = std::min(frameWidth, roundTo(frameHeight * sourceAspect / sar, alignX));
    area.x = (frameWidth - area.width) / 2 / alignX * alignX;
    area.y = (frameHeight - area.height) / 2 / alignY * alignY;
    return area;
}

const std::int32_t* streamDisplayMatrix(const AVStream& stream) {
    std::size_t size = 0;
    const std::uint8_t* matrix = av_stream_get_side_data(&stream, AV_PKT_DATA_DISPLAYMATRIX, &size);
    return matrix && size >= 9 * sizeof(std::int32_t) ? reinterpret_cast<const std::int32_t*>(matrix) : nullptr;
}

AVRational streamSampleAspect(const AVStream& stream) {
    return stream.sample_aspect_ratio.num > 0 ? stream.sample_aspect_ratio : stream.codecpar->sample_aspect_ratio;
}

void PictureFilter::setTarget(const FilterTarget& target, const AVStream* stream) {
    m_target = target;
    m_stream = stream;
    m_streamMatrix.clear();
    if (!stream) return;
    m_streamTimeBase = stream->time_base;
    m_streamSampleAspect = streamSampleAspect(*stream);
    if (const std::int32_t* matrix = streamDisplayMatrix(*stream)) m_streamMatrix.assign(matrix, matrix + 9);
    m_fieldsInterlaced = fieldsInterlaced(stream->codecpar->field_order);
}

PictureFilter::Shape PictureFilter::shapeOf(const AVFrame& frame) {
    Shape shape;
    shape.width = frame.width;
    shape.height = frame.height;
    shape.format = frame.format;
    shape.sampleAspect = frame.sample_aspect_ratio.num > 0 ? frame.sample_aspect_ratio : m_streamSampleAspect;
    if (frame.interlaced_frame) m_interlacedSeen = true;
    shape.deinterlace = m_fieldsInterlaced || m_interlacedSeen;
    shape.orientation = orientationOf(matrixFor(frame));
    shape.colour = colour::sourceColourOf(frame, m_stream);
    return shape;
}

const std::int32_t* PictureFilter::matrixFor(const AVFrame& frame) const {
    // A matrix the decoder found in the pictures themselves comes before the container's.
    const AVFrameSideData* side = av_frame_get_side_data(&frame, AV_FRAME_DATA_DISPLAYMATRIX);
    if (side && side->size >= 9 * sizeof(std::int32_t)) return reinterpret_cast<const std::int32_t*>(side->data);
    return m_streamMatrix.empty() ? nullptr : m_streamMatrix.data();
}

// Transparency, tone-mapping, then one scale step that sizes the picture and
// converts its matrix and range to the output's.
std::string PictureFilter::colourSteps(const Shape& shape, const ActiveArea& area) const {
    const AVPixFmtDescriptor* source = av_pix_fmt_desc_get(static_cast<AVPixelFormat>(shape.format));
    const AVPixFmtDescriptor* target = av_pix_fmt_desc_get(m_target.format);
    std::string steps;
    // What lies under a transparent pixel is whatever the program that made it left
    // there: multiplied by its alpha, the picture is composited on black.
    if (source && (source->flags & AV_PIX_FMT_FLAG_ALPHA)) steps += "premultiply=inplace=1,";
    steps += colour::toneMapSteps(shape.colour);
    const bool rgb = source && (source->flags & AV_PIX_FMT_FLAG_RGB) && !colour::isHighDynamicRange(shape.colour.transfer);
    const colour::SourceColour from = colour::afterToneMap(shape.colour);
    const colour::OutputColour& to = m_target.colour;
    const bool shrinks = static_cast<long long>(area.width) * area.height <
                         static_cast<long long>(shape.width) * shape.height;
    if (rgb || std::string(colour::scaleMatrixName(from.matrix)) == colour::scaleMatrixName(to.matrix)) {
        steps += colour::scaleStep(area.width, area.height, from.matrix, from.range, to.matrix, to.range, rgb);
    } else if (shrinks) {
        steps += colour::scaleStep(area.width, area.height, from.matrix, from.range, from.matrix, to.range, false) +
                 "," + colour::scaleStep(0, 0, from.matrix, to.range, to.matrix, to.range, false);
    } else {
        steps += colour::scaleStep(0, 0, from.matrix, from.range, to.matrix, to.range, false) + "," +
                 colour::scaleStep(area.width, area.height, to.matrix, to.range, to.matrix, to.range, false);
    }
    steps += std::string(",format=pix_fmts=") + (target ? target->name : "yuv420p");
    return steps;
}

bool PictureFilter::build(const Shape& shape) {
    const Orientation& orientation = shape.orientation;
    m_graph.reset();
    m_source = m_sink = nullptr;
    m_ended = false;
    if (av_image_check_size(shape.width, shape.height, 0, nullptr) < 0 || shape.format < 0) return false;
    const AVPixFmtDescriptor* target = av_pix_fmt_desc_get(m_target.format);
    if (!target) return false;
    ffmpeg::FilterGraph graph(avfilter_graph_alloc());
    if (!graph) return false;
    // Slice threads on every core, as the ffmpeg command line does, unless rows
    // running at once share the cores.
    graph->nb_threads = m_target.threads;
    const AVRational sar = shape.sampleAspect.num > 0 ? shape.sampleAspect : AVRational{1, 1};
    char args[256];
    std::snprintf(args, sizeof args, "video_size=%dx%d:pix_fmt=%d:time_base=%d/%d:pixel_aspect=%d/%d", shape.width,
                  shape.height, shape.format, m_streamTimeBase.num, m_streamTimeBase.den, sar.num, sar.den);
    AVFilterContext* source = nullptr;
    AVFilterContext* sink = nullptr;
    if (avfilter_graph_create_filter(&source, avfilter_get_by_name("buffer"), "in", args, nullptr, graph.get()) < 0 ||
        avfilter_graph_create_filter(&sink, avfilter_get_by_name("buffersink"), "out", nullptr, nullptr,
                                     graph.get()) < 0)
        return false;

    const double aspect = displayAspect(shape.width, shape.height, sar, orientation.quarterTurn);
    const ActiveArea area = fitInFrame(m_target.width, m_target.height, m_target.sampleAspect, aspect,
                                       1 << target->log2_chroma_w, 1 << target->log2_chroma_h);
    std::string chain;
    // One output picture per frame (both fields woven back into one), before any
    // scaling mixes the fields.
    if (shape.deinterlace)
        chain += std::string("bwdif=mode=send_frame:parity=auto:deint=") + (m_fieldsInterlaced ? "all," : "interlaced,");
    if (!orientation.filters.empty()) chain += orientation.filters + ",";
    chain += colourSteps(shape, area);
    if (!m_target.drawOn.empty()) chain += "," + m_target.drawOn;
    if (area.width != m_target.width || area.height != m_target.height) {
        char pad[128];
        std::snprintf(pad, sizeof pad, ",pad=w=%d:h=%d:x=%d:y=%d:color=black", m_target.width, m_target.height,
                      area.x, area.y);
        chain += pad;
    }

    InOut outputs = endPoint("in", source);
    InOut inputs = endPoint("out", sink);
    if (!outputs || !inputs) return false;
    AVFilterInOut* in = inputs.release();
    AVFilterInOut* out = outputs.release();
    const int parsed = avfilter_graph_parse_ptr(graph.get(), chain.c_str(), &in, &out, nullptr);
    avfilter_inout_free(&in);
    avfilter_inout_free(&out);
    if (parsed < 0 || avfilter_graph_config(graph.get(), nullptr) < 0) return false;

    m_graph = std::move(graph);
    m_source = source;
    m_sink = sink;
    m_shape = shape;
    m_active = area;
    m_timeBase = av_buffersink_get_time_base(sink);
    return true;
}

bool PictureFilter::send(AVFrame* decoded) {
    if (!decoded) {
        // A graph that cannot take the end simply keeps what it holds.
        const bool ended = !m_graph || m_ended || av_buffersrc_add_frame_flags(m_source, nullptr, 0) >= 0;
        m_ended = true;
        return ended;
    }
    const Shape shape = shapeOf(*decoded);
    if (!m_graph || m_ended || !(shape == m_shape)) {
        // A new shape starts a new graph; what the old one still held back is lost
        // (one picture at most, with the deinterlacer).
        if (std::find(m_failedShapes.begin(), m_failedShapes.end(), shape) != m_failedShapes.end()) return false;
        if (!build(shape)) {
            m_graph.reset();
            m_failedShapes.push_back(shape);
            return false;
        }
    }
    return av_buffersrc_add_frame_flags(m_source, decoded, AV_BUFFERSRC_FLAG_KEEP_REF) >= 0;
}

bool PictureFilter::receive(AVFrame* out) {
    if (!m_graph) return false;
    av_frame_unref(out);
    return av_buffersink_get_frame(m_sink, out) >= 0;
}

}  // namespace video
