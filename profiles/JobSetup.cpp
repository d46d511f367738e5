#include "profiles/JobSetup.h"
#include "profiles/TargetSizeRules.h"

#include "engine/AVConvert.h"
#include "engine/CodecMap.h"
#include "engine/FrameRate.h"
#include "profiles/DeviceLimits.h"
#include "profiles/OutputSettings.h"
#include "profiles/TimeText.h"

#include <algorithm>
#include <array>
#include <climits>
#include <utility>

namespace {

struct FrameRateRow {
    std::string_view text;
    double rate;
};

// The only frame-rate texts a conversion understands.
constexpr std::array<FrameRateRow, 12> kFrameRates = {{
    {"10.0 fps", 10.0},
    {"12.0 fps", 12.0},
    {"14.985 fps", 14.985},
    {"15.0 fps", 15.0},
    {"20.0 fps", 20.0},
    {"23.975 fps", 23.975},
    {"24.0 fps", 24.0},
    {"25.0 fps", 25.0},
    {"29.97 fps", 29.97},
    {"30.0 fps", 30.0},
    {"50.0 fps", 50.0},
    {"60.0 fps", 60.0},
}};

struct EncoderRow {
    std::string_view name;
    int legacyId;
};

constexpr std::array<EncoderRow, 13> kVideoEncoders = {{
    {"MPEG4", codecmap::kVideoMpeg4},
    {"H.264", codecmap::kVideoH264},
    {"H.263", codecmap::kVideoH263},
    {"DivX", codecmap::kVideoMsmpeg4v3},
    {"FLV", codecmap::kVideoFlv1},
    {"WMV1", codecmap::kVideoWmv1},
    {"WMV2", codecmap::kVideoWmv2},
    {"MPEG1VIDEO", codecmap::kVideoMpeg1},
    {"MPEG2VIDEO", codecmap::kVideoMpeg2},
    {"DVVIDEO", codecmap::kVideoDv},
    {"RV20", codecmap::kVideoRv20},
    {"M-JPEG", codecmap::kVideoMjpeg},
    {"XVID", codecmap::kVideoXvid},
}};

constexpr std::array<EncoderRow, 16> kAudioEncoders = {{
    {"AAC", codecmap::kAudioAac},
    {"AC3", codecmap::kAudioAc3},
    {"AMR_NB", codecmap::kAudioAmrNb},
    {"MP3", codecmap::kAudioMp3},
    {"MP2", codecmap::kAudioMp2},
    {"WMA7", codecmap::kAudioWmav1},
    {"WMA8", codecmap::kAudioWmav2},
    {"VORBIS", codecmap::kAudioVorbis},
    {"FLAC", codecmap::kAudioFlac},
    {"PCM_S16LE", codecmap::kAudioPcmS16le},
    {"PCM_S16BE", codecmap::kAudioPcmS16be},
    {"PCM_S8", codecmap::kAudioPcmS8},
    {"PCM_U8", codecmap::kAudioPcmU8},
    {"PCM_MULAW", codecmap::kAudioPcmMulaw},
    {"PCM_ALAW", codecmap::kAudioPcmAlaw},
    {"APE", codecmap::kAudioApe},
}};

// Names are compared exactly: "h.264" is not an encoder name.
template <std::size_t N>
std::optional<int> findEncoder(const std::array<EncoderRow, N>& table, std::string_view name) {
    for (const auto& row : table)
        if (row.name == name) return row.legacyId;
    return std::nullopt;
}

std::string fileNameOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The name up to its last ".". A name without one (or whose only dot starts it, as
// in ".clip") has no extension to cut and is kept whole.
std::string stemOf(const std::string& fileName) {
    const std::size_t dot = fileName.find_last_of('.');
    if (dot == std::string::npos || dot == 0) return fileName;
    return fileName.substr(0, dot);
}

// Whole seconds of a running total; a total beyond an int (only absurd clip texts
// get there) stops at the largest value instead of overflowing.
int wholeSeconds(double seconds) {
    return static_cast<int>(std::clamp(seconds, static_cast<double>(INT_MIN), static_cast<double>(INT_MAX)));
}

void fillRowPaths(AVConvert& job, int row, const TaskRow& task, const std::string& folder,
                  const std::string& extension, JobKind kind) {
    job.sourcePaths[row] = task.sourcePath;
    // A merge writes one file: the tree of its parts has no place for it.
    const bool keepTree = !task.subfolder.empty() && kind == JobKind::Convert;
    const bool hasSeparator = !folder.empty() && folder.back() == '/';
    const std::string rowFolder = keepTree ? folder + (hasSeparator ? "" : "/") + task.subfolder : folder;
    job.outputPaths[row] = OutputPathFor(rowFolder, task.sourcePath, extension);
}

}  // namespace

std::string ExtensionFromProfile(std::string_view profileText) {
    const std::size_t star = profileText.find_last_of('*');
    const std::string_view afterStar = star == std::string_view::npos ? profileText : profileText.substr(star + 1);
    const std::size_t close = afterStar.find(')');
    if (close == std::string_view::npos) return std::string(profileText);
    return std::string(afterStar.substr(0, close));
}

std::optional<double> FrameRateFromText(std::string_view text) {
    for (const auto& row : kFrameRates)
        if (row.text == text) return row.rate;
    return std::nullopt;
}

std::optional<int> VideoCodecIdFromName(std::string_view name) { return findEncoder(kVideoEncoders, name); }

std::optional<int> AudioCodecIdFromName(std::string_view name) { return findEncoder(kAudioEncoders, name); }

std::string OutputPathFor(const std::string& folder, const std::string& sourcePath, const std::string& extension) {
    // A folder typed with a trailing "/" must not give "//" in every output name.
    const bool hasSeparator = !folder.empty() && folder.back() == '/';
    return folder + (hasSeparator ? "" : "/") + stemOf(fileNameOf(sourcePath)) + extension;
}

int H264LevelCapFor(int profileCode) {
    struct LevelRow {
        int profileCode;
        int level;
    };
    static constexpr LevelRow kLevels[] = {
        {91200, 41}, {91203, 41}, {91300, 30}, {91301, 30}, {91302, 21},
    };
    for (const auto& row : kLevels)
        if (row.profileCode == profileCode) return row.level;
    return 0;
}

void ApplySettingsToJob(const OutputSettings& settings, AVConvert& job) {
    job.encodeVideo = !settings.audioOnly;
    job.thumbnailMode = settings.makeThumbnail ? 1 : -1;
    job.videoBitRate = settings.videoBitRate;
    job.outputWidth = settings.width;
    job.outputHeight = settings.height;
    if (auto rate = FrameRateFromText(settings.frameRateText)) job.outputFrameRate = *rate;
    job.audioBitRate = settings.audioBitRate;
    job.audioChannels = settings.channels;
    job.audioSampleRate = settings.sampleRate;
    if (auto id = VideoCodecIdFromName(settings.videoEncoder)) job.videoCodecId = *id;
    if (auto id = AudioCodecIdFromName(settings.audioEncoder)) job.audioCodecId = *id;
    job.targetSizeBytes = settings.audioOnly ? 0 : settings.targetSizeBytes;
    job.h264LevelCap = job.videoCodecId == codecmap::kVideoH264 ? H264LevelCapFor(settings.profileCode) : 0;
    job.copyCompatible = settings.copyCompatible;
    job.copyDevice = DeviceLimitsFor(settings.profileCode);
    job.exactCut = settings.exactCut;
    if (job.h264LevelCap > 0 && job.outputFrameRate > 0) {
        const double rate =
            framerate::rateWithinH264Level(job.h264LevelCap, job.outputWidth, job.outputHeight, job.outputFrameRate);
        if (rate > 0) job.outputFrameRate = rate;
    }
}

void FillJob(AVConvert& job, const std::vector<TaskRow>& rows, const OutputSettings& settings,
             const std::string& folder, const std::string& extension, JobKind kind) {
    // The per-row tables hold kMaxRows rows; the front ends refuse longer lists.
    const int rowCount = static_cast<int>(std::min<std::size_t>(rows.size(), AVConvert::kMaxRows));
    job.fileCount = rowCount;
    job.checkedCount = 0;
    job.sourcePaths.assign(static_cast<std::size_t>(rowCount), std::string());
    job.outputPaths.assign(static_cast<std::size_t>(rowCount), std::string());
    job.audioTracks.assign(static_cast<std::size_t>(rowCount), std::string());
    job.subtitleTracks.assign(static_cast<std::size_t>(rowCount), std::string());
    job.outputFolder = folder;
    job.resetRowStates();
    job.progressPercent.store(-1, std::memory_order_relaxed);
    if (kind == JobKind::Merge) job.mergeTotalSeconds = 0;

    for (int row = 0; row < rowCount; ++row) {
        const TaskRow& task = rows[static_cast<std::size_t>(row)];
        if (!task.checked) continue;
        ++job.checkedCount;
        fillRowPaths(job, row, task, folder, extension, kind);
        job.audioTracks[static_cast<std::size_t>(row)] = task.audioTrack;
        job.subtitleTracks[static_cast<std::size_t>(row)] = task.subtitles;
        job.clipBegin[row] = ParseTimeSeconds(task.startText);
        job.clipEnd[row] = ParseTimeSeconds(task.endText);
        if (kind == JobKind::Convert) {
            job.clipLength[row] = job.clipEnd[row] - job.clipBegin[row];
        } else {
            job.mergeTotalSeconds = wholeSeconds(job.clipEnd[row] - job.clipBegin[row] + job.mergeTotalSeconds);
        }
    }
    ApplySettingsToJob(settings, job);
    job.refusedRows.clear();
    if (kind == JobKind::Convert) {
        job.refusedRows = TargetSizeRowRefusals(rows, settings, extension);
        job.refusedRows.resize(static_cast<std::size_t>(rowCount));
    }

    job.currentFile.store(-1, std::memory_order_relaxed);
    job.stopRequested.store(false, std::memory_order_relaxed);
    job.progressPercent.store(0, std::memory_order_relaxed);
}
