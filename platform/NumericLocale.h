#pragma once
// Numbers between the program and its libraries are written in the C convention
// ("4.1", "29.97"), whatever the person's locale. The toolkit sets the C library's
// numeric locale from the environment when the application object is made, and
// libraries that read or print numbers with the C library (libx264's level and
// option parser, printf/strtod in FFmpeg's option code) then expect "4,1" under a
// German or French locale and refuse the profiles' settings. Texts shown to the
// person are formatted with QLocale, which does not depend on this setting.
//
// UI thread only, and only while no worker thread runs: setlocale is process-wide.

// Sets LC_NUMERIC back to "C" (the other categories keep the person's locale).
void UseCNumericLocale();

// True when LC_NUMERIC is the C convention (a "." decimal point, no grouping).
bool NumericLocaleIsC();
