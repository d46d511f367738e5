#pragma once
// CLabel: a static text that paints its own background and text in one pass (no
// flicker when the owner changes the text several times a second, as the progress
// window does). The owner sets the text with setText(); the look follows the
// static style bits it was given (SS_CENTER, SS_RIGHT, SS_LEFTNOWORDWRAP,
// SS_CENTERIMAGE), mapped by LabelTextFormat. UI thread only.

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QLabel>

#include <utility>
#include <vector>

// Static control styles (their Windows values), as far as labels use them.
namespace staticstyle {
constexpr unsigned kLeft = 0x0;
constexpr unsigned kCenter = 0x1;
constexpr unsigned kRight = 0x2;
constexpr unsigned kLeftNoWordWrap = 0xC;
constexpr unsigned kTypeMask = 0x1F;
constexpr unsigned kNotify = 0x100;
constexpr unsigned kCenterImage = 0x200;
}  // namespace staticstyle

// How a label draws `text` under static style `style`: Qt alignment and text flags
// for QPainter::drawText (word wrap, single line, tab expansion).
int LabelTextFormat(unsigned style, const QString& text);

// `font` made smaller, down to three quarters of its size, until `text` is at most
// `width` pixels wide: a longer text of another language still fits a fixed box.
QFont FittedFont(QFont font, const QString& text, int width);

// Fits a caption (a label or a check box) into its fixed box when another language's
// text is longer than the box: the box first grows to the right up to `widest`
// pixels (its x + width), then the font shrinks as FittedFont does, and only then
// is the text cut with an ellipsis, the whole text going to its tooltip and its
// accessible name.
void FitCaption(QWidget& caption, int widest);

// Captions on the lines of their fields (a column of them): when a caption of another
// language is wider than its box, every field of the column gives up the same
// width, up to `maxShare` of its own, so the fields stay aligned; what still does not
// fit is fitted by FitCaption.
void GiveCaptionsRoom(const std::vector<std::pair<QLabel*, QWidget*>>& column, double maxShare);

// Grows `label` to the height a line of its font needs for nothing of it to be
// cut: the font's height rounded to whole pixels can be short of the underscore's
// and the descenders' ink at a large scale ("b_life.avi" read "b life.avi"). A
// text drawn from the top grows downward; a vertically centred one grows both
// ways and stays on its line.
void GiveFullLineHeight(QLabel& label);

// `name` (a file name) cut in its middle with an ellipsis to at most `width`
// pixels, its start and extension kept: "long run_t…33x187.mp4". The whole name
// when it fits; empty when not even its first letter, the ellipsis and the
// extension fit.
QString ElideFileName(const QFontMetrics& metrics, const QString& name, int width);

class CLabel : public QLabel {
    Q_OBJECT
public:
    explicit CLabel(QWidget* parent = nullptr, int controlId = 0,
                    const QString& text = QString(), unsigned style = staticstyle::kLeft);

    int controlId() const { return m_controlId; }
    void SetStaticStyle(unsigned style);
    unsigned StaticStyle() const { return m_style; }

    void SetTextColour(const QColor& colour);
    QColor TextColour() const { return m_textColour; }
    // Background fill; defaults to the window (button-face) colour of the palette
    // and follows palette changes until set explicitly.
    void SetBackgroundColour(const QColor& colour);
    QColor BackgroundColour() const;

    // The text as drawn: the whole text, or, when another language's longer text
    // does not fit the fixed box, its first line cut with an ellipsis; the
    // tooltip then holds the whole text.
    QString DisplayedText() const;

    // Sets a one-line text in which the file name at [nameFrom, nameFrom +
    // nameLength) is what gets cut when the text is too long: in its middle, its
    // start and extension kept, so what follows it ("40% has completed") stays
    // readable. A later setText() forgets the name.
    void SetTextWithName(const QString& text, int nameFrom, int nameLength);

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // The tooltip holds the whole text while `shown` is cut, and goes when it is not.
    void updateCutTip(const QString& shown);

    int m_controlId;
    unsigned m_style;
    QColor m_textColour;
    QColor m_background;  // invalid = follow the palette
    bool m_tipIsText = false;  // the tooltip was set to the cut text
    // The text SetTextWithName was given and where its name is in it.
    QString m_namedText;
    int m_nameFrom = 0;
    int m_nameLength = 0;
};
