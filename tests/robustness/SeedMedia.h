#pragma once
// The small valid files the damage starts from: one per container of the Add
// dialog's filter that today's FFmpeg can write, made with lavfi sources.

#include <span>
#include <string>

namespace robustness {

struct SeedFormat {
    const char* extension;  // also the file name's extension, which picks the muxer
    const char* codecs;     // ffmpeg output options
    bool video;
};

// Every seed format, in a fixed order (the test names use the extensions).
std::span<const SeedFormat> seedFormats();
const SeedFormat* findSeedFormat(const std::string& extension);

// Writes a ~1 s file of `format` at `path` (tiny picture, short sound). True on success.
bool makeSeed(const SeedFormat& format, const std::string& path, double seconds = 1.0);

}  // namespace robustness
