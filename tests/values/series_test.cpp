#include "values/series.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

namespace tamblor {
namespace {

using enum ResistorSeries;

// The exponent starts at 42: a failure leaves it there and gives mantissa 0.
TEST(NormaliseValue, SplitsAtBothThresholdsAndFailsWithoutTouchingTheExponent) {
  const std::tuple<double, double, std::int32_t> cases[] = {
      {10.0, 1.0, 1},   {9.999999999, 9.999999999, 0},     {0.0009999, 0.0, 42},
      {0.001, 1.0, -3}, {9.9999999995, 0.99999999995, 1},  {0.0, 0.0, 42},
      {NAN, 0.0, 42},   {0.99999999999, 9.9999999999, -1}, {INFINITY, 0.0, 42}};
  for (const auto& [value, mantissa, exponent] : cases) {
    SCOPED_TRACE(value);
    std::int32_t read = 42;
    EXPECT_EQ(NormaliseValue(value, read), mantissa);
    EXPECT_EQ(read, exponent);
  }
}

// 4.7 -/+ 0.0001 evaluate to exactly 4.6999 and 4.7001, which lie outside.
TEST(FindStandardValue, MatchesStrictlyWithinTheTolerance) {
  const std::tuple<ResistorSeries, double, std::optional<int>> cases[] = {
      {E24, 4.6999, {}}, {E24, 4.7001, {}}, {E24, 4.69995, 16},      {E24, 4.70009, 16},
      {E24, 4.75, {}},   {E96, 4.75, 65},   {E24, 0.99999999995, 0}, {E96, 9.76, 95}};
  for (const auto& [series, mantissa, index] : cases)
    EXPECT_EQ(FindStandardValue(series, mantissa), index) << mantissa;
}

TEST(NextE24AtOrAbove, GivesTheFirstEntryNotBelowOrTenAbove9Point1) {
  const std::pair<double, double> cases[] = {
      {0.99999999995, 1.0}, {1.05, 1.1}, {1.1, 1.1}, {std::nextafter(1.1, 2.0), 1.2}, {9.2, 10.0}};
  for (const auto& [mantissa, next] : cases)
    EXPECT_EQ(NextE24AtOrAbove(mantissa), next) << mantissa;
}

}  // namespace
}  // namespace tamblor
