#pragma once

#include <cstdint>
#include <span>

namespace tamblor {

// One record's place in the sort of the combination table.
struct SortKey {
  double combined;
  std::int32_t record;  // where the record stood before the sort
};

// Quicksort by combined value with the first key of each range as pivot, recursive on both sides.
// Not stable: the order of equal values is the one this exact procedure gives, and the table's
// users depend on it. The sort moves keys rather than whole records; the same comparisons and
// exchanges give the same order with a fifth of the memory traffic.
void SortKeysByCombined(std::span<SortKey> keys);

}  // namespace tamblor
