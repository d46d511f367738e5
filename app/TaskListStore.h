#pragma once
// The task list kept between runs: the rows (source, check state, clip times,
// output-format and status texts, length), the chosen profile and the output
// settings (applied values and the settings dialog's confirmed choices), in one
// JSON file under the user's state folder:
// $XDG_STATE_HOME/korbanix/tasks.json, or ~/.local/state/korbanix/tasks.json.
//
// A plain store without widgets: TaskListKeeper (TaskListKeeper.h) moves its
// records in and out of the main window. Writing replaces the file atomically
// (a temporary file renamed over it), so a crash leaves either the old list or
// the new one, and a full disk the old one byte for byte. Reading takes regular
// files only, never through a symbolic link, and at most kMaxFileBytes; a
// file that is not ours or cannot be read is renamed aside (never deleted) so
// the start goes on with an empty list. UI thread only.

#include "profiles/OutputSettings.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <vector>

struct SavedTask {
    QString source;
    bool checked = false;
    QString start;     // "Start time" text
    QString end;       // "End time" text
    QString format;    // "Output format" text
    QString status;    // whatever the "Status" column shows
    QString duration;  // the hidden "Duration" column
    QString soundTrack;  // track requests ("" = automatic; older files have none)
    QString subtitles;
    QString subfolder;  // below the folder it was added with ("" = added by itself)
    QString statusCode;  // the status as a code (RowStatus.h); "" for words of no known status
    bool operator==(const SavedTask&) const = default;
};

struct SavedTaskList {
    int profileIndex = 0;
    QString profileText;  // to recognise the entry if the list of profiles changes
    OutputSettings settings;
    bool keepTree = false;  // the Output area's options
    bool skipDone = false;
    std::vector<SavedTask> tasks;
};

class TaskListStore {
public:
    // Nine thousand nine hundred and ninety-nine rows with long paths fit well
    // inside this; anything larger is not a file we wrote.
    static constexpr qint64 kMaxFileBytes = 32 * 1024 * 1024;
    static constexpr int kFormatVersion = 1;

    enum class LoadOutcome { Missing, Loaded, SetAside };
    struct LoadResult {
        LoadOutcome outcome = LoadOutcome::Missing;
        SavedTaskList list;
        QString reason;        // why a file was set aside
        QString setAsidePath;  // where it went (empty when even the rename failed)
    };

    explicit TaskListStore(QString path) : m_path(std::move(path)) {}

    // $XDG_STATE_HOME/korbanix/tasks.json (an XDG_STATE_HOME that is not an
    // absolute path is ignored, as the XDG rules say), else ~/.local/state/...
    static QString DefaultPath();

    const QString& Path() const { return m_path; }

    // Reads the file. A missing file is Missing; a file that is not a regular
    // file, too large, not JSON, not a task list of this program or of a newer
    // format is renamed to "<name>.unreadable-<time>" and reported SetAside.
    LoadResult Load() const;

    struct SaveResult {
        bool written = false;
        QString problem;       // why not (the system's reason)
        QString setAsidePath;  // a link or other non-file under our name went there
        QString setAsideReason;  // and why it was not ours
    };
    // Writes `bytes` (from Serialize) atomically, creating the folder when
    // needed: a temporary file beside the old one, written whole and flushed,
    // then renamed over it; on any failure the old file is left byte for byte
    // and the temporary one removed. A symbolic link (or anything but a plain
    // file) under the name is renamed aside first, never written through.
    SaveResult Write(const QByteArray& bytes) const;
    // Write(bytes).written.
    bool Save(const QByteArray& bytes) const;

    // Test hook: called with the complete temporary file before the rename;
    // false makes the save fail as a disk failing at that moment would.
    static std::function<bool(const QString& tempFile)>& BeforeRenameHook();

    static QByteArray Serialize(const SavedTaskList& list);
    // nullopt-like: false with `reason` when `bytes` is not a task list of ours.
    static bool Parse(const QByteArray& bytes, SavedTaskList& list, QString& reason);

    // Rows whose source file no longer exists are unchecked and marked with
    // kMissingStatus. `exists` is the file test (tests inject their own).
    static void MarkVanished(SavedTaskList& list, const std::function<bool(const QString&)>& exists);

    // The status text of a row whose file has vanished.
    static constexpr const char* kMissingStatus = QT_TRANSLATE_NOOP("TaskListStore", "File not found");

    // The message shown when a file was set aside.
    static QString SetAsideMessage(const LoadResult& result);
    // The message shown (once) when saving fails.
    static QString SaveFailedMessage(const SaveResult& result);
    // The message shown when a save found a link (or anything but a plain file)
    // under the file's name.
    static QString LinkSetAsideMessage(const SaveResult& result);

    // The reason given for a symbolic link under the file's name.
    static constexpr const char* kLinkReason =
        QT_TRANSLATE_NOOP("TaskListStore", "it is a symbolic link, not a file of this program");

private:
    QString m_path;
};
