#include "tests/support/MediaFixture.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <random>
#include <sstream>
#include <sys/wait.h>

namespace testmedia {

TempDir::TempDir() {
    std::random_device rd;
    auto base = std::filesystem::temp_directory_path();
    for (;;) {
        auto candidate = base / ("korbanix-test-" + std::to_string(rd()));
        if (std::filesystem::create_directory(candidate)) {
            m_path = candidate;
            break;
        }
    }
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(m_path, ec);
}

std::string shellQuote(const std::string& text) {
    std::string out = "'";
    for (char c : text) {
        if (c == '\'') out += "'\\''";
        else out += c;
    }
    return out + "'";
}

int runCommand(const std::string& command, std::string* output) {
    FILE* pipe = popen((command + (output ? " 2>/dev/null" : " >/dev/null 2>&1")).c_str(), "r");
    if (!pipe) return -1;
    std::array<char, 4096> buf{};
    size_t n;
    while ((n = fread(buf.data(), 1, buf.size(), pipe)) > 0) {
        if (output) output->append(buf.data(), n);
    }
    int status = pclose(pipe);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

ClipSpec H264Clip(double seconds, const std::string& videoSize) {
    ClipSpec shape;
    shape.seconds = seconds;
    shape.videoSize = videoSize;
    shape.extraArgs = "-c:v libx264 -preset ultrafast -c:a aac";
    return shape;
}

bool makeClip(const std::string& path, const ClipSpec& shape) {
    std::ostringstream cmd;
    cmd << "ffmpeg -nostdin -hide_banner -loglevel error -y";
    int inputs = 0;
    if (!shape.videoSize.empty()) {
        cmd << " -f lavfi -i testsrc2=size=" << shape.videoSize << ":rate=" << shape.frameRate
            << ":duration=" << shape.seconds;
        ++inputs;
    }
    if (shape.sampleRate > 0) {
        // Distinct tones per channel so a down-mix or a channel swap is audible in tests.
        cmd << " -f lavfi -i sine=frequency=440:sample_rate=" << shape.sampleRate << ":duration=" << shape.seconds;
        ++inputs;
    }
    if (inputs == 0) return false;
    if (shape.sampleRate > 0 && shape.channels != 1) {
        const char* layout = shape.channels == 6 ? "5.1" : shape.channels == 2 ? "stereo" : nullptr;
        if (layout) cmd << " -af aformat=channel_layouts=" << layout;
        else cmd << " -ac " << shape.channels;
    }
    cmd << " -shortest " << shape.extraArgs << " " << shellQuote(path);
    return runCommand(cmd.str()) == 0;
}

const StreamInfo* ProbeInfo::video() const {
    for (const auto& s : streams)
        if (s.codecType == "video") return &s;
    return nullptr;
}

const StreamInfo* ProbeInfo::audio() const {
    for (const auto& s : streams)
        if (s.codecType == "audio") return &s;
    return nullptr;
}

static std::map<std::string, std::string> parseFlat(const std::string& text) {
    std::map<std::string, std::string> out;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        auto eq = line.find('=');
        if (eq == std::string::npos) continue;
        std::string value = line.substr(eq + 1);
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"') value = value.substr(1, value.size() - 2);
        out[line.substr(0, eq)] = value;
    }
    return out;
}

static double toDouble(const std::string& s, double fallback) {
    if (s.empty() || s == "N/A") return fallback;
    return std::atof(s.c_str());
}

ProbeInfo probe(const std::string& path, bool countFrames) {
    ProbeInfo info;
    std::string out;
    std::string cmd = "ffprobe -v error ";
    if (countFrames) cmd += "-count_frames ";
    cmd += "-show_entries format=format_name,duration:stream=codec_name,codec_type,profile,width,height,"
           "r_frame_rate,avg_frame_rate,sample_rate,channels,pix_fmt,duration,start_time,nb_read_frames:"
           "stream_tags=language "
           "-of flat " + shellQuote(path);
    if (runCommand(cmd, &out) != 0) return info;
    auto kv = parseFlat(out);
    info.ok = true;
    info.formatName = kv["format.format_name"];
    info.duration = toDouble(kv["format.duration"], -1.0);
    for (int i = 0;; ++i) {
        std::string p = "streams.stream." + std::to_string(i) + ".";
        if (!kv.count(p + "codec_type")) break;
        StreamInfo s;
        s.codecName = kv[p + "codec_name"];
        s.codecType = kv[p + "codec_type"];
        s.profile = kv[p + "profile"];
        s.width = std::atoi(kv[p + "width"].c_str());
        s.height = std::atoi(kv[p + "height"].c_str());
        s.frameRate = kv[p + "r_frame_rate"];
        s.avgFrameRate = kv[p + "avg_frame_rate"];
        s.sampleRate = std::atoi(kv[p + "sample_rate"].c_str());
        s.channels = std::atoi(kv[p + "channels"].c_str());
        s.pixelFormat = kv[p + "pix_fmt"];
        s.duration = toDouble(kv[p + "duration"], -1.0);
        s.startTime = toDouble(kv[p + "start_time"], 0.0);
        if (countFrames) s.frames = std::atoll(kv[p + "nb_read_frames"].c_str());
        s.language = kv[p + "tags.language"];
        info.streams.push_back(s);
    }
    return info;
}

double decodedDuration(const std::string& path, const std::string& streamSelector) {
    std::string out;
    std::string cmd = "ffprobe -v error -select_streams " + streamSelector +
                      " -show_entries packet=pts_time,duration_time -of csv=p=0 " + shellQuote(path);
    if (runCommand(cmd, &out) != 0) return -1.0;
    std::istringstream in(out);
    std::string line;
    double first = 1e300, last = -1e300;
    while (std::getline(in, line)) {
        auto comma = line.find(',');
        if (comma == std::string::npos) continue;
        std::string ptsText = line.substr(0, comma);
        if (ptsText.empty() || ptsText == "N/A") continue;
        double pts = std::atof(ptsText.c_str());
        double dur = toDouble(line.substr(comma + 1), 0.0);
        first = std::min(first, pts);
        last = std::max(last, pts + dur);
    }
    return last > first ? last - first : -1.0;
}

}  // namespace testmedia
