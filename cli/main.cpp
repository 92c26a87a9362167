#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <string>

#include "cli/calculator.h"
#include "cli/divider_run.h"
#include "cli/human_output.h"
#include "cli/json_output.h"
#include "cli/line_reader.h"
#include "cli/nearest_run.h"
#include "cli/network_run.h"
#include "cli/options.h"
#include "cli/output.h"

namespace tamblor::cli {
namespace {

// Calculates the values one by one, writes their results and notes whether any gave none.
class CalculatorRun {
 public:
  CalculatorRun(const CommandLine& commandLine, Output& output)
      : json_(commandLine.json),
        calculator_(commandLine),
        output_(output),
        jsonWriter_(output.Text()) {}

  void Value(std::string_view required) {
    const bool result = calculator_.Calculate(required);
    const CalculatorState& state = calculator_.State();
    const TextForm& form = calculator_.Form();
    if (json_) {
      jsonWriter_.Append(required, state, form);
    } else {
      if (valueCount_ > 0) output_.Text() += '\n';
      AppendHumanResult(required, state, form, output_.Text());
      if (form.Message()) {
        messageLine_.assign(form.Message()->title).append(": ").append(form.Message()->text);
        output_.Message(messageLine_);
      }
    }
    anyWithoutResult_ = anyWithoutResult_ || !result;
    ++valueCount_;
    output_.WriteIfFull();
  }

  void Flush() { output_.Flush(); }
  bool AnyWithoutResult() const { return anyWithoutResult_; }

 private:
  bool json_;
  Calculator calculator_;
  Output& output_;
  JsonResultWriter jsonWriter_;
  std::string messageLine_;
  long valueCount_ = 0;
  bool anyWithoutResult_ = false;
};

// Gives `run` each value of the arguments, or else each line of standard input but the blank
// ones; returns the exit status.
template <typename Run>
int RunValues(const CommandLine& commandLine) {
  Output output;
  Run run(commandLine, output);
  if (commandLine.values.empty()) {
    LineReader reader(STDIN_FILENO, [&run] { run.Flush(); });
    for (std::string_view line; reader.Next(line);) {
      if (!line.empty()) run.Value(line);
    }
    if (reader.Error() != 0) {
      run.Flush();
      std::fprintf(stderr, "tamblor-cli: cannot read standard input: %s\n",
                   std::strerror(reader.Error()));
      return 2;
    }
  } else {
    for (const std::string& value : commandLine.values) run.Value(value);
  }
  run.Flush();
  return run.AnyWithoutResult() ? 1 : 0;
}

int Main(int argc, const char* const* argv) {
  CommandLine commandLine;
  if (const std::optional<int> status = ParseCommandLine(argc, argv, commandLine)) return *status;
  switch (commandLine.command) {
    case Command::Network:
      return RunValues<NetworkRun>(commandLine);
    case Command::Divider:
      return RunValues<DividerRun>(commandLine);
    case Command::Nearest:
      return RunValues<NearestRun>(commandLine);
    case Command::Calculator:
      break;
  }
  return RunValues<CalculatorRun>(commandLine);
}

}  // namespace
}  // namespace tamblor::cli

int main(int argc, char** argv) {
  try {
    return tamblor::cli::Main(argc, argv);
  } catch (const std::exception& failure) {
    std::fprintf(stderr, "tamblor-cli: %s\n", failure.what());
    return EXIT_FAILURE;
  }
}
