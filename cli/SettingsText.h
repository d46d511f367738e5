#pragma once
// The settings texts the command line accepts for its overrides, read with the
// settings dialog's number rules (profiles/SettingsRules.h): "512 kbps" -> 512000,
// "4.75 kbps" -> 4750, "44100 Hz" -> 44100, "720*480", the three channel texts.
// The command line is stricter than the dialog: a text the dialog would silently read
// as 0 or ignore is refused here (nullopt), so the user gets a clear message instead
// of an output with a zero bit rate.

#include <optional>
#include <string_view>

namespace cli {

// "512 kbps" style bit rates: must contain " kbps" and give 1 bit/s or more.
std::optional<int> BitRateFromText(std::string_view text);
// "44100 Hz" style sample rates: must contain " Hz" (and no " kbps") and give 1 Hz or more.
std::optional<int> SampleRateFromText(std::string_view text);

struct OutputSize {
    int width = 0;
    int height = 0;
};
// "720*480": split at the first "*", both sides positive numbers.
std::optional<OutputSize> OutputSizeFromText(std::string_view text);

}  // namespace cli
