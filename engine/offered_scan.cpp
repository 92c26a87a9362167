#include <algorithm>
#include <bit>
#include <cstdint>

#include "engine/combination_table.h"
#include "values/series.h"

namespace tamblor {

bool PairWithinLimits(const Combination& record, double scale, const SeriesLimits& limits) {
  const ResistorSeries r1Series = record.r1FromE96 ? ResistorSeries::E96 : ResistorSeries::E24;
  return IsWithinLimits(scale * record.r1, r1Series, limits) &&
         IsWithinLimits(scale * record.r2, ResistorSeries::E24, limits);
}

namespace {

// The records one selection accepts share R1's series, E24 exactly when E24ONLY, so one pair of R1
// limits serves a whole span. Multiplying by a positive scale keeps the order of doubles, so when
// the extreme R1 or R2 of a span falls outside a limit, every record of the span does.
template <typename Span>
bool MayHoldOffer(const Span& span, const OfferQuery& query) {
  const SeriesLimits& limits = query.limits;
  const double r1Min = query.E24ONLY ? limits.e24Min : limits.e96Min;
  const double r1Max = query.E24ONLY ? limits.e24Max : limits.e96Max;
  return query.scale * span.r1High >= r1Min && query.scale * span.r1Low <= r1Max &&
         query.scale * span.r2High >= limits.e24Min && query.scale * span.r2Low <= limits.e24Max;
}

}  // namespace

bool CombinationTable::IsOffered(std::int32_t index, const OfferQuery& query) const {
  return IsAcceptable(index, query.E24ONLY, query.USE_1PC) &&
         PairWithinLimits(records_[index], query.scale, query.limits);
}

// The acceptable records of one block among `candidates`, nearest first in the scan's direction.
template <bool upward>
bool CombinationTable::FindInBlock(std::int32_t block, std::uint32_t candidates,
                                   const OfferQuery& query, std::int32_t& index) const {
  if (candidates == 0 ||
      !MayHoldOffer(blockSummaries_[SelectionIndex(query.E24ONLY, query.USE_1PC)][block].span,
                    query)) {
    return false;
  }
  while (candidates != 0) {
    const int bit = upward ? std::countr_zero(candidates) : std::bit_width(candidates) - 1;
    const std::int32_t found = block * blockSize + bit;
    if (PairWithinLimits(records_[found], query.scale, query.limits)) {
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
    const std::uint32_t acceptable =
        blockSummaries_[SelectionIndex(query.E24ONLY, query.USE_1PC)][block].acceptable;
    if (FindInBlock<upward>(block, acceptable, query, index)) {
      return true;
    }
  }
  return false;
}

// The starting block from `index` on, the rest of its group, then the groups beyond, nearest first.
template <bool upward>
bool CombinationTable::FindOffered(std::int32_t& index, const OfferQuery& query) const {
  if (index < 0 || index >= count_) return false;
  constexpr std::int32_t step = upward ? 1 : -1;
  const int selection = SelectionIndex(query.E24ONLY, query.USE_1PC);
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
      blockSummaries_[selection][block].acceptable & (upward ? atOrAbove : ~(atOrAbove << 1));
  bool found = FindInBlock<upward>(block, candidates, query, index) ||
               FindInBlocks<upward>(block + step, groupEndBlock(group), query, index);
  const std::int32_t groupEnd = upward ? (blockCount + groupSize - 1) / groupSize : -1;
  for (std::int32_t g = group + step; !found && g != groupEnd; g += step) {
    found = MayHoldOffer(groupSpans_[selection][g], query) &&
            FindInBlocks<upward>(groupFirstBlock(g), groupEndBlock(g), query, index);
  }
  if (!found) index = upward ? count_ : -1;
  return found;
}

bool CombinationTable::FindOfferedForward(std::int32_t& index, const OfferQuery& query) const {
  return FindOffered<true>(index, query);
}

bool CombinationTable::FindOfferedBackward(std::int32_t& index, const OfferQuery& query) const {
  return FindOffered<false>(index, query);
}

}  // namespace tamblor
