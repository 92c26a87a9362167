#include "network/network_tables.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <limits>

namespace tamblor {

namespace {

struct PairEntry {
  double ohms;
  PairMembers members;
};

// At the peak of the set-up a pair is held three times: in the two buffers of the sort and split
// into the tables; the sort's buffers are gone before the index is built.
constexpr std::size_t bytesPerPair = 2 * sizeof(PairEntry) + sizeof(double) + sizeof(PairMembers);
static_assert(bytesPerPair >= sizeof(double) + sizeof(PairMembers) + ValueIndex::bytesPerEntry);

// A bucket sort on the bit patterns of the values, which order as positive doubles do and rise
// nearly with their logarithm: one pass spreads the entries over about as many buckets, each then
// sorted on its own. At E192 over seven decades it takes a third of a comparison sort's time.
void SortByOhms(std::vector<PairEntry>& entries) {
  const auto bitsOf = [](const PairEntry& entry) {
    return std::bit_cast<std::uint64_t>(entry.ohms);
  };
  const auto [lowest, highest] =
      std::minmax_element(entries.begin(), entries.end(),
                          [](const PairEntry& a, const PairEntry& b) { return a.ohms < b.ohms; });
  const std::uint64_t base = bitsOf(*lowest);
  int shift = 0;
  while (((bitsOf(*highest) - base) >> shift) >= entries.size()) ++shift;
  const auto bucketOf = [&](const PairEntry& entry) { return (bitsOf(entry) - base) >> shift; };

  std::vector<std::size_t> starts(((bitsOf(*highest) - base) >> shift) + 2);
  for (const PairEntry& entry : entries) ++starts[bucketOf(entry) + 1];
  for (std::size_t b = 1; b < starts.size(); ++b) starts[b] += starts[b - 1];
  std::vector<PairEntry> sorted(entries.size());
  std::vector<std::size_t> next(starts.begin(), starts.end() - 1);
  for (const PairEntry& entry : entries) sorted[next[bucketOf(entry)]++] = entry;
  // Buckets hold a few entries each: an insertion sort over the whole, which moves each entry
  // only within its bucket.
  for (std::size_t i = 1; i < sorted.size(); ++i) {
    const PairEntry entry = sorted[i];
    std::size_t k = i;
    for (; k > 0 && entry.ohms < sorted[k - 1].ohms; --k) sorted[k] = sorted[k - 1];
    sorted[k] = entry;
  }
  entries.swap(sorted);
}

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
  if (entries.empty()) return;
  SortByOhms(entries);
  tables.pairOhms.reserve(entries.size());
  tables.pairs.reserve(entries.size());
  for (const PairEntry& entry : entries) {
    tables.pairOhms.push_back(entry.ohms);
    tables.pairs.push_back(entry.members);
  }
  entries = {};
  tables.pairIndex = ValueIndex(tables.pairOhms);
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
