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
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/log.h>
}

#include <algorithm>
#include <array>
#include <chrono>
#include <cstring>
#include <cstdio>
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
                         const std::string& size = "160x120", const std::string& audioCodec = "aac",
                         const std::string& videoCodec = "libx264 -preset ultrafast") {
    const std::string from = std::to_string(markAt), to = std::to_string(markAt + 0.2);
    return ffmpeg("-f lavfi -i \"color=c=black:s=" + size + ":r=" + rate + ":d=" + std::to_string(seconds) +
                  ",drawbox=x=0:y=0:w=iw:h=ih:color=white:t=fill:enable='between(t," + from + "," + to +
                  ")'\" -f lavfi -i \"aevalsrc='if(between(t," + from + "," + to +
                  "),0.8*sin(2*PI*1000*t),0)':s=44100:d=" + std::to_string(seconds) +
                  "\" -c:v " + videoCodec + " -c:a " + audioCodec + " -shortest " + testmedia::shellQuote(path));
}

// A flash and a 1 kHz beep 0.5 s into every second. audioSeconds is how much sound
// the clip has: shorter than its pictures, or 0 for none.
inline bool makeMarkClip(const std::string& path, double seconds, double audioSeconds) {
    const std::string marks = "between(mod(t,1),0.5,0.7)";
    std::string args = "-f lavfi -i \"color=c=black:s=160x120:r=25:d=" + std::to_string(seconds) +
                       ",drawbox=x=0:y=0:w=iw:h=ih:color=white:t=fill:enable='" + marks + "'\"";
    if (audioSeconds > 0)
        args += " -f lavfi -i \"aevalsrc='if(" + marks + ",0.8*sin(2*PI*1000*t),0)':s=44100:d=" +
                std::to_string(audioSeconds) + "\" -c:a aac";
    return ffmpeg(args + " -c:v libx264 -preset ultrafast " + testmedia::shellQuote(path));
}

// A loud 5.1 AC-3 source: every channel a tone of its own at nearly full scale, so a
// plain down-mix adds up well past full scale. It ends with a short fade: full-scale
// sound cut dead makes any lossy encoder overshoot at the cut, whatever the mix.
inline bool makeLoudSurround(const std::string& path, double seconds = 2) {
    return ffmpeg("-f lavfi -i \"aevalsrc='0.99*sin(2*PI*440*t)|0.99*sin(2*PI*550*t)|0.99*sin(2*PI*660*t)|"
                  "0.99*sin(2*PI*80*t)|0.99*sin(2*PI*770*t)|0.99*sin(2*PI*880*t)':c=5.1:s=48000:d=" +
                  std::to_string(seconds) + ",afade=t=out:st=" + std::to_string(seconds - 0.3) +
                  ":d=0.3\" -c:a ac3 -b:a 448k " + testmedia::shellQuote(path));
}

