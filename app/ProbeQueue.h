#pragma once
// ProbeQueue: measures many files off the window's thread, several at once, and
// hands the results back on the window's thread in the order the files were
// given, a batch at a time, so a list of thousands of files fills row by row while
// the window keeps painting and answering.
//
// Each probing thread has a conversion job of its own (the probe writes the job's
// measuring fields), so probing never touches the shared job a running conversion
// uses: files can be added while a conversion runs.
//
// Start, Cancel and the signals belong to the UI thread. Cancel lets each thread
// finish the file it is reading; nothing more is delivered after it. The
// destructor cancels and waits for the threads.

#include "app/TaskList.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <atomic>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

struct ProbedFile {
    QString path;
    bool accepted = false;
    ProbedLength length;
    QString reason;  // why a refused file cannot be used, in words
};

class ProbeQueue : public QObject {
    Q_OBJECT
public:
    // How often finished probes are handed over: often enough to look live,
    // rarely enough that the list is not repainted for every few rows (painting
    // it took more of the window's time than adding the rows).
    static constexpr int kDeliverMs = 100;
    // At most this many rows per hand-over, so adding them never holds the
    // window long; the rest follow at the next tick. Far more than the probes
    // measure in one tick, so the list never lags behind them.
    static constexpr int kMostPerDelivery = 500;
    // How much lower than the window thread the measuring threads run (nice steps).
    static constexpr int kYieldToWindow = 5;

    // `threads` = 0: one per processor, at least two (the probes mostly wait
    // for the disk).
    explicit ProbeQueue(QObject* parent = nullptr, int threads = 0);
    ~ProbeQueue() override;
    ProbeQueue(const ProbeQueue&) = delete;
    ProbeQueue& operator=(const ProbeQueue&) = delete;

    // Starts measuring `paths`; a batch still running is cancelled first. A still
    // picture measures `stillPictureSeconds` (the length it will be converted to).
    void Start(const QStringList& paths, double stillPictureSeconds = 5.0);
    void Cancel();
    bool Running() const { return m_running; }
    int Total() const { return static_cast<int>(m_paths.size()); }
    int Delivered() const { return m_delivered; }

    // Why a file the probe refused (result < 0, or no known length) cannot be
    // used: the system's reason when it cannot be read at all; `width` and
    // `height` are the probe's, named when the picture is too large.
    static QString RefusalReason(const QString& path, int probeResult, int width = 0, int height = 0);

signals:
    // The next files in the given order (never empty).
    void arrived(const std::vector<ProbedFile>& files);
    // Every file was delivered, or the batch was cancelled.
    void finished(bool cancelled);

private:
    void probeLoop();
    void deliver();
    void stopThreads();

    std::vector<QString> m_paths;
    std::vector<ProbedFile> m_results;
    std::vector<bool> m_ready;  // guarded by m_mutex
    std::mutex m_mutex;
    std::atomic<int> m_next{0};
    std::atomic<int> m_measured{0};
    std::atomic<bool> m_cancelled{false};
    std::vector<std::thread> m_threads;
    int m_threadCount;
    int m_delivered = 0;
    double m_stillSeconds = 5.0;  // written before the threads start
    bool m_running = false;
    QTimer m_timer;
};
