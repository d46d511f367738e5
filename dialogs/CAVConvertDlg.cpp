#include "dialogs/CAVConvertDlg.h"
#include "controls/SkinPalette.h"

#include "controls/Label.h"
#include "controls/PictureFit.h"
#include "engine/AVConvert.h"
#include "platform/ControlId.h"
#include "platform/DialogUnits.h"
#include "platform/Platform.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QProgressBar>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <algorithm>
#include <QPushButton>
#include <QRegularExpression>
#include <utility>

namespace {

constexpr int kDialogFontPoints = 8;
// Below this the texts are no longer read comfortably.
constexpr int kSmallestFontPoints = 6;
constexpr QSize kTemplateUnits(400, 105);

// The template's font, or a smaller one when the window would be wider or taller
// than its screen's free area at that size (a small screen at a large scale): the
// controls keep their places relative to each other and their texts fit them.
int fittingPointSize(const QWidget* owner) {
    const QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    if (!screen) return kDialogFontPoints;
    constexpr QSize kDesktopFrame(8, 40);  // the border and title bar the desktop adds
    const QSize room = screen->availableGeometry().size() - kDesktopFrame;
    int points = kDialogFontPoints;
    while (points > kSmallestFontPoints) {
        const QSize size = MapDialogSize(kTemplateUnits, DialogFont(points));
        if (size.width() <= room.width() && size.height() <= room.height()) break;
        --points;
    }
    return points;
}

// One static caption of the template: text and rectangle in dialog units.
struct CaptionRow {
    const char* text;
    QRect units;
};
constexpr CaptionRow kCaptions[] = {
    {QT_TRANSLATE_NOOP("CAVConvertDlg", "Current File Converting:"), {121, 9, 74, 8}},
    {QT_TRANSLATE_NOOP("CAVConvertDlg", "Total Progress:"), {122, 47, 47, 8}},
};

bool isKey(const QEvent* event, std::initializer_list<int> keys) {
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride) return false;
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return std::find(keys.begin(), keys.end(), key) != keys.end();
}

// Enter would press whatever button has the focus: it does nothing here.
bool isConsumedKey(const QEvent* event) { return isKey(event, {Qt::Key_Return, Qt::Key_Enter}); }

// The area inside frame 1108 where the worker's pictures are drawn: black, with
// the picture at its own shape in the middle (the area is wider than 4:3, and a
// stretched picture makes a square look oblong).
class PictureArea : public QWidget {
public:
    PictureArea(QWidget* parent, const QImage& picture) : QWidget(parent), m_picture(picture) {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        DrawFittedPicture(painter, rect(), m_picture, 1.0);
    }

private:
    const QImage& m_picture;
};

// A pattern for a translated text with %1/%2 in it: the literal parts escaped,
// each place marker replaced by what `fill` gives for its number.
QString patternOf(const QString& text, const std::function<QString(int)>& fill) {
    static const QRegularExpression marker(QStringLiteral("%([12])"));
    QString pattern;
    qsizetype from = 0;
    for (const QRegularExpressionMatch& m : marker.globalMatch(text)) {
        pattern += QRegularExpression::escape(text.mid(from, m.capturedStart() - from));
        pattern += fill(m.captured(1).toInt());
        from = m.capturedEnd();
    }
    return pattern + QRegularExpression::escape(text.mid(from));
}

// Where the file name is in the current-file line the conversion control writes
// ("a.mp4 + 1 more   31% has completed", in the window's language), so a long name
// is what gets cut and the share done stays readable; {-1, 0} for another text.
std::pair<int, int> fileNameIn(const QString& text) {
    const QString line = QCoreApplication::translate("ConversionControl", "%1   %2% has completed");
    const auto fill = [](int n) { return n == 1 ? QStringLiteral("(.+)") : QStringLiteral("\\d+"); };
    const QRegularExpression whole(QLatin1Char('^') + patternOf(line, fill) + QLatin1Char('$'));
    const QRegularExpressionMatch m = whole.match(text);
    if (!m.hasMatch()) return {-1, 0};
    const QString names = m.captured(1);
    const QString more = QCoreApplication::translate("ConversionControl", " + %1 more");
    const QRegularExpression andMore(patternOf(more, [](int) { return QStringLiteral("\\d+"); }) + QLatin1Char('$'));
    const QRegularExpressionMatch others = andMore.match(names);
    const qsizetype nameLength =
        others.hasMatch() && others.capturedStart() > 0 ? others.capturedStart() : names.size();
    return {int(m.capturedStart(1)), int(nameLength)};
}

}  // namespace

