#pragma once
// The program's artwork (bitmaps, icons, cursors), looked up by resource number.
// Every picture is painted by code in Artwork.cpp the first time it is asked for
// and then cached, so the skin is reproducible from source and no image file is
// shipped. Sizes and transparent colours are fixed per number:
//   - button pictures: pure white (255,255,255) around the shape; a shape bitmap's
//     non-white pixels are the button's shape, and every picture of one button has
//     the same size and white outside the same shape;
//   - thumbs 308/309: 23 x 11, transparent colour = top-left pixel (magenta);
//   - header images 292: 48 x 16, three 16 x 16 cells, magenta transparent;
//   - background 290, clip background 311 (423 x 455), About banner 249 (408 x 86).
// Call from the UI thread (QPixmap/QCursor need the GUI application).

#include <QCursor>
#include <QIcon>
#include <QImage>
#include <QStringList>
#include <QPixmap>
#include <QSize>

#include <vector>

namespace artwork {

// Resource numbers used by the windows.
enum Id : int {
    kBackground = 290,       // main window background, stretched
    kHeaderImages = 292,     // check-list header images
    kThumb = 308,            // slider thumb
    kThumbDragged = 309,     // slider thumb while dragged
    kClipBackground = 311,   // clip dialog background
    kAboutBanner = 249,      // About box banner
    kAppIcon = 266,          // application icon
    kHandCursor = 262,       // hand pointer over buttons
};

// The bitmap with resource number `id` (Format_RGB32 or ARGB32 for icons); a null
// image for a number that has no bitmap.
QImage Bitmap(int id);

// The button captions that, in the language of the windows, do not fit their
// buttons even at the smallest caption size and are cut with an ellipsis.
QStringList CutCaptions();
QPixmap Pixmap(int id);

// Size of bitmap `id`; an invalid size when there is none.
QSize BitmapSize(int id);

// Every bitmap number that exists, ascending.
std::vector<int> BitmapIds();

// The application icon (266), in several sizes.
QIcon Icon(int id);

// The hand pointer (262); Qt::ArrowCursor for an unknown number.
QCursor Cursor(int id);

}  // namespace artwork
