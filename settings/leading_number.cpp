#include "settings/leading_number.h"

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <limits>
#include <system_error>

namespace tamblor {
namespace {

constexpr std::string_view whiteSpace = " \t\n\v\f\r";

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t SkipDigits(std::string_view text, std::size_t at) {
  while (at < text.size() && IsDigit(text[at])) ++at;
  return at;
}

// The decimal exponent of the number's leading significant digit, saturated far beyond the range
// of a double: positive for a value that overflows, negative for one that underflows.
long DecimalOrder(std::string_view integerDigits, std::string_view fractionDigits,
                  std::string_view exponentText) {
  constexpr long saturation = 100'000;
  long exponent = 0;
  const bool negativeExponent = !exponentText.empty() && exponentText.front() == '-';
  for (const char c : exponentText) {
    if (IsDigit(c)) exponent = std::min(saturation, exponent * 10 + (c - '0'));
  }
  if (negativeExponent) exponent = -exponent;

  const std::size_t firstSignificant = integerDigits.find_first_not_of('0');
  if (firstSignificant != std::string_view::npos) {
    return exponent + static_cast<long>(integerDigits.size() - firstSignificant);
  }
  const long leadingFractionZeros =
      static_cast<long>(std::min(fractionDigits.find_first_not_of('0'), fractionDigits.size()));
  return exponent - leadingFractionZeros;
}

}  // namespace

double ReadLeadingNumber(std::string_view text) {
  std::size_t at = std::min(text.find_first_not_of(whiteSpace), text.size());
  bool negative = false;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
    negative = text[at] == '-';
    ++at;
  }

  const std::size_t integerStart = at;
  at = SkipDigits(text, at);
  const std::string_view integerDigits = text.substr(integerStart, at - integerStart);
  std::string_view fractionDigits;
  if (at < text.size() && text[at] == '.') {
    const std::size_t fractionStart = at + 1;
    at = SkipDigits(text, fractionStart);
    fractionDigits = text.substr(fractionStart, at - fractionStart);
  }
  if (integerDigits.empty() && fractionDigits.empty()) return 0.0;

  std::string_view exponentText;
  if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
    std::size_t digitsStart = at + 1;
    if (digitsStart < text.size() && (text[digitsStart] == '+' || text[digitsStart] == '-')) {
      ++digitsStart;
    }
    const std::size_t exponentEnd = SkipDigits(text, digitsStart);
    if (exponentEnd > digitsStart) {
      exponentText = text.substr(at + 1, exponentEnd - at - 1);
      at = exponentEnd;
    }
  }

  // from_chars takes no "+" and is independent of the locale; the sign is applied afterwards.
  double value = 0.0;
  const auto result = std::from_chars(text.data() + integerStart, text.data() + at, value,
                                      std::chars_format::general);
  if (result.ec == std::errc::result_out_of_range) {
    value = DecimalOrder(integerDigits, fractionDigits, exponentText) > 0
                ? std::numeric_limits<double>::infinity()
                : 0.0;
  }
  return negative ? -value : value;
}

}  // namespace tamblor
