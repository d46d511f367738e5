#include "dialogs/CClipDialog.h"
#include "controls/SkinPalette.h"

#include "controls/BitmapSlider.h"
#include "controls/PictureFit.h"
#include "profiles/TimeText.h"
#include "controls/ControlButton.h"
#include "controls/artwork/Artwork.h"
#include "platform/ControlId.h"
#include "platform/DialogUnits.h"
#include "platform/FileNames.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QHelpEvent>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QToolTip>

#include <algorithm>

namespace {

constexpr int kDialogFontPoints = 8;
constexpr int kPlayLook = 302;
constexpr int kPauseLook = 310;

// The clip window that is open now; the end-of-playback callback is delivered to
// it. Touched on the UI thread only (the callback posts there first).
QPointer<CClipDialog> g_openClip;

// Called by the player on its own thread: hand the news to the UI thread and
// return at once, so the player never waits for a window.
void clipPlaybackEnded() {
    if (!qApp) return;
    QMetaObject::invokeMethod(
        qApp,
        [] {
            if (g_openClip) g_openClip->onPlaybackEnded();
        },
        Qt::QueuedConnection);
}

struct TipRow {
    int id;
    const char* text;
};
// Play's text follows the play state and is chosen in ToolTipFor.
constexpr TipRow kToolTips[] = {
    {CClipDialog::kSetBegin, QT_TRANSLATE_NOOP("CClipDialog", "Set Begin Time")}, {CClipDialog::kSetEnd, QT_TRANSLATE_NOOP("CClipDialog", "Set End Time")},
    {CClipDialog::kStop, QT_TRANSLATE_NOOP("CClipDialog", "Stop")},               {CClipDialog::kOk, QT_TRANSLATE_NOOP("CClipDialog", "OK")},
    {CClipDialog::kCancel, QT_TRANSLATE_NOOP("CClipDialog", "Cancel")},           {CClipDialog::kReset, QT_TRANSLATE_NOOP("CClipDialog", "Reset Time")},
};

struct GroupRow {
    const char* title;
    QRect units;
};
// The three captions on one line (the template had them a unit or two apart).
constexpr GroupRow kGroups[] = {
    {"", {3, 196, 278, 51}},
    {QT_TRANSLATE_NOOP("CClipDialog", "Start time"), {13, 200, 72, 26}},
    {QT_TRANSLATE_NOOP("CClipDialog", "End time"), {115, 200, 70, 26}},
    {QT_TRANSLATE_NOOP("CClipDialog", "Cut time"), {201, 200, 70, 26}},
};

struct PushRow {
    int id;
    const char* text;
    QRect units;
};
constexpr PushRow kPushButtons[] = {
    // Alt+S and Alt+E: the template gave both the same letter, so Alt+S never
    // reached Set End Time.
    {CClipDialog::kSetBegin, QT_TRANSLATE_NOOP("CClipDialog", "&Set Begin Time"), {17, 229, 59, 15}},
    {CClipDialog::kSetEnd, QT_TRANSLATE_NOOP("CClipDialog", "Set &End Time"), {117, 229, 59, 15}},
    {CClipDialog::kReset, QT_TRANSLATE_NOOP("CClipDialog", "&Reset"), {208, 229, 50, 14}},
    {CClipDialog::kOk, QT_TRANSLATE_NOOP("CClipDialog", "&OK"), {151, 252, 50, 18}},
    {CClipDialog::kCancel, QT_TRANSLATE_NOOP("CClipDialog", "&Cancel"), {217, 253, 50, 17}},
};

// Area 1144: a black frame with the player's picture at its display aspect
// ratio, black bars beside or above it. Without a picture the dialog's background
// shows through.
class PictureArea : public QWidget {
public:
    explicit PictureArea(QWidget* parent) : QWidget(parent) {}
    void setPicture(const QImage& picture, double sampleAspect) {
        m_picture = picture;
        m_sampleAspect = sampleAspect;
        update();
    }
    void clearPicture() {
        m_picture = QImage();
        update();
    }
    const QImage& picture() const { return m_picture; }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        if (!m_picture.isNull()) DrawFittedPicture(painter, rect(), m_picture, m_sampleAspect);
        painter.setPen(Qt::black);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }

private:
    QImage m_picture;
    double m_sampleAspect = 1.0;
};

