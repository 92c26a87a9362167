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

TEST(ComputeBandCode, TakesThePrintedDigitsAndTheZerosAfterThem) {
  struct Case {
    double ohms;
    bool isE96;
    int e24BandCount;
    std::string_view digits;
    std::int32_t multiplier;
  };
  const Case cases[] = {
      {1.0, false, 4, "10", -1},
      {1.0, false, 5, "100", -2},
      {10.0, false, 4, "10", 0},
      {10.0, true, 5, "100", -1},
      {51.1, true, 5, "511", -1},
      {4'700.0, false, 4, "47", 2},
      {4'700.0, false, 5, "470", 1},  // only the zeros right after the digits count
      {9'760.0, true, 6, "976", 1},
      {1'000'000.0, true, 5, "100", 4},
      {10'000'000.0, false, 4, "10", 6},
      {100.0, true, 5, "100", 0},
      {100.0, false, 4, "10", 1},
      {0.99, false, 4, "99", -2},  // scaling thresholds, both sides
      {9.9, false, 4, "99", -1},
      {9.99, true, 5, "999", -2},
      {99.9, false, 6, "999", -1},
      {99.9999, true, 5, "100", 0},  // the print rounds up into one more digit
      {4'750.0, false, 4, "47", 0},  // leading digits as printed, never rounded
      {1e12, true, 5, "100", 10},    // beyond the palette, still a code
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.ohms << (c.isE96 ? " E96 " : " E24 ") << c.e24BandCount);
    const BandCode code = ComputeBandCode(c.ohms, c.isE96, c.e24BandCount);
    EXPECT_EQ(DigitsOf(code), c.digits);
    EXPECT_EQ(code.multiplier, c.multiplier);
  }
}

TEST(ComputeBandCode, GivesNoCodeForValuesWithoutEnoughWholeDigits) {
  constexpr double inf = std::numeric_limits<double>::infinity();
  const std::pair<double, bool> cases[] = {
      {0.05, false}, {0.5, true},   {0.0, false},         {-4'700.0, false},
      {inf, true},   {-inf, false}, {std::nan(""), true},
  };
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
    if (i > 0) names += ' ';
    names += bands.swatches[i] ? SWATCH_NAMES[*bands.swatches[i]] : "none";
  }
  return names;
}

TEST(DrawnBands, FollowsTheColourCode) {
  const BandSettings e24Only{
      .e24BandCount = 4, .e96BandCount = 5, .E24ONLY = true, .USE_1PC = true};
  const BandSettings e96Fine{
      .e24BandCount = 4, .e96BandCount = 6, .E24ONLY = false, .USE_1PC = false};
  const BandSettings e96OnePercent{
      .e24BandCount = 6, .e96BandCount = 5, .E24ONLY = false, .USE_1PC = true};
  struct Case {
    double ohms;
    bool isR1;
    BandSettings settings;
    int bandCount;
    std::string_view names;
  };
  const auto withE24Bands = [&e24Only](int count) {
    BandSettings settings = e24Only;
    settings.e24BandCount = count;
    return settings;
  };
  const Case cases[] = {
      {4'700.0, true, e24Only, 4, "yellow violet red brown"},
      {51.1, true, e96Fine, 6, "green brown brown gold violet brown"},
      {1.0, true, withE24Bands(4), 4, "brown black gold brown"},
      {1.0, true, withE24Bands(5), 5, "brown black black silver brown"},
      {1.0, true, withE24Bands(6), 6, "brown black black silver brown brown"},
      {10'000'000.0, true, withE24Bands(4), 4, "brown black blue brown"},
      {10'000'000.0, true, withE24Bands(5), 5, "brown black black green brown"},
      {10'000'000.0, true, withE24Bands(6), 6, "brown black black green brown brown"},
      {100.0, true, e96OnePercent, 5, "brown black black black brown"},
      {100.0, true, e24Only, 4, "brown black brown brown"},
      {4'700.0, false, e96Fine, 4, "yellow violet red brown"},  // R2: E24 count, brown
      {100.0, false, e96OnePercent, 6, "brown black black black brown brown"},
      {1e12, true, e96OnePercent, 5, "brown black black none brown"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.ohms << (c.isR1 ? " R1 " : " R2 ") << c.names);
    const bool isE96 = c.isR1 && !c.settings.E24ONLY;
    const BandCode code = ComputeBandCode(c.ohms, isE96, c.settings.e24BandCount);
    const BandSequence bands = DrawnBands(code, c.isR1, c.settings);
    EXPECT_EQ(bands.bandCount, c.bandCount);
    EXPECT_EQ(NamesOf(bands), c.names);
  }
}

TEST(DrawnBands, DrawsNothingForAnEmptyCode) {
  const BandSequence bands = DrawnBands(BandCode{}, true, BandSettings{});
  EXPECT_EQ(bands.size, 0);
  EXPECT_EQ(bands.bandCount, 0);
}

}  // namespace
}  // namespace tamblor
