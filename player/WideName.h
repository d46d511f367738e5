#pragma once
// Turns the wide (UTF-32 on Linux) file name handed over by callers into the
// UTF-8 path the demuxer opens.

#include <cstddef>
#include <optional>
#include <string>

namespace player {

// Longest name read, terminator included. Callers hand over at most 260
// characters; the larger cap only keeps a long Linux path usable while still
// never reading without bound from an unterminated buffer.
inline constexpr std::size_t kMaxNameChars = 4096;

// UTF-8 form of `name`, or nothing when it is null, empty, not terminated within
// kMaxNameChars characters, or holds a value that is not a Unicode scalar. A lone
// U+DC80..U+DCFF stands for the byte 0x80..0xFF of a name that is not UTF-8 (the
// windows keep such names that way) and becomes that byte again.
std::optional<std::string> wideToUtf8(const wchar_t* name, std::size_t maxChars = kMaxNameChars);

}  // namespace player
