#pragma once

#include <optional>
#include <string>
#include <vector>

#include "settings/settings_file.h"

namespace tamblor::cli {

// What the arguments ask for.
struct CommandLine {
  bool json = false;                // JSON Lines instead of the human layout
  std::vector<std::string> values;  // empty: read standard input
  // The settings file's record (or the defaults), with the options given applied over it.
  Settings settings;
};

// Parses the arguments into `commandLine`. Returns an exit status when the program ends here:
// 0 once the help or the version is printed, 2 once a usage error is reported on standard error.
std::optional<int> ParseCommandLine(int argc, const char* const* argv, CommandLine& commandLine);

}  // namespace tamblor::cli
