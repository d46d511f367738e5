#include "app/SessionSignals.h"

#include <QSocketNotifier>

#include <array>
#include <cerrno>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr std::array kSignals = {SIGTERM, SIGINT, SIGHUP};
// Read by the handlers: a plain int that is set before they are installed.
volatile sig_atomic_t g_writeFd = -1;
std::array<struct sigaction, kSignals.size()> g_previous{};

extern "C" void onSessionSignal(int number) {
    const int savedErrno = errno;
    const unsigned char byte = static_cast<unsigned char>(number);
    if (g_writeFd >= 0) {
        // Nothing useful can be done about a full pipe: a signal is already pending.
        [[maybe_unused]] const ssize_t written = ::write(g_writeFd, &byte, 1);
    }
    errno = savedErrno;
}

}  // namespace

SessionSignals::SessionSignals(QObject* parent) : QObject(parent) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, m_fds) != 0) return;
    g_writeFd = m_fds[0];
    m_notifier = new QSocketNotifier(m_fds[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &SessionSignals::readPending);
    struct sigaction action{};
    action.sa_handler = onSessionSignal;
    sigemptyset(&action.sa_mask);
    // Restart interrupted calls: the UI thread may be inside any library call.
    action.sa_flags = SA_RESTART;
    m_installed = true;
    for (std::size_t i = 0; i < kSignals.size(); ++i)
        m_installed = ::sigaction(kSignals[i], &action, &g_previous[i]) == 0 && m_installed;
}

SessionSignals::~SessionSignals() {
    if (m_fds[0] < 0) return;
    for (std::size_t i = 0; i < kSignals.size(); ++i) ::sigaction(kSignals[i], &g_previous[i], nullptr);
    g_writeFd = -1;
    delete m_notifier;
    ::close(m_fds[0]);
    ::close(m_fds[1]);
}

void SessionSignals::readPending() {
    unsigned char bytes[16];
    const ssize_t count = ::read(m_fds[1], bytes, sizeof bytes);
    for (ssize_t i = 0; i < count; ++i) emit received(bytes[i]);
}
