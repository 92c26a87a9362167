// Arbitrary arguments and standard input through the command line's parsing, its line reading and
// both writers: every JSON line parses, and the human output holds nothing but printable ASCII
// and line ends, whatever the input held.
#include <fuzzer/FuzzedDataProvider.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "cli/calculator.h"
#include "cli/human_output.h"
#include "cli/json_output.h"
#include "cli/line_reader.h"

namespace cli = tamblor::cli;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider provider(data, size);
  std::vector<std::string> arguments{"tamblor-cli"};
  for (int count = provider.ConsumeIntegralInRange(0, 6); count > 0; --count)
    arguments.push_back(provider.ConsumeRandomLengthString(24));
  std::vector<const char*> argv;
  for (const std::string& argument : arguments) argv.push_back(argument.c_str());
  cli::CommandLine commandLine;
  if (cli::ParseCommandLine(static_cast<int>(argv.size()), argv.data(), commandLine)) return 0;

  // The input fits the pipe: run-fuzzers keeps inputs far below its 64 KiB.
  const std::string input = provider.ConsumeRemainingBytesAsString();
  int pipeEnds[2];
  if (pipe(pipeEnds) != 0) std::abort();
  const bool written = write(pipeEnds[1], input.data(), input.size()) == ssize_t(input.size());
  close(pipeEnds[1]);
  std::vector<std::string> values = commandLine.values;
  cli::LineReader reader(pipeEnds[0], nullptr);
  for (std::string_view line; written && reader.Next(line);) {
    if (line.size() > cli::LineReader::maxLineLength) std::abort();
    if (!line.empty()) values.emplace_back(line);
  }
  close(pipeEnds[0]);

  cli::Calculator calculator(commandLine);
  std::string human, json;
  cli::JsonResultWriter jsonWriter(json);
  for (const std::string& value : values) {
    calculator.Calculate(value);
    cli::AppendHumanResult(value, calculator.State(), calculator.Form(), human);
    jsonWriter.Append(value, calculator.State(), calculator.Form());
  }
  const auto unprintable = [](char c) { return c != '\n' && (c < 0x20 || c > 0x7e); };
  if (std::ranges::any_of(human, unprintable)) std::abort();
  std::istringstream lines(json);
  for (std::string line; std::getline(lines, line);)
    if (!nlohmann::json::accept(line)) std::abort();
  return 0;
}
