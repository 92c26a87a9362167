#include "engine/combination_sort.h"

#include <algorithm>
#include <array>
#include <utility>

namespace tamblor {

namespace {

constexpr std::int32_t scanBatch = 16;

// The plain partition scans from both ends and exchanges the first record above the pivot from
// the left with the first record not above it from the right. The scans are done a batch at a time
// here, noting the stops without branching on the data, and the stops are paired in the order the
// scans meet them, so the exchanges are exactly the plain ones. Near the crossing point the plain
// scans take over from the last exchange. Records equal to the pivot gather on its left.
std::int32_t Partition(std::span<Combination> records, std::int32_t lo, std::int32_t hi) {
  const double pivot = records[lo].combined;
  std::int32_t i = lo;  // the last exchanged positions of the plain scans
  std::int32_t j = hi + 1;
  std::int32_t leftNext = lo + 1;  // the first positions not examined yet
  std::int32_t rightNext = hi;
  std::array<std::int32_t, scanBatch> leftStops;
  std::array<std::int32_t, scanBatch> rightStops;
  int leftCount = 0;
  int leftTaken = 0;
  int rightCount = 0;
  int rightTaken = 0;
  while (true) {
    if (leftTaken == leftCount) {
      if (rightNext - leftNext + 1 < scanBatch) break;
      leftCount = leftTaken = 0;
      for (int t = 0; t < scanBatch; ++t) {
        leftStops[leftCount] = leftNext + t;
        leftCount += records[leftNext + t].combined > pivot;
      }
      leftNext += scanBatch;
    }
    if (rightTaken == rightCount) {
      if (rightNext - leftNext + 1 < scanBatch) break;
      rightCount = rightTaken = 0;
      for (int t = 0; t < scanBatch; ++t) {
        rightStops[rightCount] = rightNext - t;
        rightCount += records[rightNext - t].combined <= pivot;
      }
      rightNext -= scanBatch;
    }
    const int pairs = std::min(leftCount - leftTaken, rightCount - rightTaken);
    for (int t = 0; t < pairs; ++t) {
      std::swap(records[leftStops[leftTaken + t]], records[rightStops[rightTaken + t]]);
    }
    if (pairs > 0) {
      i = leftStops[leftTaken + pairs - 1];
      j = rightStops[rightTaken + pairs - 1];
    }
    leftTaken += pairs;
    rightTaken += pairs;
  }
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

void SortByCombined(std::span<Combination> records) {
  if (!records.empty()) QuickSort(records, 0, static_cast<std::int32_t>(records.size()) - 1);
}

}  // namespace tamblor
