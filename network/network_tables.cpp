#include "network/network_tables.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace tamblor {

namespace {

struct PairEntry {
  double ohms;
  PairMembers members;
};

// Every pair entry is held twice while the tables are built: once to sort, once split.
constexpr std::size_t bytesPerPair = sizeof(PairEntry) + sizeof(double) + sizeof(PairMembers);

// A tolerance the worst case can use: NaN and below 0 count as 0, above 100 % as 100 %, so that
// no part's lower limit is negative.
double UsableTolerance(double tolerance) {
  return std::isnan(tolerance) ? 0.0 : std::clamp(tolerance, 0.0, 100.0);
}

void AddPairs(NetworkTables& tables) {
  const std::vector<double>& ohms = tables.partOhms;
  std::vector<PairEntry> entries;
  entries.reserve(ohms.size() * (ohms.size() + 1));
  for (std::size_t i = 0; i < ohms.size(); ++i) {
    const std::size_t firstSecond = CountAllows(tables.parts[i], 2) ? i : i + 1;
    for (std::size_t k = firstSecond; k < ohms.size(); ++k) {
      const auto first = static_cast<std::uint16_t>(i);
      const auto second = static_cast<std::uint16_t>(k);
      entries.push_back({ohms[i] + ohms[k], {first, second, Join::Series}});
      entries.push_back({1.0 / (1.0 / ohms[i] + 1.0 / ohms[k]), {first, second, Join::Parallel}});
    }
  }
  std::sort(entries.begin(), entries.end(),
            [](const PairEntry& a, const PairEntry& b) { return a.ohms < b.ohms; });
  tables.pairOhms.reserve(entries.size());
  tables.pairs.reserve(entries.size());
  for (const PairEntry& entry : entries) {
    tables.pairOhms.push_back(entry.ohms);
    tables.pairs.push_back(entry.members);
  }
}

}  // namespace

std::optional<NetworkTables> BuildNetworkTables(std::vector<Part> parts, int maxParts,
                                                std::optional<double> tolerance) {
  const bool needsPairs = maxParts >= 3;
  if (needsPairs) {
    const double pairCount = static_cast<double>(parts.size()) * (parts.size() + 1.0);
    const bool fits = pairCount * bytesPerPair <= maxTableBytes &&
                      parts.size() <= std::numeric_limits<std::uint16_t>::max();
    if (!fits) return std::nullopt;
  }

  NetworkTables tables;
  tables.parts = std::move(parts);
  std::erase_if(tables.parts, [](const Part& part) {
    return !(part.ohms > 0.0 && part.ohms < std::numeric_limits<double>::infinity());
  });
  std::stable_sort(tables.parts.begin(), tables.parts.end(),
                   [](const Part& a, const Part& b) { return a.ohms < b.ohms; });
  tables.lowestTolerance = 1.0;
  for (Part& part : tables.parts) {
    part.tolerance = UsableTolerance(tolerance.value_or(part.tolerance));
    tables.lowestTolerance = std::min(tables.lowestTolerance, part.tolerance / 100.0);
    tables.limitedCounts = tables.limitedCounts || part.count != unlimitedCount;
    tables.partOhms.push_back(part.ohms);
  }
  if (needsPairs) AddPairs(tables);
  return tables;
}

}  // namespace tamblor
