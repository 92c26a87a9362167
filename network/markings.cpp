#include "network/markings.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <span>
#include <utility>

#include "network/iec_series.h"
#include "values/band_code.h"

namespace tamblor {

namespace {

// A value's significant digits, without trailing zeros, and the power of ten of the first one:
// 4700 is "47" and 3, 0.102 is "102" and -1.
struct DecimalDigits {
  std::array<char, 17> digits{};
  int count = 0;
  int exponent = 0;
};

// The shortest text that reads back as the same double is the part's decimal value itself, since
// the part is the double nearest it, and has no trailing zeros: no product or quotient can round
// a digit wrong.
DecimalDigits DigitsOf(double ohms) {
  std::array<char, 32> printed{};
  const auto result = std::to_chars(printed.data(), printed.data() + printed.size(), ohms,
                                    std::chars_format::scientific);
  const std::string_view text(printed.data(), result.ptr - printed.data());
  DecimalDigits value;
  std::size_t at = 0;
  for (; at < text.size() && text[at] != 'e'; ++at) {
    if (text[at] != '.') value.digits[value.count++] = text[at];
  }
  std::from_chars(text.data() + at + 1 + (text[at + 1] == '+' ? 1 : 0), text.data() + text.size(),
                  value.exponent);
  return value;
}

// The digits of the code, padded with zeros to `classDigits`, and the multiplier's power of ten.
struct Code {
  std::array<char, 3> digits{};
  int count = 0;
  int multiplier = 0;
};

std::optional<Code> CodeOf(const DecimalDigits& value, int classDigits) {
  if (value.count > classDigits) return std::nullopt;
  Code code;
  code.count = classDigits;
  for (int i = 0; i < classDigits; ++i) code.digits[i] = i < value.count ? value.digits[i] : '0';
  code.multiplier = value.exponent - (classDigits - 1);
  return code;
}

bool NeedsThreeDigits(const Part& part, const DecimalDigits& value) {
  const bool precisionSeries = part.origin == PartOrigin::E48 || part.origin == PartOrigin::E96 ||
                               part.origin == PartOrigin::E192;
  return precisionSeries || part.tolerance < 2.0 ||
         (part.origin == PartOrigin::Stock && value.count > 2);
}

constexpr std::pair<double, Swatch> toleranceSwatches[] = {
    {10.0, SwatchSilver}, {5.0, SwatchGold},  {2.0, SwatchRed},    {1.0, SwatchBrown},
    {0.5, SwatchGreen},   {0.25, SwatchBlue}, {0.1, SwatchViolet}, {0.05, SwatchGrey}};

// A 20 % part carries no tolerance band.
constexpr double bandlessTolerance = 20.0;

std::optional<BandColours> BandsOf(const Code& code, double tolerance) {
  const std::optional<int> multiplier = MultiplierSwatch(code.multiplier);
  if (!multiplier) return std::nullopt;
  BandColours bands;
  for (int i = 0; i < code.count; ++i)
    bands.names[bands.size++] = SWATCH_NAMES[code.digits[i] - '0'];
  bands.names[bands.size++] = SWATCH_NAMES[*multiplier];
  if (tolerance == bandlessTolerance) return bands;
  for (const auto& [percent, swatch] : toleranceSwatches) {
    if (tolerance != percent) continue;
    bands.names[bands.size++] = SWATCH_NAMES[swatch];
    return bands;
  }
  return std::nullopt;
}

// "472" and "4701": the digits and the count of zeros; below a multiplier of one, the digits with
// R for the point ("4R7", "R102").
std::optional<MarkingCode> SmdCodeOf(const Code& code) {
  if (code.multiplier > 9 || code.multiplier < -code.count) return std::nullopt;
  std::array<char, 4> text{};
  const std::string_view digits(code.digits.data(), code.count);
  if (code.multiplier >= 0) {
    digits.copy(text.data(), digits.size());
    text[digits.size()] = static_cast<char>('0' + code.multiplier);
  } else {
    const std::size_t point = digits.size() + code.multiplier;
    digits.copy(text.data(), point);
    text[point] = 'R';
    digits.copy(text.data() + point + 1, digits.size() - point, point);
  }
  return MarkingCode(std::string_view(text.data(), digits.size() + 1));
}

// The letters of the multipliers 10^-3 to 10^5.
constexpr std::string_view eia96Letters = "ZYXABCDEF";
constexpr int eia96LowestMultiplier = -3;

// The tolerance at or below which a part carries an EIA-96 code.
constexpr double eia96Tolerance = 1.0;

std::optional<MarkingCode> Eia96CodeOf(const DecimalDigits& value, double tolerance) {
  if (tolerance > eia96Tolerance) return std::nullopt;
  const std::optional<Code> code = CodeOf(value, 3);
  if (!code) return std::nullopt;
  const int letter = code->multiplier - eia96LowestMultiplier;
  if (letter < 0 || letter >= static_cast<int>(eia96Letters.size())) return std::nullopt;
  int number = 0;
  for (const char digit : code->digits) number = number * 10 + (digit - '0');
  const std::span<const int> e96 = SeriesDigits(PartOrigin::E96).values;
  const auto found = std::find(e96.begin(), e96.end(), number);
  if (found == e96.end()) return std::nullopt;
  const auto index = found - e96.begin() + 1;
  const char text[] = {static_cast<char>('0' + index / 10), static_cast<char>('0' + index % 10),
                       eia96Letters[letter]};
  return MarkingCode(std::string_view(text, sizeof text));
}

}  // namespace

Markings MarkingsOf(const Part& part) {
  Markings markings;
  if (!(part.ohms > 0.0) || !std::isfinite(part.ohms)) return markings;
  const DecimalDigits value = DigitsOf(part.ohms);
  const std::optional<Code> code = CodeOf(value, NeedsThreeDigits(part, value) ? 3 : 2);
  if (code) {
    markings.bands = BandsOf(*code, part.tolerance);
    markings.smd = SmdCodeOf(*code);
  }
  markings.eia96 = Eia96CodeOf(value, part.tolerance);
  return markings;
}

}  // namespace tamblor
