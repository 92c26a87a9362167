#include <bit>
#include <cstdint>

#include "engine/combination_table.h"
#include "values/series.h"

namespace tamblor {

bool RecordWithinLimits(const Combination& record, double scale, const SeriesLimits& limits) {
  const ResistorSeries r1Series = record.r1FromE96 ? ResistorSeries::E96 : ResistorSeries::E24;
  return IsWithinLimits(scale * record.r1, r1Series, limits) &&
         IsWithinLimits(scale * record.r2, ResistorSeries::E24, limits);
}

struct CombinationTable::OfferQuery {
  int selection;
  bool E24ONLY;
  double scale;
  const SeriesLimits& limits;

  // Multiplying by a positive scale keeps the order of doubles, so when the extreme R1 or R2 of
  // the accepted records falls outside a limit, every one of them does. The records that one
  // selection accepts share R1's series: E24 exactly when E24ONLY.
  bool MayHoldOffer(const Summary& summary) const {
    const double r1Min = E24ONLY ? limits.e24Min : limits.e96Min;
    const double r1Max = E24ONLY ? limits.e24Max : limits.e96Max;
    return summary.acceptable != 0 && scale * summary.r1High >= r1Min &&
           scale * summary.r1Low <= r1Max && scale * summary.r2High >= limits.e24Min &&
           scale * summary.r2Low <= limits.e24Max;
  }
};

template <bool upward>
bool CombinationTable::FindInBlock(std::int32_t block, std::uint64_t candidates,
                                   const OfferQuery& query, std::int32_t& index) const {
  if (!query.MayHoldOffer(summaries_[leafCount + block][query.selection])) return false;
  while (candidates != 0) {
    const int bit = upward ? std::countr_zero(candidates) : std::bit_width(candidates) - 1;
    const std::int32_t found = block * blockSize + bit;
    if (RecordWithinLimits(records_[found], query.scale, query.limits)) {
      index = found;
      return true;
    }
    candidates &= ~(std::uint64_t{1} << bit);
  }
  return false;
}

template <bool upward>
bool CombinationTable::FindInSubtree(int node, const OfferQuery& query, std::int32_t& index) const {
  const Summary& summary = summaries_[node][query.selection];
  if (!query.MayHoldOffer(summary)) return false;
  if (node >= leafCount) {
    return FindInBlock<upward>(node - leafCount, summary.acceptable, query, index);
  }
  const int nearer = upward ? 2 * node : 2 * node + 1;
  return FindInSubtree<upward>(nearer, query, index) ||
         FindInSubtree<upward>(nearer ^ 1, query, index);
}

// The starting block from `index` on, then the subtrees beside the path to the root, nearest
// first.
template <bool upward>
bool CombinationTable::FindOffered(std::int32_t& index, const OfferQuery& query) const {
  const std::int32_t block = index / blockSize;
  const int bit = index % blockSize;
  const std::uint64_t atOrAbove = ~std::uint64_t{0} << bit;
  const std::uint64_t fromIndex = upward ? atOrAbove : ~(atOrAbove << 1);
  const std::uint64_t candidates =
      summaries_[leafCount + block][query.selection].acceptable & fromIndex;
  if (FindInBlock<upward>(block, candidates, query, index)) return true;
  for (int node = leafCount + block; node > 1; node /= 2) {
    const bool siblingAhead = upward ? node % 2 == 0 : node % 2 == 1;
    if (siblingAhead && FindInSubtree<upward>(node ^ 1, query, index)) return true;
  }
  index = upward ? count_ : -1;
  return false;
}

bool CombinationTable::FindOfferedForward(std::int32_t& index, bool E24ONLY, bool USE_1PC,
                                          double scale, const SeriesLimits& limits) const {
  if (index < 0 || index >= count_) return false;
  return FindOffered<true>(index, {SelectionIndex(E24ONLY, USE_1PC), E24ONLY, scale, limits});
}

bool CombinationTable::FindOfferedBackward(std::int32_t& index, bool E24ONLY, bool USE_1PC,
                                           double scale, const SeriesLimits& limits) const {
  if (index < 0 || index >= count_) return false;
  return FindOffered<false>(index, {SelectionIndex(E24ONLY, USE_1PC), E24ONLY, scale, limits});
}

}  // namespace tamblor
