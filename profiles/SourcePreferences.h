#pragma once
// How sources are read, whatever the profile: the language a person prefers for
// sound and subtitle tracks, and how long a still picture (a JPEG, PNG, …) lasts
// as a video. The window keeps them in its configuration file and offers them in
// the "Setting" dialog; the command line takes them as --language and
// --still-seconds. Pure functions and tables, any thread.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

class AVConvert;

constexpr int kDefaultStillSeconds = 5;
constexpr int kMinStillSeconds = 1;
constexpr int kMaxStillSeconds = 3600;

struct SourcePreferences {
    std::string language;  // ISO 639 code ("de", "ger"); "" = the desktop's language
    int stillPictureSeconds = kDefaultStillSeconds;
    bool operator==(const SourcePreferences&) const = default;
};

// A language code of two or three letters, lower-cased ("GER" -> "ger"); "" stays
// "" (the desktop's). nullopt for anything else ("english", "d1").
std::optional<std::string> PreferredLanguageFromText(std::string_view text);
// Whole seconds from kMinStillSeconds to kMaxStillSeconds, digits only; nullopt otherwise.
std::optional<int> StillSecondsFromText(std::string_view text);

// Copies the preferences into the job: the track choice and the probe follow them.
void ApplySourcePreferences(const SourcePreferences& preferences, AVConvert& job);

// One entry of a drop-down list and the value it stands for.
struct PreferenceEntry {
    std::string text;
    std::string value;
};
// "Desktop's: German" (or "Desktop's: none" when the desktop names no language),
// then the offered languages by their English names ("German (ger)"); a stored code
// the table does not know gets an entry of its own at the end. `desktop` is the
// desktop's language code (tracks::desktopLanguage()).
std::vector<PreferenceEntry> LanguageEntries(const std::string& stored, const std::string& desktop);
// "1 s" … "60 s"; a stored length that is none of them gets its own entry, in order.
std::vector<PreferenceEntry> StillSecondsEntries(int stored);
// The entry holding `value` (a language matching it in any ISO 639 form); 0 when none.
int EntryIndexFor(const std::vector<PreferenceEntry>& entries, const std::string& value, bool language);
