#include "player/WideName.h"

namespace player {

std::optional<std::string> wideToUtf8(const wchar_t* name, std::size_t maxChars) {
    if (!name) return std::nullopt;
    std::string out;
    for (std::size_t i = 0; i < maxChars; ++i) {
        // A negative wchar_t becomes a value past U+10FFFF, which is refused.
        const char32_t cp = static_cast<char32_t>(name[i]);
        if (cp == 0) {
            if (out.empty()) return std::nullopt;
            return out;
        }
        if (cp >= kByteEscapeBase + 0x80 && cp <= kByteEscapeBase + 0xFF) {
            out += static_cast<char>(cp - kByteEscapeBase);
            continue;
        }
        if (!appendUtf8(out, cp)) return std::nullopt;
    }
    return std::nullopt;  // no terminator within the limit
}

}  // namespace player
