// The main window's commands: the task list (Add, drop, Remove, Clear, click,
// file information), the preview's buttons, the output folder (Browse, Find
// Target), Help, Setting, About, Minimise, Close, the profile change and the
// two popup menus.

#include "app/CTolvaneAVConverterDlg.h"
#include "app/ConversionCommands.h"
#include "app/ConversionControl.h"

#include "app/MainWindowIds.h"
#include "app/MainWindowLayout.h"
#include "app/ProbeQueue.h"
#include "app/ProbeRunner.h"
#include "controls/About.h"
#include "controls/CheckListCtrl.h"
#include "controls/ControlButton.h"
#include "engine/AVConvert.h"
#include "platform/Platform.h"
#include "profiles/OutputSettings.h"
#include "profiles/ProfileTable.h"

#include "dialogs/CFileInfomation.h"
#include "dialogs/CSettings.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QPointer>
#include <QTimer>

#include <cmath>

using namespace mainwindow;

namespace {

// Sets a flag for one scope (scopes may nest).
class BusyScope {
public:
    explicit BusyScope(bool& flag) : m_flag(flag), m_previous(flag) { m_flag = true; }
    ~BusyScope() { m_flag = m_previous; }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    bool& m_flag;
    bool m_previous;
};

}  // namespace

AVConvert& CTolvaneAVConverterDlg::Job() {
    if (!m_job) {
        m_job = std::make_unique<AVConvert>();
        ApplySourcePreferences(ReadSourcePreferences(m_folders.iniPath), *m_job);
    }
    return *m_job;
}

QString CTolvaneAVConverterDlg::profileText() const { return m_profileCombo->currentText(); }

QString CTolvaneAVConverterDlg::outputFolderText() {
    // Blanks around a typed folder are slips (Find Target and the runs alike).
    m_outputFolderText = m_folderCombo->currentText().trimmed();
    return m_outputFolderText;
}

bool CTolvaneAVConverterDlg::WriteOutputFolder(const QString& folder, QString* problem) {
    return ::WriteOutputFolder(m_folders.iniPath, folder, problem);
}

void CTolvaneAVConverterDlg::AddOutputFolderEntry(const QString& folder) {
    // The list is sorted the way the desktop's sorted combo boxes sort: without
    // regard to case; equal entries go after the ones already there.
    const QString edit = m_folderCombo->currentText();
    int index = 0;
    while (index < m_folderCombo->count() &&
           QString::compare(m_folderCombo->itemText(index), folder, Qt::CaseInsensitive) <= 0)
        ++index;
    m_folderCombo->insertItem(index, folder);
    m_folderCombo->setEditText(edit.isEmpty() ? folder : edit);
}

// ---- Task list ----

void CTolvaneAVConverterDlg::AddFiles() {
    if (m_busy) return;
    // The chooser opens where the person last took files from (kept across
    // restarts), else at home: the folder the program was started in is seldom
    // where the media are.
    QString start = ReadAddFolder(m_folders.iniPath);
    if (start.isEmpty() || !QFileInfo(start).isDir()) start = QDir::homePath();
    const QStringList paths = CurrentPlatform().ChooseOpenFiles(this, Translated(kOpenFileFilter), start);
    if (!paths.isEmpty()) WriteAddFolder(m_folders.iniPath, QFileInfo(paths.first()).absolutePath());
    AddPaths(paths);
}

void CTolvaneAVConverterDlg::enablePlayAndStop() {
    ShowPlayButton(m_preview->playState() == PlayState::Play ? PreviewController::kPlayLook
                                                             : PreviewController::kPauseLook,
                   true);
    ShowStopButton(PreviewController::kStopLook, true);
}

