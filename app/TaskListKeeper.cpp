#include "app/TaskListKeeper.h"

#include "app/CTolvaneAVConverterDlg.h"
#include "app/RowStatus.h"
#include "controls/CheckListCtrl.h"
#include "platform/FileNames.h"
#include "platform/Platform.h"
#include "profiles/OutputSettings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>

#include <algorithm>
#include <filesystem>

namespace {

// A kept status in the window's language now: by its code, else by its words
// (lists kept before codes were stored, in whatever language they were kept);
// words of no known status stay as they were.
QString shownStatus(const SavedTask& task) {
    RowStatus status = RowStatusFromCode(task.statusCode);
    if (status == RowStatus::Unknown) status = RowStatusOfText(task.status);
    return status == RowStatus::Unknown ? task.status : RowStatusText(status);
}

}  // namespace

TaskListKeeper::TaskListKeeper(CTolvaneAVConverterDlg& window, QString path)
    : m_window(window), m_store(std::move(path)) {
    m_timer.setSingleShot(true);
    m_timer.setInterval(kSaveDelayMs);
    connect(&m_timer, &QTimer::timeout, this, &TaskListKeeper::onTimer);
    QAbstractItemModel* model = m_window.taskListControl()->model();
    connect(model, &QAbstractItemModel::rowsInserted, this, &TaskListKeeper::ScheduleSave);
    connect(model, &QAbstractItemModel::rowsRemoved, this, &TaskListKeeper::ScheduleSave);
    connect(model, &QAbstractItemModel::dataChanged, this, &TaskListKeeper::ScheduleSave);
    connect(model, &QAbstractItemModel::modelReset, this, &TaskListKeeper::ScheduleSave);
    connect(m_window.profileCombo(), &QComboBox::currentIndexChanged, this, &TaskListKeeper::ScheduleSave);
    connect(m_window.keepTreeBox(), &QCheckBox::toggled, this, &TaskListKeeper::ScheduleSave);
    connect(m_window.skipDoneBox(), &QCheckBox::toggled, this, &TaskListKeeper::ScheduleSave);
    m_window.installEventFilter(this);
}

TaskListKeeper::~TaskListKeeper() { m_window.removeEventFilter(this); }

void TaskListKeeper::ScheduleSave() {
    // Not restarted by further changes: a steady stream of changes (a running
    // conversion) still gets written once per interval.
    if (!m_restoring && !m_timer.isActive()) m_timer.start();
}

bool TaskListKeeper::eventFilter(QObject* watched, QEvent* event) {
    // The settings dialog changes the output settings without telling anyone;
    // when it closes the main window is active again.
    if (watched == &m_window && event->type() == QEvent::WindowActivate) ScheduleSave();
    return QObject::eventFilter(watched, event);
}

SavedTaskList TaskListKeeper::Capture() const {
    SavedTaskList list;
    list.profileIndex = m_window.profileCombo()->currentIndex();
    list.profileText = m_window.profileText();
    list.settings = CurrentOutputSettings();
    list.keepTree = m_window.keepTreeBox()->isChecked();
    list.skipDone = m_window.skipDoneBox()->isChecked();
    TaskList& tasks = m_window.taskList();
    const int count = tasks.Count();
    list.tasks.reserve(static_cast<std::size_t>(count));
    for (int row = 0; row < count; ++row) {
        SavedTask task;
        task.source = tasks.Text(row, TaskList::kSource);
        task.checked = tasks.IsChecked(row);
        task.start = tasks.Text(row, TaskList::kStart);
        task.end = tasks.Text(row, TaskList::kEnd);
        task.format = tasks.Text(row, TaskList::kFormat);
        task.status = tasks.Text(row, TaskList::kStatus);
        task.statusCode = RowStatusCode(RowStatusOfText(task.status));
        task.duration = tasks.Text(row, TaskList::kDuration);
        task.soundTrack = tasks.TrackRequest(row, TaskList::TrackSlot::Sound);
        task.subtitles = tasks.TrackRequest(row, TaskList::TrackSlot::Subtitles);
        task.subfolder = tasks.Subfolder(row);
        list.tasks.push_back(std::move(task));
    }
    return list;
}

void TaskListKeeper::onTimer() {
    if (m_window.isBusy()) {
        m_timer.start();
        return;
    }
    Flush();
}

