#pragma once
// The picture steps between decoder and encoder: deinterlacing, tone-mapping HDR,
// compositing transparent pictures on black, bringing the colours to the output's
// (PictureColour decides how), turning the picture
// upright as the source's display matrix says, and fitting its displayed shape into
// the output frame (scaled with proportions kept, black bars where the shape
// differs, the output's sample aspect ratio absorbing the rest). One libavfilter
// graph per source picture shape, built on the first picture of that shape and
// rebuilt only when the shape changes; a shape whose graph cannot be built is
// remembered and its pictures skipped, so a broken header costs one attempt, not
// one per picture. Worker thread only.

#include "engine/FfmpegPtr.h"
#include "engine/PictureColour.h"

#include <cstdint>
#include <string>
#include <vector>

namespace video {

// ---- Pure geometry, testable without media ----

// How a display matrix turns the coded picture: the libavfilter chain that makes it
// upright ("" when it already is) and whether width and height trade places.
struct Orientation {
    std::string filters;
    bool quarterTurn = false;
};
// matrix: the 3x3 display matrix of a stream or frame, or nullptr (upright).
Orientation orientationOf(const std::int32_t* matrix);
// A stream's display matrix (nullptr: none) and its sample aspect ratio (the
// stream's own, else its codec's; 0/1 when neither says).
const std::int32_t* streamDisplayMatrix(const AVStream& stream);
AVRational streamSampleAspect(const AVStream& stream);

// Width over height of the picture as displayed: coded size times the sample
// aspect ratio (unset counts as square), turned when quarterTurn is set.
double displayAspect(int width, int height, AVRational sampleAspect, bool quarterTurn);

// The sample aspect ratio of the output's pixels. Codecs that carry one (H.264,
// MPEG-2, MPEG-4 Part 2) on a standard-definition broadcast frame (720x480,
// 720x576, 704x…, 352x…, 480x…) get the ratio that makes the frame display at 4:3
// or 16:9, whichever is nearer the source, so a 16:9 source fills 720x480
// anamorphically as on a DVD; every other output has square pixels.
AVRational outputSampleAspect(int legacyCodecId, int width, int height, double sourceAspect);

// Where the source picture lands in the output frame: the largest rectangle of the
// source's displayed shape that fits, centred. Offsets and sizes are multiples of
// the chroma alignment; a shape within 1 % of the frame's fills it (no slivers).
struct ActiveArea {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool operator==(const ActiveArea&) const = default;
};
ActiveArea fitInFrame(int frameWidth, int frameHeight, AVRational frameSampleAspect, double sourceAspect,
                      int alignX = 2, int alignY = 2);

// ---- The graph ----

// What the filtered pictures must look like: the encoder's frame.
struct FilterTarget {
    int width = 0;
    int height = 0;
    AVPixelFormat format = AV_PIX_FMT_YUV420P;
    AVRational sampleAspect{1, 1};
    int threads = 0;  // slice threads; 0 = one per core (rows running at once share them)
    colour::OutputColour colour;  // what the encoder's pictures are tagged as
    std::string drawOn;  // filters drawing on the scaled picture (burned subtitles); "" = none
};

class PictureFilter {
public:
    // The output frame, and the source stream: its time base stamps the pictures,
    // its display matrix and field order apply to every picture of the row. Without
    // a stream (a picture made for sound alone) the pictures are taken as they are.
    void setTarget(const FilterTarget& target, const AVStream* stream);

    // Sends one decoded picture (its pts must be set, in the stream's time base);
    // nullptr sends the end of the source. False when the picture was skipped
    // because its shape cannot be filtered.
    bool send(AVFrame* decoded);
    // Moves the next filtered picture into `out`; false when none is ready.
    bool receive(AVFrame* out);
    // The time base of the filtered pictures' pts.
    AVRational timeBase() const { return m_timeBase; }
    // Where the last graph puts the source picture inside the frame.
    const ActiveArea& active() const { return m_active; }

private:
    struct Shape {
        int width = 0;
        int height = 0;
        int format = -1;
        AVRational sampleAspect{0, 1};
        bool deinterlace = false;
        Orientation orientation;
        colour::SourceColour colour;
        bool operator==(const Shape& other) const {
            return width == other.width && height == other.height && format == other.format &&
                   av_cmp_q(sampleAspect, other.sampleAspect) == 0 && deinterlace == other.deinterlace &&
                   orientation.filters == other.orientation.filters && colour == other.colour;
        }
    };
    Shape shapeOf(const AVFrame& frame);
    const std::int32_t* matrixFor(const AVFrame& frame) const;
    bool build(const Shape& shape);

    std::string colourSteps(const Shape& shape, const ActiveArea& area) const;

    FilterTarget m_target;
    const AVStream* m_stream = nullptr;  // the source's; outlives the filter
    AVRational m_streamTimeBase{1, 90000};
    AVRational m_streamSampleAspect{0, 1};
    std::vector<std::int32_t> m_streamMatrix;  // empty: none
    bool m_fieldsInterlaced = false;           // the stream says its fields are interlaced
    bool m_interlacedSeen = false;             // a picture said so: stays on for the row

    ffmpeg::FilterGraph m_graph;
    AVFilterContext* m_source = nullptr;  // both belong to m_graph
    AVFilterContext* m_sink = nullptr;
    Shape m_shape;
    bool m_ended = false;
    std::vector<Shape> m_failedShapes;
    AVRational m_timeBase{1, 90000};
    ActiveArea m_active;
};

}  // namespace video
