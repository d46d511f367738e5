#include "cli/CliCommands.h"
#include "engine/FolderListing.h"
#include "cli/ProgressText.h"
#include "engine/AVConvert.h"
#include "engine/ProbeMedia.h"
#include "profiles/DeviceLimits.h"
#include "profiles/ProfileTable.h"

#include <cstring>
#include <memory>

#include <ostream>
#include <sstream>

namespace cli {

int RunProfiles(CliEnvironment& env) {
    const auto& profiles = Profiles();
    for (int i = 0; i < kProfileCount; ++i) {
        std::string index = std::to_string(i);
        if (index.size() < 2) index = " " + index;
        // The display texts start with a blank of their own.
        *env.out << index << ":" << profiles[i].displayText << "\n";
    }
    return kExitOk;
}

std::string RejectedFileMessage(const std::string& path, const std::string& reason) {
    return "korbanix-cli: " + EscapeName(path) + ": " + reason;
}

std::string UnreadableFolderMessage(const std::string& folder, int error) {
    return "korbanix-cli: " + EscapeName(folder) + ": " + std::strerror(error) + "; the files in it are left out";
}

int ProbeFileResult(const std::string& path, AVConvert& job, CliEnvironment& env) {
    job.probePath = path;
    return env.probe(job);
}

bool ProbeFile(const std::string& path, AVConvert& job, CliEnvironment& env) {
    const int result = ProbeFileResult(path, job, env);
    return ProbeAccepted(result, job);
}

const char* const kStillGrowingReason = "the file is still growing";

std::string RefusalReason(const std::string& path, int probeResult, const AVConvert& job) {
    // Entries that are no file are named by their kind: opening a socket or a
    // device would say so in words that mislead ("No such device or address").
    const RefusalCause cause = ClassifyRefusal(path, probeResult);
    switch (cause.kind) {
    case Refusal::kMissing:
    case Refusal::kUnreadable: return std::strerror(cause.error);  // the system's own words
    case Refusal::kFolder: return "a folder, not a media file";
    case Refusal::kNotPlainFile: return "not a plain file";
    case Refusal::kEmpty: return "an empty file, not a media file";
    case Refusal::kNoVideoDecoder: return "its video has no decoder here";
    case Refusal::kVideoDecoderWillNotOpen: return "its video decoder will not open";
    case Refusal::kPictureTooLarge:
        return "picture too large: " + std::to_string(job.sourceWidth) + "\u00d7" + std::to_string(job.sourceHeight);
    case Refusal::kStillGrowing: return kStillGrowingReason;
    case Refusal::kLengthUnknown: return "its length is unknown";
    case Refusal::kNotMedia: break;
    }
    return "not a media file";
}

std::string ProbeFieldLines(const AVConvert& job) {
    std::ostringstream lines;
    auto field = [&lines](const char* name, const auto& value) { lines << name << ": " << value << "\n"; };
    field("probeStartSeconds", job.probeStartSeconds);
    field("probeDurationSeconds", job.probeDurationSeconds);
    field("durationMicroseconds", job.durationMicroseconds);
    field("fileSize", job.fileSize);
    field("videoStreamIndex", job.videoStreamIndex);
    field("audioStreamIndex", job.audioStreamIndex);
    field("sourceWidth", job.sourceWidth);
    field("sourceHeight", job.sourceHeight);
    field("sourceRateNum", job.sourceRateNum);
    field("sourceRateDen", job.sourceRateDen);
    field("sourceFrameRate", job.sourceFrameRate);
    field("videoCodecId", job.videoCodecId);
    field("videoCodec", job.videoCodecName);
    field("videoBitRate", job.videoBitRate);
    field("audioCodecId", job.audioCodecId);
    field("audioCodec", job.audioCodecName);
    field("audioChannels", job.audioChannels);
    field("audioSampleRate", job.audioSampleRate);
    field("audioBitRate", job.audioBitRate);
    // Every sound and subtitle track, the ones a conversion takes marked.
    for (std::size_t i = 0; i < job.probeTracks.size(); ++i) {
        const tracks::Track& track = job.probeTracks[i];
        const int position = static_cast<int>(i);
        const bool used = position == job.probeAudioTrack || position == job.probeSubtitleTrack;
        lines << (track.kind == tracks::TrackKind::Audio ? "audioTrack " : "subtitleTrack ")
              << EscapeName(tracks::describe(track)) << (used ? " [used]" : "") << "\n";
    }
    return lines.str();
}

int RunProbe(const std::vector<std::string>& files, CliEnvironment& env, const SourcePreferences& sources) {
    int status = kExitOk;
    bool first = true;
    // One file: its fields, as it is read. `listed`: found in a folder given, where
    // what is no media is passed over without a word.
    auto probeOne = [&](const std::string& path, bool listed) {
        // A fresh job per file: the probe leaves the frame-rate fields of an audio-only
        // file as the previous file had them, which would print another file's values.
        auto job = std::make_unique<AVConvert>();
        ApplySourcePreferences(sources, *job);
        if (const int result = ProbeFileResult(path, *job, env); !ProbeAccepted(result, *job)) {
            if (listed) return true;
            *env.err << RejectedFileMessage(path, RefusalReason(path, result, *job)) << "\n";
            status = kExitFailed;
            return true;
        }
        if (!first) *env.out << "\n";
        first = false;
        *env.out << "probePath: " << EscapeName(path) << "\n" << ProbeFieldLines(*job) << ProfileCopyLines(path, *job) << std::flush;
        return true;
    };
    for (const auto& path : files) {
        if (!folders::IsFolder(path)) {
            probeOne(path, false);
            continue;
        }
        // Each file as it is found: the first fields come before the whole tree is read.
        folders::ListOptions options;
        options.unreadable = [&](const std::string& folder, int error) {
            *env.err << UnreadableFolderMessage(folder, error) << "\n";
            status = kExitFailed;
        };
        folders::ListMediaFiles(path, options, [&](folders::ListedFile&& file) { return probeOne(file.path, true); });
    }
    env.out->flush();
    return status;
}

}  // namespace cli
