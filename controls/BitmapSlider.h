#pragma once
// CBitmapSlider: a horizontal slider drawn entirely from bitmaps: a channel in two
// looks ("outside" and "inside" the begin/end marks) and a thumb that changes
// while dragged. Mouse and keyboard move the position; every change is reported
// to the owner as a signal carrying the control id and the new position:
//   sliderMoving(id, pos) - dragging moved the thumb to another position,
//                           including the jump when the button is pressed
//                           (a thumb pinned at an end stays quiet);
//   sliderMoved(id, pos)  - the button was released, or a navigation key pressed
//                           (even when the position did not change).
// Signals are emitted synchronously from the input handlers; the owner reads the
// slider's own position (GetPos) or the argument.
//
// Geometry (the formulas callers and tests rely on, see SliderGeometry):
//   track    = channelWidth - marginRight - marginLeft - thumbWidth
//   pixel(v) = marginLeft + (int)(track * (v - min) / (max - min)) + thumbWidth / 2
//   value(x) = (int)(min + (x - thumbWidth / 2 - marginLeft) / track * (max - min))
// A zero-width range (max == min) or a track of zero or less pins the thumb at its
// left end (pixel = marginLeft + thumbWidth / 2) and maps every pixel to min.
//
// UI thread only. Disabled sliders take no input (as a disabled window).

#include <QImage>

#include <functional>
#include <QWidget>

#include <vector>

struct SliderGeometry {
    int rangeMin = 0;
    int rangeMax = 100;
    int channelWidth = 0;
    int thumbWidth = 0;
    int marginLeft = 0;
    int marginRight = 0;

    int track() const { return channelWidth - marginRight - marginLeft - thumbWidth; }
    int pixelFromValue(int value) const;
    int valueFromPixel(int x) const;  // not clamped
    int minPixel() const { return marginLeft + thumbWidth / 2; }
    int maxPixel() const { return channelWidth - marginRight - thumbWidth / 2; }
};

// One piece of the channel: columns [x0, x1) copied from the named bitmap.
struct ChannelPiece {
    enum Source { Outside, Inside };
    Source source;
    int x0;
    int x1;
    bool operator==(const ChannelPiece&) const = default;
};

// The pieces the channel is drawn from for a mark mode, in drawing order (later
// pieces overdraw earlier ones). Pieces of zero or negative width are left out,
// so an end mark left of the begin mark shows the outside look between them.
std::vector<ChannelPiece> ChannelPieces(const SliderGeometry& geometry, int markMode,
                                        int beginMark, int endMark);

class CBitmapSlider : public QWidget {
    Q_OBJECT
public:
    explicit CBitmapSlider(QWidget* parent = nullptr, int controlId = 0);
    ~CBitmapSlider() override;

    int controlId() const { return m_controlId; }

    // Loads the outside and inside channel bitmaps by resource number and resizes
    // the widget (keeping its position) to the outside bitmap's size. On failure
    // keeps neither and returns false.
    bool SetChannelBitmaps(int outsideId, int insideId);
    bool SetChannelImages(const QImage& outside, const QImage& inside);

    // Loads the thumb bitmaps 308 (normal) and 309 (dragged); their top-left pixel
    // is the transparent colour. Without channel bitmaps the channel takes the
    // widget's size. Returns false if a load fails.
    bool SetThumbBitmaps();
    bool SetThumbImages(const QImage& normal, const QImage& dragged);

    void SetRange(int rangeMin, int rangeMax, bool redraw = true);
    void SetRangeMin(int rangeMin, bool redraw = true);
    void SetRangeMax(int rangeMax, bool redraw = true);
    void SetPos(int pos);
    void SetPageSize(int page) { m_page = page; }
    void SetMargins(int left, int top, int right, int bottom);
    void SetDrawFocusRect(bool draw) { m_drawFocusRect = draw; update(); }
    void SetBeginMark(int value);
    void SetEndMark(int value);
    void SetMarkMode(int mode);

    int GetPos() const { return m_pos; }
    int GetRangeMin() const { return m_rangeMin; }
    int GetRangeMax() const { return m_rangeMax; }
    int GetBeginMark() const { return m_beginMark; }
    int GetEndMark() const { return m_endMark; }
    int GetMarkMode() const { return m_markMode; }
    int GetPageSize() const { return m_page; }
    bool IsDragging() const { return m_dragging; }
    bool HasChannel() const { return m_hasChannel; }
    QSize ThumbSize() const { return {m_thumbWidth, m_thumbHeight}; }
    QSize ChannelSize() const { return {m_channelWidth, m_channelHeight}; }
    SliderGeometry Geometry() const;

    // Thumb centre pixel for `value` (the formula above).
    int PixelFromValue(int value) const { return Geometry().pixelFromValue(value); }

    QSize sizeHint() const override;

    // What a screen reader is told: positions times `unitsPerStep` (a volume in
    // per cent, a place in seconds), with `valueText` spelling a value out
    // ("1:02.5 of 3:00.0"). Default: the raw positions.
    void SetAccessibleScale(double unitsPerStep, std::function<QString(double)> valueText = {}) {
        m_accessibleScale = unitsPerStep > 0 ? unitsPerStep : 1.0;
        m_accessibleText = std::move(valueText);
    }
    double AccessibleScale() const { return m_accessibleScale; }
    QString AccessibleText(double value) const { return m_accessibleText ? m_accessibleText(value) : QString(); }

signals:
    void sliderMoving(int controlId, int pos);
    void sliderMoved(int controlId, int pos);

protected:
    void paintEvent(QPaintEvent* event) override;
    // A slider made wider or narrower than its channel bitmaps (a resizable
    // window) stretches their middle and keeps their rounded ends.
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    int clamp(int value) const;
    void moveTo(int pointerX);

    int m_controlId;
    int m_rangeMin = 0;
    int m_rangeMax = 100;
    int m_pos = 0;
    int m_page = 20;
    int m_channelWidth = 0;
    int m_channelHeight = 0;
    int m_thumbWidth = 0;
    int m_thumbHeight = 0;
    int m_marginLeft = 0;
    int m_marginTop = 0;
    int m_marginRight = 0;
    int m_marginBottom = 0;
    int m_beginMark = 0;
    int m_endMark = 0;
    int m_markMode = 0;
    int m_dragOffset = 0;
    bool m_dragging = false;
    bool m_hasFocus = false;
    bool m_drawFocusRect = true;
    bool m_hasChannel = false;
    bool m_hasThumb = false;
    QImage m_outside;
    QImage m_inside;
    QImage m_outsideSource;  // the bitmaps as loaded, for other widths
    QImage m_insideSource;
    QImage m_thumb;         // transparent pixels already cleared (alpha 0)
    QImage m_thumbDragged;  // likewise, through the normal thumb's mask
    double m_accessibleScale = 1.0;
    std::function<QString(double)> m_accessibleText;
};
