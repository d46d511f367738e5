// The sleep lock a conversion holds, against a stand-in for logind on a private
// bus: the real platform asks for a "sleep" lock in "block" mode, keeps the file
// descriptor logind hands back for as long as the lock lives, and closing the
// lock closes it (which is what lets the machine suspend again).
// The notification at the end of a run, against a stand-in notification server
// on a private session bus: nothing is sent while no server is there; the real
// platform sends the summary, body, icon and a default action, and a click on
// it opens the output folder through the current platform (the fake here).

#include "platform/FakePlatform.h"
#include "platform/LinuxPlatform.h"
#include "support/MediaFixture.h"
#include "support/QtTestApp.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusUnixFileDescriptor>
#include <QDBusVirtualObject>
#include <QElapsedTimer>
#include <QTimer>
#include <QTest>
#include <QThread>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <fstream>
#include <mutex>
#include <sstream>

namespace {

// Answers Inhibit with the write end of a pipe and keeps the read end, so the
// test can see when every copy of the write end has been closed.
class FakeLogind : public QDBusVirtualObject {
public:
    std::mutex mutex;
    QStringList arguments;
    int readEnd = -1;

    ~FakeLogind() override {
        if (readEnd >= 0) ::close(readEnd);
    }
    QString introspect(const QString&) const override { return QString(); }
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
        if (message.member() != QLatin1String("Inhibit")) return false;
        int ends[2];
        if (::pipe2(ends, O_CLOEXEC) != 0) return false;
        {
            std::lock_guard<std::mutex> lock(mutex);
            arguments.clear();
            for (const QVariant& argument : message.arguments()) arguments << argument.toString();
            readEnd = ends[0];
        }
        // The reply carries a duplicate; logind's own copy is closed at once.
        QDBusUnixFileDescriptor fd(ends[1]);
        ::close(ends[1]);
        connection.send(message.createReply(QVariant::fromValue(fd)));
        return true;
    }
};

// True when the other side of the pipe has been closed by everyone within `waitMs`.
// The bus threads drop their copies of the descriptor shortly after a call returns,
// so closing is waited for, not expected at the very same instant.
bool writeEndClosed(int readEnd, int waitMs = 0) {
    pollfd p{readEnd, POLLIN, 0};
    if (::poll(&p, 1, waitMs) <= 0) return false;
    char c;
    return ::read(readEnd, &c, 1) == 0;
}

class PrivateBus {
public:
    // `configFile` empty: the session bus's standard configuration.
    explicit PrivateBus(const std::string& configFile = std::string()) {
        std::string output;
        const std::string config =
            configFile.empty() ? std::string("--session") : "--config-file=" + testmedia::shellQuote(configFile);
        if (testmedia::runCommand("dbus-daemon " + config + " --fork --print-address=1 --print-pid=1", &output) != 0)
            return;
        std::istringstream lines(output);
        std::string address;
        std::getline(lines, address);
        lines >> m_pid;
        m_address = QString::fromStdString(address);
    }
    ~PrivateBus() {
        if (m_pid > 0) ::kill(m_pid, SIGTERM);
    }
    const QString& address() const { return m_address; }
    pid_t pid() const { return m_pid; }

private:
    QString m_address;
    pid_t m_pid = -1;
};

TEST(SleepLock, HeldWhileTheLockLivesAndReleasedAfter) {
    PrivateBus bus;
    if (bus.address().isEmpty()) GTEST_SKIP() << "no dbus-daemon to stand in for the system bus";
    // Read once by QtDBus at the first use of the system bus in this process.
    qputenv("DBUS_SYSTEM_BUS_ADDRESS", bus.address().toUtf8());

    // logind answers on its own thread, as the real one answers from its own process.
    FakeLogind logind;
    QThread service;
    service.start();
    std::atomic<bool> registered{false};
    logind.moveToThread(&service);
    QMetaObject::invokeMethod(
        &logind,
        [&] {
            QDBusConnection connection = QDBusConnection::connectToBus(bus.address(), QStringLiteral("fake-logind"));
            registered = connection.registerService(QStringLiteral("org.freedesktop.login1")) &&
                         connection.registerVirtualObject(QStringLiteral("/org/freedesktop/login1"), &logind);
        },
        Qt::BlockingQueuedConnection);
    ASSERT_TRUE(registered.load());

    LinuxPlatform platform;
    std::unique_ptr<SleepInhibitor> lock = platform.InhibitSleep(QStringLiteral("Converting media files"));
    ASSERT_NE(lock, nullptr);
    // Asked for without waiting: granted a moment later.
    ASSERT_TRUE(QTest::qWaitFor([&] { return lock->Held(); }, 5000));
    int readEnd;
    {
        std::lock_guard<std::mutex> guard(logind.mutex);
        ASSERT_EQ(logind.arguments.size(), 4);
        EXPECT_EQ(logind.arguments[0], "sleep");
        EXPECT_EQ(logind.arguments[2], "Converting media files");
        EXPECT_EQ(logind.arguments[3], "block");
        readEnd = logind.readEnd;
    }
    ASSERT_GE(readEnd, 0);
    EXPECT_FALSE(writeEndClosed(readEnd)) << "the lock is held";
    lock.reset();
    EXPECT_TRUE(writeEndClosed(readEnd, 3000)) << "the lock is let go";

    QMetaObject::invokeMethod(
        &logind,
        [&logind] {
            QDBusConnection::disconnectFromBus(QStringLiteral("fake-logind"));
            logind.moveToThread(QCoreApplication::instance()->thread());  // only its own thread may push it
        },
        Qt::BlockingQueuedConnection);
    service.quit();
    service.wait();
}

