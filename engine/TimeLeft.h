#pragma once
// How long a run still needs: media seconds converted per wall second, measured
// over a sliding window, applied to the media seconds still to do for the whole
// run and for the file being converted.
//
// BatchProgress is read from the job's exchange fields (MeasureBatch) by whoever
// polls the job (the GUI's 300 ms timer, the command line's display loop). It
// counts media seconds across the whole batch, not "the current row", so it keeps
// working when several rows are converted at once: rows that completed add their
// whole clip, the row in progress its share, rows that failed leave the total.
//
// TimeLeftEstimator is a plain object owned by one poller (one thread); its clock
// is injectable so tests step time by hand.

#include <functional>
#include <optional>
#include <string>
#include <vector>

class AVConvert;

struct BatchProgress {
    double doneSeconds = 0.0;         // media seconds converted in the whole run
    double totalSeconds = 0.0;        // media seconds the run converts (failed rows left out)
    double currentDoneSeconds = 0.0;  // of the file being converted
    double currentTotalSeconds = 0.0;  // 0 when no single file is being converted (merge, between rows)
    // Rows converted at once right now (0 = not known: one at a time), and the
    // media seconds the furthest-behind of them still has to do.
    int runningRows = 0;
    double longestRowLeftSeconds = 0.0;
};

// The batch as the job's exchange fields describe it now. `merge`: the job's
// progress percentage covers the whole merged output (mergeTotalSeconds).
BatchProgress MeasureBatch(const AVConvert& job, bool merge);

class TimeLeftEstimator {
public:
    // Seconds on a monotonic clock.
    using Clock = std::function<double()>;
    // Smoothing window: long enough to ride over a file change or a slow
    // start-up of an encoder, short enough to follow a change of pace.
    static constexpr double kWindowSeconds = 20.0;
    // Before this much wall time and this much media, a guess would be noise.
    static constexpr double kMinimumWallSeconds = 3.0;
    static constexpr double kMinimumMediaSeconds = 0.5;

    explicit TimeLeftEstimator(Clock clock = SteadySeconds);

    // Forgets every sample: a new run starts.
    void Reset();
    // One reading of the batch; call on every poll.
    void Update(const BatchProgress& progress);
    // Media seconds per wall second over the window; nullopt until meaningful.
    std::optional<double> Rate() const;
    // Media seconds per wall second one row makes (the rate shared out over the
    // rows that ran at once during the window); nullopt with Rate().
    std::optional<double> RowRate() const;
    // Wall seconds left for the whole run / the current file; nullopt = blank.
    // Rows running at once share the work, but the run cannot end before its
    // furthest-behind row, which goes at one row's pace: near the end, when the
    // other rows are done, the time left does not fall to a fraction of it.
    std::optional<double> SecondsLeft() const;
    std::optional<double> CurrentFileSecondsLeft() const;

    static double SteadySeconds();

private:
    struct Sample {
        double wall;
        double done;
        int running;  // rows at once, at least 1
    };
    Clock m_clock;
    std::vector<Sample> m_samples;  // oldest first, trimmed to the window
    double m_started = -1.0;
    BatchProgress m_last;
};

// "1:02:03" / "02:03" (minutes and seconds under an hour), rounded up to whole
// seconds so a run never shows "00:00" while it still works.
std::string FormatDuration(double seconds);
