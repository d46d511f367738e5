#pragma once
// The real desktop: Qt message boxes and choosers, QDesktopServices for opening
// (which goes through xdg-open / the portal), systemd-logind over D-Bus for power
// off with `systemctl poweroff` as the fallback, XDG folders. Never used by tests
// (they install FakePlatform), except for the pure folder queries.

#include "platform/DesktopNotifier.h"
#include "platform/Platform.h"

#include <QPointer>

#include <memory>

class LinuxPlatform : public Platform {
public:
    MessageResult MessageBox(QWidget* owner, const QString& text, const QString& caption,
                             MessageButtons buttons, MessageIcon icon) override;
    void Beep() override;
    QStringList ChooseOpenFiles(QWidget* owner, const QString& windowsFilter,
                                const QString& startFolder = QString()) override;
    QString ChooseFolder(QWidget* owner, const QString& title, const QString& startFolder = QString()) override;
    OpenResult OpenPath(const QString& path, std::function<void()> whenNothingOpened = {}) override;
    OpenResult OpenUrl(const QString& url) override;
    bool PowerOff() override;
    QString ExecutableFolder() override;
    QString UserConfigFolder() override;
    QString VideosFolder() override;
    std::unique_ptr<SleepInhibitor> InhibitSleep(const QString& reason) override;  // SleepInhibitor.cpp
    // On the session bus (DesktopNotifier.h); a click opens the folder through
    // CurrentPlatform(), so a test's fake sees it.
    bool NotifyRunDone(const QString& summary, const QString& body, const QString& folder) override;
    void ShowLauncherProgress(double fraction) override;

    // Notifications waiting for the session bus connection (for tests).
    int QueuedNotifications() const;

private:
    static void watchOpener(const QString& path, std::function<void()> whenNothingOpened);
    struct SessionBus;
    // Starts connecting to the session bus on a thread of its own (the first
    // connection blocks for as long as the bus does not answer); the notifier is
    // made on the UI thread once it is up. Null until then.
    DesktopNotifier* notifier();
    std::shared_ptr<SessionBus> m_session;
};

// Shared by the real platform and its tests: the result of opening a local path
// before the desktop is asked (missing file or folder -> code 2 or 3 with its
// reason; otherwise ok with code 33 meaning "go ahead").
OpenResult CheckLocalTarget(const QString& path);

// The folder of the running executable, from /proc/self/exe.
QString ExecutableFolderOfProcess();

// $XDG_CONFIG_HOME/korbanix, or ~/.config/korbanix.
QString XdgUserConfigFolder();