// A 10-channel WAV without a channel mask: no layout a resampler knows how to mix.
inline bool makeUnmaskedWav(const std::string& path, int channels = 10, double seconds = 2) {
    std::string exprs;
    for (int c = 0; c < channels; ++c) exprs += std::string(c ? "|" : "") + "0.5*sin(2*PI*440*t)";
    return ffmpeg("-f lavfi -i \"aevalsrc='" + exprs + "':s=48000:d=" + std::to_string(seconds) +
                  "\" -c:a pcm_s16le " + testmedia::shellQuote(path));
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

// Peak and RMS level (dBFS) of a file's whole first audio stream, decoded to float
// so a peak above full scale shows as such; -1e9 for digital silence.
struct Levels {
    double peak = -1e9;
    double rms = -1e9;
};
inline Levels audioLevels(const std::string& path) {
    const std::string graph = "amovie=" + path + ",astats=metadata=1:reset=0";
    const auto peak = measure(graph, "lavfi.astats.Overall.Peak_level");
    const auto rms = measure(graph, "lavfi.astats.Overall.RMS_level");
    Levels levels;
    if (!peak.empty()) levels.peak = peak.back().second;
    if (!rms.empty()) levels.rms = rms.back().second;
    return levels;
}

// Start times of each stretch above threshold (stretches closer than 0.5 s join).
inline std::vector<double> onsets(const std::vector<std::pair<double, double>>& rows, double threshold) {
    std::vector<double> starts;
    double last = -10;
    for (const auto& [t, value] : rows) {
        if (value <= threshold) continue;
        if (t - last > 0.5) starts.push_back(t);
        last = t;
    }
    return starts;
}
inline double streamDuration(const std::string& path, const char* selector) {
    return testmedia::decodedDuration(path, selector);
}

// The shapes of real-world sources, made with lavfi: a red picture with a blue band
// over the quarter that is displayed on top, a white flash and a 1 kHz beep in the
// middle of every second (sync marks; the first picture is not a flash).
struct CameraShape {
    double seconds = 3;
    std::string size = "320x180";  // coded size
    bool variableRate = false;     // 10 fps for the first half, then 60 fps
    int rotate = 0;                // display rotation tag: 0, 90, 180, 270
    bool interlaced = false;       // MPEG-2 with interlaced fields (50 fields a second)
    std::string sampleAspect;      // e.g. "32/27"; "" = square
    std::string background = "color=c=red";  // "testsrc2" moves: interlacing then shows
};

// Which coded side ends up on top when displayed with the given rotation tag (as
// the ffmpeg command line and players show it).
inline std::string bandFor(int rotate) {
    const char* box = rotate == 90    ? "x=iw-iw/4:y=0:w=iw/4:h=ih"
                      : rotate == 180 ? "x=0:y=ih-ih/4:w=iw:h=ih/4"
                      : rotate == 270 ? "x=0:y=0:w=iw/4:h=ih"
                                      : "x=0:y=0:w=iw:h=ih/4";
    return std::string("drawbox=") + box + ":color=blue:t=fill";
}

inline bool makeCameraClip(const std::string& path, const CameraShape& c) {
    const std::string rate = c.interlaced ? "50" : c.variableRate ? "60" : "30";
    const std::string seconds = std::to_string(c.seconds);
    const char* next = c.background.find('=') == std::string::npos ? "=" : ":";
    std::string video = c.background + next + "s=" + c.size + ":r=" + rate + ":d=" + seconds + "," + bandFor(c.rotate) +
                        ",drawbox=x=0:y=0:w=iw:h=ih:color=white:t=fill:enable='between(mod(t,1),0.5,0.6)'";
    if (c.variableRate) video += ",select='if(lt(t," + std::to_string(c.seconds / 2) + "),not(mod(n,6)),1)'";
    if (c.interlaced) video += ",tinterlace=mode=interleave_top";
    if (!c.sampleAspect.empty()) video += ",setsar=" + c.sampleAspect;
    const std::string audio = "aevalsrc='if(between(mod(t,1),0.5,0.6),0.8*sin(2*PI*1000*t),0)':s=48000:d=" + seconds;
    const std::string codec = c.interlaced ? "-c:v mpeg2video -b:v 3M -flags +ildct+ilme -field_order tt -c:a mp2"
                                           : "-c:v libx264 -preset ultrafast -c:a aac";
    const std::string coded = c.rotate ? path + ".coded.mp4" : path;
    if (!ffmpeg("-f lavfi -i \"" + video + "\" -f lavfi -i \"" + audio + "\" -vsync vfr " + codec + " " +
                testmedia::shellQuote(coded)))
        return false;
    if (!c.rotate) return true;
    // The rotation tag is written when the stream is copied into the container.
    return ffmpeg("-i " + testmedia::shellQuote(coded) + " -c copy -metadata:s:v:0 rotate=" + std::to_string(c.rotate) +
                  " " + testmedia::shellQuote(path));
}

// Flash times (measured in the centre, inside any black bars) and beep times.
inline std::vector<double> flashTimes(const std::string& path) {
    return onsets(measure("movie=" + path + ",crop=iw/4:ih/4,signalstats", "lavfi.signalstats.YAVG"), 128);
}
// When the measuring graph refuses the sound (a transport stream's decoder changes
// the channel layout after the first frames), it goes through a WAV first; WAV has
// no start time, so the stream's is added back.
inline std::vector<double> beepTimes(const std::string& path) {
    std::vector<double> direct = onsets(
        measure("amovie=" + path + ",asetnsamples=n=256,astats=metadata=1:reset=1", "lavfi.astats.Overall.RMS_level"),
        -30);
    if (!direct.empty()) return direct;
    const std::string wav = path + ".beeps.wav";
    if (!ffmpeg("-i " + testmedia::shellQuote(path) + " -map 0:a:0 -c:a pcm_s16le " + testmedia::shellQuote(wav)))
        return {};
    std::string start;
    testmedia::runCommand("ffprobe -v error -select_streams a:0 -show_entries stream=start_time -of csv=p=0 " +
                              testmedia::shellQuote(path),
                          &start);
    const double offset = std::atof(start.c_str());
    std::vector<double> times = onsets(
        measure("amovie=" + wav + ",asetnsamples=n=256,astats=metadata=1:reset=1", "lavfi.astats.Overall.RMS_level"),
        -30);
    for (double& t : times) t += offset;
    std::filesystem::remove(wav);
    return times;
}

// One picture (number `index` in display order) of a file as displayed: sample
// aspect applied, square pixels, in the given pixel format; its size in width/height.
inline std::string grabPicture(const std::string& path, int index, const char* format, int& width, int& height) {
    std::string shape;
    testmedia::runCommand("ffprobe -v error -select_streams v:0 -show_entries stream=width,height,sample_aspect_ratio "
                          "-of csv=p=0 " + testmedia::shellQuote(path),
                          &shape);
    int w = 0, h = 0, num = 1, den = 1;
    if (std::sscanf(shape.c_str(), "%d,%d,%d:%d", &w, &h, &num, &den) < 2 || w <= 0 || h <= 0) return {};
    if (num <= 0 || den <= 0) num = den = 1;
    width = static_cast<int>(double(w) * num / den / 2) * 2;
    height = h;
    std::string out;
    testmedia::runCommand("ffmpeg -nostdin -v error -i " + testmedia::shellQuote(path) + " -vf \"select='eq(n," +
                              std::to_string(index) + ")',scale=" + std::to_string(width) + ":" +
                              std::to_string(height) + ",setsar=1\" -frames:v 1 -f rawvideo -pix_fmt " + format + " -",
                          &out);
    return out;
}

// Colour (R, G, B) of the displayed picture number `index` at (fx, fy), given as
// fractions of the width and height.
inline std::array<int, 3> colourAt(const std::string& path, int index, double fx, double fy) {
    int width = 0, height = 0;
    const std::string rgb = grabPicture(path, index, "rgb24", width, height);
    if (width <= 0 || rgb.size() < std::size_t(width) * height * 3) return {-1, -1, -1};
    const std::size_t at = (std::size_t(fy * height) * width + std::size_t(fx * width)) * 3;
    return {static_cast<unsigned char>(rgb[at]), static_cast<unsigned char>(rgb[at + 1]),
            static_cast<unsigned char>(rgb[at + 2])};
}
inline bool isBlue(const std::array<int, 3>& c) { return c[2] > 150 && c[0] < 100; }
inline bool isRed(const std::array<int, 3>& c) { return c[0] > 150 && c[2] < 100; }

// Displayed width over height of the bright part of picture `index` (a flash: the
// whole active picture is white, the bars stay black).
inline double activeAspect(const std::string& path, int index) {
    int width = 0, height = 0;
    const std::string gray = grabPicture(path, index, "gray", width, height);
    if (width <= 0 || gray.size() < std::size_t(width) * height) return -1;
    int left = width, right = -1, top = height, bottom = -1;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (static_cast<unsigned char>(gray[std::size_t(y) * width + x]) > 128) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    if (right < left || bottom < top) return -1;
    return double(right - left + 1) / (bottom - top + 1);
}

// idet's verdict over the whole file: progressive, top-first and bottom-first counts.
struct FieldCounts {
    int progressive = 0;
    int interlaced = 0;
};
inline FieldCounts detectFields(const std::string& path) {
    std::string out;
    testmedia::runCommand("ffmpeg -nostdin -hide_banner -i " + testmedia::shellQuote(path) +
                              " -vf idet -an -f null - 2>&1 | grep 'Multi frame detection'",
                          &out);
    FieldCounts counts;
    int tff = 0, bff = 0, undetermined = 0;
    const std::size_t at = out.find("TFF:");
    if (at != std::string::npos)
        std::sscanf(out.c_str() + at, "TFF: %d BFF: %d Progressive: %d Undetermined: %d", &tff, &bff,
                    &counts.progressive, &undetermined);
    counts.interlaced = tff + bff;
    return counts;
}

// One field of ffprobe's first video stream ("level", "sample_aspect_ratio", ...).
inline std::string videoField(const std::string& path, const std::string& field) {
    std::string out;
    testmedia::runCommand("ffprobe -v error -select_streams v:0 -show_entries stream=" + field + " -of csv=p=0 " +
                              testmedia::shellQuote(path),
                          &out);
    out = out.substr(0, out.find('\n'));  // a transport stream lists its program's streams again
    while (!out.empty() && out.back() == ',') out.pop_back();
    return out;
}

// A black 320x240 clip with two sound tracks of different tones: 440 Hz tagged
// "jpn" and flagged default, then 1 kHz tagged "eng", not default. `subtitles`
// (an .srt or .ass file) becomes a subtitle track, forced when `forced` is set.
struct TracksShape {
    double seconds = 3;
    std::string subtitles;  // "" = no subtitle track
    bool forced = false;
    bool secondIsDefault = false;  // both sound tracks flagged default
    int keyEvery = 0;              // pictures from one key picture to the next; 0 = x264's own
    std::string firstLanguage = "jpn", secondLanguage = "eng";  // of the 440 Hz and the 1 kHz track
};
inline bool makeTracksClip(const std::string& path, const TracksShape& t) {
    const std::string d = std::to_string(t.seconds);
    std::string args = "-f lavfi -i color=c=black:s=320x240:r=25:d=" + d + " -f lavfi -i sine=f=440:r=44100:d=" + d +
                       " -f lavfi -i sine=f=1000:r=44100:d=" + d;
    if (!t.subtitles.empty()) args += " -i " + testmedia::shellQuote(t.subtitles);
    args += " -map 0 -map 1 -map 2";
    if (!t.subtitles.empty()) args += " -map 3 -disposition:s:0 " + std::string(t.forced ? "forced" : "0");
    args += " -metadata:s:a:0 language=" + t.firstLanguage + " -metadata:s:a:1 language=" + t.secondLanguage +
            " -disposition:a:0 default -disposition:a:1 " +
            std::string(t.secondIsDefault ? "default" : "0") +
            " -c:v libx264 -preset ultrafast -c:a aac -c:s copy ";
    if (t.keyEvery > 0) args += "-g " + std::to_string(t.keyEvery) + " ";
    return ffmpeg(args + testmedia::shellQuote(path));
}

// A subtitle file with one cue of big text from `from` to `to` seconds.
inline bool writeSubtitleFile(const std::string& path, double from, double to) {
    auto stamp = [](double s) {
        char text[32];
        const int ms = static_cast<int>(std::lround(s * 1000));
        std::snprintf(text, sizeof text, "00:00:%02d,%03d", ms / 1000, ms % 1000);
        return std::string(text);
    };
    std::FILE* file = std::fopen(path.c_str(), "w");
    if (!file) return false;
    std::fprintf(file, "1\n%s --> %s\n<font size=\"40\">WWWW WWWW</font>\n\n", stamp(from).c_str(), stamp(to).c_str());
    return std::fclose(file) == 0;
}

// The frequency of the first sound stream, from its zero crossings (a pure tone
// gives its own frequency); 0 without sound.
inline double toneFrequency(const std::string& path) {
    std::string raw;
    testmedia::runCommand("ffmpeg -nostdin -v error -i " + testmedia::shellQuote(path) +
                              " -map 0:a:0 -ac 1 -ar 44100 -f s16le -",
                          &raw);
    const std::size_t samples = raw.size() / 2;
    if (samples < 4410) return 0;
    int crossings = 0;
    std::int16_t last = 0;
    for (std::size_t i = 0; i < samples; ++i) {
        std::int16_t v;
        std::memcpy(&v, raw.data() + 2 * i, 2);
        if ((v >= 0) != (last >= 0) && i > 0) ++crossings;
        last = v;
    }
    return crossings / 2.0 / (double(samples) / 44100);
}

// How many pixels of picture `index` are bright (text drawn on a black picture).
inline int brightPixels(const std::string& path, int index) {
    int width = 0, height = 0;
    const std::string gray = grabPicture(path, index, "gray", width, height);
    int bright = 0;
    for (char c : gray)
        if (static_cast<unsigned char>(c) > 160) ++bright;
    return bright;
}

// Copies `from` (its video and first sound stream) into `to` with a DVD bitmap
// subtitle track: one white 160x40 box near the bottom from `show` to `hide`
// seconds. ffmpeg's command line cannot turn text into bitmap subtitles, so the
// track is encoded here.
inline bool addBitmapSubtitle(const std::string& from, const std::string& to, double show, double hide) {
    AVFormatContext* in = nullptr;
    if (avformat_open_input(&in, from.c_str(), nullptr, nullptr) < 0) return false;
    std::unique_ptr<AVFormatContext, void (*)(AVFormatContext*)> input(in, [](AVFormatContext* c) {
        avformat_close_input(&c);
    });
    AVFormatContext* out = nullptr;
    if (avformat_find_stream_info(in, nullptr) < 0 ||
        avformat_alloc_output_context2(&out, nullptr, "matroska", to.c_str()) < 0)
        return false;
    std::unique_ptr<AVFormatContext, void (*)(AVFormatContext*)> output(out, [](AVFormatContext* c) {
        if (c->pb) avio_closep(&c->pb);
        avformat_free_context(c);
    });
    std::vector<int> map(in->nb_streams, -1);
    int width = 0, height = 0;
    for (unsigned i = 0; i < in->nb_streams && i < 2; ++i) {
        AVStream* copy = avformat_new_stream(out, nullptr);
        if (!copy || avcodec_parameters_copy(copy->codecpar, in->streams[i]->codecpar) < 0) return false;
        copy->codecpar->codec_tag = 0;
        copy->time_base = in->streams[i]->time_base;
        map[i] = copy->index;
        if (in->streams[i]->codecpar->codec_type == AVMEDIA_TYPE_VIDEO) {
            width = in->streams[i]->codecpar->width;
            height = in->streams[i]->codecpar->height;
        }
    }
    const AVCodec* codec = avcodec_find_encoder(AV_CODEC_ID_DVD_SUBTITLE);
    std::unique_ptr<AVCodecContext, void (*)(AVCodecContext*)> enc(avcodec_alloc_context3(codec),
                                                                   [](AVCodecContext* c) { avcodec_free_context(&c); });
    enc->width = width;
    enc->height = height;
    enc->time_base = {1, 1000};
    AVStream* subs = avformat_new_stream(out, nullptr);
    if (avcodec_open2(enc.get(), codec, nullptr) < 0 || !subs ||
        avcodec_parameters_from_context(subs->codecpar, enc.get()) < 0)
        return false;
    subs->time_base = {1, 1000};
    if (avio_open(&out->pb, to.c_str(), AVIO_FLAG_WRITE) < 0 || avformat_write_header(out, nullptr) < 0) return false;

    std::vector<std::uint8_t> indices(160 * 40, 1);
    std::uint32_t palette[4] = {0x00000000, 0xFFFFFFFF, 0xFF000000, 0xFF808080};
    AVSubtitleRect rect{};
    rect.x = (width - 160) / 2;
    rect.y = height - 60;
    rect.w = 160;
    rect.h = 40;
    rect.nb_colors = 4;
    rect.type = SUBTITLE_BITMAP;
    rect.data[0] = indices.data();
    rect.linesize[0] = 160;
    rect.data[1] = reinterpret_cast<std::uint8_t*>(palette);
    AVSubtitleRect* rects[1] = {&rect};
    AVSubtitle subtitle{};
    subtitle.end_display_time = static_cast<std::uint32_t>((hide - show) * 1000);
    subtitle.num_rects = 1;
    subtitle.rects = rects;
    subtitle.pts = static_cast<std::int64_t>(show * AV_TIME_BASE);
    std::vector<std::uint8_t> coded(1 << 16);
    const int size = avcodec_encode_subtitle(enc.get(), coded.data(), static_cast<int>(coded.size()), &subtitle);
    if (size <= 0) return false;
    AVPacket* packet = av_packet_alloc();
    av_new_packet(packet, size);
    std::memcpy(packet->data, coded.data(), static_cast<std::size_t>(size));
    packet->pts = packet->dts = av_rescale_q(static_cast<std::int64_t>(show * 1000), {1, 1000}, subs->time_base);
    packet->duration = av_rescale_q(subtitle.end_display_time, {1, 1000}, subs->time_base);
    packet->stream_index = subs->index;
    bool ok = av_interleaved_write_frame(out, packet) >= 0;
    while (ok && av_read_frame(in, packet) >= 0) {
        const int target = packet->stream_index < static_cast<int>(map.size()) ? map[packet->stream_index] : -1;
        if (target < 0) {
            av_packet_unref(packet);
            continue;
        }
        av_packet_rescale_ts(packet, in->streams[packet->stream_index]->time_base, out->streams[target]->time_base);
        packet->stream_index = target;
        packet->pos = -1;
        ok = av_interleaved_write_frame(out, packet) >= 0;
    }
    av_packet_free(&packet);
    return ok && av_write_trailer(out) >= 0;
}

}  // namespace pipelinetest
