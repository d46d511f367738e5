#include "app/TaskList.h"

#include "app/RowStatus.h"

#include "app/MainWindowIds.h"
#include "controls/CheckListCtrl.h"
#include "platform/FileNames.h"
#include "profiles/TimeText.h"

#include <QColor>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QHeaderView>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStyle>

#include <algorithm>
#include <cmath>

using namespace mainwindow;

namespace {

struct ColumnSpec {
    const char* heading;
    int width;  // pixels; the status column takes what the others leave
};

const ColumnSpec kColumns[TaskList::kColumnCount] = {
    {QT_TRANSLATE_NOOP("TaskList", "Source file"), 200},   {QT_TRANSLATE_NOOP("TaskList", "Start time"), 75},
    {QT_TRANSLATE_NOOP("TaskList", "End time"), 75},       {QT_TRANSLATE_NOOP("TaskList", "Output format"), 100},
    {QT_TRANSLATE_NOOP("TaskList", "Status"), -1},         {QT_TRANSLATE_NOOP("TaskList", "Duration"), 0},
};
constexpr int kFixedColumnsWidth = 450;
constexpr const char* kReadyStatus = QT_TRANSLATE_NOOP("TaskList", " Ready");
const QColor kBackground(241, 250, 233);

ButtonChanges changes(std::initializer_list<int> ids, bool enabled) {
    ButtonChanges out;
    for (int id : ids) out.push_back({id, enabled});
    return out;
}

}  // namespace

void TaskList::SetUp() {
    // The list's client width: its rectangle inside the frame (the widget may not
    // have been shown yet, so its viewport has no size of its own).
    int statusWidth = std::max(0, m_list.contentsRect().width() - kFixedColumnsWidth);
    // The status must be readable while a row converts ("Converting 74 %" read
    // "Con…4 %" in what the other columns left): the source column gives way,
    // its folders first.
    const int statusNeeds = StatusWidthNeeded(m_list.fontMetrics());
    const int sourceGives = std::clamp(statusNeeds - statusWidth, 0, kColumns[kSource].width / 3);
    statusWidth += sourceGives;
    for (int column = 0; column < kColumnCount; ++column) {
        const ColumnSpec& columnInfo = kColumns[column];
        int width = columnInfo.width < 0 ? statusWidth : columnInfo.width;
        if (column == kSource) width -= sourceGives;
        m_list.InsertColumn(column, tr(columnInfo.heading), width);
    }
    // A wider window widens the status (the last column a person sees).
    m_list.horizontalHeader()->setStretchLastSection(true);
    m_list.InitCheckHeader();
    m_list.SetPathColumn(kSource);
    ApplyStyles();
    m_list.SetBkColor(kBackground);
    m_list.hide();
}

void TaskList::FitColumns() {
    // Room for a vertical scroll bar is kept: with many rows it appears.
    const int scrollBar = std::max(m_list.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &m_list),
                                   m_list.verticalScrollBar()->sizeHint().width());
    const int room = m_list.contentsRect().width() - scrollBar;
    const QFontMetrics metrics = m_list.fontMetrics();
    const int statusNeeds = StatusWidthNeeded(metrics);
    int widths[kColumnCount];
    for (int column = 0; column < kColumnCount; ++column) widths[column] = std::max(0, kColumns[column].width);
    // The format asks for its whole text (the same on every row, so one row tells
    // it): it gives way after the source's folders, and so is whole again first
    // when the list grows.
    constexpr int kCellMargins = 12;
    if (Count() > 0) widths[kFormat] = std::max(widths[kFormat], metrics.horizontalAdvance(Text(0, kFormat)) + kCellMargins);
    // What does not fit is taken in turns: from the source (its folders go first,
    // the name stays), the output format (the same on most rows), the times down
    // to what "00:00:00" needs, and the source and the format again.
    const int time = metrics.horizontalAdvance(QStringLiteral("00:00:00")) + 8;
    const std::pair<int, int> givers[] = {{kSource, 150}, {kFormat, 60}, {kSource, 130}, {kStart, time},
                                           {kEnd, time},     {kSource, 110}, {kFormat, 40}, {kSource, 60}};
    int over = statusNeeds - room;
    for (int width : widths) over += width;
    for (const auto& [column, least] : givers) {
        const int gives = std::clamp(widths[column] - least, 0, std::max(0, over));
        widths[column] -= gives;
        over -= gives;
    }
    // Room to spare shows more of the source's folders; the status needs no more.
    if (over < 0) widths[kSource] -= over;
    int used = 0;
    for (int column = 0; column < kColumnCount; ++column) {
        if (column == kStatus || kColumns[column].width <= 0) continue;
        m_list.SetColumnWidth(column, widths[column]);
        used += widths[column];
    }
    m_list.SetColumnWidth(kStatus, std::max(statusNeeds, room - used));
}

