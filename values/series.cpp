#include "values/series.h"

#include <algorithm>
#include <cmath>

namespace tamblor {

namespace {

// Values just below a power of ten are divided once more and give a mantissa just below 1.
constexpr double mantissaCeiling = 9.999999999;
// Values from 0.001 ohms up normalise; smaller ones fail.
constexpr std::int32_t lowestExponent = -3;

}  // namespace

double NormaliseValue(double value, std::int32_t& exponent) {
  // Infinity would never drop below the ceiling; NaN compares false everywhere.
  if (!std::isfinite(value)) return 0.0;

  std::int32_t n = 0;
  if (value < 1.0) {
    while (value < 1.0) {
      value *= 10.0;
      --n;
      if (n < lowestExponent) return 0.0;
    }
  } else {
    while (value > mantissaCeiling) {
      value /= 10.0;
      ++n;
    }
  }
  exponent = n;
  return value;
}

double OhmsFromMantissa(double mantissa, std::int32_t exponent) {
  return std::pow(10.0, static_cast<double>(exponent)) * mantissa;
}

namespace {

// The candidate is the last entry less than the tolerance above the mantissa; the table ascends,
// so those entries are a prefix of it.
template <std::size_t N>
std::optional<int> FindInTable(const std::array<double, N>& table, double mantissa) {
  const auto above = std::partition_point(table.begin(), table.end(), [mantissa](double entry) {
    return entry - standardValueTolerance < mantissa;
  });
  if (above == table.begin() || mantissa >= above[-1] + standardValueTolerance) {
    return std::nullopt;
  }
  return static_cast<int>(above - 1 - table.begin());
}

}  // namespace

std::optional<int> FindStandardValue(ResistorSeries series, double mantissa) {
  return series == ResistorSeries::E24 ? FindInTable(E24_MANTISSAS, mantissa)
                                       : FindInTable(E96_MANTISSAS, mantissa);
}

double NextE24AtOrAbove(double mantissa) {
  for (double entry : E24_MANTISSAS) {
    if (entry >= mantissa) return entry;
  }
  return 10.0;
}

}  // namespace tamblor
