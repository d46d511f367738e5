// Writes every artwork picture as <number>.png into the folder given on the
// command line, so the skin can be looked at (the program itself never reads them).
#include "controls/artwork/Artwork.h"

#include <QDir>
#include <QGuiApplication>
#include <QPainter>

#include <cstdio>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    int failures = 0;
    for (int id : artwork::BitmapIds()) {
        if (!artwork::Bitmap(id).save(folder + QStringLiteral("/%1.png").arg(id))) ++failures;
    }
    artwork::Icon(artwork::kAppIcon).pixmap(256).save(folder + QStringLiteral("/266.png"));
    artwork::Cursor(artwork::kHandCursor).pixmap().save(folder + QStringLiteral("/262.png"));
    // One contact sheet of all small pictures on a mid grey, to judge them together.
    QImage sheet(900, 700, QImage::Format_RGB32);
    sheet.fill(QColor(0x80, 0x80, 0x80));
    QPainter painter(&sheet);
    int x = 4, y = 4, rowHeight = 0;
    for (int id : artwork::BitmapIds()) {
        const QImage picture = artwork::Bitmap(id);
        if (picture.width() > 450) continue;
        if (x + picture.width() > sheet.width()) {
            x = 4;
            y += rowHeight + 14;
            rowHeight = 0;
        }
        painter.drawImage(x, y, picture);
        painter.setPen(Qt::black);
        painter.drawText(x, y + picture.height() + 11, QString::number(id));
        x += picture.width() + 8;
        rowHeight = std::max(rowHeight, picture.height());
    }
    painter.drawPixmap(x, y, artwork::Icon(artwork::kAppIcon).pixmap(64));
    painter.drawPixmap(x + 70, y, artwork::Cursor(artwork::kHandCursor).pixmap());
    painter.end();
    sheet.save(folder + QStringLiteral("/sheet.png"));
    return failures == 0 ? 0 : 1;
}
