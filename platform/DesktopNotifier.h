#pragma once
// Desktop notifications over D-Bus (org.freedesktop.Notifications) and the
// launcher's progress bar (com.canonical.Unity.LauncherEntry), for the real
// platform. Tests give it a connection to a private bus.
//
// Notify sends without waiting for an answer and asks the bus nothing first (no
// blocking call at all); when the notification is clicked (its "default"
// action), `onClicked` gets the folder the notification was sent with. Without a
// notification service on the bus the bus answers with an error, which is
// dropped. UI thread only; the object must live on the thread that runs
// the event loop, because the answers and clicks arrive through it.

#include <QDBusConnection>
#include <QObject>
#include <QString>

#include <functional>
#include <map>

class DesktopNotifier : public QObject {
    Q_OBJECT
public:
    // The application's icon name and desktop entry, as installed.
    static constexpr const char* kIconName = "korbanix";
    static constexpr const char* kDesktopEntry = "org.korbanix.Korbanix";

    DesktopNotifier(QDBusConnection bus, std::function<void(const QString& folder)> onClicked,
                    QObject* parent = nullptr);

    // Shows `summary` and `body`; a click opens `folder` (through onClicked).
    bool Notify(const QString& summary, const QString& body, const QString& folder);

    // The launcher entry's progress: 0..1 shows it, a negative value hides it.
    // Sent as a signal; desktops without such a launcher ignore it.
    void SetLauncherProgress(double fraction);

    // Notifications sent and not yet answered or closed (for tests).
    int Pending() const { return static_cast<int>(m_folders.size()); }

private slots:
    void onActionInvoked(uint id, const QString& action);
    void onClosed(uint id, uint reason);

private:
    QDBusConnection m_bus;
    std::function<void(const QString&)> m_onClicked;
    std::map<uint, QString> m_folders;  // notification id -> folder to open
};
