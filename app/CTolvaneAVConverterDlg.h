#pragma once
// CTolvaneAVConverterDlg: the main window (template 102). A frameless, skinned
// window with the task list, the source preview, the profile and output-folder
// combos and the commands around them. The rules live in plain classes
// (TaskList, PreviewController, AppFolders); this class wires them to the
// widgets and the platform layer.
//
// Construction runs the window's whole initialisation in its fixed order:
// window menu item, icon and title, profile combo (entry 0 loaded), skinned
// buttons and sliders, task-list columns (hidden), the output folder from the
// configuration file (or the default, created), output settings at their
// start values, and the preview player.
//
// Keys: Delete in the task list removes the first selected task; Enter and
// Escape do nothing (an accidental key press must not end the program and throw
// the task list away); Alt+Space opens the window menu; F1 opens the help. Close,
// the window manager's close and Alt+F4 end the window, closing the player
// first; during a conversion they ask "Stop the conversion?" first. Tab starts
// at the task list and follows the window's reading order.
//
// Modal dialogs (Setting, About, and the conversion windows) run through
// `modalRunner`, popup menus through `menuRunner`, so tests can see them without
// blocking. UI thread only.

#include "app/AppFolders.h"
#include "app/FileInfoTexts.h"
#include "app/PreviewController.h"
#include "app/TaskList.h"

#include <QDialog>
#include <QHash>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QStringList>

#include <atomic>

#include <functional>
#include <map>
#include <memory>
#include <utility>
#include <vector>

class AVConvert;
class CBitmapSlider;
class CCheckListCtrl;
class CControlButton;
class ConversionCommands;
class PreviewPicture;
class MediaPlayer;
class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QMenu;
class QPushButton;
class ProbeQueue;
struct ProbedFile;

class CTolvaneAVConverterDlg : public QDialog, private PreviewView {
    Q_OBJECT
public:
    // `player` = nullptr uses the real player module.
    explicit CTolvaneAVConverterDlg(QWidget* parent = nullptr, MediaPlayer* player = nullptr);
    ~CTolvaneAVConverterDlg() override;

    // ---- Members shared with the conversion control and the clip dialog ----
    int completedCount = 0;
    bool shutdownWhenDone = false;
    int clipRow = 0;                     // the row handed to the clip dialog
    bool clipPlayerInitialised = false;  // the clip dialog has initialised the player

    // Runs a modal dialog owned by this window and returns its result.
    std::function<int(QDialog&)> modalRunner;
    // Shows a popup menu at a screen position and returns the chosen action.
    std::function<QAction*(QMenu&, const QPoint&)> menuRunner;
    // Called before every probe of the shared job (Add, drop, click, file
    // information); the conversion control makes a stopping worker finish here.
    std::function<void()> beforeProbe;

