#pragma once
// A recording stand-in for the desktop, for tests. It never shows a window, opens
// a program or powers anything off: every call is recorded, and choosers and
// message boxes answer from scripted queues (or defaults when the queue is empty).
//
//   FakePlatform fake;
//   ScopedPlatform installed(fake);
//   fake.folderChoices.push_back("/tmp/out");
//   ... drive the window ...
//   EXPECT_EQ(fake.messages.at(0).text, "Please add video files!");

#include "platform/Platform.h"

#include <deque>
#include <vector>

class FakePlatform : public Platform {
public:
    struct Message {
        QWidget* owner = nullptr;
        QString text;
        QString caption;  // as passed: empty = the default caption
        MessageButtons buttons = MessageButtons::Ok;
        MessageIcon icon = MessageIcon::None;
    };
    struct FileChooserCall {
        QWidget* owner = nullptr;
        QString windowsFilter;
        QString startFolder;
    };
    struct FolderChooserCall {
        QWidget* owner = nullptr;
        QString title;
        QString startFolder;
    };

    // ---- Recorded calls, in order ----
    std::vector<Message> messages;
    std::vector<FileChooserCall> fileChooserCalls;
    std::vector<FolderChooserCall> folderChooserCalls;
    std::vector<QString> openedPaths;  // OpenPath arguments
    bool nothingOpensPaths = false;    // the desktop has no program for them: told later
    std::vector<QString> openedUrls;   // OpenUrl arguments
    int beepCount = 0;
    int powerOffCount = 0;
    int sleepInhibitCount = 0;      // InhibitSleep calls
    int heldSleepInhibitors = 0;    // locks handed out and not yet released
    struct Notification {
        QString summary;
        QString body;
        QString folder;
    };
    std::vector<Notification> notifications;  // NotifyRunDone calls
    std::vector<double> launcherProgress;     // ShowLauncherProgress calls
    bool notificationService = true;          // false: NotifyRunDone finds none

    // ---- Scripted answers (front is used first; defaults when empty) ----
    std::deque<MessageResult> messageAnswers;  // default: Ok for Ok boxes, No for yes/no
    // > 0: a yes/no question is a real modal box over its owner, open until the
    // program closes it (No) or this many ms pass, when the person gives the
    // scripted answer (counted in questionsAnsweredByPerson).
    int questionsStayOpenMs = 0;
    // Every message box is shown as the desktop shows it (and answered by keys the
    // test sends), for where the focus goes afterwards; still recorded.
    bool realMessageBoxes = false;
    int questionsAnsweredByPerson = 0;
    std::deque<QStringList> fileChoices;       // default: empty list (cancelled)
    std::deque<QString> folderChoices;         // default: empty (cancelled)
    std::deque<OpenResult> openResults;        // default: success (code 42)
    bool powerOffResult = true;

    // ---- Folders ----
    QString executableFolder = "/opt/korbanix";
    QString userConfigFolder = "/home/user/.config/korbanix";
    QString videosFolder = "/home/user/Videos";

    // A failed open with the shell's code and its reason text, for openResults.
    static OpenResult Failure(int code) { return OpenResult{false, code, ShellErrorReason(code)}; }

    // Texts of all recorded message boxes, for terse assertions.
    QStringList messageTexts() const;

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
    std::unique_ptr<SleepInhibitor> InhibitSleep(const QString& reason) override {
        (void)reason;
        ++sleepInhibitCount;
        return std::make_unique<FakeSleepInhibitor>(heldSleepInhibitors);
    }

    bool NotifyRunDone(const QString& summary, const QString& body, const QString& folder) override {
        notifications.push_back({summary, body, folder});
        return notificationService;
    }
    void ShowLauncherProgress(double fraction) override { launcherProgress.push_back(fraction); }

private:
    // Counts itself in `held` while it lives.
    class FakeSleepInhibitor : public SleepInhibitor {
    public:
        explicit FakeSleepInhibitor(int& held) : m_held(held) { ++m_held; }
        ~FakeSleepInhibitor() override { --m_held; }

    private:
        int& m_held;
    };

    OpenResult nextOpenResult();
};
