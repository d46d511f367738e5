#include "engine/RowBatch.h"

#include "engine/AVConvert.h"
#include "engine/PreviewSink.h"

#include <algorithm>
#include <fstream>
#include <memory>
#include <mutex>
#include <string>
#include <system_error>
#include <thread>
#include <vector>

#include <sched.h>

namespace batch {
namespace {

constexpr std::uint64_t kMiB = 1024 * 1024;
// Working buffers, FIFO, demuxer and encoder state of any row.
constexpr std::uint64_t kRowBaseBytes = 24 * kMiB;
// Decoded source pictures held by a video decoder and the scaler.
constexpr std::uint64_t kVideoDecodeBytes = 32 * kMiB;
// Output pictures an encoder keeps (x264's look-ahead and references).
constexpr std::uint64_t kEncoderPictures = 48;

// Which rows have been passed (converted, failed, or stopped after they began),
// and the lowest one that has not: currentFile. Worker slots only.
class RowBook {
public:
    RowBook(AVConvert& job, int rows) : m_job(job) { m_passed.reset(rows); }

    void pass(int row) {
        std::lock_guard lock(m_mutex);
        // Release: whoever sees the new currentFile also sees the passed rows' slots
        // cleared and their codes.
        m_job.currentFile.store(m_passed.mark(row), std::memory_order_release);
    }

private:
    AVConvert& m_job;
    std::mutex m_mutex;
    AVConvert::RowsDone m_passed;
};

// Stands in for the job's preview sink while several rows run: only the lowest
// running row's pictures go through, and the sink is called by one slot at a time
// (sinks are written for one worker thread).
class LowestRowPreview : public PreviewSink {
public:
    LowestRowPreview(const AVConvert& job, PreviewSink& sink) : m_job(job), m_sink(sink) {}