CAVConvertDlg::CAVConvertDlg(QWidget* owner) : QDialog(owner) {
    setWindowTitle(QStringLiteral("Korbanix"));
    ApplySkinPalette(*this);  // readable on the skin whatever the desktop theme
    setModal(true);
    setFont(DialogFont(fittingPointSize(owner)));
    m_templateSize = MapDialogSize(kTemplateUnits, font());
    setFixedSize(m_templateSize);
    buildControls();

    // The worker announces a new picture from its thread; the repaint happens on
    // ours. QPointer: a notification may still be queued when the window dies.
    QPointer<CAVConvertDlg> self(this);
    m_preview.SetNotify([self] {
        QMetaObject::invokeMethod(
            self.data(),
            [self] {
                if (self) self->takePreviewPicture();
            },
            Qt::QueuedConnection);
    });
    InitialiseForRun();
}

CAVConvertDlg::~CAVConvertDlg() { m_preview.SetNotify({}); }

void CAVConvertDlg::buildControls() {
    const QFont f = font();
    m_frame = new QGroupBox(this);
    SetControlId(m_frame, kPreviewFrame);
    m_frame->setGeometry(MapDialogRect(QRect(7, 6, 106, 68), f));
    m_pictureArea = new PictureArea(m_frame, m_shownPicture);
    m_pictureArea->setGeometry(m_frame->contentsRect().adjusted(2, 2, -2, -2));

    std::vector<QLabel*> captions;
    for (const CaptionRow& caption : kCaptions) {
        auto* label = new QLabel(tr(caption.text), this);
        label->setGeometry(MapDialogRect(caption.units, f));
        captions.push_back(label);
    }
    m_currentText = new CLabel(this, kCurrentText, tr("Converting..."));
    SetControlId(m_currentText, kCurrentText);
    m_currentText->setGeometry(MapDialogRect(QRect(197, 9, 196, 8), f));
    m_totalText = new CLabel(this, kTotalText, tr("Converting..."));
    SetControlId(m_totalText, kTotalText);
    m_totalText->setGeometry(MapDialogRect(QRect(171, 47, 196, 8), f));
    // A longer caption of another language pushes the text beside it to the right
    // (that text cuts itself with an ellipsis when it runs out of room).
    const int gap = MapDialogRect(QRect(0, 0, 2, 1), f).width();
    for (auto [caption, text] : {std::pair{captions[0], m_currentText}, std::pair{captions[1], m_totalText}}) {
        const QRect line = text->geometry();
        FitCaption(*caption, line.left() + line.width() / 2);
        if (caption->geometry().right() + gap > line.left())
            text->setGeometry(line.adjusted(caption->geometry().right() + gap - line.left(), 0, 0, 0));
    }

    m_currentBar = new QProgressBar(this);
    SetControlId(m_currentBar, kCurrentBar);
    m_currentBar->setGeometry(MapDialogRect(QRect(122, 22, 256, 14), f));
    m_totalBar = new QProgressBar(this);
    SetControlId(m_totalBar, kTotalBar);
    m_totalBar->setGeometry(MapDialogRect(QRect(120, 58, 257, 14), f));
    // Right-aligned under each bar, in the gap the template leaves there.
    m_fileTimeLeft = new QLabel(this);
    SetControlId(m_fileTimeLeft, kFileTimeLeft);
    m_fileTimeLeft->setGeometry(MapDialogRect(QRect(122, 37, 256, 8), f));
    m_runTimeLeft = new QLabel(this);
    SetControlId(m_runTimeLeft, kRunTimeLeft);
    m_runTimeLeft->setGeometry(MapDialogRect(QRect(120, 72, 257, 8), f));
    // From the top: a label grown to the font's full height grows away from the
    // bar above it, never over it.
    for (QLabel* label : {m_fileTimeLeft, m_runTimeLeft}) label->setAlignment(Qt::AlignRight | Qt::AlignTop);
    m_currentBar->setAccessibleName(tr("Current file progress"));
    m_totalBar->setAccessibleName(tr("Total progress"));
    for (QProgressBar* bar : {m_currentBar, m_totalBar}) {
        bar->setRange(0, 100);
        bar->setTextVisible(false);
    }

    m_showPreview = new QCheckBox(tr("Show preview"), this);
    SetControlId(m_showPreview, kShowPreview);
    m_showPreview->setGeometry(MapDialogRect(QRect(7, 85, 61, 10), f));
    connect(m_showPreview, &QCheckBox::toggled, this, &CAVConvertDlg::onPreviewToggled);
    m_shutdown = new QCheckBox(tr("Shut down computer when conversion completed"), this);
    SetControlId(m_shutdown, kShutdown);
    m_shutdown->setGeometry(MapDialogRect(QRect(121, 81, 182, 10), f));
    FitCaption(*m_showPreview, m_shutdown->x() - gap);

    m_stop = new QPushButton(tr("Stop"), this);
    SetControlId(m_stop, kStop);
    m_stop->setGeometry(MapDialogRect(QRect(330, 79, 50, 19), f));
    FitCaption(*m_shutdown, m_stop->x() - gap);
    m_stop->setToolTip(tr("Stop converting"));
    m_stop->setAutoDefault(false);
    m_stop->setDefault(false);
    connect(m_stop, &QPushButton::clicked, this, &CAVConvertDlg::onStopClicked);

    for (QLabel* label : findChildren<QLabel*>()) GiveFullLineHeight(*label);

    // Escape and Enter must neither close the window nor press a button, whichever
    // control has the focus.
    for (QWidget* child : findChildren<QWidget*>()) child->installEventFilter(this);
}

