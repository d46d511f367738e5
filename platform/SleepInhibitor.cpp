// The real desktop's sleep lock: logind's Inhibit("sleep", ...) hands back a file
// descriptor, and the lock lasts exactly as long as that descriptor stays open.

#include "platform/LinuxPlatform.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusReply>
#include <QDBusUnixFileDescriptor>

namespace {

// logind answers at once or not at all; a conversion must not wait on a bus that
// does not answer.
constexpr int kBusTimeoutMs = 2000;

class LogindSleepLock : public SleepInhibitor {
public:
    explicit LogindSleepLock(QDBusUnixFileDescriptor fd) : m_fd(std::move(fd)) {}
    // QDBusUnixFileDescriptor owns a duplicate of the descriptor and closes it
    // here, which is what releases the lock.
    ~LogindSleepLock() override = default;

private:
    QDBusUnixFileDescriptor m_fd;
};

}  // namespace

std::unique_ptr<SleepInhibitor> LinuxPlatform::InhibitSleep(const QString& reason) {
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected()) return nullptr;
    // A plain method call: an interface object would introspect logind first,
    // which is one more blocking round trip.
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
        QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("Inhibit"));
    const QString who = QCoreApplication::applicationName().isEmpty() ? QStringLiteral("Korbanix")
                                                                     : QCoreApplication::applicationName();
    // "block": suspend waits until we let go; the user can still force it.
    call << QStringLiteral("sleep") << who << reason << QStringLiteral("block");
    QDBusReply<QDBusUnixFileDescriptor> reply = bus.call(call, QDBus::Block, kBusTimeoutMs);
    if (!reply.isValid() || !reply.value().isValid()) return nullptr;
    return std::make_unique<LogindSleepLock>(reply.value());
}
