#include "settings/leading_number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <string_view>

namespace tamblor {
namespace {

// Beyond the range of a double the C library gives infinity or zero of the sign; so does this.
TEST(ReadLeadingNumber, TakesTheLongestDecimalPrefixAfterWhiteSpaceAsTheCLibraryDoes) {
  constexpr double inf = std::numeric_limits<double>::infinity();
  const std::pair<std::string_view, double> cases[] = {
      {"-2.5x", -2.5},  {"+3", 3.0},     {".5", 0.5},      {"1e99999999999999999999", inf},
      {"5.", 5.0},      {"1,5", 1.0},    {"1.2.3", 1.2},   {"1e-99999999999999999999", 0.0},
      {"1e", 1.0},      {"1e-x", 1.0},   {"1E-2", 0.01},   {" \t\v\f\r\n47.5", 47.5},
      {"", 0.0},        {".", 0.0},      {"2e+2k", 200.0}, {"0.001e-322", 0.0},
      {"-", 0.0},       {"+-5", 0.0},    {"- 5", 0.0},     {"e5", 0.0},
      {"inf", 0.0},     {"nan", 0.0},    {"0x10", 0.0},    {"1e400", inf},
      {"-1e400", -inf}, {"1e-400", 0.0}, {"1e308", 1e308}, {"0e99999", 0.0}};
  for (const auto& [text, number] : cases) EXPECT_EQ(ReadLeadingNumber(text), number) << text;
  EXPECT_EQ(ReadLeadingNumber("4.9406564584124654e-324"),
            std::numeric_limits<double>::denorm_min());
  EXPECT_EQ(ReadLeadingNumber("0." + std::string(999, '0') + "1e500"), 0.0);
  EXPECT_TRUE(std::signbit(ReadLeadingNumber("-1e-400")));
}

}  // namespace
}  // namespace tamblor