void CTolvaneAVConverterDlg::updatePlayAndStop() {
    // Play and Stop follow the selection, whatever added the rows or changed it
    // (mouse, keyboard, Add, drop, removal), and stay usable while a file is
    // open in the preview.
    const bool previewOpen = m_preview->playState() == PlayState::Pause || !m_preview->playerStopped();
    if (HasSelectedRow() || previewOpen) {
        enablePlayAndStop();
    } else {
        ShowPlayButton(PreviewController::kPlayDisabledLook, false);
        ShowStopButton(PreviewController::kStopDisabledLook, false);
    }
}

void CTolvaneAVConverterDlg::RemoveTask() {
    if (m_busy) return;
    const QPointer<QWidget> focused = focusWidget();
    ApplyButtonChanges(m_tasks.RemoveFirstSelected());
    focusAddWhenEmptied(focused);
}

void CTolvaneAVConverterDlg::focusAddWhenEmptied(QWidget* focusedBefore) {
    // The emptied list hides, and a command that empties it (Remove, Clear) greys
    // itself: the focus would drift to the volume slider. Add is where the work
    // starts again, as in a new window.
    if (!m_list->isHidden() || !focusedBefore) return;
    if (focusedBefore == m_list || !focusedBefore->isVisible() || !focusedBefore->isEnabled())
        m_buttons.at(kAdd)->setFocus(Qt::OtherFocusReason);
}

void CTolvaneAVConverterDlg::RemoveTaskAndStopPreview() {
    RemoveTask();
    StopPreview();
}

void CTolvaneAVConverterDlg::ClearTasks() {
    if (m_busy) return;
    const QPointer<QWidget> focused = focusWidget();
    ApplyButtonChanges(m_tasks.Clear());
    StopPreview();
    focusAddWhenEmptied(focused);
}

AVConvert& CTolvaneAVConverterDlg::jobForProbe() {
    // The probe writes fields a worker reads: a stopping worker finishes first.
    if (beforeProbe) beforeProbe();
    return Job();
}

bool CTolvaneAVConverterDlg::probeRowIntoFileInfo(int row) {
    const QString path = m_tasks.Text(row, TaskList::kSource);
    ProbeOutcome outcome;
    {
        BusyScope busy(m_busy);
        outcome = ProbeKeepingWindowAlive(jobForProbe(), path);
    }
    if (outcome.result < 0) return false;
    CurrentFileInfoTexts() = FileInfoFromProbe(Job(), path);
    return true;
}

void CTolvaneAVConverterDlg::ClickTask() {
    if (m_busy) return;
    StopPreview();
    const int row = m_tasks.FirstSelected();
    if (row < 0) {
        ApplyButtonChanges(m_tasks.StatesAfterClick(false));
        return;
    }
    if (!probeRowIntoFileInfo(row)) {
        CurrentPlatform().MessageBox(this, TaskList::InvalidClickMessage(m_tasks.Text(row, TaskList::kSource)),
                                     QString(), MessageButtons::Ok, MessageIcon::Exclamation);
    } else {
        ApplyButtonChanges(m_tasks.StatesAfterClick(true));
    }
    closeIfRequested();
}

bool CTolvaneAVConverterDlg::LoadSelectedFileInfo() {
    const int row = m_tasks.FirstSelected();
    if (row < 0) return false;
    return probeRowIntoFileInfo(row);
}

// ---- Preview ----

void CTolvaneAVConverterDlg::InitPreviewPlayer() { m_preview->InitPreviewPlayer(); }
void CTolvaneAVConverterDlg::TogglePlay() { m_preview->TogglePlay(); }
void CTolvaneAVConverterDlg::StopPreview() { m_preview->StopPreview(); }

// ---- Conversion commands ----

ConversionCommands& CTolvaneAVConverterDlg::conversion() {
    if (!m_conversion) {
        m_conversion = std::make_unique<ConversionCommands>(*this);
        // A probe writes fields a worker reads: a stopping worker finishes first.
        if (!beforeProbe) beforeProbe = [this] { m_conversion->Control().WaitForWorker(); };
    }
    return *m_conversion;
}

void CTolvaneAVConverterDlg::onConvert() {
    if (m_busy) return;
    conversion().Convert();
}

