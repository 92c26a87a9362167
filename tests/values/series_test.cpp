#include "values/series.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace tamblor {
namespace {

constexpr double nan = std::numeric_limits<double>::quiet_NaN();
constexpr double inf = std::numeric_limits<double>::infinity();
using enum ResistorSeries;

TEST(NormaliseValue, SplitsIntoMantissaAndDecadeAroundTheThresholds) {
  struct Case {
    double value, mantissa;
    std::int32_t exponent;
  };
  const Case cases[] = {{1.0, 1.0, 0},
                        {10.0, 1.0, 1},
                        {0.1, 1.0, -1},
                        {0.001, 1.0, -3},
                        {0.5, 5.0, -1},
                        {4'700.0, 4.7, 3},
                        {51.1, 5.11, 1},
                        {10'000'000.0, 1.0, 7},
                        {9.999999999, 9.999999999, 0},
                        {9.9999999995, 0.99999999995, 1},
                        {0.99999999999, 9.9999999999, -1},
                        {1e300, 1.0, 300}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "value " << c.value);
    std::int32_t exponent = 42;
    EXPECT_NEAR(NormaliseValue(c.value, exponent), c.mantissa, 1e-14);
    EXPECT_EQ(exponent, c.exponent);
  }
}

TEST(NormaliseValue, FailsWithoutTouchingTheExponent) {
  for (double value : {0.0009999, 0.0, -5.0, nan, inf, -inf}) {
    SCOPED_TRACE(testing::Message() << "value " << value);
    std::int32_t exponent = 42;
    EXPECT_EQ(NormaliseValue(value, exponent), 0.0);
    EXPECT_EQ(exponent, 42);
  }
}

TEST(IsWithinLimits, IncludesBothEndsOfItsOwnSeriesOnly) {
  const SeriesLimits limits{.e24Min = 10.0, .e24Max = 1'000.0, .e96Min = 100.0, .e96Max = 10'000.0};
  const auto below = [](double x) { return std::nextafter(x, 0.0); };
  const auto above = [](double x) { return std::nextafter(x, inf); };
  struct Case {
    ResistorSeries series;
    double ohms;
    bool inside;
  };
  const Case cases[] = {{E24, 10.0, true},     {E24, below(10.0), false},
                        {E24, 1'000.0, true},  {E24, above(1e3), false},
                        {E96, 100.0, true},    {E96, below(100.0), false},
                        {E96, 10'000.0, true}, {E96, above(10'000.0), false},
                        {E24, 50.0, true},     {E96, 5'000.0, true},
                        {E24, nan, false},     {E96, nan, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << (c.series == E24 ? "E24 " : "E96 ") << c.ohms);
    EXPECT_EQ(IsWithinLimits(c.ohms, c.series, limits), c.inside);
  }
}

TEST(FindStandardValue, MatchesStrictlyWithinTheTolerance) {
  // 4.7 -/+ 0.0001 evaluate to exactly 4.6999 and 4.7001.
  struct Case {
    ResistorSeries series;
    double mantissa;
    std::optional<int> index;
  };
  const Case cases[] = {
      {E24, 4.7, 16},    {E24, 4.69995, 16},      {E24, 4.70009, 16},      {E24, 4.6999, {}},
      {E24, 4.7001, {}}, {E24, 4.75, {}},         {E96, 4.75, 65},         {E24, 1.0, 0},
      {E96, 1.0, 0},     {E24, 0.99999999995, 0}, {E96, 0.99999999995, 0}, {E24, 9.1, 23},
      {E96, 9.76, 95},   {E96, 9.7601, {}},       {E24, 0.5, {}},          {E96, nan, {}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << (c.series == E24 ? "E24 " : "E96 ") << c.mantissa);
    EXPECT_EQ(FindStandardValue(c.series, c.mantissa), c.index);
  }
}

TEST(NextE24AtOrAbove, ReturnsTheFirstEntryNotBelow) {
  const std::pair<double, double> cases[] = {
      {1.0, 1.0}, {0.99999999995, 1.0}, {1.05, 1.1}, {1.1, 1.1}, {std::nextafter(1.1, 2.0), 1.2},
      {9.1, 9.1}, {9.2, 10.0}};
  for (const auto& [mantissa, next] : cases) {
    SCOPED_TRACE(testing::Message() << "mantissa " << mantissa);
    EXPECT_EQ(NextE24AtOrAbove(mantissa), next);
  }
}

}  // namespace
}  // namespace tamblor
