#pragma once
// The progress window: the modal window in front of the main window while a
// conversion or a merge runs. It does no conversion work: the conversion control
// (app/ConversionControl) writes its texts and bars from its 300 ms timer, the
// worker draws into its preview through ProgressPreview, and Stop / the close box
// / the preview box are handed back to the control and the job. Escape and the
// close box (Alt+F4) ask "Stop the conversion?" first; Enter does nothing.
//
// UI thread only, except the preview sink (see ProgressPreview.h).

#include "dialogs/ProgressPreview.h"

#include <QDialog>
#include <QImage>

#include <functional>
#include <vector>

class AVConvert;
class CLabel;
class QCheckBox;
class QGroupBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QScrollArea;

// What the conversion control needs of a progress window; CAVConvertDlg is the
// real one, tests use a recording stand-in.
class ProgressWindow {
public:
    virtual ~ProgressWindow() = default;

    // Runs the window modally; returns when it has been closed. Every opening starts
    // afresh: "Converting..." texts, bars at 0, preview on (and the job's previewOff
    // cleared), the shut-down box unchecked, Stop enabled.
    virtual void RunModal() = 0;
    virtual bool IsOpen() const = 0;
    // Ends the modal run (with OK).
    virtual void Close() = 0;

    virtual void SetCurrentText(const QString& text) = 0;  // label 1018
    virtual void SetTotalText(const QString& text) = 0;    // label 1019
    virtual void SetCurrentBar(int percent) = 0;           // bar 1011
    virtual void SetTotalBar(int percent) = 0;             // bar 1012
    virtual bool ShutdownChecked() const = 0;              // box 1147
    // Time left for the whole run (label 1021, under the total bar) and for the
    // current file (label 1020, under its bar); an empty text blanks the label.
    virtual void SetTimeLeft(const QString& runText, const QString& fileText) {
        (void)runText;
        (void)fileText;
    }

    // The rows converted at once, lowest first: each its own line with its own
    // bar while more than one runs (none or one: the current-file line says it).
    struct RunningRow {
        QString name;
        int percent = 0;
        bool operator==(const RunningRow&) const = default;
    };
    virtual void SetRunningRows(const std::vector<RunningRow>& rows) { (void)rows; }

    // A stop has been asked for and the worker is finishing its current output:
    // Stop shows "Stopping..." and is disabled, the close box does nothing more.
    virtual void ShowStopping() = 0;

    // The job whose previewOff the preview box writes (not owned; may be null).
    virtual void SetJob(AVConvert* job) = 0;
    // Called when the user asks to stop (Stop or the close box).
    virtual void SetStopHandler(std::function<void()> onStop) = 0;
    // Where the worker's preview pictures go; null = no preview.
    virtual PreviewSink* Preview() = 0;
};

// Template 129: 400 x 105 dialog units, title "Korbanix".
class CAVConvertDlg : public QDialog, public ProgressWindow {
    Q_OBJECT
public:
    enum ControlIds {
        kPreviewFrame = 1108,
        kCurrentText = 1018,
        kCurrentBar = 1011,
        kTotalText = 1019,
        kTotalBar = 1012,
        kFileTimeLeft = 1020,
        kRunTimeLeft = 1021,
        kShowPreview = 1120,
        kShutdown = 1147,
        kStop = 1000,
    };

    explicit CAVConvertDlg(QWidget* owner = nullptr);
    ~CAVConvertDlg() override;

    // ProgressWindow
    void RunModal() override;
    bool IsOpen() const override;
    void Close() override;
    void SetCurrentText(const QString& text) override;
    void SetTotalText(const QString& text) override;
    void SetCurrentBar(int percent) override;
    void SetTotalBar(int percent) override;
    bool ShutdownChecked() const override;
    void SetTimeLeft(const QString& runText, const QString& fileText) override;
    void SetRunningRows(const std::vector<RunningRow>& rows) override;
    void ShowStopping() override;
    void SetJob(AVConvert* job) override { m_job = job; }
    void SetStopHandler(std::function<void()> onStop) override { m_onStop = std::move(onStop); }
    PreviewSink* Preview() override { return &m_preview; }

    // How RunModal runs the window (default: exec()). The main window passes its
    // own runner so its tests can watch a run without blocking.
    void SetModalRunner(std::function<int(QDialog&)> runner) { m_modalRunner = std::move(runner); }

    // Prepares the controls for a new run (what every opening does); public so a
    // non-modal show in tests starts from the same state.
    void InitialiseForRun();
    // The picture the preview frame shows now (null before the first one).
    QImage ShownPicture() const { return m_shownPicture; }
    bool Stopping() const { return m_stopping; }
    // Escape and the close box: "Stop the conversion?"; a yes acts as Stop does.
    // True when the run was told to stop.
    bool AskToStop();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void buildControls();
    void onStopClicked();
    void onPreviewToggled(bool shown);
    void takePreviewPicture();

    AVConvert* m_job = nullptr;
    std::function<void()> m_onStop;
    std::function<int(QDialog&)> m_modalRunner;
    ProgressPreview m_preview;
    QImage m_shownPicture;
    bool m_stopping = false;
    bool m_closingByProgram = false;
    bool m_asking = false;

    QGroupBox* m_frame = nullptr;
    QWidget* m_pictureArea = nullptr;
    CLabel* m_currentText = nullptr;
    CLabel* m_totalText = nullptr;
    QProgressBar* m_currentBar = nullptr;
    QProgressBar* m_totalBar = nullptr;
    QLabel* m_fileTimeLeft = nullptr;
    QLabel* m_runTimeLeft = nullptr;
    // One line per row running at once, under the template's controls, in a
    // scrolled area when more run than the screen has room for.
    struct RowLine {
        QLabel* name = nullptr;
        QProgressBar* bar = nullptr;
    };
    std::vector<RowLine> m_rowLines;
    QScrollArea* m_rowArea = nullptr;  // holds the lines; scrolls when they pass the screen
    QSize m_templateSize;
    QCheckBox* m_showPreview = nullptr;
    QCheckBox* m_shutdown = nullptr;
    QPushButton* m_stop = nullptr;
};
