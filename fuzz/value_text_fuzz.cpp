// The value notation on arbitrary input: any text reads without harm, to a finite value, and fails
// exactly outside the notation, any double is written without harm, and from 0 to 10^13 ohms what
// is written reads back to the value rounded to three decimals of its unit.
#include <fuzzer/FuzzedDataProvider.h>

#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <iomanip>
#include <optional>
#include <sstream>
#include <string>

#include "values/value_text.h"

constexpr double largestChecked = 1e13;

// The text is "%.3f" of the value in the unit chosen on the value itself, the letter in place of
// the point, trailing zeros dropped; it reads back to exactly that decimal times the unit.
static void CheckReadsBackRounded(double ohms) {
  const double unit = ohms >= 1e6 ? 1e6 : ohms >= 1e3 ? 1e3 : 1.0;
  const std::string decimal =
      (std::ostringstream() << std::fixed << std::setprecision(3) << ohms / unit).str();
  std::string expected = decimal.substr(0, decimal.find_last_not_of('0') + 1);
  expected[expected.find('.')] = unit == 1e6 ? 'M' : unit == 1e3 ? 'k' : 'R';
  const tamblor::ValueText written = tamblor::FormatValueText(ohms);
  const bool readsBack = tamblor::ParseValueTextOhms(written.view()) == std::stod(decimal) * unit;
  if (written.view() != expected || !readsBack) std::abort();
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider provider(data, size);
  const std::string text = provider.ConsumeRandomLengthString(2 * tamblor::maxValueTextLength);
  const bool inNotation = text.size() <= tamblor::maxValueTextLength &&
                          text.find_first_not_of("0123456789kMR.") == std::string::npos;
  const std::optional<double> ohms = tamblor::ParseValueTextOhms(text);
  const std::optional<tamblor::ParsedValue> value = tamblor::ParseValueText(text);
  if (ohms.has_value() != inNotation || value.has_value() != inNotation) std::abort();
  if (inNotation && !(*ohms >= 0.0 && std::isfinite(*ohms))) std::abort();

  // Any double reads back exactly when it is of the notation's range.
  const double any = std::bit_cast<double>(provider.ConsumeIntegral<std::uint64_t>());
  const bool readable =
      tamblor::ParseValueTextOhms(tamblor::FormatValueText(any).view()).has_value();
  if (readable != (any >= 0.0 && any < 1e36)) std::abort();

  CheckReadsBackRounded(provider.ConsumeFloatingPointInRange(0.0, largestChecked));
  // Near the rounding edges: half a thousandth of a unit past a whole number of thousandths,
  // moved a few steps of the double either way.
  const double unit = provider.PickValueInArray({1.0, 1e3, 1e6});
  const auto thousandths = provider.ConsumeIntegralInRange<std::uint64_t>(0, 10'000'000'000);
  double edge = (static_cast<double>(thousandths) + 0.5) * (unit / 1000.0);
  const int steps = provider.ConsumeIntegralInRange(-3, 3);
  for (int step = 0; step < std::abs(steps); ++step)
    edge = std::nextafter(edge, steps < 0 ? 0.0 : largestChecked);
  if (edge <= largestChecked) CheckReadsBackRounded(edge);
  return 0;
}
