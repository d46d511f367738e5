#include "platform/LinuxPlatform.h"

#include "platform/FileNames.h"
#include "platform/WindowPlacement.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <optional>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>

namespace {

// Any value above 32 means success in the shell's numbering.
constexpr int kOpenedCode = 42;
constexpr int kFileNotFound = 2;
constexpr int kPathNotFound = 3;
constexpr int kNoAssociation = 31;
constexpr int kPowerOffTimeoutMs = 5000;

OpenResult failure(int code) { return OpenResult{false, code, ShellErrorReason(code)}; }

QString defaultCaption() {
    const QString name = QGuiApplication::applicationDisplayName();
    return name.isEmpty() ? QStringLiteral("Korbanix") : name;
}

QMessageBox::Icon qtIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Exclamation: return QMessageBox::Warning;
    case MessageIcon::Error: return QMessageBox::Critical;
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

OpenResult CheckLocalTarget(const QString& path) {
    if (path.isEmpty()) return failure(kFileNotFound);
    // By its bytes: Qt's own file names lose those that are not UTF-8.
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::path target = fs::absolute(EncodeFileName(path), error);
    if (fs::exists(target, error)) return OpenResult{true, kOpenedCode, QString()};
    // Like the shell: a missing last part is "file not found", a missing folder
    // on the way "path not found".
    return failure(fs::is_directory(target.parent_path(), error) ? kFileNotFound : kPathNotFound);
}

QString ExecutableFolderOfProcess() {
    std::error_code error;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error && !exe.empty()) return QString::fromStdString(exe.parent_path().string());
    if (QCoreApplication::instance()) return QCoreApplication::applicationDirPath();
    return QDir::currentPath();
}

QString XdgUserConfigFolder() {
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    // The XDG rule: a relative value is invalid and must be ignored.
    if (base.isEmpty() || !QDir::isAbsolutePath(base)) base = QDir::homePath() + QStringLiteral("/.config");
    return QDir::cleanPath(base + QStringLiteral("/Korbanix"));
}

namespace {

// A message box that opens centred on its owner: its size is settled only in
// its own show event, so it is placed right after that (still before it maps).
class PlacedMessageBox : public QMessageBox {
public:
    using QMessageBox::QMessageBox;

protected:
    void showEvent(QShowEvent* event) override {
        QMessageBox::showEvent(event);
        CentreOnOwner(*this);
    }
};

// The desktop need not give the focus back when a message box closes (on some it
// went to nothing, and a keyboard user was lost): the window it was in is made
// active again, with the focus on the control that had it (or, when that one was
// greyed, hidden or removed meanwhile, on the next one, as Qt moves it then).
class FocusReturn {
public:
    explicit FocusReturn(QWidget* owner) : m_control(QApplication::focusWidget()) {
        if (!m_control && owner) m_control = owner->window()->focusWidget();
        m_window = m_control ? m_control->window() : owner ? owner->window() : nullptr;
    }
    ~FocusReturn() {
        if (!m_window || !m_window->isVisible()) return;
        m_window->activateWindow();
        if (m_control && m_control->window() == m_window) m_control->setFocus(Qt::ActiveWindowFocusReason);
    }
    FocusReturn(const FocusReturn&) = delete;
    FocusReturn& operator=(const FocusReturn&) = delete;

private:
    QPointer<QWidget> m_control;
    QPointer<QWidget> m_window;
};

}  // namespace

