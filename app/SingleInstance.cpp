#include "app/SingleInstance.h"

#include "platform/FileNames.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace single_instance {

namespace {

constexpr const char* kSocketName = "korbanix.socket";

// A file descriptor closed when it goes out of scope.
class Fd {
public:
    explicit Fd(int fd) : m_fd(fd) {}
    ~Fd() {
        if (m_fd >= 0) ::close(m_fd);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

bool waitFor(int fd, short events, int timeoutMs) {
    pollfd entry{fd, events, 0};
    for (;;) {
        const int ready = ::poll(&entry, 1, timeoutMs);
        if (ready < 0 && errno == EINTR) continue;
        return ready > 0;
    }
}

bool writeAll(int fd, const std::string& bytes, int timeoutMs) {
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        const ssize_t n = ::send(fd, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (n > 0) {
            sent += static_cast<std::size_t>(n);
        } else if (n < 0 && (errno == EAGAIN || errno == EINTR)) {
            if (!waitFor(fd, POLLOUT, timeoutMs)) return false;
        } else {
            return false;
        }
    }
    return true;
}

}  // namespace

std::string SocketPath() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime && runtime[0] == '/') return std::string(runtime) + "/" + kSocketName;
    // No runtime folder: one of our own, which nobody else may enter. A folder of
    // that name made by someone else (it is a guessable name in a shared folder)
    // could hold their socket, which would receive our files: then there is none.
    const char* temp = std::getenv("TMPDIR");
    std::string folder = std::string(temp && temp[0] == '/' ? temp : "/tmp") + "/korbanix-" + std::to_string(::getuid());
    ::mkdir(folder.c_str(), 0700);
    struct stat info {};
    if (::lstat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != ::getuid() ||
        (info.st_mode & 077) != 0)
        return std::string();
    return folder + "/" + kSocketName;
}

std::vector<std::string> AbsoluteFiles(const std::vector<std::string>& arguments, const std::string& currentFolder) {
    std::vector<std::string> files;
    for (const std::string& argument : arguments) {
        if (argument.empty() || argument == "--no-restore") continue;
        files.push_back(argument.front() == '/' ? argument : currentFolder + "/" + argument);
    }
    return files;
}

bool HandFilesToRunningWindow(const std::string& socketPath, const std::vector<std::string>& files, int timeoutMs) {
    sockaddr_un address{};
    if (socketPath.empty() || socketPath.size() >= sizeof address.sun_path) return false;
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, socketPath.c_str(), socketPath.size() + 1);
    Fd fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
    if (fd.get() < 0) return false;
    if (::connect(fd.get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) return false;
    std::string message;
    for (const std::string& file : files)
        if (!file.empty()) message.append(file).push_back('\0');
    message.push_back('\0');  // an empty name ends the message
    if (!writeAll(fd.get(), message, timeoutMs)) return false;
    if (!waitFor(fd.get(), POLLIN, timeoutMs)) return false;
    char answer = 0;
    return ::recv(fd.get(), &answer, 1, 0) == 1;
}

QStringList FilesOfArguments(int argc, char** argv) {
    QStringList files;
    for (int i = 1; i < argc; ++i) files << DecodeFileName(argv[i]);
    return files;
}

bool MessageComplete(const QByteArray& message) {
    return message == QByteArrayLiteral("\0") || message.endsWith(QByteArrayLiteral("\0\0"));
}

QStringList DecodeMessage(const QByteArray& message) {
    QStringList files;
    for (const QByteArray& part : message.split('\0'))
        if (!part.isEmpty()) files << DecodeFileName(std::string_view(part.constData(), static_cast<std::size_t>(part.size())));
    return files;
}

}  // namespace single_instance

InstanceServer::InstanceServer(QObject* parent) : QObject(parent) {}

InstanceServer::~InstanceServer() { Close(); }

void InstanceServer::Close() {
    delete m_server;
    m_server = nullptr;
    m_lock.reset();
}

bool InstanceServer::TakeLock(const std::string& socketPath) {
    m_lock = std::make_unique<QLockFile>(QString::fromStdString(socketPath) + QStringLiteral(".lock"));
    // A lock whose process has died is stale and taken over at once.
    if (!m_lock->tryLock(0)) {
        m_lockUnusable = m_lock->error() != QLockFile::LockFailedError;
        m_lock.reset();
        return false;
    }
    return true;
}

bool InstanceServer::Listen(const std::string& socketPath) {
    if (!m_lock) return false;
    const QString path = QString::fromStdString(socketPath);
    // A socket left by a run that crashed answers nobody: replace it.
    QLocalServer::removeServer(path);
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(path)) return false;
    connect(m_server, &QLocalServer::newConnection, this, &InstanceServer::acceptConnections);
    return true;
}

bool InstanceServer::Listening() const { return m_server && m_server->isListening(); }

void InstanceServer::acceptConnections() {
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        auto* message = new QByteArray;
        connect(socket, &QObject::destroyed, [message] { delete message; });
        connect(socket, &QLocalSocket::readyRead, this, [this, socket, message] {
            if (single_instance::MessageComplete(*message)) return;  // anything after the end is ignored
            message->append(socket->readAll());
            if (!single_instance::MessageComplete(*message)) return;
            socket->write("1", 1);
            socket->flush();
            emit filesArrived(single_instance::DecodeMessage(*message));
        });
    }
}
