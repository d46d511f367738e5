#pragma once
// The frame-rate rules of the two workers, as pure functions over rationals so they
// can be tested without media. A time base is seconds per tick (num/den); {0, 0}
// means "no time base": the encoder then refuses to open and the row fails.

extern "C" {
#include <libavutil/rational.h>
}

namespace framerate {

// A source rate above 1000 fps (a container clock such as 90000/1) is read as
// num/1001 before anything else uses it. An unset rate stays unset.
AVRational normaliseSourceRate(AVRational rate);

// Whole frames per second in integer arithmetic (30000/1001 gives 29); 0 when unset.
int wholeRate(AVRational rate);

// The source rate is exactly 359/12 (such sources get their video stamped by order).
bool isOddRate(AVRational rate);

// Convert's table: the listed outputFrameRate values, 0 = the source rate inverted;
// an "rm" output always keeps the source rate.
AVRational transcodeTimeBase(double outputFrameRate, AVRational sourceRate, bool rmOutput);

// Merge's table (1001-based for most rates, no "rm" rule).
AVRational mergeTimeBase(double outputFrameRate, AVRational sourceRate);

// Pictures per second of a time base in integer arithmetic (den / num).
int ticksPerSecond(AVRational timeBase);

// H.264 levels, written as ten times their number (41 = level 4.1; 0 = no limit).
// True when a width x height stream at `rate` pictures per second stays within the
// level's frame size and macroblock rate.
bool fitsH264Level(int level, int width, int height, double rate);
// `rate` when it fits the level; otherwise half of it when that is a rate of the
// conversion table and fits, else the highest table rate below it that fits; 0 when
// no rate helps (the frame alone is larger than the level allows).
double rateWithinH264Level(int level, int width, int height, double rate);

}  // namespace framerate