MessageResult LinuxPlatform::MessageBox(QWidget* owner, const QString& text, const QString& caption,
                                        MessageButtons buttons, MessageIcon icon) {
    // An application-wide message still belongs to the window the user works in.
    if (!owner) owner = QApplication::activeWindow();
    const FocusReturn focusReturn(owner);
    PlacedMessageBox box(qtIcon(icon), caption.isEmpty() ? defaultCaption() : caption, text,
                         QMessageBox::NoButton, owner);
    // File names in messages may hold '<' or '&': never read them as markup.
    box.setTextFormat(Qt::PlainText);
    if (buttons == MessageButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        // An Enter pressed out of habit must not end a long run: the question
        // asked is whether to stop, so no is the safe default.
        box.setDefaultButton(QMessageBox::No);
        return box.exec() == QMessageBox::Yes ? MessageResult::Yes : MessageResult::No;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return MessageResult::Ok;
}

void LinuxPlatform::Beep() { QApplication::beep(); }

// Qt's own chooser enters a folder chosen with Open instead of returning it. Add
// takes folders too, so Open returns what is chosen, files and folders alike;
// a double click still enters a folder, and Open with nothing chosen (an empty
// name field) goes on as Qt's does.
class FilesAndFoldersDialog : public QFileDialog {
public:
    using QFileDialog::QFileDialog;

    void accept() override {
        const QLineEdit* name = findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        const QStringList chosen = selectedFiles();
        const bool allThere = !chosen.isEmpty() && std::all_of(chosen.begin(), chosen.end(), [](const QString& path) {
            return QFileInfo::exists(path);
        });
        // A typed name ending in "/" asks to go into that folder, as in every chooser.
        const QString typed = name ? name->text().trimmed() : QString();
        if (!typed.isEmpty() && !typed.endsWith(QLatin1Char('/')) && allThere) {
            QDialog::accept();
            return;
        }
        QFileDialog::accept();
    }
};

QStringList LinuxPlatform::ChooseOpenFiles(QWidget* owner, const QString& windowsFilter, const QString& startFolder) {
    FilesAndFoldersDialog dialog(owner);
    if (!startFolder.isEmpty()) dialog.setDirectory(startFolder);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    // Qt's own dialog matches the patterns without regard to case, as users of
    // "*.AVI" files expect; the native GTK chooser would hide them.
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setNameFilters(WindowsFilterToQt(windowsFilter));
    dialog.adjustSize();
    FitOnScreen(dialog);
    if (dialog.exec() != QDialog::Accepted) return {};
    return dialog.selectedFiles();
}

QString LinuxPlatform::ChooseFolder(QWidget* owner, const QString& title, const QString& startFolder) {
    return QFileDialog::getExistingDirectory(owner, title, startFolder, QFileDialog::ShowDirsOnly);
}

OpenResult LinuxPlatform::OpenPath(const QString& path, std::function<void()> whenNothingOpened) {
    OpenResult checked = CheckLocalTarget(path);
    if (!checked.ok) return checked;
    if (whenNothingOpened) {
        watchOpener(path, std::move(whenNothingOpened));
        return checked;
    }
    // QDesktopServices hands the file to xdg-open (or the portal) detached, so a
    // file manager that keeps running never blocks us.
    if (!QDesktopServices::openUrl(LocalFileUrl(path)))
        return failure(kNoAssociation);
    return checked;
}

// xdg-open runs detached (a browser it starts may outlive us and must not be
// killed with us); a shell beside it writes its exit status into a file that is
// looked at for a while. A non-zero status means no program took the path; a
// status still missing by then means one is running: opened.
void LinuxPlatform::watchOpener(const QString& path, std::function<void()> whenNothingOpened) {
    QTemporaryFile status(QDir::tempPath() + QStringLiteral("/korbanix-open-XXXXXX"));
    status.setAutoRemove(false);
    if (!status.open()) {
        if (!QDesktopServices::openUrl(LocalFileUrl(path))) whenNothingOpened();
        return;
    }
    const QString statusPath = status.fileName();
    status.close();
    const bool started = QProcess::startDetached(
        QStringLiteral("/bin/sh"),
        {QStringLiteral("-c"), QStringLiteral("xdg-open \"$1\" >/dev/null 2>&1; echo $? > \"$2\""), QStringLiteral("sh"),
         QString::fromUtf8(LocalFileUrl(path).toEncoded()), statusPath});
    if (!started) {
        QFile::remove(statusPath);
        whenNothingOpened();
        return;
    }
    constexpr int kLooksMs = 200, kLooks = 75;  // 15 s
    auto* timer = new QTimer(qApp);  // owned by the application; deletes itself when done
    auto looks = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, looks, statusPath, whenNothingOpened] {
        QFile file(statusPath);
        const QByteArray text = file.open(QIODevice::ReadOnly) ? file.readAll().trimmed() : QByteArray();
        if (text.isEmpty() && ++*looks < kLooks) return;
        timer->stop();
        timer->deleteLater();
        QFile::remove(statusPath);
        if (!text.isEmpty() && text != "0") whenNothingOpened();
    });
    timer->start(kLooksMs);
}

