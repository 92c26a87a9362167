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

// What one scan looks for. The records that one selection accepts share R1's series, E24 exactly
// when E24ONLY, so one pair of R1 limits serves them all.
struct CombinationTable::OfferQuery {
  int selection;
  double scale;
  double r1Min;
  double r1Max;
  double r2Min;
  double r2Max;

  OfferQuery(bool E24ONLY, bool USE_1PC, double scale, const SeriesLimits& limits)
      : selection(SelectionIndex(E24ONLY, USE_1PC)),
        scale(scale),
        r1Min(E24ONLY ? limits.e24Min : limits.e96Min),
        r1Max(E24ONLY ? limits.e24Max : limits.e96Max),
        r2Min(limits.e24Min),
        r2Max(limits.e24Max) {}

  // RecordWithinLimits, for a record the selection accepts.
  bool Holds(const Combination& record) const {
    const double r1 = scale * record.r1;
    const double r2 = scale * record.r2;
    return r1Min <= r1 && r1 <= r1Max && r2Min <= r2 && r2 <= r2Max;
  }

  // Multiplying by a positive scale keeps the order of doubles, so when the extreme R1 or R2 of
  // the accepted records falls outside a limit, every one of them does.
  bool MayHoldOffer(const Span& span) const {
    return scale * span.r1High >= r1Min && scale * span.r1Low <= r1Max &&
           scale * span.r2High >= r2Min && scale * span.r2Low <= r2Max;
  }
};

template <bool upward>
bool CombinationTable::FindInBlock(std::int32_t block, std::uint32_t candidates,
                                   const OfferQuery& query, std::int32_t& index) const {
  if (candidates == 0 || !query.MayHoldOffer(blockSummaries_[query.selection][block].span)) {
    return false;
  }
  while (candidates != 0) {
    const int bit = upward ? std::countr_zero(candidates) : std::bit_width(candidates) - 1;
    const std::int32_t found = block * blockSize + bit;
    if (query.Holds(records_[found])) {
      index = found;
      return true;
    }
    candidates &= ~(std::uint32_t{1} << bit);
  }
  return false;
}

// Blocks from `first` on in the direction of the scan, up to but not including `end`.
template <bool upward>
bool CombinationTable::FindInBlocks(std::int32_t first, std::int32_t end, const OfferQuery& query,
                                    std::int32_t& index) const {
  for (std::int32_t block = first; block != end; block += upward ? 1 : -1) {
    if (FindInBlock<upward>(block, blockSummaries_[query.selection][block].acceptable, query,
                            index)) {
      return true;
    }
  }
  return false;
}

// The starting block from `index` on, the rest of its group, then the groups beyond, nearest
// first.
template <bool upward>
bool CombinationTable::FindOffered(std::int32_t& index, const OfferQuery& query) const {
  constexpr std::int32_t step = upward ? 1 : -1;
  const std::int32_t blockCount = (count_ + blockSize - 1) / blockSize;
  const auto groupFirstBlock = [&](std::int32_t group) {
    return upward ? group * groupSize : std::min(blockCount, (group + 1) * groupSize) - 1;
  };
  const auto groupEndBlock = [&](std::int32_t group) {
    return upward ? std::min(blockCount, (group + 1) * groupSize) : group * groupSize - 1;
  };
  const std::int32_t block = index / blockSize;
  const std::int32_t group = block / groupSize;
  const std::uint32_t atOrAbove = ~std::uint32_t{0} << (index % blockSize);
  const std::uint32_t candidates =
      blockSummaries_[query.selection][block].acceptable & (upward ? atOrAbove : ~(atOrAbove << 1));
  bool found = FindInBlock<upward>(block, candidates, query, index) ||
               FindInBlocks<upward>(block + step, groupEndBlock(group), query, index);
  const std::int32_t groupEnd = upward ? (blockCount + groupSize - 1) / groupSize : -1;
  for (std::int32_t g = group + step; !found && g != groupEnd; g += step) {
    found = query.MayHoldOffer(groupSpans_[query.selection][g]) &&
            FindInBlocks<upward>(groupFirstBlock(g), groupEndBlock(g), query, index);
  }
  if (!found) index = upward ? count_ : -1;
  return found;
}

bool CombinationTable::FindOfferedForward(std::int32_t& index, bool E24ONLY, bool USE_1PC,
                                          double scale, const SeriesLimits& limits) const {
  if (index < 0 || index >= count_) return false;
  return FindOffered<true>(index, OfferQuery(E24ONLY, USE_1PC, scale, limits));
}

bool CombinationTable::FindOfferedBackward(std::int32_t& index, bool E24ONLY, bool USE_1PC,
                                           double scale, const SeriesLimits& limits) const {
  if (index < 0 || index >= count_) return false;
  return FindOffered<false>(index, OfferQuery(E24ONLY, USE_1PC, scale, limits));
}

}  // namespace tamblor
