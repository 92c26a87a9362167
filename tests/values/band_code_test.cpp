#include "values/band_code.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>

namespace tamblor {
namespace {

// The band count and the bands of R1 (from E96 unless E24ONLY) or of R2, as "4: brown black ...".
std::string Drawn(double ohms, bool isR1, const BandSettings& settings) {
  const BandCode code = ComputeBandCode(ohms, isR1 && !settings.E24ONLY, settings.e24BandCount);
  const BandSequence bands = DrawnBands(code, isR1, settings);
  std::string names = std::to_string(bands.bandCount) + ":";
  for (int i = 0; i < bands.size; ++i) {
    const std::optional<int> swatch = bands.swatches[i];
    names.append(" ").append(swatch ? SWATCH_NAMES[*swatch] : "none");
  }
  return names;
}

// Settings: E24 bands, E96 bands, E24ONLY, USE_1PC. R2 takes the E24 count and a brown tolerance.
TEST(DrawnBands, FollowTheColourCodeOfTheValueUnderTheSettings) {
  const std::tuple<double, bool, BandSettings, std::string_view> cases[] = {
      {4'700.0, true, {4, 5, true, true}, "4: yellow violet red brown"},
      {4'700.0, true, {5, 5, true, true}, "5: yellow violet black brown brown"},
      {51.1, true, {4, 6, false, false}, "6: green brown brown gold violet brown"},
      {1.0, true, {4, 5, true, false}, "4: brown black gold brown"},
      {1.0, true, {5, 5, true, true}, "5: brown black black silver brown"},
      {1e7, true, {4, 5, true, true}, "4: brown black blue brown"},
      {100.0, true, {4, 5, false, true}, "5: brown black black black brown"},
      {99.9999, true, {4, 6, false, true}, "6: brown black black black brown brown"},
      {1e11, true, {4, 5, false, true}, "5: brown black black white brown"},
      {1e12, true, {4, 5, false, true}, "5: brown black black none brown"},
      {4'700.0, false, {4, 6, false, false}, "4: yellow violet red brown"}};
  for (const auto& [ohms, isR1, settings, names] : cases)
    EXPECT_EQ(Drawn(ohms, isR1, settings), names) << ohms;
  for (const double ohms : {0.5, -4'700.0, double{NAN}, double{INFINITY}})
    EXPECT_EQ(Drawn(ohms, true, {4, 5, false, true}), "0:") << ohms;
  EXPECT_EQ(MultiplierSwatch(-3), std::nullopt);
}

}  // namespace
}  // namespace tamblor
