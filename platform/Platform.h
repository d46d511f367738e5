#pragma once
// Everything the windows ask of the desktop, behind one interface: message boxes,
// file and folder choosers, opening files/folders/addresses with the desktop's
// default application, powering the machine off and the folders the program lives
// in. Windows never call QMessageBox, QFileDialog, QDesktopServices or D-Bus
// themselves; they call CurrentPlatform(), so tests can install FakePlatform and
// nothing real ever appears, opens or powers off.
//
// Threading: every member is called on the user-interface thread only.

#include <functional>

#include <QString>
#include <QStringList>

#include <memory>

class QWidget;

// Keeps the machine from suspending for as long as the object lives (a logind
// "sleep" inhibitor lock on Linux). Destroying it releases the lock. The lock may
// be granted a moment after the object is made (the desktop is asked without
// waiting for it); Held() says whether it is in force now.
class SleepInhibitor {
public:
    virtual ~SleepInhibitor() = default;
    virtual bool Held() const { return true; }
};

enum class MessageIcon { None, Information, Exclamation, Error, Question };
enum class MessageButtons { Ok, YesNo };
enum class MessageResult { Ok, Yes, No };

// Outcome of opening something with the default application. `code` follows the
// shell's numbering so the hyperlink can name the reason: > 32 is success;
// 2 file not found, 3 path not found, 31 no application associated, 0 out of
// resources; other values are reported as unknown errors. `reason` is the
// human-readable text for a failure (see ShellErrorReason), empty on success.
struct OpenResult {
    bool ok = false;
    int code = 0;
    QString reason;
};

// The reason text for a shell result code, exactly as the link failure message
// shows it ("The specified file was not found.", "Unknown Error (7) occurred.").
QString ShellErrorReason(int code);

// Converts a Windows-style filter ("desc|pat;pat|desc|pat||") to Qt name filters
// ("desc (pat pat)"). A trailing "(...)" already in a description is replaced by
// the real pattern list, so the shown patterns are the ones applied; "*.*" (every
// file on Windows) becomes "*", which is every file here.
QStringList WindowsFilterToQt(const QString& windowsFilter);

class Platform {
public:
    virtual ~Platform() = default;

    // Modal message box. An empty caption means the application's own name (the
    // platform default). Returns Ok for an OK-only box, Yes/No for a yes/no box.
    virtual MessageResult MessageBox(QWidget* owner, const QString& text,
                                     const QString& caption = QString(),
                                     MessageButtons buttons = MessageButtons::Ok,
                                     MessageIcon icon = MessageIcon::None) = 0;

    // The warning sound that goes with an exclamation message.
    virtual void Beep() = 0;

    // Multi-select open-file chooser that takes folders too. `windowsFilter` is the
    // "desc|patterns|...||" string. Returns the chosen paths in the chooser's
    // order; empty = cancelled. Opens in `startFolder` when it is given.
    virtual QStringList ChooseOpenFiles(QWidget* owner, const QString& windowsFilter,
                                        const QString& startFolder = QString()) = 0;

    // Folder chooser with a title such as "Please select output folder:", opened
    // in `startFolder` when it is given. Returns the chosen folder; empty = cancelled.
    virtual QString ChooseFolder(QWidget* owner, const QString& title, const QString& startFolder = QString()) = 0;

    // Opens a local folder or file with the default application (the file
    // manager for a folder). Never blocks on the launched program. The opener
    // runs detached, so a desktop without any program for the path is only known
    // later: `whenNothingOpened`, if given, is then called on this thread.
    virtual OpenResult OpenPath(const QString& path, std::function<void()> whenNothingOpened = {}) = 0;

    // Opens an address (https:, mailto:, file:) with the default application.
    virtual OpenResult OpenUrl(const QString& url) = 0;

    // Powers the machine off (forced, no confirmation). Returns false when the
    // request could not even be made. On success the process will not live long.
    virtual bool PowerOff() = 0;

    // Folder holding the running executable, without a trailing "/".
    virtual QString ExecutableFolder() = 0;

    // Per-user configuration folder of the program ($XDG_CONFIG_HOME/korbanix),
    // for installed copies whose executable folder is not writable.
    virtual QString UserConfigFolder() = 0;

    // The user's Videos folder (XDG), for installed copies' default output.
    virtual QString VideosFolder() = 0;

    // Asks the desktop not to suspend while a long job runs; `reason` is shown by
    // tools that list the locks. nullptr when no lock could be taken (no session
    // bus, no logind): the job runs anyway. Never blocks for more than a moment.
    virtual std::unique_ptr<SleepInhibitor> InhibitSleep(const QString& reason) {
        (void)reason;
        return nullptr;
    }

    // A desktop notification (summary and body text, the application's icon);
    // clicking it opens `folder` with OpenPath. Returns false when it cannot be
    // sent at all (no desktop bus); a desktop without a notification service
    // shows nothing. Never blocks on the bus or the service.
    virtual bool NotifyRunDone(const QString& summary, const QString& body, const QString& folder) {
        (void)summary;
        (void)body;
        (void)folder;
        return false;
    }

    // The progress of a run on the program's launcher entry (0..1), where the
    // desktop shows such a thing; a negative value takes it away.
    virtual void ShowLauncherProgress(double fraction) { (void)fraction; }
};

// The platform the windows use. Until SetCurrentPlatform is called this is the
// real desktop (LinuxPlatform). Tests install a FakePlatform first.
Platform& CurrentPlatform();

// Installs `platform` (not owned; must outlive its use). nullptr restores the
// real desktop.
void SetCurrentPlatform(Platform* platform);

// Installs a platform for one scope and restores the previous one after.
class ScopedPlatform {
public:
    explicit ScopedPlatform(Platform& platform);
    ~ScopedPlatform();
    ScopedPlatform(const ScopedPlatform&) = delete;
    ScopedPlatform& operator=(const ScopedPlatform&) = delete;

private:
    Platform* m_previous;
};
