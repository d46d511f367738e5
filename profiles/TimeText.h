#pragma once
// Time texts of the task list: "HH:MM:SS", each part zero-padded to two digits
// (hours grow to three digits from 100 hours on).

#include <string>
#include <string_view>

// A negative number of seconds gives "00:00:00".
std::string FormatTime(int seconds);
// hours before the first ":", minutes from the two characters after it, seconds after
// the last ":"; each read like atoi (leading digits, 0 if none). A text without ":" is
// a plain number of seconds. The result saturates at the limits of int.
int ParseTime(std::string_view text);

// A clip time to the tenth of a second: "HH:MM:SS" when the tenths are 0 (the
// whole-second texts every earlier version wrote and reads), else "HH:MM:SS.t".
// `seconds` is cut down to its tenth (a time between two tenths gives the earlier).
std::string FormatTimeTenths(double seconds);
// Reads FormatTime and FormatTimeTenths texts (and any "SS.fff" fraction) as
// seconds; whole-second texts give exactly what ParseTime gives.
double ParseTimeSeconds(std::string_view text);
// A player's clock: "h:mm:ss.t" (hours unpadded), with `decimalPoint` before the
// tenths. Negative or not-a-number times show as 0.
std::string FormatClock(double seconds, char32_t decimalPoint = U'.');
