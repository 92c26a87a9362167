// What each value calculates to, read back from --json and checked against the human mode: the
// worked examples, every message and the choices taken from a settings file.
#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <tuple>

#include "run_cli.h"

namespace tamblor::cli::test {
namespace {

using Texts = std::vector<std::string>;

const std::string low =
    "Requested value is too low for the set limits.\nMinimum allowed input value = ";

// Runs `arguments`, the value last, and checks the keys of its JSON line and the members given in
// `expected`, each whole; a result row is written there as the array of its seven texts, [] when
// empty. A message gives exit status 1 and goes to standard error in the human mode.
void ExpectJsonLine(Texts arguments, const Json& expected) {
  SCOPED_TRACE(testing::PrintToString(arguments));
  const Json message = expected.value("message", Json());
  const CliRun human = RunCli(arguments);
  EXPECT_EQ(human.status, expected.value("status", message.is_null() ? 0 : 1));
  EXPECT_EQ(human.err, message.is_null() ? ""
                                         : std::string(message["title"]) + ": " +
                                               std::string(message["text"]) + "\n");
  arguments.insert(arguments.begin(), "--json");
  const CliRun run = RunCli(arguments);
  EXPECT_EQ(run.status, human.status);
  const std::vector<Json> lines = JsonLines(run.out);
  ASSERT_EQ(lines.size(), 1u) << run.out;
  Texts keys;
  for (const auto& member : lines[0].items()) keys.push_back(member.key());
  EXPECT_EQ(keys, (Texts{"input", "message", "best", "lower", "higher", "list", "bands", "alert"}));
  EXPECT_EQ(lines[0]["input"], arguments.back());
  const Texts rowKeys{"actual", "r1", "r1_series", "r2", "r2_series", "error", "connection"};
  for (const auto& [key, value] : expected.items()) {
    if (key == "status") continue;
    const bool isRow = key == "best" || key == "lower" || key == "higher";
    Json want = isRow ? Json::object() : value;
    for (std::size_t i = 0; isRow && i < rowKeys.size(); ++i) {
      want[rowKeys[i]] = value.empty() ? "" : value.at(i);
    }
    EXPECT_EQ(lines[0][key], want) << key;
  }
}

TEST(CliResults, WorkedExamples) {
  // The alert turns on strictly above the tolerance: 1 %, or 0.1 % for E96 at 0.1 %.
  const Json examples = Json::parse(R"([
    {"args": ["4k7"], "best": ["4k7", "4k7", "E24", "", "", "", ""], "lower": [], "higher": [],
     "list": [], "bands": {"r1": {"digits": [4, 7], "multiplier": 2,
                                  "colours": ["yellow", "violet", "red", "brown"]}, "r2": null}},
    {"args": ["--series", "e96", "4k7"],
     "best": ["4k7", "3k4", "E96", "1k3", "E24", "+0.0000", "in series"],
     "list": ["R1 (E96) = 3k4\tR2 (E24) = 1k3\tin series",
       "R1 (E96) = 1k1\tR2 (E24) = 3k6\tin series", "R1 (E96) = 2k\tR2 (E24) = 2k7\tin series"]},
    {"args": ["289"], "best": ["288R934", "470R", "E24", "750R", "E24", "-0.0227", "in parallel"],
     "lower": ["288R462", "300R", "E24", "7k5", "E24", "-0.1863", "in parallel"],
     "higher": ["289R412", "300R", "E24", "8k2", "E24", "+0.1425", "in parallel"],
     "list": ["no exact matches found"]},
    {"args": ["219"], "best": ["219R", "180R", "E24", "39R", "E24", "+0.0000", "in series"],
     "list": ["R1 (E24) = 180R\tR2 (E24) = 39R\tin series"]},
    {"args": ["5k"], "best": ["5k", "10k", "E24", "10k", "E24", "+0.0000", "in parallel"],
     "list": ["R1 (E24) = 10k\tR2 (E24) = 10k\tin parallel",
       "R1 (E24) = 1k1\tR2 (E24) = 3k9\tin series", "R1 (E24) = 7k5\tR2 (E24) = 15k\tin parallel",
       "R1 (E24) = 4k7\tR2 (E24) = 300R\tin series", "R1 (E24) = 2k\tR2 (E24) = 3k\tin series"]},
    {"args": ["9k999"], "best": ["9k99", "10k", "E24", "10M", "E24", "-0.0899", "in parallel"],
     "higher": []},
    {"args": ["19M9"], "best": ["20M", "10M", "E24", "10M", "E24", "+0.5025", "in series"],
     "lower": ["19M1", "10M", "E24", "9M1", "E24", "-4.0201", "in series"], "higher": [],
     "alert": {"best": false, "lower": true, "higher": false}},
    {"args": ["--series", "e96", "--tolerance", "0.1", "99"],
     "higher": ["99R099", "100R", "E96", "11k", "E24", "+0.1001", "in parallel"],
     "alert": {"best": false, "lower": false, "higher": true}},
    {"args": ["--e24-min", "2R", "--e24-max", "1R", "2R"], "status": 1, "best": [],
     "list": ["no pairs meeting criteria found"]},
    {"args": ["--e24-max", "999999M", "100000M"], "bands": {"r1": {"digits": [1, 0],
     "multiplier": 10, "colours": ["brown", "black", null, "brown"]}, "r2": null}}])");
  for (Json example : examples) {
    const Texts arguments = example["args"];
    example.erase("args");
    ExpectJsonLine(arguments, example);
  }
}

TEST(CliResults, EveryMessage) {
  const std::string notANumber = " value is not a valid number";
  const std::string longer = " value is longer than 7 characters";
  const std::vector<std::tuple<Texts, std::string, std::string>> cases{
      // arguments, title and text, "" when the value is calculated
      {{"--e24-min", "1R0000x", "4k7"}, "Validation Error", "E24 minimum" + notANumber},
      {{"--e24-min", "1R00000x", "4k7"}, "Validation Error", "E24 minimum" + longer},
      {{"--e96-max=1000000R", "4k7"}, "Validation Error", "E96 maximum" + longer},
      {{"--e24-min=", "4k7"}, "Limits Error", "E24 minimum value is 1 ohm"},
      {{"10000000"}, "Validation Error", "Requested" + longer},
      {{"--e24-min", "0R999", "4k7"}, "Limits Error", "E24 minimum value is 1 ohm"},
      {{"--e24-max", "10 M", "4k7"}, "Validation Error", "E24 maximum" + notANumber},
      {{"--e96-min", "x", "4k7"}, "Validation Error", "E96 minimum" + notANumber},
      {{"--e96-min", "0R5", "4k7"}, "Limits Error", "E96 minimum value is 1 ohm"},
      {{"--e96-max", "1m", "4k7"}, "Validation Error", "E96 maximum" + notANumber},
      {{"-1"}, "Validation Error", "Requested" + notANumber},
      {{"0"}, "Limits Error", "Required value must be at least 1 ohm"},
      {{"25M"},
       "Input Value Error",
       "Requested value is too high for the set limits.\nMaximum allowed input value = 20M"},
      {{"0R4"}, "Input Value Error", low + "0R5"},
      {{"--series", "e96", "--tolerance", "0.1", "40R"}, "Input Value Error", low + "46R828"},
  };
  for (const auto& [arguments, title, text] : cases) {
    ExpectJsonLine(arguments,
                   {{"message", title.empty() ? Json() : Json{{"title", title}, {"text", text}}}});
  }
}

TEST(CliResults, SettingsFileGivesTheChoicesAndOptionsOverrideIt) {
  // One file per process: the tests, and the builds, run in parallel.
  const std::string path = testing::TempDir() + "tamblor_cli_" + std::to_string(getpid()) + ".dat";
  std::ofstream(path) << "E24_4 = FALSE\nE24_5 = TRUE\nE96_5 = FALSE\nE96_6 = TRUE\n"
                         "E24ONLY = FALSE\nUSE_1PC = FALSE\nE96SZN2 = 100R000garbage\n";
  const auto tooLow = [](const char* bound) {
    return Json{{"message", {{"title", "Input Value Error"}, {"text", low + bound}}}};
  };
  const std::vector<std::pair<Texts, Json>> cases{
      // 100R, as the box reads its first 7 characters, in parallel with 1k, plus 0.001
      {{"40R"}, tooLow("90R91")},
      {{"--e96-min", "51R1", "40R"}, tooLow("46R828")},
      {{"--e96-bands", "5", "4k7"}, Json::parse(R"({"bands": {"r1": {"digits": [4, 7, 5],
          "multiplier": 1, "colours": ["yellow", "violet", "green", "brown", "violet"]},
          "r2": {"digits": [4, 3, 0], "multiplier": 3,
                 "colours": ["yellow", "orange", "black", "orange", "brown"]}}})")},
      {{"--series", "e24", "--e24-bands", "6", "4k7"}, Json::parse(R"({"bands": {"r1": {
          "digits": [4, 7, 0], "multiplier": 1,
          "colours": ["yellow", "violet", "black", "brown", "brown", "brown"]}, "r2": null}})")},
  };
  for (auto [arguments, expected] : cases) {
    arguments.insert(arguments.begin(), {"--settings", path});
    ExpectJsonLine(arguments, expected);
  }
  std::remove(path.c_str());
}

}  // namespace
}  // namespace tamblor::cli::test