    // ---- Access for the conversion control, the clip dialog and tests ----
    TaskList& taskList() { return m_tasks; }
    CCheckListCtrl* taskListControl() const { return m_list; }
    PreviewController& preview() { return *m_preview; }
    const AppFolders& folders() const { return m_folders; }
    // The shared conversion job, created on first use and kept until the end.
    AVConvert& Job();
    // Convert, Merge and Clip with the progress window (created on first use).
    ConversionCommands& conversion();
    AVConvert* JobIfCreated() const { return m_job.get(); }
    // The profile combo's current entry text.
    QString profileText() const;
    // Pulls the output-folder combo's text into outputFolderText and returns it.
    QString outputFolderText();
    QString outputFolder() const { return m_outputFolder; }
    void setOutputFolder(const QString& folder) { m_outputFolder = folder; }
    // Stores the output folder in the configuration file (after a successful
    // folder check of Convert or Merge).
    bool WriteOutputFolder(const QString& folder, QString* problem = nullptr);
    QComboBox* profileCombo() const { return m_profileCombo; }
    QComboBox* outputFolderCombo() const { return m_folderCombo; }
    // The Output area's options: outputs in their sources' folders below the
    // output folder; rows whose complete output an earlier run wrote left out.
    QCheckBox* keepTreeBox() const { return m_keepTree; }
    QCheckBox* skipDoneBox() const { return m_skipDone; }
    CControlButton* button(int id) const;
    CBitmapSlider* positionSlider() const { return m_positionSlider; }
    CBitmapSlider* volumeSlider() const { return m_volumeSlider; }
    PreviewPicture* pictureArea() const { return m_picture; }
    QLabel* playingTimeLabel() const { return m_playingTime; }
    // The window's size at the template's 503 x 307 dialog units, and the height of
    // the skin's title band (the only place a press drags the window).
    QSize templateSize() const { return m_templateSize; }
    int titleBandHeight() const;
    bool isDraggingWindow() const { return m_dragging; }
    const FileInfoTexts& fileInfoTexts() const { return CurrentFileInfoTexts(); }
    // Enables or disables a skinned button, switching to its matching look.
    void SetButtonEnabled(int id, bool enabled);
    void ApplyButtonChanges(const ButtonChanges& changes);
    // Adds a folder to the (sorted) output-folder combo, also when listed.
    void AddOutputFolderEntry(const QString& folder);
    // True while files are being added (probing).
    bool isBusy() const { return m_busy; }
    // True while a Convert or Merge runs (its progress window is open).
    bool isConverting() const;
    // The files being measured now (Cancel, counts); null before the first addition.
    ProbeQueue* probeQueue() const { return m_probes.get(); }
    // "Adding files: n of m" with Cancel, shown while files are measured.
    QWidget* addingBar() const { return m_addingBar; }
    // "Add files or drop them here", shown in the list's place (and taking its turn
    // in the Tab order) while it is empty; pressing it is Add.
    QPushButton* emptyHint() const { return m_emptyHint; }

public slots:
    // ---- Task list ----
    void AddFiles();
    void AddPaths(const QStringList& paths);  // Add's steps after the chooser
    void DropFiles(const QStringList& paths);
    // Files handed over by a later start of the program: added as a drop adds
    // them (at the end of the list while a conversion runs), the window raised.
    void TakeHandedFiles(const QStringList& paths);
    void RemoveTask();
    void RemoveTaskAndStopPreview();
    void ClearTasks();
    void ClickTask();
    bool LoadSelectedFileInfo();
    // ---- Preview ----
    void InitPreviewPlayer();
    void TogglePlay();
    void StopPreview();
    // ---- Commands ----
    void onConvert();
    void onMerge();
    void onClip();
    void onFileInfo();
    void onBrowse();
    void onFindTarget();
    void onHelp();
    void onSetting();
    void onAbout();
    void onMinimise();
    void onClose();
    // The session ends (a signal): a running conversion stops as Stop stops it
    // (finished and shortened outputs kept, rows showing their results), the
    // player closes and the window ends.
    void EndSession();
    void onProfileChanged(int index);
    // The task list's context menu / the window menu ("Korbanix...").
    void ShowTaskContextMenu(const QPoint& globalPos);
    void ShowWindowMenu(const QPoint& globalPos);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool event(QEvent* event) override;
    // On showing: the list or Add has the focus, not a title-bar button.
    void focusFirstWork();
    // After Remove or Clear emptied the list: the focus goes to Add when it was
    // on the list or on a command that greyed itself.
    void focusAddWhenEmptied(QWidget* focusedBefore);
    void done(int result) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // PreviewView
    QString LastSelectedSourcePath() override;
    bool HasSelectedRow() override;
    void FocusTaskList() override;
    int PositionSliderPos() override;
    void SetPositionSliderPos(int pos) override;
    void EnablePositionSlider(bool enabled) override;
    int VolumeSliderPos() override;
    void ShowPlayButton(int pictureSet, bool enabled) override;
    void ShowStopButton(int pictureSet, bool enabled) override;
    void ShowPicture(const QImage* picture) override;
    void PlayStateChanged() override;
    void ShowPlayingTime(const QString& text) override;

