#pragma once
// Subtitles burned into the picture. Text tracks (SRT, ASS/SSA, mov_text, WebVTT,
// in the source or in a file beside it) go through libavfilter's `subtitles`
// filter: libass draws them with their styles and the fonts attached to the source.
// The filter reads the track itself, so the row's packet loop never sees it.
// Bitmap tracks (PGS, DVD, DVB) come with the row's packets: BitmapSubtitles
// decodes them and lays each picture on the video with libavfilter's `overlay`.
// Worker thread only.

#include "engine/FfmpegPtr.h"
#include "engine/PictureFilter.h"
#include "engine/TrackChoice.h"

#include <cstdint>
#include <string>
#include <vector>

namespace subtitles {

// Escapes a text for one level of a filter graph description: the value of a
// filter option inside a graph is read twice (graph, then option), so a path is
// escaped for both ("a'b:c" -> "a\\\\\\'b\\\\:c").
std::string escapeForGraph(const std::string& value);

// The filter chain ("" when the track is not drawn this way: bitmap subtitles)
// that draws `track` of the source at sourcePath on pictures whose timestamps are
// the source's own. startSeconds: the source's start time; a file beside the
// source counts from the source's first moment, not from its timestamp origin.
std::string textFilter(const tracks::Track& track, const std::string& sourcePath, double startSeconds);

// The pictures of a bitmap subtitle track, each shown from its start to its end (or
// to the next one), laid on the active area of the output pictures.
class BitmapSubtitles {
public:
    // The track's decoder; false when it cannot be opened. frameWidth/Height: the
    // source picture's size, the canvas of a track that names none.
    bool open(const AVStream& stream, int frameWidth, int frameHeight, double startSeconds);
    int streamIndex() const { return m_streamIndex; }
    // One packet of the track.
    void decode(const AVPacket& packet);
    // Reads the track's packets of the moments before `seconds` (from the source's
    // start) from `input`, a second opening of the same source: a clip that begins
    // while a picture is on screen shows it from its first picture, although the
    // row's own seek lands after the packet that put it there. Looks back at most
    // kCueLookBackSeconds; stops at a failed read (a stop).
    static constexpr double kCueLookBackSeconds = 30.0;
    void readCuesBefore(AVFormatContext& input, double seconds);
    // Lays the subtitle showing at `seconds` (from the source's start) on
    // `picture`, scaled to the active area, into `out`. False when none shows or
    // it cannot be drawn (the picture goes out as it is).
    bool draw(const AVFrame& picture, double seconds, const video::ActiveArea& area, AVFrame* out);

private:
    struct Cue {
        double start = 0;
        double end = 0;
        ffmpeg::Frame canvas;  // packed RGB with alpha, the track's frame size
    };
    void addCue(const AVSubtitle& subtitle);
    bool buildGraph(const AVFrame& picture, const video::ActiveArea& area);

    ffmpeg::CodecContext m_decoder;
    int m_streamIndex = -1;
    int m_width = 0;
    int m_height = 0;
    double m_startSeconds = 0;
    std::vector<Cue> m_cues;
    ffmpeg::FilterGraph m_graph;
    AVFilterContext* m_main = nullptr;  // all three belong to m_graph
    AVFilterContext* m_overlay = nullptr;
    AVFilterContext* m_sink = nullptr;
    int m_graphWidth = 0, m_graphHeight = 0, m_graphFormat = -1;
    video::ActiveArea m_graphArea;
    std::int64_t m_pictures = 0;  // the graph's own clock: one tick per picture
};

}  // namespace subtitles
