#include "profiles/SourcePreferences.h"

#include "engine/AVConvert.h"
#include "engine/TrackChoice.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace {

struct OfferedLanguage {
    const char* code;  // ISO 639-2/B, as most files tag their tracks
    const char* name;
};
// The languages the window offers, by their English names in alphabetical order.
constexpr std::array<OfferedLanguage, 28> kOfferedLanguages{{
    {"ara", "Arabic"},   {"chi", "Chinese"},    {"cze", "Czech"},    {"dan", "Danish"},     {"dut", "Dutch"},
    {"eng", "English"},  {"fin", "Finnish"},    {"fre", "French"},   {"ger", "German"},     {"gre", "Greek"},
    {"heb", "Hebrew"},   {"hin", "Hindi"},      {"hun", "Hungarian"}, {"ind", "Indonesian"}, {"ita", "Italian"},
    {"jpn", "Japanese"}, {"kor", "Korean"},     {"nor", "Norwegian"}, {"pol", "Polish"},    {"por", "Portuguese"},
    {"rum", "Romanian"}, {"rus", "Russian"},    {"spa", "Spanish"},  {"swe", "Swedish"},    {"tha", "Thai"},
    {"tur", "Turkish"},  {"ukr", "Ukrainian"},  {"vie", "Vietnamese"},
}};

constexpr std::array<int, 9> kOfferedStillSeconds{1, 2, 3, 5, 10, 15, 20, 30, 60};

const OfferedLanguage* offered(const std::string& code) {
    if (code.empty()) return nullptr;
    for (const OfferedLanguage& language : kOfferedLanguages)
        if (tracks::languageMatches(language.code, code)) return &language;
    return nullptr;
}

std::string secondsText(int seconds) { return std::to_string(seconds) + " s"; }

}  // namespace

std::optional<std::string> PreferredLanguageFromText(std::string_view text) {
    if (text.empty()) return std::string();
    if (text.size() < 2 || text.size() > 3) return std::nullopt;
    std::string code;
    for (char c : text) {
        if (!std::isalpha(static_cast<unsigned char>(c))) return std::nullopt;
        code += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return code;
}

std::optional<int> StillSecondsFromText(std::string_view text) {
    if (text.empty() || text.size() > 4) return std::nullopt;
    int seconds = 0;
    for (char c : text) {
        if (!std::isdigit(static_cast<unsigned char>(c))) return std::nullopt;
        seconds = seconds * 10 + (c - '0');
    }
    if (seconds < kMinStillSeconds || seconds > kMaxStillSeconds) return std::nullopt;
    return seconds;
}

void ApplySourcePreferences(const SourcePreferences& preferences, AVConvert& job) {
    job.preferredLanguage = preferences.language;
    job.stillPictureSeconds = preferences.stillPictureSeconds;
}

std::vector<PreferenceEntry> LanguageEntries(const std::string& stored, const std::string& desktop) {
    std::vector<PreferenceEntry> entries;
    const OfferedLanguage* own = offered(desktop);
    entries.push_back({"Desktop's: " + (own ? std::string(own->name) : desktop.empty() ? "none" : desktop), ""});
    for (const OfferedLanguage& language : kOfferedLanguages)
        entries.push_back({std::string(language.name) + " (" + language.code + ")", language.code});
    if (!stored.empty() && !offered(stored)) entries.push_back({stored, stored});
    return entries;
}

std::vector<PreferenceEntry> StillSecondsEntries(int stored) {
    std::vector<int> lengths(kOfferedStillSeconds.begin(), kOfferedStillSeconds.end());
    if (stored >= kMinStillSeconds && stored <= kMaxStillSeconds &&
        std::find(lengths.begin(), lengths.end(), stored) == lengths.end())
        lengths.insert(std::upper_bound(lengths.begin(), lengths.end(), stored), stored);
    std::vector<PreferenceEntry> entries;
    for (int seconds : lengths) entries.push_back({secondsText(seconds), std::to_string(seconds)});
    return entries;
}

int EntryIndexFor(const std::vector<PreferenceEntry>& entries, const std::string& value, bool language) {
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const std::string& held = entries[i].value;
        const bool same = language && !held.empty() && !value.empty() ? tracks::languageMatches(held, value)
                                                                       : held == value;
        if (same) return static_cast<int>(i);
    }
    return 0;
}
