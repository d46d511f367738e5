#pragma once
// One window per user session. The first start of the program listens on a local
// socket in the user's runtime folder; a later start ("Open with", a second click
// on the launcher) connects there, hands over the files named on its command line
// and ends, and the running window adds them as a drop adds them (also while it
// converts) and comes to the front.
//
// The socket is $XDG_RUNTIME_DIR/korbanix.socket, or korbanix.socket in a folder
// of the user's own under the temporary folder when there is no runtime folder.
// A lock file beside it decides which start listens, so two starts at the same
// moment do not both open a window, and a socket left by a crashed run is taken
// over.
//
// The hand-over (HandFilesToRunningWindow) uses plain POSIX calls and works before
// any Qt application object exists, without a display. The message is every file
// as its absolute path in the bytes the file system uses, each followed by a NUL,
// and one more NUL at the end; the running window answers one byte once it has
// taken them.

#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>
#include <string>
#include <vector>

class QLocalServer;
class QLocalSocket;
class QLockFile;

namespace single_instance {

// The command line's arguments after the program's name as file names, their
// bytes kept (QApplication::arguments() would turn bytes that are not UTF-8
// into U+FFFD, naming a file that does not exist).
QStringList FilesOfArguments(int argc, char** argv);

// Where the running window listens (its folder is created, private, on demand);
// "" when that folder is not this user's own: then no window is shared.
std::string SocketPath();

// Sends `files` (absolute paths, file-system bytes) to the running window; true
// when it confirmed them within `timeoutMs`, false when no window listens.
bool HandFilesToRunningWindow(const std::string& socketPath, const std::vector<std::string>& files,
                              int timeoutMs = 10000);

// The files of a command line as absolute paths (relative ones are taken from
// `currentFolder`); options ("--no-restore") are left out.
std::vector<std::string> AbsoluteFiles(const std::vector<std::string>& arguments, const std::string& currentFolder);

// Whether `message` holds a whole hand-over (the empty name that ends it).
bool MessageComplete(const QByteArray& message);
// The bytes of one hand-over message read back into file names.
QStringList DecodeMessage(const QByteArray& message);

}  // namespace single_instance

// The first start's side: holds the lock and listens. UI thread only.
class InstanceServer : public QObject {
    Q_OBJECT
public:
    explicit InstanceServer(QObject* parent = nullptr);
    ~InstanceServer() override;

    // Takes the lock beside `socketPath`; false when another live process holds
    // it. Works before a Qt application object exists.
    bool TakeLock(const std::string& socketPath);
    // After a failed TakeLock: true when no lock can be made there at all (a
    // missing or unwritable folder), so no other start can hold it either.
    bool LockUnusable() const { return m_lockUnusable; }
    // Listens at `socketPath` (after TakeLock; needs the application object).
    bool Listen(const std::string& socketPath);
    bool Listening() const;
    // Stops listening and lets go of the lock (before the application object goes).
    void Close();

signals:
    // Files handed over by a later start (possibly none: it only wants the window).
    void filesArrived(const QStringList& files);

private:
    void acceptConnections();
    void readFrom(QLocalSocket* socket);

    std::unique_ptr<QLockFile> m_lock;
    bool m_lockUnusable = false;
    QLocalServer* m_server = nullptr;
};