void CAVConvertDlg::InitialiseForRun() {
    m_stopping = false;
    m_closingByProgram = false;
    m_currentText->setText(tr("Converting..."));
    m_totalText->setText(tr("Converting..."));
    m_currentBar->setValue(0);
    m_totalBar->setValue(0);
    m_shutdown->setChecked(false);
    SetTimeLeft(QString(), QString());
    SetRunningRows({});
    m_showPreview->setChecked(true);
    if (m_job) m_job->previewOff.store(false, std::memory_order_relaxed);
    m_stop->setText(tr("Stop"));
    m_stop->setEnabled(true);
    m_shownPicture = QImage();
    m_preview.TakePicture();  // a picture left from the last run is not shown
    m_pictureArea->update();
}

void CAVConvertDlg::RunModal() {
    InitialiseForRun();
    if (m_modalRunner)
        m_modalRunner(*this);
    else
        exec();
}

bool CAVConvertDlg::IsOpen() const { return isVisible(); }

void CAVConvertDlg::Close() {
    m_closingByProgram = true;
    // The run ended by itself while "Stop the conversion?" was open: the question
    // has nothing left to stop, and a yes would do nothing.
    if (m_asking)
        for (QDialog* question : findChildren<QDialog*>(Qt::FindDirectChildrenOnly))
            if (question->isVisible()) question->reject();
    if (isVisible()) done(QDialog::Accepted);
}

