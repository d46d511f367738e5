#include "engine/TargetSize.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

namespace sizing {
namespace {

struct OverheadRow {
    std::string_view muxer;
    Overhead overhead;
};

// Measured with FFmpeg's muxers: 30 s and 120 s of hard-to-compress pictures at
// 29.97 fps and 500 or 3000 kbit/s, with stereo sound at 128 kbit/s (AAC at 48 kHz
// in MP4, MP2 in MPEG-PS/TS, MP3 in AVI, WMA at 44.1 kHz in ASF), fitted as file
// size minus packet payload. MP4's sample tables cost per packet; a program stream
// adds pack and PES headers (0.4 % of the payload); a transport stream cuts
// everything into 188-byte packets with headers, PES headers, tables and a padded
// tail per audio frame (2.2 % and 8 KB a second); AVI has a chunk header and an
// index entry per packet and a reserved index; ASF pads its fixed-size packets.
constexpr OverheadRow kOverheads[] = {
    {"mp4", {1500, 870, 0.0}},
    {"mov", {1500, 870, 0.0}},
    {"psp", {1500, 870, 0.0}},
    {"mpeg", {0, 580, 0.0041}},
    {"vob", {0, 580, 0.0041}},
    {"mpegts", {0, 8100, 0.0218}},
    {"avi", {10000, 1735, 0.0}},
    {"asf", {0, 3400, 0.0078}},
};
// Containers not measured: a cautious figure between the ones above.
constexpr Overhead kOtherContainer{8000, 2000, 0.02};

constexpr std::string_view kTwoPassEncoders[] = {
    "libx264", "mpeg4", "msmpeg4", "wmv1", "wmv2", "mpeg1video", "mpeg2video", "h263", "flv",
};

}  // namespace

Overhead containerOverhead(std::string_view fileName) {
    // FFmpeg guesses by a name's extension: a bare ".ts" gets a stem.
    std::string name(fileName.empty() || fileName.front() == '.' ? "x" : "");
    name.append(fileName);
    const AVOutputFormat* format = av_guess_format(nullptr, name.c_str(), nullptr);
    if (!format) return kOtherContainer;
    for (const OverheadRow& row : kOverheads)
        if (row.muxer == format->name) return row.overhead;
    return kOtherContainer;
}

double expectedBytes(const Overhead& overhead, double seconds, double videoBitRate, double audioBitRate) {
    seconds = std::max(seconds, 0.0);
    const double payload = (std::max(videoBitRate, 0.0) + std::max(audioBitRate, 0.0)) / 8.0 * seconds;
    return overhead.fixedBytes + overhead.bytesPerSecond * seconds + payload * (1.0 + overhead.perPayloadByte);
}

double videoBitRateFor(const Overhead& overhead, double seconds, double audioBitRate, double targetBytes) {
    if (seconds <= 0) return 0;
    const double payload = (targetBytes - overhead.fixedBytes - overhead.bytesPerSecond * seconds) /
                           (1.0 + overhead.perPayloadByte);
    return payload * 8.0 / seconds - std::max(audioBitRate, 0.0);
}

double secondPassBitRate(const Overhead& overhead, const PassResult& first, double targetBytes) {
    if (first.seconds <= 0) return 0;
    const double measured = std::max(first.totalBytes - first.videoBytes - first.audioBytes, 0.0);
    // The container's share grows with the video's payload; the rest of it (headers,
    // per-packet costs at the same packet counts) stays what the first pass measured.
    const double video = (targetBytes - first.audioBytes - measured + overhead.perPayloadByte * first.videoBytes) /
                         (1.0 + overhead.perPayloadByte);
    return video * 8.0 / first.seconds;
}

double x264SecondPassOvershoot(const PassResult& first, double firstRate) {
    if (first.seconds <= 0 || firstRate <= 0) return 1.0;
    const double firstOvershoot = first.videoBytes * 8.0 / first.seconds / firstRate;
    return 1.0 + 0.25 * std::clamp(firstOvershoot - 1.05, 0.0, 0.4);
}

std::string firstPassBeyondReach(const PassResult& first, double firstRate) {
    if (first.seconds <= 0 || firstRate <= 0) return std::string();
    const double reached = first.videoBytes * 8.0 / first.seconds;
    if (reached <= firstRate * 1.5) return std::string();
    const auto kbps = [](double rate) { return std::to_string(std::llround(rate / 1000)) + " kbps"; };
    return "The target size is too small for the video of this file: even at the encoder's lowest quality it "
           "needs more than " + kbps(reached) + ", and the size leaves " + kbps(firstRate) +
           ".\nChoose a larger size, a shorter clip or a profile with smaller pictures.";
}

namespace {
// "12.3 MB", whatever the process locale says about decimal points.
std::string megabytes(double bytes) {
    char text[32];
    const auto [end, ec] = std::to_chars(text, text + sizeof text, bytes / 1e6, std::chars_format::fixed, 1);
    return (ec == std::errc() ? std::string(text, end) : std::string("?")) + " MB";
}
}  // namespace

std::string missedSizeNote(double bytes, double targetBytes) {
    if (targetBytes <= 0 || std::abs(bytes / targetBytes - 1.0) <= kSizeTolerance) return std::string();
    const std::string sizes = " (" + megabytes(bytes) + " of " + megabytes(targetBytes) + ")";
    return bytes < targetBytes ? "the output is smaller than the target size: the video needs no more" + sizes
                               : "the output is larger than the target size: the encoder could not keep to it" + sizes;
}

bool supportsTwoPass(std::string_view encoderName) {
    return std::find(std::begin(kTwoPassEncoders), std::end(kTwoPassEncoders), encoderName) !=
           std::end(kTwoPassEncoders);
}

bool statsByFileName(std::string_view encoderName) { return encoderName == "libx264"; }

PassLogFolder::PassLogFolder() {
    const char* base = std::getenv("TMPDIR");
    std::string pattern = std::string(base && *base ? base : "/tmp") + "/korbanix-pass-XXXXXX";
    // mkdtemp makes the folder with mode 0700: nobody else reads or swaps the logs.
    if (::mkdtemp(pattern.data())) m_path = pattern;
}

PassLogFolder::~PassLogFolder() {
    if (m_path.empty()) return;
    std::error_code ec;
    std::filesystem::remove_all(m_path, ec);
}

std::string PassLogFolder::logFor(int part) const { return m_path + "/pass-" + std::to_string(part) + ".log"; }

void PassLog::append(const AVCodecContext& encoder) {
    if (!encoder.stats_out || !*encoder.stats_out || m_failed) return;
    if (!m_file) m_file.reset(std::fopen(m_path.c_str(), "wxe"));  // a new file, never one put there
    if (!m_file || std::fputs(encoder.stats_out, m_file.get()) < 0) m_failed = true;
}

bool PassLog::close() {
    if (m_file && std::fclose(m_file.release()) != 0) m_failed = true;
    return !m_failed;
}

std::string readPassLog(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::string();
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace sizing
