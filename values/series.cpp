#include "values/series.h"

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

template <std::size_t N>
std::optional<int> FindInTable(const std::array<double, N>& table, double mantissa) {
  std::optional<int> candidate;
  for (std::size_t i = 0; i < N; ++i) {
    if (table[i] - standardValueTolerance < mantissa) candidate = static_cast<int>(i);
  }
  if (candidate && mantissa < table[*candidate] + standardValueTolerance) return candidate;
  return std::nullopt;
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