void TaskListKeeper::Flush() {
    m_timer.stop();
    const QByteArray bytes = TaskListStore::Serialize(Capture());
    if (bytes == m_lastWritten) return;
    const TaskListStore::SaveResult saved = m_store.Write(bytes);
    if (!saved.setAsidePath.isEmpty())
        CurrentPlatform().MessageBox(&m_window, TaskListStore::LinkSetAsideMessage(saved), QString(),
                                     MessageButtons::Ok, MessageIcon::Exclamation);
    if (saved.written) {
        m_lastWritten = bytes;
        ++m_writes;
        m_failing = false;
        m_timer.setInterval(kSaveDelayMs);
        return;
    }
    // Said once per failure, not at every change; the list stays in the window
    // and the next try comes after a while (or with the next change after it).
    if (!m_failing)
        CurrentPlatform().MessageBox(&m_window, TaskListStore::SaveFailedMessage(saved), QString(),
                                     MessageButtons::Ok, MessageIcon::Exclamation);
    m_failing = true;
    m_timer.setInterval(kRetryDelayMs);
    m_timer.start();
}

void TaskListKeeper::Restore() {
    TaskListStore::LoadResult loaded = m_store.Load();
    if (loaded.outcome == TaskListStore::LoadOutcome::SetAside) {
        CurrentPlatform().MessageBox(&m_window, TaskListStore::SetAsideMessage(loaded), QString(),
                                     MessageButtons::Ok, MessageIcon::Exclamation);
        return;
    }
    if (loaded.outcome != TaskListStore::LoadOutcome::Loaded) return;
    // The name may carry escaped bytes (platform/FileNames.h) that QFileInfo would
    // spell as U+FFFD, so the file is asked for by its own bytes.
    TaskListStore::MarkVanished(loaded.list, [](const QString& path) {
        std::error_code error;
        return std::filesystem::is_regular_file(EncodeFileName(path), error);
    });
    m_restoring = true;
    apply(loaded.list);
    m_restoring = false;
    // Nothing to write until something changes: the vanished marks are found
    // again at every start.
    m_lastWritten = TaskListStore::Serialize(Capture());
}

void TaskListKeeper::KeepSavedUntilChanged() { m_lastWritten = TaskListStore::Serialize(Capture()); }

void TaskListKeeper::apply(const SavedTaskList& list) {
    QComboBox* profiles = m_window.profileCombo();
    // The entry by index when its text still matches, otherwise by text; a
    // profile that no longer exists leaves the first one.
    int index = list.profileIndex;
    if (index < 0 || index >= profiles->count() || profiles->itemText(index) != list.profileText) {
        const int byText = profiles->findText(list.profileText);
        index = byText >= 0 ? byText : -1;
    }
    if (index >= 0) {
        profiles->setCurrentIndex(index);  // loads the profile's values
        CurrentOutputSettings() = list.settings;
    }

    TaskList& tasks = m_window.taskList();
    const int room = TaskList::kCapacity - tasks.Count();
    const int count = std::min(static_cast<int>(list.tasks.size()), std::max(room, 0));
    for (int i = 0; i < count; ++i) {
        const SavedTask& task = list.tasks[static_cast<std::size_t>(i)];
        const int row = tasks.Control().InsertItem(tasks.Count(), task.source);
        tasks.SetText(row, TaskList::kStart, task.start);
        tasks.SetText(row, TaskList::kEnd, task.end);
        tasks.SetText(row, TaskList::kFormat, task.format);
        tasks.SetText(row, TaskList::kStatus, shownStatus(task));
        tasks.SetText(row, TaskList::kDuration, task.duration);
        tasks.SetChecked(row, task.checked);
        tasks.SetTrackRequest(row, TaskList::TrackSlot::Sound, task.soundTrack);
        tasks.SetTrackRequest(row, TaskList::TrackSlot::Subtitles, task.subtitles);
        tasks.SetSubfolder(row, task.subfolder);
    }
    m_window.keepTreeBox()->setChecked(list.keepTree);
    m_window.skipDoneBox()->setChecked(list.skipDone);
    tasks.ApplyStyles();
    tasks.FitColumns();  // the format column reads whole where there is room
    m_window.ApplyButtonChanges(tasks.StatesAfterAdding());
}
