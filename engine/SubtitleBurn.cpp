#include "engine/SubtitleBurn.h"

#include <cmath>
#include <cstdio>

namespace subtitles {
namespace {

std::string escapeLevel(const std::string& value, const char* specials) {
    std::string out;
    for (char c : value) {
        if (c == '\\' || std::string_view(specials).find(c) != std::string_view::npos) out += '\\';
        out += c;
    }
    return out;
}

}  // namespace

std::string escapeForGraph(const std::string& value) {
    // Inner level: the option parser's separators; outer level: the graph's.
    return escapeLevel(escapeLevel(value, "':"), "'[],;");
}

std::string textFilter(const tracks::Track& track, const std::string& sourcePath, double startSeconds) {
    if (track.bitmap || track.kind != tracks::TrackKind::Subtitle) return {};
    if (track.file.empty()) {
        // si counts the source's subtitle streams, as kindIndex does.
        return "subtitles=filename=" + escapeForGraph(sourcePath) + ":si=" + std::to_string(track.kindIndex);
    }
    const std::string draw = "subtitles=filename=" + escapeForGraph(track.file);
    if (!std::isfinite(startSeconds) || std::fabs(startSeconds) < 1e-6) return draw;
    char shift[64];
    std::snprintf(shift, sizeof shift, "%.6f/TB", startSeconds);
    return std::string("setpts=PTS-") + shift + "," + draw + ",setpts=PTS+" + shift;
}

}  // namespace subtitles
