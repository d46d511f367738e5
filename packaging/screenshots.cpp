// Opens the main window, Setting, Clip, progress and File Information windows on
// a real display (xvfb-run in the test), each with real content, and saves what
// the X server shows of each as a PNG for a person to look at. Exits non-zero
// when a window cannot be captured or its picture is one flat colour.
//   korbanix_screenshots <output folder> <media file>
#include "app/CTolvaneAVConverterDlg.h"
#include "app/FileInfoTexts.h"
#include "dialogs/CAVConvertDlg.h"
#include "dialogs/CClipDialog.h"
#include "dialogs/CFileInfomation.h"
#include "dialogs/CSettings.h"
#include "engine/AVConvert.h"
#include "engine/ProbeMedia.h"
#include "profiles/OutputSettings.h"
#include "profiles/PresetCatalogue.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QWidget>

#include <cstdio>
#include <set>
#include <string>

namespace {

void settle(int milliseconds) {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < milliseconds) QApplication::processEvents(QEventLoop::AllEvents, 20);
}

// What the display shows inside the window (falls back to the widget's own
// rendering when the screen cannot be read).
bool capture(QWidget& window, const QString& path) {
    window.show();
    window.raise();
    settle(700);
    QPixmap shot;
    if (QScreen* screen = window.screen())
        shot = screen->grabWindow(0, window.frameGeometry().x(), window.frameGeometry().y(),
                                  window.frameGeometry().width(), window.frameGeometry().height());
    if (shot.isNull()) shot = window.grab();
    const QImage image = shot.toImage();
    std::set<QRgb> colours;
    for (int y = 0; y < image.height() && colours.size() < 8; y += 7)
        for (int x = 0; x < image.width() && colours.size() < 8; x += 7) colours.insert(image.pixel(x, y));
    const bool saved = !image.isNull() && image.save(path, "PNG");
    std::printf("%s: %dx%d%s\n", qPrintable(path), image.width(), image.height(),
                colours.size() < 8 ? " (nearly one colour)" : "");
    window.hide();
    return saved && colours.size() >= 8;
}

// The task list row the clip editor edits: the generated file, 0 to 2 seconds.
class OneTask : public ClipHost {
public:
    explicit OneTask(std::string path) : m_path(std::move(path)) {}
    std::string RowText(int, int column) const override {
        switch (column) {
        case ClipEditor::kSourceColumn: return m_path;
        case ClipEditor::kStartColumn: return "00:00:00";
        case ClipEditor::kEndColumn: return "00:00:02";
        case ClipEditor::kDurationColumn: return "2";
        default: return "";
        }
    }
    void SetRowText(int, int, const std::string&) override {}
    void FocusTaskList() override {}
    void InitPreviewPlayer() override {}

private:
    std::string m_path;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <output folder> <media file>\n", argv[0]);
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const QString media = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(folder);
    int failures = 0;

    CTolvaneAVConverterDlg mainWindow;
    mainWindow.DropFiles({media});
    failures += !capture(mainWindow, folder + "/main-window.png");

    SourcePreferences sources;
    CSettings settings(CurrentOutputSettings(), nullptr, &FindPreset, &sources);
    failures += !capture(settings, folder + "/setting.png");

    OneTask task(media.toStdString());
    CClipDialog clip(task);
    clip.Open(0);
    failures += !capture(clip, folder + "/clip.png");
    clip.Editor().Stop();

    CAVConvertDlg progress;
    // The texts a run shows part-way through its second of two tasks.
    progress.SetCurrentText("clip.mp4   40% has completed");
    progress.SetTotalText("1 Task Completed / Total 2 Task(s)");
    progress.SetCurrentBar(40);
    progress.SetTotalBar(50);
    failures += !capture(progress, folder + "/progress.png");

    // What the window shows for the file itself, its tracks included.
    AVConvert job;
    job.probePath = media.toStdString();
    if (ProbeMedia(job) < 0) {
        std::fprintf(stderr, "%s cannot be measured\n", argv[2]);
        return 1;
    }
    FileInfoFields fields = FileInfoFromProbe(job, media);
    CFileInfomation info(fields);
    failures += !capture(info, folder + "/file-information.png");
    return failures == 0 ? 0 : 1;
}
