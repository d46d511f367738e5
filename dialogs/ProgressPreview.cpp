#include "dialogs/ProgressPreview.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr int kW = PreviewPicture::kWidth;
constexpr int kH = PreviewPicture::kHeight;
constexpr int kChromaW = kW / 2;
constexpr int kChromaH = kH / 2;

inline int clampByte(int value) { return std::clamp(value, 0, 255); }

// Copies `rows` rows of `width` bytes from a strided plane into a packed one.
void copyPlane(std::vector<std::uint8_t>& to, const std::uint8_t* from, int stride, int width, int rows) {
    to.resize(static_cast<std::size_t>(width) * rows);
    for (int r = 0; r < rows; ++r)
        std::memcpy(to.data() + static_cast<std::size_t>(r) * width, from + static_cast<std::ptrdiff_t>(r) * stride,
                    static_cast<std::size_t>(width));
}

}  // namespace

QImage PreviewPictureToImage(const std::uint8_t* y, int yStride, const std::uint8_t* u, int uStride,
                             const std::uint8_t* v, int vStride) {
    QImage image(kW, kH, QImage::Format_RGB32);
    for (int row = 0; row < kH; ++row) {
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(row));
        const std::uint8_t* yRow = y + static_cast<std::ptrdiff_t>(row) * yStride;
        const std::uint8_t* uRow = u + static_cast<std::ptrdiff_t>(row / 2) * uStride;
        const std::uint8_t* vRow = v + static_cast<std::ptrdiff_t>(row / 2) * vStride;
        for (int col = 0; col < kW; ++col) {
            // Integer BT.601 (studio swing), the matrix the preview scaler produces.
            const int c = 298 * (yRow[col] - 16);
            const int d = uRow[col / 2] - 128;
            const int e = vRow[col / 2] - 128;
            out[col] = qRgb(clampByte((c + 409 * e + 128) >> 8), clampByte((c - 100 * d - 208 * e + 128) >> 8),
                            clampByte((c + 516 * d + 128) >> 8));
        }
    }
    return image;
}

ProgressPreview::ProgressPreview() = default;

void ProgressPreview::rowBegins(int) {}

void ProgressPreview::picture(int, const PreviewPicture& picture) {
    if (!picture.y || !picture.u || !picture.v) return;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        copyPlane(m_y, picture.y, picture.yStride, kW, kH);
        copyPlane(m_u, picture.u, picture.uStride, kChromaW, kChromaH);
        copyPlane(m_v, picture.v, picture.vStride, kChromaW, kChromaH);
        // An area outside the frame (a sink that does not fill it in) shows the whole frame.
        const QRect frame(0, 0, kW, kH);
        const QRect area(picture.areaX, picture.areaY, picture.areaWidth, picture.areaHeight);
        m_area = frame.contains(area) && !area.isEmpty() ? area : frame;
        m_fresh = true;
    }
    m_count.fetch_add(1, std::memory_order_relaxed);
    if (m_notify && !m_notifyPending.exchange(true, std::memory_order_acq_rel)) m_notify();
}

void ProgressPreview::rowEnds(int) {}

QImage ProgressPreview::TakePicture() {
    QImage image;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_fresh) {
            image = PreviewPictureToImage(m_y.data(), kW, m_u.data(), kChromaW, m_v.data(), kChromaW);
            if (m_area != image.rect()) image = image.copy(m_area);
            m_fresh = false;
        }
    }
    m_notifyPending.store(false, std::memory_order_release);
    return image;
}

void ProgressPreview::SetNotify(std::function<void()> notify) { m_notify = std::move(notify); }
