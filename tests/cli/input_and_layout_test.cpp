// Standard input, settings files, the human layout and the exact shape of the JSON lines.
#include <gtest/gtest.h>

#include <fstream>

#include "cli_json.h"

namespace tamblor::cli::test {
namespace {

std::vector<std::string> Inputs(const std::vector<Json>& lines) {
  std::vector<std::string> inputs;
  for (const Json& line : lines) inputs.push_back(line.at("input").get<std::string>());
  return inputs;
}

std::vector<std::string> Keys(const Json& object) {
  std::vector<std::string> keys;
  for (const auto& item : object.items()) keys.push_back(item.key());
  return keys;
}

TEST(CliStandardInput, SkipsBlankLinesAndDropsCarriageReturns) {
  const CliRun run = RunCli({"--json"}, "4k7\r\n\n289\r\n\r\n\n5k");
  EXPECT_EQ(run.status, 0) << run.err;
  std::vector<Json> lines = JsonLines(run.out);
  EXPECT_EQ(Inputs(lines), (std::vector<std::string>{"4k7", "289", "5k"}));
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[1]["best"]["r1"], "470R");
}

TEST(CliStandardInput, ReadsLongLinesAndLongLists) {
  const std::string longLine(70'000, '1');  // its first 7 characters count: 1M111111
  std::string input = longLine + "\n";
  for (int value = 0; value < 20'000; ++value) input += "4k7\n";
  const CliRun run = RunCli({"--json"}, input);
  EXPECT_EQ(run.status, 0) << run.err.substr(0, 200);
  std::vector<Json> lines = JsonLines(run.out);
  ASSERT_EQ(lines.size(), 20'001u);
  EXPECT_EQ(lines[0]["input"], longLine);
  EXPECT_EQ(lines[0]["best"]["actual"], "1M111");
  EXPECT_EQ(lines.back()["best"]["r1"], "4k7");
}

TEST(CliJson, HasExactlyTheDocumentedKeysInOrder) {
  std::vector<Json> lines = JsonLines(RunCli({"--json", "5k", "abc"}).out);
  ASSERT_EQ(lines.size(), 2u);
  Json& result = lines[0];
  EXPECT_EQ(Keys(result), (std::vector<std::string>{"input", "message", "best", "lower", "higher",
                                                    "list", "bands", "alert"}));
  for (const char* row : {"best", "lower", "higher"}) {
    EXPECT_EQ(Keys(result[row]), (std::vector<std::string>{"actual", "r1", "r1_series", "r2",
                                                           "r2_series", "error", "connection"}))
        << row;
  }
  EXPECT_EQ(Keys(result["bands"]), (std::vector<std::string>{"r1", "r2"}));
  EXPECT_EQ(result["bands"]["r1"], (Json{{"digits", {1, 0}},
                                         {"multiplier", 3},
                                         {"colours", {"brown", "black", "orange", "brown"}}}));
  EXPECT_EQ(Keys(result["alert"]), (std::vector<std::string>{"best", "lower", "higher"}));
  EXPECT_EQ(Keys(lines[1]["message"]), (std::vector<std::string>{"title", "text"}));
}

TEST(CliJson, EscapesAnyInputAndReplacesBytesThatAreNotUtf8) {
  const CliRun run = RunCli({"--json"}, "a\"b\\c\t\x01\n4\xff\x80\n");
  EXPECT_EQ(run.status, 1);
  std::vector<Json> lines = JsonLines(run.out);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0]["input"], "a\"b\\c\t\x01");
  EXPECT_EQ(lines[1]["input"], "4\xEF\xBF\xBD\xEF\xBF\xBD");  // two U+FFFD
  EXPECT_EQ(lines[1]["message"]["text"], "Requested value is not a valid number");
}

TEST(CliJson, GivesNullForAMultiplierWithoutSwatch) {
  std::vector<Json> lines = JsonLines(RunCli({"--json", "--e24-max", "999999M", "100000M"}).out);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0]["bands"]["r1"]["multiplier"], 10);
  EXPECT_EQ(lines[0]["bands"]["r1"]["colours"], (Json{"brown", "black", nullptr, "brown"}));
}

