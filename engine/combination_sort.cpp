#include "engine/combination_sort.h"

#include <cstdint>
#include <utility>

namespace tamblor {

namespace {

// Records equal to the pivot are passed over from the left and stop the scan from the right, so
// they gather on the pivot's left.
std::int32_t Partition(std::span<Combination> records, std::int32_t lo, std::int32_t hi) {
  const double pivot = records[lo].combined;
  std::int32_t i = lo;
  std::int32_t j = hi + 1;
  while (true) {
    do {
      ++i;
    } while (i <= hi && records[i].combined <= pivot);
    do {
      --j;
    } while (records[j].combined > pivot);
    if (i > j) break;
    std::swap(records[i], records[j]);
  }
  std::swap(records[lo], records[j]);
  return j;
}

// The two sides are independent, so sorting the smaller one first changes nothing in the result
// and keeps the nesting within log2 of the range, even for a range already in order.
void QuickSort(std::span<Combination> records, std::int32_t lo, std::int32_t hi) {
  while (lo < hi) {
    const std::int32_t p = Partition(records, lo, hi);
    if (p - lo < hi - p) {
      QuickSort(records, lo, p - 1);
      lo = p + 1;
    } else {
      QuickSort(records, p + 1, hi);
      hi = p - 1;
    }
  }
}

}  // namespace

void SortCombinations(std::span<Combination> records) {
  if (!records.empty()) QuickSort(records, 0, static_cast<std::int32_t>(records.size()) - 1);
}

}  // namespace tamblor
