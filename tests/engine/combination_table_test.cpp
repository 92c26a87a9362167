#include "engine/combination_table.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace tamblor {
namespace {

const CombinationTable& table = SharedCombinationTable();

// The index of the record generated with these fields, r1 and r2 as stored after scaling, or -1.
std::int32_t Find(bool fromE96, bool parallel, std::int32_t decadeStep, double r1, double r2) {
  for (std::int32_t i = 0; i < table.count(); ++i) {
    if (table[i] == Combination{decadeStep, r1, r2, table[i].combined, parallel, fromE96}) return i;
  }
  return -1;
}

TEST(CombinationTable, HoldsEveryPairOnceSortedAndScaledIntoOneDecade) {
  ASSERT_EQ(table.count(), 17'880);
  int fromE96 = 0, parallel = 0;
  for (std::int32_t i = 0; i < table.count(); ++i) {
    fromE96 += table[i].r1FromE96;
    parallel += table[i].parallel;
    ASSERT_GE(table[i].combined, i == 0 ? 1.0 : table[i - 1].combined) << i;
    ASSERT_LT(table[i].combined, 10.0) << i;
  }
  EXPECT_EQ(fromE96, 13'824);
  EXPECT_EQ(parallel, 8'940);
  EXPECT_EQ(table[0], (Combination{0, 1.5, 3.0, 1.0, 1, 0}));
  EXPECT_EQ(table[1], (Combination{1, 1.1, 10.0 * 1.1, 1.0, 1, 0}));
  EXPECT_EQ(table[table.count() - 1], (Combination{3, 10.0, 91'000.0, 9.998901219646193, 1, 0}));
  // Each same-decade E24 pair occurs once, the smaller resistor as R1.
  EXPECT_GE(Find(false, true, 0, 10.0, 1.1 * 10.0), 0);
  EXPECT_EQ(Find(false, true, 0, 1.1 * 10.0, 10.0), -1);
}

TEST(CombinationTable, AcceptanceRuleFollowsTheSeriesAndTheTrimmerRatio) {
  const std::int32_t accepted[] = {4'056, 4'056, 12'647, 6'918};  // E24, E24, E96 1 %, E96 0.1 %
  for (int s = 0; s < 4; ++s) {
    std::int32_t count = 0;
    for (std::int32_t i = 0; i < table.count(); ++i)
      count += table.IsAcceptable(i, s < 2, s % 2 == 0);
    EXPECT_EQ(count, accepted[s]) << s;
  }
  // E96 records: parallel, decade step, R1, R2; whether 1 % and 0.1 % accept them.
  const std::tuple<bool, std::int32_t, double, double, bool, bool> rows[] = {
      {true, 1, 20.0, 10.0, false, false},       {true, 1, 2.0, 2.0, true, false},
      {false, 1, 1.0, 1.0, true, false},         {false, 2, 1.0, 0.1, true, true},
      {false, 2, 1.0, 1.1 / 10.0, true, false},  {true, 2, 10.0, 100.0, true, true},
      {true, 2, 1.02 * 10.0, 100.0, true, false}};
  for (const auto& [inParallel, decadeStep, r1, r2, at1, at01] : rows) {
    const std::int32_t index = Find(true, inParallel, decadeStep, r1, r2);
    ASSERT_GE(index, 0) << r1 << " " << r2;
    EXPECT_EQ(table.IsAcceptable(index, false, true), at1) << r1 << " " << r2;
    EXPECT_EQ(table.IsAcceptable(index, false, false), at01) << r1 << " " << r2;
    EXPECT_FALSE(table.IsAcceptable(index, true, true));
  }
}

// The offered scans pass over blocks and groups of records by their summaries; from every start
// they must find the nearest offered record, as stepping does. The limit sets leave records on
// offer only near the head of the table, only near its tail, spread out, or nowhere; one offers
// E24 records under E96 limits that rule out every E96 one, one only the smallest R2 of all.
TEST(CombinationTable, OfferedScansFindTheNearestOfferedRecordFromEveryStart) {
  const OfferQuery queries[] = {
      {true, true, 1e7, {}},
      {false, false, 1e6, {}},
      {false, true, 1.0, {1.0, 1e7, 9.76, 1e6}},
      {true, true, 1.0, {9.1, 1e7, 1e9, 1e9}},
      {false, true, 1.0, {0.0, 0.01, 0.0, 1e9}},
      {false, false, 1e3, {}},
  };
  for (const OfferQuery& query : queries) {
    SCOPED_TRACE(&query - queries);
    std::vector<std::int32_t> below(table.count()), above(table.count());
    for (std::int32_t i = 0, last = -1; i < table.count(); ++i) {
      below[i] = last = table.IsOffered(i, query) ? i : last;
    }
    for (std::int32_t i = table.count() - 1, next = table.count(); i >= 0; --i) {
      above[i] = next = table.IsOffered(i, query) ? i : next;
    }
    for (std::int32_t outside : {-1, table.count()}) {
      EXPECT_FALSE(table.FindOfferedForward(outside, query) ||
                   table.FindOfferedBackward(outside, query));
      EXPECT_TRUE(outside == -1 || outside == table.count());
    }
    for (std::int32_t start = 0; start < table.count(); ++start) {
      std::int32_t up = start, down = start;
      ASSERT_EQ(table.FindOfferedForward(up, query), above[start] < table.count()) << start;
      ASSERT_EQ(up, above[start]) << start;
      ASSERT_EQ(table.FindOfferedBackward(down, query), below[start] >= 0) << start;
      ASSERT_EQ(down, below[start]) << start;
    }
  }
}

}  // namespace
}  // namespace tamblor
