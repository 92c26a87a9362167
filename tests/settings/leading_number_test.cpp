#include "settings/leading_number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string_view>

namespace tamblor {
namespace {

constexpr double infinity = std::numeric_limits<double>::infinity();

TEST(ReadLeadingNumber, TakesTheLongestDecimalPrefixAfterWhiteSpace) {
  const std::pair<std::string_view, double> cases[] = {
      {"5", 5.0},         {" \t\v\f\r\n 47.5", 47.5},
      {"-2.5x", -2.5},    {"+3", 3.0},
      {".5", 0.5},        {"5.", 5.0},
      {"1.2.3", 1.2},     {"1,5", 1.0},
      {"1e3", 1e3},       {"1E-2", 0.01},
      {"2e+2k", 200.0},   {"1e", 1.0},
      {"1e+", 1.0},       {"1e-x", 1.0},
      {"0001e308", 1e308}};
  for (const auto& [text, expected] : cases) {
    SCOPED_TRACE(testing::Message() << '"' << text << '"');
    EXPECT_EQ(ReadLeadingNumber(text), expected);
  }
}

TEST(ReadLeadingNumber, GivesZeroForATextThatDoesNotBeginWithADecimalNumber) {
  for (const std::string_view text :
       {"", "   ", ".", "-", "+-5", "- 5", "abc", "e5", "inf", "INFINITY", "nan", "0x10"}) {
    SCOPED_TRACE(testing::Message() << '"' << text << '"');
    EXPECT_EQ(ReadLeadingNumber(text), 0.0);
  }
}

// Beyond the range of a double the C library's strtod gives infinity or zero; so does this.
TEST(ReadLeadingNumber, SaturatesOutsideTheRangeOfADouble) {
  const std::pair<std::string_view, double> cases[] = {
      {"1e400", infinity},
      {"-1e400", -infinity},
      {"0.01e311", infinity},
      {"1e99999999999999999999", infinity},
      {"1e-400", 0.0},
      {"1000e-330", 0.0},
      {"0.001e-322", 0.0},
      {"1e-99999999999999999999", 0.0},
      {"0e99999", 0.0},
      {"1e308", 1e308},
      {"4.9406564584124654e-324", std::numeric_limits<double>::denorm_min()}};
  for (const auto& [text, expected] : cases) {
    SCOPED_TRACE(testing::Message() << '"' << text << '"');
    EXPECT_EQ(ReadLeadingNumber(text), expected);
  }
  EXPECT_TRUE(std::signbit(ReadLeadingNumber("-1e-400")));
  EXPECT_TRUE(std::signbit(ReadLeadingNumber("-0")));
}

}  // namespace
}  // namespace tamblor
