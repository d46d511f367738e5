#include "engine/SubtitleBurn.h"

#include <cmath>
#include <cstdio>

namespace subtitles {
namespace {

std::string escapeLevel(const std::string& value, const char* specials) {
    std::string out;
    for (char c : value) {
        if (c == '\\' || std::string_view(specials).find(c) != std::string_view::npos) out += '\\';
        out += c;
    }
    return out;
}

}  // namespace

std::string escapeForGraph(const std::string& value) {
    // Inner level: the option parser's separators; outer level: the graph's.
    return escapeLevel(escapeLevel(value, "':"), "'[],;");
}

std::string textFilter(const tracks::Track& track, const std::string& sourcePath, double startSeconds) {
    if (track.bitmap || track.kind != tracks::TrackKind::Subtitle) return {};
    if (track.file.empty()) {
        // si counts the source's subtitle streams, as kindIndex does.
        return "subtitles=filename=" + escapeForGraph(sourcePath) + ":si=" + std::to_string(track.kindIndex);
    }
    const std::string draw = "subtitles=filename=" + escapeForGraph(track.file);
    if (!std::isfinite(startSeconds) || std::fabs(startSeconds) < 1e-6) return draw;
    char shift[64];
    std::snprintf(shift, sizeof shift, "%.6f/TB", startSeconds);
    return std::string("setpts=PTS-") + shift + "," + draw + ",setpts=PTS+" + shift;
}

}  // namespace subtitles

extern "C" {
#include <libavfilter/buffersink.h>
#include <libavfilter/buffersrc.h>
#include <libavutil/pixdesc.h>
}

#include <algorithm>
#include <cstring>
#include <limits>

