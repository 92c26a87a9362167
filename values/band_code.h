#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace tamblor {

// Indices into the palette of twelve swatches.
enum Swatch : int {
  SwatchBlack,
  SwatchBrown,
  SwatchRed,
  SwatchOrange,
  SwatchYellow,
  SwatchGreen,
  SwatchBlue,
  SwatchViolet,
  SwatchGrey,
  SwatchWhite,
  SwatchGold,
  SwatchSilver,
};

inline constexpr int swatchCount = 12;

inline constexpr std::array<std::string_view, swatchCount> SWATCH_NAMES{
    "black", "brown",  "red",  "orange", "yellow", "green",
    "blue",  "violet", "grey", "white",  "gold",   "silver"};

// The colour-band code of one drawn resistor: the digits read as a whole number times
// 10^multiplier is the resistance in ohms. digitCount 0 means no code: the resistor is not drawn.
struct BandCode {
  std::array<std::int32_t, 8> digits{};
  std::int32_t digitCount = 0;
  std::int32_t multiplier = 0;

  friend bool operator==(const BandCode&, const BandCode&) = default;
};

// The code of a resistance in ohms: two digits for an E24 resistor at four bands, three otherwise.
// A value without that many whole digits once scaled (below 0.1 ohms at two digits, below 1 ohm
// at three), a negative value, NaN or infinity has no code (digitCount 0).
BandCode ComputeBandCode(double ohms, bool isE96, int e24BandCount);

// What decides how a resistor is drawn, apart from its code.
struct BandSettings {
  int e24BandCount = 4;  // 4, 5 or 6
  int e96BandCount = 5;  // 5 or 6
  bool E24ONLY = true;
  bool USE_1PC = true;
};

// The bands of a drawn resistor in order: digits, multiplier, tolerance and, at six bands, the
// sixth. A multiplier without a swatch (above 9 or below -2) is nullopt.
struct BandSequence {
  int bandCount = 0;  // 4, 5 or 6: decides the spacing of the picture
  std::array<std::optional<int>, 6> swatches{};
  int size = 0;  // entries of `swatches` in use
};

// The band count of R1 or R2 under the settings.
int DrawnBandCount(bool isR1, const BandSettings& settings);

// The swatch of a multiplier exponent, or nullopt when the palette has none.
std::optional<int> MultiplierSwatch(std::int32_t multiplier);

// The bands of R1 or R2 with this code; an empty code gives an empty sequence (bandCount 0).
BandSequence DrawnBands(const BandCode& code, bool isR1, const BandSettings& settings);

}  // namespace tamblor
