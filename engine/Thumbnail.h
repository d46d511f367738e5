#pragma once
// Writes a 160x120 baseline JFIF JPEG (quality 80, libjpeg defaults otherwise) from
// a packed RGB24 picture of 160x120 pixels (480 bytes a row, no padding).
// A file that cannot be created is skipped silently. A fatal libjpeg error never
// ends the process: the compressor is released, the file closed, and the library's
// message handed to onError (when set). Returns true when the file was written.

#include <cstdint>
#include <functional>
#include <string>

constexpr int kThumbnailWidth = 160;
constexpr int kThumbnailHeight = 120;

// What happens when `path` names an existing file: Replace swaps the new picture
// in atomically; Keep leaves that file untouched and writes nothing (returns false).
// The workers keep: a ".THM" already beside a free output name is the user's file.
// Either way a symlink at `path` is never written through: the picture is written
// into a file of its own (without a name while it is written, where the file
// system allows) and only then given the name.
enum class ExistingThumbnail { Replace, Keep };

bool WriteThumbnail(const std::string& path, const std::uint8_t* rgbPixels,
                    const std::function<void(const std::string& message)>& onError = {},
                    ExistingThumbnail existing = ExistingThumbnail::Replace);

// The thumbnail path of an output: up to its last "." then ".THM".
std::string ThumbnailPathFor(const std::string& outputPath);