void CAVConvertDlg::SetCurrentText(const QString& text) {
    const auto [nameFrom, nameLength] = fileNameIn(text);
    m_currentText->SetTextWithName(text, nameFrom, nameLength);
}
void CAVConvertDlg::SetTotalText(const QString& text) { m_totalText->setText(text); }
void CAVConvertDlg::SetCurrentBar(int percent) { m_currentBar->setValue(percent); }
void CAVConvertDlg::SetTotalBar(int percent) { m_totalBar->setValue(std::clamp(percent, 0, 100)); }
void CAVConvertDlg::SetTimeLeft(const QString& runText, const QString& fileText) {
    m_runTimeLeft->setText(runText);
    m_fileTimeLeft->setText(fileText);
}
void CAVConvertDlg::SetRunningRows(const std::vector<RunningRow>& rows) {
    const std::size_t shown = rows.size() > 1 ? rows.size() : 0;
    constexpr int kLineHeightDu = 11;
    const QFont f = font();
    if (!m_rowArea) {
        // The lines scroll under the template's controls when more rows run at once
        // than the screen has room for: every row stays reachable.
        m_rowArea = new QScrollArea(this);
        m_rowArea->setFrameShape(QFrame::NoFrame);
        m_rowArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        m_rowArea->setWidget(new QWidget);
        m_rowArea->setAccessibleName(tr("Files converted at once"));
        m_rowArea->installEventFilter(this);
    }
    QWidget* content = m_rowArea->widget();
    while (m_rowLines.size() < shown) {
        // A unit down: a name's label grows both ways to the font's full height.
        const int y = 1 + static_cast<int>(m_rowLines.size()) * kLineHeightDu;
        RowLine line;
        line.name = new QLabel(content);
        line.name->setGeometry(MapDialogRect(QRect(7, y, 190, 9), f));
        GiveFullLineHeight(*line.name);
        line.bar = new QProgressBar(content);
        line.bar->setRange(0, 100);
        line.bar->setTextVisible(false);
        line.bar->setGeometry(MapDialogRect(QRect(200, y + 1, 193, 7), f));
        for (QWidget* child : {static_cast<QWidget*>(line.name), static_cast<QWidget*>(line.bar)})
            child->installEventFilter(this);
        m_rowLines.push_back(line);
    }
    for (std::size_t i = 0; i < m_rowLines.size(); ++i) {
        const bool used = i < shown;
        m_rowLines[i].name->setVisible(used);
        m_rowLines[i].bar->setVisible(used);
        if (!used) continue;
        // One pass over the markers: a name with "%1" in it stays as it is.
        const QString percent = QString::number(rows[i].percent);
        const QString whole = tr("%1   %2%").arg(rows[i].name, percent);
        QString shown = whole;
        const QFontMetrics metrics(m_rowLines[i].name->font());
        if (metrics.horizontalAdvance(whole) > m_rowLines[i].name->width()) {
            // The name is cut in its middle: the share done always shows.
            const int rest = metrics.horizontalAdvance(tr("%1   %2%").arg(QString(), percent));
            const QString name = ElideFileName(metrics, rows[i].name, m_rowLines[i].name->width() - 1 - rest);
            if (!name.isEmpty()) shown = tr("%1   %2%").arg(name, percent);
        }
        m_rowLines[i].name->setText(shown);
        m_rowLines[i].name->setToolTip(shown == whole ? QString() : whole);
        m_rowLines[i].name->setAccessibleName(whole);
        m_rowLines[i].bar->setValue(std::clamp(rows[i].percent, 0, 100));
        // Read as "a.mp4 progress" by a screen reader.
        m_rowLines[i].bar->setAccessibleName(tr("%1 progress").arg(rows[i].name));
    }
    const int whole = shown ? MapDialogSize(QSize(0, static_cast<int>(shown) * kLineHeightDu + 4), f).height() : 0;
    const QScreen* screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    constexpr int kDesktopFrame = 40;  // the title bar and border the desktop adds
    const int room = screen ? screen->availableGeometry().height() - kDesktopFrame - m_templateSize.height() : whole;
    const int twoLines = MapDialogSize(QSize(0, 2 * kLineHeightDu), f).height();
    // Scrolled, the lines that fit show whole: none is cut by the window's bottom edge.
    int fitting = 0;
    for (std::size_t i = 0; i < shown; ++i)
        if (m_rowLines[i].name->geometry().bottom() < room) fitting = m_rowLines[i].name->geometry().bottom() + 1;
    const int extra = whole <= room ? whole : std::max(fitting, twoLines);
    const bool scrolls = extra < whole;
    const int contentWidth =
        m_templateSize.width() - (scrolls ? m_rowArea->verticalScrollBar()->sizeHint().width() : 0);
    const int margin = MapDialogRect(QRect(0, 0, 7, 1), f).width();
    for (const RowLine& line : m_rowLines) {
        const QRect bar = line.bar->geometry();
        line.bar->setGeometry(bar.x(), bar.y(), std::min(MapDialogRect(QRect(0, 0, 193, 1), f).width(),
                                                         contentWidth - margin - bar.x()), bar.height());
    }
    content->setFixedSize(contentWidth, whole);
    m_rowArea->setGeometry(0, m_templateSize.height(), m_templateSize.width(), extra);
    m_rowArea->setVisible(shown > 0);
    setFixedSize(m_templateSize.width(), m_templateSize.height() + extra);
    // Grown while shown: the window is moved up rather than past the screen's bottom.
    if (isVisible() && screen && frameGeometry().bottom() > screen->availableGeometry().bottom())
        move(x(), std::max(screen->availableGeometry().top(),
                           y() - (frameGeometry().bottom() - screen->availableGeometry().bottom())));
}

