#include "cli/SettingsText.h"

#include "profiles/SettingsRules.h"

namespace cli {

std::optional<int> BitRateFromText(std::string_view text) {
    if (text.find(" kbps") == std::string_view::npos) return std::nullopt;
    int value = SettingsNumberValue(text);
    if (value < 1) return std::nullopt;
    return value;
}

std::optional<int> SampleRateFromText(std::string_view text) {
    if (text.find(" kbps") != std::string_view::npos || text.find(" Hz") == std::string_view::npos)
        return std::nullopt;
    int value = SettingsNumberValue(text);
    if (value < 1) return std::nullopt;
    return value;
}

std::optional<OutputSize> OutputSizeFromText(std::string_view text) {
    PictureSize size;
    if (ParsePictureSize(text, size) != PictureSizeParse::Ok) return std::nullopt;
    if (size.width < 1 || size.height < 1) return std::nullopt;
    return OutputSize{size.width, size.height};
}

}  // namespace cli
