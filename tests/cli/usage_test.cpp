// Usage errors, the help and the version.
#include <gtest/gtest.h>

#include "run_cli.h"

namespace tamblor::cli::test {
namespace {

struct UsageCase {
  std::string name;
  std::vector<std::string> arguments;
  std::string named;  // what the problem line must mention
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const UsageCase& c, std::ostream* os) { *os << c.name; }

const std::vector<UsageCase> usageCases{
    {"UnknownOption", {"--bogus", "4k7"}, "--bogus"},
    {"UnknownSeries", {"--series", "e12", "4k7"}, "--series"},
    {"MissingSeries", {"--series"}, "--series"},
    {"UnknownTolerance", {"--tolerance", "2", "4k7"}, "--tolerance"},
    {"E24BandsOutOfChoice", {"--e24-bands", "7", "4k7"}, "--e24-bands"},
    {"E24BandsNotANumber", {"--e24-bands", "four", "4k7"}, "--e24-bands"},
    {"E96BandsOutOfChoice", {"--e96-bands", "4", "4k7"}, "--e96-bands"},
    {"MissingSettingsFile", {"--settings", "/nonexistent/Tamblor.dat", "4k7"}, "--settings"},
    {"SettingsFileIsADirectory", {"--settings", "/", "4k7"}, "--settings"},
};

class UsageError : public testing::TestWithParam<UsageCase> {};

TEST_P(UsageError, NamesTheProblemOnOneLineThenShowsTheUsage) {
  const CliRun run = RunCli(GetParam().arguments);
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.out, "");
  const std::string problem = run.err.substr(0, run.err.find('\n'));
  EXPECT_EQ(problem.rfind("tamblor-cli: ", 0), 0u) << problem;
  EXPECT_NE(problem.find(GetParam().named), std::string::npos) << problem;
  EXPECT_NE(run.err.find("\nUsage: tamblor-cli"), std::string::npos) << run.err;
}

INSTANTIATE_TEST_SUITE_P(Cli, UsageError, testing::ValuesIn(usageCases),
                         [](const auto& info) { return info.param.name; });

TEST(CliUsage, PrintsTheVersion) {
  const CliRun run = RunCli({"--version"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "tamblor-cli 1.2.55\n");
}

TEST(CliUsage, PrintsTheHelpWithEveryOption) {
  for (const char* help : {"-h", "--help"}) {
    const CliRun run = RunCli({help});
    EXPECT_EQ(run.status, 0) << help;
    for (const char* option :
         {"--series", "--tolerance", "--e24-min", "--e24-max", "--e96-min", "--e96-max",
          "--e24-bands", "--e96-bands", "--settings", "--json", "--version"}) {
      EXPECT_NE(run.out.find(option), std::string::npos) << help << " " << option;
    }
  }
}

TEST(CliUsage, TakesANegativeLookingValueAsAValue) {
  const CliRun run = RunCli({"-1"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "Validation Error: Requested value is not a valid number\n");
}

}  // namespace
}  // namespace tamblor::cli::test
