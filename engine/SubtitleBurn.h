#pragma once
// Subtitles burned into the picture. Text tracks (SRT, ASS/SSA, mov_text, WebVTT,
// in the source or in a file beside it) go through libavfilter's `subtitles`
// filter: libass draws them with their styles and the fonts attached to the source.
// The filter reads the track itself, so the row's packet loop never sees it.
// Worker thread only.

#include "engine/TrackChoice.h"

#include <string>

namespace subtitles {

// Escapes a text for one level of a filter graph description: the value of a
// filter option inside a graph is read twice (graph, then option), so a path is
// escaped for both ("a'b:c" -> "a\\\\\\'b\\\\:c").
std::string escapeForGraph(const std::string& value);

// The filter chain ("" when the track is not drawn this way: bitmap subtitles)
// that draws `track` of the source at sourcePath on pictures whose timestamps are
// the source's own. startSeconds: the source's start time; a file beside the
// source counts from the source's first moment, not from its timestamp origin.
std::string textFilter(const tracks::Track& track, const std::string& sourcePath, double startSeconds);

}  // namespace subtitles