// Answers Notify with id 7 and records what it was sent.
class FakeNotificationServer : public QDBusVirtualObject {
public:
    std::mutex mutex;
    QVariantList arguments;
    QString introspect(const QString&) const override { return QString(); }
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
        if (message.member() != QLatin1String("Notify")) return false;
        {
            std::lock_guard<std::mutex> lock(mutex);
            arguments = message.arguments();
        }
        connection.send(message.createReply(QVariant::fromValue(uint(7))));
        return true;
    }
};

// A session bus without service folders: a notification server installed on
// the machine must not be started by the bus in place of the test's own.
std::string bareSessionConfig(const testmedia::TempDir& dir) {
    const std::string path = dir.file("session.conf");
    std::ofstream(path) << "<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN\"\n"
                           " \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
                           "<busconfig><type>session</type><listen>unix:tmpdir=/tmp</listen>"
                           "<policy context=\"default\"><allow send_destination=\"*\" eavesdrop=\"true\"/>"
                           "<allow eavesdrop=\"true\"/><allow own=\"*\"/></policy></busconfig>\n";
    return path;
}

TEST(DoneNotification, ClickOpensTheOutputFolderThroughThePlatform) {
    testmedia::TempDir dir;
    PrivateBus bus(bareSessionConfig(dir));
    if (bus.address().isEmpty()) GTEST_SKIP() << "no dbus-daemon to stand in for the session bus";
    // Read once by QtDBus at the first use of the session bus in this process.
    qputenv("DBUS_SESSION_BUS_ADDRESS", bus.address().toUtf8());
    FakePlatform fake;
    ScopedPlatform installed(fake);
    LinuxPlatform desktop;
    // No notification server: the bus says so later; the call never waits for it.
    desktop.NotifyRunDone("Conversion finished", "1 completed, 0 failed", "/out");
    desktop.ShowLauncherProgress(0.5);  // a signal nobody listens to: harmless
    ASSERT_TRUE(QTest::qWaitFor([&] { return desktop.QueuedNotifications() == 0; }, 5000)) << "the bus is up";
    QTest::qWait(300);  // the bus's error answer to it
    EXPECT_TRUE(fake.openedPaths.empty());

    FakeNotificationServer server;
    QThread service;
    service.start();
    std::atomic<bool> registered{false};
    server.moveToThread(&service);
    QMetaObject::invokeMethod(
        &server,
        [&] {
            QDBusConnection connection = QDBusConnection::connectToBus(bus.address(), QStringLiteral("fake-notify"));
            registered = connection.registerService(QStringLiteral("org.freedesktop.Notifications")) &&
                         connection.registerVirtualObject(QStringLiteral("/org/freedesktop/Notifications"), &server);
        },
        Qt::BlockingQueuedConnection);
    ASSERT_TRUE(registered.load());

    ASSERT_TRUE(desktop.NotifyRunDone("Conversion finished", "2 completed, 1 failed", "/videos/out"));
    const bool answered = QTest::qWaitFor([&] {
        std::lock_guard<std::mutex> guard(server.mutex);
        return !server.arguments.isEmpty();
    }, 5000);
    ASSERT_TRUE(answered);
    {
        std::lock_guard<std::mutex> guard(server.mutex);
        ASSERT_EQ(server.arguments.size(), 8);
        EXPECT_EQ(server.arguments[0].toString(), "Korbanix");
        EXPECT_EQ(server.arguments[2].toString(), "korbanix") << "the application's icon";
        EXPECT_EQ(server.arguments[3].toString(), "Conversion finished");
        EXPECT_EQ(server.arguments[4].toString(), "2 completed, 1 failed");
        EXPECT_TRUE(server.arguments[5].toStringList().contains("default")) << "clickable";
    }
    // Let the reply with the id arrive, then click: another id is someone else's.
    QTest::qWait(200);
    auto click = [&](uint id) {
        QDBusMessage signal = QDBusMessage::createSignal(QStringLiteral("/org/freedesktop/Notifications"),
                                                         QStringLiteral("org.freedesktop.Notifications"),
                                                         QStringLiteral("ActionInvoked"));
        signal << id << QStringLiteral("default");
        QMetaObject::invokeMethod(
            &server, [signal] { QDBusConnection(QStringLiteral("fake-notify")).send(signal); },
            Qt::BlockingQueuedConnection);
    };
    click(8);
    QTest::qWait(300);
    EXPECT_TRUE(fake.openedPaths.empty()) << "another program's notification opens nothing";
    click(7);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !fake.openedPaths.empty(); }, 5000));
    EXPECT_EQ(fake.openedPaths, std::vector<QString>{"/videos/out"});

    QMetaObject::invokeMethod(
        &server,
        [&server] {
            QDBusConnection::disconnectFromBus(QStringLiteral("fake-notify"));
            server.moveToThread(QCoreApplication::instance()->thread());
        },
        Qt::BlockingQueuedConnection);
    service.quit();
    service.wait();
}

