// Values read from standard input, the human layout of the results and the usage errors.
#include <gtest/gtest.h>

#include "run_cli.h"

namespace tamblor::cli::test {
namespace {

TEST(CliInvocation, ReadsEveryLineOfStandardInput) {
  // The long line runs across the end of the reader's first buffer and is longer than it; its
  // first 7 characters count.
  const std::string longLine(70'000, '1');
  const CliRun run =
      RunCli({"--json"}, "4k7\r\n\n289\r\n\r\n\na\"b\\c\t\x01\n4\xff\x80\n" + longLine + "\n4k7");
  EXPECT_EQ(run.status, 1);
  // Per line: the best actual value, the number of list lines and whether a message stopped it.
  Json inputs = Json::array(), results = Json::array();
  for (const Json& line : JsonLines(run.out)) {
    inputs.push_back(line["input"]);
    results.push_back({line["best"]["actual"], line["list"].size(), !line["message"].is_null()});
  }
  EXPECT_EQ(inputs,
            (Json{"4k7", "289", "a\"b\\c\t\x01", "4\xEF\xBF\xBD\xEF\xBF\xBD", longLine, "4k7"}));
  EXPECT_EQ(results, Json::parse(R"([["4k7", 0, false], ["288R934", 1, false], ["", 0, true],
      ["", 0, true], ["1M111", 1, false], ["4k7", 0, false]])"));
}

TEST(CliInvocation, AlignsTheRowsTheListAndTheBands) {
  EXPECT_EQ(RunCli({}, "4k7\n0R6\n").out,
            "4k7\n"
            "  lower   -\n"
            "  best    4k7      4k7      E24\n"
            "  higher  -\n"
            "  R1 bands: yellow violet red brown\n"
            "\n"
            "0R6\n"
            "  lower   0R596    1R1      E24  1R3      E24  -0.6944  in parallel\n"
            "  best    0R6      1R2      E24  1R2      E24  +0.0000  in parallel\n"
            "  higher  0R615    1R       E24  1R6      E24  +2.5641  in parallel  above tolerance\n"
            "  R1 (E24) = 1R2  R2 (E24) = 1R2  in parallel\n"
            "  R1 (E24) = 1R   R2 (E24) = 1R5  in parallel\n"
            "  R1 bands: brown red gold brown\n"
            "  R2 bands: brown red gold brown\n");
}

TEST(CliInvocation, AnErrorNamesTheProblemOnOneLineThenShowsTheUsage) {
  const std::vector<std::pair<std::vector<std::string>, std::string>> cases{
      // arguments, what the problem line names
      {{"--bogus", "4k7"}, "--bogus"},
      {{"--series", "e12", "4k7"}, "--series"},
      {{"--tolerance", "2", "4k7"}, "--tolerance"},
      {{"--e24-bands", "7", "4k7"}, "--e24-bands"},
      {{"--e96-bands", "4", "4k7"}, "--e96-bands"},
      {{"--settings", "/nonexistent/Tamblor.dat", "4k7"}, "--settings"},
      {{"--settings", "/", "4k7"}, "--settings"},
  };
  for (const auto& [arguments, named] : cases) {
    SCOPED_TRACE(testing::PrintToString(arguments));
    const CliRun run = RunCli(arguments);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err.rfind("tamblor-cli: ", 0), 0u) << run.err;
    EXPECT_LT(run.err.find(named), run.err.find('\n')) << run.err;
    EXPECT_EQ(run.err.substr(run.err.find('\n'), 20), "\nUsage: tamblor-cli ") << run.err;
  }
}

TEST(CliInvocation, PrintsTheHelpAndTheVersion) {
  const std::string usage = "\nUsage: tamblor-cli [OPTIONS] [VALUE...]\n";
  EXPECT_NE(RunCli({"-h"}).out.find(usage), std::string::npos);
  EXPECT_NE(RunCli({"--help"}).out.find(usage), std::string::npos);
  EXPECT_EQ(RunCli({"--version"}).out, "tamblor-cli 1.2.55\n");
}

}  // namespace
}  // namespace tamblor::cli::test
