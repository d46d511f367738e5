#include "engine/TimeLeft.h"

#include "engine/AVConvert.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>

namespace {

bool runsInASlot(const AVConvert& job, int row) {
    for (const auto& slot : job.runningRows)
        if (slot.load(std::memory_order_relaxed) == row) return true;
    return false;
}

}  // namespace

BatchProgress MeasureBatch(const AVConvert& job, bool merge) {
    BatchProgress progress;
    const int rows = std::min({job.fileCount, AVConvert::kMaxRows, static_cast<int>(job.sourcePaths.size())});
    const int current = job.currentFile.load(std::memory_order_relaxed);
    const int percent = std::clamp(job.progressPercent.load(std::memory_order_relaxed), 0, 100);
    if (merge) {
        progress.totalSeconds = std::max(job.mergeTotalSeconds, 0);
        progress.doneSeconds = progress.totalSeconds * percent / 100.0;
        return progress;
    }
    // Rows running at once each have their own share; the lowest of them is the
    // "current file". Between rows (or in a worker without slots) the row at
    // currentFile stands for them with the job's progress.
    const int lowest = job.lowestRunningRow();
    const int shown = lowest >= 0 ? lowest : current;
    for (int row = 0; row < rows; ++row) {
        if (job.sourcePaths[static_cast<std::size_t>(row)].empty()) continue;  // not checked
        const double length = std::max(job.clipLength[static_cast<std::size_t>(row)], 0.0);
        const std::uint8_t state = job.fileState[static_cast<std::size_t>(row)].load(std::memory_order_relaxed);
        if (state == kRowFailed) continue;  // it will never be done: out of the total
        progress.totalSeconds += length;
        if (state == kRowCompleted) {
            progress.doneSeconds += length;
            continue;
        }
        int own = -1;  // this row's progress, -1 when it is not running
        if (lowest >= 0 && runsInASlot(job, row))
            own = std::clamp<int>(job.rowPercent[static_cast<std::size_t>(row)].load(std::memory_order_relaxed), 0, 100);
        else if (lowest < 0 && row == current)
            own = percent;
        if (own < 0) continue;
        const double done = length * own / 100.0;
        progress.doneSeconds += done;
        ++progress.runningRows;
        progress.longestRowLeftSeconds = std::max(progress.longestRowLeftSeconds, length - done);
        if (row == shown) {
            progress.currentTotalSeconds = length;
            progress.currentDoneSeconds = done;
        }
    }
    return progress;
}

TimeLeftEstimator::TimeLeftEstimator(Clock clock) : m_clock(std::move(clock)) {}

double TimeLeftEstimator::SteadySeconds() {
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

void TimeLeftEstimator::Reset() {
    m_samples.clear();
    m_started = -1.0;
    m_last = BatchProgress{};
}

void TimeLeftEstimator::Update(const BatchProgress& progress) {
    const double now = m_clock();
    if (m_started < 0) m_started = now;
    m_last = progress;
    m_samples.push_back({now, progress.doneSeconds, std::max(progress.runningRows, 1)});
    // Keep one sample at or before the window's start, so the rate always spans
    // the whole window once the run is that old.
    while (m_samples.size() > 2 && m_samples[1].wall <= now - kWindowSeconds) m_samples.erase(m_samples.begin());
}

std::optional<double> TimeLeftEstimator::Rate() const {
    if (m_samples.size() < 2) return std::nullopt;
    const Sample& first = m_samples.front();
    const Sample& last = m_samples.back();
    if (last.wall - m_started < kMinimumWallSeconds || m_last.doneSeconds < kMinimumMediaSeconds) return std::nullopt;
    const double wall = last.wall - first.wall;
    const double media = last.done - first.done;
    if (wall <= 0 || media <= 0) return std::nullopt;
    return media / wall;
}

std::optional<double> TimeLeftEstimator::RowRate() const {
    const std::optional<double> rate = Rate();
    if (!rate) return std::nullopt;
    // The rows at once over the window, weighted by how long each count lasted.
    double rowWall = 0.0;
    double wall = 0.0;
    for (std::size_t i = 1; i < m_samples.size(); ++i) {
        const double span = m_samples[i].wall - m_samples[i - 1].wall;
        rowWall += span * m_samples[i].running;
        wall += span;
    }
    const double meanRunning = wall > 0 ? std::max(rowWall / wall, 1.0) : 1.0;
    return *rate / meanRunning;
}

std::optional<double> TimeLeftEstimator::SecondsLeft() const {
    const std::optional<double> rowRate = RowRate();
    if (!rowRate) return std::nullopt;
    const double atOnce = std::max(m_last.runningRows, 1);
    const double shared = std::max(m_last.totalSeconds - m_last.doneSeconds, 0.0) / (*rowRate * atOnce);
    const double slowest = std::max(m_last.longestRowLeftSeconds, 0.0) / *rowRate;
    return std::max(shared, slowest);
}

std::optional<double> TimeLeftEstimator::CurrentFileSecondsLeft() const {
    const std::optional<double> rowRate = RowRate();
    if (!rowRate || m_last.currentTotalSeconds <= 0) return std::nullopt;
    return std::max(m_last.currentTotalSeconds - m_last.currentDoneSeconds, 0.0) / *rowRate;
}

std::string FormatDuration(double seconds) {
    const long long whole = static_cast<long long>(std::ceil(std::max(seconds, 0.0)));
    char text[32];
    if (whole >= 3600)
        std::snprintf(text, sizeof text, "%lld:%02lld:%02lld", whole / 3600, whole % 3600 / 60, whole % 60);
    else
        std::snprintf(text, sizeof text, "%02lld:%02lld", whole / 60, whole % 60);
    return text;
}
