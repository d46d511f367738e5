#include "app/ProbeRunner.h"

#include "engine/AVConvert.h"
#include "engine/ProbeMedia.h"
#include "platform/FileNames.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QMetaObject>
#include <QThread>

#include <thread>

ProbeOutcome ProbeKeepingWindowAlive(AVConvert& job, const QString& path) {
    job.probePath = EncodeFileName(path);
    ProbeOutcome outcome;
    QCoreApplication* app = QCoreApplication::instance();
    if (!app || QThread::currentThread() != app->thread()) {
        outcome.result = ProbeMedia(job);
    } else {
        QEventLoop loop;
        std::thread prober([&job, &outcome, &loop] {
            outcome.result = ProbeMedia(job);
            // Queued: delivered once the loop runs, even if the probe was quicker
            // than the loop's start.
            QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
        });
        loop.exec(QEventLoop::ExcludeUserInputEvents);
        prober.join();
    }
    outcome.accepted = ProbeAccepted(outcome.result, job);
    return outcome;
}
