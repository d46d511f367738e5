#pragma once
// The main window's source preview: when the player opens which file, the two
// polling timers (100: position every 100 ms, 200: picture every 67 ms), the
// picture hand-over, seeking, volume, and stopping whenever the task list or a
// conversion needs it. The window supplies the controls through PreviewView; the
// player is a MediaPlayer (the real module, or a stand-in in tests).
//
// Threads: everything runs on the UI thread. The player's end-of-playback
// callback comes on the player's own thread; it only posts an event to the
// controller that initialised the player last, and StopPreview then runs on the
// UI thread (posting, not sending, so the player is never stopped from inside
// its own callback).

#include <QImage>
#include <QObject>
#include <QString>
#include <QTimer>

#include <vector>

class MediaPlayer;

class PreviewView {
public:
    virtual ~PreviewView() = default;
    // Source path of the last selected row; empty when no row is selected.
    virtual QString LastSelectedSourcePath() = 0;
    virtual bool HasSelectedRow() = 0;
    virtual void FocusTaskList() = 0;
    virtual int PositionSliderPos() = 0;
    virtual void SetPositionSliderPos(int pos) = 0;
    virtual void EnablePositionSlider(bool enabled) = 0;
    virtual int VolumeSliderPos() = 0;
    // Picture set of the Play button (302 play, 310 pause, 301 disabled) and Stop
    // button (304, 303 disabled), with the enabled state.
    virtual void ShowPlayButton(int pictureSet, bool enabled) = 0;
    virtual void ShowStopButton(int pictureSet, bool enabled) = 0;
    // The picture to draw stretched over the picture area; nullptr erases it.
    // The image stays valid until the next call.
    virtual void ShowPicture(const QImage* picture) = 0;
    // playState changed (the Play button's tooltip follows it).
    virtual void PlayStateChanged() {}
    // "position / length" of the open file ("0:01:02.5 / 0:10:00.0"), empty when
    // nothing is open.
    virtual void ShowPlayingTime(const QString& text) { Q_UNUSED(text); }
};

enum class PlayState { Play, Pause };  // what the Play button will do next

class PreviewController : public QObject {
    Q_OBJECT
public:
    static constexpr int kPositionTimerId = 100;
    static constexpr int kFrameTimerId = 200;
    static constexpr int kPositionPeriodMs = 100;
    static constexpr int kFramePeriodMs = 67;
    static constexpr int kPositionMin = 0;
    static constexpr int kPositionMax = 1000;  // thousandths of the file
    static constexpr int kVolumeMax = 100000;  // the volume slider's range
    static constexpr int kVolumeStart = 30000;
    static constexpr int kVolumeCap = 65535;   // the player's range
    static constexpr int kPlayLook = 302;
    static constexpr int kPauseLook = 310;
    static constexpr int kPlayDisabledLook = 301;
    static constexpr int kStopLook = 304;
    static constexpr int kStopDisabledLook = 303;

    PreviewController(MediaPlayer& player, PreviewView& view, QObject* parent = nullptr);
    ~PreviewController() override;

    // Initialises the player (this controller receives its end of playback) and
    // resets the preview: no picture, position slider 0..1000 at 0, stopped,
    // "PLAY", and the player's volume set to what the volume slider shows.
    void InitPreviewPlayer();
    // Play button: opens the last selected row when stopped, then plays or pauses.
    void TogglePlay();
    // Loads the last selected row's file. Returns false when no row is selected or
    // the player cannot open it (then nothing is drawn and nothing plays).
    bool OpenPreview();
    // Stops and closes the player and resets the controls. Does nothing to the
    // player before a file was ever opened.
    void StopPreview();
    // A slider moved (dragged or by a key): 1140 seeks, and a paused file plays
    // on (Play shows the pause look); 1141 sets the volume.
    void OnSliderMoving(int controlId, int pos);
    // Gives the player the level the volume slider shows.
    void ApplyVolume();
    // The player's level (0..65535) for a volume slider position (0..100000):
    // proportional, so the whole travel of the slider changes the sound.
    static int VolumeLevelFor(int sliderPos);
    // Timer work, public so tests can tick without waiting.
    void OnPositionTick();
    void OnFrameTick();

    PlayState playState() const { return m_playState; }
    QString PlayStateText() const { return m_playState == PlayState::Play ? "PLAY" : "PAUSE"; }
    bool playerOpened() const { return m_playerOpened; }
    bool playerStopped() const { return m_playerStopped; }
    int positionTimerId() const { return m_positionTimer.isActive() ? kPositionTimerId : 0; }
    int frameTimerId() const { return m_frameTimer.isActive() ? kFrameTimerId : 0; }
    int hasPicture() const { return m_hasPicture; }
    int frameWidth() const { return m_frameWidth; }
    int frameHeight() const { return m_frameHeight; }
    int volumeLevel() const { return m_volumeLevel; }
    const QImage& Picture() const { return m_picture; }
    // The open file's pixel width over height (1 = square pixels): the picture is
    // shown at its width times this over its height.
    double SampleAspect() const { return m_sampleAspect; }
    // "h:mm:ss.t / h:mm:ss.t" in the person's locale (its decimal sign).
    static QString PlayingTimeText(double position, double length);

    // Copies a bottom-up B, G, R buffer of width * height * 3 bytes (rows of
    // exactly width * 3 bytes, any width) into `picture` (Format_BGR888, top row
    // first), reallocating it only when its size differs.
    static void CopyBottomUpBgr(const unsigned char* buffer, int width, int height, QImage& picture);

    // The end callback given to the player; safe on any thread.
    static void NotifyEndOfPlayback();

signals:
    // The end-of-playback message arrived and the preview was stopped.
    void playbackEnded();

protected:
    void customEvent(QEvent* event) override;

private:
    void startTimers();
    void stopTimers();
    void setPlayState(PlayState state);

    MediaPlayer& m_player;
    PreviewView& m_view;
    QTimer m_positionTimer;
    QTimer m_frameTimer;
    PlayState m_playState = PlayState::Play;
    bool m_playerOpened = false;  // set by the first successful open, never cleared
    bool m_playerStopped = true;
    int m_hasPicture = 0;
    int m_hasSound = 0;
    int m_frameWidth = 0;
    int m_frameHeight = 0;
    double m_sampleAspect = 1.0;
    int m_volumeLevel = kVolumeCap;
    std::vector<unsigned char> m_frameBuffer;  // one per opened file
    QImage m_picture;                          // the frame, top row first
};
