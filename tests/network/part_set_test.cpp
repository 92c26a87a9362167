#include "network/part_set.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "network/exact_value.h"
#include "network/target_text.h"

namespace tamblor {
namespace {

// 4k02 and 2M05 are where 4.02 × 1000 and 2.05 × 10^6 would miss the nearest double.
TEST(ExactOhmsFromText, GivesTheDoubleNearestTheDecimalValueWritten) {
  const std::pair<std::string_view, double> cases[] = {
      {"4k7", 4700.0}, {"1k02", 1020.0}, {"4k02", 4020.0}, {"2M05", 2'050'000.0},
      {"289", 289.0},  {"1M5k", 1000.0}, {"1R5M", 1e6},    {"R47", 0.47},
      {".5k", 500.0},  {"5.k", 5000.0},  {"", 0.0},        {"R", 0.0},
      {"k", 0.0},      {".", 0.0},       {"0", 0.0}};
  for (const auto& [text, ohms] : cases) EXPECT_EQ(ExactOhmsFromText(text), ohms) << text;
  EXPECT_EQ(ExactOhmsFromText(std::string(maxValueTextLength, '9')), 1e31);
  for (const std::string& text : {std::string(maxValueTextLength + 1, '1'), std::string("4x7"),
                                  std::string("47K"), std::string("-1"), std::string("1e3")}) {
    EXPECT_EQ(ExactOhmsFromText(text), std::nullopt) << text;
  }
}

TEST(ReadTarget, GivesTheOhmsOrTheCalculatorsMessage) {
  EXPECT_EQ(ReadTarget("4k02").ohms, 4020.0);
  EXPECT_FALSE(ReadTarget("R001").message);
  for (const std::string_view text : {"abc", "1 k", "12345678901234567890123456789012"}) {
    const TargetReading reading = ReadTarget(text);
    ASSERT_TRUE(reading.message) << text;
    EXPECT_EQ(reading.message->title, "Validation Error");
    EXPECT_EQ(reading.message->text, "Requested value is not a valid number");
  }
  for (const std::string_view text : {"0", "k", ""}) {
    const TargetReading reading = ReadTarget(text);
    ASSERT_TRUE(reading.message) << text;
    EXPECT_EQ(reading.message->title, "Limits Error");
    EXPECT_EQ(reading.message->text, "Required value must be above 0 ohms");
  }
}

TEST(SeriesParts, HoldsEachSeriesPerDecadeWithItsUsualToleranceAndExactValues) {
  struct Row {
    PartOrigin series;
    std::size_t perDecade;
    double tolerance;
  };
  const Row rows[] = {{PartOrigin::E3, 3, 20.0},   {PartOrigin::E6, 6, 20.0},
                      {PartOrigin::E12, 12, 10.0}, {PartOrigin::E24, 24, 5.0},
                      {PartOrigin::E48, 48, 2.0},  {PartOrigin::E96, 96, 1.0},
                      {PartOrigin::E192, 192, 0.5}};
  for (const Row& row : rows) {
    const std::vector<Part> parts = SeriesParts({&row.series, 1}, {10.0, 1000.0, {}});
    ASSERT_EQ(parts.size(), 2 * row.perDecade + 1) << OriginName(row.series);
    EXPECT_EQ(parts.front().ohms, 10.0);
    EXPECT_EQ(parts.back().ohms, 1000.0);
    EXPECT_EQ(parts.front().tolerance, row.tolerance);
    EXPECT_EQ(parts.front().origin, row.series);
    EXPECT_TRUE(std::is_sorted(parts.begin(), parts.end(),
                               [](const Part& a, const Part& b) { return a.ohms < b.ohms; }));
  }
  const PartOrigin e192 = PartOrigin::E192;
  const std::vector<Part> parts = SeriesParts({&e192, 1}, {9e3, 9.3e3, {9.31e3}});
  ASSERT_EQ(parts.size(), 2u);
  EXPECT_EQ(parts[0].text, "9k09");
  EXPECT_EQ(parts[1].text, "9k2");
  const PartOrigin e96 = PartOrigin::E96;
  EXPECT_EQ(SeriesParts({&e96, 1}, {4020.0, 4020.0, {}}).size(), 1u);
}

TEST(SeriesParts, KeepsAValueInSeveralSeriesOnceUnderTheFirstNamed) {
  const std::array<PartOrigin, 2> mix{PartOrigin::E96, PartOrigin::E24};
  const std::vector<Part> parts = SeriesParts(mix, {100.0, 999.0, {}});
  ASSERT_EQ(parts.size(), 96u + 24u - 6u);  // 100 110 130 150 200 750 are in both
  const auto at = [&parts](double ohms) {
    return *std::find_if(parts.begin(), parts.end(),
                         [ohms](const Part& p) { return p.ohms == ohms; });
  };
  EXPECT_EQ(at(750.0).origin, PartOrigin::E96);
  EXPECT_EQ(at(750.0).tolerance, 1.0);
  EXPECT_EQ(at(510.0).origin, PartOrigin::E24);
  const std::array<PartOrigin, 2> reversed{PartOrigin::E24, PartOrigin::E96};
  EXPECT_EQ(SeriesParts(reversed, {750.0, 750.0, {}}).front().origin, PartOrigin::E24);
}

TEST(SeriesFromName, ReadsEitherCase) {
  EXPECT_EQ(SeriesFromName("E192"), PartOrigin::E192);
  EXPECT_EQ(SeriesFromName("e3"), PartOrigin::E3);
  EXPECT_EQ(SeriesFromName("e1"), std::nullopt);
  EXPECT_EQ(SeriesFromName("e24 "), std::nullopt);
}

TEST(ParseStockList, ReadsValueToleranceAndCountInAnyOrderAndAddsRepeats) {
  const StockList list = ParseStockList(
      "# parts on hand\n4k7 1% 2\n\n  1k\t# plenty\n4k7 5% 1\n4k7 2 1%\r\n4k7 3\n 470R 0.5%\n1k "
      "3\n");
  ASSERT_FALSE(list.error);
  struct Row {
    double ohms;
    double tolerance;
    int count;
  };
  const Row expected[] = {{470.0, 0.5, unlimitedCount},
                          {1000.0, 5.0, unlimitedCount},
                          {4700.0, 1.0, 4},
                          {4700.0, 5.0, 4}};
  ASSERT_EQ(list.parts.size(), std::size(expected));
  for (std::size_t i = 0; i < list.parts.size(); ++i) {
    EXPECT_EQ(list.parts[i].ohms, expected[i].ohms) << i;
    EXPECT_EQ(list.parts[i].tolerance, expected[i].tolerance) << i;
    EXPECT_EQ(list.parts[i].count, expected[i].count) << i;
    EXPECT_EQ(list.parts[i].origin, PartOrigin::Stock);
  }
  EXPECT_EQ(list.parts[2].text, "4k7");
}

TEST(ParseStockList, NamesTheFirstBadLineAndWhatIsWrong) {
  const std::pair<std::string_view, StockLineError> cases[] = {
      {"1k\n4x7\n", {2, "bad value \"4x7\""}},
      {"0R 5%", {1, "bad value \"0R\""}},
      {"# c\n\n1k -1%", {3, "bad tolerance \"-1%\""}},
      {"1k %", {1, "bad tolerance \"%\""}},
      {"1k 100%", {1, "bad tolerance \"100%\""}},
      {"1k nan%", {1, "bad tolerance \"nan%\""}},
      {"1k 0", {1, "bad count \"0\""}},
      {"1k 2.5", {1, "bad count \"2.5\""}},
      {"1k 99999999999", {1, "bad count \"99999999999\""}},
      {"1k 1% 2 3", {1, "too many fields"}},
      {"1k 1% 2%", {1, "two tolerances"}},
      {"1k 2 3", {1, "two counts"}},
      {std::string_view("1k\n\n1k \0", 8), {3, std::string("bad count \"\0\"", 13)}}};
  for (const auto& [text, error] : cases) {
    const StockList list = ParseStockList(text);
    ASSERT_TRUE(list.error) << text;
    EXPECT_EQ(list.error->line, error.line) << text;
    EXPECT_EQ(list.error->reason, error.reason) << text;
    EXPECT_TRUE(list.parts.empty());
  }
  EXPECT_EQ(ParseStockList("1k " + std::string(31, '7') + "x").error->reason,
            "bad count \"" + std::string(31, '7') + "x\"");
  EXPECT_EQ(ParseStockList("1k " + std::string(40, '7') + "x").error->reason,
            "bad count \"" + std::string(32, '7') + "...\"");
}

}  // namespace
}  // namespace tamblor
