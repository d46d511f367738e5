#pragma once
// Shared by the transcode and merge tests: a job filled the way the front end fills
// it, and a run of a worker on its own thread until it reports the end.

#include "engine/AVConvert.h"
#include "engine/CodecMap.h"
#include "engine/PreviewSink.h"
#include "engine/WorkerThread.h"
#include "tests/support/MediaFixture.h"

#include <gtest/gtest.h>

extern "C" {
#include <libavutil/log.h>
}

#include <chrono>
#include <cmath>
#include <filesystem>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace pipelinetest {

// The encoders' statistics would bury the test report; errors still show.
inline const bool kQuietFfmpeg = (av_log_set_level(AV_LOG_ERROR), true);

// Output settings of a small PSP-like H.264/AAC mp4 (tiny picture to stay fast).
struct Settings {
    int videoCodecId = codecmap::kVideoH264;
    int audioCodecId = codecmap::kAudioAac;
    int width = 160;
    int height = 120;
    double frameRate = 25;
    int videoBitRate = 300000;
    int audioBitRate = 64000;
    int sampleRate = 44100;
    int channels = 2;
    bool encodeVideo = true;
    int thumbnailMode = 1;
    int parallelRows = 1;  // rows at once (0 = automatic); one keeps the rows in order
};

inline void fillJob(AVConvert& job, const std::vector<std::string>& sources, const std::vector<std::string>& outputs,
                    const Settings& s = {}) {
    job.fileCount = static_cast<int>(sources.size());
    job.resetRowStates();
    job.sourcePaths = sources;
    job.outputPaths = outputs;
    job.videoCodecId = s.videoCodecId;
    job.audioCodecId = s.audioCodecId;
    job.outputWidth = s.width;
    job.outputHeight = s.height;
    job.outputFrameRate = s.frameRate;
    job.videoBitRate = s.videoBitRate;
    job.audioBitRate = s.audioBitRate;
    job.audioSampleRate = s.sampleRate;
    job.audioChannels = s.channels;
    job.encodeVideo = s.encodeVideo;
    job.thumbnailMode = s.thumbnailMode;
    job.parallelRows = s.parallelRows;
    job.currentFile = -1;
    job.progressPercent = 0;
    job.stopRequested = false;
}

// Clip times as the front end sets them: begin, end, length = end - begin.
inline void setClip(AVConvert& job, int row, double begin, double end) {
    job.clipBegin[row] = begin;
    job.clipEnd[row] = end;
    job.clipLength[row] = end - begin;
}

// Runs the worker on a thread and waits for it (the worker ends its thread itself).
inline void runWorker(WorkerThread::Procedure worker, AVConvert& job) {
    WorkerThread thread;
    thread.start(worker, job);
    thread.join();
}

// Records what the worker shows.
class RecordingSink : public PreviewSink {
public:
    void rowBegins(int row) override {
        std::lock_guard lock(m_mutex);
        begun.push_back(row);
    }
    void picture(int row, const PreviewPicture& p) override {
        std::lock_guard lock(m_mutex);
        ++pictures;
        lastRow = row;
        sizeOk = sizeOk && p.y && p.u && p.v && p.yStride >= PreviewPicture::kWidth &&
                 p.uStride >= PreviewPicture::kWidth / 2 && p.vStride >= PreviewPicture::kWidth / 2;
        // Touch the last byte of each plane so ASan sees a short buffer.
        lastLuma = p.y[(PreviewPicture::kHeight - 1) * p.yStride + PreviewPicture::kWidth - 1];
        lastChroma = p.v[(PreviewPicture::kHeight / 2 - 1) * p.vStride + PreviewPicture::kWidth / 2 - 1];
    }
    void rowEnds(int row) override {
        std::lock_guard lock(m_mutex);
        ended.push_back(row);
    }
    std::vector<int> begun, ended;
    int pictures = 0;
    int lastRow = -1;
    bool sizeOk = true;
    int lastLuma = 0, lastChroma = 0;

private:
    std::mutex m_mutex;
};

// Runs an ffmpeg command line (arguments after "ffmpeg -nostdin -v error -y").
inline bool ffmpeg(const std::string& arguments) {
    return testmedia::runCommand("ffmpeg -nostdin -hide_banner -v error -y " + arguments) == 0;
}

// A black clip with a white flash and a beep at the same moments: sync marks.
inline bool makeSyncClip(const std::string& path, double seconds, double markAt, const std::string& rate = "25",
                         const std::string& size = "160x120") {
    const std::string from = std::to_string(markAt), to = std::to_string(markAt + 0.2);
    return ffmpeg("-f lavfi -i \"color=c=black:s=" + size + ":r=" + rate + ":d=" + std::to_string(seconds) +
                  ",drawbox=x=0:y=0:w=iw:h=ih:color=white:t=fill:enable='between(t," + from + "," + to +
                  ")'\" -f lavfi -i \"aevalsrc='if(between(t," + from + "," + to +
                  "),0.8*sin(2*PI*1000*t),0)':s=44100:d=" + std::to_string(seconds) +
                  "\" -c:v libx264 -preset ultrafast -c:a aac -shortest " + testmedia::shellQuote(path));
}

// (time, value) pairs of a per-frame measurement through ffprobe's lavfi input.
inline std::vector<std::pair<double, double>> measure(const std::string& graph, const std::string& tag) {
    std::string out;
    testmedia::runCommand("ffprobe -v error -f lavfi -i " + testmedia::shellQuote(graph) +
                              " -show_entries frame=pts_time:frame_tags=" + tag + " -of csv=p=0",
                          &out);
    std::vector<std::pair<double, double>> rows;
    std::size_t start = 0;
    while (start < out.size()) {
        std::size_t end = out.find('\n', start);
        if (end == std::string::npos) end = out.size();
        const std::string line = out.substr(start, end - start);
        start = end + 1;
        const std::size_t comma = line.find(',');
        if (comma == std::string::npos) continue;
        const std::string value = line.substr(comma + 1);
        rows.emplace_back(std::atof(line.c_str()), value.find("inf") != std::string::npos ? -1e9 : std::atof(value.c_str()));
    }
    return rows;
}

// Mean luma of every picture of a file, in presentation order.
inline std::vector<std::pair<double, double>> pictureLuma(const std::string& path) {
    return measure("movie=" + path + ",signalstats", "lavfi.signalstats.YAVG");
}

// Time of the first bright picture / first loud stretch of sound; -1 when none.
inline double firstFlash(const std::string& path) {
    for (const auto& [t, y] : pictureLuma(path))
        if (y > 128) return t;
    return -1;
}
inline double firstBeep(const std::string& path) {
    for (const auto& [t, rms] : measure("amovie=" + path + ",asetnsamples=n=256,astats=metadata=1:reset=1",
                                        "lavfi.astats.Overall.RMS_level"))
        if (rms > -30) return t;
    return -1;
}

inline double streamDuration(const std::string& path, const char* selector) {
    return testmedia::decodedDuration(path, selector);
}

}  // namespace pipelinetest
