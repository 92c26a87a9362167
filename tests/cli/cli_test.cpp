// The built tamblor-cli from outside: values read from standard input, what each calculates to in
// --json and in the human layout, the messages, the choices taken from a settings file and the
// usage errors.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <tuple>

#include "run_cli.h"

namespace tamblor::cli::test {
namespace {

using Texts = std::vector<std::string>;

// Runs `arguments`, the value last, and checks the members of its JSON line given in `expected`
// (besides "args", "status" and "human"), each whole; a result row is written there as the array
// of its seven texts, [] when empty, and a message as its title, ": " and its text. A message
// gives exit status 1 and goes to standard error in the human mode, whose output holds the lines
// given as "human".
void ExpectJsonLine(Texts arguments, const Json& expected) {
  SCOPED_TRACE(testing::PrintToString(arguments));
  const std::string message = expected.value("message", "");
  const CliRun human = RunCli(arguments);
  EXPECT_EQ(human.status, expected.value("status", message.empty() ? 0 : 1));
  EXPECT_EQ(human.err, message.empty() ? "" : message + "\n");
  EXPECT_NE(human.out.find(expected.value("human", "")), std::string::npos) << human.out;
  arguments.insert(arguments.begin(), "--json");
  const CliRun run = RunCli(arguments);
  EXPECT_EQ(run.status, human.status);
  const Json line = Json::parse(run.out);  // one line, or it throws
  const Texts rowKeys{"actual", "r1", "r1_series", "r2", "r2_series", "error", "connection"};
  for (const auto& [key, value] : expected.items()) {
    if (key == "args" || key == "status" || key == "human") continue;
    const bool isRow = key == "best" || key == "lower" || key == "higher";
    Json want = isRow ? Json::object() : value;
    for (std::size_t i = 0; isRow && i < rowKeys.size(); ++i)
      want[rowKeys[i]] = value.empty() ? "" : value.at(i);
    const std::size_t colon = message.find(": ");
    if (key == "message")
      want = {{"title", message.substr(0, colon)}, {"text", message.substr(colon + 2)}};
    EXPECT_EQ(line[key], want) << key;
  }
}

TEST(Cli, WorkedExamples) {
  // The alert turns on strictly above the tolerance: 1 %, or 0.1 % for E96 at 0.1 %. The list's
  // fields line up in columns in the human mode. A limit given with a tolerance is that
  // tolerance's.
  const Json examples = Json::parse(R"([
    {"args": ["--series", "e24", "--e24-bands", "6", "4k7"], "best": ["4k7", "4k7", "E24", "", "",
     "", ""], "lower": [], "higher": [], "list": [], "bands": {"r1": {"digits": [4, 7, 0],
     "multiplier": 1, "colours": ["yellow", "violet", "black", "brown", "brown", "brown"]},
     "r2": null}},
    {"args": ["--series", "e96", "4k7"],
     "best": ["4k7", "3k4", "E96", "1k3", "E24", "+0.0000", "in series"],
     "list": ["R1 (E96) = 3k4\tR2 (E24) = 1k3\tin series",
       "R1 (E96) = 1k1\tR2 (E24) = 3k6\tin series", "R1 (E96) = 2k\tR2 (E24) = 2k7\tin series"]},
    {"args": ["289"], "best": ["288R934", "470R", "E24", "750R", "E24", "-0.0227", "in parallel"],
     "lower": ["288R462", "300R", "E24", "7k5", "E24", "-0.1863", "in parallel"],
     "higher": ["289R412", "300R", "E24", "8k2", "E24", "+0.1425", "in parallel"],
     "list": ["no exact matches found"],
     "human": "  lower   288R462  300R     E24  7k5      E24  -0.1863  in parallel\n"},
    {"args": ["219"], "best": ["219R", "180R", "E24", "39R", "E24", "+0.0000", "in series"],
     "list": ["R1 (E24) = 180R\tR2 (E24) = 39R\tin series"]},
    {"args": ["5k"], "best": ["5k", "10k", "E24", "10k", "E24", "+0.0000", "in parallel"],
     "list": ["R1 (E24) = 10k\tR2 (E24) = 10k\tin parallel",
       "R1 (E24) = 1k1\tR2 (E24) = 3k9\tin series", "R1 (E24) = 7k5\tR2 (E24) = 15k\tin parallel",
       "R1 (E24) = 4k7\tR2 (E24) = 300R\tin series", "R1 (E24) = 2k\tR2 (E24) = 3k\tin series"],
     "human": "\n  R1 (E24) = 4k7  R2 (E24) = 300R  in series\n  R1 (E24) = 2k   R2 (E24) = 3k"},
    {"args": ["9k999"], "best": ["9k99", "10k", "E24", "10M", "E24", "-0.0899", "in parallel"],
     "higher": []},
    {"args": ["19M9"], "best": ["20M", "10M", "E24", "10M", "E24", "+0.5025", "in series"],
     "lower": ["19M1", "10M", "E24", "9M1", "E24", "-4.0201", "in series"], "higher": [],
     "alert": {"best": false, "lower": true, "higher": false}},
    {"args": ["--series", "e96", "--tolerance", "0.1", "99"],
     "alert": {"best": false, "lower": false, "higher": true}},
    {"args": ["--series", "e96", "--tolerance", "0.1", "--e96-max", "10k", "50k"],
     "best": ["11k", "10k", "E96", "1k", "E24", "-78.0000", "in series"], "higher": []},
    {"args": ["--e24-min", "2R", "--e24-max", "1R", "2R"], "status": 1, "best": [],
     "list": ["no pairs meeting criteria found"]},
    {"args": ["--e24-max", "999999M", "100000M"], "bands": {"r1": {"digits": [1, 0],
     "multiplier": 10, "colours": ["brown", "black", null, "brown"]}, "r2": null},
     "human": "\n  best    100000M  100000M  E24\n  higher  -\n  R1 bands: brown black none brown\n"}
  ])");
  for (const Json& example : examples) ExpectJsonLine(example["args"], example);
}

TEST(Cli, EveryMessageAndTheChoicesOfASettingsFile) {
  // One file per process: the tests, and the builds, run in parallel.
  const std::string path = testing::TempDir() + "tamblor_cli_" + std::to_string(getpid()) + ".dat";
  std::ofstream(path) << "E24_4 = FALSE\nE24_5 = TRUE\nE96_5 = FALSE\nE96_6 = TRUE\n"
                         "E24ONLY = FALSE\nUSE_1PC = FALSE\nE96SZN2 = 100R000garbage\n";
  const std::string notANumber = " value is not a valid number";
  const std::string longer = " value is longer than 7 characters";
  const std::string low =
      "Input Value Error: Requested value is too low for the set limits.\n"
      "Minimum allowed input value = ";
  const std::vector<std::pair<Texts, std::string>> cases{
      // Each option reaches its own box, which holds 7 characters.
      {{"--e24-min", "1R0000x", "4k7"}, "Validation Error: E24 minimum" + notANumber},
      {{"--e24-min", "1R00000x", "4k7"}, "Validation Error: E24 minimum" + longer},
      {{"--e24-min=", "4k7"}, "Limits Error: E24 minimum value is 1 ohm"},
      {{"--e24-max", "10 M", "4k7"}, "Validation Error: E24 maximum" + notANumber},
      {{"--e96-min", "0R5", "4k7"}, "Limits Error: E96 minimum value is 1 ohm"},
      {{"--e96-max=1000000R", "4k7"}, "Validation Error: E96 maximum" + longer},
      {{"-1"}, "Validation Error: Requested" + notANumber},
      // The file's E96 at 0.1 %: 100R, as the box reads its first 7 characters, in parallel with
      // 1k, plus 0.001; an option overrides the file.
      {{"--settings", path, "40R"}, low + "90R91"},
      {{"--settings", path, "--e96-min", "51R1", "40R"}, low + "46R828"},
  };
  for (const auto& [arguments, message] : cases) ExpectJsonLine(arguments, {{"message", message}});
  ExpectJsonLine({"--settings", path, "--e96-bands", "5", "4k7"},
                 {{"human",
                   "R1 bands: yellow violet green brown violet\n"
                   "  R2 bands: yellow orange black orange brown\n"}});
  std::remove(path.c_str());
}

TEST(Cli, ReadsEveryLineOfStandardInput) {
  // The long line runs across the end of the reader's buffer and is longer than it: it is kept
  // as it begins, and too long for a value.
  const std::string longLine = "1" + std::string(70'000, '0');
  const CliRun run =
      RunCli({"--json"}, "4k7\r\n\n289\r\n\r\n\na\"b\\c\t\x01\n4\xff\x80\n" + longLine + "\n4k7");
  EXPECT_EQ(run.status, 1);
  // Per line: the input, the best actual value, the number of list lines and the message's text.
  Json results = Json::array();
  for (const Json& line : JsonLines(run.out))
    results.push_back({line["input"], line["best"]["actual"], line["list"].size(),
                       line["message"].is_null() ? "" : line["message"]["text"]});
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
  // The reason is the system's own, which differs between platforms.
  const std::string cannotRead = "tamblor-cli: cannot read standard input: ";
  EXPECT_EQ(std::pair(folder.status, folder.err.substr(0, cannotRead.size())),
            std::pair(2, cannotRead));
}

TEST(Cli, AlignsTheRowsTheListAndTheBands) {
  // Standard output and standard error on one file keep their order; at E96 0.1 % a row is
  // above tolerance beyond 0.1 %, and R2 is of E24. An echoed value shows its control
  // characters, a backslash and bytes outside ASCII escaped.
  std::FILE* merged =
      popen("'" TAMBLOR_CLI_PATH "' --series e96 --tolerance 0.1 99 '4\x1b\\\t\xff' 2>&1", "r");
  std::string text;
  for (int c; (c = std::fgetc(merged)) != EOF;) text += static_cast<char>(c);
  EXPECT_EQ(WEXITSTATUS(pclose(merged)), 1);
  EXPECT_EQ(text,
            "99\n"
            "  lower   98R942   102R     E96  3k3      E24  -0.0588  in parallel\n"
            "  best    99R01    100R     E96  10k      E24  +0.0100  in parallel\n"
            "  higher  99R099   100R     E96  11k      E24  +0.1001  in parallel  above tolerance\n"
            "  no exact matches found\n"
            "  R1 bands: brown black black black violet\n"
            "  R2 bands: brown black orange brown\n"
            "\n4\\u001b\\\\\\t\\xff\n  lower   -\n  best    -\n  higher  -\n"
            "Validation Error: Requested value is not a valid number\n");
}

TEST(Cli, AnErrorNamesTheProblemOnOneLineThenShowsTheUsageAsTheHelpDoes) {
  // Each: the arguments, then what the problem line names.
  const Json cases = Json::parse(R"([[["--bogus", "4k7"], "--bogus"], [["--series", "e12", "4k7"],
    "--series"], [["--tolerance", "2", "4k7"], "--tolerance"], [["--e24-bands", "7", "4k7"],
    "--e24-bands"], [["--e96-bands", "4", "4k7"], "--e96-bands"], [["--e24-bands=", "4k7"],
    "--e24-bands"], [["--e96-bands", "05", "4k7"], "--e96-bands"], [["4k7", ""], "VALUE: empty"],
    [["--settings", "/nonexistent/Tamblor.dat", "4k7"], "--settings"],
    [["--settings", "/", "4k7"], "--settings: cannot read /: not a regular file"],
    [["--settings", "/proc/self/mem", "4k7"], "--settings: cannot read /proc/self/mem: "]])");
  for (const Json& c : cases) {
    const CliRun run = RunCli(c[0].get<Texts>());
    const std::size_t lineEnd = run.err.find('\n');
    EXPECT_EQ(std::tuple(run.status, run.out, run.err.rfind("tamblor-cli: ", 0),
                         run.err.substr(lineEnd, 20)),
              std::tuple(2, "", 0u, "\nUsage: tamblor-cli "))
        << run.err;
    EXPECT_LT(run.err.find(std::string(c[1])), lineEnd) << run.err;
  }
  EXPECT_NE(RunCli({"--help"}).out.find("\nUsage: tamblor-cli [OPTIONS] [VALUE...]\n"),
            std::string::npos);
  EXPECT_EQ(RunCli({"--version"}).out, "tamblor-cli 1.2.55\n");
}

}  // namespace
}  // namespace tamblor::cli::test