TEST(CliHuman, AlignsTheRowsListAndBands) {
  const CliRun run = RunCli({"289", "4k7", "5k"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out,
            "289\n"
            "  lower   288R462  300R     E24  7k5      E24  -0.1863  in parallel\n"
            "  best    288R934  470R     E24  750R     E24  -0.0227  in parallel\n"
            "  higher  289R412  300R     E24  8k2      E24  +0.1425  in parallel\n"
            "  no exact matches found\n"
            "  R1 bands: yellow violet brown brown\n"
            "  R2 bands: violet green brown brown\n"
            "\n"
            "4k7\n"
            "  lower   -\n"
            "  best    4k7      4k7      E24\n"
            "  higher  -\n"
            "  R1 bands: yellow violet red brown\n"
            "\n"
            "5k\n"
            "  lower   4k994    5k1      E24  240k     E24  -0.1224  in parallel\n"
            "  best    5k       10k      E24  10k      E24  +0.0000  in parallel\n"
            "  higher  5k004    5k6      E24  47k      E24  +0.0760  in parallel\n"
            "  R1 (E24) = 10k  R2 (E24) = 10k   in parallel\n"
            "  R1 (E24) = 1k1  R2 (E24) = 3k9   in series\n"
            "  R1 (E24) = 7k5  R2 (E24) = 15k   in parallel\n"
            "  R1 (E24) = 4k7  R2 (E24) = 300R  in series\n"
            "  R1 (E24) = 2k   R2 (E24) = 3k    in series\n"
            "  R1 bands: brown black orange brown\n"
            "  R2 bands: brown black orange brown\n");
}

TEST(CliHuman, MarksARowAboveTheTolerance) {
  const CliRun run = RunCli({"19M9"});
  EXPECT_NE(run.out.find("  lower   19M1     10M      E24  9M1      E24  -4.0201  in series  "
                         "above tolerance\n"),
            std::string::npos)
      << run.out;
  EXPECT_NE(run.out.find("+0.5025  in series\n"), std::string::npos) << run.out;
}

class CliSettingsFile : public testing::Test {
 protected:
  void SetUp() override {
    std::ofstream(path_) << "E24_4 = FALSE\nE24_5 = TRUE\nE96_5 = FALSE\nE96_6 = TRUE\n"
                            "E24ONLY = FALSE\nUSE_1PC = FALSE\nE96SZN2 = 100R\n";
  }
  void TearDown() override { std::remove(path_.c_str()); }

  Json RunOne(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), {"--json", "--settings", path_});
    std::vector<Json> lines = JsonLines(RunCli(arguments).out);
    return lines.size() == 1 ? lines[0] : Json{};
  }

  // One file per test: the tests run in parallel processes.
  const std::string path_ = testing::TempDir() + "tamblor_cli_" +
                            testing::UnitTest::GetInstance()->current_test_info()->name() + ".dat";
};

TEST_F(CliSettingsFile, GivesSeriesToleranceLimitTextsAndBandCounts) {
  // The lowest value allowed at 0.1 % from 100R is 100R in parallel with 1k, plus 0.001.
  EXPECT_EQ(RunOne({"40R"})["message"]["text"],
            "Requested value is too low for the set limits.\nMinimum allowed input value = 90R91");
  const Json result = RunOne({"4k7"});
  EXPECT_EQ(result["best"]["r1_series"], "E96");
  EXPECT_EQ(result["bands"]["r1"]["colours"].size(), 6u);
  EXPECT_EQ(result["bands"]["r1"]["colours"][4], "violet");
  EXPECT_EQ(result["bands"]["r2"]["colours"].size(), 5u);
}

TEST_F(CliSettingsFile, IsOverriddenByTheOptionsGiven) {
  EXPECT_EQ(RunOne({"--series", "e24", "4k7"})["bands"]["r1"]["colours"],
            (Json{"yellow", "violet", "black", "brown", "brown"}));
  EXPECT_EQ(RunOne({"--e96-min", "51R1", "40R"})["message"]["text"],
            "Requested value is too low for the set limits.\nMinimum allowed input value = 46R828");
  EXPECT_EQ(RunOne({"--tolerance", "1", "4k7"})["best"]["r1"], "3k4");
}

}  // namespace
}  // namespace tamblor::cli::test
