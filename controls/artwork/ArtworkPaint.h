#pragma once
// Painters behind Artwork.cpp's table: the skin's colours, the button faces and
// their glyphs, the slider pieces and the larger pictures. Each function paints a
// whole picture from nothing, so the same number always gives the same pixels.

#include <QFont>
#include <QStringList>
#include <QImage>
#include <QRectF>
#include <QString>

class QPainter;

namespace artwork::paint {

enum class Look { Normal, Hover, Disabled };
enum class Face { Tile, Pill, Accent, Square, Circle, Round };
enum class Glyph { None, Plus, Film, Convert, FolderOpen, Folder, Question, Minus, Clear,
                   Close, Minimise, Info, Merge, Document, Gear, Play, Pause, Stop, Speaker };

struct ButtonArt {
    int width;
    int height;
    Face face;
    Glyph glyph;
    const char* caption;  // may be empty
    Look look;
};

// A button picture: the face on pure white, so white marks what is not button.
QImage Button(const ButtonArt& art);

// Where a button's caption is drawn and in which font before any fitting.
// Where a button's caption is drawn: at least kCaptionMargin pixels in from its edges.
constexpr qreal kCaptionMargin = 4;
QRectF CaptionPlace(const ButtonArt& art);
QFont CaptionFont(const ButtonArt& art);

// `font` made smaller (down to a readable least) until `caption` is at most
// `width` pixels wide; a caption that fits keeps the font as it is.
QFont FittedCaptionFont(QFont font, const QString& caption, qreal width);

// The caption as drawn in `place`: one line in the fitted font, or, when it does
// not fit even at the least size and holds a soft hyphen (U+00AD, which a
// translation puts into a long word such as "Zusammen\u00ADfügen"), two lines
// broken there, the first ending in a hyphen.
struct FittedCaption {
    QFont font;
    QStringList lines;
};
FittedCaption FitCaption(const QFont& font, const QString& caption, const QRectF& place);

// A bare glyph in the skin's ink on white (its non-white pixels are its shape).
QImage GlyphPicture(int width, int height, Glyph glyph);

// Slider channel: groove on the skin's panel colour; `inside` is the highlighted look.
QImage Channel(int width, int height, bool inside);
// Slider thumb, 23 x 11, magenta around it.
QImage Thumb(bool dragged);
// The three header cells of the check list: blank, empty box, ticked box.
QImage HeaderImages();

QImage MainBackground(int width, int height);
QImage ClipBackground(int width, int height);
QImage AboutBanner(int width, int height);
QImage AppIcon(int size);
// The application icon's shapes on whatever `p` paints into, in a size x size
// square: a picture above, or a scalable (SVG) icon for the desktop theme.
void PaintAppIcon(QPainter& p, int size);
QImage HandCursor();

}  // namespace artwork::paint
