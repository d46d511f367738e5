#include "app/PreviewController.h"

#include "app/MainWindowIds.h"
#include "platform/FileNames.h"
#include "player/MediaPlayer.h"
#include "profiles/TimeText.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLocale>

#include <algorithm>
#include <cstring>
#include <mutex>

namespace {

const QEvent::Type kEndOfPlaybackEvent = static_cast<QEvent::Type>(QEvent::User + 1);

// The controller that receives the player's end of playback. Guarded so that a
// callback on the player's thread never posts to a controller being destroyed.
std::mutex g_endMutex;
PreviewController* g_endReceiver = nullptr;

}  // namespace

PreviewController::PreviewController(MediaPlayer& player, PreviewView& view, QObject* parent)
    : QObject(parent), m_player(player), m_view(view) {
    m_positionTimer.setInterval(kPositionPeriodMs);
    m_frameTimer.setInterval(kFramePeriodMs);
    connect(&m_positionTimer, &QTimer::timeout, this, &PreviewController::OnPositionTick);
    connect(&m_frameTimer, &QTimer::timeout, this, &PreviewController::OnFrameTick);
}

PreviewController::~PreviewController() {
    std::lock_guard<std::mutex> lock(g_endMutex);
    if (g_endReceiver == this) g_endReceiver = nullptr;
}

void PreviewController::NotifyEndOfPlayback() {
    std::lock_guard<std::mutex> lock(g_endMutex);
    if (g_endReceiver) QCoreApplication::postEvent(g_endReceiver, new QEvent(kEndOfPlaybackEvent));
}

void PreviewController::customEvent(QEvent* event) {
    if (event->type() != kEndOfPlaybackEvent) return QObject::customEvent(event);
    StopPreview();
    emit playbackEnded();
}

void PreviewController::InitPreviewPlayer() {
    {
        std::lock_guard<std::mutex> lock(g_endMutex);
        g_endReceiver = this;
    }
    m_player.Initialize(&PreviewController::NotifyEndOfPlayback);
    m_hasPicture = 0;
    m_hasSound = 0;
    m_frameBuffer.clear();
    m_view.SetPositionSliderPos(kPositionMin);
    m_playerStopped = true;
    setPlayState(PlayState::Play);
    // The player starts at full level; what the slider shows is what it uses.
    ApplyVolume();
}

int PreviewController::VolumeLevelFor(int sliderPos) {
    const long long clamped = std::clamp(sliderPos, 0, kVolumeMax);
    return static_cast<int>(clamped * kVolumeCap / kVolumeMax);
}

void PreviewController::ApplyVolume() {
    m_volumeLevel = VolumeLevelFor(m_view.VolumeSliderPos());
    m_player.SetVolume(m_volumeLevel);
    (void)m_player.GetVolume();
}

void PreviewController::setPlayState(PlayState state) {
    if (m_playState == state) return;
    m_playState = state;
    m_view.PlayStateChanged();
}

void PreviewController::startTimers() {
    m_positionTimer.start();
    m_frameTimer.start();
}

void PreviewController::stopTimers() {
    m_positionTimer.stop();
    m_frameTimer.stop();
}

void PreviewController::TogglePlay() {
    if (m_playState == PlayState::Play) {
        // A file that cannot be opened must not leave the window "playing"
        // nothing (with the pause look and running timers).
        if (m_playerStopped && !OpenPreview()) return;
        if (!m_playerOpened) return;
        startTimers();
        m_player.Start();
        m_view.EnablePositionSlider(true);
        setPlayState(PlayState::Pause);
        m_view.ShowPlayButton(kPauseLook, true);
        // Whatever greyed Stop before (a click on empty list space), a playing
        // file can always be stopped.
        m_view.ShowStopButton(kStopLook, true);
    } else {
        m_playerStopped = false;
        if (!m_playerOpened) return;
        startTimers();
        m_player.Pause();
        setPlayState(PlayState::Play);
        m_view.ShowPlayButton(kPlayLook, true);
    }
}

