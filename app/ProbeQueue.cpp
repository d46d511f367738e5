#include "app/ProbeQueue.h"

#include "engine/AVConvert.h"
#include "engine/ProbeMedia.h"
#include "platform/FileNames.h"


#include <algorithm>
#include <cerrno>
#include <cstring>
#include <sys/resource.h>
#include <unistd.h>

ProbeQueue::ProbeQueue(QObject* parent, int threads)
    : QObject(parent),
      m_threadCount(threads > 0 ? threads : std::clamp(static_cast<int>(std::thread::hardware_concurrency()), 2, 8)) {
    m_timer.setInterval(kDeliverMs);
    connect(&m_timer, &QTimer::timeout, this, &ProbeQueue::deliver);
}

ProbeQueue::~ProbeQueue() { stopThreads(); }

void ProbeQueue::stopThreads() {
    m_cancelled.store(true);
    for (std::thread& thread : m_threads) thread.join();
    m_threads.clear();
    m_timer.stop();
}

void ProbeQueue::Start(const QStringList& paths, double stillPictureSeconds) {
    if (m_running) Cancel();
    stopThreads();
    m_stillSeconds = stillPictureSeconds;
    m_paths.assign(paths.begin(), paths.end());
    m_results.assign(m_paths.size(), ProbedFile{});
    m_ready.assign(m_paths.size(), false);
    m_next.store(0);
    m_measured.store(0);
    m_cancelled.store(false);
    m_delivered = 0;
    m_running = true;
    const int threads = std::min<int>(m_threadCount, static_cast<int>(m_paths.size()));
    for (int i = 0; i < threads; ++i) m_threads.emplace_back([this] { probeLoop(); });
    m_timer.start();
    // The first rows come without waiting for a tick.
    QTimer::singleShot(0, this, &ProbeQueue::deliver);
}

void ProbeQueue::Cancel() {
    if (!m_running) return;
    m_running = false;
    stopThreads();
    emit finished(true);
}

void ProbeQueue::probeLoop() {
    // On a machine with few cores the measuring threads and the window thread
    // compete: the measuring ones yield, so the window keeps answering (and
    // showing the rows) while thousands of files are read. Lowering one's own
    // priority needs no privilege; when it fails the thread runs as it is.
    const auto self = static_cast<id_t>(::gettid());
    errno = 0;
    const int nice = ::getpriority(PRIO_PROCESS, self);
    if (errno == 0) ::setpriority(PRIO_PROCESS, self, std::min(nice + kYieldToWindow, 19));
    // The probe writes its measurements into a job: this thread's own.
    auto job = std::make_unique<AVConvert>();
    job->stillPictureSeconds = m_stillSeconds;
    for (;;) {
        const int index = m_next.fetch_add(1);
        if (index >= static_cast<int>(m_paths.size()) || m_cancelled.load()) return;
        ProbedFile file;
        file.path = m_paths[static_cast<std::size_t>(index)];
        job->probePath = EncodeFileName(file.path);
        const int result = ProbeMedia(*job);
        file.accepted = ProbeAccepted(result, *job);
        if (file.accepted)
            file.length = ProbedLength{job->probeStartSeconds, job->probeDurationSeconds, job->durationMicroseconds};
        else
            file.reason = RefusalReason(file.path, result, job->sourceWidth, job->sourceHeight);
        {
            std::lock_guard lock(m_mutex);
            m_results[static_cast<std::size_t>(index)] = std::move(file);
            m_ready[static_cast<std::size_t>(index)] = true;
        }
        // The last file measured is handed over at once, not at the next tick:
        // adding a few files takes no longer than measuring them.
        if (m_measured.fetch_add(1) + 1 == static_cast<int>(m_paths.size()))
            QMetaObject::invokeMethod(this, &ProbeQueue::deliver, Qt::QueuedConnection);
    }
}

void ProbeQueue::deliver() {
    if (!m_running) return;
    std::vector<ProbedFile> batch;
    {
        std::lock_guard lock(m_mutex);
        while (m_delivered + static_cast<int>(batch.size()) < Total() &&
               static_cast<int>(batch.size()) < kMostPerDelivery &&
               m_ready[static_cast<std::size_t>(m_delivered) + batch.size()])
            batch.push_back(std::move(m_results[static_cast<std::size_t>(m_delivered) + batch.size()]));
    }
    m_delivered += static_cast<int>(batch.size());
    if (!batch.empty()) emit arrived(batch);
    // A receiver may have cancelled (or started anew) meanwhile.
    if (!m_running || m_delivered < Total()) return;
    m_running = false;
    stopThreads();
    emit finished(false);
}

QString ProbeQueue::RefusalReason(const QString& path, int probeResult, int width, int height) {
    const RefusalCause cause = ClassifyRefusal(EncodeFileName(path), probeResult);
    const auto systemWords = [&cause] {
        QString why = QString::fromLocal8Bit(std::strerror(cause.error));
        if (!why.isEmpty()) why[0] = why[0].toLower();
        return why;
    };
    switch (cause.kind) {
    case Refusal::kMissing: return tr("the file does not exist");
    case Refusal::kUnreadable: return tr("it cannot be read (%1)").arg(systemWords());
    case Refusal::kFolder: return tr("it is a folder");
    case Refusal::kNotPlainFile: return tr("it is not a plain file");
    case Refusal::kEmpty: return tr("the file is empty");
    case Refusal::kPictureTooLarge: return tr("picture too large: %1\u00d7%2").arg(width).arg(height);
    case Refusal::kStillGrowing: return tr("the file is still growing");
    case Refusal::kLengthUnknown: return tr("its length cannot be measured");
    case Refusal::kNoVideoDecoder:
    case Refusal::kVideoDecoderWillNotOpen:
    case Refusal::kNotMedia: break;
    }
    return tr("it is not a video or audio file that can be read");
}
