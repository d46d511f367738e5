#include "platform/DesktopNotifier.h"

#include <QCoreApplication>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QVariantMap>

namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kInterface = QStringLiteral("org.freedesktop.Notifications");
// A notification that stays until the user dismisses it would pile up after
// every batch; the server's own default timeout is what users expect.
constexpr int kServerDefaultTimeout = -1;

}  // namespace

DesktopNotifier::DesktopNotifier(QDBusConnection bus, std::function<void(const QString&)> onClicked, QObject* parent)
    : QObject(parent), m_bus(std::move(bus)), m_onClicked(std::move(onClicked)) {
    if (!m_bus.isConnected()) return;
    m_bus.connect(QString(), kPath, kInterface, QStringLiteral("ActionInvoked"), this,
                  SLOT(onActionInvoked(uint, QString)));
    m_bus.connect(QString(), kPath, kInterface, QStringLiteral("NotificationClosed"), this,
                  SLOT(onClosed(uint, uint)));
}

bool DesktopNotifier::Notify(const QString& summary, const QString& body, const QString& folder) {
    if (!m_bus.isConnected()) return false;
    // No look-up of the server first: those are blocking calls. The bus starts an
    // activatable server for the call itself, and answers with an error (which
    // is dropped) when there is none.

    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kInterface, QStringLiteral("Notify"));
    const QVariantMap hints{{QStringLiteral("desktop-entry"), QString::fromLatin1(kDesktopEntry)}};
    call << QStringLiteral("Korbanix") << uint(0) << QString::fromLatin1(kIconName) << summary << body
         << QStringList{QStringLiteral("default"), QCoreApplication::translate("DesktopNotifier", "Open folder")} << hints << kServerDefaultTimeout;
    // Asynchronous: the end of a run must not wait for a slow server.
    auto* watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, folder](QDBusPendingCallWatcher* done) {
        QDBusPendingReply<uint> reply = *done;
        if (reply.isValid()) m_folders[reply.value()] = folder;
        done->deleteLater();
    });
    return true;
}

void DesktopNotifier::SetLauncherProgress(double fraction) {
    if (!m_bus.isConnected()) return;
    QDBusMessage update = QDBusMessage::createSignal(QStringLiteral("/org/korbanix/Korbanix"),
                                                     QStringLiteral("com.canonical.Unity.LauncherEntry"),
                                                     QStringLiteral("Update"));
    const bool shown = fraction >= 0;
    const QVariantMap properties{{QStringLiteral("progress"), shown ? std::min(fraction, 1.0) : 0.0},
                                 {QStringLiteral("progress-visible"), shown}};
    update << QStringLiteral("application://%1.desktop").arg(QString::fromLatin1(kDesktopEntry)) << properties;
    m_bus.send(update);
}

void DesktopNotifier::onActionInvoked(uint id, const QString& action) {
    auto found = m_folders.find(id);
    if (found == m_folders.end()) return;  // another program's notification
    const QString folder = found->second;
    m_folders.erase(found);
    if (action == QLatin1String("default") && m_onClicked) m_onClicked(folder);
}

void DesktopNotifier::onClosed(uint id, uint) { m_folders.erase(id); }