bool PreviewController::OpenPreview() {
    const QString path = m_view.LastSelectedSourcePath();
    if (path.isEmpty()) return false;
    m_view.FocusTaskList();
    StopPreview();
    m_player.SetFileName(WideFileName(path));
    if (m_player.Open() == -1) {
        // Nothing of an earlier file may be drawn or polled for this one.
        m_hasPicture = 0;
        m_view.ShowPicture(nullptr);
        return false;
    }
    m_player.GetMediaType(&m_hasPicture, &m_hasSound);
    m_frameBuffer.clear();
    m_frameWidth = m_frameHeight = 0;
    if (m_hasPicture) {
        m_player.GetFrameSize(&m_frameWidth, &m_frameHeight);
        m_sampleAspect = m_player.GetSampleAspect();
        if (m_frameWidth > 0 && m_frameHeight > 0)
            m_frameBuffer.assign(static_cast<size_t>(m_frameWidth) * m_frameHeight * 3, 0);
        else
            m_hasPicture = 0;
    }
    m_playerOpened = true;
    startTimers();
    m_view.ShowPlayingTime(PlayingTimeText(0.0, m_player.GetDuration()));
    return true;
}

void PreviewController::StopPreview() {
    m_playerStopped = true;
    if (!m_playerOpened) return;
    stopTimers();
    m_player.Stop();
    m_player.Close();
    m_view.EnablePositionSlider(false);
    setPlayState(PlayState::Play);
    m_view.ShowPlayButton(kPlayLook, true);
    m_view.SetPositionSliderPos(kPositionMin);
    m_view.ShowPicture(nullptr);
    m_view.ShowPlayingTime(QString());
    if (!m_view.HasSelectedRow()) {
        m_view.ShowPlayButton(kPlayDisabledLook, false);
        m_view.ShowStopButton(kStopDisabledLook, false);
    }
}

void PreviewController::OnSliderMoving(int controlId, int pos) {
    if (controlId == mainwindow::kPositionSlider) {
        if (!m_playerOpened) return;
        m_player.Pause();
        m_player.SetPos(static_cast<float>(m_view.PositionSliderPos() / 1000.0));
        m_player.Start();
        // A seek resumes a paused file: the button shows that it plays now.
        if (m_playState == PlayState::Play) {
            setPlayState(PlayState::Pause);
            m_view.ShowPlayButton(kPauseLook, true);
        }
    } else if (controlId == mainwindow::kVolumeSlider) {
        Q_UNUSED(pos);
        ApplyVolume();
    }
}

QString PreviewController::PlayingTimeText(double position, double length) {
    const char32_t point = QLocale().decimalPoint().at(0).unicode();
    return QString::fromStdString(FormatClock(position, point) + " / " + FormatClock(length, point));
}

void PreviewController::OnPositionTick() {
    const double length = m_player.GetDuration();
    m_view.ShowPlayingTime(PlayingTimeText(m_player.GetPos() * length, length));
    const int pos = static_cast<int>(m_player.GetPos() * 1000.0f);
    if (pos != m_view.PositionSliderPos())
        m_view.SetPositionSliderPos(std::clamp(pos, kPositionMin, kPositionMax));
}

void PreviewController::OnFrameTick() {
    if (!m_hasPicture || m_frameBuffer.empty()) return;
    m_player.GetFrame(m_frameBuffer.data(), m_frameWidth, m_frameHeight);
    CopyBottomUpBgr(m_frameBuffer.data(), m_frameWidth, m_frameHeight, m_picture);
    m_view.ShowPicture(&m_picture);
}

void PreviewController::CopyBottomUpBgr(const unsigned char* buffer, int width, int height,
                                        QImage& picture) {
    if (picture.width() != width || picture.height() != height ||
        picture.format() != QImage::Format_BGR888)
        picture = QImage(width, height, QImage::Format_BGR888);
    // The buffer's rows are packed (width * 3 bytes); the image's rows are padded
    // to 4 bytes, so copy row by row, turning the picture right side up.
    const size_t rowBytes = static_cast<size_t>(width) * 3;
    for (int y = 0; y < height; ++y)
        std::memcpy(picture.scanLine(y), buffer + static_cast<size_t>(height - 1 - y) * rowBytes, rowBytes);
}
