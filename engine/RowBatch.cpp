#include "engine/RowBatch.h"

#include "engine/AVConvert.h"
#include "engine/PreviewSink.h"

extern "C" {
#include <libavutil/imgutils.h>
}

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <fstream>
#include <map>
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

// Decoded pictures a decoder keeps besides one per frame thread: its references.
constexpr std::uint64_t kDecoderPictures = 4;
// Pictures in the filter graph at once (its input, a deinterlacer's neighbours, its output).
constexpr std::uint64_t kFilterPictures = 3;
// Bytes per pixel of the float planes tone-mapping works in (three 32-bit planes).
constexpr std::uint64_t kFloatPixelBytes = 12;
constexpr auto kMemoryWaitSlice = std::chrono::milliseconds(50);

// The memory the rows of one Run share.
struct MemoryBudget {
    std::mutex mutex;
    std::condition_variable changed;
    std::uint64_t limit = 0;
    std::uint64_t held = 0;
    int holders = 0;
};

// The budget of each job's running Run (a job runs one Run at a time).
std::mutex g_budgetsMutex;
std::map<const AVConvert*, MemoryBudget*> g_budgets;

MemoryBudget* budgetOf(const AVConvert& job) {
    std::lock_guard lock(g_budgetsMutex);
    const auto found = g_budgets.find(&job);
    return found == g_budgets.end() ? nullptr : found->second;
}

// Registers a Run's budget for its lifetime.
class BudgetScope {
public:
    BudgetScope(const AVConvert& job, std::uint64_t limit) : m_job(job) {
        m_budget.limit = limit;
        std::lock_guard lock(g_budgetsMutex);
        g_budgets[&m_job] = &m_budget;
    }
    ~BudgetScope() {
        std::lock_guard lock(g_budgetsMutex);
        g_budgets.erase(&m_job);
    }
    BudgetScope(const BudgetScope&) = delete;
    BudgetScope& operator=(const BudgetScope&) = delete;

private:
    const AVConvert& m_job;
    MemoryBudget m_budget;
};

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

std::uint64_t RowMemoryNeed(const RowShape& row) {
    if (!row.video) return kRowBaseBytes;
    const int width = std::max(row.sourceWidth, 16), height = std::max(row.sourceHeight, 16);
    int picture = row.sourceFormat >= 0
                      ? av_image_get_buffer_size(static_cast<AVPixelFormat>(row.sourceFormat), width, height, 1)
                      : -1;
    if (picture <= 0) picture = width * height * 3;  // unknown: 10-bit 4:2:0's size
    const std::uint64_t source = static_cast<std::uint64_t>(picture);
    const std::uint64_t decoded = source * (kDecoderPictures + static_cast<std::uint64_t>(std::max(row.decoderThreads, 1)));
    std::uint64_t filtered = source * kFilterPictures;
    if (row.toneMapped) filtered += static_cast<std::uint64_t>(width) * height * kFloatPixelBytes * 2;
    const std::uint64_t output = static_cast<std::uint64_t>(std::max(row.outputWidth, 16)) *
                                 static_cast<std::uint64_t>(std::max(row.outputHeight, 16)) * 3 / 2;
    return kRowBaseBytes + decoded + filtered + output * kEncoderPictures;
}

MemoryTicket::~MemoryTicket() {
    MemoryBudget* budget = m_job ? budgetOf(*m_job) : nullptr;
    if (!budget) return;
    std::lock_guard lock(budget->mutex);
    budget->held -= std::min(budget->held, m_bytes);
    --budget->holders;
    budget->changed.notify_all();
}

MemoryTicket ReserveRowMemory(AVConvert& job, std::uint64_t bytes) {
    MemoryBudget* budget = budgetOf(job);
    if (!budget || budget->limit == 0) return {};
    std::unique_lock lock(budget->mutex);
    // Slices, so a stop is seen: the row then goes on and ends at its first packet.
    while (budget->holders > 0 && budget->held + bytes > budget->limit && !StopSeen(job))
        budget->changed.wait_for(lock, kMemoryWaitSlice);
    budget->held += bytes;
    ++budget->holders;
    return MemoryTicket(&job, bytes);
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
    // The plan's count assumes every row is like the profile's frame; rows of big
    // sources (4K, 8K) reserve their real need and wait their turn within this.
    if (job.parallelRows <= 0 && plan.parallel > 1) plan.memoryBytes = machine.availableBytes / 2;
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
    const BudgetScope budget(job, plan.memoryBytes);
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
