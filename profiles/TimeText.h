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
