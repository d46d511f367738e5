#pragma once
// Converts a decoded picture into the caller's 24-bit bottom-up B, G, R layout at
// the caller's size. Keeps one scaler and one scratch picture between calls, so
// repeated conversions of same-sized pictures allocate nothing.
// Not thread-safe: one owner calls it (the player does so under its lock).

#include "engine/FfmpegPtr.h"

#include <cstdint>
#include <vector>

namespace player {

class PictureConverter {
public:
    // Largest side accepted for a destination; larger requests are refused.
    static constexpr int kMaxSide = 16384;

    // Fills dst (width * height * 3 bytes, rows of exactly width * 3 bytes, the
    // bottom row first) with `src` scaled to width x height. A null or empty
    // source gives black. Returns false (and writes nothing) when dst is null or
    // the size is out of range.
    bool convert(const AVFrame* src, std::uint8_t* dst, int width, int height);

private:
    ffmpeg::Sws m_sws;
    std::vector<std::uint8_t> m_scratch;  // top-down B, G, R rows from the scaler
};

}  // namespace player
