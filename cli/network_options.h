#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "network/network_query.h"
#include "network/part.h"

namespace CLI {
class App;
}

namespace tamblor::cli {

// The network subcommand's options as given, before they are checked.
struct GivenNetworkOptions {
  std::string series = "e24";
  std::string stock;
  std::string min = "1R";
  std::string max = "10M";
  std::string exclude;
  int maxParts = 3;
  int top = 3;
  std::string tolerance;
  std::string rank = "error";
};

// Adds the network options, all but the values and --json, to its subcommand.
void DefineNetworkOptions(CLI::App& command, GivenNetworkOptions& given);

// The search the options ask for, with its parts bounded; or the problem, naming the option.
std::optional<std::string> BuildNetworkSpec(const CLI::App& command,
                                            const GivenNetworkOptions& given,
                                            NetworkSearchSpec& spec);

// The sets of a comma-separated list ("e96,e24"), in its order; or the problem, naming `option`.
std::optional<std::string> ReadSeriesList(std::string_view option, std::string_view list,
                                          std::vector<PartOrigin>& series);

}  // namespace tamblor::cli
