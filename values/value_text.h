#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "values/fixed_text.h"

namespace tamblor {

// The longest text the notation reads or writes.
inline constexpr std::size_t maxValueTextLength = 31;

using ValueText = FixedText<maxValueTextLength + 1>;

// A value read from text. `mantissa` is 0.0 and `exponent` 0 when the value is zero or
// below 0.001 ohms; the caller judges such a value.
struct ParsedValue {
  double mantissa = 0.0;
  std::int32_t exponent = 0;

  double ohms() const;
};

// Reads a value in the notation "4k7", "51R1", "1M5", ".5k", "10". Fails (nullopt) only for a text
// with a character outside "0123456789kMR." or longer than maxValueTextLength characters.
std::optional<ParsedValue> ParseValueText(std::string_view text);

// Steps 1 to 5 of the reading: the value in ohms before normalisation, or nullopt as above.
std::optional<double> ParseValueTextOhms(std::string_view text);

// Writes ohms in the notation: one unit letter in place of the point, at most three decimals,
// no trailing zero ("4k7", "100R", "1M"); the unit is chosen on the magnitude, so -4700 is "-4k7".
// Any double is written without overflow: NaN, the infinities and magnitudes whose text would not
// fit (from 10^36 ohms) are written in the shortest scientific form ("nan", "inf", "1e+36"), which
// lies outside the notation so that reading it back fails.
ValueText FormatValueText(double ohms);

}  // namespace tamblor
