#pragma once
// The sixteen profiles of the main window's profile list, in the order users see
// them. A field given as "keep" (empty text / 0 in the row) leaves the settings'
// value as it was when the profile is loaded.

#include <array>
#include <string_view>

struct OutputSettings;

struct ProfileEntry {
    std::string_view displayText;  // begins with a blank, ends in "(*.ext)"
    int code;
    std::string_view videoEncoder;  // "" = keep
    int width;                      // 0 = keep (with height)
    int height;
    std::string_view frameRateText;  // "" = keep
    int videoBitRate;                // 0 = keep
    std::string_view audioEncoder;
    int sampleRate;
    int channels;
    int audioBitRate;
    bool audioOnly;
};

constexpr int kProfileCount = 16;
const std::array<ProfileEntry, kProfileCount>& Profiles();

// Loads entry `index` (0..15) into the settings; out-of-range indexes do nothing.
void LoadProfile(OutputSettings& settings, int index);

// Start-up: entry 0 loaded and the confirmed choices at their start-up texts.
void ResetOutputSettings(OutputSettings& settings);
