#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/calculator_state.h"
#include "network/divider_query.h"
#include "network/network_query.h"
#include "network/part.h"

namespace tamblor::cli {

// The calculator, or the subcommand named first.
enum class Command : std::uint8_t { Calculator, Network, Divider, Nearest };

// What the arguments ask for.
struct CommandLine {
  Command command = Command::Calculator;
  bool json = false;                // JSON Lines instead of the human layout
  std::vector<std::string> values;  // empty: read standard input
  // The form's state from the settings file (or the defaults), with the options given over it.
  CalculatorState state;
  // The first limit option longer than the form's box takes, as its messages name it
  // ("E24 minimum"); empty when there is none.
  std::string_view overlongLimit;
  // The network subcommand's search, its parts already bounded.
  NetworkRequest network;
  // The divider subcommand's search, its parts already bounded, and the reference voltage that
  // makes each value an output voltage.
  DividerRequest divider;
  std::optional<double> referenceVolts;
  // The sets the nearest subcommand looks in, in the order given.
  std::vector<PartOrigin> nearestSeries;
};

// Parses the arguments into `commandLine`. Returns an exit status when the program ends here:
// 0 once the help or the version is printed, 2 once a usage error is reported on standard error.
std::optional<int> ParseCommandLine(int argc, const char* const* argv, CommandLine& commandLine);

}  // namespace tamblor::cli