void TaskList::ApplyStyles() {
    m_list.AddExtendedStyle(CCheckListCtrl::kGridLines | CCheckListCtrl::kCheckBoxes |
                            CCheckListCtrl::kFullRowSelect);
}

int TaskList::StatusWidthNeeded(const QFontMetrics& metrics) {
    constexpr int kCellMargins = 12;
    // The widest of the statuses in the window's language ("Konvertierung 100 %"); a
    // running row's text starts with a space.
    int widest = metrics.horizontalAdvance(
        QLatin1Char(' ') + QCoreApplication::translate("ConversionControl", "Converting %1 %").arg(100));
    for (RowStatus status : {RowStatus::Ready, RowStatus::Completed, RowStatus::Failed, RowStatus::Stopped,
                             RowStatus::DoneBefore, RowStatus::Missing})
        widest = std::max(widest, metrics.horizontalAdvance(RowStatusText(status)));
    return widest + kCellMargins;
}

int TaskList::Count() const { return m_list.GetItemCount(); }

QString TaskList::Text(int row, Column column) const { return m_list.GetItemText(row, column); }

void TaskList::SetText(int row, Column column, const QString& text) {
    m_list.SetItemText(row, column, text);
}

bool TaskList::IsChecked(int row) const { return m_list.GetCheck(row); }

void TaskList::SetChecked(int row, bool checked) { m_list.SetCheck(row, checked); }

int TaskList::FirstSelected() const { return m_list.GetFirstSelectedItem(); }

int TaskList::LastSelected() const {
    const std::vector<int> rows = m_list.GetSelectedItems();
    return rows.empty() ? -1 : rows.back();
}

std::vector<int> TaskList::Selected() const { return m_list.GetSelectedItems(); }

void TaskList::fillRow(int row, const ProbedLength& length) {
    SetText(row, kStart, QString::fromStdString(FormatTime(static_cast<int>(length.startSeconds))));
    SetText(row, kEnd, QString::fromStdString(FormatTime(static_cast<int>(length.durationSeconds))));
    SetText(row, kStatus, tr(kReadyStatus));
    SetText(row, kDuration, QString::number(length.durationMicroseconds / 1000000));
}

int TaskList::AppendTask(const QString& path, const ProbedLength& length, const QString& profileText) {
    return AddTasks({NewTask{path, length}}, false, profileText);
}

int TaskList::InsertTaskAtTop(const QString& path, const ProbedLength& length, const QString& profileText) {
    return AddTasks({NewTask{path, length}}, true, profileText);
}

int TaskList::AddTasks(const std::vector<NewTask>& files, bool atTop, const QString& profileText) {
    if (!atTop) return InsertTasksAt(Count(), files, profileText);
    // Each dropped file goes above the one before: the last ends up on top.
    const std::vector<NewTask> reversed(files.rbegin(), files.rend());
    return InsertTasksAt(0, reversed, profileText) < 0 ? -1 : 0;
}

int TaskList::InsertTasksAt(int at, const std::vector<NewTask>& files, const QString& profileText) {
    if (files.empty()) return -1;
    if (Count() > 0) m_list.SetItemSelected(0, false);
    const int count = static_cast<int>(files.size());
    const int first = std::clamp(at, 0, Count());
    QStringList paths;
    paths.reserve(count);
    for (const NewTask& file : files) paths << file.path;
    m_list.InsertItems(first, paths);
    for (int i = 0; i < count; ++i) {
        const int row = first + i;
        fillRow(row, files[static_cast<std::size_t>(i)].length);
        SetText(row, kFormat, profileText);
        SetChecked(row, true);
    }
    ApplyStyles();
    FitColumns();
    return first + count - 1;
}

ButtonChanges TaskList::RemoveFirstSelected() {
    const int row = FirstSelected();
    if (row < 0) return {};
    m_list.DeleteItem(row);
    const int remaining = Count();
    if (remaining == 0) {
        m_list.hide();
        return changes({kClip, kConvert, kSetting, kEmpty, kCut, kMerge, kFileInfo}, false);
    }
    ButtonChanges out;
    if (remaining == 1) out.push_back({kMerge, false});
    m_list.SelectAndFocus(row < remaining ? row : remaining - 1);
    m_list.setFocus();
    return out;
}

ButtonChanges TaskList::Clear() {
    m_list.DeleteAllItems();
    m_list.hide();
    return changes({kEmpty, kClip, kCut, kConvert, kSetting, kMerge, kFileInfo}, false);
}

