#include "engine/TranscodeWorker.h"

#include "engine/AVConvert.h"
#include "engine/FrameRate.h"
#include "engine/RowBatch.h"
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
    {
        // Opening records the source's facts in the job, which rows running at once share.
        std::lock_guard lock(job.rowMutex);
        if (source::openSource(job.sourcePaths[row], job, source) != source::OpenResult::Opened) return false;
    }
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
    std::string path;
    {
        // The name is reserved by an exclusive create; the lock keeps nameCounter whole
        // while rows running at once look for free names, and the turn gives the
        // names out in row order.
        std::unique_lock lock(job.rowMutex);
        batch::WaitForNameTurn(job, row, lock);
        path = output::chooseFreeName(job.outputPaths[row], job.nameCounter, true);
        batch::PassNameTurn(job, row);
    }
    job.outputPaths[row] = path;
    if (job.thumbnailMode == 1) job.thumbnailPaths[row] = ThumbnailPathFor(path);
    return out.file.open(path);
}

// A row that failed after its output was opened leaves a truncated file that no
// player reads. It is ours (its name was reserved for this row), so it goes, with
// the thumbnail this row wrote: a full disk gets its space back for the next row,
// and the folder never shows a broken file beside the good ones.
void discardBrokenOutput(const AVConvert& job, int row, const pipeline::RowRunner& runner) {
    std::error_code ec;
    std::filesystem::remove(job.outputPaths[row], ec);
    if (runner.thumbnailWritten()) std::filesystem::remove(job.thumbnailPaths[row], ec);
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
    const std::int64_t duration = source.input->duration;  // this row's own (the job's is the last opened)
    const double sourceSeconds = duration > 0 && duration != AV_NOPTS_VALUE ? duration / 1e6 : 0.0;
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
    // A trailer or close that fails leaves a broken file: that row has failed.
    if (out.file.finish()) job.publishProgress(row, 100);
    else markFailed(job, row);
    if (job.fileState[row].load(std::memory_order_relaxed) == kRowFailed) discardBrokenOutput(job, row, runner);
    if (!job.stopRequested.load(std::memory_order_relaxed) &&
        job.fileState[row].load(std::memory_order_relaxed) != kRowFailed)
        job.fileState[row].store(kRowCompleted, std::memory_order_relaxed);
}

// One row as a worker slot runs it: a row the job's tables do not cover fails.
void runRow(AVConvert& job, int row) {
    if (row >= static_cast<int>(job.sourcePaths.size()) || row >= static_cast<int>(job.outputPaths.size()))
        return markFailed(job, row);
    convertRow(job, row);
}

}  // namespace

void TranscodeWorker(AVConvert& job) {
    const int rows = std::max(0, std::min(job.fileCount, AVConvert::kMaxRows));
    for (int i = 0; i < rows; ++i) job.fileState[i].store(kRowPending, std::memory_order_relaxed);
    if (static_cast<int>(job.thumbnailPaths.size()) < rows) job.thumbnailPaths.resize(static_cast<std::size_t>(rows));
    int toConvert = 0;
    for (int row = 0; row < rows && row < static_cast<int>(job.sourcePaths.size()); ++row)
        toConvert += !job.sourcePaths[row].empty();
    batch::Run(job, rows, batch::MakePlan(job, toConvert, batch::ThisMachine()), &runRow);
}
