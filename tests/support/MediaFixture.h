#pragma once
// Test media made on the spot: lavfi sources through the ffmpeg command line, and
// ffprobe as the independent reader of what our code wrote. Nothing here is
// checked in; every file lives in a temporary folder removed by the fixture.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace testmedia {

// A fresh temporary folder, removed (with its contents) when the object dies.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return m_path; }
    std::string file(const std::string& name) const { return (m_path / name).string(); }

private:
    std::filesystem::path m_path;
};

// Runs a shell command; returns its exit status. Output goes to `output` when given.
int runCommand(const std::string& command, std::string* output = nullptr);

// Quotes a path for the shell.
std::string shellQuote(const std::string& text);

// Makes a clip with ffmpeg's lavfi sources. Empty videoSize = no video,
// sampleRate 0 = no audio. Extra arguments go before the output name
// (codecs, for example "-c:v libx264 -c:a aac"). Returns true on success.
struct ClipSpec {
    double seconds = 2.0;
    std::string videoSize = "320x240";
    std::string frameRate = "25";
    int sampleRate = 44100;
    int channels = 2;
    std::string extraArgs;
};
bool makeClip(const std::string& path, const ClipSpec& shape);
// The tests' usual source: an H.264 + AAC clip of this length and picture size.
ClipSpec H264Clip(double seconds, const std::string& videoSize = "320x240");

// What ffprobe reads back from one stream of a file.
struct StreamInfo {
    std::string codecName;
    std::string codecType;
    std::string profile;
    int width = 0;
    int height = 0;
    std::string frameRate;  // r_frame_rate, e.g. "30000/1001"
    std::string avgFrameRate;
    int sampleRate = 0;
    int channels = 0;
    std::string pixelFormat;
    double duration = -1.0;  // seconds; -1 when ffprobe gave none
    double startTime = 0.0;
    long long frames = -1;    // decoded frame count when counted, else -1
    std::string language;     // the stream's language tag, "" when none
};
struct ProbeInfo {
    bool ok = false;
    std::string formatName;
    double duration = -1.0;
    std::vector<StreamInfo> streams;
    const StreamInfo* video() const;
    const StreamInfo* audio() const;
};
// countFrames decodes the whole file to count video frames (slower).
ProbeInfo probe(const std::string& path, bool countFrames = false);

// Duration of one stream measured by decoding it (last packet pts + duration - first pts).
double decodedDuration(const std::string& path, const std::string& streamSelector /* "v:0" or "a:0" */);

}  // namespace testmedia