OpenResult LinuxPlatform::OpenUrl(const QString& url) {
    const QUrl parsed(url, QUrl::StrictMode);
    if (url.startsWith(QLatin1Char('/'))) return OpenPath(url);
    if (parsed.isLocalFile()) return OpenPath(FileNameFromLocalUrl(parsed.toEncoded()));
    if (!parsed.isValid() || parsed.scheme().isEmpty()) return failure(kFileNotFound);
    if (!QDesktopServices::openUrl(parsed)) return failure(kNoAssociation);
    return OpenResult{true, kOpenedCode, QString()};
}

bool LinuxPlatform::PowerOff() {
    // logind (through polkit) decides whether this user may power off;
    // interactive = false: never wait for a password. The call, and the first
    // connection to the system bus, run on a thread of their own so a bus that
    // does not answer cannot hold the window; `systemctl poweroff` is the
    // fallback. A plain method call: an interface object would introspect first.
    std::thread([] {
        QDBusConnection bus = QDBusConnection::systemBus();
        if (bus.isConnected()) {
            QDBusMessage call = QDBusMessage::createMethodCall(
                QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
                QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("PowerOff"));
            call << false;
            const QDBusMessage reply = bus.call(call, QDBus::Block, kPowerOffTimeoutMs);
            if (reply.type() == QDBusMessage::ReplyMessage) return;
        }
        // Power-off here is forced: open inhibitor locks must not hold it back.
        QProcess::startDetached(QStringLiteral("systemctl"), {QStringLiteral("poweroff"), QStringLiteral("-i")});
    }).detach();
    return true;
}

QString LinuxPlatform::ExecutableFolder() { return ExecutableFolderOfProcess(); }

QString LinuxPlatform::UserConfigFolder() { return XdgUserConfigFolder(); }

QString LinuxPlatform::VideosFolder() {
    QString videos = QStandardPaths::writableLocation(QStandardPaths::MoviesLocation);
    if (videos.isEmpty()) videos = QDir::homePath() + QStringLiteral("/Videos");
    return videos;
}

// UI thread only, except `connecting`'s thread, which reaches it only through a
// queued call on the UI thread.
struct LinuxPlatform::SessionBus {
    bool connecting = false;
    // Made once the bus is up, owned by the application object (it must go before
    // the bus connection does, at the end of the run).
    QPointer<DesktopNotifier> notifier;
    struct Waiting {
        QString summary, body, folder;
    };
    std::vector<Waiting> notifications;  // sent when the bus is up
    std::optional<double> launcherProgress;
};

DesktopNotifier* LinuxPlatform::notifier() {
    if (!m_session) m_session = std::make_shared<SessionBus>();
    if (m_session->notifier || m_session->connecting || !QCoreApplication::instance()) return m_session->notifier.data();
    m_session->connecting = true;
    std::weak_ptr<SessionBus> session = m_session;
    std::thread([session] {
        QDBusConnection bus = QDBusConnection::sessionBus();  // blocks while the bus does not answer
        QCoreApplication* application = QCoreApplication::instance();
        if (!application) return;
        QMetaObject::invokeMethod(
            application,
            [session, bus] {
                const std::shared_ptr<SessionBus> state = session.lock();
                if (!state) return;  // the platform went first
                state->connecting = false;
                if (!bus.isConnected()) return;
                state->notifier = new DesktopNotifier(
                    bus, [](const QString& folder) { CurrentPlatform().OpenPath(folder); },
                    QCoreApplication::instance());
                for (const auto& waiting : std::exchange(state->notifications, {}))
                    state->notifier->Notify(waiting.summary, waiting.body, waiting.folder);
                if (state->launcherProgress) state->notifier->SetLauncherProgress(*state->launcherProgress);
                state->launcherProgress.reset();
            },
            Qt::QueuedConnection);
    }).detach();
    return nullptr;
}

bool LinuxPlatform::NotifyRunDone(const QString& summary, const QString& body, const QString& folder) {
    if (DesktopNotifier* desktop = notifier()) return desktop->Notify(summary, body, folder);
    if (!m_session || !m_session->connecting) return false;
    m_session->notifications.push_back({summary, body, folder});
    return true;
}

void LinuxPlatform::ShowLauncherProgress(double fraction) {
    if (DesktopNotifier* desktop = notifier()) desktop->SetLauncherProgress(fraction);
    else if (m_session && m_session->connecting) m_session->launcherProgress = fraction;
}

int LinuxPlatform::QueuedNotifications() const {
    return m_session ? static_cast<int>(m_session->notifications.size()) : 0;
}
