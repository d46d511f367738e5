#pragma once
// Fitting an output into a size: the container's overhead, the video bit rate that
// leaves room for the sound and that overhead, and the two-pass encoding that lets
// the encoder spend the bits where the pictures need them.
//
// The estimate (expectedBytes, videoBitRateFor) serves the checks before a run and
// the first pass. After the first pass the second pass's rate comes from what the
// first one measured (secondPassBitRate): the sound's real bytes (an AAC encoder
// rarely hits its nominal rate), the container's real overhead and the output's real
// length. Plain functions, any thread; PassLogFolder and PassLog are owned by the
// row that uses them.

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

struct AVCodecContext;

namespace sizing {

// What a container adds to the streams' payload: a fixed part (headers, an index
// of fixed size), a part per second (per-packet headers and index entries at the
// profiles' packet rates) and a part per payload byte (packetisation).
struct Overhead {
    double fixedBytes = 0;
    double bytesPerSecond = 0;
    double perPayloadByte = 0;
};

// Below this video bit rate (bit/s) no encoder makes pictures worth watching: a
// size that leaves less is refused.
constexpr double kLowestVideoBitRate = 32000;

// The share of an output's progress its first pass takes: x264's first pass skips
// most of its analysis, so it takes less time than the second.
constexpr int kFirstPassPercent = 40;

// The overhead of the muxer FFmpeg picks for `fileName` ("x.mp4", ".ts"); a
// cautious general figure for containers not measured.
Overhead containerOverhead(std::string_view fileName);

// Bytes an output of `seconds` takes at these rates (bit/s) in that container.
double expectedBytes(const Overhead& overhead, double seconds, double videoBitRate, double audioBitRate);

// The video bit rate that makes expectedBytes equal targetBytes; 0 or less when
// the sound and the container alone take that much.
double videoBitRateFor(const Overhead& overhead, double seconds, double audioBitRate, double targetBytes);

// What a finished pass wrote.
struct PassResult {
    double seconds = 0;       // the output's length
    double videoBytes = 0;    // payload of the video packets
    double audioBytes = 0;    // payload of the sound packets
    double totalBytes = 0;    // the whole file
};
// The second pass's video bit rate: the bytes left after the measured sound and
// the container's measured overhead (grown or shrunk with the video's payload).
double secondPassBitRate(const Overhead& overhead, const PassResult& first, double targetBytes);

// What x264's second pass is expected to spend beyond its rate, from how far its
// first pass (asked for firstRate bit/s) went beyond its own: 1 when it kept to it.
// Where pictures turn much harder at once (heavy noise, grain), x264 overshoots in
// both passes; measured on such sources at 500 and 1200 kbit/s, the second pass
// kept about a quarter of the first pass's overshoot beyond 5 %. The second pass's
// rate is divided by this.
double x264SecondPassOvershoot(const PassResult& first, double firstRate);

// Why no second pass can fit the video into the rate its first pass was asked for
// (firstRate bit/s), "" when one can: a first pass that went half as far again
// beyond its rate (far past what x264SecondPassOvershoot makes up) had its encoder
// at its lowest quality, and a second pass cannot go lower than that. Pictures such
// as dense fine-grained patterns need more bits even at the lowest quality than a
// size may leave them.
std::string firstPassBeyondReach(const PassResult& first, double firstRate);

// An output lands within this share of its target size, above or below.
constexpr double kSizeTolerance = 0.03;

// What a row's note says of a fitted output of `bytes` that missed `targetBytes`
// by more than the tolerance: below it when the pictures need fewer bits even at
// the encoder's best quality, above it when the encoder could not keep to its rate.
// "" when the output landed within the tolerance.
std::string missedSizeNote(double bytes, double targetBytes);

// The encoder (FFmpeg's name) can encode in two passes: x264 with its own
// statistics file, and the MPEG-video family through stats_out/stats_in.
bool supportsTwoPass(std::string_view encoderName);
// x264 writes and reads its statistics itself, by file name.
bool statsByFileName(std::string_view encoderName);

// A private folder (mode 0700) for the first pass's statistics, removed with
// everything in it when the object goes. ok() is false when none could be made.
class PassLogFolder {
public:
    PassLogFolder();
    ~PassLogFolder();
    PassLogFolder(const PassLogFolder&) = delete;
    PassLogFolder& operator=(const PassLogFolder&) = delete;
    bool ok() const { return !m_path.empty(); }
    const std::string& path() const { return m_path; }
    // The statistics file of one encoder (a row, or a part of a merge).
    std::string logFor(int part) const;

private:
    std::string m_path;
};

// The first pass's statistics of an encoder that hands them out (stats_out after
// each packet), appended to a file; readAll() gives them back for the second pass.
class PassLog {
public:
    explicit PassLog(std::string path) : m_path(std::move(path)) {}
    // Appends the encoder's latest statistics line, if any. Encoder thread.
    void append(const AVCodecContext& encoder);
    // Closes the file; false when a write failed.
    bool close();
    const std::string& path() const { return m_path; }

private:
    struct Closer {
        void operator()(std::FILE* f) const { std::fclose(f); }
    };
    std::string m_path;
    std::unique_ptr<std::FILE, Closer> m_file;
    bool m_failed = false;
};

// The whole file, "" when it cannot be read.
std::string readPassLog(const std::string& path);

}  // namespace sizing