    void rowBegins(int row) override {
        std::lock_guard lock(m_mutex);
        m_sink.rowBegins(row);
    }
    void picture(int row, const PreviewPicture& picture) override {
        if (row != m_job.lowestRunningRow()) return;
        std::lock_guard lock(m_mutex);
        m_sink.picture(row, picture);
    }
    void rowEnds(int row) override {
        std::lock_guard lock(m_mutex);
        m_sink.rowEnds(row);
    }

private:
    const AVConvert& m_job;
    PreviewSink& m_sink;
    std::mutex m_mutex;
};

void passNameTurnLocked(AVConvert& job, int row) {
    std::lock_guard lock(job.rowMutex);
    PassNameTurn(job, row);
}

// One worker slot: takes the next row until none is left or a stop is seen.
void runSlot(AVConvert& job, int slot, int rows, RowBook& book, const RowProcedure& convertRow) {
    for (;;) {
        if (StopSeen(job)) return;
        const int row = job.rowsStarted.fetch_add(1, std::memory_order_relaxed);
        if (row >= rows) return;
        // Taken after a stop: the row never begins and keeps its pending code.
        if (StopSeen(job)) return passNameTurnLocked(job, row);
        job.runningRows[static_cast<std::size_t>(slot)].store(row, std::memory_order_relaxed);
        job.publishProgress(row, -1);
        convertRow(job, row);
        passNameTurnLocked(job, row);  // a row that failed before naming its output
        job.runningRows[static_cast<std::size_t>(slot)].store(-1, std::memory_order_relaxed);
        book.pass(row);
    }
}

std::uint64_t availableMemory() {
    std::ifstream meminfo("/proc/meminfo");
    std::string key;
    std::uint64_t value = 0;
    std::string unit;
    while (meminfo >> key >> value >> unit) {
        if (key == "MemAvailable:") return value * 1024;
    }
    return 0;
}

}  // namespace

void WaitForNameTurn(AVConvert& job, int row, std::unique_lock<std::mutex>& lock) {
    AVConvert::NameOrder& order = job.nameOrder;
    if (row < 0 || row >= static_cast<int>(order.rows.done.size())) return;
    // Every row below was handed out before this one and either names its output
    // or ends, so the wait always ends; the lowest waiting row never waits.
    order.turn.wait(lock, [&] { return order.rows.next >= row; });
}

void PassNameTurn(AVConvert& job, int row) {
    AVConvert::NameOrder& order = job.nameOrder;
    if (row < 0 || row >= static_cast<int>(order.rows.done.size())) return;
    order.rows.mark(row);
    order.turn.notify_all();
}

Machine ThisMachine() {
    Machine machine;
    // The cores this process may run on (a container or taskset may allow fewer
    // than the machine has).
    cpu_set_t set;
    CPU_ZERO(&set);
    if (sched_getaffinity(0, sizeof(set), &set) == 0) machine.cores = static_cast<unsigned>(CPU_COUNT(&set));
    if (machine.cores == 0) machine.cores = std::max(1u, std::thread::hardware_concurrency());
    machine.availableBytes = availableMemory();
    return machine;
}

std::uint64_t RowMemoryEstimate(const AVConvert& job) {
    if (!job.encodeVideo) return kRowBaseBytes;
    const std::uint64_t picture =
        static_cast<std::uint64_t>(std::max(job.outputWidth, 16)) * static_cast<std::uint64_t>(std::max(job.outputHeight, 16)) * 3 / 2;
    return kRowBaseBytes + kVideoDecodeBytes + picture * kEncoderPictures;
}

Plan MakePlan(const AVConvert& job, int rowsToConvert, const Machine& machine) {
    const int cores = static_cast<int>(std::max(1u, machine.cores));
    const int rows = std::max(rowsToConvert, 1);
    Plan plan;
    if (job.parallelRows > 0) {
        plan.parallel = job.parallelRows;
    } else {
        // An audio row keeps one core busy; a video row's codecs get cores / rows
        // threads, so the rows together fill every core once.
        plan.parallel = std::min(cores, rows);
        if (machine.availableBytes > 0) {
            const std::uint64_t fit = machine.availableBytes / 2 / RowMemoryEstimate(job);
            plan.parallel = static_cast<int>(std::min<std::uint64_t>(static_cast<std::uint64_t>(plan.parallel), std::max<std::uint64_t>(fit, 1)));
        }
    }
    plan.parallel = std::clamp(std::min(plan.parallel, rows), 1, AVConvert::kMaxParallelRows);
    // One row alone keeps FFmpeg's own threading: a single file converts as fast
    // as it always did.
    plan.threadsPerRow = plan.parallel == 1 ? 0 : std::max(1, cores / plan.parallel);
    return plan;
}

void Run(AVConvert& job, int rows, const Plan& plan, const RowProcedure& convertRow) {
    job.threadsPerRow = plan.threadsPerRow;
    job.rowsStarted.store(0, std::memory_order_relaxed);
    for (auto& slot : job.runningRows) slot.store(-1, std::memory_order_relaxed);
    job.currentFile.store(0, std::memory_order_relaxed);
    {
        std::lock_guard lock(job.rowMutex);
        job.nameOrder.rows.reset(rows);
    }
    RowBook book(job, rows);
    const int parallel = std::clamp(plan.parallel, 1, AVConvert::kMaxParallelRows);
    PreviewSink* const sink = job.previewSink;
    std::unique_ptr<LowestRowPreview> preview;
    if (parallel > 1 && sink) {
        preview = std::make_unique<LowestRowPreview>(job, *sink);
        job.previewSink = preview.get();
    }
    {
        std::vector<std::jthread> slots;
        for (int slot = 1; slot < parallel; ++slot) {
            try {
                slots.emplace_back(runSlot, std::ref(job), slot, rows, std::ref(book), std::cref(convertRow));
            } catch (const std::system_error&) {
                break;  // no thread to be had: the slots that started share the rows
            }
        }
        runSlot(job, 0, rows, book, convertRow);
    }  // the slots' threads are joined here
    job.previewSink = sink;
    job.threadsPerRow = 0;
    {
        std::lock_guard lock(job.rowMutex);
        job.nameOrder.rows.done.clear();  // a later row outside a Run never waits
    }
    // With rows == 0 nothing was passed: currentFile stays 0 = fileCount.
}

}  // namespace batch
