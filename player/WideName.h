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

// A byte b (0x80..0xFF) of a name that is not UTF-8 is kept as the lone low
// surrogate kByteEscapeBase + b (U+DC80..U+DCFF), which no valid text holds.
inline constexpr char32_t kByteEscapeBase = 0xDC00;

// Appends the UTF-8 form of `c`; false, and nothing appended, for a surrogate
// half or a value past U+10FFFF (neither names a character).
inline bool appendUtf8(std::string& out, char32_t c) {
    if ((c >= 0xD800 && c <= 0xDFFF) || c >= 0x110000) return false;
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
    return true;
}

// UTF-8 form of `name`, or nothing when it is null, empty, not terminated within
// kMaxNameChars characters, or holds a value that is not a Unicode scalar. A lone
// U+DC80..U+DCFF stands for the byte 0x80..0xFF of a name that is not UTF-8 (the
// windows keep such names that way) and becomes that byte again.
std::optional<std::string> wideToUtf8(const wchar_t* name, std::size_t maxChars = kMaxNameChars);

}  // namespace player
