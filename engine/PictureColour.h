#pragma once
// The one place that decides the colours of a video output: which matrix, range,
// primaries and transfer the encoder's pictures have and are tagged with, and how a
// source picture's colours get there (HDR tone-mapping, matrix and range
// conversion, transparency). PictureFilter turns the decisions into filter steps;
// the encoder is tagged from the same decisions. Pure functions, any thread.
//
// The rules: standard-definition frames are BT.601 (the players these outputs are
// for assume it, and most of their containers carry no tags), high-definition
// frames BT.709; Motion JPEG is JFIF's full-range BT.601 whatever its size. A
// source says what it is through its pictures, else its stream; an untagged source
// is taken as BT.709 from 1280x720 up and BT.601 below. PQ and HLG sources are
// tone-mapped to SDR BT.709 first.

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/pixfmt.h>
}

#include <string>

namespace colour {

// What a source picture's values mean.
struct SourceColour {
    AVColorSpace matrix = AVCOL_SPC_UNSPECIFIED;  // never unspecified after sourceColourOf
    AVColorPrimaries primaries = AVCOL_PRI_UNSPECIFIED;
    AVColorTransferCharacteristic transfer = AVCOL_TRC_UNSPECIFIED;
    AVColorRange range = AVCOL_RANGE_UNSPECIFIED;  // never unspecified after sourceColourOf
    // The brightest content over reference white (100 cd/m²), from the content
    // light level or the mastering display; 0 when neither is known.
    double peak = 0;
    bool operator==(const SourceColour&) const = default;
};

// The colours of a decoded picture: its own tags, the stream's where it has none,
// the size rule where neither says. stream may be nullptr (no side data).
SourceColour sourceColourOf(const AVFrame& frame, const AVStream* stream);

// What the output's pictures are, and what every output stream is tagged with.
struct OutputColour {
    AVColorSpace matrix = AVCOL_SPC_BT709;
    AVColorPrimaries primaries = AVCOL_PRI_BT709;
    AVColorTransferCharacteristic transfer = AVCOL_TRC_BT709;
    AVColorRange range = AVCOL_RANGE_MPEG;
    bool operator==(const OutputColour&) const = default;
};
OutputColour outputColourFor(int width, int height, AVPixelFormat encoderFormat);

// Tags an encoder (before it is opened) so the codec and the muxer write them.
void tagEncoder(AVCodecContext& encoder, const OutputColour& colour);

// PQ (SMPTE ST 2084) or HLG (ARIB STD-B67).
bool isHighDynamicRange(AVColorTransferCharacteristic transfer);
// The tone-mapper's peak: the source's own, else 100 for PQ (10,000 cd/m²) and 10
// for HLG (a 1,000 cd/m² display).
double toneMapPeak(const SourceColour& source);

// The libavfilter steps that bring an HDR picture to SDR BT.709 limited range
// (8-bit 4:2:0); "" for an SDR source. Ends with a comma when not empty.
std::string toneMapSteps(const SourceColour& source);
// The colours a picture has after toneMapSteps.
SourceColour afterToneMap(const SourceColour& source);

// One scale step: to width x height (0: the picture's own size) and from one
// matrix and range to another. A YUV picture whose matrix changes goes through RGB
// inside the scaler, so the picture filter changes it where the picture is smaller.
std::string scaleStep(int width, int height, AVColorSpace fromMatrix, AVColorRange fromRange,
                      AVColorSpace toMatrix, AVColorRange toRange, bool sourceIsRgb);

// The libavfilter name of a matrix for the scale step ("bt601", "bt709", …).
const char* scaleMatrixName(AVColorSpace matrix);

}  // namespace colour
