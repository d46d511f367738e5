#pragma once
// The conversion job: the one record the windows, the probe and the worker share.
//
// Three kinds of data live here side by side:
//  - the job (sources, clip times, output paths, output parameters), written by
//    the front end before a worker starts and read-only while it runs;
//  - the exchange (currentFile, progressPercent, fileState, stopRequested,
//    previewOff, and for rows running at once rowsStarted, runningRows and
//    rowPercent), atomics read and written by both sides without a lock, and the
//    failed rows' reasons, behind a lock of their own (a text cannot be atomic);
//  - the probe results, written by ProbeMedia on the UI thread while no worker runs.
// The worker's FFmpeg state is not here: it lives in a worker-private object per row.
//
// Several media fields are shared between the probe's results and the job's output
// parameters (videoCodecId, audioCodecId, videoBitRate, audio fields): after a probe
// they describe the probed source, after a conversion has been set up the output.

#include <algorithm>
#include <array>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "engine/TrackChoice.h"

class PreviewSink;
namespace copycheck {
struct DeviceLimits;
}

// Row result codes kept in AVConvert::fileState.
//  - pending: not reached yet, or a stop came before the row wrote anything;
//  - completed: the row ran to its end and its output is whole;
//  - failed: the row produced no usable output (an output file of its own that it
//    began is removed); failureReason(row) says why;
//  - stopped: a stop ended the row early; its output (outputPaths[row], or the
//    merged file) was finished properly and holds what was converted so far;
//  - done before: with skipDone, an earlier run's complete output of the row was
//    found (outputPaths[row] names it) and the row was not converted again.
enum RowState : std::uint8_t {
    kRowCompleted = 1,
    kRowFailed = 2,
    kRowStopped = 3,
    kRowDoneBefore = 4,
    kRowPending = 255,
};

class AVConvert {
public:
    static constexpr int kMaxRows = 9999;

    AVConvert();
    virtual ~AVConvert();
    AVConvert(const AVConvert&) = delete;
    AVConvert& operator=(const AVConvert&) = delete;

    // ---- The job (front end writes before the worker starts) ----
    int fileCount = 0;     // rows of the task list = length of the per-row tables
    int checkedCount = 0;  // read by the front end only
    std::vector<std::string> sourcePaths;  // "" for rows that are not checked
    std::vector<std::string> outputPaths;  // the worker may replace one by a free name
    // The folder the outputs go to: only folders below it are made (a kept tree's);
    // a missing output folder itself fails its rows.
    std::string outputFolder;
    std::array<double, kMaxRows> clipBegin{};   // seconds; the worker zeroes it after seeking
    std::array<double, kMaxRows> clipEnd{};
    std::array<double, kMaxRows> clipLength{};  // clipEnd - clipBegin (Convert only)
    int mergeTotalSeconds = 0;                  // Merge's progress denominator
    // Per row, the sound and subtitle tracks the task asks for, as request texts
    // (TrackChoice.h: "" or "auto", "none", a track number, a language). A table
    // shorter than the rows means automatic for the rest.
    std::vector<std::string> audioTracks;
    std::vector<std::string> subtitleTracks;
    std::string preferredLanguage;  // ISO 639 code; "" = the desktop's language

