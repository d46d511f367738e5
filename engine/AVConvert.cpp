#include "engine/AVConvert.h"

#include <algorithm>

AVConvert::AVConvert() {
    for (auto& s : fileState) s.store(kRowPending, std::memory_order_relaxed);
    for (auto& p : rowPercent) p.store(-1, std::memory_order_relaxed);
    for (auto& r : runningRows) r.store(-1, std::memory_order_relaxed);
}

AVConvert::~AVConvert() = default;

// Set from signal handlers: only a lock-free atomic may be.
static_assert(std::atomic<bool>::is_always_lock_free);
std::atomic<bool> AVConvert::abortNow{false};

void AVConvert::failRow(int row, const std::string& reason) {
    if (row < 0 || row > kMaxRows) return;
    // Only the worker writes fileState, so its own earlier failure is seen here.
    if (fileState[row].load(std::memory_order_relaxed) == kRowFailed) return;
    {
        std::lock_guard lock(m_reasonLock);
        if (m_failureReasons.size() <= static_cast<std::size_t>(row)) m_failureReasons.resize(row + 1);
        m_failureReasons[row] = reason;
    }
    fileState[row].store(kRowFailed, std::memory_order_release);
}

void AVConvert::addToFailureReason(int row, const std::string& note) {
    if (row < 0 || row > kMaxRows || note.empty()) return;
    std::lock_guard lock(m_reasonLock);
    if (m_failureReasons.size() <= static_cast<std::size_t>(row)) m_failureReasons.resize(row + 1);
    m_failureReasons[row] += note;
}

std::string AVConvert::failureReason(int row) const {
    std::lock_guard lock(m_reasonLock);
    return row >= 0 && static_cast<std::size_t>(row) < m_failureReasons.size() ? m_failureReasons[row] : std::string();
}

void AVConvert::clearFailureReasons() {
    std::lock_guard lock(m_reasonLock);
    m_failureReasons.clear();
    m_notes.clear();
}

void AVConvert::noteRow(int row, const std::string& note) {
    if (row < 0 || row > kMaxRows || note.empty()) return;
    std::lock_guard lock(m_reasonLock);
    if (m_notes.size() <= static_cast<std::size_t>(row)) m_notes.resize(row + 1);
    std::string& text = m_notes[row];
    text += (text.empty() ? "" : "; ") + note;
}

std::string AVConvert::rowNote(int row) const {
    std::lock_guard lock(m_reasonLock);
    return row >= 0 && static_cast<std::size_t>(row) < m_notes.size() ? m_notes[row] : std::string();
}

void AVConvert::resetRowStates() {
    for (int i = 0; i < fileCount && i <= kMaxRows; ++i) {
        fileState[i].store(kRowPending, std::memory_order_relaxed);
        rowPercent[i].store(-1, std::memory_order_relaxed);
    }
    for (auto& r : runningRows) r.store(-1, std::memory_order_relaxed);
    rowsStarted.store(0, std::memory_order_relaxed);
    threadsPerRow = 0;
    clearFailureReasons();
    sourcePaths.resize(fileCount);
    outputPaths.resize(fileCount);
    thumbnailPaths.assign(static_cast<std::size_t>(std::max(fileCount, 0)), std::string());
}

void AVConvert::publishProgress(int row, int percent) {
    if (row >= 0 && row <= kMaxRows) rowPercent[row].store(static_cast<std::int8_t>(percent), std::memory_order_relaxed);
    int sum = 0, running = 0, shown = 0;
    for (const auto& slot : runningRows) {
        const int r = slot.load(std::memory_order_relaxed);
        if (r < 0 || r > kMaxRows) continue;
        const int p = rowPercent[r].load(std::memory_order_relaxed);
        ++running;
        if (p >= 0) {
            sum += p;
            ++shown;
        }
    }
    // A row that has shown nothing yet counts as 0 beside rows that have.
    const int combined = running == 0 ? percent : shown == 0 ? -1 : sum / running;
    progressPercent.store(combined, std::memory_order_relaxed);
}

int AVConvert::lowestRunningRow() const {
    int lowest = -1;
    for (const auto& slot : runningRows) {
        const int r = slot.load(std::memory_order_relaxed);
        if (r >= 0 && (lowest < 0 || r < lowest)) lowest = r;
    }
    return lowest;
}
