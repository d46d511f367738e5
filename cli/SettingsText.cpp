#include "cli/SettingsText.h"

#include "profiles/SettingsRules.h"

namespace cli {

namespace {

// The whole text is digits (with one decimal point when `fraction`), then `unit`:
// "12abc kbps", "44100 Hz " or "1e3 Hz" are not values, whatever they start with.
bool IsNumberWithUnit(std::string_view text, std::string_view unit, bool fraction) {
    if (text.size() <= unit.size() || !text.ends_with(unit)) return false;
    const std::string_view number = text.substr(0, text.size() - unit.size());
    bool digit = false, point = false;
    for (std::size_t i = 0; i < number.size(); ++i) {
        const char c = number[i];
        if (c >= '0' && c <= '9') digit = true;
        else if (c == '.' && fraction && !point && digit && i + 1 < number.size()) point = true;
        else return false;
    }
    return digit;
}

}  // namespace

std::optional<int> BitRateFromText(std::string_view text) {
    if (!IsNumberWithUnit(text, " kbps", true)) return std::nullopt;
    int value = SettingsNumberValue(text);
    if (value < 1) return std::nullopt;
    return value;
}

std::optional<int> SampleRateFromText(std::string_view text) {
    if (!IsNumberWithUnit(text, " Hz", false)) return std::nullopt;
    int value = SettingsNumberValue(text);
    if (value < 1) return std::nullopt;
    return value;
}

std::optional<OutputSize> OutputSizeFromText(std::string_view text) {
    PictureSize size;
    // Digits, one "*", digits: " 720*480" or "720*480x" are no sizes.
    const std::size_t star = text.find('*');
    if (star == std::string_view::npos || !IsNumberWithUnit(text.substr(0, star), "", false) ||
        !IsNumberWithUnit(text.substr(star + 1), "", false))
        return std::nullopt;
    if (ParsePictureSize(text, size) != PictureSizeParse::Ok) return std::nullopt;
    if (size.width < 1 || size.height < 1) return std::nullopt;
    return OutputSize{size.width, size.height};
}

}  // namespace cli
