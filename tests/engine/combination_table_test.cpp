#include "engine/combination_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>
#include <random>
#include <vector>

#include "engine/combination_sort.h"

namespace tamblor {
namespace {

const CombinationTable& table = SharedCombinationTable();

// The record generated with these fields, r1 and r2 as stored after scaling; -1 if there is none.
std::int32_t Find(bool fromE96, bool parallel, std::int32_t decadeStep, double r1, double r2) {
  for (std::int32_t i = 0; i < table.count(); ++i) {
    const Combination& c = table[i];
    if (c.r1FromE96 == fromE96 && c.parallel == parallel && c.decadeStep == decadeStep &&
        c.r1 == r1 && c.r2 == r2) {
      return i;
    }
  }
  return -1;
}

struct Selection {
  bool E24ONLY;
  bool USE_1PC;
};
constexpr Selection selections[] = {{true, true}, {true, false}, {false, true}, {false, false}};

TEST(CombinationTable, HoldsEveryPairOnceSortedInOneDecade) {
  ASSERT_EQ(table.count(), 17'880);
  int fromE96 = 0, parallel = 0, sharedValues = 0, run = 1, longestRun = 1;
  for (std::int32_t i = 0; i < table.count(); ++i) {
    fromE96 += table[i].r1FromE96;
    parallel += table[i].parallel;
    ASSERT_GE(table[i].combined, 1.0) << i;
    ASSERT_LT(table[i].combined, 10.0) << i;
    if (i == 0) continue;
    ASSERT_LE(table[i - 1].combined, table[i].combined) << i;
    run = table[i - 1].combined == table[i].combined ? run + 1 : 1;
    sharedValues += run == 2;
    longestRun = std::max(longestRun, run);
  }
  EXPECT_EQ(fromE96, 13'824);  // and 4,056 with an E24 primary
  EXPECT_EQ(parallel, 8'940);  // and 8,940 in series
  EXPECT_EQ(sharedValues, 2'013);
  EXPECT_EQ(longestRun, 17);
}

TEST(CombinationTable, StoresEachRecordScaledByOneDecadeAtMost) {
  EXPECT_EQ(table[0], (Combination{0, 1.5, 3.0, 1.0, 1, 0}));
  EXPECT_EQ(table[1], (Combination{1, 1.1, 10.0 * 1.1, 1.0, 1, 0}));
  EXPECT_EQ(table[table.count() - 1], (Combination{3, 10.0, 91'000.0, 9.998901219646193, 1, 0}));
  struct Row {
    const char* name;
    bool fromE96, parallel;
    std::int32_t decadeStep;
    double r1, r2, combined;
  };
  const Row rows[] = {
      {"E24 9.1 + 9.1", false, false, 0, 9.1 / 10.0, 9.1 / 10.0, (9.1 + 9.1) / 10.0},
      {"E24 1.0 || 1.0", false, true, 0, 10.0, 10.0, 5.0},
      {"E96 1.00 + E24 9.1", true, false, 1, 1.0 / 10.0, 9.1 / 10.0, 10.1 / 10.0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const std::int32_t index = Find(row.fromE96, row.parallel, row.decadeStep, row.r1, row.r2);
    ASSERT_GE(index, 0);
    EXPECT_EQ(table[index].combined, row.combined);
  }
  // Each same-decade E24 pair occurs once, the smaller resistor as R1.
  EXPECT_GE(Find(false, true, 0, 10.0, 1.1 * 10.0), 0);
  EXPECT_EQ(Find(false, true, 0, 1.1 * 10.0, 10.0), -1);
}

TEST(CombinationTable, AcceptanceRuleFollowsTheSeriesAndTheTrimmerRatio) {
  const std::int32_t counts[] = {4'056, 4'056, 12'647, 6'918};
  for (int s = 0; s < 4; ++s) {
    const auto [E24ONLY, USE_1PC] = selections[s];
    SCOPED_TRACE(s);
    std::int32_t accepted = 0;
    for (std::int32_t i = 0; i < table.count(); ++i) {
      const Combination& c = table[i];
      const bool acceptable = table.IsAcceptable(i, E24ONLY, USE_1PC);
      accepted += acceptable;
      if (E24ONLY || !c.r1FromE96) {
        ASSERT_EQ(acceptable, E24ONLY && !c.r1FromE96) << i;
      } else if (USE_1PC && !c.parallel) {
        ASSERT_TRUE(acceptable) << i;
      } else if (!USE_1PC && c.decadeStep != 2) {
        ASSERT_EQ(acceptable, c.decadeStep == 3) << i;
      }
    }
    EXPECT_EQ(accepted, counts[s]);
  }
  struct Row {
    const char* name;
    bool parallel;
    std::int32_t decadeStep;
    double r1, r2;
    bool USE_1PC, accepted;
  };
  const Row rows[] = {
      {"1 %: 2.00 || 1.0", true, 1, 20.0, 10.0, true, false},
      {"1 %: 2.00 || 2.0, equal values pass", true, 1, 2.0, 2.0, true, true},
      {"0.1 %: 1.00 + 1.0 / 10, a tenth", false, 2, 1.0, 0.1, false, true},
      {"0.1 %: 1.00 + 1.1 / 10", false, 2, 1.0, 1.1 / 10.0, false, false},
      {"0.1 %: 1.00 || 1.0 x 10, ten times", true, 2, 10.0, 100.0, false, true},
      {"0.1 %: 1.02 || 1.0 x 10", true, 2, 1.02 * 10.0, 100.0, false, false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const std::int32_t index = Find(true, row.parallel, row.decadeStep, row.r1, row.r2);
    ASSERT_GE(index, 0);
    EXPECT_EQ(table.IsAcceptable(index, false, row.USE_1PC), row.accepted);
  }
}

TEST(CombinationTable, AcceptableScansStopAtTheNearestAcceptableRecordOrOneStepOutside) {
  std::int32_t index = 0;  // the first and the last record have E24 primaries
  EXPECT_TRUE(table.FindAcceptableForward(index, true, true));
  EXPECT_EQ(index, 0);
  EXPECT_FALSE(table.FindAcceptableBackward(index, false, true));
  EXPECT_EQ(index, -1);
  index = table.count() - 1;
  EXPECT_FALSE(table.FindAcceptableForward(index, false, false));
  EXPECT_EQ(index, table.count());
  index = 0;
  ASSERT_TRUE(table.FindAcceptableForward(index, false, false));
  EXPECT_TRUE(table.IsAcceptable(index, false, false));
  for (std::int32_t i = 0; i < index; ++i) EXPECT_FALSE(table.IsAcceptable(i, false, false));
  for (const std::int32_t start : {-1, table.count()}) {
    index = start;
    EXPECT_FALSE(table.FindAcceptableForward(index, true, true) ||
                 table.FindAcceptableBackward(index, true, true) ||
                 table.FindOfferedForward(index, true, true, 1.0, {}) ||
                 table.FindOfferedBackward(index, true, true, 1.0, {}));
    EXPECT_EQ(index, start);
  }
}

// The offered scans pass over blocks and groups of records; they must find what stepping finds.
TEST(CombinationTable, OfferedScansFindWhatSteppingFinds) {
  const SeriesLimits limitSets[] = {{},
                                    {1.0, 1e7, 51.1, 1e6},
                                    {330.0, 470.0, 100.0, 200.0},
                                    {1.05, 1.05, 1.0, 1e6},
                                    {1'000.0, 100.0, 1.0, 1e6},
                                    {1.0, 1e7, 1.0, std::nan("")}};
  std::vector<std::int32_t> starts{0, 31, 32, 33, 1'023, 1'024, 1'025, table.count() - 1};
  for (std::int32_t start = 5; start < table.count(); start += 331) starts.push_back(start);
  for (const SeriesLimits& limits : limitSets) {
    for (const double scale : {0.1, 100.0, 1e6}) {
      for (const auto [E24ONLY, USE_1PC] : selections) {
        for (const std::int32_t start : starts) {
          for (const bool upward : {true, false}) {
            SCOPED_TRACE(::testing::Message() << limits.e24Min << " " << scale << " " << E24ONLY
                                              << USE_1PC << " " << start << " " << upward);
            std::int32_t stepped = start, offered = start;
            const auto step = [&] {
              return upward ? table.FindAcceptableForward(stepped, E24ONLY, USE_1PC)
                            : table.FindAcceptableBackward(stepped, E24ONLY, USE_1PC);
            };
            bool found = step();
            while (found && !RecordWithinLimits(table[stepped], scale, limits)) {
              stepped += upward ? 1 : -1;
              found = step();
            }
            ASSERT_EQ(upward ? table.FindOfferedForward(offered, E24ONLY, USE_1PC, scale, limits)
                             : table.FindOfferedBackward(offered, E24ONLY, USE_1PC, scale, limits),
                      found);
            ASSERT_EQ(offered, stepped);
          }
        }
      }
    }
  }
}

TEST(CombinationTable, EveryBuildGivesTheSameTable) {
  const auto built = std::make_unique<CombinationTable>();
  EXPECT_EQ(built->count(), 0);
  for (int build = 1; build <= 2; ++build) {
    BuildCombinationTable(*built);
    ASSERT_EQ(built->count(), table.count());
    for (std::int32_t i = 0; i < table.count(); ++i) ASSERT_EQ((*built)[i], table[i]) << i;
  }
}

// The procedure written plainly: the order of equal values it leaves is the one the sort must give.
void PlainQuickSort(std::vector<Combination>& records, std::int32_t lo, std::int32_t hi) {
  if (lo >= hi) return;
  const double pivot = records[lo].combined;
  std::int32_t i = lo, j = hi + 1;
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
  PlainQuickSort(records, lo, j - 1);
  PlainQuickSort(records, j + 1, hi);
}

TEST(SortByCombined, LeavesEqualValuesInThePlainProcedureOrder) {
  std::mt19937 random(20'240'601);
  const std::function<double(int)> patterns[] = {
      [&](int) { return random() % 7; }, [&](int) { return random() % 1000 / 8.0; },
      [](int n) { return n / 3; },       [](int n) { return -(n / 3); },
      [](int n) { return n % 97; },      [](int) { return 1.0; }};
  for (const auto& pattern : patterns) {
    for (const int size : {0, 1, 2, 3, 15, 16, 17, 31, 32, 33, 300, 4'000}) {
      SCOPED_TRACE(::testing::Message() << &pattern - patterns << ", size " << size);
      std::vector<Combination> sorted(size);
      for (int n = 0; n < size; ++n) sorted[n] = {.decadeStep = n, .combined = pattern(n)};
      std::vector<Combination> plain = sorted;
      SortByCombined(sorted);
      PlainQuickSort(plain, 0, size - 1);
      ASSERT_EQ(sorted, plain);
    }
  }
}

}  // namespace
}  // namespace tamblor
