#include "profiles/TimeText.h"

#include <cctype>
#include <climits>
#include <cstdint>

namespace {

std::string twoDigits(int value) { return (value <= 9 ? "0" : "") + std::to_string(value); }

// Reads a number the way atoi does (leading blanks, an optional sign, then digits;
// 0 when there are none), but saturates instead of overflowing.
std::int64_t readLeadingInteger(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    std::int64_t value = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > INT_MAX) value = INT_MAX;
    }
    return negative ? -value : value;
}

int saturate(std::int64_t value) {
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}

}  // namespace

std::string FormatTime(int seconds) {
    // A length below zero has no text of its own; it reads back as 0 anyway.
    if (seconds < 0) seconds = 0;
    return twoDigits(seconds / 3600) + ":" + twoDigits(seconds % 3600 / 60) + ":" + twoDigits(seconds % 60);
}

int ParseTime(std::string_view text) {
    const std::size_t first = text.find(':');
    // Without any ":" the text is a plain number of seconds.
    if (first == std::string_view::npos) return saturate(readLeadingInteger(text));
    const std::size_t last = text.rfind(':');
    const std::int64_t hours = readLeadingInteger(text.substr(0, first));
    const std::int64_t minutes = readLeadingInteger(text.substr(first + 1, 2));
    const std::int64_t secs = readLeadingInteger(text.substr(last + 1));
    return saturate(hours * 3600 + minutes * 60 + secs);
}