    // Output parameters (legacy codec ids, see CodecMap.h).
    int videoCodecId = 0;
    int audioCodecId = 0;
    int videoBitRate = 0;
    int outputWidth = 0;
    int outputHeight = 0;
    double outputFrameRate = 0.0;  // 0 = keep the source rate
    int audioBitRate = 0;
    int audioSampleRate = 0;
    int audioChannels = 0;
    bool encodeVideo = true;  // false = audio-only output
    int h264LevelCap = 0;     // highest H.264 level the device takes, times ten (41 = 4.1); 0 = any
    // Keep the source's video (and its sound, where the device plays it) instead of
    // converting it, when it is within copyDevice's limits. copyDevice points into
    // the static device table (profiles/DeviceLimits.h); null: the profile's device
    // is unknown and every row is converted.
    bool copyCompatible = false;
    const copycheck::DeviceLimits* copyDevice = nullptr;
    // A clip must begin exactly at its begin time: a copied stream can only begin at
    // a key frame, so such rows are converted.
    bool exactCut = false;
    // Bytes each video output (a merge: the merged output) is fitted into; 0 = none,
    // videoBitRate is used as it is. The worker picks the video bit rate per output
    // from its length, and encodes in two passes where the encoder can.
    std::int64_t targetSizeBytes = 0;
    // Convert: per row, why the front end's rules refuse it before it starts (a
    // target size its length cannot meet); such a row fails with that reason and is
    // never opened. "" or a shorter table: the row is converted.
    std::vector<std::string> refusedRows;
    int thumbnailMode = -1;   // 1 = write a ".THM" beside each video output, -1 = none
    // How long a still picture (a JPEG, PNG, …) lasts as a video when its row's clip
    // does not say; the probe gives stills this length.
    double stillPictureSeconds = 5.0;
    int nameCounter = -1;     // last "(n)" tried by the free-name rule
    // Convert: a row whose complete output an earlier run wrote is not converted
    // again (DoneBefore.h); its code becomes kRowDoneBefore.
    bool skipDone = false;
    // Rows Convert works on at once: 0 = as many as the cores and the memory allow
    // (RowBatch.h), 1 = one after the other. Merge always takes one row at a time.
    int parallelRows = 0;
    // Decoder and encoder threads of each row; 0 = FFmpeg's own choice. Set by the
    // Convert worker before its rows start (the cores are divided among the rows
    // running at once); every other worker leaves it at 0.
    int threadsPerRow = 0;
    // Serialises what rows running at once share in the job besides the exchange:
    // the free-name search with nameCounter, and the source facts a row records.
    // Worker threads only; the front ends never take it.
    std::mutex rowMutex;
    // Rows running at once still take their free names in row order (a row waits
    // for every row below it to name its output or end), so the names of a batch
    // never depend on which row got there first. Worker threads, under rowMutex.
    // Rows marked done in any order, and the lowest one not done.
    struct RowsDone {
        std::vector<bool> done;
        int next = 0;  // the lowest row not done
        void reset(int rows) {
            done.assign(static_cast<std::size_t>(std::max(rows, 0)), false);
            next = 0;
        }
        // Marks the row done (ignored outside the rows) and returns the new lowest.
        int mark(int row) {
            if (row >= 0 && row < static_cast<int>(done.size())) done[static_cast<std::size_t>(row)] = true;
            while (next < static_cast<int>(done.size()) && done[static_cast<std::size_t>(next)]) ++next;
            return next;
        }
    };
    struct NameOrder {
        std::condition_variable turn;
        RowsDone rows;  // per row: named its output, or ended
    } nameOrder;

    // ---- Exchange (no lock; relaxed atomics; readers accept a value one step old) ----
    std::atomic<int> currentFile{-1};      // fileCount when the worker has finished
    std::atomic<int> progressPercent{-1};  // 0..100, -1 = nothing to show
    std::array<std::atomic<std::uint8_t>, kMaxRows + 1> fileState{};
    std::atomic<bool> stopRequested{false};  // UI -> worker
    std::atomic<bool> previewOff{false};     // UI -> worker
    // Process-wide "stop at once" (a second Ctrl+C): every worker and probe leaves
    // its blocking reads and writes, finishes nothing and removes the unfinished
    // output of its current row (that row fails). Set from any thread or from a
    // signal handler (a lock-free store); nothing clears it but a test.
    static std::atomic<bool> abortNow;

