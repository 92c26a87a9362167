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

// The options of every search over a set of parts, as given, before they are checked: where the
// parts come from, their bounds and tolerance, and which results are shown.
struct GivenPartOptions {
  std::string series = "e24";
  std::string stock;
  std::string min = "1R";
  std::string max = "10M";
  std::string exclude;
  int top = 3;
  std::string tolerance;
  std::string rank = "error";
};

// The parts and choices those options make, checked.
struct PartChoices {
  std::vector<Part> parts;  // bounded, exclusions applied
  std::optional<double> tolerance;
  int top = 3;
  Ranking ranking = Ranking::Error;
};

// Adds --series, --stock, --min, --max and --exclude to a subcommand.
void DefinePartOptions(CLI::App& command, GivenPartOptions& given);
// Adds --top, described by `topHelp` (its default is given.top), --tolerance and --rank.
void DefineRankingOptions(CLI::App& command, GivenPartOptions& given, std::string_view topHelp);
// The parts and choices the options ask for; or the problem, naming the option.
std::optional<std::string> ReadPartOptions(const CLI::App& command, const GivenPartOptions& given,
                                           PartChoices& choices);

// The network subcommand's options as given.
struct GivenNetworkOptions {
  GivenPartOptions parts;
  int maxParts = 3;
};

// Adds the network options, all but the values and --json, to its subcommand.
void DefineNetworkOptions(CLI::App& command, GivenNetworkOptions& given);

// The search the options ask for, with its parts bounded; or the problem, naming the option.
std::optional<std::string> BuildNetworkRequest(const CLI::App& command,
                                               const GivenNetworkOptions& given,
                                               NetworkRequest& request);

// The sets of a comma-separated list ("e96,e24"), in its order; or the problem, naming `option`.
std::optional<std::string> ReadSeriesList(std::string_view option, std::string_view list,
                                          std::vector<PartOrigin>& series);

// A resistance in the notation, above zero, for `option`; or the problem, naming it.
std::optional<std::string> ReadBound(std::string_view option, std::string_view text, double& ohms);

// A text of the user's within a message, quoted, with what could drive a terminal escaped.
std::string Quoted(std::string_view text);

}  // namespace tamblor::cli
