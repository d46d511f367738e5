#pragma once
// Which sound track a row converts and which subtitle track it burns into the
// picture: decided here, in one place, from each track's own metadata (language,
// default and forced flags), the person's preferred language and what the task
// asks for. The probe, both workers and the front ends all go through this.
// Pure functions, any thread.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct AVFormatContext;

namespace tracks {

enum class TrackKind { Audio, Subtitle };

// One sound or subtitle track of a source. A subtitle file beside the source with
// the same base name (movie.srt beside movie.mkv) is a track too.
struct Track {
    TrackKind kind = TrackKind::Audio;
    int number = 0;        // 1, 2, … among the tracks of its kind, as people count them
    int streamIndex = -1;  // in the source; -1 for a file beside it
    int kindIndex = -1;    // 0, 1, … among the source's streams of its kind; -1 for a file
    std::string file;      // the subtitle file beside the source ("" = inside the source)
    std::string language;  // as tagged (ISO 639-2 "eng", sometimes 639-1 "en"); "" = none
    std::string codec;     // FFmpeg's codec name
    int channels = 0;      // sound only
    std::string title;
    bool isDefault = false;
    bool forced = false;
    bool bitmap = false;   // subtitles drawn as pictures (PGS, DVD, DVB)
};

// Every sound track, then every subtitle track, in stream order; the subtitle files
// beside sourcePath come last.
std::vector<Track> listTracks(const AVFormatContext& input, const std::string& sourcePath);

// What a task asks for, as its text: "auto" (or ""), "none", a track number ("2")
// or a language ("jpn", "ja").
struct TrackRequest {
    enum class Mode { Auto, None, Number, Language };
    Mode mode = Mode::Auto;
    int number = 0;
    std::string language;

    // nullopt: the text is none of the forms above.
    static std::optional<TrackRequest> parse(std::string_view text);
};

// True when two language tags name the same language: ISO 639-1 and both ISO 639-2
// forms of a language match ("en" = "eng", "de" = "ger" = "deu"), case ignored.
bool languageMatches(std::string_view tagged, std::string_view wanted);
// The desktop's language from LANGUAGE (its first entry) or LANG ("de_DE.UTF-8" ->
// "de"); "" when neither names one (or it is "C"/"POSIX").
std::string desktopLanguage();

// The outcome of a choice: the chosen track's position in the list (-1: none), or
// why the request cannot be met (a track number the source does not have).
struct Choice {
    int track = -1;
    std::string failure;
};

// Sound: a number or language asks for that track (a language that no track has
// falls back to the automatic choice). Automatic: when the person asked for the
// preferred language (`asked`; not merely the desktop's), the first track in it,
// whatever the default flags say; else among the default-flagged tracks (all, when
// none is flagged), the first in the preferred language, else the first.
Choice chooseAudio(const std::vector<Track>& tracks, const TrackRequest& request, std::string_view preferred,
                   bool asked = false);
// Subtitles: "none" or automatic (the forced track, one in the preferred language
// first when several are forced; none when no track is forced), a number, or a
// language (no such track: none).
Choice chooseSubtitle(const std::vector<Track>& tracks, const TrackRequest& request, std::string_view preferred);

// A language tag as outputs carry it: ISO 639-2 (a 639-1 code becomes its 639-2
// code, "en" -> "eng"); "" for no tag or "und".
std::string outputLanguage(std::string_view tag);

// One line about a track for people: "2: eng, aac, 2 channels, "Commentary", default".
std::string describe(const Track& track);

}  // namespace tracks