// The window's thread never waits for the bus: with the session and system buses
// frozen (a dbus-daemon stopped by SIGSTOP), notifications, the launcher progress,
// the sleep lock and power-off return at once and the event loop keeps answering.
// Run in a process of its own, because QtDBus reads the bus addresses once per
// process: the test starts this program again with the child's filter.
TEST(FrozenBus, TheWindowsEventLoopAnswersWithinHalfASecond) {
    if (qEnvironmentVariableIsSet("KORBANIX_FROZEN_BUS_CHILD")) {
        LinuxPlatform desktop;
        QElapsedTimer clock;
        clock.start();
        desktop.NotifyRunDone("Conversion finished", "1 completed, 0 failed", "/out");
        desktop.ShowLauncherProgress(0.5);
        std::unique_ptr<SleepInhibitor> lock = desktop.InhibitSleep(QStringLiteral("Converting media files"));
        const qint64 calls = clock.elapsed();
        // The event loop over two seconds: a timer every 50 ms, the longest gap kept.
        qint64 longestGap = 0, last = clock.elapsed();
        QTimer tick;
        QObject::connect(&tick, &QTimer::timeout, [&] {
            longestGap = std::max(longestGap, clock.elapsed() - last);
            last = clock.elapsed();
        });
        tick.start(50);
        QTest::qWait(2000);
        longestGap = std::max(longestGap, clock.elapsed() - last);
        clock.restart();
        lock.reset();
        const qint64 release = clock.elapsed();
        std::fprintf(stderr, "calls %lld ms, longest gap %lld ms, release %lld ms\n",
                     static_cast<long long>(calls), static_cast<long long>(longestGap),
                     static_cast<long long>(release));
        std::fflush(stderr);
        // Threads still wait for the frozen bus: leave without running destructors.
        ::_exit(calls < 500 && longestGap < 500 && release < 500 ? 0 : 1);
    }
    testmedia::TempDir dir;
    PrivateBus bus(bareSessionConfig(dir));
    if (bus.address().isEmpty()) GTEST_SKIP() << "no dbus-daemon to stand in for the buses";
    ASSERT_EQ(::kill(bus.pid(), SIGSTOP), 0);
    const std::string command = "KORBANIX_FROZEN_BUS_CHILD=1 DBUS_SESSION_BUS_ADDRESS=" +
                                testmedia::shellQuote(bus.address().toStdString()) +
                                " DBUS_SYSTEM_BUS_ADDRESS=" + testmedia::shellQuote(bus.address().toStdString()) +
                                " timeout -s KILL 20 /proc/" + std::to_string(::getpid()) +
                                "/exe --gtest_filter=FrozenBus.TheWindowsEventLoopAnswersWithinHalfASecond 2>&1";
    std::string output;
    const int status = testmedia::runCommand(command, &output);
    ::kill(bus.pid(), SIGCONT);
    EXPECT_EQ(status, 0) << output;
}

}  // namespace
