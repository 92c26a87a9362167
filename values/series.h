#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace tamblor {

enum class ResistorSeries { E24, E96 };

// One decade of the IEC 60063 series, mantissas in [1, 10), ascending.
inline constexpr std::array<double, 24> E24_MANTISSAS{1.0, 1.1, 1.2, 1.3, 1.5, 1.6, 1.8, 2.0,
                                                      2.2, 2.4, 2.7, 3.0, 3.3, 3.6, 3.9, 4.3,
                                                      4.7, 5.1, 5.6, 6.2, 6.8, 7.5, 8.2, 9.1};

inline constexpr std::array<double, 96> E96_MANTISSAS{
    1.00, 1.02, 1.05, 1.07, 1.10, 1.13, 1.15, 1.18, 1.21, 1.24, 1.27, 1.30, 1.33, 1.37, 1.40, 1.43,
    1.47, 1.50, 1.54, 1.58, 1.62, 1.65, 1.69, 1.74, 1.78, 1.82, 1.87, 1.91, 1.96, 2.00, 2.05, 2.10,
    2.15, 2.21, 2.26, 2.32, 2.37, 2.43, 2.49, 2.55, 2.61, 2.67, 2.74, 2.80, 2.87, 2.94, 3.01, 3.09,
    3.16, 3.24, 3.32, 3.40, 3.48, 3.57, 3.65, 3.74, 3.83, 3.92, 4.02, 4.12, 4.22, 4.32, 4.42, 4.53,
    4.64, 4.75, 4.87, 4.99, 5.11, 5.23, 5.36, 5.49, 5.62, 5.76, 5.90, 6.04, 6.19, 6.34, 6.49, 6.65,
    6.81, 6.98, 7.15, 7.32, 7.50, 7.68, 7.87, 8.06, 8.25, 8.45, 8.66, 8.87, 9.09, 9.31, 9.53, 9.76};

// How close a mantissa must come to a series entry to be that standard value (strict, both sides).
inline constexpr double standardValueTolerance = 0.0001;

// The user's inclusive bounds in ohms. The E24 pair bounds every E24 resistor (R1 or R2);
// the E96 pair bounds an E96 R1.
struct SeriesLimits {
  double e24Min = 1.0;
  double e24Max = 10'000'000.0;
  double e96Min = 1.0;
  double e96Max = 1'000'000.0;

  friend bool operator==(const SeriesLimits&, const SeriesLimits&) = default;
};

// Splits a value in ohms into a mantissa, normally in [1.0, 9.999999999], and a decade exponent.
// Fails for zero, negative values, values below 0.001, NaN and infinity: returns 0.0 and leaves
// `exponent` untouched.
double NormaliseValue(double value, std::int32_t& exponent);

// Ohms from a mantissa and a decade exponent: pow(10.0, exponent) times the mantissa.
double OhmsFromMantissa(double mantissa, std::int32_t exponent);

// Whether a value in ohms lies inside the inclusive limits of a series; NaN is outside. Inline,
// because the search's scans test it for every record they pass.
inline bool IsWithinLimits(double ohms, ResistorSeries series, const SeriesLimits& limits) {
  const bool isE24 = series == ResistorSeries::E24;
  const double low = isE24 ? limits.e24Min : limits.e96Min;
  const double high = isE24 ? limits.e24Max : limits.e96Max;
  return low <= ohms && ohms <= high;
}

// The index of the series entry strictly within standardValueTolerance of the mantissa.
std::optional<int> FindStandardValue(ResistorSeries series, double mantissa);

// The smallest E24 mantissa not below `mantissa`, or 10.0 above 9.1.
double NextE24AtOrAbove(double mantissa);

}  // namespace tamblor