    // ---- Failure reasons (a short English text per failed row) ----
    // The worker writes a row's reason before it stores kRowFailed (release order),
    // and only once per row and run; the text sits behind a lock, so any thread may
    // read it at any time. A reader that has seen kRowFailed reads that row's reason.
    void failRow(int row, const std::string& reason);  // worker; keeps the first reason
    // Worker: adds `note` to the reason of a failed row (what its output left behind).
    void addToFailureReason(int row, const std::string& note);
    std::string failureReason(int row) const;           // "" when none was given
    void clearFailureReasons();                         // worker, at its start (notes too)
    // A note on how a row was made that the person should know (the video copied
    // from a key frame before the begin time, the sound converted and why); kept
    // like the reasons, for rows of any state. "" when none.
    void noteRow(int row, const std::string& note);     // worker; adds to the row's note
    std::string rowNote(int row) const;
    // Rows running at once (Convert): rows below rowsStarted have been handed to a
    // worker slot (it may pass fileCount); runningRows holds each slot's row, -1 when
    // idle; rowPercent is each row's own progress (-1 = nothing to show yet), while
    // progressPercent is the mean of the rows running now. currentFile stays the
    // lowest row not yet passed, so every row below it has its final code.
    static constexpr int kMaxParallelRows = 16;
    std::atomic<int> rowsStarted{0};
    std::array<std::atomic<int>, kMaxParallelRows> runningRows{};
    std::array<std::atomic<std::int8_t>, kMaxRows + 1> rowPercent{};

    // ---- Probe (ProbeMedia reads probePath, writes the rest) ----
    std::string probePath;
    std::vector<std::string> thumbnailPaths;  // ".THM" of each row, once its output is named (worker)
    int videoStreamIndex = -1;
    int audioStreamIndex = -1;
    std::int64_t probeStartSeconds = 0;
    std::int64_t probeDurationSeconds = 0;
    std::int64_t durationMicroseconds = 0;
    int sourceWidth = 0;
    int sourceHeight = 0;
    double sourceFrameRate = 0.0;  // num / den in integer arithmetic
    int sourceRateNum = 0;
    int sourceRateDen = 0;
    bool oddRateSource = false;  // source rate exactly 359/12
    int fileSize = 0;            // low 32 bits of the container size
    std::int64_t containerBitRate = 0;  // the whole file's bits per second (0 = unknown)
    std::string audioChannelLayout;     // FFmpeg's name of the layout ("stereo", "5.1"), "" when unknown
    // Today's FFmpeg codec ids of the probed source (AVCodecID values) are in
    // videoCodecId/audioCodecId above after a probe; their names here:
    std::string videoCodecName;
    std::string audioCodecName;
    // Every sound and subtitle track of the probed file, and the positions in it of
    // the ones a conversion takes by default (-1: none).
    std::vector<tracks::Track> probeTracks;
    int probeAudioTrack = -1;
    int probeSubtitleTrack = -1;

    // ---- Hooks set by the front end (not owned; called on the worker thread) ----
    PreviewSink* previewSink = nullptr;
    // A fatal libjpeg error while writing a thumbnail; the conversion goes on.
    std::function<void(const std::string& message)> jpegError;

    // Sets every row's code to pending, clears the rows' progress and the running
    // slots, and sizes the path tables to fileCount.
    void resetRowStates();

    // Worker side: row's progress (0..100, -1 = none yet); progressPercent becomes
    // the mean of the rows in runningRows, or this value when row runs in no slot.
    void publishProgress(int row, int percent);
    // The lowest row in runningRows, -1 when none runs.
    int lowestRunningRow() const;

private:
    mutable std::mutex m_reasonLock;
    std::vector<std::string> m_failureReasons;
    std::vector<std::string> m_notes;
};

// True when a row should end now: its job was asked to stop, or everything was.
inline bool StopSeen(const AVConvert& job) {
    return job.stopRequested.load(std::memory_order_relaxed) || AVConvert::abortNow.load(std::memory_order_relaxed);
}
