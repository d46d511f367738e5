#include "cli/PresetsCommand.h"

#include "cli/CliOptions.h"
#include "profiles/PresetCatalogue.h"
#include "profiles/SettingsRules.h"

#include <charconv>
#include <ostream>
#include <string_view>

namespace cli {
namespace {

// "a, [b], c": the list in order with its default in brackets.
std::string ListText(const PresetChoice& choice) {
    std::string text;
    for (std::string_view item : choice.items) {
        if (!text.empty()) text += ", ";
        // Appended piecewise: GCC 12 warns falsely (-Wrestrict) about "literal" + string.
        const bool chosen = item == choice.chosen;
        if (chosen) text += '[';
        text.append(item);
        if (chosen) text += ']';
    }
    return text.empty() ? "-" : text;
}

void PrintPreset(const Preset& p, std::ostream& out) {
    out << "Code: " << p.code << "\n"
        << "Title: " << p.title << "\n"
        << "Audio only: " << (p.audioOnly ? "yes" : "no") << "\n"
        << "Thumbnail: " << (p.thumbnail ? "yes" : "no") << "\n";
    if (!p.audioOnly) {
        out << "Video encoder: " << ListText(p.videoEncoders) << "\n"
            << "Video bit rate: " << ListText(p.videoBitRates) << "\n";
        if (VideoRuleCovers(p.code)) {
            // These presets offer the picture sizes of the chosen encoder.
            for (std::string_view encoder : p.videoEncoders.items)
                out << "Resolution with " << encoder << ": " << ListText(*VideoRuleFor(p.code, encoder)) << "\n";
        } else {
            out << "Resolution: " << ListText(p.resolutions) << "\n";
        }
        out << "Frame rate: " << ListText(p.frameRates) << "\n";
    }
    out << "Audio encoder: " << ListText(p.audioEncoders) << "\n";
    // Bit rates, sample rates and channels follow the chosen audio encoder.
    for (std::string_view encoder : p.audioEncoders.items) {
        const AudioEncoderRule rule = AudioRuleFor(encoder);
        out << "Audio bit rate with " << encoder << ": " << ListText(rule.bitRates) << "\n"
            << "Sample rate with " << encoder << ": " << ListText(rule.sampleRates) << "\n"
            << "Channel with " << encoder << ": " << ListText(rule.channels) << "\n";
    }
}

int Usage(CliEnvironment& env, const std::string& message) {
    *env.err << "korbanix-cli: " << message << "\n"
             << "Try 'korbanix-cli --help' for more information.\n";
    return kExitUsage;
}

}  // namespace

int RunPresets(const std::vector<std::string>& args, CliEnvironment& env) {
    if (args.size() > 2) return Usage(env, "presets takes at most one preset code");
    if (args.size() == 1) {
        for (const Preset& p : PresetCatalogue()) *env.out << p.code << "\t" << p.title << "\n";
        return kExitOk;
    }
    const std::string& text = args[1];
    int code = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), code);
    const Preset* preset = (ec == std::errc() && end == text.data() + text.size()) ? FindPreset(code) : nullptr;
    if (!preset) return Usage(env, "no preset has the code '" + text + "' (see 'korbanix-cli presets')");
    PrintPreset(*preset, *env.out);
    return kExitOk;
}

}  // namespace cli
