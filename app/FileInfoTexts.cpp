#include "app/FileInfoTexts.h"

#include "engine/AVConvert.h"

FileInfoTexts& CurrentFileInfoTexts() {
    static FileInfoTexts texts;
    return texts;
}

FileInfoTexts FileInfoFromProbe(const AVConvert& job, const QString& sourcePath,
                                const QString& endTimeText) {
    FileInfoTexts texts;
    texts.filePath = sourcePath;
    texts.mediaLength = endTimeText;
    const double rate = job.sourceRateDen != 0
                            ? static_cast<double>(job.sourceRateNum) / job.sourceRateDen
                            : 0.0;
    texts.frameRate = QString::asprintf("%5.2f", rate) + " fps";
    texts.width = QString::number(job.sourceWidth);
    texts.height = QString::number(job.sourceHeight);
    texts.videoCodec = QString::number(job.videoCodecId);
    texts.audioCodec = QString::number(job.audioCodecId);
    texts.videoBitRate = QString::number(job.videoBitRate);
    texts.channels = QString::number(job.audioChannels);
    texts.sampleRate = QString::number(job.audioSampleRate);
    texts.audioBitRate = QString::number(job.audioBitRate);
    texts.tracks.tracks = job.probeTracks;
    texts.tracks.automaticAudio = job.probeAudioTrack;
    texts.tracks.automaticSubtitle = job.probeSubtitleTrack;
    return texts;
}
