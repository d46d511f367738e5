// Writes the application icon, painted by the artwork code, into a hicolor icon
// theme tree: <folder>/<n>x<n>/apps/korbanix.png for every size the theme lists,
// and, when built with Qt SVG, <folder>/scalable/apps/korbanix.svg from the same
// painting. Run at build time (offscreen); the installed icons are these files.
#include "controls/artwork/Artwork.h"
#include "controls/artwork/ArtworkPaint.h"

#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#ifdef KORBANIX_SVG_ICON
#include <QSvgGenerator>
#endif

#include <cstdio>

namespace {

#ifdef KORBANIX_SVG_ICON
bool WriteScalableIcon(const QString& root) {
    constexpr int kSize = 256;  // the user units of the drawing; the desktop scales it
    const QString folder = root + QStringLiteral("/scalable/apps");
    if (!QDir().mkpath(folder)) return false;
    QSvgGenerator svg;
    svg.setFileName(folder + QStringLiteral("/korbanix.svg"));
    svg.setSize(QSize(kSize, kSize));
    svg.setViewBox(QRect(0, 0, kSize, kSize));
    svg.setTitle(QStringLiteral("Korbanix"));
    QPainter p;
    if (!p.begin(&svg)) return false;
    artwork::paint::PaintAppIcon(p, kSize);
    return p.end();
}
#endif

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <hicolor folder>\n", argv[0]);
        return 2;
    }
    const QString root = QString::fromLocal8Bit(argv[1]);
    const QIcon icon = artwork::Icon(artwork::kAppIcon);
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QString folder = root + QStringLiteral("/%1x%1/apps").arg(size);
        const QImage picture =
            icon.pixmap(size).toImage().scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        if (!QDir().mkpath(folder) || picture.isNull() || !picture.save(folder + "/korbanix.png", "PNG")) {
            std::fprintf(stderr, "cannot write the %dx%d icon\n", size, size);
            return 1;
        }
    }
#ifdef KORBANIX_SVG_ICON
    if (!WriteScalableIcon(root)) {
        std::fprintf(stderr, "cannot write the scalable icon\n");
        return 1;
    }
#endif
    return 0;
}
