#pragma once
// korbanix-cli presets [CODE]: the settings preset catalogue on the command line.
//
//   korbanix-cli presets         every preset as CODE<TAB>title, catalogue order
//   korbanix-cli presets 91200   one preset: its title, flags and every choice list
//                                the settings dialog offers, the default in [brackets]

#include "cli/CliRun.h"

#include <string>
#include <vector>

namespace cli {

// `args` is the whole command line after the program name, starting with "presets".
// Returns kExitOk, or kExitUsage for an unknown code or extra arguments.
int RunPresets(const std::vector<std::string>& args, CliEnvironment& env);

}  // namespace cli
