#include "network/network_tables.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <limits>

namespace tamblor {

namespace {

// What a pair is counted for against maxTableBytes. The tables, their index and the sort's counts
// take less at their peak; the rest bounds the time a search over so many pairs takes.
constexpr std::size_t bytesPerPair = 46;
static_assert(bytesPerPair >= sizeof(double) + sizeof(PairMembers) + ValueIndex::bytesPerEntry +
                                  sizeof(std::uint32_t));

// Calls visit(ohms, members) for every 2-part network the parts allow, always in one order.
template <typename Visit>
void ForEachPair(const NetworkTables& tables, Visit visit) {
  const std::vector<double>& ohms = tables.partOhms;
  for (std::size_t i = 0; i < ohms.size(); ++i) {
    const std::size_t firstSecond = CountAllows(tables.parts[i], 2) ? i : i + 1;
    for (std::size_t k = firstSecond; k < ohms.size(); ++k) {
      const auto first = static_cast<std::uint16_t>(i);
      const auto second = static_cast<std::uint16_t>(k);
      visit(ohms[i] + ohms[k], PairMembers{first, second, Join::Series});
      visit(1.0 / (1.0 / ohms[i] + 1.0 / ohms[k]), PairMembers{first, second, Join::Parallel});
    }
  }
}

// The pairs sorted by value, ties in the order ForEachPair gives them, by a bucket sort on the bit
// patterns of the values, which order as positive doubles do and rise nearly with their logarithm:
// one pass counts the pairs of each bucket, another computes them again straight into their
// bucket's place in the tables, and an insertion sort orders each bucket's few. Holding no copy of
// the pairs besides the tables, it takes a fraction of a comparison sort's time.
void AddPairs(NetworkTables& tables) {
  std::size_t count = 0;
  double lowest = std::numeric_limits<double>::infinity();
  double highest = 0.0;
  ForEachPair(tables, [&](double ohms, PairMembers) {
    ++count;
    lowest = std::min(lowest, ohms);
    highest = std::max(highest, ohms);
  });
  if (count == 0) return;
  const std::uint64_t base = std::bit_cast<std::uint64_t>(lowest);
  const std::uint64_t span = std::bit_cast<std::uint64_t>(highest) - base;
  int shift = 0;
  while ((span >> shift) >= count) ++shift;
  const auto bucketOf = [&](double ohms) {
    return static_cast<std::size_t>((std::bit_cast<std::uint64_t>(ohms) - base) >> shift);
  };

  std::vector<std::uint32_t> next((span >> shift) + 2);
  ForEachPair(tables, [&](double ohms, PairMembers) { ++next[bucketOf(ohms) + 1]; });
  for (std::size_t b = 1; b < next.size(); ++b) next[b] += next[b - 1];
  std::vector<double>& values = tables.pairOhms;
  std::vector<PairMembers>& pairs = tables.pairs;
  values.resize(count);
  pairs.resize(count);
  ForEachPair(tables, [&](double ohms, PairMembers members) {
    const std::uint32_t place = next[bucketOf(ohms)]++;
    values[place] = ohms;
    pairs[place] = members;
  });
  next = {};
  // Each pair moves only within its bucket.
  for (std::size_t i = 1; i < count; ++i) {
    const double ohms = values[i];
    const PairMembers members = pairs[i];
    std::size_t k = i;
    for (; k > 0 && ohms < values[k - 1]; --k) {
      values[k] = values[k - 1];
      pairs[k] = pairs[k - 1];
    }
    values[k] = ohms;
    pairs[k] = members;
  }
  tables.pairIndex = ValueIndex(values);
}

// A tolerance the worst case can use: NaN and below 0 count as 0, above 100 % as 100 %, so that
// no part's lower limit is negative.
double UsableTolerance(double tolerance) {
  return std::isnan(tolerance) ? 0.0 : std::clamp(tolerance, 0.0, 100.0);
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
