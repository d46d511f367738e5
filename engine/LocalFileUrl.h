#pragma once
// FFmpeg reads a name as a URL: "take:2.mkv" would name a protocol "take", and
// "http://..." would go to the network. Our paths are always local files.

#include <string>

inline std::string LocalFileUrl(const std::string& path) { return "file:" + path; }
