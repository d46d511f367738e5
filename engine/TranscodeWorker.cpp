#include "engine/TranscodeWorker.h"

#include "engine/AVConvert.h"
#include "engine/FrameRate.h"
#include "engine/RowPipeline.h"
#include "engine/Thumbnail.h"

#include <cstring>
#include <cmath>
#include <filesystem>

namespace {

// Sources whose pictures are stamped one tick apart instead of by the clocks.
bool stampedByOrder(const source::SourceFile& source) {
    return source.formatIs("rm") || source.formatIs("rmvb") || source.oddRate;
}

void markFailed(AVConvert& job, int row) { job.fileState[row].store(kRowFailed, std::memory_order_relaxed); }

// Steps up to the output streams and their encoders. False: the row fails.
bool setUpStreams(AVConvert& job, int row, source::SourceFile& source, pipeline::Outputs& out) {
    if (source::openSource(job.sourcePaths[row], job, source) != source::OpenResult::Opened) return false;
    if (!out.file.create(job.outputPaths[row])) return false;
    if (job.encodeVideo && source.videoDecoder) {
        const AVRational timeBase =
            framerate::transcodeTimeBase(job.outputFrameRate, source.videoRate, out.file.formatIs("rm"));
        if (!pipeline::addVideoStream(job, source, out, timeBase)) return false;
    }
    if (source.audioDecoder && !pipeline::addAudioStream(job, source, out)) return false;
    out.file.copyMetadata(source.input.get());
    return true;
}

// The free name, the thumbnail name that follows it, and the header.
bool openOutput(AVConvert& job, int row, pipeline::Outputs& out) {
    const std::string path = output::chooseFreeName(job.outputPaths[row], job.nameCounter, true);
    job.outputPaths[row] = path;
    if (job.thumbnailMode == 1) job.thumbnailPath = ThumbnailPathFor(path);
    return out.file.open(path);
}

// A row that failed after its output was opened leaves a truncated file that no
// player reads. It is ours (its name was reserved for this row), so it goes, with
// the thumbnail this row wrote: a full disk gets its space back for the next row,
// and the folder never shows a broken file beside the good ones.
void discardBrokenOutput(const AVConvert& job, int row, const pipeline::RowRunner& runner) {
    std::error_code ec;
    std::filesystem::remove(job.outputPaths[row], ec);
    if (runner.thumbnailWritten()) std::filesystem::remove(job.thumbnailPath, ec);
}

pipeline::RowRules rulesFor(AVConvert& job, int row, const source::SourceFile& source,
                            const pipeline::Outputs& out) {
    pipeline::RowRules rules;
    rules.clipBegin = job.clipBegin[row];
    rules.clipLength = job.clipLength[row];
    rules.progressSeconds = job.clipLength[row];
    // Task lists keep times in whole seconds, so an end time nobody trimmed is the
    // source's length cut to the second. Taken literally it would drop the last
    // fraction of a second of every file: it means "to the end of the source".
    const double sourceSeconds = job.durationMicroseconds > 0 ? job.durationMicroseconds / 1e6 : 0.0;
    if (sourceSeconds > 0 && job.clipLength[row] > 0 && job.clipEnd[row] >= std::floor(sourceSeconds)) {
        rules.clipLength = 0;  // no clip end
        rules.progressSeconds = sourceSeconds - job.clipBegin[row];
    }
    rules.rmOutput = out.file.formatIs("rm");
    rules.orderStamped = stampedByOrder(source);
    return rules;
}

void convertRow(AVConvert& job, int row) {
    source::SourceFile source;
    pipeline::Outputs out;
    if (!setUpStreams(job, row, source, out) || !openOutput(job, row, out)) return markFailed(job, row);
    const pipeline::RowRules rules = rulesFor(job, row, source, out);
    if (job.clipBegin[row] != 0) {
        source::seekTo(source, job.clipBegin[row]);
        job.clipBegin[row] = 0;
    }
    pipeline::RowRunner runner(job, row, source, out, rules);
    if (!runner.prepare()) {
        out.file.finish();
        markFailed(job, row);
        return discardBrokenOutput(job, row, runner);
    }
    const pipeline::RowEnd end = runner.run();
    runner.finishStreams(true);
    if (end == pipeline::RowEnd::WriteFailed || runner.writeFailed()) markFailed(job, row);
    // A video output without one picture is no conversion, whatever the sound did.
    if (runner.videoMissing() && end != pipeline::RowEnd::Stopped) markFailed(job, row);
    // A trailer or close that fails leaves a broken file: that row has failed.
    if (out.file.finish()) job.progressPercent.store(100, std::memory_order_relaxed);
    else markFailed(job, row);
    if (job.fileState[row].load(std::memory_order_relaxed) == kRowFailed) discardBrokenOutput(job, row, runner);
    if (!job.stopRequested.load(std::memory_order_relaxed) &&
        job.fileState[row].load(std::memory_order_relaxed) != kRowFailed)
        job.fileState[row].store(kRowCompleted, std::memory_order_relaxed);
}

}  // namespace

void TranscodeWorker(AVConvert& job) {
    const int rows = std::min(job.fileCount, AVConvert::kMaxRows);
    for (int i = 0; i < rows; ++i) job.fileState[i].store(kRowPending, std::memory_order_relaxed);
    job.currentFile.store(0, std::memory_order_relaxed);
    for (int row = 0; row < rows; ++row) {
        job.currentFile.store(row, std::memory_order_relaxed);
        if (job.stopRequested.load(std::memory_order_relaxed)) return;  // this row keeps 255
        job.progressPercent.store(-1, std::memory_order_relaxed);
        if (row >= static_cast<int>(job.sourcePaths.size()) || row >= static_cast<int>(job.outputPaths.size())) {
            markFailed(job, row);
            continue;
        }
        convertRow(job, row);
    }
    job.currentFile.store(rows, std::memory_order_relaxed);
}