// The player's B, G, R bottom-up rows (width * 3 bytes each, no padding) as an
// image the right way up.
QImage pictureFromFrame(const std::vector<std::uint8_t>& frame, int width, int height) {
    const QImage rows(frame.data(), width, height, static_cast<qsizetype>(width) * 3, QImage::Format_BGR888);
    return rows.mirrored(false, true);  // mirrored() copies, so the buffer may change afterwards
}

}  // namespace

CClipDialog::CClipDialog(ClipHost& host, QWidget* owner, MediaPlayer& player)
    : QDialog(owner), m_host(host), m_editor(host, player) {
    setWindowTitle(tr("Clip"));
    ApplySkinPalette(*this);  // readable on the skin whatever the desktop theme
    setModal(true);
    setFont(DialogFont(kDialogFontPoints));
    setFixedSize(MapDialogSize(QSize(285, 275), font()));
    buildControls();
    skinButtons();
    fitToScreen();

    m_positionTimer.setInterval(kPositionTimerMs);
    m_frameTimer.setInterval(kFrameTimerMs);
    connect(&m_positionTimer, &QTimer::timeout, this, [this] {
        m_editor.PollPosition();
        sync();
    });
    connect(&m_frameTimer, &QTimer::timeout, this, [this] {
        if (!m_editor.PollPicture()) return;
        m_pictureShown = true;
        static_cast<PictureArea*>(m_pictureArea)
            ->setPicture(pictureFromFrame(m_editor.FrameBuffer(), m_editor.FrameWidth(), m_editor.FrameHeight()),
                         m_editor.SampleAspect());
    });
}

CClipDialog::~CClipDialog() {
    if (g_openClip == this) g_openClip = nullptr;
}

void CClipDialog::buildControls() {
    const QFont f = font();
    for (const GroupRow& group : kGroups) {
        auto* box = new QGroupBox(tr(group.title), this);
        box->setGeometry(MapDialogRect(group.units, f));
        box->setAttribute(Qt::WA_TranslucentBackground);
    }
    m_pictureArea = new PictureArea(this);
    SetControlId(m_pictureArea, kPictureArea);
    m_pictureArea->setGeometry(MapDialogRect(QRect(3, 9, 278, 148), f));

    m_position = new CBitmapSlider(this, kPositionSlider);
    m_position->setGeometry(MapDialogRect(QRect(3, 161, 261, 10), f));
    // A drag reports each step as "moving", the keys only "moved": both seek.
    for (auto signal : {&CBitmapSlider::sliderMoving, &CBitmapSlider::sliderMoved}) {
        connect(m_position, signal, this, [this](int id, int pos) {
            if (id != kPositionSlider) return;
            m_editor.Seek(pos);
            sync();
        });
    }
    m_volume = new CBitmapSlider(this, kVolumeSlider);
    m_volume->setGeometry(MapDialogRect(QRect(181, 180, 60, 15), f));
    m_volume->hide();

    m_play = new CControlButton(this, kPlay, tr("&Play"));
    m_play->setGeometry(MapDialogRect(QRect(3, 172, 38, 22), f));
    connect(m_play, &QPushButton::clicked, this, [this] {
        m_editor.PlayPause();
        sync();
    });
    m_stop = new CControlButton(this, kStop, tr("&Stop"));
    m_stop->setGeometry(MapDialogRect(QRect(37, 171, 39, 23), f));
    connect(m_stop, &QPushButton::clicked, this, [this] {
        m_editor.Stop();
        sync();
    });
    m_volumeButton = new CControlButton(this, kVolume, tr("&Volume"));
    m_volumeButton->setGeometry(MapDialogRect(QRect(139, 180, 28, 15), f));
    m_volumeButton->hide();

    m_beginText = new QLabel(QStringLiteral("00:00:00"), this);
    m_endText = new QLabel(QStringLiteral("00:00:00"), this);
    m_cutText = new QLabel(QStringLiteral("00:00:00"), this);
    const std::pair<QLabel*, QRect> texts[] = {{m_beginText, {19, 210, 48, 11}},
                                               {m_endText, {125, 210, 48, 11}},
                                               {m_cutText, {209, 210, 48, 11}}};
    const int textIds[] = {kBeginText, kEndText, kCutText};
    for (int i = 0; i < 3; ++i) {
        SetControlId(texts[i].first, textIds[i]);
        texts[i].first->setGeometry(MapDialogRect(texts[i].second, f));
    }
    // Where the picture shown lies in the file, to the tenth the times are set to.
    m_positionTime = new QLabel(this);
    SetControlId(m_positionTime, kPositionTime);
    m_positionTime->setGeometry(MapDialogRect(QRect(80, 174, 201, 11), f));
    m_positionTime->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_positionTime->setAccessibleName(tr("Position and length"));

    for (const PushRow& row : kPushButtons) {
        auto* button = new QPushButton(tr(row.text), this);
        SetControlId(button, row.id);
        button->setGeometry(MapDialogRect(row.units, f));
        button->setAutoDefault(false);  // Enter must not leave the window behind the player's back
        connect(button, &QPushButton::clicked, this, [this, id = row.id] {
            switch (id) {
            case kSetBegin: m_editor.SetBeginTime(); break;
            case kSetEnd: m_editor.SetEndTime(); break;
            case kReset: m_editor.Reset(); break;
            case kOk:
                m_editor.Ok();
                finish(QDialog::Accepted);
                return;
            case kCancel:
                m_editor.Cancel();
                finish(QDialog::Rejected);
                return;
            default: break;
            }
            sync();
        });
    }
    for (const TipRow& tip : kToolTips)
        if (QWidget* control = FindControl(this, tip.id)) control->setToolTip(tr(tip.text));
    // Names a screen reader gives the controls whose look is a picture; each time
    // text is described by the title of the group around it.
    m_play->setAccessibleName(tr("Play"));
    m_position->setAccessibleName(tr("Position"));
    m_volume->setAccessibleName(tr("Volume"));
    m_volumeButton->setAccessibleName(tr("Volume"));
    m_pictureArea->setAccessibleName(tr("Picture"));
    for (int i = 0; i < 3; ++i) texts[i].first->setAccessibleDescription(tr(kGroups[i + 1].title));
    // Tab runs through the player's controls, then the times, then the answers.
    QWidget* previous = m_play;
    for (QWidget* next : {static_cast<QWidget*>(m_stop), static_cast<QWidget*>(m_position)}) {
        setTabOrder(previous, next);
        previous = next;
    }
    for (const PushRow& row : kPushButtons) {
        QWidget* next = FindControl(this, row.id);
        setTabOrder(previous, next);
        previous = next;
    }
}

