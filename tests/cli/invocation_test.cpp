// Values read from standard input, the human layout of the results and the usage errors.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "run_cli.h"

namespace tamblor::cli::test {
namespace {

TEST(CliInvocation, ReadsEveryLineOfStandardInput) {
  // The long line runs across the end of the reader's buffer and is longer than it: it is kept
  // as it begins, and too long for a value.
  const std::string longLine = "1" + std::string(70'000, '0');
  const CliRun run =
      RunCli({"--json"}, "4k7\r\n\n289\r\n\r\n\na\"b\\c\t\x01\n4\xff\x80\n" + longLine + "\n4k7");
  EXPECT_EQ(run.status, 1);
  // Per line: the input, the best actual value, the number of list lines and the message's text.
  Json results = Json::array();
  for (const Json& line : JsonLines(run.out)) {
    results.push_back({line["input"], line["best"]["actual"], line["list"].size(),
                       line["message"].is_null() ? "" : line["message"]["text"]});
  }
  const std::string notValid = "Requested value is not a valid number";
  EXPECT_EQ(results,
            (Json{{"4k7", "4k7", 0, ""},
                  {"289", "288R934", 1, ""},
                  {"a\"b\\c\t\x01", "", 0, notValid},
                  {"4\xEF\xBF\xBD\xEF\xBF\xBD", "", 0, notValid},
                  {longLine.substr(0, 64), "", 0, "Requested value is longer than 7 characters"},
                  {"4k7", "4k7", 0, ""}}));
  // A line that never ends is skipped as it streams past; a read error is no end of the input.
  const std::string hole = testing::TempDir() + "tamblor_cli_" + std::to_string(getpid());
  std::ofstream{hole};
  std::filesystem::resize_file(hole, 256 << 20);
  const CliRun endless = RunCli({}, "", hole.c_str());
  std::filesystem::remove(hole);
  EXPECT_LT(endless.peakKilobytes, 64 << 10);
  EXPECT_EQ(endless.err, "Validation Error: Requested value is longer than 7 characters\n");
  const CliRun folder = RunCli({}, "", ".");
  EXPECT_EQ(folder.err, "tamblor-cli: cannot read standard input: Is a directory\n");
  EXPECT_EQ(folder.status, 2);
}

TEST(CliInvocation, AlignsTheRowsTheListAndTheBands) {
  // An echoed value shows its control characters, a backslash and bytes outside ASCII escaped.
  EXPECT_EQ(RunCli({"4\x1b\\\t\xff"}).out,
            "4\\u001b\\\\\\t\\xff\n  lower   -\n  best    -\n  higher  -\n");
  EXPECT_EQ(RunCli({}, "0R6\n").out,
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
  // Each: the arguments, then what the problem line names.
  const Json cases = Json::parse(R"([[["--bogus", "4k7"], "--bogus"],
    [["--series", "e12", "4k7"], "--series"], [["--tolerance", "2", "4k7"], "--tolerance"],
    [["--e24-bands", "7", "4k7"], "--e24-bands"], [["--e96-bands", "4", "4k7"], "--e96-bands"],
    [["--e24-bands", "", "4k7"], "--e24-bands"], [["--e24-bands=", "4k7"], "--e24-bands"],
    [["--e96-bands", "0x6", "4k7"], "--e96-bands"], [["--e96-bands", "05", "4k7"], "--e96-bands"],
    [["--e24-bands", " 5", "4k7"], "--e24-bands"], [["4k7", ""], "VALUE: empty"],
    [["--settings", "/nonexistent/Tamblor.dat", "4k7"], "--settings"],
    [["--settings", "/", "4k7"], "--settings: cannot read /: not a regular file"],
    [["--settings", "/dev/zero", "4k7"], "--settings: cannot read /dev/zero: not a regular"],
    [["--settings", "/proc/self/mem", "4k7"], "/proc/self/mem: Input/output error"]])");
  for (const Json& c : cases) {
    const std::vector<std::string> arguments = c[0];
    const std::string named = c[1];
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
