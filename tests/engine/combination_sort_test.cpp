#include "engine/combination_sort.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <utility>
#include <vector>

namespace tamblor {
namespace {

// The procedure written plainly, one comparison at a time: the order of equal values it leaves
// is the one the batched scans must reproduce.
void PlainQuickSort(std::vector<Combination>& keys, std::int32_t lo, std::int32_t hi) {
  if (lo >= hi) return;
  const double pivot = keys[lo].combined;
  std::int32_t i = lo;
  std::int32_t j = hi + 1;
  while (true) {
    do {
      ++i;
    } while (i <= hi && keys[i].combined <= pivot);
    do {
      --j;
    } while (keys[j].combined > pivot);
    if (i > j) break;
    std::swap(keys[i], keys[j]);
  }
  std::swap(keys[lo], keys[j]);
  PlainQuickSort(keys, lo, j - 1);
  PlainQuickSort(keys, j + 1, hi);
}

enum class Pattern { FewValues, ManyValues, Ascending, Descending, AscendingRuns, AllEqual };

std::vector<Combination> MakeKeys(Pattern pattern, std::int32_t size, std::mt19937& random) {
  std::vector<Combination> keys;
  for (std::int32_t n = 0; n < size; ++n) {
    double value = 0.0;
    switch (pattern) {
      case Pattern::FewValues:
        value = static_cast<double>(random() % 7);
        break;
      case Pattern::ManyValues:
        value = static_cast<double>(random() % 1000) / 8.0;
        break;
      case Pattern::Ascending:
        value = n / 3;
        break;
      case Pattern::Descending:
        value = -(n / 3);
        break;
      case Pattern::AscendingRuns:
        value = n % 97;
        break;
      case Pattern::AllEqual:
        value = 1.0;
        break;
    }
    keys.push_back({.decadeStep = n, .combined = value});
  }
  return keys;
}

TEST(SortByCombined, LeavesEqualValuesInThePlainProcedureOrder) {
  std::mt19937 random(20'240'601);
  const Pattern patterns[] = {Pattern::FewValues,  Pattern::ManyValues,    Pattern::Ascending,
                              Pattern::Descending, Pattern::AscendingRuns, Pattern::AllEqual};
  for (const Pattern pattern : patterns) {
    for (const std::int32_t size : {0, 1, 2, 3, 15, 16, 17, 31, 32, 33, 64, 300, 4'000}) {
      SCOPED_TRACE(testing::Message()
                   << "pattern " << static_cast<int>(pattern) << ", size " << size);
      std::vector<Combination> batched = MakeKeys(pattern, size, random);
      std::vector<Combination> plain = batched;
      SortByCombined(batched);
      PlainQuickSort(plain, 0, size - 1);
      for (std::int32_t n = 0; n < size; ++n) {
        ASSERT_EQ(batched[n].decadeStep, plain[n].decadeStep) << "position " << n;
      }
    }
  }
}

}  // namespace
}  // namespace tamblor
