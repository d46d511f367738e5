// A Convert job at the job's capacity: 9,999 rows, most unchecked, the checked
// ones tiny generated files. Reports the resident memory early in the run and at
// the end, and fails when the run does not reach the end, a checked row fails, or
// memory keeps growing with the rows (more than the allowed margin).
//   korbanix_bench_scale_job <work folder> [checked-every=100] [growth-limit-MB=48]
#include "engine/AVConvert.h"
#include "engine/CodecMap.h"
#include "engine/TranscodeWorker.h"
#include "engine/WorkerThread.h"

extern "C" {
#include <libavutil/log.h>
}

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include <unistd.h>

namespace {

long residentKilobytes() {
    std::ifstream statm("/proc/self/statm");
    long size = 0, resident = 0;
    statm >> size >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

bool makeSource(const std::string& path, bool video) {
    std::string command = "ffmpeg -nostdin -v error -y ";
    if (video) command += "-f lavfi -i testsrc2=s=64x48:r=25:d=0.3 ";
    command += "-f lavfi -i sine=sample_rate=22050:d=0.3 -shortest '" + path + "'";
    return std::system(command.c_str()) == 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <work folder> [checked-every] [growth-limit-MB]\n", argv[0]);
        return 2;
    }
    av_log_set_level(AV_LOG_ERROR);  // hundreds of encoder banners would bury the figures
    const std::filesystem::path work(argv[1]);
    const int every = argc > 2 ? std::max(1, std::atoi(argv[2])) : 100;
    const long limitKb = (argc > 3 ? std::atol(argv[3]) : 48) * 1024;
    const std::filesystem::path out = work / "out";
    std::filesystem::create_directories(out);
    const std::vector<std::string> sources{(work / "a.mp4").string(), (work / "b.avi").string(),
                                           (work / "c.mkv").string(), (work / "d.mp3").string()};
    for (std::size_t i = 0; i < sources.size(); ++i)
        if (!makeSource(sources[i], i < 3)) return 1;

    AVConvert job;
    job.fileCount = AVConvert::kMaxRows;
    job.resetRowStates();
    int checked = 0;
    for (int row = 0; row < job.fileCount; ++row) {
        const bool isChecked = row % every == 0;
        job.sourcePaths[row] = isChecked ? sources[std::size_t(checked++) % sources.size()] : "";
        job.outputPaths[row] = (out / ("row" + std::to_string(row) + ".mp4")).string();
        job.clipBegin[row] = 0;
        job.clipEnd[row] = job.clipLength[row] = 0.3;
    }
    job.videoCodecId = codecmap::kVideoH264;
    job.audioCodecId = codecmap::kAudioAac;
    job.outputWidth = 160;
    job.outputHeight = 120;
    job.outputFrameRate = 25;
    job.videoBitRate = 300000;
    job.audioBitRate = 64000;
    job.audioSampleRate = 44100;
    job.audioChannels = 2;
    job.thumbnailMode = 1;

    const auto start = std::chrono::steady_clock::now();
    WorkerThread worker;
    worker.start(TranscodeWorker, job);
    long early = 0, peak = 0;
    while (job.currentFile.load(std::memory_order_relaxed) < job.fileCount) {
        const long now = residentKilobytes();
        peak = std::max(peak, now);
        // "Early" = after the first tenth of the rows, when every encoder has been used once.
        if (!early && job.currentFile.load(std::memory_order_relaxed) >= job.fileCount / 10) early = now;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    worker.join();
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const long end = residentKilobytes();
    if (!early) early = end;

    int completed = 0, failed = 0, wrong = 0;
    for (int row = 0; row < job.fileCount; ++row) {
        const int state = job.fileState[row].load();
        const bool isChecked = !job.sourcePaths[row].empty();
        if (state == kRowCompleted) ++completed;
        else if (state == kRowFailed) ++failed;
        if ((isChecked && state != kRowCompleted) || (!isChecked && state != kRowFailed)) ++wrong;
    }
    std::printf("rows %d, checked %d, completed %d, failed (unchecked) %d, wrong %d\n", job.fileCount, checked,
                completed, failed, wrong);
    std::printf("time %.1f s; resident memory: after 10%% %ld KiB, peak %ld KiB, end %ld KiB, growth %ld KiB\n",
                seconds, early, peak, end, peak - early);
    if (job.currentFile.load() != job.fileCount || wrong) return 1;
    if (peak - early > limitKb) {
        std::printf("memory grows with the rows (limit %ld KiB)\n", limitKb);
        return 1;
    }
    return 0;
}
