#include "profiles/TimeText.h"

#include <cctype>
#include <climits>
#include <cmath>
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

namespace {

// Whole tenths in `seconds`, cut down; a hair below a tenth (2.4 held as
// 2.39999...) still counts as that tenth.
std::int64_t wholeTenths(double seconds) {
    if (!(seconds > 0)) return 0;
    const double tenths = std::floor(seconds * 10.0 + 1e-6);
    return tenths > static_cast<double>(INT_MAX) * 10 ? static_cast<std::int64_t>(INT_MAX) * 10
                                                      : static_cast<std::int64_t>(tenths);
}

void appendUtf8(std::string& text, char32_t c) {
    if (c < 0x80) {
        text += static_cast<char>(c);
    } else if (c < 0x800) {
        text += static_cast<char>(0xC0 | (c >> 6));
        text += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        text += static_cast<char>(0xE0 | (c >> 12));
        text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (c & 0x3F));
    }
}

}  // namespace

std::string FormatTimeTenths(double seconds) {
    const std::int64_t tenths = wholeTenths(seconds);
    std::string text = FormatTime(static_cast<int>(tenths / 10));
    if (tenths % 10 != 0) text += "." + std::to_string(tenths % 10);
    return text;
}

double ParseTimeSeconds(std::string_view text) {
    const int whole = ParseTime(text);
    const std::size_t last = text.rfind(':');
    std::string_view secondsPart = last == std::string_view::npos ? text : text.substr(last + 1);
    const std::size_t dot = secondsPart.find('.');
    if (dot == std::string_view::npos) return whole;
    double fraction = 0.0;
    double scale = 0.1;
    for (std::size_t i = dot + 1; i < secondsPart.size() && std::isdigit(static_cast<unsigned char>(secondsPart[i]));
         ++i, scale /= 10)
        fraction += (secondsPart[i] - '0') * scale;
    return whole < 0 ? whole - fraction : whole + fraction;
}

std::string FormatClock(double seconds, char32_t decimalPoint) {
    const std::int64_t tenths = wholeTenths(seconds);
    const std::int64_t secs = tenths / 10;
    std::string text = std::to_string(secs / 3600) + ":" + twoDigits(static_cast<int>(secs % 3600 / 60)) + ":" +
                       twoDigits(static_cast<int>(secs % 60));
    appendUtf8(text, decimalPoint);
    return text + std::to_string(tenths % 10);
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
