#pragma once
// Where the worker shows the pictures it converts. The worker calls these on its
// own thread; an implementation that hands pictures to a GUI must copy the planes
// before returning and must not block for long. The worker never calls a sink
// while the job's previewOff flag is set (rowBegins/rowEnds still come).

#include <cstdint>

struct PreviewPicture {
    static constexpr int kWidth = 160;
    static constexpr int kHeight = 120;
    // Planar YUV 4:2:0: Y is kWidth x kHeight, U and V are half size each way.
    const std::uint8_t* y = nullptr;
    const std::uint8_t* u = nullptr;
    const std::uint8_t* v = nullptr;
    int yStride = 0;
    int uStride = 0;
    int vStride = 0;
    // The part of the frame the picture covers at its display shape; the rest is
    // black. A window bigger than 160x120 shows just this part, fitted to itself.
    int areaX = 0;
    int areaY = 0;
    int areaWidth = kWidth;
    int areaHeight = kHeight;
};

class PreviewSink {
public:
    virtual ~PreviewSink() = default;
    virtual void rowBegins(int row) = 0;
    virtual void picture(int row, const PreviewPicture& picture) = 0;
    virtual void rowEnds(int row) = 0;
};
