#pragma once
// FFmpeg reads a name as a URL: "take:2.mkv" would name a protocol "take", and
// "http://..." would go to the network. Our paths are always local files.

#include <filesystem>
#include <string>

inline std::string LocalFileUrl(const std::string& path) { return "file:" + path; }

// Only plain files are media sources: reading a FIFO or a device node would block
// (or never end) instead of failing.
inline bool IsPlainFile(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}
