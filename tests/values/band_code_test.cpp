#include "values/band_code.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace tamblor {
namespace {

std::string DigitsOf(const BandCode& code) {
  std::string digits;
  for (int i = 0; i < code.digitCount; ++i) digits += static_cast<char>('0' + code.digits[i]);
  return digits;
}

// Rows on both sides of each scaling threshold; 99.9999 prints as 1000.00 at three digits, and
// 4750 at two digits keeps its printed leading digits 47 with no zero after them.
TEST(ComputeBandCode, TakesThePrintedDigitsAndTheZerosDirectlyAfterThem) {
  struct Case {
    double ohms;
    bool isE96;
    int e24BandCount;
    std::string_view digits;
    std::int32_t multiplier;
  };
  const Case cases[] = {
      {1.0, false, 4, "10", -1},     {1.0, false, 5, "100", -2},   {10.0, false, 4, "10", 0},
      {10.0, true, 5, "100", -1},    {51.1, true, 5, "511", -1},   {4'700.0, false, 4, "47", 2},
      {4'700.0, false, 5, "470", 1}, {9'760.0, true, 6, "976", 1}, {1e6, true, 5, "100", 4},
      {1e7, false, 4, "10", 6},      {100.0, true, 5, "100", 0},   {100.0, false, 4, "10", 1},
      {0.99, false, 4, "99", -2},    {9.9, false, 4, "99", -1},    {9.99, true, 5, "999", -2},
      {99.9, false, 6, "999", -1},   {99.9999, true, 5, "100", 0}, {4'750.0, false, 4, "47", 0},
      {1e12, true, 5, "100", 10}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.ohms << (c.isE96 ? " E96 " : " E24 ") << c.e24BandCount);
    const BandCode code = ComputeBandCode(c.ohms, c.isE96, c.e24BandCount);
    EXPECT_EQ(DigitsOf(code), c.digits);
    EXPECT_EQ(code.multiplier, c.multiplier);
  }
}

TEST(ComputeBandCode, GivesNoCodeForValuesWithoutEnoughWholeDigits) {
  constexpr double inf = std::numeric_limits<double>::infinity();
  const std::pair<double, bool> cases[] = {{0.05, false},       {0.5, true}, {0.0, false},
                                           {-4'700.0, false},   {inf, true}, {-inf, false},
                                           {std::nan(""), true}};
  for (const auto& [ohms, isE96] : cases) {
    SCOPED_TRACE(testing::Message() << ohms << (isE96 ? " E96" : " E24"));
    EXPECT_EQ(ComputeBandCode(ohms, isE96, 4).digitCount, 0);
  }
  EXPECT_EQ(DigitsOf(ComputeBandCode(std::numeric_limits<double>::max(), true, 4)), "179");
}

TEST(MultiplierSwatch, CoversMinusTwoToNine) {
  const std::pair<std::int32_t, std::optional<int>> cases[] = {
      {-3, {}}, {-2, SwatchSilver}, {-1, SwatchGold}, {0, SwatchBlack}, {9, SwatchWhite}, {10, {}}};
  for (const auto& [multiplier, swatch] : cases) {
    SCOPED_TRACE(multiplier);
    EXPECT_EQ(MultiplierSwatch(multiplier), swatch);
  }
}

std::string NamesOf(const BandSequence& bands) {
  std::string names;
  for (int i = 0; i < bands.size; ++i) {
    names += i > 0 ? " " : "";
    names += bands.swatches[i] ? SWATCH_NAMES[*bands.swatches[i]] : "none";
  }
  return names;
}

BandSettings Settings(int e24BandCount, int e96BandCount, bool E24ONLY, bool USE_1PC) {
  return {e24BandCount, e96BandCount, E24ONLY, USE_1PC};
}

// R2 always takes the E24 band count and a brown tolerance band.
TEST(DrawnBands, FollowsTheColourCode) {
  struct Case {
    double ohms;
    bool isR1;
    BandSettings settings;
    int bandCount;
    std::string_view names;
  };
  const Case cases[] = {
      {4'700.0, true, Settings(4, 5, true, true), 4, "yellow violet red brown"},
      {51.1, true, Settings(4, 6, false, false), 6, "green brown brown gold violet brown"},
      {1.0, true, Settings(4, 5, true, false), 4, "brown black gold brown"},
      {1.0, true, Settings(5, 5, true, true), 5, "brown black black silver brown"},
      {1.0, true, Settings(6, 5, true, true), 6, "brown black black silver brown brown"},
      {1e7, true, Settings(4, 5, true, true), 4, "brown black blue brown"},
      {1e7, true, Settings(5, 5, true, true), 5, "brown black black green brown"},
      {1e7, true, Settings(6, 5, true, true), 6, "brown black black green brown brown"},
      {100.0, true, Settings(4, 5, false, true), 5, "brown black black black brown"},
      {100.0, true, Settings(4, 6, true, true), 4, "brown black brown brown"},
      {4'700.0, false, Settings(4, 6, false, false), 4, "yellow violet red brown"},
      {100.0, false, Settings(6, 5, false, true), 6, "brown black black black brown brown"},
      {1e12, true, Settings(4, 5, false, true), 5, "brown black black none brown"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.ohms << (c.isR1 ? " R1 " : " R2 ") << c.names);
    const bool isE96 = c.isR1 && !c.settings.E24ONLY;
    const BandCode code = ComputeBandCode(c.ohms, isE96, c.settings.e24BandCount);
    const BandSequence bands = DrawnBands(code, c.isR1, c.settings);
    EXPECT_EQ(bands.bandCount, c.bandCount);
    EXPECT_EQ(NamesOf(bands), c.names);
  }
  EXPECT_EQ(DrawnBands(BandCode{}, true, BandSettings{}).size, 0);
}

}  // namespace
}  // namespace tamblor
