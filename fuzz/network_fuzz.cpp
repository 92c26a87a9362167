// Arbitrary options of the network, divider and nearest subcommands, with now and then a stock file
// of arbitrary bytes, through the command line's parsing and the stock file's reading; whatever
// they accept then finds a few values (resistances, ratios, A/B texts or output voltages) in both
// layouts: every JSON line parses and the human text holds nothing but printable ASCII and line
// ends. The search is kept small per input (at most 2 network parts or 1 part per divider leg over
// a large set, at most 10 results), as the parsing is what is fuzzed here.
#include <fuzzer/FuzzedDataProvider.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "cli/divider_run.h"
#include "cli/nearest_run.h"
#include "cli/network_run.h"
#include "cli/options.h"
#include "cli/output.h"

namespace cli = tamblor::cli;

namespace {

// One stock file per process, rewritten for each input that names it.
const std::string& StockPath() {
  static const std::string path = [] {
    std::string name = "/tmp/tamblor_fuzz_stock_XXXXXX";
    const int fd = mkstemp(name.data());
    if (fd < 0) std::abort();
    close(fd);
    return name;
  }();
  return path;
}

template <typename Run>
void FindAll(const cli::CommandLine& commandLine, const std::vector<std::string>& values) {
  cli::Output output;
  Run run(commandLine, output);
  for (const std::string& value : values) run.Value(value);
  const std::string& text = output.Text();
  if (commandLine.json) {
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);)
      if (!nlohmann::json::accept(line)) std::abort();
  } else if (std::ranges::any_of(text,
                                 [](char c) { return c != '\n' && (c < 0x20 || c > 0x7e); })) {
    std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider provider(data, size);
  constexpr const char* subcommands[] = {"nearest", "network", "divider"};
  const int subcommand = provider.ConsumeIntegralInRange(0, 2);
  std::vector<std::string> arguments{"tamblor-cli", subcommands[subcommand]};
  for (int count = provider.ConsumeIntegralInRange(0, 8); count > 0; --count)
    arguments.push_back(provider.ConsumeRandomLengthString(24));
  if (provider.ConsumeBool()) {
    const auto at = arguments.begin() + provider.ConsumeIntegralInRange<long>(2, arguments.size());
    arguments.insert(at, {"--stock", StockPath()});
    std::ofstream(StockPath(), std::ios::binary) << provider.ConsumeRandomLengthString(4096);
  }
  std::vector<const char*> argv;
  for (const std::string& argument : arguments) argv.push_back(argument.c_str());
  cli::CommandLine commandLine;
  if (cli::ParseCommandLine(static_cast<int>(argv.size()), argv.data(), commandLine)) return 0;

  std::vector<std::string> values(
      commandLine.values.begin(),
      commandLine.values.begin() + std::min<std::size_t>(commandLine.values.size(), 4));
  values.push_back(provider.ConsumeRandomLengthString(32));
  tamblor::NetworkRequest& request = commandLine.network;
  if (request.parts.size() > 48) request.maxParts = std::min(request.maxParts, 2);
  request.top = std::min(request.top, 10);
  tamblor::DividerRequest& divider = commandLine.divider;
  if (divider.parts.size() > 48) divider.legParts = 1;
  divider.top = std::min(divider.top, 10);
  for (const bool json : {false, true}) {
    commandLine.json = json;
    if (commandLine.command == cli::Command::Network) {
      FindAll<cli::NetworkRun>(commandLine, values);
    } else if (commandLine.command == cli::Command::Divider) {
      FindAll<cli::DividerRun>(commandLine, values);
    } else {
      FindAll<cli::NearestRun>(commandLine, values);
    }
  }
  return 0;
}
