#include "engine/AVConvert.h"

AVConvert::AVConvert() {
    for (auto& s : fileState) s.store(kRowPending, std::memory_order_relaxed);
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

std::string AVConvert::failureReason(int row) const {
    std::lock_guard lock(m_reasonLock);
    return row >= 0 && static_cast<std::size_t>(row) < m_failureReasons.size() ? m_failureReasons[row] : std::string();
}

void AVConvert::clearFailureReasons() {
    std::lock_guard lock(m_reasonLock);
    m_failureReasons.clear();
}

void AVConvert::resetRowStates() {
    for (int i = 0; i < fileCount && i <= kMaxRows; ++i) fileState[i].store(kRowPending, std::memory_order_relaxed);
    clearFailureReasons();
    sourcePaths.resize(fileCount);
    outputPaths.resize(fileCount);
}
