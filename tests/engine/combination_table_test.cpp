#include "engine/combination_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <vector>

namespace tamblor {
namespace {

const CombinationTable& table = SharedCombinationTable();

// The record generated with these fields, r1 and r2 as stored after scaling.
const Combination& Find(bool fromE96, bool parallel, std::int32_t decadeStep, double r1,
                        double r2) {
  const Combination* const found = std::find_if(&table[0], &table[0] + table.count(), [&](auto& c) {
    return c.r1FromE96 == fromE96 && c.parallel == parallel && c.decadeStep == decadeStep &&
           c.r1 == r1 && c.r2 == r2;
  });
  if (found == &table[0] + table.count()) throw std::out_of_range("no such record");
  return *found;
}

TEST(CombinationTable, HoldsEveryPairOnceSortedInOneDecade) {
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
}

TEST(CombinationTable, StoresEachRecordScaledByOneDecadeAtMost) {
  EXPECT_EQ(table[0], (Combination{0, 1.5, 3.0, 1.0, 1, 0}));
  EXPECT_EQ(table[1], (Combination{1, 1.1, 10.0 * 1.1, 1.0, 1, 0}));
  EXPECT_EQ(table[table.count() - 1], (Combination{3, 10.0, 91'000.0, 9.998901219646193, 1, 0}));
  EXPECT_EQ(Find(false, false, 0, 9.1 / 10.0, 9.1 / 10.0).combined, (9.1 + 9.1) / 10.0);
  EXPECT_EQ(Find(false, true, 0, 10.0, 10.0).combined, 5.0);
  EXPECT_EQ(Find(true, false, 1, 1.0 / 10.0, 9.1 / 10.0).combined, 10.1 / 10.0);
  // Each same-decade E24 pair occurs once, the smaller resistor as R1.
  EXPECT_NO_THROW(Find(false, true, 0, 10.0, 1.1 * 10.0));
  EXPECT_THROW(Find(false, true, 0, 1.1 * 10.0, 10.0), std::out_of_range);
}

TEST(CombinationTable, AcceptanceRuleFollowsTheSeriesAndTheTrimmerRatio) {
  const std::int32_t accepted[] = {4'056, 4'056, 12'647, 6'918};  // E24, E24, E96 1 %, E96 0.1 %
  for (int s = 0; s < 4; ++s) {
    std::int32_t count = 0;
    for (std::int32_t i = 0; i < table.count(); ++i)
      count += table.IsAcceptable(i, s < 2, s % 2 == 0);
    EXPECT_EQ(count, accepted[s]) << s;
  }
  struct Row {
    bool parallel;
    std::int32_t decadeStep;
    double r1, r2;
    bool USE_1PC, accepted;
  };
  const Row rows[] = {
      {true, 1, 20.0, 10.0, true, false},  {true, 1, 2.0, 2.0, true, true},
      {false, 1, 1.0, 1.0, true, true},    {false, 1, 1.0, 1.0, false, false},
      {false, 2, 1.0, 0.1, false, true},   {false, 2, 1.0, 1.1 / 10.0, false, false},
      {true, 2, 10.0, 100.0, false, true}, {true, 2, 1.02 * 10.0, 100.0, false, false},
  };
  for (const Row& row : rows) {
    const auto index = static_cast<std::int32_t>(
        &Find(true, row.parallel, row.decadeStep, row.r1, row.r2) - &table[0]);
    EXPECT_EQ(table.IsAcceptable(index, false, row.USE_1PC), row.accepted)
        << row.r1 << " " << row.r2;
    EXPECT_FALSE(table.IsAcceptable(index, true, row.USE_1PC));
  }
}

TEST(PairWithinLimits, TestsR1AgainstItsSeriesAndR2AgainstE24BothEndsIncluded) {
  const Combination e96{1, 3.4, 1.3, 4.7, 0, 1};  // E96 3k4 + E24 1k3 in the decade 1000
  const Combination e24{1, 3.4, 1.3, 4.7, 0, 0};
  const double above3k4 = std::nextafter(3'400.0, 1e9), below1k3 = std::nextafter(1'300.0, 0.0);
  EXPECT_TRUE(PairWithinLimits(e96, 1e3, {1'300.0, 1'300.0, 3'400.0, 3'400.0}));
  EXPECT_FALSE(PairWithinLimits(e96, 1e3, {1'300.0, 1'300.0, above3k4, 1e6}));
  EXPECT_FALSE(PairWithinLimits(e96, 1e3, {1.0, 1e7, 1.0, std::nextafter(3'400.0, 0.0)}));
  EXPECT_FALSE(PairWithinLimits(e96, 1e3, {std::nextafter(1'300.0, 1e9), 1e7, 1.0, 1e6}));
  EXPECT_FALSE(PairWithinLimits(e96, 1e3, {1.0, below1k3, 1.0, 1e6}));
  EXPECT_TRUE(PairWithinLimits(e24, 1e3, {1'300.0, 3'400.0, above3k4, 1.0}));
  EXPECT_FALSE(PairWithinLimits(e24, 1e3, {1'300.0, std::nextafter(3'400.0, 0.0), 1.0, 1e6}));
}

// The offered scans pass over blocks and groups of records by their summaries; from every start
// they must find the nearest offered record, as stepping does. The limit sets leave records on
// offer only near the head of the table, only near its tail, spread out, or nowhere.
TEST(CombinationTable, OfferedScansFindTheNearestOfferedRecordFromEveryStart) {
  const OfferQuery queries[] = {
      {true, true, 1e7, {}},
      {false, false, 1e6, {}},
      {false, true, 1.0, {1.0, 1e7, 9.76, 1e6}},
      {false, false, 1.0, {1.0, 1e7, 9.76, 1e6}},
      {true, true, 1.0, {9.1, 1e7, 1.0, 1e6}},
      {false, true, 1.0, {1.0, 1.0, 1.0, 1e6}},
      {false, false, 1e3, {}},
      {false, false, 1.0, {1.0, 1.0, 1.0, 1e6}},
  };
  for (const OfferQuery& query : queries) {
    SCOPED_TRACE(::testing::Message() << query.E24ONLY << query.USE_1PC << " x" << query.scale
                                      << " " << query.limits.e24Min << " " << query.limits.e96Min);
    std::vector<std::int32_t> below(table.count()), above(table.count());
    for (std::int32_t i = 0, last = -1; i < table.count(); ++i) {
      below[i] = last = table.IsOffered(i, query) ? i : last;
    }
    for (std::int32_t i = table.count() - 1, next = table.count(); i >= 0; --i) {
      above[i] = next = table.IsOffered(i, query) ? i : next;
    }
    for (const std::int32_t outside : {-1, table.count()}) {
      std::int32_t index = outside;
      EXPECT_FALSE(table.FindOfferedForward(index, query) ||
                   table.FindOfferedBackward(index, query));
      EXPECT_EQ(index, outside);
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
