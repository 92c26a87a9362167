#include "network/ratio_text.h"

#include <charconv>

#include "values/value_text.h"

namespace tamblor {

namespace {

constexpr std::string_view validationErrorTitle = "Validation Error";

RatioReading Refused(std::string_view text) {
  return {{}, InputMessage{validationErrorTitle, text}};
}

// Digits with at most one point, after an optional minus sign: the sign is read only so that a
// negative number is refused for its sign rather than its form.
std::optional<double> ReadDecimal(std::string_view text) {
  const std::string_view digits = text.starts_with('-') ? text.substr(1) : text;
  if (digits.find_first_not_of("0123456789.") != std::string_view::npos ||
      digits.find_first_of("0123456789") == std::string_view::npos ||
      digits.find('.') != digits.rfind('.')) {
    return std::nullopt;
  }
  double number = 0.0;
  std::from_chars(digits.data(), digits.data() + digits.size(), number, std::chars_format::fixed);
  return text.size() == digits.size() ? number : -number;
}

// A quotient of valid numbers can still round to 0 (a tiny reference over a large output).
RatioReading Checked(RatioReading reading) {
  if (reading.message) return reading;
  const double ratio = reading.target.ratio;
  if (!(ratio > 0.0 && ratio < 1.0)) return Refused("Ratio must lie between 0 and 1");
  return reading;
}

RatioReading ReadOutputVoltage(std::string_view text, double referenceVolts) {
  const std::optional<double> volts = ReadDecimal(text);
  if (!volts) return Refused("Output voltage is not a valid number");
  if (!(*volts > referenceVolts))
    return Refused("Output voltage must exceed the reference voltage");
  return {{referenceVolts / *volts, OutputSource::Reference, referenceVolts}, std::nullopt};
}

RatioReading ReadFraction(std::string_view numerator, std::string_view denominator) {
  const std::optional<double> a = ReadDecimal(numerator);
  const std::optional<double> b = ReadDecimal(denominator);
  if (!a || !b) return Refused("Ratio A/B needs two valid numbers");
  if (*b == 0.0) return Refused("Ratio A/B has a B of zero");
  if (!(*a > 0.0 && *b > 0.0)) return Refused("Ratio A/B needs A and B above zero");
  if (!(*a < *b)) return Refused("Ratio A/B needs A below B");
  return {{*a / *b, OutputSource::Input, *b}, std::nullopt};
}

}  // namespace

RatioReading ReadRatio(std::string_view text, std::optional<double> referenceVolts) {
  if (text.empty()) return Refused("Value is empty");
  if (text.size() > maxValueTextLength) return Refused("Value is longer than 31 characters");
  if (referenceVolts) return Checked(ReadOutputVoltage(text, *referenceVolts));

  const std::size_t slash = text.find('/');
  if (slash != std::string_view::npos) {
    return Checked(ReadFraction(text.substr(0, slash), text.substr(slash + 1)));
  }
  const std::optional<double> ratio = ReadDecimal(text);
  if (!ratio) return Refused("Ratio is not a valid number");
  return Checked({{*ratio, OutputSource::None, 0.0}, std::nullopt});
}

}  // namespace tamblor
