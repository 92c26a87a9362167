#include "network/nearest.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "network/part_set.h"

namespace tamblor {
namespace {

// Every series holds each power of ten, so a decade either side holds a value at or below and one
// at or above a target within the set's decades; the margin keeps rounding at the edges out of it.
constexpr double searchSpan = 20.0;

StandardValueMatch MatchOf(const Part& part, double target) {
  return {part, (part.ohms - target) / target * 100.0};
}

}  // namespace

NearestValues FindNearestValues(double target, PartOrigin series) {
  std::vector<Part> parts =
      SeriesParts({&series, 1}, PartBounds{target / searchSpan, target * searchSpan, {}});
  // Far beyond the set's smallest or largest value none lies that near: then the whole set.
  if (parts.empty()) {
    parts = SeriesParts({&series, 1}, PartBounds{0.0, std::numeric_limits<double>::infinity(), {}});
  }
  NearestValues values;
  const auto atOrAbove =
      std::lower_bound(parts.begin(), parts.end(), target,
                       [](const Part& part, double ohms) { return part.ohms < ohms; });
  if (atOrAbove != parts.end()) values.above = MatchOf(*atOrAbove, target);
  const auto above =
      std::upper_bound(parts.begin(), parts.end(), target,
                       [](double ohms, const Part& part) { return ohms < part.ohms; });
  if (above != parts.begin()) values.below = MatchOf(*std::prev(above), target);
  if (values.above && values.below) {
    values.nearest = std::fabs(values.above->error) <= std::fabs(values.below->error)
                         ? values.above
                         : values.below;
  } else {
    values.nearest = values.above ? values.above : values.below;
  }
  return values;
}

}  // namespace tamblor
