#pragma once
// The task list's rules over its list control: the six columns, adding a probed
// file (appended by Add, inserted at the top by a drop, checked either way),
// removing, clearing, the texts the rest of the program reads back, and which
// main-window buttons each change enables or disables. The rows are the whole
// task store; there is no record behind a row.
//
// Button rules come back as a list of changes (control id, enabled) for the window
// to apply, so they can be checked without looking at any widget. UI thread only.

#include "profiles/JobSetup.h"

#include <QCoreApplication>
#include <QString>

#include <cstdint>
#include <utility>
#include <vector>

class CCheckListCtrl;
class QFontMetrics;

struct ButtonChange {
    int controlId;
    bool enabled;
    bool operator==(const ButtonChange&) const = default;
};
using ButtonChanges = std::vector<ButtonChange>;

// What the probe measured of a file that the task list accepts.
struct ProbedLength {
    std::int64_t startSeconds = 0;
    std::int64_t durationSeconds = 0;
    std::int64_t durationMicroseconds = 0;
};

class TaskList {
    Q_DECLARE_TR_FUNCTIONS(TaskList)

public:
    enum Column { kSource = 0, kStart, kEnd, kFormat, kStatus, kDuration, kColumnCount };
    // The conversion job and the checked-row table hold 9999 tasks.
    static constexpr int kCapacity = 9999;

    explicit TaskList(CCheckListCtrl& list) : m_list(list) {}

    // Columns with their headers and widths, the header check box, the list-view
    // styles and colours; the list starts hidden.
    void SetUp();
    // The status column's width that shows a running row's status whole.
    static int StatusWidthNeeded(const QFontMetrics& metrics);
    // Columns that fit the list's width: the status keeps what a running row needs
    // and the other columns give way rather than push it out of sight behind a
    // sideways scroll; room to spare goes to the output format until it reads
    // whole, then to the source's folders.
    void FitColumns();
    // Grid lines, check boxes, full-row select (added to what is set).
    void ApplyStyles();

    CCheckListCtrl& Control() { return m_list; }
    int Count() const;
    bool IsFull() const { return Count() >= kCapacity; }
    QString Text(int row, Column column) const;
    void SetText(int row, Column column, const QString& text);
    bool IsChecked(int row) const;
    void SetChecked(int row, bool checked);

    int FirstSelected() const;  // -1 when none
    int LastSelected() const;   // -1 when none
    std::vector<int> Selected() const;

    // Add: a checked row after the last one, "Output format" = profileText.
    int AppendTask(const QString& path, const ProbedLength& length, const QString& profileText);
    // Drop: the same row as Add's, inserted at the top. (A dropped file used to
    // arrive unchecked and without its profile, so a drop converted nothing.)
    int InsertTaskAtTop(const QString& path, const ProbedLength& length, const QString& profileText);
    // Many files at once, as the calls above would add them one by one (a drop's
    // files come out at the top in reverse order, each above the one before), but
    // with the rows made in one step: the list lays itself out once, not once a
    // row. Returns the row the last file went to (-1 when `files` is empty).
    struct NewTask {
        QString path;
        ProbedLength length;
    };
    int AddTasks(const std::vector<NewTask>& files, bool atTop, const QString& profileText);
    // `files` in their order from row `at` on (a dropped folder's block). Returns the
    // row the last file went to (-1 when `files` is empty).
    int InsertTasksAt(int at, const std::vector<NewTask>& files, const QString& profileText);

    // RemoveTask: deletes the first selected row (only one per call), selects its
    // successor (or the new last row) and returns the button changes.
    ButtonChanges RemoveFirstSelected();
    // ClearTasks: deletes every row and hides the list.
    ButtonChanges Clear();
    // After Add and drops: shows or hides the list and returns the button states.
    ButtonChanges StatesAfterAdding();
    // A click in the list: no selection disables the row buttons; a probed
    // selection enables them (Merge only when the row is not the last one).
    ButtonChanges StatesAfterClick(bool rowSelected) const;

    // Load profile: every row, checked or not, shows the new profile text.
    void SetOutputFormatOfAll(const QString& profileText);

    // The sound and subtitle tracks a row asks for (TrackChoice.h request texts,
    // "" = automatic), kept with the row's first cell.
    enum class TrackSlot { Sound, Subtitles };
    QString TrackRequest(int row, TrackSlot slot) const;
    void SetTrackRequest(int row, TrackSlot slot, const QString& request);
    // The source's folder below the folder it was added with ("" for a file added
    // by itself), kept with the row's first cell: where the output goes when the
    // folder tree is kept.
    QString Subfolder(int row) const;
    void SetSubfolder(int row, const QString& subfolder);
    // One row as the conversion start reads it, and all of them.
    TaskRow Row(int row) const;
    std::vector<TaskRow> Rows() const;

    // Folder separators typed or dropped twice are reduced to one ("a//b" -> "a/b").
    static QString ReduceDoubledSeparators(const QString& path);
    // The text after the last separator (the whole path when it has none).
    static QString FileNameOf(const QString& path);
    // Add and drop: "File:" + file name + " is invalid!".
    static QString InvalidFileMessage(const QString& path);
    // Files an addition refused, with why: one message for all of them.
    // One file: "File:name is invalid: reason."; several: a count and a line each
    // (the first kRefusedLinesShown, then how many more).
    static constexpr int kRefusedLinesShown = 15;
    static QString RefusedFilesMessage(const std::vector<std::pair<QString, QString>>& pathsAndReasons);
    // Click: "File:" + full path + " invalid!".
    static QString InvalidClickMessage(const QString& path);
    // Shown once when the list is full and more files come.
    static QString FullListMessage();

private:
    void fillRow(int row, const ProbedLength& length);

    CCheckListCtrl& m_list;
};