void CTolvaneAVConverterDlg::onMerge() {
    if (m_busy) return;
    conversion().Merge();
}

void CTolvaneAVConverterDlg::onClip() {
    if (m_busy) return;
    conversion().Clip();
}

void CTolvaneAVConverterDlg::onFileInfo() {
    if (m_busy) return;
    const bool loaded = LoadSelectedFileInfo();
    if (m_closeRequested) return closeIfRequested();
    if (!loaded) return;
    // The window lists the row's tracks and keeps what is chosen there with the row.
    const int row = m_tasks.FirstSelected();
    FileInfoTexts& texts = CurrentFileInfoTexts();
    texts.tracks.audioRequest = m_tasks.TrackRequest(row, TaskList::TrackSlot::Sound);
    texts.tracks.subtitleRequest = m_tasks.TrackRequest(row, TaskList::TrackSlot::Subtitles);
    CFileInfomation information(texts, this);
    modalRunner(information);
    if (row < 0 || row >= m_tasks.Count()) return;
    m_tasks.SetTrackRequest(row, TaskList::TrackSlot::Sound, information.SoundTrackRequest());
    m_tasks.SetTrackRequest(row, TaskList::TrackSlot::Subtitles, information.SubtitleRequest());
}

// ---- Output folder ----

void CTolvaneAVConverterDlg::onBrowse() {
    for (;;) {
        // Owned by the main window, so it opens over it.
        // It opens in the output folder (the one shown, typed or chosen), where
        // the person most likely wants to look from.
        const QString path = CurrentPlatform().ChooseFolder(this, Translated(kChooseFolderTitle), outputFolderText());
        if (path.isEmpty()) return;
        if (!QFileInfo::exists(path)) {
            CurrentPlatform().MessageBox(this, Translated(kInvalidFolderMessage));
            continue;
        }
        m_outputFolderText = path;
        AddOutputFolderEntry(path);
        m_outputFolder = path;
        m_folderCombo->setEditText(m_outputFolderText);
        // Chosen is meant: remembered now, not only after a conversion.
        QString problem;
        if (!WriteOutputFolder(path, &problem)) CurrentPlatform().MessageBox(this, ConfigurationProblemMessage(problem));
        else if (!problem.isEmpty()) CurrentPlatform().MessageBox(this, problem);
        return;
    }
}

void CTolvaneAVConverterDlg::onFindTarget() {
    const QString folder = outputFolderText();
    if (!CheckOutputFolderExists(folder)) {
        // The field to mend has the focus once the message is closed.
        m_folderCombo->setFocus(Qt::OtherFocusReason);
        CurrentPlatform().MessageBox(this, FolderMissingMessage(folder), QString(), MessageButtons::Ok, MessageIcon::Exclamation);
        return;
    }
    m_outputFolder = folder;
    CurrentPlatform().OpenPath(folder, [window = QPointer<CTolvaneAVConverterDlg>(this), folder] {
        if (window)
            CurrentPlatform().MessageBox(window, Translated(kFolderNotOpenedMessage).arg(folder), QString(),
                                         MessageButtons::Ok, MessageIcon::Exclamation);
    });
    if (m_folderCombo->findText(folder, Qt::MatchExactly | Qt::MatchCaseSensitive) < 0)
        AddOutputFolderEntry(folder);
    m_folderCombo->setEditText(m_outputFolderText);
}

// ---- Other commands ----

void CTolvaneAVConverterDlg::onHelp() {
    if (!QFileInfo(m_folders.helpPath).isFile()) {
        CurrentPlatform().MessageBox(this, Translated(kNoHelpMessage));
        return;
    }
    // Without a browser or a handler for web pages the click would do nothing at
    // all: the person is told where the page is.
    const auto tell = [window = QPointer<CTolvaneAVConverterDlg>(this), page = m_folders.helpPath] {
        if (window)
            CurrentPlatform().MessageBox(window, Translated(kHelpNotOpenedMessage).arg(page), QString(),
                                         MessageButtons::Ok, MessageIcon::Exclamation);
    };
    if (!CurrentPlatform().OpenPath(m_folders.helpPath, tell).ok) tell();
}

