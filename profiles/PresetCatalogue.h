#pragma once
// The settings preset catalogue: 123 presets in 17 families, keyed by profile code.
// The settings dialog offers, for the current profile code, only the texts its preset
// lists here. The table is compiled in and immutable; every view it hands out points
// into static storage and stays valid for the life of the process.
//
// All texts use the settings forms: "720*480", "29.97 fps", "2000 kbps", and the
// encoder names of the conversion tables ("H.264", "AAC", ...). Lists keep the order
// users see; they are never sorted.

#include <span>
#include <string_view>

// One choice list of a preset and its default entry. An empty list has an empty default.
struct PresetChoice {
    std::span<const std::string_view> items;
    std::string_view chosen;
};

struct Preset {
    int code;
    std::string_view title;  // shown in the dialog's title field, with "(*.ext)"
    PresetChoice videoEncoders;
    PresetChoice videoBitRates;
    PresetChoice resolutions;
    PresetChoice frameRates;
    PresetChoice audioEncoders;
    bool audioOnly;  // no video: the four video lists are empty
    bool thumbnail;  // opening the dialog asks for a ".THM" picture
};

constexpr int kPresetCount = 123;

// Every preset, families in code order, as users would browse them.
std::span<const Preset> PresetCatalogue();

// The preset whose code equals `code`, or nullptr when there is none.
const Preset* FindPreset(int code);

// The sixteen codes that the main window's profile list can select, in its order.
std::span<const int> ReachablePresetCodes();
