#include "player/PictureConverter.h"

#include <cstring>

namespace player {

bool PictureConverter::convert(const AVFrame* src, std::uint8_t* dst, int width, int height) {
    if (!dst || width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide) return false;
    const std::size_t rowBytes = static_cast<std::size_t>(width) * 3;
    const std::size_t total = rowBytes * static_cast<std::size_t>(height);
    if (!src || src->width <= 0 || src->height <= 0 || src->format < 0) {
        std::memset(dst, 0, total);
        return true;
    }
    SwsContext* sws = sws_getCachedContext(m_sws.release(), src->width, src->height,
                                           static_cast<AVPixelFormat>(src->format), width, height,
                                           AV_PIX_FMT_BGR24, SWS_BILINEAR, nullptr, nullptr, nullptr);
    m_sws.reset(sws);
    if (!sws) {
        std::memset(dst, 0, total);
        return true;
    }
    // The scaler writes top-down into scratch; the caller wants the bottom row
    // first, so the rows are copied in reverse. (A negative destination stride
    // would avoid the copy but is not supported by every scaler path.)
    // Slack behind the picture: the scaler's packed-RGB writers store whole machine
    // words and run a few bytes past the last pixel.
    m_scratch.resize(total + AV_INPUT_BUFFER_PADDING_SIZE);
    std::uint8_t* planes[4] = {m_scratch.data(), nullptr, nullptr, nullptr};
    int strides[4] = {static_cast<int>(rowBytes), 0, 0, 0};
    int rows = sws_scale(sws, src->data, src->linesize, 0, src->height, planes, strides);
    if (rows != height) {
        std::memset(dst, 0, total);
        return true;
    }
    for (int y = 0; y < height; ++y) {
        std::memcpy(dst + static_cast<std::size_t>(height - 1 - y) * rowBytes,
                    m_scratch.data() + static_cast<std::size_t>(y) * rowBytes, rowBytes);
    }
    return true;
}

}  // namespace player
