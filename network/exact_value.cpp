#include "network/exact_value.h"

#include <array>
#include <charconv>

#include "values/value_text.h"

namespace tamblor {

namespace {

constexpr std::string_view valueTextAlphabet = "0123456789kMR.";

struct UnitExponent {
  char letter;
  std::string_view exponent;
};

// The calculator's order: the first k, else the first M, else the first R becomes the point.
constexpr std::array<UnitExponent, 3> unitExponents{{{'k', "e3"}, {'M', "e6"}, {'R', "e0"}}};

std::size_t SkipDigits(std::string_view text, std::size_t from) {
  while (from < text.size() && text[from] >= '0' && text[from] <= '9') ++from;
  return from;
}

// The length of the leading "digits[.digits]"; "5." counts as "5" and "." as nothing.
std::size_t LeadingNumberLength(std::string_view text) {
  const std::size_t wholeEnd = SkipDigits(text, 0);
  if (wholeEnd < text.size() && text[wholeEnd] == '.') {
    const std::size_t fractionEnd = SkipDigits(text, wholeEnd + 1);
    if (fractionEnd > wholeEnd + 1) return fractionEnd;
  }
  return wholeEnd;
}

}  // namespace

std::optional<double> ExactOhmsFromText(std::string_view text) {
  if (text.size() > maxValueTextLength) return std::nullopt;
  if (text.find_first_not_of(valueTextAlphabet) != std::string_view::npos) return std::nullopt;

  // The decimal text with the unit as a power of ten ("4.7e3"), converted in one correctly rounded
  // step: multiplying doubles would round twice and miss the nearest double.
  std::array<char, maxValueTextLength + 3> decimal{};
  text.copy(decimal.data(), text.size());
  std::string_view exponent = "e0";
  for (const UnitExponent& unit : unitExponents) {
    const std::size_t position = text.find(unit.letter);
    if (position == std::string_view::npos) continue;
    decimal[position] = '.';
    exponent = unit.exponent;
    break;
  }
  const std::size_t numberLength =
      LeadingNumberLength(std::string_view(decimal.data(), text.size()));
  if (numberLength == 0) return 0.0;
  exponent.copy(decimal.data() + numberLength, exponent.size());

  double ohms = 0.0;
  const char* end = decimal.data() + numberLength + exponent.size();
  std::from_chars(decimal.data(), end, ohms, std::chars_format::general);
  return ohms;
}

}  // namespace tamblor
