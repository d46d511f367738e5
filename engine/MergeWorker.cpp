#include "engine/MergeWorker.h"

#include "engine/AVConvert.h"
#include "engine/CodecMap.h"
#include "engine/ErrorText.h"
#include "engine/FrameRate.h"
#include "engine/RowPipeline.h"
#include "engine/TargetSize.h"
#include "engine/Thumbnail.h"

#include <algorithm>
#include <climits>
#include <optional>
#include <filesystem>
#include <cmath>
#include <memory>
#include <vector>

namespace {

// What the merge keeps across rows: the one output, the rows that reached it and
// the thumbnails they wrote (which go with the output if it turns out broken).
struct MergeState {
    std::unique_ptr<pipeline::Outputs> out;  // null until the first row that opens
    std::vector<int> joinedRows;             // completed or stopped into the output
    std::vector<std::string> thumbnails;
    output::FreeNames names;                 // this run's names
    copying::CopyPlan copy;                  // what every row keeps of its source
    // Fitted into a size: the video encoders' bit rate and pass. Each row's encoder
    // keeps its statistics in a file of its own (a merge opens one encoder per row).
    video::RateSetup rate;
    const sizing::PassLogFolder* logs = nullptr;
    std::vector<std::unique_ptr<sizing::PassLog>> passLogs;  // the first pass's, kept until it ends
    bool firstPass() const { return rate.pass == 1; }
};

// Says what a merge asked to keep its video actually keeps, and why not the rest.
void noteMergeCopy(AVConvert& job, int row, const copying::CopyPlan& plan) {
    if (!job.copyCompatible || !job.copyDevice) return;
    if (!plan.video) {
        if (!plan.videoReason.empty()) job.noteRow(row, "video converted: " + plan.videoReason);
        return;
    }
    job.noteRow(row, plan.sound ? "video and sound kept as they are" : "video kept as it is; sound converted: " + plan.soundReason);
}

// The encoder settings of a row's pictures.
video::RateSetup rateFor(const AVConvert& job, int row, MergeState& state) {
    video::RateSetup rate = state.rate;
    if (rate.pass == 0 || !state.logs) return rate;
    rate.statsPath = state.logs->logFor(row);
    if (state.firstPass() && !sizing::statsByFileName(codecmap::videoEncoderName(job.videoCodecId))) {
        state.passLogs.push_back(std::make_unique<sizing::PassLog>(rate.statsPath));
        rate.log = state.passLogs.back().get();
    }
    return rate;
}

void nameThumbnail(AVConvert& job, int row) {
    if (job.thumbnailMode == 1) job.thumbnailPaths[row] = ThumbnailPathFor(job.outputPaths[row]);
}

// Whether a source has sound, read from its container without opening decoders
// (the read gives up at a stop, as every read of a source does).
bool hasSound(const AVConvert& job, const std::string& path) {
    source::SourceFile source;
    return source::openContainer(path, job, source) == source::OpenResult::Opened &&
           source::chooseStreams(*source.input).audio >= 0;
}

bool laterRowHasSound(const AVConvert& job, int row) {
    const int rows = std::min<int>(job.fileCount, static_cast<int>(job.sourcePaths.size()));
    for (int later = row + 1; later < rows; ++later) {
        if (StopSeen(job)) return false;
        if (hasSound(job, job.sourcePaths[later])) return true;
    }
    return false;
}

// The first row that opens creates the output from its own streams and name; ""
// or why the row fails. A first row with pictures but no sound still gets a sound
// stream (its silence) when a later row has sound: otherwise that row could not be
// joined.
std::string createOutput(AVConvert& job, int row, const source::SourceFile& source, MergeState& state) {
    auto out = std::make_unique<pipeline::Outputs>();
    if (!out->file.create(job.outputPaths[row]))
        return out->file.failureReason().empty() ? "No container matches the output's name" : out->file.failureReason();
    // Every row's encoder writes the same stream headers, so none is tuned for a
    // still picture: the first row's headers are the whole file's.
    if (state.copy.video) {
        if (!copying::addCopiedStream(*source.videoStream(), out->file, out->videoCopy))
            return "The output does not take the source's video as it is";
    } else if (job.encodeVideo && source.videoDecoder) {
        const AVRational timeBase = framerate::mergeTimeBase(job.outputFrameRate, source.videoRate);
        if (!pipeline::addVideoStream(job, source, *out, timeBase, false, rateFor(job, row, state)))
            return CodecFailure("The video encoder does not accept these settings",
                "the video encoder", LastCodecOpenError());
    } else if (job.encodeVideo && source.audioDecoder) {
        // Sound alone, as in a single conversion: its cover (or black) is the picture.
        const AVRational timeBase = framerate::mergeTimeBase(job.outputFrameRate, AVRational{25, 1});
        if (!pipeline::addVideoStreamForSound(job, source, *out, timeBase, false, rateFor(job, row, state)))
            return CodecFailure("The video encoder does not accept these settings",
                "the video encoder", LastCodecOpenError());
    }
    const bool sound = source.audioDecoder || ((out->video || out->videoCopy) && laterRowHasSound(job, row));
    if (state.copy.sound) {
        if (!copying::addCopiedStream(*source.audioStream(), out->file, out->audioCopy))
            return "The output does not take the source's sound as it is";
    } else if (sound && !pipeline::addAudioStream(job, source, *out))
        return CodecFailure("The audio encoder does not accept these settings",
            "the audio encoder", LastCodecOpenError());
    pipeline::copySourceTags(source, *out);
    if (state.firstPass()) {  // counted, not written: no name is taken
        if (!out->file.openDiscarding()) return out->file.failureReason();
        state.out = std::move(out);
        return std::string();
    }
    const bool thumbnail = pipeline::writesThumbnail(job, source) || (job.thumbnailMode == 1 && out->video);
    output::Reservation name = state.names.choose(job.outputPaths[row], job.nameCounter, true, thumbnail);
    job.outputPaths[row] = name.path();
    nameThumbnail(job, row);
    if (!out->file.open(std::move(name))) return out->file.failureReason();
    state.out = std::move(out);
    return std::string();
}

// A later row joins the existing output: its streams must be there, and its
// pictures get an encoder of their own. "" or why the row fails.
std::string joinOutput(AVConvert& job, int row, const source::SourceFile& source, MergeState& state) {
    if (!av_guess_format(nullptr, job.outputPaths[row].c_str(), nullptr)) return "No container matches the output's name";
    pipeline::Outputs& out = *state.out;
    // Once a write has failed, the joined file is broken: nothing more goes in.
    if (out.file.error() < 0) return out.file.failureReason();
    const bool wantsVideo = job.encodeVideo && source.videoDecoder;
    if (wantsVideo && !out.video && !out.videoCopy)
        return "The merged output has no video stream for this source's pictures";
    if (source.audioDecoder && !out.audio && !out.audioCopy)
        return "The merged output has no audio stream for this source's sound";
    // Sound alone shows its cover (or black) in the joined video, as it would alone.
    const bool pictured = out.video && job.encodeVideo && (source.videoDecoder || source.audioDecoder);
    if (pictured && !pipeline::reopenVideoEncoder(job, source, out, rateFor(job, row, state)))
        return CodecFailure("The video encoder does not accept these settings",
            "the video encoder", LastCodecOpenError());
    if (state.firstPass()) return std::string();
    job.outputPaths[row] =
        state.names.choose(job.outputPaths[row], job.nameCounter, false, pipeline::writesThumbnail(job, source)).path();
    // The thumbnail belongs to the one joined output (the first row's); a later
    // row's would stand beside no video at all.
    job.thumbnailPaths[row].clear();
    return std::string();
}

// The row's clip, from the clip editor's begin and end (a merge gets no clip
// length); an end nobody trimmed means the end of the source.
void applyClip(const AVConvert& job, int row, const source::SourceFile& source, pipeline::RowRules& rules) {
    rules.clipBegin = std::max(0.0, job.clipBegin[row]);
    const double length = job.clipEnd[row] - rules.clipBegin;
    rules.clipLength = length > 0 && !pipeline::endIsUntrimmed(source, job.clipEnd[row]) ? length : 0.0;
}

pipeline::RowRules mergeRules(const AVConvert& job, int row, const source::SourceFile& source,
                              const pipeline::Outputs& out, const MergeState& state) {
    pipeline::RowRules rules;
    if (state.rate.pass != 0) {
        rules.firstPass = state.firstPass();
        rules.progressFrom = state.firstPass() ? 0 : sizing::kFirstPassPercent;
        rules.progressSpan = state.firstPass() ? sizing::kFirstPassPercent : 100 - sizing::kFirstPassPercent;
    }
    rules.progressSeconds = job.mergeTotalSeconds;
    const double video = out.video ? out.video->clock() : out.videoCopy ? out.videoCopy->clock() : 0.0;
    const double audio = out.audio ? out.audio->queuedClock() : out.audioCopy ? out.audioCopy->clock() : 0.0;
    rules.timelineOffset = std::max(video, audio);  // the row starts after everything so far
    rules.fitAudioToPictures = true;
    rules.pictureForSound = out.video && job.encodeVideo && !source.videoDecoder;
    applyClip(job, row, source, rules);
    if (video::isStillPicture(*source.input, source.videoIndex, source.audioIndex)) {
        // One picture for the clip's length (the probe gave it the still length),
        // or for the still length when no clip was set; the silence lasts as long.
        rules.stillPicture = true;
        const double length = job.clipEnd[row] - std::max(0.0, job.clipBegin[row]);
        rules.clipBegin = 0;
        rules.clipLength = length > 0 ? length : job.stillPictureSeconds;
    }
    return rules;
}

void mergeRow(AVConvert& job, int row, MergeState& state) {
    source::SourceFile source;
    if (source::openSource(job.sourcePaths[row], job, source, row) != source::OpenResult::Opened)
        return pipeline::setUpFailed(job, row, source.failure);
    const std::string joined = state.out ? joinOutput(job, row, source, state) : createOutput(job, row, source, state);
    if (!joined.empty()) return pipeline::setUpFailed(job, row, joined);
    noteMergeCopy(job, row, state.copy);
    if (state.copy.video) source::decodeVideoOnOneThread(source);
    pipeline::Outputs& out = *state.out;
    const pipeline::RowRules rules = mergeRules(job, row, source, out, state);
    if (rules.clipBegin > 0) source::seekTo(source, rules.clipBegin + copying::keyFrameSlack(source, out));
    pipeline::RowRunner runner(job, row, source, out, rules);
    if (!runner.prepare()) return job.failRow(row, "Not enough memory for the picture buffers");
    const long packetsBefore = out.file.packetCount();
    const pipeline::RowEnd end = runner.run();
    if (runner.thumbnailWritten()) state.thumbnails.push_back(job.thumbnailPaths[row]);
    if (AVConvert::abortNow.load(std::memory_order_relaxed)) return job.failRow(row, pipeline::kAbortedReason);
    runner.finishStreams(false);
    if (end == pipeline::RowEnd::WriteFailed || runner.writeFailed()) job.failRow(row, runner.writeFailureReason());
    if (runner.videoMissing() && end != pipeline::RowEnd::Stopped)
        job.failRow(row, "Not one picture of the video could be decoded and converted");
    if (job.fileState[row].load(std::memory_order_relaxed) == kRowFailed) return;
    // A stop before this row put anything into the output leaves it pending.
    if (end == pipeline::RowEnd::Stopped && out.file.packetCount() == packetsBefore) return;
    job.fileState[row].store(end == pipeline::RowEnd::Stopped ? kRowStopped : kRowCompleted, std::memory_order_release);
    state.joinedRows.push_back(row);
}

// Drains the audio, writes the trailer and closes the file, after the last row or
// at a stop, so the merge always leaves a playable file of what it has joined.
// A file that cannot be finished (a full disk), or a second stop, leaves nothing:
// the broken file and the rows' thumbnails go, and the rows joined into it fail.
void finalise(AVConvert& job, MergeState& state) {
    if (!state.out) return;
    pipeline::Outputs& out = *state.out;
    const bool aborted = AVConvert::abortNow.load(std::memory_order_relaxed);
    // A merge that no row got into (all failed, or a stop came first) leaves no file.
    const bool keep = !aborted && !state.joinedRows.empty();
    const bool drained = !keep || !out.audio || audio::flushAndDrain(*out.audio, out.file) >= 0;
    if (keep && drained && out.file.finish()) {
        job.progressPercent.store(100, std::memory_order_relaxed);
        // The joined output's size is said with its first row, as its copy plan is.
        const int first = state.joinedRows.front();
        std::error_code ec;
        const auto bytes = std::filesystem::file_size(job.outputPaths[first], ec);
        if (job.targetSizeBytes > 0 && out.video && !StopSeen(job) && !ec)
            job.noteRow(first, sizing::missedSizeNote(double(bytes), double(job.targetSizeBytes)));
    } else {
        const std::string reason = aborted ? pipeline::kAbortedReason : out.file.failureReason();
        for (int row : state.joinedRows) job.failRow(row, reason.empty() ? "Cannot finish the output" : reason);
        const std::string note = out.file.leftoverNote(out.file.discard());
        std::error_code ec;
        bool thumbnailsGone = true;
        for (const std::string& thumbnail : state.thumbnails)
            thumbnailsGone = std::filesystem::remove(thumbnail, ec) && thumbnailsGone;
        for (int row : state.joinedRows) {
            job.addToFailureReason(row, note);
            if (!thumbnailsGone) job.addToFailureReason(row, "; thumbnails of the joined files may remain");
        }
    }
    state.out.reset();
}


// Every row into the one output, in order. False when a stop came first.
bool mergeRows(AVConvert& job, int rows, MergeState& state) {
    for (int row = 0; row < rows; ++row) {
        job.currentFile.store(row, std::memory_order_relaxed);
        if (StopSeen(job)) return false;  // this row keeps 255
        if (row < static_cast<int>(job.sourcePaths.size()) && row < static_cast<int>(job.outputPaths.size()))
            mergeRow(job, row, state);
        else
            job.failRow(row, "No source file");
    }
    return true;
}

// The first pass: every row through the same steps into a counted, unwritten
// output, each row's encoder writing its statistics. What it measured; nullopt
// when a stop came or nothing could be measured.
std::optional<sizing::PassResult> runFirstPass(AVConvert& job, int rows, MergeState& state) {
    std::optional<sizing::PassResult> result;
    if (mergeRows(job, rows, state) && state.out && !state.joinedRows.empty()) {
        pipeline::Outputs& out = *state.out;
        const bool drained = !out.audio || audio::flushAndDrain(*out.audio, out.file) >= 0;
        if (drained && out.file.finish() && out.video) {
            result = sizing::PassResult{
                out.video->clock(), static_cast<double>(out.file.payloadBytes(out.video->stream)),
                out.audio ? static_cast<double>(out.file.payloadBytes(out.audio->stream)) : 0.0,
                static_cast<double>(out.file.bytesWritten())};
        }
    }
    state.out.reset();  // the encoders go before the logs they write into
    for (const auto& log : state.passLogs)
        if (!log->close()) result.reset();
    state.passLogs.clear();
    state.joinedRows.clear();
    state.thumbnails.clear();
    return result;
}

// A merge fitted into a size: the video bit rate for the rows' total length after
// the sound and the container, and the first pass where the encoder has two. False
// when a stop ended the first pass (every row is pending again), or when it showed
// that the encoder cannot bring the video down to the size (every row failed).
bool planForSize(AVConvert& job, int rows, MergeState& state, std::optional<sizing::PassLogFolder>& logs) {
    if (job.targetSizeBytes <= 0 || !job.encodeVideo || rows <= 0) return true;
    const double target = static_cast<double>(job.targetSizeBytes);
    std::string container;
    for (int row = 0; row < rows && row < static_cast<int>(job.outputPaths.size()) && container.empty(); ++row)
        container = job.outputPaths[row];
    const sizing::Overhead overhead = sizing::containerOverhead(container);
    const double first = sizing::videoBitRateFor(overhead, job.mergeTotalSeconds, job.audioBitRate, target);
    state.rate.bitRate = static_cast<int>(std::clamp(first, sizing::kLowestVideoBitRate, double(INT_MAX)));
    const char* encoder = codecmap::videoEncoderName(job.videoCodecId);
    if (!encoder || !sizing::supportsTwoPass(encoder)) return true;
    logs.emplace();
    if (!logs->ok()) return true;  // one pass at the estimated rate
    state.logs = &*logs;
    state.rate.pass = 1;
    const std::optional<sizing::PassResult> measured = runFirstPass(job, rows, state);
    pipeline::beginRun(job, rows);  // nothing of the first pass is a result
    if (StopSeen(job)) return false;
    if (!measured) {
        state.rate.pass = 0;  // the rows fail again and say why, or go through in one pass
        return true;
    }
    if (const std::string reason = sizing::firstPassBeyondReach(*measured, state.rate.bitRate); !reason.empty()) {
        for (int row = 0; row < rows; ++row) job.failRow(row, reason);
        job.currentFile.store(rows, std::memory_order_relaxed);
        return false;
    }
    double second = sizing::secondPassBitRate(overhead, *measured, target);
    if (sizing::statsByFileName(encoder)) second /= sizing::x264SecondPassOvershoot(*measured, state.rate.bitRate);
    state.rate.bitRate = static_cast<int>(std::clamp(second, sizing::kLowestVideoBitRate, double(INT_MAX)));
    state.rate.pass = 2;
    return true;
}

}  // namespace

void MergeWorker(AVConvert& job) {
    const int rows = std::min(job.fileCount, AVConvert::kMaxRows);
    pipeline::beginRun(job, rows);
    job.currentFile.store(0, std::memory_order_relaxed);
    std::optional<sizing::PassLogFolder> logs;  // read by the encoders until they close
    MergeState state;
    state.copy = copying::planMergeCopy(job, rows);
    if (!planForSize(job, rows, state, logs)) return;
    if (!mergeRows(job, rows, state)) return finalise(job, state);
    finalise(job, state);
    job.currentFile.store(rows, std::memory_order_relaxed);
}