ButtonChanges TaskList::StatesAfterAdding() {
    const int count = Count();
    if (count == 0) {
        m_list.hide();
        return changes({kEmpty, kConvert, kSetting, kMerge, kFileInfo}, false);
    }
    m_list.show();
    ButtonChanges out = changes({kEmpty, kConvert, kClip, kCut, kFileInfo, kSetting}, true);
    out.push_back({kMerge, count >= 2});
    return out;
}

ButtonChanges TaskList::StatesAfterClick(bool rowSelected) const {
    if (!rowSelected) return changes({kClip, kCut, kMerge, kFileInfo}, false);
    ButtonChanges out = changes({kClip, kCut, kConvert, kFileInfo}, true);
    if (FirstSelected() != Count() - 1) out.push_back({kMerge, true});
    return out;
}

void TaskList::SetOutputFormatOfAll(const QString& profileText) {
    for (int row = 0; row < Count(); ++row) SetText(row, kFormat, profileText);
    FitColumns();
}

namespace {
int trackRole(TaskList::TrackSlot slot) { return Qt::UserRole + 1 + static_cast<int>(slot); }
}  // namespace

QString TaskList::TrackRequest(int row, TrackSlot slot) const {
    const QTableWidgetItem* cell = m_list.item(row, kSource);
    return cell ? cell->data(trackRole(slot)).toString() : QString();
}

void TaskList::SetTrackRequest(int row, TrackSlot slot, const QString& request) {
    if (QTableWidgetItem* cell = m_list.item(row, kSource)) cell->setData(trackRole(slot), request);
}

// After the two track slots.
constexpr int kSubfolderRole = Qt::UserRole + 3;

QString TaskList::Subfolder(int row) const {
    const QTableWidgetItem* cell = m_list.item(row, kSource);
    return cell ? cell->data(kSubfolderRole).toString() : QString();
}

void TaskList::SetSubfolder(int row, const QString& subfolder) {
    if (QTableWidgetItem* cell = m_list.item(row, kSource)) cell->setData(kSubfolderRole, subfolder);
}

TaskRow TaskList::Row(int row) const {
    TaskRow task;
    task.subfolder = EncodeFileName(Subfolder(row));
    task.audioTrack = TrackRequest(row, TrackSlot::Sound).toStdString();
    task.subtitles = TrackRequest(row, TrackSlot::Subtitles).toStdString();
    task.sourcePath = EncodeFileName(Text(row, kSource));
    task.startText = Text(row, kStart).toStdString();
    task.endText = Text(row, kEnd).toStdString();
    task.checked = IsChecked(row);
    return task;
}

std::vector<TaskRow> TaskList::Rows() const {
    std::vector<TaskRow> rows;
    rows.reserve(static_cast<size_t>(Count()));
    for (int row = 0; row < Count(); ++row) rows.push_back(Row(row));
    return rows;
}

QString TaskList::ReduceDoubledSeparators(const QString& path) {
    if (path.indexOf('/', 1) < 0) return path;
    static const QRegularExpression doubled(QStringLiteral("/{2,}"));
    QString reduced = path;
    reduced.replace(doubled, QStringLiteral("/"));
    return reduced;
}

QString TaskList::FileNameOf(const QString& path) {
    const int slash = path.lastIndexOf('/');
    return slash < 0 ? path : path.mid(slash + 1);
}

QString TaskList::InvalidFileMessage(const QString& path) {
    return tr("File:%1 is invalid!").arg(FileNameOf(path));
}

QString TaskList::RefusedFilesMessage(const std::vector<std::pair<QString, QString>>& pathsAndReasons) {
    if (pathsAndReasons.empty()) return QString();
    if (pathsAndReasons.size() == 1) {
        const auto& [path, reason] = pathsAndReasons.front();
        return tr("File:%1 is invalid: %2.").arg(FileNameOf(path), reason);
    }
    QString text = tr("%1 files are invalid and were not added:").arg(pathsAndReasons.size());
    const int shown = std::min<int>(static_cast<int>(pathsAndReasons.size()), kRefusedLinesShown);
    for (int i = 0; i < shown; ++i)
        text += "\n" + FileNameOf(pathsAndReasons[static_cast<std::size_t>(i)].first) + ": " +
                pathsAndReasons[static_cast<std::size_t>(i)].second;
    if (static_cast<int>(pathsAndReasons.size()) > shown)
        text += tr("\n... and %1 more.").arg(static_cast<int>(pathsAndReasons.size()) - shown);
    return text;
}

QString TaskList::InvalidClickMessage(const QString& path) { return tr("File:%1 invalid!").arg(path); }

QString TaskList::FullListMessage() {
    return tr("The task list is full: it holds at most %1 files. "
              "The remaining files were not added.").arg(kCapacity);
}
