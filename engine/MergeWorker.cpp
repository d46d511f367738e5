#include "engine/MergeWorker.h"

#include "engine/AVConvert.h"
#include "engine/FrameRate.h"
#include "engine/RowPipeline.h"
#include "engine/Thumbnail.h"

#include <algorithm>
#include <memory>
#include <vector>

namespace {

// What the merge keeps across rows: the one output and the rows that reached it.
struct MergeState {
    std::unique_ptr<pipeline::Outputs> out;  // null until the first row that opens
    std::vector<int> completedRows;
};

void markFailed(AVConvert& job, int row) { job.fileState[row].store(kRowFailed, std::memory_order_relaxed); }

void nameThumbnail(AVConvert& job, int row) {
    if (job.thumbnailMode == 1) job.thumbnailPaths[row] = ThumbnailPathFor(job.outputPaths[row]);
}

// The first row that opens creates the output from its own streams and name.
bool createOutput(AVConvert& job, int row, const source::SourceFile& source, MergeState& state) {
    auto out = std::make_unique<pipeline::Outputs>();
    if (!out->file.create(job.outputPaths[row])) return false;
    if (job.encodeVideo && source.videoDecoder) {
        const AVRational timeBase = framerate::mergeTimeBase(job.outputFrameRate, source.videoRate);
        if (!pipeline::addVideoStream(job, source, *out, timeBase)) return false;
    }
    if (source.audioDecoder && !pipeline::addAudioStream(job, source, *out)) return false;
    out->file.copyMetadata(source.input.get());
    job.outputPaths[row] = output::chooseFreeName(job.outputPaths[row], job.nameCounter, true);
    nameThumbnail(job, row);
    if (!out->file.open(job.outputPaths[row])) return false;
    state.out = std::move(out);
    return true;
}

// A later row joins the existing output: its streams must be there, and its
// pictures get an encoder of their own.
bool joinOutput(AVConvert& job, int row, const source::SourceFile& source, MergeState& state) {
    if (!av_guess_format(nullptr, job.outputPaths[row].c_str(), nullptr)) return false;
    pipeline::Outputs& out = *state.out;
    const bool wantsVideo = job.encodeVideo && source.videoDecoder;
    if ((wantsVideo && !out.video) || (source.audioDecoder && !out.audio)) return false;
    if (wantsVideo && !pipeline::reopenVideoEncoder(job, source, out)) return false;
    job.outputPaths[row] = output::chooseFreeName(job.outputPaths[row], job.nameCounter, false);
    nameThumbnail(job, row);
    return true;
}

pipeline::RowRules mergeRules(const AVConvert& job, const pipeline::Outputs& out) {
    pipeline::RowRules rules;
    rules.progressSeconds = job.mergeTotalSeconds;
    const double video = out.video ? out.video->clock() : 0.0;
    const double audio = out.audio ? out.audio->queuedClock() : 0.0;
    rules.timelineOffset = std::max(video, audio);  // the row starts after everything so far
    return rules;
}

void mergeRow(AVConvert& job, int row, MergeState& state) {
    source::SourceFile source;
    if (source::openSource(job.sourcePaths[row], job, source) != source::OpenResult::Opened) return markFailed(job, row);
    const bool joined = state.out ? joinOutput(job, row, source, state) : createOutput(job, row, source, state);
    if (!joined) return markFailed(job, row);
    pipeline::Outputs& out = *state.out;
    pipeline::RowRunner runner(job, row, source, out, mergeRules(job, out));
    if (!runner.prepare()) return markFailed(job, row);
    const pipeline::RowEnd end = runner.run();
    runner.finishStreams(false);
    if (end == pipeline::RowEnd::WriteFailed || runner.writeFailed()) markFailed(job, row);
    if (!job.stopRequested.load(std::memory_order_relaxed) &&
        job.fileState[row].load(std::memory_order_relaxed) != kRowFailed) {
        job.fileState[row].store(kRowCompleted, std::memory_order_relaxed);
        state.completedRows.push_back(row);
    }
}

// Drains the audio, writes the trailer and closes the file, after the last row or
// at a stop, so the merge always leaves a playable file of what it has joined.
void finalise(AVConvert& job, MergeState& state) {
    if (!state.out) return;
    if (state.out->audio) audio::flushAndDrain(*state.out->audio, state.out->file);
    if (state.out->file.finish()) {
        job.progressPercent.store(100, std::memory_order_relaxed);
    } else {
        for (int row : state.completedRows) markFailed(job, row);  // their output is broken
    }
    state.out.reset();
}

}  // namespace

void MergeWorker(AVConvert& job) {
    const int rows = std::min(job.fileCount, AVConvert::kMaxRows);
    for (int i = 0; i < rows; ++i) job.fileState[i].store(kRowPending, std::memory_order_relaxed);
    job.currentFile.store(0, std::memory_order_relaxed);
    if (static_cast<int>(job.thumbnailPaths.size()) < rows) job.thumbnailPaths.resize(static_cast<std::size_t>(rows));
    MergeState state;
    for (int row = 0; row < rows; ++row) {
        job.currentFile.store(row, std::memory_order_relaxed);
        if (job.stopRequested.load(std::memory_order_relaxed)) return finalise(job, state);  // this row keeps 255
        if (row < static_cast<int>(job.sourcePaths.size()) && row < static_cast<int>(job.outputPaths.size()))
            mergeRow(job, row, state);
        else
            markFailed(job, row);
    }
    finalise(job, state);
    job.currentFile.store(rows, std::memory_order_relaxed);
}
