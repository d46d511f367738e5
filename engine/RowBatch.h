#pragma once
// Runs the rows of a Convert several at once. The unit of work stays one row (the
// worker's row procedure); this layer decides how many rows run together and how
// many codec threads each gets, hands the rows out in order to that many worker
// slots, and keeps the job's exchange honest while rows finish out of order:
//  - currentFile is the lowest row not yet passed (so the front ends may trust the
//    code of every row below it) and reaches fileCount only when every row has;
//  - runningRows names the row of each slot, rowsStarted how far the hand-out got;
//  - after a stop no slot takes another row; the rows running finish their outputs;
//  - free names are taken in row order (WaitForNameTurn), as one row at a time would.
// The preview shows the lowest running row only, one picture at a time.
//
// Threads: run() is called on the worker thread and returns when every slot has
// ended; the extra slots are threads of its own, joined before it returns.

#include <cstdint>
#include <functional>
#include <mutex>
#include <utility>

class AVConvert;

namespace batch {

// The machine a plan is made for.
struct Machine {
    unsigned cores = 1;
    std::uint64_t availableBytes = 0;  // 0 = unknown: memory does not limit the plan
};

// This machine: its cores and the memory available now.
Machine ThisMachine();

struct Plan {
    int parallel = 1;       // rows at once
    int threadsPerRow = 0;  // codec threads of each row; 0 = FFmpeg's own choice
    // Memory the rows running at once may hold together (each row reserves its own
    // need, ReserveRowMemory); 0 = no limit.
    std::uint64_t memoryBytes = 0;
};

// The rough peak memory of one row of this job (buffers, encoder look-ahead and
// decoded pictures), for the memory limit of a plan.
std::uint64_t RowMemoryEstimate(const AVConvert& job);

// What one row holds at its peak, from the row's own source: decoded source
// pictures (the decoder's references and one per frame thread, the picture
// filter's, in float while tone-mapping) and the encoder's output pictures.
struct RowShape {
    bool video = false;          // the row converts pictures
    int sourceWidth = 0, sourceHeight = 0;
    int sourceFormat = -1;       // AVPixelFormat of the decoded pictures; -1 unknown
    int decoderThreads = 1;      // frame threads of the decoder
    bool toneMapped = false;     // HDR pictures go through float frames
    int outputWidth = 0, outputHeight = 0;
};
std::uint64_t RowMemoryNeed(const RowShape& row);

// A row's share of the plan's memory, given back when the ticket dies.
class MemoryTicket {
public:
    MemoryTicket() = default;
    MemoryTicket(AVConvert* job, std::uint64_t bytes) : m_job(job), m_bytes(bytes) {}
    ~MemoryTicket();
    MemoryTicket(MemoryTicket&& other) noexcept : m_job(other.m_job), m_bytes(other.m_bytes) { other.m_job = nullptr; }
    MemoryTicket& operator=(MemoryTicket&&) = delete;
    MemoryTicket(const MemoryTicket&) = delete;
    MemoryTicket& operator=(const MemoryTicket&) = delete;

private:
    AVConvert* m_job = nullptr;
    std::uint64_t m_bytes = 0;
};

// Within a Run whose plan limits memory: waits until the rows running leave room for
// `bytes` (a row alone never waits; a stop ends the wait), then holds them. Call
// once the row's output is named, so a waiting row never holds up a lower row's
// name. Outside a Run, or without a limit, it returns at once.
MemoryTicket ReserveRowMemory(AVConvert& job, std::uint64_t bytes);

// How to run `rowsToConvert` rows of this job. An audio-only output costs one core
// per row, so each core gets a row. A video row weighs the threads its codecs get:
// the cores are divided among the rows that can run at once, and with one row only
// FFmpeg chooses its threads itself, as for a single file. Rows never take more than
// half the available memory, and job.parallelRows > 0 asks for that many rows.
Plan MakePlan(const AVConvert& job, int rowsToConvert, const Machine& machine);

// The row procedure; a worker may capture run-wide state (called from several
// slots at once: what it captures must be safe to share, or used under rowMutex).
using RowProcedure = std::function<void(AVConvert& job, int row)>;

// With job.rowMutex held by `lock`: waits until every row below `row` has named its
// output or ended, so free names go to rows in row order. Rows outside a Run do
// not wait.
void WaitForNameTurn(AVConvert& job, int row, std::unique_lock<std::mutex>& lock);
// With job.rowMutex held: `row` has named its output (or ended without one).
void PassNameTurn(AVConvert& job, int row);

// Runs convertRow for rows 0 .. rows-1 following the plan (at most
// AVConvert::kMaxParallelRows at once), publishing currentFile as described above.
void Run(AVConvert& job, int rows, const Plan& plan, const RowProcedure& convertRow);

}  // namespace batch