void CClipDialog::fitToScreen() {
    // At a large scale on a small screen the template is taller than the screen:
    // the picture gives up the missing height (two thirds of it at most) and
    // everything below it moves up, so OK and Cancel stay reachable.
    QScreen* screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    constexpr int kDesktopFrame = 40;  // the title bar and border the desktop adds
    const int room = screen->availableGeometry().height() - kDesktopFrame;
    const int deficit = std::min(height() - room, m_pictureArea->height() * 2 / 3);
    if (deficit <= 0) return;
    const int pictureBottom = m_pictureArea->geometry().bottom();
    for (QWidget* child : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        if (child->y() > pictureBottom) child->move(child->x(), child->y() - deficit);
    m_pictureArea->resize(m_pictureArea->width(), m_pictureArea->height() - deficit);
    setFixedSize(width(), height() - deficit);
}

void CClipDialog::skinButtons() {
    m_play->SetShapeFromBitmap(301);
    m_play->SetBitmaps(kPlayLook, kPlayLook, kPlayLook, kPlayLook);
    m_stop->SetShapeFromBitmap(303);
    m_stop->SetBitmaps(304, 304, 304, 304);
    m_volumeButton->SetShapeFromBitmap(293);
    m_volumeButton->SetBitmaps(293, 293, 293, 293);
}

void CClipDialog::prepareSliders() {
    m_position->SetChannelBitmaps(314, 319);
    m_position->SetThumbBitmaps();
    m_position->SetDrawFocusRect(true);  // keyboard users must see the focus
    m_position->SetRange(0, ClipEditor::kSliderMax);
    m_position->SetPos(0);
    m_position->SetMargins(2, 3, 2, 0);
    m_position->setEnabled(false);

    m_volume->SetChannelBitmaps(300, 299);
    m_volume->SetThumbBitmaps();
    m_volume->SetDrawFocusRect(false);
    m_volume->SetRange(0, 100);
    m_volume->SetPos(30);
    m_volume->SetMargins(2, 3, 2, 0);
}

void CClipDialog::Open(int row) {
    m_finishing = false;
    prepareSliders();
    m_editor.Initialise(&clipPlaybackEnded);
    g_openClip = this;
    // Which file is being clipped: the task list stays hidden behind the window.
    const QString name =
        QFileInfo(DecodeFileName(m_host.RowText(row, ClipEditor::kSourceColumn))).fileName();
    setWindowTitle(name.isEmpty() ? tr("Clip") : tr("Clip - %1").arg(name));
    m_editor.LoadTask(row);
    sync();
}

int CClipDialog::Run(int row) {
    Open(row);
    return exec();
}

void CClipDialog::sync() {
    if (m_editor.TimersRunning()) {
        if (!m_positionTimer.isActive()) m_positionTimer.start();
        if (!m_frameTimer.isActive()) m_frameTimer.start();
    } else {
        m_positionTimer.stop();
        m_frameTimer.stop();
        if (m_pictureShown) {
            // Stopped: the background replaces the last picture.
            m_pictureShown = false;
            static_cast<PictureArea*>(m_pictureArea)->clearPicture();
        }
    }
    m_position->setEnabled(m_editor.SliderEnabled());
    if (!m_position->IsDragging() && m_position->GetPos() != m_editor.SliderPosition())
        m_position->SetPos(m_editor.SliderPosition());
    m_position->SetBeginMark(m_editor.BeginMark());
    m_position->SetEndMark(m_editor.EndMark());
    m_position->SetMarkMode(m_editor.MarkMode());

    const bool playing = m_editor.GetPlayState() == ClipEditor::PlayState::Pause;
    const int look = playing ? kPauseLook : kPlayLook;
    if (look != m_playLook) {  // the position timer syncs ten times a second
        m_playLook = look;
        // SetBitmaps repaints by itself; disabling the button around it would
        // throw the keyboard focus off Play at every press.
        m_play->SetBitmaps(look, look, look, look);
        m_play->setToolTip(ToolTipFor(kPlay));
        m_play->setAccessibleName(ToolTipFor(kPlay));
    }

    m_beginText->setText(QString::fromStdString(m_editor.BeginText()));
    m_endText->setText(QString::fromStdString(m_editor.EndText()));
    m_cutText->setText(QString::fromStdString(m_editor.CutText()));
    const char32_t point = QLocale().decimalPoint().at(0).unicode();
    m_positionTime->setText(QString::fromStdString(FormatClock(m_editor.CurrentTime(), point) + " / " +
                                                   FormatClock(m_editor.PlayerDuration(), point)));
}

QString CClipDialog::ToolTipFor(int controlId) const {
    if (controlId == kPlay)
        return m_editor.GetPlayState() == ClipEditor::PlayState::Play ? tr("Play") : tr("Pause");
    for (const TipRow& tip : kToolTips)
        if (tip.id == controlId) return tr(tip.text);
    return QString();  // no string table entries for other controls
}

void CClipDialog::onPlaybackEnded() {
    m_editor.Stop();
    sync();
}

void CClipDialog::finish(int result) {
    m_finishing = true;
    m_positionTimer.stop();
    m_frameTimer.stop();
    if (g_openClip == this) g_openClip = nullptr;
    done(result);
}

void CClipDialog::paintEvent(QPaintEvent*) {
    // Background 311 stretched over the whole client area; group boxes and texts
    // are transparent over it.
    QPainter painter(this);
    const QPixmap background = artwork::Pixmap(artwork::kClipBackground);
    if (background.isNull()) return;
    // In two parts, so the dark stage stays behind the picture area when the
    // window was made shorter than the template (fitToScreen).
    const int sourceSplit = background.height() * 160 / 275;  // below the stage
    const int split = m_pictureArea->geometry().bottom() + MapDialogSize(QSize(0, 3), font()).height();
    painter.drawPixmap(QRect(0, 0, width(), split), background, QRect(0, 0, background.width(), sourceSplit));
    painter.drawPixmap(QRect(0, split, width(), height() - split), background,
                       QRect(0, sourceSplit, background.width(), background.height() - sourceSplit));
}

void CClipDialog::closeEvent(QCloseEvent* event) {
    if (m_finishing) {
        QDialog::closeEvent(event);
        return;
    }
    // The close box is Cancel: the player is stopped and handed back.
    event->ignore();
    m_editor.Cancel();
    finish(QDialog::Rejected);
}

void CClipDialog::reject() {
    if (m_finishing) {
        QDialog::reject();
        return;
    }
    m_editor.Cancel();
    finish(QDialog::Rejected);
}

bool CClipDialog::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        // Play's text changes with the play state; keep it current when asked.
        m_play->setToolTip(ToolTipFor(kPlay));
    }
    return QDialog::event(event);
}
