#include "network/number_text.h"

#include <charconv>
#include <cmath>

namespace tamblor {

std::optional<double> ReadNumberText(std::string_view text) {
  double number = 0.0;
  const char* const end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, number);
  if (error != std::errc{} || stop != end || !std::isfinite(number)) return std::nullopt;
  return number;
}

bool IsPartTolerance(double percent) { return percent >= 0.0 && percent < 100.0; }

}  // namespace tamblor