    // Initialisation steps, in order.
    void createControls();
    void setTabOrderByLayout();
    void addWindowMenuItem();
    void setIconTitleTooltips();
    void fillProfileCombo();
    void prepareButtonsAndSliders();
    void setUpTaskList();
    void setUpOutputFolder();
    void connectCommands();
    // Size and place: the template places of the controls, where they go at the
    // window's size now, and the place kept in the configuration file.
    void recordTemplatePlaces();
    void relayout();
    void useBlankStripsWhenShort(int extraHeight);
    void keepPictureShape();
    void restoreWindowPlace();
    void saveWindowPlace();
    void endDrag();

    // Adding files: the files are measured by m_probes while the window keeps
    // answering; the call returns when all have been added or Cancel was pressed.
    void addFiles(const QStringList& rawPaths, bool dropped);
    // addFiles now, or once the files being measured are in.
    void addFilesInTurn(const QStringList& paths, bool dropped);
    // Folders among `paths` become their media files (a helper thread reads them
    // while the window answers); false when Cancel was pressed meanwhile.
    bool listFolders(QStringList& paths);
    void takeProbed(const std::vector<ProbedFile>& files);
    // A file of a drop as its row: on top, or below the last one of its folder.
    void finishAdding(bool cancelled);
    void createAddingControls();
    void placeListOverlays();
    // The position slider's accessible scale follows the opened file's length.
    void followPlayedLength();
    // Convert and Merge follow the check boxes (one, two checked tasks).
    int checkedCount() const;
    void followChecks();
    bool probeRowIntoFileInfo(int row);
    AVConvert& jobForProbe();
    void enablePlayAndStop();
    void updatePlayAndStop();
    void shutDownPlayer();
    void closeIfRequested();
    bool isOwnWidget(QObject* object) const;

    std::unique_ptr<MediaPlayer> m_ownedPlayer;
    MediaPlayer* m_player = nullptr;
    std::unique_ptr<AVConvert> m_job;
    AppFolders m_folders;
    QString m_outputFolder;
    QString m_outputFolderText;

    std::map<int, CControlButton*> m_buttons;
    CCheckListCtrl* m_list = nullptr;
    QComboBox* m_profileCombo = nullptr;
    QComboBox* m_folderCombo = nullptr;
    QCheckBox* m_keepTree = nullptr;
    QCheckBox* m_skipDone = nullptr;
    CBitmapSlider* m_positionSlider = nullptr;
    CBitmapSlider* m_volumeSlider = nullptr;
    PreviewPicture* m_picture = nullptr;
    QLabel* m_profileLabel = nullptr;
    QLabel* m_outputLabel = nullptr;
    QLabel* m_playingTime = nullptr;
    QWidget* m_sizeGrip = nullptr;
    QSize m_templateSize;
    std::vector<std::pair<QWidget*, QRect>> m_templatePlaces;  // at m_templateSize
    TaskList m_tasks;
    std::unique_ptr<PreviewController> m_preview;

    bool m_busy = false;            // adding files: commands wait
    bool m_checksPending = false;   // followChecks is due
    // The addition in progress.
    struct Adding {
        bool dropped = false;
        bool atTop = false;  // a drop while no conversion runs
        int firstRow = -1;
        bool listFull = false;
        std::vector<std::pair<QString, QString>> refused;  // path, why
        // Files found in folders added, with their folder below the one added;
        // those the probe refuses are no media and are passed over quietly.
        struct Listed {
            int folder = 0;     // which folder of the addition it was found in
            QString subfolder;  // below that folder
        };
        QHash<QString, Listed> listed;
        // A dropped folder's files go to the top as one block, in their order.
        int blockFolder = -1;
        int blockRow = -1;
    };
    Adding m_adding;
    std::unique_ptr<ProbeQueue> m_probes;
    QWidget* m_addingBar = nullptr;
    QLabel* m_addingText = nullptr;
    QPushButton* m_emptyHint = nullptr;
    std::atomic<bool> m_listingCancelled{false};  // Cancel while folders are read (the lister thread reads it)
    bool m_closeRequested = false;  // a close came while busy
    bool m_playerShutDown = false;
    bool m_dragging = false;        // manual move when the desktop cannot move us
    QPoint m_dragOffset;
    // Last, so it goes first: it ends a worker still using the job.
    std::unique_ptr<ConversionCommands> m_conversion;
};
