#include "values/value_text.h"

#include <array>
#include <charconv>
#include <cmath>

#include "values/series.h"

namespace tamblor {

namespace {

constexpr std::string_view valueTextAlphabet = "0123456789kMR.";

struct UnitLetter {
  char letter;
  double multiplier;
};

// The order decides which letter becomes the point when a text holds several.
constexpr std::array<UnitLetter, 3> unitLetters{{{'k', 1'000.0}, {'M', 1'000'000.0}, {'R', 1.0}}};

std::size_t SkipDigits(std::string_view text, std::size_t from) {
  while (from < text.size() && text[from] >= '0' && text[from] <= '9') ++from;
  return from;
}

// The longest leading "digits[.digits]" as a decimal number, 0 when it holds no digit. Rounded as
// atof rounds, but through from_chars so that the locale's decimal point plays no part.
double LeadingNumber(std::string_view text) {
  const std::size_t wholeEnd = SkipDigits(text, 0);
  std::size_t end = wholeEnd;
  if (wholeEnd < text.size() && text[wholeEnd] == '.') {
    const std::size_t fractionEnd = SkipDigits(text, wholeEnd + 1);
    if (fractionEnd > wholeEnd + 1) end = fractionEnd;  // "5." reads as "5", "." as nothing
  }
  if (end == 0) return 0.0;

  double number = 0.0;
  std::from_chars(text.data(), text.data() + end, number, std::chars_format::fixed);
  return number;
}

// The text of a value the notation cannot hold in maxValueTextLength characters: NaN, the
// infinities and magnitudes from about 10^36 ohms (10^35 when negative). It lies outside the
// notation, so reading it back fails instead of giving a wrong value.
ValueText OutsideNotationText(double ohms) {
  std::array<char, maxValueTextLength + 1> text{};
  const auto result = std::to_chars(text.data(), text.data() + text.size(), ohms);
  return ValueText(std::string_view(text.data(), result.ptr - text.data()));
}

}  // namespace

double ParsedValue::ohms() const { return OhmsFromMantissa(mantissa, exponent); }

std::optional<double> ParseValueTextOhms(std::string_view text) {
  if (text.size() > maxValueTextLength) return std::nullopt;
  if (text.find_first_not_of(valueTextAlphabet) != std::string_view::npos) return std::nullopt;

  std::array<char, maxValueTextLength + 1> buffer{};
  text.copy(buffer.data(), text.size());
  const std::string_view working(buffer.data(), text.size());

  double multiplier = 1.0;
  for (const UnitLetter& unit : unitLetters) {
    const std::size_t position = working.find(unit.letter);
    if (position == std::string_view::npos) continue;
    buffer[position] = '.';
    multiplier = unit.multiplier;
    break;
  }
  return LeadingNumber(working) * multiplier;
}

std::optional<ParsedValue> ParseValueText(std::string_view text) {
  const std::optional<double> ohms = ParseValueTextOhms(text);
  if (!ohms) return std::nullopt;

  ParsedValue value;
  value.mantissa = NormaliseValue(*ohms, value.exponent);
  return value;
}

ValueText FormatValueText(double ohms) {
  if (!std::isfinite(ohms)) return OutsideNotationText(ohms);

  // The unit is chosen before rounding, so 999.9996 is written 1000R.
  const double magnitude = std::fabs(ohms);
  double scaled = magnitude;
  char letter = 'R';
  if (magnitude >= 1'000'000.0) {
    scaled = magnitude / 1'000'000.0;
    letter = 'M';
  } else if (magnitude >= 1'000.0) {
    scaled = magnitude / 1'000.0;
    letter = 'k';
  }

  // Room for the 309 whole digits of the largest double, the point and three decimals.
  std::array<char, 320> printed{};
  const auto result = std::to_chars(printed.data(), printed.data() + printed.size(), scaled,
                                    std::chars_format::fixed, 3);
  const std::string_view number(printed.data(), result.ptr - printed.data());
  const std::size_t point = number.find('.');
  const std::string_view whole = number.substr(0, point);
  std::string_view fraction = number.substr(point + 1);
  while (!fraction.empty() && fraction.back() == '0') fraction.remove_suffix(1);

  const std::string_view sign = ohms < 0.0 ? "-" : "";
  if (sign.size() + whole.size() + 1 + fraction.size() > maxValueTextLength) {
    return OutsideNotationText(ohms);
  }
  std::array<char, maxValueTextLength + 1> text{};
  char* end = std::copy(sign.begin(), sign.end(), text.data());
  end = std::copy(whole.begin(), whole.end(), end);
  *end++ = letter;
  end = std::copy(fraction.begin(), fraction.end(), end);
  return ValueText(std::string_view(text.data(), end - text.data()));
}

}  // namespace tamblor
