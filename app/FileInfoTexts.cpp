#include "app/FileInfoTexts.h"

#include "engine/AVConvert.h"
#include "profiles/TimeText.h"

#include <algorithm>
#include <climits>
#include <cstdint>

FileInfoTexts& CurrentFileInfoTexts() {
    static FileInfoTexts texts;
    return texts;
}

namespace {

// The file's own length (not the task's clip) as "HH:MM:SS.f"; empty when the
// container does not know it.
QString lengthText(std::int64_t microseconds) {
    if (microseconds < 0) return QString();
    const std::int64_t tenths = microseconds / 100000;
    return QString::fromStdString(FormatTime(static_cast<int>(std::min<std::int64_t>(tenths / 10, INT_MAX)))) +
           QStringLiteral(".%1").arg(tenths % 10);
}

// The video stream's own figure; a container that states none for its streams
// (Matroska) still knows the whole file's, of which the sound takes its share.
std::int64_t videoBitRate(const AVConvert& job) {
    if (job.videoBitRate > 0) return job.videoBitRate;
    const std::int64_t rest = job.containerBitRate - std::max(job.audioBitRate, 0);
    return job.containerBitRate > 0 && rest > 0 ? rest : 0;
}

}  // namespace

FileInfoTexts FileInfoFromProbe(const AVConvert& job, const QString& sourcePath) {
    FileInfoTexts texts;
    texts.filePath = sourcePath;
    texts.mediaLength = lengthText(job.durationMicroseconds);
    const double rate = job.sourceRateDen != 0
                            ? static_cast<double>(job.sourceRateNum) / job.sourceRateDen
                            : 0.0;
    texts.frameRate = QString::asprintf("%5.2f", rate) + " fps";
    texts.width = QString::number(job.sourceWidth);
    texts.height = QString::number(job.sourceHeight);
    texts.videoCodec = QString::number(job.videoCodecId);
    texts.audioCodec = QString::number(job.audioCodecId);
    texts.videoBitRate = QString::number(videoBitRate(job));
    texts.channels = QString::number(job.audioChannels);
    texts.channelLayout = QString::fromStdString(job.audioChannelLayout);
    texts.sampleRate = QString::number(job.audioSampleRate);
    texts.audioBitRate = QString::number(job.audioBitRate);
    texts.tracks.tracks = job.probeTracks;
    texts.tracks.automaticAudio = job.probeAudioTrack;
    texts.tracks.automaticSubtitle = job.probeSubtitleTrack;
    return texts;
}