void CTolvaneAVConverterDlg::onSetting() {
    // The progress window is modal while a worker runs, so the job's settings are
    // never changed under it.
    AVConvert& job = Job();
    SourcePreferences sources{job.preferredLanguage, static_cast<int>(std::lround(job.stillPictureSeconds))};
    const SourcePreferences before = sources;
    CSettings settings(CurrentOutputSettings(), this, &FindPreset, &sources);
    modalRunner(settings);
    if (sources == before) return;
    ApplySourcePreferences(sources, job);
    QString problem;
    if (!WriteSourcePreferences(m_folders.iniPath, sources, &problem))
        CurrentPlatform().MessageBox(this, QStringLiteral("The settings are not remembered: ") + problem);
}

void CTolvaneAVConverterDlg::onAbout() {
    CAbout about(this);
    modalRunner(about);
}

void CTolvaneAVConverterDlg::onMinimise() { showMinimized(); }

void CTolvaneAVConverterDlg::onClose() {
    if (isConverting()) {
        // The skin's Close and the window menu's Close end the window as the
        // close box does: a run is asked about first.
        close();
        return;
    }
    if (m_busy) {
        m_closeRequested = true;
        return;
    }
    shutDownPlayer();
    done(QDialog::Accepted);
}

void CTolvaneAVConverterDlg::EndSession() {
    if (m_probes) m_probes->Cancel();
    if (m_conversion) m_conversion->Control().WaitForWorker();
    m_closeRequested = true;
    shutDownPlayer();
    done(QDialog::Accepted);
}

void CTolvaneAVConverterDlg::onProfileChanged(int index) {
    if (index < 0 || index >= kProfileCount) return;
    LoadProfile(CurrentOutputSettings(), index);
    m_tasks.SetOutputFormatOfAll(m_profileCombo->itemText(index));
}

// ---- Menus ----

void CTolvaneAVConverterDlg::ShowTaskContextMenu(const QPoint& globalPos) {
    if (m_busy) return;
    outputFolderText();
    const bool selected = m_tasks.FirstSelected() >= 0;
    if (selected)
        ApplyButtonChanges({{kConvert, true}, {kFileInfo, true}, {kClip, true}, {kCut, true}});
    else
        ApplyButtonChanges({{kFileInfo, false}, {kClip, false}, {kCut, false}});

    QMenu menu(this);
    QAction* add = menu.addAction(tr("Add Files.."));
    menu.addSeparator();
    QAction* remove = menu.addAction(tr("Remove"));
    QAction* clear = menu.addAction(tr("Clear All"));
    menu.addSeparator();
    QAction* clip = menu.addAction(tr("Clip..."));
    menu.addSeparator();
    QAction* info = menu.addAction(tr("File Information..."));
    for (QAction* action : {remove, clip, info}) action->setEnabled(selected);

    QAction* chosen = menuRunner(menu, globalPos);
    if (chosen == add) AddFiles();
    else if (chosen == remove) RemoveTask();
    else if (chosen == clear) ClearTasks();
    else if (chosen == clip) onClip();
    else if (chosen == info) onFileInfo();
    outputFolderText();
}

void CTolvaneAVConverterDlg::ShowWindowMenu(const QPoint& globalPos) {
    QMenu menu(this);
    QAction* minimise = menu.addAction(tr("Minimize"));
    QAction* close = menu.addAction(tr("Close"));
    menu.addSeparator();
    QAction* about = menu.addAction(kAboutMenuText);
    about->setData(kAboutCommand);
    QAction* chosen = menuRunner(menu, globalPos);
    if (chosen == about) onAbout();
    else if (chosen == minimise) onMinimise();
    else if (chosen == close) this->close();
}
