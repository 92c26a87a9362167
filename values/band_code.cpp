#include "values/band_code.h"

#include <algorithm>
#include <charconv>

namespace tamblor {

namespace {

// Digit bands of the widest layout (five and six bands).
constexpr int maxDigitBands = 3;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::optional<int> DigitSwatch(std::int32_t digit) {
  if (digit < 0 || digit > 9) return std::nullopt;
  return digit;
}

}  // namespace

BandCode ComputeBandCode(double ohms, bool isE96, int e24BandCount) {
  const int digitCount = (!isE96 && e24BandCount == 4) ? 2 : 3;

  // Scale so that the value has at least as many whole digits as the code.
  const double oneDigitBelow = digitCount == 2 ? 1.0 : 10.0;
  double scaled = ohms;
  std::int32_t multiplier = 0;
  if (ohms < oneDigitBelow) {
    scaled = ohms * 100.0;
    multiplier = -2;
  } else if (ohms < oneDigitBelow * 10.0) {
    scaled = ohms * 10.0;
    multiplier = -1;
  }

  // Two decimals absorb the representation error of the scaling (5.1 * 100 prints 510.00).
  // The buffer holds the 309 whole digits of the largest double.
  std::array<char, 320> printed{};
  const auto result = std::to_chars(printed.data(), printed.data() + printed.size(), scaled,
                                    std::chars_format::fixed, 2);
  const std::string_view text(printed.data(), result.ptr - printed.data());

  // Values with too few whole digits (below the smallest limit), negative values, NaN and
  // infinity have no code and are not drawn.
  BandCode code;
  if (text.size() < static_cast<std::size_t>(digitCount) ||
      !std::all_of(text.begin(), text.begin() + digitCount, IsDigit)) {
    return code;
  }
  for (int i = 0; i < digitCount; ++i) code.digits[i] = text[i] - '0';
  code.digitCount = digitCount;

  // Only the zeros directly after the digits move into the multiplier.
  const std::size_t firstOther = text.find_first_not_of('0', digitCount);
  code.multiplier = multiplier + static_cast<std::int32_t>(firstOther - digitCount);
  return code;
}

int DrawnBandCount(bool isR1, const BandSettings& settings) {
  if (isR1 && !settings.E24ONLY) return settings.e96BandCount;
  return settings.e24BandCount;
}

std::optional<int> MultiplierSwatch(std::int32_t multiplier) {
  if (multiplier >= 0 && multiplier <= 9) return multiplier;
  if (multiplier == -1) return SwatchGold;
  if (multiplier == -2) return SwatchSilver;
  return std::nullopt;
}

BandSequence DrawnBands(const BandCode& code, bool isR1, const BandSettings& settings) {
  BandSequence bands;
  if (code.digitCount <= 0) return bands;

  bands.bandCount = DrawnBandCount(isR1, settings);
  const auto add = [&bands](std::optional<int> swatch) { bands.swatches[bands.size++] = swatch; };

  const int digitBands = std::min(code.digitCount, maxDigitBands);
  for (int i = 0; i < digitBands; ++i) add(DigitSwatch(code.digits[i]));
  add(MultiplierSwatch(code.multiplier));

  const bool onePercent = !isR1 || settings.E24ONLY || settings.USE_1PC;
  add(onePercent ? SwatchBrown : SwatchViolet);
  // The temperature-coefficient place of the standard colour code.
  if (bands.bandCount == 6) add(SwatchBrown);
  return bands;
}

}  // namespace tamblor
