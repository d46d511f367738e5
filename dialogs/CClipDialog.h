#pragma once
// The "Clip" window: plays one task's file and lets the user set the task's begin
// and end time from the playing position. The rules live in ClipEditor; this
// class is the window around it: template 318, skinned Play/Stop buttons, the
// position slider with its marks, the picture drawn over area 1144, the two
// polling timers, tooltips and the background picture 311.
//
// The player's end-of-playback callback comes on the player's thread; it is
// posted to the open clip window, which runs Stop on the UI thread.
//
// Use: construct with the main window's task list as ClipHost, then Run(row)
// (modal). The host's row is changed only by OK. UI thread only.

#include "dialogs/ClipEditor.h"

#include <QDialog>
#include <QTimer>

class CBitmapSlider;
class CControlButton;
class QLabel;
class QPushButton;

class CClipDialog : public QDialog {
    Q_OBJECT
public:
    enum ControlIds {
        kPictureArea = 1144,
        kPositionSlider = 1142,
        kPlay = 1000,
        kStop = 1001,
        kVolume = 1002,
        kVolumeSlider = 1143,
        kBeginText = 1023,
        kEndText = 1024,
        kCutText = 1025,
        kPositionTime = 1026,  // position / length beside the slider
        kSetBegin = 3,
        kSetEnd = 4,
        kReset = 1109,
        kOk = 1004,
        kCancel = 1005,
    };
    static constexpr int kPositionTimerMs = 100;
    static constexpr int kFrameTimerMs = 67;

    CClipDialog(ClipHost& host, QWidget* owner = nullptr, MediaPlayer& player = ModulePlayer());
    ~CClipDialog() override;

    // Initialises, loads task `row` (playback starts at once) and runs modally.
    // The title names the task's file ("Clip - name.avi").
    // Returns QDialog::Accepted after OK.
    int Run(int row);
    // Initialises and loads task `row` without the modal loop (tests show the
    // window themselves).
    void Open(int row);

    ClipEditor& Editor() { return m_editor; }
    // The tooltip text of a control, by control id.
    QString ToolTipFor(int controlId) const;

public slots:
    // The end of playback (WM_USER+2): Stop.
    void onPlaybackEnded();
    // Escape and anything else that rejects: Cancel.
    void reject() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

private:
    void buildControls();
    void skinButtons();
    void fitToScreen();
    void prepareSliders();
    void sync();
    void finish(int result);

    ClipHost& m_host;
    ClipEditor m_editor;
    QTimer m_positionTimer;
    QTimer m_frameTimer;
    bool m_pictureShown = false;
    int m_playLook = -1;  // picture set the Play button shows
    bool m_finishing = false;

    QWidget* m_pictureArea = nullptr;
    CBitmapSlider* m_position = nullptr;
    CBitmapSlider* m_volume = nullptr;
    CControlButton* m_play = nullptr;
    CControlButton* m_stop = nullptr;
    CControlButton* m_volumeButton = nullptr;
    QLabel* m_beginText = nullptr;
    QLabel* m_endText = nullptr;
    QLabel* m_cutText = nullptr;
    QLabel* m_positionTime = nullptr;
};
