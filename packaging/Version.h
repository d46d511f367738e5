#pragma once
// The program's version, "2.1": the project version of the top CMakeLists.txt,
// compiled into the korbanix_version library. Both programs' --version, the
// About box, the man pages and the package show this one number.

#include <string_view>

std::string_view KorbanixVersion();
