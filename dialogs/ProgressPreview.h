#pragma once
// The progress window's live preview: a PreviewSink that takes the worker's
// 160x120 pictures on the worker thread and hands the newest one to the UI thread.
//
// Threads: rowBegins/picture/rowEnds are called by the worker; they copy the
// planes under a lock and return at once (the worker never waits for drawing).
// TakePicture and SetNotify belong to the UI thread. Pictures are not queued: a
// picture the UI has not taken yet is replaced by the next one, so a slow screen
// only drops pictures and never slows the conversion down.

#include "engine/PreviewSink.h"

#include <QImage>
#include <QRect>

#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <vector>

// BT.601 limited-range YUV 4:2:0 (160x120) to an RGB32 image of the same size.
QImage PreviewPictureToImage(const std::uint8_t* y, int yStride, const std::uint8_t* u, int uStride,
                             const std::uint8_t* v, int vStride);

class ProgressPreview : public PreviewSink {
public:
    ProgressPreview();

    // Worker thread.
    void rowBegins(int row) override;
    void picture(int row, const PreviewPicture& picture) override;
    void rowEnds(int row) override;

    // UI thread: the newest picture stored since the last call, or a null image
    // when none came in between. Just the part the worker's picture covers (a 16:9
    // source: 160x90), with square pixels, so it can be fitted at its shape.
    QImage TakePicture();

    // UI thread, before a worker runs: `notify` is called on the worker thread
    // once after a picture arrives, and again only after TakePicture has taken it,
    // so a queued repaint request is never posted twice for one picture.
    void SetNotify(std::function<void()> notify);

    // Pictures stored since construction (for tests and diagnostics).
    int PictureCount() const { return m_count.load(std::memory_order_relaxed); }

private:
    std::mutex m_mutex;
    std::vector<std::uint8_t> m_y;
    std::vector<std::uint8_t> m_u;
    std::vector<std::uint8_t> m_v;
    QRect m_area;
    bool m_fresh = false;
    std::atomic<bool> m_notifyPending{false};
    std::atomic<int> m_count{0};
    std::function<void()> m_notify;
};
