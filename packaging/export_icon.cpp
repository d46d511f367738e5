// Writes the application icon, painted by the artwork code, into a hicolor icon
// theme tree: <folder>/<n>x<n>/apps/korbanix.png for every size the theme lists.
// Run at build time (offscreen); the installed icons are these files.
#include "controls/artwork/Artwork.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

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
    return 0;
}
