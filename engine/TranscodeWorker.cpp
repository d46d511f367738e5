#include "engine/TranscodeWorker.h"

#include "engine/AVConvert.h"
#include "engine/FrameRate.h"
#include "engine/RowBatch.h"
#include "engine/RowPipeline.h"
#include "engine/Thumbnail.h"

#include <cstring>
#include <cmath>
#include <filesystem>
#include <optional>

namespace {

// Sources whose pictures are stamped one tick apart instead of by the clocks.
bool stampedByOrder(const source::SourceFile& source) {
    return source.formatIs("rm") || source.formatIs("rmvb") || source.oddRate;
}

// Steps up to the output streams and their encoders. "" or why the row fails.
std::string setUpStreams(AVConvert& job, int row, source::SourceFile& source, pipeline::Outputs& out) {
    // Rows running at once open their sources side by side; only the source facts
    // they record in the shared job wait for each other.
    const source::OpenResult opened = source::openWithoutFacts(job.sourcePaths[row], job, source, row);
    {
        std::lock_guard lock(job.rowMutex);
        job.videoStreamIndex = job.audioStreamIndex = -1;
        if (opened == source::OpenResult::Opened) source::recordFacts(source, job);
    }
    if (opened != source::OpenResult::Opened) return source.failure;
    if (!out.file.create(job.outputPaths[row])) return "No container matches the output's name";
    if (job.encodeVideo && source.videoDecoder) {
        const AVRational timeBase =
            framerate::transcodeTimeBase(job.outputFrameRate, source.videoRate, out.file.formatIs("rm"));
        if (!pipeline::addVideoStream(job, source, out, timeBase))
            return "The video encoder does not accept these settings";
    }
    if (source.audioDecoder && !pipeline::addAudioStream(job, source, out))
        return "The audio encoder does not accept these settings";
    out.file.copyMetadata(source.input.get());
    return std::string();
}

// The free name (with a free ".THM" beside it when the row will write one), the
// thumbnail name that follows it, and the header.
bool openOutput(AVConvert& job, int row, const source::SourceFile& source, pipeline::Outputs& out,
                output::FreeNames& names) {
    const bool thumbnail = pipeline::writesThumbnail(job, source);
    std::optional<output::Reservation> name;
    {
        // The name is reserved by an exclusive create; the lock keeps nameCounter and
        // the run's name memory whole while rows running at once look for free names,
        // and the turn gives the names out in row order.
        std::unique_lock lock(job.rowMutex);
        batch::WaitForNameTurn(job, row, lock);
        name.emplace(names.choose(job.outputPaths[row], job.nameCounter, true, thumbnail));
        batch::PassNameTurn(job, row);
    }
    job.outputPaths[row] = name->path();
    if (job.thumbnailMode == 1) job.thumbnailPaths[row] = ThumbnailPathFor(name->path());
    return out.file.open(std::move(*name));
}

// A row that failed after its output was opened leaves a truncated file that no
// player reads. It is ours (its name was reserved for this row), so it goes, with
// the thumbnail this row wrote: a full disk gets its space back for the next row,
// and the folder never shows a broken file beside the good ones.
void discardOutput(const AVConvert& job, int row, pipeline::Outputs& out, const pipeline::RowRunner& runner) {
    out.file.discard();
    std::error_code ec;
    if (runner.thumbnailWritten()) std::filesystem::remove(job.thumbnailPaths[row], ec);
}

// Why the output of a row failed after its header was written.
std::string outputFailure(const pipeline::RowRunner& runner) {
    return AVConvert::abortNow.load(std::memory_order_relaxed) ? pipeline::kAbortedReason : runner.writeFailureReason();
}

pipeline::RowRules rulesFor(AVConvert& job, int row, const source::SourceFile& source,
                            const pipeline::Outputs& out) {
    pipeline::RowRules rules;
    rules.clipBegin = job.clipBegin[row];
    rules.clipLength = job.clipLength[row];
    rules.progressSeconds = job.clipLength[row];
    if (job.clipLength[row] > 0 && pipeline::endIsUntrimmed(source, job.clipEnd[row])) {
        rules.clipLength = 0;  // no clip end
        rules.progressSeconds = source.input->duration / 1e6 - job.clipBegin[row];
    }
    rules.rmOutput = out.file.formatIs("rm");
    rules.orderStamped = stampedByOrder(source);
    return rules;
}

void convertRow(AVConvert& job, int row, output::FreeNames& names) {
    source::SourceFile source;
    pipeline::Outputs out;
    if (const std::string reason = setUpStreams(job, row, source, out); !reason.empty())
        return pipeline::setUpFailed(job, row, reason);
    if (!openOutput(job, row, source, out, names)) return pipeline::setUpFailed(job, row, out.file.failureReason());
    const pipeline::RowRules rules = rulesFor(job, row, source, out);
    if (job.clipBegin[row] != 0) {
        source::seekTo(source, job.clipBegin[row]);
        job.clipBegin[row] = 0;
    }
    pipeline::RowRunner runner(job, row, source, out, rules);
    if (!runner.prepare()) {
        job.failRow(row, "Cannot make the picture buffers");
        return discardOutput(job, row, out, runner);
    }
    const pipeline::RowEnd end = runner.run();
    // A second stop finishes nothing: no encoder is drained and no trailer written.
    if (AVConvert::abortNow.load(std::memory_order_relaxed)) {
        job.failRow(row, pipeline::kAbortedReason);
        return discardOutput(job, row, out, runner);
    }
    runner.finishStreams(true);
    if (end == pipeline::RowEnd::WriteFailed || runner.writeFailed()) job.failRow(row, outputFailure(runner));
    // A video output without one picture is no conversion, whatever the sound did.
    if (runner.videoMissing() && end != pipeline::RowEnd::Stopped)
        job.failRow(row, "Not one picture of the video could be decoded and converted");
    // A trailer or close that fails leaves a broken file: that row has failed.
    if (out.file.finish()) job.publishProgress(row, 100);
    else job.failRow(row, outputFailure(runner));
    if (job.fileState[row].load(std::memory_order_relaxed) == kRowFailed) return discardOutput(job, row, out, runner);
    // A stop before anything was converted leaves no empty file; the row stays pending.
    if (end == pipeline::RowEnd::Stopped && out.file.packetCount() == 0) return discardOutput(job, row, out, runner);
    // A stop keeps the shorter output (it may be wanted) and says the row was stopped.
    job.fileState[row].store(end == pipeline::RowEnd::Stopped ? kRowStopped : kRowCompleted,
                             std::memory_order_release);
}

// One row as a worker slot runs it: a row the job's tables do not cover fails.
void runRow(AVConvert& job, int row, output::FreeNames& names) {
    if (row >= static_cast<int>(job.sourcePaths.size()) || row >= static_cast<int>(job.outputPaths.size()))
        return job.failRow(row, "No source file");
    convertRow(job, row, names);
}

}  // namespace

void TranscodeWorker(AVConvert& job) {
    const int rows = std::max(0, std::min(job.fileCount, AVConvert::kMaxRows));
    pipeline::beginRun(job, rows);
    int toConvert = 0;
    for (int row = 0; row < rows && row < static_cast<int>(job.sourcePaths.size()); ++row)
        toConvert += !job.sourcePaths[row].empty();
    output::FreeNames names;  // this run's names, so a name is searched for once; under rowMutex
    batch::Run(job, rows, batch::MakePlan(job, toConvert, batch::ThisMachine()),
               [&names](AVConvert& j, int row) { runRow(j, row, names); });
}
