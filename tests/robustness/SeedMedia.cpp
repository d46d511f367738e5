#include "tests/robustness/SeedMedia.h"

#include "tests/support/MediaFixture.h"

#include <iterator>

namespace robustness {
namespace {

constexpr SeedFormat kFormats[] = {
    {"mp4", "-c:v libx264 -preset ultrafast -c:a aac", true},
    {"mkv", "-c:v libx264 -preset ultrafast -c:a libvorbis", true},
    {"avi", "-c:v mpeg4 -c:a libmp3lame", true},
    {"mpg", "-c:v mpeg1video -c:a mp2 -f mpeg", true},
    {"ts", "-c:v mpeg2video -c:a mp2", true},
    {"flv", "-c:v flv -c:a libmp3lame -ar 22050", true},
    {"wmv", "-c:v wmv2 -c:a wmav2", true},
    {"mov", "-c:v mpeg4 -c:a aac", true},
    {"3gp", "-c:v h263 -s 176x144 -c:a aac -ac 1 -ar 8000", true},
    {"mp3", "-c:a libmp3lame", false},
    {"wav", "-c:a pcm_s16le", false},
    {"ogg", "-c:a libvorbis", false},
    {"flac", "-c:a flac", false},
    {"ac3", "-c:a ac3", false},
    {"aac", "-c:a aac", false},
    {"m4a", "-c:a aac", false},
};

}  // namespace

std::span<const SeedFormat> seedFormats() { return kFormats; }

const SeedFormat* findSeedFormat(const std::string& extension) {
    for (const SeedFormat& f : kFormats)
        if (extension == f.extension) return &f;
    return nullptr;
}

bool makeSeed(const SeedFormat& format, const std::string& path, double seconds) {
    const std::string d = std::to_string(seconds);
    std::string command = "ffmpeg -nostdin -hide_banner -v error -y ";
    if (format.video) command += "-f lavfi -i testsrc2=s=96x64:r=25:d=" + d + " ";
    command += "-f lavfi -i sine=frequency=660:sample_rate=44100:d=" + d + " -ac 2 ";
    command += std::string(format.codecs) + " -shortest " + testmedia::shellQuote(path);
    return testmedia::runCommand(command) == 0;
}

}  // namespace robustness
