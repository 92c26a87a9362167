#include "network/part_set.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

#include "network/iec_series.h"

namespace tamblor {

namespace {

struct SeriesName {
  std::string_view name;
  PartOrigin series;
};

constexpr std::array<SeriesName, 7> seriesNames{{{"e3", PartOrigin::E3},
                                                 {"e6", PartOrigin::E6},
                                                 {"e12", PartOrigin::E12},
                                                 {"e24", PartOrigin::E24},
                                                 {"e48", PartOrigin::E48},
                                                 {"e96", PartOrigin::E96},
                                                 {"e192", PartOrigin::E192}}};

// Decades from the smallest the notation writes exactly (0.01 ohms in two digits, 0.1 in three)
// up to where a value's text still fits.
constexpr int lowestDecade = -3;
constexpr int highestDecade = 28;

// The double nearest digits × 10^decade, converted in one correctly rounded step.
double SeriesOhms(int digits, int decade) {
  const std::string text = std::to_string(digits) + 'e' + std::to_string(decade);
  double ohms = 0.0;
  std::from_chars(text.data(), text.data() + text.size(), ohms, std::chars_format::general);
  return ohms;
}

void AppendSeries(PartOrigin series, const PartBounds& bounds, std::vector<Part>& parts) {
  const SignificantDigits table = SeriesDigits(series);
  for (int decade = lowestDecade; decade <= highestDecade; ++decade) {
    for (const int digits : table.values) {
      const double ohms = SeriesOhms(digits, decade);
      if (ohms > bounds.max) return;
      if (ohms < bounds.min) continue;
      parts.push_back(
          {ohms, UsualTolerance(series), series, unlimitedCount, FormatValueText(ohms)});
    }
  }
}

bool IsAllowed(const Part& part, const PartBounds& bounds) {
  return bounds.min <= part.ohms && part.ohms <= bounds.max &&
         std::find(bounds.excluded.begin(), bounds.excluded.end(), part.ohms) ==
             bounds.excluded.end();
}

}  // namespace

std::optional<PartOrigin> SeriesFromName(std::string_view name) {
  for (const SeriesName& entry : seriesNames) {
    const bool same = std::equal(name.begin(), name.end(), entry.name.begin(), entry.name.end(),
                                 [](char a, char b) { return (a == 'E' ? 'e' : a) == b; });
    if (same) return entry.series;
  }
  return std::nullopt;
}

double UsualTolerance(PartOrigin series) {
  switch (series) {
    case PartOrigin::E3:
    case PartOrigin::E6:
      return 20.0;
    case PartOrigin::E12:
      return 10.0;
    case PartOrigin::E24:
      return 5.0;
    case PartOrigin::E48:
      return 2.0;
    case PartOrigin::E96:
      return 1.0;
    case PartOrigin::E192:
      return 0.5;
    case PartOrigin::Stock:
      break;
  }
  return 5.0;
}

std::vector<Part> SeriesParts(std::span<const PartOrigin> series, const PartBounds& bounds) {
  std::vector<Part> parts;
  for (const PartOrigin origin : series) AppendSeries(origin, bounds, parts);
  // Stable, so that of equal values the first named series comes first and is the one kept.
  std::stable_sort(parts.begin(), parts.end(),
                   [](const Part& a, const Part& b) { return a.ohms < b.ohms; });
  const auto duplicates = std::unique(
      parts.begin(), parts.end(), [](const Part& a, const Part& b) { return a.ohms == b.ohms; });
  parts.erase(duplicates, parts.end());
  return BoundedParts(parts, bounds);
}

std::vector<Part> BoundedParts(std::span<const Part> parts, const PartBounds& bounds) {
  std::vector<Part> allowed;
  std::copy_if(parts.begin(), parts.end(), std::back_inserter(allowed),
               [&bounds](const Part& part) { return IsAllowed(part, bounds); });
  return allowed;
}

}  // namespace tamblor
