// The value notation on arbitrary input: any text reads without harm and fails exactly outside the
// notation, any double is written without harm, and from 0 to 10^13 ohms what is written reads
// back to the value rounded to three decimals of its unit.
#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "values/value_text.h"

namespace {

using tamblor::maxValueTextLength;

constexpr double largestChecked = 1e13;

void Require(bool holds, const char* what, std::string_view text, double ohms) {
  if (holds) return;
  std::fprintf(stderr, "value text broken: %s (text \"%.*s\", ohms %.17g)\n", what,
               static_cast<int>(text.size()), text.data(), ohms);
  std::abort();
}

void CheckReading(std::string_view text) {
  const bool inNotation = text.size() <= maxValueTextLength &&
                          text.find_first_not_of("0123456789kMR.") == std::string_view::npos;
  const std::optional<double> ohms = tamblor::ParseValueTextOhms(text);
  const std::optional<tamblor::ParsedValue> value = tamblor::ParseValueText(text);
  Require(ohms.has_value() == inNotation && value.has_value() == inNotation,
          "a text fails other than exactly outside the notation", text, 0.0);
  if (!inNotation) return;

  Require(std::isfinite(*ohms) && *ohms >= 0.0, "a text reads as a negative or infinite value",
          text, *ohms);
  const bool normalised = value->mantissa > 0.9999999999 && value->mantissa < 10.0;
  const bool zero = value->mantissa == 0.0 && value->exponent == 0;
  Require(normalised || zero, "mantissa outside (0.9999999999, 10) and not zero", text, *ohms);
}

// The value rounded to three decimals of the unit chosen on the value itself, as the decimal text
// of the unit count ("4.700"), with the unit's letter and size.
struct Rounded {
  std::string decimal;
  char letter;
  double unit;
};

Rounded RoundToUnit(double ohms) {
  Rounded rounded{"", 'R', 1.0};
  if (ohms >= 1e6) {
    rounded = {"", 'M', 1e6};
  } else if (ohms >= 1e3) {
    rounded = {"", 'k', 1e3};
  }
  std::array<char, 64> digits{};
  const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), ohms / rounded.unit,
                                 std::chars_format::fixed, 3)
                       .ptr;
  rounded.decimal.assign(digits.data(), end);
  return rounded;
}

// The text must be the rounded decimal with the letter for its point and no trailing zero after
// it, and it must read back to exactly that decimal times the unit, as the reading computes it.
void CheckReadsBackRounded(double ohms) {
  const Rounded rounded = RoundToUnit(ohms);
  std::string expected = rounded.decimal;
  expected[expected.find('.')] = rounded.letter;
  while (expected.back() == '0') expected.pop_back();

  const tamblor::ValueText written = tamblor::FormatValueText(ohms);
  Require(written.view() == expected, "written other than rounded to three decimals of its unit",
          written.view(), ohms);

  double decimal = 0.0;
  std::from_chars(rounded.decimal.data(), rounded.decimal.data() + rounded.decimal.size(), decimal);
  const std::optional<double> readBack = tamblor::ParseValueTextOhms(written.view());
  Require(readBack == decimal * rounded.unit, "reads back to other than the rounded value",
          written.view(), ohms);
}

void CheckWriting(double ohms) {
  const tamblor::ValueText written = tamblor::FormatValueText(ohms);
  Require(written.size() <= maxValueTextLength, "text too long", written.view(), ohms);
  const bool readable = tamblor::ParseValueTextOhms(written.view()).has_value();
  if (ohms >= 0.0 && ohms < 1e35) {
    Require(readable, "a value of the notation's range is written unreadably", written.view(),
            ohms);
  }
  if (!(ohms >= 0.0 && ohms < 1e37)) {
    Require(!readable, "a value outside the notation's range reads back", written.view(), ohms);
  }
  if (ohms >= 0.0 && ohms <= largestChecked && !std::signbit(ohms)) CheckReadsBackRounded(ohms);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider provider(data, size);
  CheckReading(provider.ConsumeRandomLengthString(2 * maxValueTextLength));

  CheckWriting(std::bit_cast<double>(provider.ConsumeIntegral<std::uint64_t>()));
  CheckReadsBackRounded(provider.ConsumeFloatingPointInRange(0.0, largestChecked));

  // Near the rounding edges: half a thousandth of a unit past a whole number of thousandths,
  // moved a few steps of the double either way.
  const double unit = provider.PickValueInArray({1.0, 1e3, 1e6});
  const auto thousandths = provider.ConsumeIntegralInRange<std::uint64_t>(0, 10'000'000'000);
  double edge = (static_cast<double>(thousandths) + 0.5) * (unit / 1000.0);
  const int steps = provider.ConsumeIntegralInRange(-3, 3);
  for (int step = 0; step < std::abs(steps); ++step) {
    edge = std::nextafter(edge, steps < 0 ? 0.0 : largestChecked);
  }
  if (edge <= largestChecked) CheckReadsBackRounded(edge);
  return 0;
}
