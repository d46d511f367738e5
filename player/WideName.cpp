#include "player/WideName.h"

namespace player {

namespace {

bool appendUtf8(std::string& out, unsigned long cp) {
    if (cp >= 0xD800 && cp <= 0xDFFF) return false;  // lone surrogate halves name no character
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x110000) {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        return false;
    }
    return true;
}

}  // namespace

std::optional<std::string> wideToUtf8(const wchar_t* name, std::size_t maxChars) {
    if (!name) return std::nullopt;
    std::string out;
    for (std::size_t i = 0; i < maxChars; ++i) {
        unsigned long cp = static_cast<unsigned long>(name[i]);
        if (cp == 0) {
            if (out.empty()) return std::nullopt;
            return out;
        }
        if (cp >= 0xDC80 && cp <= 0xDCFF) {
            out += static_cast<char>(cp - 0xDC00);
            continue;
        }
        if (!appendUtf8(out, cp)) return std::nullopt;
    }
    return std::nullopt;  // no terminator within the limit
}

}  // namespace player
