// Every message the Calculate command shows, in JSON and on standard error, and the exit status.
#include <gtest/gtest.h>

#include "cli_json.h"

namespace tamblor::cli::test {
namespace {

struct MessageCase {
  std::string name;
  std::vector<std::string> options;
  std::string value;
  std::string title;  // "" when the value is calculated without a message
  std::string text;
};

const std::string tooHigh =
    "Requested value is too high for the set limits.\nMaximum allowed input value = ";
const std::string tooLow =
    "Requested value is too low for the set limits.\nMinimum allowed input value = ";

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const MessageCase& c, std::ostream* os) { *os << c.name; }

const std::vector<MessageCase> messageCases{
    {"E24MinNotANumber",
     {"--e24-min", "1r"},
     "4k7",
     "Validation Error",
     "E24 minimum value is not a valid number"},
    {"E24MinBelowOneOhm",
     {"--e24-min", "0R999"},
     "4k7",
     "Limits Error",
     "E24 minimum value is 1 ohm"},
    {"E24MinOfOneOhm", {"--e24-min", "1R"}, "4k7", "", ""},
    {"E24MaxNotANumber",
     {"--e24-max", "10 M"},
     "4k7",
     "Validation Error",
     "E24 maximum value is not a valid number"},
    {"E96MinNotANumber",
     {"--e96-min", "x"},
     "4k7",
     "Validation Error",
     "E96 minimum value is not a valid number"},
    {"E96MinReadWhateverTheSeries",
     {"--e96-min", "0R5"},
     "4k7",
     "Limits Error",
     "E96 minimum value is 1 ohm"},
    {"E96MaxNotANumber",
     {"--series", "e96", "--e96-max", "1m"},
     "4k7",
     "Validation Error",
     "E96 maximum value is not a valid number"},
    {"LimitBoxCountsSevenCharacters", {"--e24-min", "1R00000x"}, "4k7", "", ""},
    {"LimitBoxSeventhCharacterCounts",
     {"--e24-min", "1R0000x"},
     "4k7",
     "Validation Error",
     "E24 minimum value is not a valid number"},
    {"RequiredNotANumber", {}, "abc", "Validation Error", "Requested value is not a valid number"},
    {"RequiredZero", {}, "0", "Limits Error", "Required value must be at least 1 ohm"},
    {"RequiredUnitAlone", {}, "k", "Limits Error", "Required value must be at least 1 ohm"},
    {"RequiredCountsSevenCharacters", {}, "4k70001x", "", ""},
    {"E24TooHigh", {}, "25M", "Input Value Error", tooHigh + "20M"},
    {"E24TopBound", {}, "20M", "", ""},
    {"E24JustAboveTopBound", {}, "20M001", "Input Value Error", tooHigh + "20M"},
    {"E24TooLow", {}, "0R4", "Input Value Error", tooLow + "0R5"},
    {"E24BottomBound", {}, "0R5", "", ""},
    {"E96OnePercentTooHigh", {"--series", "e96"}, "11M001", "Input Value Error", tooHigh + "11M"},
    {"E96PerMilleTooLow",
     {"--series", "e96", "--tolerance", "0.1"},
     "40R",
     "Input Value Error",
     tooLow + "46R828"},
    {"E96PerMilleTooHigh",
     {"--series", "e96", "--tolerance", "0.1"},
     "1M2",
     "Input Value Error",
     tooHigh + "1M1"},
};

class CalculateMessage : public testing::TestWithParam<MessageCase> {};

TEST_P(CalculateMessage, IsReportedInJsonWithExitStatusOne) {
  const MessageCase& c = GetParam();
  std::vector<std::string> arguments = c.options;
  arguments.insert(arguments.end(), {"--json", c.value});
  const CliRun run = RunCli(arguments);
  std::vector<Json> lines = JsonLines(run.out);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0]["input"], c.value);
  EXPECT_EQ(run.err, "");
  if (c.title.empty()) {
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(lines[0]["message"].is_null()) << lines[0]["message"];
    return;
  }
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(lines[0]["message"], (Json{{"title", c.title}, {"text", c.text}}));
  EXPECT_EQ(lines[0]["best"]["actual"], "");
  EXPECT_EQ(lines[0]["list"], Json::array());
  EXPECT_TRUE(lines[0]["bands"]["r1"].is_null());
}

TEST_P(CalculateMessage, GoesToStandardErrorInTheHumanLayout) {
  const MessageCase& c = GetParam();
  std::vector<std::string> arguments = c.options;
  arguments.push_back(c.value);
  const CliRun run = RunCli(arguments);
  EXPECT_EQ(run.err, c.title.empty() ? "" : c.title + ": " + c.text + "\n");
  EXPECT_EQ(run.status, c.title.empty() ? 0 : 1);
  EXPECT_EQ(run.out.substr(0, c.value.size() + 1), c.value + "\n");
}

INSTANTIATE_TEST_SUITE_P(Cli, CalculateMessage, testing::ValuesIn(messageCases),
                         [](const auto& info) { return info.param.name; });

TEST(CliMessages, EveryValueIsCalculatedAfterAMessage) {
  const CliRun run = RunCli({"--json", "25M", "4k7", "abc", "289"});
  EXPECT_EQ(run.status, 1);
  std::vector<Json> lines = JsonLines(run.out);
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_FALSE(lines[0]["message"].is_null());
  EXPECT_EQ(lines[1]["best"]["r1"], "4k7");
  EXPECT_FALSE(lines[2]["message"].is_null());
  EXPECT_EQ(lines[3]["best"]["r1"], "470R");
}

}  // namespace
}  // namespace tamblor::cli::test