bool CAVConvertDlg::ShutdownChecked() const { return m_shutdown->isChecked(); }

void CAVConvertDlg::ShowStopping() {
    m_stopping = true;
    m_stop->setText(tr("Stopping..."));
    m_stop->setEnabled(false);
}

void CAVConvertDlg::onStopClicked() {
    if (m_stopping) return;
    if (m_onStop) {
        m_onStop();
        return;
    }
    // Without a control behind the window (a window shown on its own) a stop
    // still reaches the worker and closes the window.
    if (m_job) m_job->stopRequested.store(true, std::memory_order_relaxed);
    Close();
}

void CAVConvertDlg::onPreviewToggled(bool shown) {
    if (m_job) m_job->previewOff.store(!shown, std::memory_order_relaxed);
    if (shown) return;
    // Off: the area goes black rather than keeping a frozen picture; one the
    // worker sent before it saw the box is dropped.
    m_preview.TakePicture();
    m_shownPicture = QImage();
    m_pictureArea->update();
}

void CAVConvertDlg::takePreviewPicture() {
    QImage picture = m_preview.TakePicture();
    if (picture.isNull() || !m_showPreview->isChecked()) return;
    m_shownPicture = std::move(picture);
    m_pictureArea->update();
}

bool CAVConvertDlg::eventFilter(QObject* watched, QEvent* event) {
    if (isKey(event, {Qt::Key_Escape})) {
        if (event->type() == QEvent::KeyPress) AskToStop();
        event->accept();
        return true;
    }
    if (isConsumedKey(event)) {
        event->accept();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void CAVConvertDlg::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        AskToStop();
        return;
    }
    if (isConsumedKey(event)) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void CAVConvertDlg::closeEvent(QCloseEvent* event) {
    if (m_closingByProgram) {
        QDialog::closeEvent(event);
        return;
    }
    // The close box (Alt+F4) asks first; a yes stops the run exactly like Stop,
    // and the window closes when the worker has let go of the job.
    event->ignore();
    AskToStop();
}

bool CAVConvertDlg::AskToStop() {
    if (m_stopping || m_asking) return false;
    m_asking = true;
    const bool yes = CurrentPlatform().MessageBox(this, tr("Stop the conversion?"), QString(),
                                                  MessageButtons::YesNo, MessageIcon::Question) == MessageResult::Yes;
    m_asking = false;
    // The run may have ended while the question was open.
    if (!yes || !isVisible() || m_closingByProgram) return false;
    onStopClicked();
    return true;
}

void CAVConvertDlg::reject() {
    // Escape is handled before it gets here; a reject from anywhere else (the
    // window manager) is treated as the close box.
    if (m_closingByProgram) {
        QDialog::reject();
        return;
    }
    AskToStop();
}
