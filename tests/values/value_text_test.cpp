#include "values/value_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

namespace tamblor {
namespace {

// 1M5k: the k wins and the number stops at the M; 1R5M: the M wins and it stops at the R.
TEST(ParseValueText, ReadsTheFirstOfKThenMThenRAsThePoint) {
  const std::pair<std::string_view, double> cases[] = {
      {"4k7", 4'700.0},  {"51R1", 51.1}, {"1M", 1e6},   {"R47", 0.47},
      {".5k", 500.0},    {"10", 10.0},   {"5.", 5.0},   {"4.7k", 4'700.0},
      {"2k2k", 2'200.0}, {"1M5k", 1e3},  {"1R5M", 1e6}, {"", 0.0},
      {"R", 0.0},        {"k", 0.0},     {".", 0.0},    {"0", 0.0}};
  for (const auto& [text, ohms] : cases) {
    SCOPED_TRACE(testing::Message() << '"' << text << '"');
    EXPECT_EQ(ParseValueTextOhms(text), ohms);
  }
}

TEST(ParseValueText, RejectsCharactersOutsideTheNotationAndOverlongTexts) {
  const std::string longest(maxValueTextLength, '1');
  EXPECT_TRUE(ParseValueText(longest));
  for (const std::string text : {"47K", "4 k7", "1e3", "-1", "4m7", "4r7", "+1"}) {
    SCOPED_TRACE(testing::Message() << '"' << text << '"');
    EXPECT_FALSE(ParseValueText(text));
  }
  EXPECT_FALSE(ParseValueText(longest + "1"));
}

TEST(ParseValueText, RoundsDigitsAsTheCLibraryDoes) {
  EXPECT_EQ(ParseValueTextOhms("0R3"), std::strtod("0.3", nullptr));
  EXPECT_EQ(ParseValueTextOhms("1R2345678901234567890123456789"),
            std::strtod("1.2345678901234567890123456789", nullptr));
}

TEST(ParseValueText, DeliversMantissaAndDecadeOrZeroBelowAMilliohm) {
  struct Case {
    std::string_view text;
    double mantissa;
    std::int32_t exponent;
  } const cases[] = {{"4k7", 4.7, 3}, {"R001", 1.0, -3}, {"R0009999", 0.0, 0}, {"", 0.0, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    const std::optional<ParsedValue> value = ParseValueText(c.text);
    ASSERT_TRUE(value);
    EXPECT_DOUBLE_EQ(value->mantissa, c.mantissa);
    EXPECT_EQ(value->exponent, c.exponent);
  }
  EXPECT_DOUBLE_EQ(ParseValueText("2M2")->ohms(), 2'200'000.0);
}

// The unit is chosen before rounding: 999.9996 is 1000R, not 1k.
TEST(FormatValueText, WritesTheUnitLetterInPlaceOfThePoint) {
  const std::pair<double, std::string_view> cases[] = {{1.0, "1R"},
                                                       {0.47, "0R47"},
                                                       {51.1, "51R1"},
                                                       {47.0, "47R"},
                                                       {100.0, "100R"},
                                                       {1'000.0, "1k"},
                                                       {2'150.0, "2k15"},
                                                       {4'700.0, "4k7"},
                                                       {12'345.678, "12k346"},
                                                       {150'000.0, "150k"},
                                                       {999'999.0, "999k999"},
                                                       {1e6, "1M"},
                                                       {2.2e6, "2M2"},
                                                       {1e7, "10M"},
                                                       {999.9996, "1000R"},
                                                       {999'999.9, "1000k"},
                                                       {std::nextafter(1e3, 0.0), "1000R"},
                                                       {0.00049, "0R"},
                                                       {0.0005, "0R001"},
                                                       {0.0, "0R"},
                                                       {-0.0, "0R"},
                                                       {-4'700.0, "-4k7"}};
  for (const auto& [ohms, text] : cases) {
    SCOPED_TRACE(testing::Message() << ohms);
    EXPECT_EQ(FormatValueText(ohms), text);
  }
}

TEST(FormatValueText, WritesWhatTheNotationCannotHoldSoThatItReadsBackAsInvalid) {
  const double largestWritable = std::nextafter(1e36, 0.0);  // 30 whole digits and the M
  const ValueText largest = FormatValueText(largestWritable);
  EXPECT_EQ(largest.size(), maxValueTextLength);
  EXPECT_EQ(largest.view().back(), 'M');
  EXPECT_TRUE(ParseValueText(largest.view()));

  constexpr double inf = std::numeric_limits<double>::infinity();
  const std::pair<double, std::string_view> cases[] = {
      {1e36, "1e+36"},
      {-largestWritable, "-9.999999999999999e+35"},
      {inf, "inf"},
      {-inf, "-inf"},
      {std::numeric_limits<double>::quiet_NaN(), "nan"}};
  for (const auto& [ohms, text] : cases) {
    SCOPED_TRACE(testing::Message() << ohms);
    EXPECT_EQ(FormatValueText(ohms), text);
    EXPECT_FALSE(ParseValueText(text));
  }
}

}  // namespace
}  // namespace tamblor
