// The real desktop's sleep lock: logind's Inhibit("sleep", ...) hands back a file
// descriptor, and the lock lasts exactly as long as that descriptor stays open.
// The call (and the first connection to the system bus, which blocks too) runs on
// a thread of its own: a bus that does not answer must not hold the window up.

#include "platform/LinuxPlatform.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusReply>
#include <QDBusUnixFileDescriptor>

#include <memory>
#include <mutex>
#include <thread>

namespace {

// logind answers at once or not at all; a conversion must not wait on a bus that
// does not answer.
constexpr int kBusTimeoutMs = 2000;

// Shared by the lock and the thread that asks for it: whichever comes second
// (the answer or the release) closes the descriptor.
struct LockState {
    std::mutex mutex;
    bool released = false;
    // QDBusUnixFileDescriptor owns a duplicate of the descriptor and closes it
    // when cleared, which is what releases the lock.
    QDBusUnixFileDescriptor fd;
};

class LogindSleepLock : public SleepInhibitor {
public:
    explicit LogindSleepLock(std::shared_ptr<LockState> state) : m_state(std::move(state)) {}
    ~LogindSleepLock() override {
        std::lock_guard lock(m_state->mutex);
        m_state->released = true;
        m_state->fd = QDBusUnixFileDescriptor();
    }
    bool Held() const override {
        std::lock_guard lock(m_state->mutex);
        return m_state->fd.isValid();
    }

private:
    std::shared_ptr<LockState> m_state;
};

void askLogind(const std::shared_ptr<LockState>& state, const QString& who, const QString& reason) {
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected()) return;
    // A plain method call: an interface object would introspect logind first,
    // which is one more round trip.
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
        QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("Inhibit"));
    // "block": suspend waits until we let go; the user can still force it.
    call << QStringLiteral("sleep") << who << reason << QStringLiteral("block");
    QDBusReply<QDBusUnixFileDescriptor> reply = bus.call(call, QDBus::Block, kBusTimeoutMs);
    if (!reply.isValid() || !reply.value().isValid()) return;
    std::lock_guard lock(state->mutex);
    if (!state->released) state->fd = reply.value();  // a lock released meanwhile drops the answer
}

}  // namespace

std::unique_ptr<SleepInhibitor> LinuxPlatform::InhibitSleep(const QString& reason) {
    if (!QCoreApplication::instance()) return nullptr;
    const QString who = QCoreApplication::applicationName().isEmpty() ? QStringLiteral("Korbanix")
                                                                     : QCoreApplication::applicationName();
    auto state = std::make_shared<LockState>();
    // Detached: it ends with the answer or the timeout, and holds only the state.
    std::thread([state, who, reason] { askLogind(state, who, reason); }).detach();
    return std::make_unique<LogindSleepLock>(std::move(state));
}
