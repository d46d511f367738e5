#include "engine/TrackChoice.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdlib>
#include <filesystem>

namespace tracks {
namespace {

// ISO 639-1 with its ISO 639-2 bibliographic and terminological codes (the same
// when the language has one 639-2 code), one row per language.
struct LanguageCodes {
    const char* two;
    const char* bibliographic;
    const char* terminological;
};
constexpr std::array<LanguageCodes, 56> kLanguages{{
    {"en", "eng", "eng"}, {"de", "ger", "deu"}, {"fr", "fre", "fra"}, {"es", "spa", "spa"}, {"it", "ita", "ita"},
    {"ja", "jpn", "jpn"}, {"zh", "chi", "zho"}, {"ko", "kor", "kor"}, {"ru", "rus", "rus"}, {"pt", "por", "por"},
    {"nl", "dut", "nld"}, {"sv", "swe", "swe"}, {"no", "nor", "nor"}, {"nb", "nob", "nob"}, {"nn", "nno", "nno"},
    {"da", "dan", "dan"}, {"fi", "fin", "fin"}, {"pl", "pol", "pol"}, {"cs", "cze", "ces"}, {"sk", "slo", "slk"},
    {"hu", "hun", "hun"}, {"ro", "rum", "ron"}, {"el", "gre", "ell"}, {"tr", "tur", "tur"}, {"ar", "ara", "ara"},
    {"he", "heb", "heb"}, {"hi", "hin", "hin"}, {"th", "tha", "tha"}, {"vi", "vie", "vie"}, {"id", "ind", "ind"},
    {"ms", "may", "msa"}, {"uk", "ukr", "ukr"}, {"bg", "bul", "bul"}, {"hr", "hrv", "hrv"}, {"sr", "srp", "srp"},
    {"sl", "slv", "slv"}, {"et", "est", "est"}, {"lv", "lav", "lav"}, {"lt", "lit", "lit"}, {"is", "ice", "isl"},
    {"ga", "gle", "gle"}, {"ca", "cat", "cat"}, {"eu", "baq", "eus"}, {"gl", "glg", "glg"}, {"fa", "per", "fas"},
    {"ta", "tam", "tam"}, {"bn", "ben", "ben"}, {"ur", "urd", "urd"}, {"sq", "alb", "sqi"}, {"mk", "mac", "mkd"},
    {"hy", "arm", "hye"}, {"ka", "geo", "kat"}, {"cy", "wel", "cym"}, {"bo", "tib", "bod"}, {"my", "bur", "mya"},
    {"tl", "tgl", "tgl"},
}};

// Extensions of subtitle files read beside a source, in the order they are listed.
constexpr std::array<const char*, 6> kSubtitleFileExtensions{".srt", ".ass", ".ssa", ".SRT", ".ASS", ".SSA"};

std::string lower(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

// The language's ISO 639-2/B code when the table knows it, else the tag itself.
std::string canonical(std::string_view tag) {
    const std::string code = lower(tag);
    for (const LanguageCodes& row : kLanguages)
        if (code == row.two || code == row.bibliographic || code == row.terminological) return row.bibliographic;
    return code;
}

bool looksLikeLanguage(std::string_view text) {
    return (text.size() == 2 || text.size() == 3) &&
           std::all_of(text.begin(), text.end(), [](char c) { return std::isalpha(static_cast<unsigned char>(c)); });
}

std::string tag(const AVDictionary* metadata, const char* key) {
    const AVDictionaryEntry* entry = av_dict_get(metadata, key, nullptr, 0);
    return entry && entry->value ? entry->value : "";
}

bool isBitmapSubtitle(AVCodecID id) {
    const AVCodecDescriptor* desc = avcodec_descriptor_get(id);
    return desc && (desc->props & AV_CODEC_PROP_BITMAP_SUB);
}

Track streamTrack(const AVStream& stream, TrackKind kind, int kindIndex) {
    Track track;
    track.kind = kind;
    track.number = kindIndex + 1;
    track.streamIndex = stream.index;
    track.kindIndex = kindIndex;
    track.language = tag(stream.metadata, "language");
    if (track.language == "und") track.language.clear();  // Matroska's "undetermined"
    track.codec = avcodec_get_name(stream.codecpar->codec_id);
    track.channels = kind == TrackKind::Audio ? stream.codecpar->ch_layout.nb_channels : 0;
    track.title = tag(stream.metadata, "title");
    track.isDefault = stream.disposition & AV_DISPOSITION_DEFAULT;
    track.forced = stream.disposition & AV_DISPOSITION_FORCED;
    track.bitmap = kind == TrackKind::Subtitle && isBitmapSubtitle(stream.codecpar->codec_id);
    return track;
}

void addSubtitleFiles(const std::string& sourcePath, std::vector<Track>& out, int& count) {
    if (sourcePath.empty()) return;
    std::filesystem::path stem(sourcePath);
    stem.replace_extension();
    std::error_code error;
    for (const char* extension : kSubtitleFileExtensions) {
        const std::filesystem::path file = stem.string() + extension;
        if (!std::filesystem::is_regular_file(file, error)) continue;
        const bool sameFile = std::any_of(out.begin(), out.end(), [&](const Track& t) {
            return !t.file.empty() && std::filesystem::equivalent(t.file, file, error);
        });
        if (sameFile) continue;  // a file system that ignores case lists .srt and .SRT once
        Track track;
        track.kind = TrackKind::Subtitle;
        track.number = ++count;
        track.file = file.string();
        const std::string ext = lower(extension);
        track.codec = ext == ".srt" ? "subrip" : ext == ".ass" ? "ass" : "ssa";
        out.push_back(std::move(track));
    }
}

std::vector<int> ofKind(const std::vector<Track>& tracks, TrackKind kind) {
    std::vector<int> positions;
    for (std::size_t i = 0; i < tracks.size(); ++i)
        if (tracks[i].kind == kind) positions.push_back(static_cast<int>(i));
    return positions;
}

// The first of `candidates` in the language; -1 when none is.
int firstInLanguage(const std::vector<Track>& tracks, const std::vector<int>& candidates, std::string_view language) {
    if (language.empty()) return -1;
    for (int i : candidates)
        if (languageMatches(tracks[i].language, language)) return i;
    return -1;
}

const char* kindWord(TrackKind kind) { return kind == TrackKind::Audio ? "audio" : "subtitle"; }

// A request by number or language; nullopt when the request is automatic or none.
std::optional<Choice> chooseAsked(const std::vector<Track>& tracks, const TrackRequest& request, TrackKind kind) {
    const std::vector<int> all = ofKind(tracks, kind);
    if (request.mode == TrackRequest::Mode::Number) {
        if (request.number >= 1 && request.number <= static_cast<int>(all.size())) return Choice{all[request.number - 1], {}};
        return Choice{-1, "The source has no " + std::string(kindWord(kind)) + " track " + std::to_string(request.number)};
    }
    if (request.mode == TrackRequest::Mode::Language) {
        const int found = firstInLanguage(tracks, all, request.language);
        if (found >= 0) return Choice{found, {}};
    }
    return std::nullopt;
}

}  // namespace

std::vector<Track> listTracks(const AVFormatContext& input, const std::string& sourcePath) {
    std::vector<Track> out;
    int audio = 0;
    for (unsigned i = 0; i < input.nb_streams; ++i)
        if (input.streams[i]->codecpar->codec_type == AVMEDIA_TYPE_AUDIO)
            out.push_back(streamTrack(*input.streams[i], TrackKind::Audio, audio++));
    int subtitles = 0;
    for (unsigned i = 0; i < input.nb_streams; ++i)
        if (input.streams[i]->codecpar->codec_type == AVMEDIA_TYPE_SUBTITLE)
            out.push_back(streamTrack(*input.streams[i], TrackKind::Subtitle, subtitles++));
    addSubtitleFiles(sourcePath, out, subtitles);
    return out;
}

std::optional<TrackRequest> TrackRequest::parse(std::string_view text) {
    const std::string word = lower(text);
    TrackRequest request;
    if (word.empty() || word == "auto") return request;
    if (word == "none") {
        request.mode = Mode::None;
        return request;
    }
    if (std::all_of(word.begin(), word.end(), [](char c) { return std::isdigit(static_cast<unsigned char>(c)); })) {
        if (word.size() > 4 || std::atoi(word.c_str()) < 1) return std::nullopt;
        request.mode = Mode::Number;
        request.number = std::atoi(word.c_str());
        return request;
    }
    if (!looksLikeLanguage(word)) return std::nullopt;
    request.mode = Mode::Language;
    request.language = word;
    return request;
}

bool languageMatches(std::string_view tagged, std::string_view wanted) {
    return !tagged.empty() && !wanted.empty() && canonical(tagged) == canonical(wanted);
}

std::string desktopLanguage() {
    // LANGUAGE lists languages in order of preference ("de:en"); LANG names the locale.
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(name);
        if (!value || !*value) continue;
        std::string first(value);
        first = first.substr(0, first.find(':'));
        first = first.substr(0, first.find_first_of("_.@"));
        if (first == "C" || first == "POSIX" || !looksLikeLanguage(first)) continue;
        return lower(first);
    }
    return {};
}

Choice chooseAudio(const std::vector<Track>& tracks, const TrackRequest& request, std::string_view preferred,
                   bool asked) {
    if (auto chosen = chooseAsked(tracks, request, TrackKind::Audio)) return *chosen;
    const std::vector<int> all = ofKind(tracks, TrackKind::Audio);
    if (all.empty()) return {};
    // A language asked for is the person's own choice; the default flag is the
    // file's author's, for whoever does not ask.
    if (const int inLanguage = asked ? firstInLanguage(tracks, all, preferred) : -1; inLanguage >= 0)
        return {inLanguage, {}};
    std::vector<int> flagged;
    std::copy_if(all.begin(), all.end(), std::back_inserter(flagged), [&](int i) { return tracks[i].isDefault; });
    const std::vector<int>& candidates = flagged.empty() ? all : flagged;
    const int inLanguage = firstInLanguage(tracks, candidates, preferred);
    return {inLanguage >= 0 ? inLanguage : candidates.front(), {}};
}

Choice chooseSubtitle(const std::vector<Track>& tracks, const TrackRequest& request, std::string_view preferred) {
    if (request.mode == TrackRequest::Mode::None) return {};
    if (auto asked = chooseAsked(tracks, request, TrackKind::Subtitle)) return *asked;
    if (request.mode == TrackRequest::Mode::Language) return {};  // no track in that language
    std::vector<int> forced;
    for (int i : ofKind(tracks, TrackKind::Subtitle))
        if (tracks[i].forced) forced.push_back(i);
    if (forced.empty()) return {};
    const int inLanguage = firstInLanguage(tracks, forced, preferred);
    return {inLanguage >= 0 ? inLanguage : forced.front(), {}};
}

std::string outputLanguage(std::string_view tag) {
    const std::string code = lower(tag);
    if (code.empty() || code == "und") return {};
    if (code.size() == 2)
        for (const LanguageCodes& row : kLanguages)
            if (code == row.two) return row.bibliographic;
    return code;
}

std::string describe(const Track& track) {
    std::string text = std::to_string(track.number) + ": " + (track.language.empty() ? "?" : track.language);
    text += ", " + track.codec;
    if (track.kind == TrackKind::Audio)
        text += ", " + std::to_string(track.channels) + (track.channels == 1 ? " channel" : " channels");
    if (!track.title.empty()) text += ", \"" + track.title + "\"";
    if (!track.file.empty()) text += ", file " + std::filesystem::path(track.file).filename().string();
    if (track.isDefault) text += ", default";
    if (track.forced) text += ", forced";
    return text;
}

}  // namespace tracks
