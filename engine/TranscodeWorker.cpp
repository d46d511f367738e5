#include "engine/TranscodeWorker.h"

#include "engine/AVConvert.h"
#include "engine/DoneBefore.h"
#include "engine/ErrorText.h"
#include "engine/FrameRate.h"
#include "engine/RowBatch.h"
#include "engine/CodecMap.h"
#include "engine/RowPipeline.h"
#include "engine/TargetSize.h"
#include "engine/Thumbnail.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <cmath>
#include <filesystem>
#include <optional>

namespace {

// Sources whose pictures are stamped one tick apart instead of by the clocks.
bool stampedByOrder(const source::SourceFile& source) {
    return source.formatIs("rm") || source.formatIs("rmvb") || source.oddRate;
}

double fileBytes(const std::string& path) {
    std::error_code ec;
    const std::uintmax_t bytes = std::filesystem::file_size(path, ec);
    return ec ? 0.0 : static_cast<double>(bytes);
}

bool isStill(const source::SourceFile& source) {
    return video::isStillPicture(*source.input, source.videoIndex, source.audioIndex);
}

// Says what a row asked to keep its video actually keeps, and why not the rest.
void noteCopyPlan(AVConvert& job, int row, const copying::CopyPlan& plan) {
    if (!job.copyCompatible || !job.copyDevice) return;
    if (!plan.video) {
        if (!plan.videoReason.empty()) job.noteRow(row, "video converted: " + plan.videoReason);
        return;
    }
    job.noteRow(row, "video kept as it is");
    if (!plan.soundReason.empty()) job.noteRow(row, "sound converted: " + plan.soundReason);
    else if (plan.sound) job.noteRow(row, "sound kept as it is");
}

// Opens the row's source and records its facts. "" or why the row fails.
std::string openRowSource(AVConvert& job, int row, source::SourceFile& source) {
    // Rows running at once open their sources side by side; only the source facts
    // they record in the shared job wait for each other.
    const source::OpenResult opened = source::openWithoutFacts(job.sourcePaths[row], job, source, row);
    {
        std::lock_guard lock(job.rowMutex);
        job.videoStreamIndex = job.audioStreamIndex = -1;
        if (opened == source::OpenResult::Opened) source::recordFacts(source, job);
    }
    return opened == source::OpenResult::Opened ? std::string() : source.failure;
}

// Steps up to the output streams and their encoders. "" or why the row fails.
std::string setUpStreams(AVConvert& job, int row, source::SourceFile& source, pipeline::Outputs& out,
                         const video::RateSetup& rate) {
    if (!out.file.create(job.outputPaths[row]))
        return out.file.failureReason().empty() ? "No container matches the output's name" : out.file.failureReason();
    if (!source.audioDecoder && !(job.encodeVideo && source.videoDecoder))
        return isStill(source) ? "A picture has no sound: convert it with a video profile"
                               : "The source has no sound to convert";
    const copying::CopyPlan plan = copying::planCopy(job, source, out.file.formatName(), job.clipBegin[row] > 0);
    if (rate.pass != 1) noteCopyPlan(job, row, plan);  // said once, by the pass that writes
    if (plan.video) {
        if (!copying::addCopiedStream(*source.videoStream(), out.file, out.videoCopy))
            return "The output does not take the source's video as it is";
        source::decodeVideoOnOneThread(source);
    } else if (job.encodeVideo && source.videoDecoder) {
        const AVRational timeBase =
            framerate::transcodeTimeBase(job.outputFrameRate, source.videoRate, out.file.formatIs("rm"));
        if (!pipeline::addVideoStream(job, source, out, timeBase, isStill(source), rate))
            return CodecFailure("The video encoder does not accept these settings",
                "the video encoder", LastCodecOpenError());
    } else if (job.encodeVideo && source.audioDecoder) {
        // Sound alone to a video profile: a device plays a video, so the sound gets
        // its cover (or a black frame) as the picture for its whole length.
        const AVRational timeBase =
            framerate::transcodeTimeBase(job.outputFrameRate, AVRational{25, 1}, out.file.formatIs("rm"));
        if (!pipeline::addVideoStreamForSound(job, source, out, timeBase, true, rate))
            return CodecFailure("The video encoder does not accept these settings",
                "the video encoder", LastCodecOpenError());
    }
    if (plan.sound) {
        if (!copying::addCopiedStream(*source.audioStream(), out.file, out.audioCopy))
            return "The output does not take the source's sound as it is";
    } else if (source.audioDecoder && !pipeline::addAudioStream(job, source, out))
        return CodecFailure("The audio encoder does not accept these settings",
            "the audio encoder", LastCodecOpenError());
    pipeline::copySourceTags(source, out);
    // Music keeps its cover where the output holds one (an MP3's picture frame).
    if (!out.video)
        if (const AVStream* cover = video::coverStream(*source.input)) out.cover = out.file.addCover(*cover);
    return std::string();
}

// The names of one run: the free names it takes and the earlier outputs it finds.
struct RunNames {
    output::FreeNames free;
    done::EarlierOutputs earlier;
};

// The free name (with a free ".THM" beside it when the row will write one), the
// thumbnail name that follows it, and the header.
bool openOutput(AVConvert& job, int row, const source::SourceFile& source, pipeline::Outputs& out,
                RunNames& names) {
    // Sound alone gets a picture too: its cover's thumbnail.
    const bool thumbnail = pipeline::writesThumbnail(job, source) || (job.thumbnailMode == 1 && out.video);
    std::optional<output::Reservation> name;
    // An output kept in its source's folder below the output folder: the folders
    // are made as rows need them (a failure shows as the name's own error). The
    // output folder itself is never made: a missing one fails the row.
    std::error_code ignored;
    const std::filesystem::path parent = std::filesystem::path(job.outputPaths[row]).parent_path();
    std::filesystem::path root = std::filesystem::path(job.outputFolder).lexically_normal();
    if (!root.has_filename() && root.has_relative_path()) root = root.parent_path();  // "/out/" is "/out"
    const std::filesystem::path below = parent.lexically_normal().lexically_relative(root);
    if (!job.outputFolder.empty() && !below.empty() && below != "." && *below.begin() != ".." &&
        std::filesystem::is_directory(root, ignored))
        std::filesystem::create_directories(parent, ignored);
    {
        // The name is reserved by an exclusive create; the lock keeps nameCounter and
        // the run's name memory whole while rows running at once look for free names,
        // and the turn gives the names out in row order.
        std::unique_lock lock(job.rowMutex);
        batch::WaitForNameTurn(job, row, lock);
        name.emplace(names.free.choose(job.outputPaths[row], job.nameCounter, true, thumbnail));
        // What this run writes is no earlier run's output for a later row of the name.
        names.earlier.exclude(name->path());
        batch::PassNameTurn(job, row);
    }
    job.outputPaths[row] = name->path();
    if (job.thumbnailMode == 1) job.thumbnailPaths[row] = ThumbnailPathFor(name->path());
    if (!out.file.open(std::move(*name))) return false;
    // A later run with skipDone gives this output to this source only.
    done::MarkOutput(out.file.descriptor(), done::SourceMark(job.sourcePaths[row]));
    return true;
}

// A row that failed after its output was opened leaves a truncated file that no
// player reads. It is ours (its name was reserved for this row), so it goes, with
// the thumbnail this row wrote: a full disk gets its space back for the next row,
// and the folder never shows a broken file beside the good ones.
// When the output could not be reached by its name any more (its volume went away),
// the row's reason says what may remain there.
void discardOutput(AVConvert& job, int row, pipeline::Outputs& out, const pipeline::RowRunner& runner) {
    const output::OutputFile::Leftover leftover = out.file.discard();
    std::error_code ec;
    const bool thumbnailGone = !runner.thumbnailWritten() || std::filesystem::remove(job.thumbnailPaths[row], ec);
    if (job.fileState[row].load(std::memory_order_relaxed) != kRowFailed) return;
    job.addToFailureReason(row, out.file.leftoverNote(leftover));
    if (!thumbnailGone) job.addToFailureReason(row, "; its thumbnail may remain as " + job.thumbnailPaths[row]);
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
    rules.pictureForSound = out.video && !source.videoDecoder;
    if (isStill(source)) {
        // One picture shown for the clip's length (the probe gave it the still
        // length), or for the still length when no clip was set.
        rules.stillPicture = true;
        rules.clipBegin = 0;
        rules.clipLength = job.clipLength[row] > 0 ? job.clipLength[row] : job.stillPictureSeconds;
        rules.progressSeconds = rules.clipLength;
    }
    return rules;
}

// What this row's pictures take in memory, from its opened source.
batch::RowShape shapeOf(const AVConvert& job, const source::SourceFile& source, const pipeline::Outputs& out) {
    batch::RowShape shape;
    const AVCodecContext* decoder = source.videoDecoder.get();
    shape.video = out.video && decoder;
    if (!shape.video) return shape;
    shape.sourceWidth = decoder->width;
    shape.sourceHeight = decoder->height;
    shape.sourceFormat = decoder->pix_fmt;
    shape.decoderThreads = decoder->thread_count > 0 ? decoder->thread_count : 1;
    shape.toneMapped = colour::isHighDynamicRange(decoder->color_trc);
    shape.outputWidth = job.outputWidth;
    shape.outputHeight = job.outputHeight;
    return shape;
}

// The length the row's output will have: its clip (never past the source's end),
// or to the end of the source; a still picture's clip or still length.
double outputSeconds(const AVConvert& job, int row, const source::SourceFile& source) {
    if (isStill(source)) return job.clipLength[row] > 0 ? job.clipLength[row] : job.stillPictureSeconds;
    const std::int64_t duration = source.input->duration;
    const double rest =
        duration > 0 && duration != AV_NOPTS_VALUE ? duration / 1e6 - std::max(job.clipBegin[row], 0.0) : 0.0;
    const bool clipped = job.clipLength[row] > 0 && !pipeline::endIsUntrimmed(source, job.clipEnd[row]);
    if (rest <= 0) return job.clipLength[row];
    return clipped ? std::min(job.clipLength[row], rest) : rest;
}

int encoderCodec(const char* name) {
    const AVCodec* encoder = name ? avcodec_find_encoder_by_name(name) : nullptr;
    return encoder ? encoder->id : AV_CODEC_ID_NONE;
}

// What the row's output is when an earlier run completed it: its source, length,
// and the streams the row's settings make, or keep when they may copy.
done::Wanted wantedOutput(const AVConvert& job, int row, const source::SourceFile& source) {
    done::Wanted wanted;
    wanted.seconds = outputSeconds(job, row, source);
    wanted.sourceMark = done::SourceMark(job.sourcePaths[row]);
    if (job.encodeVideo && (source.videoDecoder || source.audioDecoder)) {
        wanted.video.push_back({encoderCodec(codecmap::videoEncoderName(job.videoCodecId)), job.outputWidth, job.outputHeight});
        if (job.copyCompatible && source.videoDecoder) {
            const AVCodecParameters& kept = *source.videoStream()->codecpar;
            wanted.video.push_back({kept.codec_id, kept.width, kept.height});
        }
    }
    if (source.audioDecoder) {
        wanted.audio.push_back(encoderCodec(codecmap::audioEncoderName(job.audioCodecId)));
        if (job.copyCompatible) wanted.audio.push_back(source.audioStream()->codecpar->codec_id);
    }
    return wanted;
}

// With skipDone: an earlier run's complete output for the row, taken in the
// name turn so rows of one name find their outputs in row order. True when
// found: the row is done and keeps its code kRowDoneBefore.
bool foundDoneBefore(AVConvert& job, int row, const source::SourceFile& source, done::EarlierOutputs& earlier) {
    const done::Wanted wanted = wantedOutput(job, row, source);
    std::unique_lock lock(job.rowMutex);
    batch::WaitForNameTurn(job, row, lock);
    const std::optional<std::string> found = earlier.claim(job.outputPaths[row], wanted);
    if (!found) return false;  // the turn stays: the row names its new output next
    batch::PassNameTurn(job, row);
    output::RemoveLeftPartial(*found);
    job.outputPaths[row] = *found;
    if (job.thumbnailMode == 1) job.thumbnailPaths[row] = ThumbnailPathFor(*found);
    job.publishProgress(row, 100);
    job.fileState[row].store(kRowDoneBefore, std::memory_order_release);
    return true;
}

// With skipDone: an earlier run's complete output may be the row's (one that no
// row has claimed), without waiting for the row's name turn.
bool mayBeDoneBefore(AVConvert& job, int row, const source::SourceFile& source, const done::EarlierOutputs& earlier) {
    const done::Wanted wanted = wantedOutput(job, row, source);
    std::lock_guard lock(job.rowMutex);
    return earlier.find(job.outputPaths[row], wanted).has_value();
}

struct FirstPass {
    sizing::PassResult result;
    std::string failure;  // "" when the pass went through
};

// The first pass: the whole row through the same steps, the video encoder writing
// its statistics, into an output whose bytes are only counted.
FirstPass runFirstPass(AVConvert& job, int row, int bitRate, const std::string& statsPath) {
    FirstPass pass;
    source::SourceFile source;
    if (source::openWithoutFacts(job.sourcePaths[row], job, source, row) != source::OpenResult::Opened) {
        pass.failure = source.failure;
        return pass;
    }
    sizing::PassLog log(statsPath);
    const bool ownStats = sizing::statsByFileName(codecmap::videoEncoderName(job.videoCodecId));
    pipeline::Outputs out;  // after the log: its encoder's thread writes into it
    pass.failure = setUpStreams(job, row, source, out, {bitRate, 1, statsPath, ownStats ? nullptr : &log});
    if (!pass.failure.empty()) return pass;
    if (!out.file.openDiscarding() || !out.video) {
        pass.failure = out.file.failureReason().empty() ? "Cannot encode the output" : out.file.failureReason();
        return pass;
    }
    const batch::MemoryTicket memory = batch::ReserveRowMemory(job, batch::RowMemoryNeed(shapeOf(job, source, out)));
    pipeline::RowRules rules = rulesFor(job, row, source, out);
    rules.firstPass = true;
    rules.progressSpan = sizing::kFirstPassPercent;
    if (job.clipBegin[row] != 0 && !rules.stillPicture) source::seekTo(source, job.clipBegin[row]);
    pipeline::RowRunner runner(job, row, source, out, rules);
    if (!runner.prepare()) {
        pass.failure = "Not enough memory for the picture buffers";
        return pass;
    }
    if (runner.run() == pipeline::RowEnd::Stopped || AVConvert::abortNow.load(std::memory_order_relaxed)) {
        pass.failure = pipeline::kAbortedReason;  // a stop: the row stays pending, nothing was written
        return pass;
    }
    runner.finishStreams(true);
    if (runner.writeFailed() || !out.file.finish()) pass.failure = runner.writeFailureReason();
    else if (runner.videoMissing()) pass.failure = "Not one picture of the video could be decoded and converted";
    else if (!log.close()) pass.failure = "Cannot keep the statistics of the first pass";
    pass.result.seconds = out.video->clock();
    pass.result.videoBytes = static_cast<double>(out.file.payloadBytes(out.video->stream));
    pass.result.audioBytes = out.audio ? static_cast<double>(out.file.payloadBytes(out.audio->stream)) : 0.0;
    pass.result.totalBytes = static_cast<double>(out.file.bytesWritten());
    return pass;
}

// How the row's video is encoded when the output must fit a size: the bit rate for
// its length after the sound and the container, and, where the encoder can, a
// first pass whose statistics the second reads. "" or why the row fails.
std::string planForSize(AVConvert& job, int row, const source::SourceFile& source, video::RateSetup& rate,
                        std::optional<sizing::PassLogFolder>& logs) {
    if (job.targetSizeBytes <= 0 || !job.encodeVideo || (!source.videoDecoder && !source.audioDecoder)) return {};
    const double target = static_cast<double>(job.targetSizeBytes);
    const sizing::Overhead overhead = sizing::containerOverhead(job.outputPaths[row]);
    const double seconds = outputSeconds(job, row, source);
    const double first = sizing::videoBitRateFor(overhead, seconds, source.audioDecoder ? job.audioBitRate : 0, target);
    if (first < sizing::kLowestVideoBitRate) return "The target size leaves no room for the video of this file";
    rate.bitRate = static_cast<int>(std::min(first, double(INT_MAX)));
    const char* encoder = codecmap::videoEncoderName(job.videoCodecId);
    if (!encoder || !sizing::supportsTwoPass(encoder)) return {};
    logs.emplace();
    if (!logs->ok()) return "Cannot make a private folder for the first pass's statistics";
    const std::string statsPath = logs->logFor(row);
    const FirstPass pass = runFirstPass(job, row, rate.bitRate, statsPath);
    if (!pass.failure.empty()) return pass.failure;
    if (std::string reason = sizing::firstPassBeyondReach(pass.result, rate.bitRate); !reason.empty()) return reason;
    double second = sizing::secondPassBitRate(overhead, pass.result, target);
    if (sizing::statsByFileName(encoder)) second /= sizing::x264SecondPassOvershoot(pass.result, rate.bitRate);
    if (second < sizing::kLowestVideoBitRate) return "The target size leaves no room for the video of this file";
    rate = video::RateSetup{static_cast<int>(std::min(second, double(INT_MAX))), 2, statsPath, nullptr};
    return {};
}

void convertRow(AVConvert& job, int row, RunNames& runNames) {
    std::optional<batch::MemoryTicket> memory;  // given back after everything below is released
    source::SourceFile source;
    std::optional<sizing::PassLogFolder> logs;  // the encoder reads from it until it closes
    pipeline::Outputs out;
    video::RateSetup rate;
    if (const std::string reason = openRowSource(job, row, source); !reason.empty())
        return pipeline::setUpFailed(job, row, reason);
    // An earlier run's output spares the row the rest, a first pass included. The
    // claim takes the row's name turn and, when nothing is found, keeps it until the
    // output is named; before a first pass it is made only when an earlier output
    // may be the row's, so rows running at once do not wait through that pass.
    bool doneChecked = false;
    if (job.skipDone && (job.targetSizeBytes <= 0 || mayBeDoneBefore(job, row, source, runNames.earlier))) {
        if (foundDoneBefore(job, row, source, runNames.earlier)) return;
        doneChecked = true;
    }
    if (const std::string reason = planForSize(job, row, source, rate, logs); !reason.empty())
        return pipeline::setUpFailed(job, row, reason);
    if (const std::string reason = setUpStreams(job, row, source, out, rate); !reason.empty())
        return pipeline::setUpFailed(job, row, reason);
    if (job.skipDone && !doneChecked && foundDoneBefore(job, row, source, runNames.earlier)) return;
    if (!openOutput(job, row, source, out, runNames)) return pipeline::setUpFailed(job, row, out.file.failureReason());
    memory.emplace(batch::ReserveRowMemory(job, batch::RowMemoryNeed(shapeOf(job, source, out))));
    // The MP3 muxer holds the sound back until the picture has come.
    if (out.cover && out.file.writeCover(*video::coverStream(*source.input), out.cover) < 0) {
        job.failRow(row, out.file.failureReason());
        out.file.discard();
        return;
    }
    pipeline::RowRules rules = rulesFor(job, row, source, out);
    if (rate.pass == 2) {
        rules.progressFrom = sizing::kFirstPassPercent;
        rules.progressSpan = 100 - sizing::kFirstPassPercent;
    }
    if (job.clipBegin[row] != 0) {
        if (!rules.stillPicture) source::seekTo(source, job.clipBegin[row] + copying::keyFrameSlack(source, out));
        job.clipBegin[row] = 0;
    }
    pipeline::RowRunner runner(job, row, source, out, rules);
    if (!runner.prepare()) {
        job.failRow(row, "Not enough memory for the picture buffers");
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
    if (end != pipeline::RowEnd::Stopped && job.targetSizeBytes > 0 && out.video)
        job.noteRow(row, sizing::missedSizeNote(fileBytes(job.outputPaths[row]), double(job.targetSizeBytes)));
    // A stop keeps the shorter output (it may be wanted) and says the row was stopped.
    job.fileState[row].store(end == pipeline::RowEnd::Stopped ? kRowStopped : kRowCompleted,
                             std::memory_order_release);
}

// One row as a worker slot runs it: a row the job's tables do not cover fails.
void runRow(AVConvert& job, int row, RunNames& names) {
    if (row >= static_cast<int>(job.sourcePaths.size()) || row >= static_cast<int>(job.outputPaths.size()))
        return job.failRow(row, "No source file");
    if (row < static_cast<int>(job.refusedRows.size()) && !job.refusedRows[row].empty())
        return job.failRow(row, job.refusedRows[row]);
    convertRow(job, row, names);
}

}  // namespace

void TranscodeWorker(AVConvert& job) {
    const int rows = std::max(0, std::min(job.fileCount, AVConvert::kMaxRows));
    pipeline::beginRun(job, rows);
    int toConvert = 0;
    for (int row = 0; row < rows && row < static_cast<int>(job.sourcePaths.size()); ++row)
        toConvert += !job.sourcePaths[row].empty();
    RunNames names;  // this run's names, so a name is searched for once; under rowMutex
    batch::Run(job, rows, batch::MakePlan(job, toConvert, batch::ThisMachine()),
               [&names](AVConvert& j, int row) { runRow(j, row, names); });
}
