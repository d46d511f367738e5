#include "app/ConversionCommands.h"

#include "app/AppFolders.h"
#include "app/CTolvaneAVConverterDlg.h"
#include "app/ConversionControl.h"
#include "app/DeviceFolderOffer.h"
#include "controls/CheckListCtrl.h"
#include "dialogs/CAVConvertDlg.h"
#include "dialogs/CClipDialog.h"
#include "platform/FileNames.h"
#include <QCoreApplication>
#include "platform/Platform.h"
#include "profiles/OutputSettings.h"
#include "dialogs/EngineTexts.h"
#include "profiles/OutputSizeGuard.h"
#include "profiles/TargetSizeRules.h"

#include <QCheckBox>
#include <QComboBox>

namespace {

const char* const kNothingToCut = QT_TRANSLATE_NOOP("ConversionCommands", "Please select the video files to cut!");

}  // namespace

// The conversion control's view of the main window.
class ConversionCommands::Host : public ConversionHost {
public:
    explicit Host(CTolvaneAVConverterDlg& window) : m_window(window) {}

    AVConvert& Job() override { return m_window.Job(); }
    int RowCount() const override { return m_window.taskList().Count(); }
    TaskRow Row(int row) const override { return m_window.taskList().Row(row); }
    void SetRowStatus(int row, const QString& status) override {
        m_window.taskList().SetText(row, TaskList::kStatus, status);
    }
    QString RowStatus(int row) const override { return m_window.taskList().Text(row, TaskList::kStatus); }
    void SetRowStatusTip(int row, const QString& tip) override {
        if (QTableWidgetItem* cell = m_window.taskList().Control().item(row, TaskList::kStatus)) cell->setToolTip(tip);
    }
    void SetRowChecked(int row, bool checked) override { m_window.taskList().SetChecked(row, checked); }
    QString PullOutputFolderText() override { return m_window.outputFolderText(); }
    QString ProfileText() const override { return m_window.profileText(); }
    void SetOutputFolder(const QString& folder) override { m_window.setOutputFolder(folder); }
    // A configuration file that cannot be written does not stop the conversion; the
    // user is told why the folder will not be offered next time.
    void WriteOutputFolder(const QString& folder) override {
        QString problem;
        if (!m_window.WriteOutputFolder(folder, &problem))
            CurrentPlatform().MessageBox(&m_window, ConfigurationProblemMessage(problem));
        else if (!problem.isEmpty())  // kept, but what held the file's name was set aside
            CurrentPlatform().MessageBox(&m_window, problem);
    }
    void StopPreview() override { m_window.StopPreview(); }
    QWidget* Window() override { return &m_window; }
    void FocusOutputFolder() override { m_window.outputFolderCombo()->setFocus(Qt::OtherFocusReason); }
    bool KeepTree() const override { return m_window.keepTreeBox()->isChecked(); }
    bool SkipDone() const override { return m_window.skipDoneBox()->isChecked(); }

private:
    CTolvaneAVConverterDlg& m_window;
};

// The clip dialog's view of the task list.
class ConversionCommands::ClipTasks : public ClipHost {
public:
    explicit ClipTasks(CTolvaneAVConverterDlg& window) : m_window(window) {}

    std::string RowText(int row, int column) const override {
        if (row < 0 || row >= m_window.taskList().Count()) return std::string();
        return EncodeFileName(m_window.taskList().Text(row, static_cast<TaskList::Column>(column)));
    }
    void SetRowText(int row, int column, const std::string& text) override {
        if (row < 0 || row >= m_window.taskList().Count()) return;
        m_window.taskList().SetText(row, static_cast<TaskList::Column>(column), QString::fromStdString(text));
    }
    void FocusTaskList() override {
        if (CCheckListCtrl* list = m_window.taskListControl()) list->setFocus();
    }
    void InitPreviewPlayer() override { m_window.InitPreviewPlayer(); }

private:
    CTolvaneAVConverterDlg& m_window;
};

ConversionCommands::ConversionCommands(CTolvaneAVConverterDlg& window, MediaPlayer* clipPlayer)
    : m_window(window),
      m_clipPlayer(clipPlayer),
      m_host(std::make_unique<Host>(window)),
      m_clipTasks(std::make_unique<ClipTasks>(window)),
      m_progress(std::make_unique<CAVConvertDlg>(&window)),
      m_control(std::make_unique<ConversionControl>(*m_host, *m_progress)),
      m_mountTable(QString::fromLatin1(kMountTablePath)) {
    m_progress->SetModalRunner([&window](QDialog& dialog) { return window.modalRunner(dialog); });
}

// The control goes first: it joins a worker that may still draw into the
// progress window's preview.
ConversionCommands::~ConversionCommands() { m_control.reset(); }

void ConversionCommands::Convert() {
    if (!refusedByFileLimit(false)) m_control->StartConversion();
}

void ConversionCommands::Merge() {
    if (!refusedByFileLimit(true)) m_control->StartMerge();
}

bool ConversionCommands::refusedByFileLimit(bool merge) {
    // A target size the profile cannot meet for these lengths: said now, with why.
    const OutputSettings& settings = CurrentOutputSettings();
    const std::string sizeRefusal = TargetSizeRefusal(m_window.taskList().Rows(), merge ? JobKind::Merge : JobKind::Convert,
                                                      settings, ProfileExtension(settings.profileCode));
    if (!sizeRefusal.empty()) {
        CurrentPlatform().MessageBox(&m_window, EngineText(sizeRefusal), QString(), MessageButtons::Ok,
                                     MessageIcon::Exclamation);
        return true;
    }
    const QString message = Fat32Refusal(m_window.taskList().Rows(), merge ? JobKind::Merge : JobKind::Convert,
                                         CurrentOutputSettings(), m_window.outputFolderText(),
                                         ReadMountTable(m_mountTable));
    if (message.isEmpty()) return false;
    CurrentPlatform().MessageBox(&m_window, message, QString(), MessageButtons::Ok, MessageIcon::Exclamation);
    return true;
}

bool ConversionCommands::StopOnClose() {
    // A run that ended by itself while the question was open closed it: the
    // close that was asked for goes ahead.
    if (!m_progress->AskToStop()) return !m_progress->IsOpen();
    m_control->WaitForWorker();
    return true;
}

void ConversionCommands::Clip() {
    const std::vector<int> rows = m_window.taskList().Selected();
    if (rows.empty()) {
        CurrentPlatform().MessageBox(nullptr, QCoreApplication::translate("ConversionCommands", kNothingToCut), QString(),
                                     MessageButtons::Ok, MessageIcon::Exclamation);
        return;
    }
    // The clip editor reads the job's rows through the task list only, but a
    // stopping worker must still be finished before anything else starts.
    m_control->WaitForWorker();
    for (const int row : rows) {
        m_window.clipRow = row;
        m_clipTasks->FocusTaskList();
        m_window.StopPreview();
        CClipDialog dialog(*m_clipTasks, &m_window, m_clipPlayer ? *m_clipPlayer : ModulePlayer());
        dialog.Open(row);
        m_window.modalRunner(dialog);
        // A runner that does not block (tests) leaves the dialog open: it is
        // cancelled here so the player is handed back before the next row.
        if (dialog.isVisible()) dialog.reject();
    }
}
