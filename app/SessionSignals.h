#pragma once
// SessionSignals: the program ends on SIGTERM (kill, a session's logout), SIGINT
// (Ctrl+C in the terminal it was started from) and SIGHUP (that terminal closed),
// however long it has run and whatever libraries it has loaded since.
//
// The handlers only write the signal's number into a socket pair (a write is all a
// handler may safely do); the UI thread reads it through a QSocketNotifier and
// emits `received` there, where the program can end in its own orderly way.
// Handlers are installed by the constructor and the earlier ones put back by the
// destructor. One object per process; UI thread only.

#include <QObject>

class QSocketNotifier;

class SessionSignals : public QObject {
    Q_OBJECT
public:
    explicit SessionSignals(QObject* parent = nullptr);
    ~SessionSignals() override;
    SessionSignals(const SessionSignals&) = delete;
    SessionSignals& operator=(const SessionSignals&) = delete;

    // False when the socket pair or a handler could not be set up (then the
    // signals keep their default action, which also ends the program).
    bool Installed() const { return m_installed; }

signals:
    void received(int signalNumber);

private:
    void readPending();

    int m_fds[2] = {-1, -1};
    QSocketNotifier* m_notifier = nullptr;
    bool m_installed = false;
};
