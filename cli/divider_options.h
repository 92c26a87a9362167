#pragma once

#include <optional>
#include <string>

#include "cli/network_options.h"
#include "network/divider_query.h"

namespace CLI {
class App;
}

namespace tamblor::cli {

// The divider subcommand's options as given, before they are checked.
struct GivenDividerOptions {
  GivenPartOptions parts = [] {
    GivenPartOptions defaults;
    defaults.top = 5;
    return defaults;
  }();
  int legParts = 1;
  std::string totalMin = "1k";
  std::string totalMax = "1M";
  std::string vref;
};

// Adds the divider options, all but the values and --json, to its subcommand.
void DefineDividerOptions(CLI::App& command, GivenDividerOptions& given);

// The search the options ask for and the reference voltage, if given; or the problem, naming the
// option.
std::optional<std::string> BuildDividerRequest(const CLI::App& command,
                                               const GivenDividerOptions& given,
                                               DividerRequest& request,
                                               std::optional<double>& referenceVolts);

}  // namespace tamblor::cli