namespace subtitles {
namespace {

constexpr double kUntilNext = std::numeric_limits<double>::infinity();

// Paints the bitmap rectangles of a subtitle (palette pictures) on a clear canvas.
ffmpeg::Frame paint(const AVSubtitle& subtitle, int width, int height) {
    ffmpeg::Frame canvas = ffmpeg::makeFrame();
    if (!canvas) return nullptr;
    canvas->format = AV_PIX_FMT_RGB32;  // the palette's own layout: ARGB in native order
    canvas->width = width;
    canvas->height = height;
    if (av_frame_get_buffer(canvas.get(), 0) < 0) return nullptr;
    for (int y = 0; y < height; ++y) std::memset(canvas->data[0] + y * canvas->linesize[0], 0, std::size_t(width) * 4);
    for (unsigned r = 0; r < subtitle.num_rects; ++r) {
        const AVSubtitleRect& rect = *subtitle.rects[r];
        if (rect.type != SUBTITLE_BITMAP || !rect.data[0] || !rect.data[1]) continue;
        const auto* palette = reinterpret_cast<const std::uint32_t*>(rect.data[1]);
        for (int y = 0; y < rect.h; ++y) {
            if (rect.y + y < 0 || rect.y + y >= height) continue;
            auto* row = reinterpret_cast<std::uint32_t*>(canvas->data[0] + (rect.y + y) * canvas->linesize[0]);
            for (int x = 0; x < rect.w; ++x) {
                if (rect.x + x < 0 || rect.x + x >= width) continue;
                const std::uint8_t index = rect.data[0][y * rect.linesize[0] + x];
                if (index < rect.nb_colors) row[rect.x + x] = palette[index];
            }
        }
    }
    return canvas;
}

}  // namespace

bool BitmapSubtitles::open(const AVStream& stream, int frameWidth, int frameHeight, double startSeconds) {
    const AVCodec* codec = avcodec_find_decoder(stream.codecpar->codec_id);
    if (!codec) return false;
    ffmpeg::CodecContext ctx(avcodec_alloc_context3(codec));
    if (!ctx || avcodec_parameters_to_context(ctx.get(), stream.codecpar) < 0) return false;
    ctx->pkt_timebase = stream.time_base;
    if (avcodec_open2(ctx.get(), codec, nullptr) < 0) return false;
    m_width = ctx->width > 0 ? ctx->width : frameWidth;
    m_height = ctx->height > 0 ? ctx->height : frameHeight;
    if (m_width <= 0 || m_height <= 0) return false;
    m_decoder = std::move(ctx);
    m_streamIndex = stream.index;
    m_startSeconds = startSeconds;
    return true;
}

void BitmapSubtitles::decode(const AVPacket& packet) {
    if (!m_decoder) return;
    AVSubtitle subtitle{};
    int got = 0;
    AVPacket* raw = const_cast<AVPacket*>(&packet);  // the decoder only reads it
    if (avcodec_decode_subtitle2(m_decoder.get(), &subtitle, &got, raw) >= 0 && got) addCue(subtitle);
    if (got) avsubtitle_free(&subtitle);
}

void BitmapSubtitles::readCuesBefore(AVFormatContext& input, double seconds) {
    if (!m_decoder || m_streamIndex < 0 || m_streamIndex >= static_cast<int>(input.nb_streams)) return;
    const double from = m_startSeconds + seconds - kCueLookBackSeconds;
    if (from > m_startSeconds) av_seek_frame(&input, -1, static_cast<std::int64_t>(from * AV_TIME_BASE), AVSEEK_FLAG_BACKWARD);
    ffmpeg::Packet packet = ffmpeg::makePacket();
    if (!packet) return;
    // Every stream's packets are looked at (none decoded): the times of the others
    // tell when the clip's begin has passed, even when the track has nothing more.
    constexpr double kPastTheBegin = 1.0;
    while (av_read_frame(&input, packet.get()) >= 0) {
        const AVStream& stream = *input.streams[packet->stream_index];
        const std::int64_t stamp = packet->pts != AV_NOPTS_VALUE ? packet->pts : packet->dts;
        const double at = stamp == AV_NOPTS_VALUE ? NAN : stamp * av_q2d(stream.time_base) - m_startSeconds;
        const bool ours = packet->stream_index == m_streamIndex;
        if (ours && std::isfinite(at) && at < seconds) decode(*packet);
        av_packet_unref(packet.get());
        if (std::isfinite(at) && at >= (ours ? seconds : seconds + kPastTheBegin)) break;
    }
    // The row's own packets from its seek point come again: a cue read twice ends
    // its first copy where the second begins, which shows the same.
}

void BitmapSubtitles::addCue(const AVSubtitle& subtitle) {
    if (subtitle.pts == AV_NOPTS_VALUE) return;
    const double at = static_cast<double>(subtitle.pts) / AV_TIME_BASE - m_startSeconds;
    const double start = at + subtitle.start_display_time / 1000.0;
    // A new picture (or an empty one, which clears the screen) ends the one before.
    for (Cue& cue : m_cues) cue.end = std::min(cue.end, start);
    if (subtitle.num_rects == 0) return;
    Cue cue;
    cue.start = start;
    const std::uint32_t shown = subtitle.end_display_time;
    cue.end = shown > subtitle.start_display_time && shown != UINT32_MAX ? at + shown / 1000.0 : kUntilNext;
    cue.canvas = paint(subtitle, m_width, m_height);
    if (cue.canvas) m_cues.push_back(std::move(cue));
}

bool BitmapSubtitles::buildGraph(const AVFrame& picture, const video::ActiveArea& area) {
    m_graph.reset();
    m_main = m_overlay = m_sink = nullptr;
    ffmpeg::FilterGraph graph(avfilter_graph_alloc());
    const char* format = av_get_pix_fmt_name(static_cast<AVPixelFormat>(picture.format));
    if (!graph || !format || area.width <= 0 || area.height <= 0) return false;
    char args[160];
    std::snprintf(args, sizeof args, "video_size=%dx%d:pix_fmt=%d:time_base=1/25:pixel_aspect=1/1", picture.width,
                  picture.height, picture.format);
    AVFilterContext *main = nullptr, *overlay = nullptr, *sink = nullptr, *scale = nullptr, *merge = nullptr,
                    *back = nullptr;
    char subArgs[160];
    std::snprintf(subArgs, sizeof subArgs, "video_size=%dx%d:pix_fmt=%d:time_base=1/25:pixel_aspect=1/1", m_width,
                  m_height, AV_PIX_FMT_RGB32);
    char scaleArgs[64], mergeArgs[96], backArgs[64];
    std::snprintf(scaleArgs, sizeof scaleArgs, "w=%d:h=%d", area.width, area.height);
    std::snprintf(mergeArgs, sizeof mergeArgs, "x=%d:y=%d:eof_action=pass:repeatlast=0", area.x, area.y);
    std::snprintf(backArgs, sizeof backArgs, "pix_fmts=%s", format);
    AVFilterGraph* g = graph.get();
    if (avfilter_graph_create_filter(&main, avfilter_get_by_name("buffer"), "main", args, nullptr, g) < 0 ||
        avfilter_graph_create_filter(&overlay, avfilter_get_by_name("buffer"), "sub", subArgs, nullptr, g) < 0 ||
        avfilter_graph_create_filter(&scale, avfilter_get_by_name("scale"), "fit", scaleArgs, nullptr, g) < 0 ||
        avfilter_graph_create_filter(&merge, avfilter_get_by_name("overlay"), "lay", mergeArgs, nullptr, g) < 0 ||
        avfilter_graph_create_filter(&back, avfilter_get_by_name("format"), "back", backArgs, nullptr, g) < 0 ||
        avfilter_graph_create_filter(&sink, avfilter_get_by_name("buffersink"), "out", nullptr, nullptr, g) < 0)
        return false;
    if (avfilter_link(main, 0, merge, 0) < 0 || avfilter_link(overlay, 0, scale, 0) < 0 ||
        avfilter_link(scale, 0, merge, 1) < 0 || avfilter_link(merge, 0, back, 0) < 0 ||
        avfilter_link(back, 0, sink, 0) < 0 || avfilter_graph_config(g, nullptr) < 0)
        return false;
    m_graph = std::move(graph);
    m_main = main;
    m_overlay = overlay;
    m_sink = sink;
    m_graphWidth = picture.width;
    m_graphHeight = picture.height;
    m_graphFormat = picture.format;
    m_graphArea = area;
    return true;
}

bool BitmapSubtitles::draw(const AVFrame& picture, double seconds, const video::ActiveArea& area, AVFrame* out) {
    // Cues that ended are no longer needed.
    m_cues.erase(std::remove_if(m_cues.begin(), m_cues.end(), [seconds](const Cue& c) { return c.end <= seconds; }),
                 m_cues.end());
    const Cue* showing = nullptr;
    for (const Cue& cue : m_cues)
        if (cue.start <= seconds && seconds < cue.end) showing = &cue;
    if (!showing || !out) return false;
    if (!m_graph || picture.width != m_graphWidth || picture.height != m_graphHeight ||
        picture.format != m_graphFormat || !(area == m_graphArea)) {
        if (!buildGraph(picture, area)) return false;
    }
    // Both inputs get a picture of the same time, so overlay pairs them at once.
    ffmpeg::Frame main(av_frame_clone(&picture));
    ffmpeg::Frame canvas(av_frame_clone(showing->canvas.get()));
    if (!main || !canvas) return false;
    main->pts = canvas->pts = m_pictures++;
    main->sample_aspect_ratio = {1, 1};
    if (av_buffersrc_add_frame(m_main, main.get()) < 0 || av_buffersrc_add_frame(m_overlay, canvas.get()) < 0)
        return false;
    av_frame_unref(out);
    if (av_buffersink_get_frame(m_sink, out) < 0) return false;
    out->pts = picture.pts;
    out->pkt_duration = picture.pkt_duration;
    out->sample_aspect_ratio = picture.sample_aspect_ratio;
    return true;
}

}  // namespace subtitles
