#include "engine/combination_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace tamblor {
namespace {

std::string Describe(const Combination& record) {
  std::ostringstream text;
  text.precision(17);
  text << (record.r1FromE96 ? "E96 " : "E24 ") << record.r1 << (record.parallel ? " || " : " + ")
       << record.r2 << " = " << record.combined << " (decade step " << record.decadeStep << ")";
  return text.str();
}

struct Generation {
  bool r1FromE96;
  bool parallel;
  std::int32_t decadeStep;
  double r1;  // as stored, scaled
  double r2;
};

std::optional<std::int32_t> FindRecord(const CombinationTable& table, const Generation& wanted) {
  for (std::int32_t i = 0; i < table.count(); ++i) {
    const Combination& record = table[i];
    if ((record.r1FromE96 != 0) == wanted.r1FromE96 && (record.parallel != 0) == wanted.parallel &&
        record.decadeStep == wanted.decadeStep && record.r1 == wanted.r1 &&
        record.r2 == wanted.r2) {
      return i;
    }
  }
  return std::nullopt;
}

std::int32_t CountAcceptable(const CombinationTable& table, bool E24ONLY, bool USE_1PC) {
  std::int32_t accepted = 0;
  for (std::int32_t i = 0; i < table.count(); ++i)
    accepted += table.IsAcceptable(i, E24ONLY, USE_1PC);
  return accepted;
}

TEST(CombinationTable, HoldsEveryPairOfBothPrimarySeries) {
  const CombinationTable& table = SharedCombinationTable();
  ASSERT_EQ(table.count(), 17'880);
  std::int32_t fromE96 = 0;
  std::int32_t parallel = 0;
  for (std::int32_t i = 0; i < table.count(); ++i) {
    fromE96 += table[i].r1FromE96;
    parallel += table[i].parallel;
  }
  EXPECT_EQ(fromE96, 13'824);
  EXPECT_EQ(table.count() - fromE96, 4'056);
  EXPECT_EQ(parallel, 8'940);
  EXPECT_EQ(table.count() - parallel, 8'940);
}

TEST(CombinationTable, IsSortedWithEveryCombinedValueInOneDecade) {
  const CombinationTable& table = SharedCombinationTable();
  for (std::int32_t i = 0; i < table.count(); ++i) {
    SCOPED_TRACE(Describe(table[i]));
    EXPECT_GE(table[i].combined, 1.0);
    EXPECT_LT(table[i].combined, 10.0);
    if (i > 0) {
      EXPECT_LE(table[i - 1].combined, table[i].combined);
    }
  }
}

TEST(CombinationTable, EqualCombinedValuesComeInRunsOfUpTo17) {
  const CombinationTable& table = SharedCombinationTable();
  std::int32_t sharedValues = 0;
  std::int32_t longestRun = 0;
  for (std::int32_t first = 0; first < table.count();) {
    std::int32_t end = first + 1;
    while (end < table.count() && table[end].combined == table[first].combined) ++end;
    sharedValues += end - first >= 2;
    longestRun = std::max(longestRun, end - first);
    first = end;
  }
  EXPECT_EQ(sharedValues, 2'013);
  EXPECT_EQ(longestRun, 17);
}

TEST(CombinationTable, EndsAreTheSmallestAndLargestScaledPairs) {
  const CombinationTable& table = SharedCombinationTable();
  const Combination first{0, 1.5, 3.0, 1.0, 1, 0};
  EXPECT_EQ(table[0], first) << Describe(table[0]);
  EXPECT_EQ(table[1].decadeStep, 1) << Describe(table[1]);
  EXPECT_EQ(table[1].r1, 1.1);
  EXPECT_EQ(table[1].r2, 11.0);
  EXPECT_EQ(table[1].combined, 1.0);
  const Combination last{3, 10.0, 91'000.0, 9.998901219646193, 1, 0};
  EXPECT_EQ(table[table.count() - 1], last) << Describe(table[table.count() - 1]);
}

TEST(CombinationTable, ScalesEachOutOfRangePairByOneDecade) {
  const CombinationTable& table = SharedCombinationTable();
  struct Row {
    const char* name;
    Generation generation;
    double combined;
  };
  const Row rows[] = {
      {"E24 9.1 + 9.1 scaled down", {false, false, 0, 9.1 / 10.0, 9.1 / 10.0}, (9.1 + 9.1) / 10.0},
      {"E24 1.0 || 1.0 scaled up", {false, true, 0, 10.0, 10.0}, 5.0},
      {"E96 1.00 + E24 9.1 scaled down", {true, false, 1, 1.0 / 10.0, 9.1 / 10.0}, 10.1 / 10.0},
      {"E24 1.8 + 8.2 is exactly 1.0 after scaling",
       {false, false, 0, 1.8 / 10.0, 8.2 / 10.0},
       1.0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const std::optional<std::int32_t> index = FindRecord(table, row.generation);
    ASSERT_TRUE(index.has_value());
    EXPECT_EQ(table[*index].combined, row.combined) << Describe(table[*index]);
  }
  EXPECT_EQ(9.1 / 10.0, 0.9099999999999999);
  EXPECT_EQ((9.1 + 9.1) / 10.0, 1.8199999999999998);
}

TEST(CombinationTable, SameDecadeE24PairsOccurOnceEach) {
  const CombinationTable& table = SharedCombinationTable();
  EXPECT_TRUE(FindRecord(table, {false, true, 0, 1.0 * 10.0, 1.1 * 10.0}));
  EXPECT_FALSE(FindRecord(table, {false, true, 0, 1.1 * 10.0, 1.0 * 10.0}));
}

TEST(CombinationTable, AcceptanceCountsPerSelection) {
  const CombinationTable& table = SharedCombinationTable();
  EXPECT_EQ(CountAcceptable(table, true, true), 4'056);
  EXPECT_EQ(CountAcceptable(table, true, false), 4'056);
  EXPECT_EQ(CountAcceptable(table, false, true), 12'647);
  EXPECT_EQ(CountAcceptable(table, false, false), 6'918);
}

TEST(CombinationTable, E24SelectionAcceptsExactlyTheE24Primaries) {
  const CombinationTable& table = SharedCombinationTable();
  for (std::int32_t i = 0; i < table.count(); ++i) {
    SCOPED_TRACE(Describe(table[i]));
    const bool fromE24 = table[i].r1FromE96 == 0;
    ASSERT_EQ(table.IsAcceptable(i, true, true), fromE24);
    ASSERT_EQ(table.IsAcceptable(i, true, false), fromE24);
    if (fromE24) {
      ASSERT_FALSE(table.IsAcceptable(i, false, true));
    }
  }
}

TEST(CombinationTable, E96AcceptanceFollowsTheTrimmerRatio) {
  const CombinationTable& table = SharedCombinationTable();
  struct Row {
    const char* name;
    Generation generation;
    bool USE_1PC;
    bool accepted;
  };
  const Row rows[] = {
      {"1 %: 2.00 || 1.0 in R1's decade", {true, true, 1, 20.0, 10.0}, true, false},
      {"1 %: 2.00 || 2.0, equal values pass", {true, true, 1, 2.0, 2.0}, true, true},
      {"1 %: 2.00 || 2.2", {true, true, 1, 2.0, 2.2}, true, true},
      {"1 %: 1.00 + 9.1, series in R1's decade",
       {true, false, 1, 1.0 / 10.0, 9.1 / 10.0},
       true,
       true},
      {"0.1 %: 1.00 + 1.0 / 10, exactly a tenth", {true, false, 2, 1.0, 1.0 / 10.0}, false, true},
      {"0.1 %: 1.00 + 1.1 / 10", {true, false, 2, 1.0, 1.1 / 10.0}, false, false},
      {"0.1 %: 1.00 || 1.0 x 10, exactly ten times", {true, true, 2, 10.0, 100.0}, false, true},
      {"0.1 %: 1.02 || 1.0 x 10", {true, true, 2, 1.02 * 10.0, 100.0}, false, false},
      {"0.1 %: 9.76 + 9.1 / 100", {true, false, 3, 9.76, 9.1 / 100.0}, false, true},
      {"0.1 %: 1.00 || 1.0 x 100", {true, true, 3, 10.0, 1000.0}, false, true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const std::optional<std::int32_t> index = FindRecord(table, row.generation);
    ASSERT_TRUE(index.has_value());
    EXPECT_EQ(table.IsAcceptable(*index, false, row.USE_1PC), row.accepted);
  }
}

TEST(CombinationTable, E96AcceptanceByDecadeStep) {
  const CombinationTable& table = SharedCombinationTable();
  for (std::int32_t i = 0; i < table.count(); ++i) {
    const Combination& record = table[i];
    if (!record.r1FromE96) continue;
    SCOPED_TRACE(Describe(record));
    if (!record.parallel) {
      ASSERT_TRUE(table.IsAcceptable(i, false, true));
    }
    if (record.decadeStep == 1) {
      ASSERT_FALSE(table.IsAcceptable(i, false, false));
    }
    if (record.decadeStep == 3) {
      ASSERT_TRUE(table.IsAcceptable(i, false, false));
    }
  }
}

TEST(CombinationTable, ScansStopAtTheNearestAcceptableRecord) {
  const CombinationTable& table = SharedCombinationTable();
  // Record 0 is an E24 pair; the last one too.
  std::int32_t index = 0;
  EXPECT_TRUE(table.FindAcceptableForward(index, true, true));
  EXPECT_EQ(index, 0);
  EXPECT_TRUE(table.FindAcceptableBackward(index, true, true));
  EXPECT_EQ(index, 0);

  index = 0;
  EXPECT_FALSE(table.FindAcceptableBackward(index, false, true));
  EXPECT_EQ(index, -1);

  index = table.count() - 1;
  EXPECT_FALSE(table.FindAcceptableForward(index, false, false));
  EXPECT_EQ(index, table.count());

  index = 0;
  ASSERT_TRUE(table.FindAcceptableForward(index, false, false));
  EXPECT_GT(index, 0);
  EXPECT_TRUE(table.IsAcceptable(index, false, false));
  for (std::int32_t skipped = 0; skipped < index; ++skipped) {
    EXPECT_FALSE(table.IsAcceptable(skipped, false, false));
  }
}

TEST(CombinationTable, ScansStartedOutsideTheTableFindNothing) {
  const CombinationTable& table = SharedCombinationTable();
  for (const std::int32_t start : {-1, table.count(), combinationCapacity}) {
    SCOPED_TRACE(start);
    std::int32_t index = start;
    EXPECT_FALSE(table.FindAcceptableForward(index, true, true));
    EXPECT_EQ(index, start);
    EXPECT_FALSE(table.FindAcceptableBackward(index, true, true));
    EXPECT_EQ(index, start);
  }
}

// The offered scans pass over whole blocks; they must find what stepping record by record finds.
bool SteppedForward(const CombinationTable& table, std::int32_t& index, bool E24ONLY, bool USE_1PC,
                    double scale, const SeriesLimits& limits) {
  bool found = table.FindAcceptableForward(index, E24ONLY, USE_1PC);
  while (found && !RecordWithinLimits(table[index], scale, limits)) {
    ++index;
    found = table.FindAcceptableForward(index, E24ONLY, USE_1PC);
  }
  return found;
}

bool SteppedBackward(const CombinationTable& table, std::int32_t& index, bool E24ONLY, bool USE_1PC,
                     double scale, const SeriesLimits& limits) {
  bool found = table.FindAcceptableBackward(index, E24ONLY, USE_1PC);
  while (found && !RecordWithinLimits(table[index], scale, limits)) {
    --index;
    found = table.FindAcceptableBackward(index, E24ONLY, USE_1PC);
  }
  return found;
}

TEST(CombinationTable, OfferedScansFindWhatSteppingFinds) {
  const CombinationTable& table = SharedCombinationTable();
  struct Limits {
    const char* name;
    SeriesLimits limits;
  };
  const Limits limitSets[] = {
      {"first start", {}},
      {"0.1 % defaults", {1.0, 1e7, 51.1, 1e6}},
      {"narrow", {330.0, 470.0, 100.0, 200.0}},
      {"no E24 value", {1.05, 1.05, 1.0, 1e6}},
      {"E24 minimum above maximum", {1'000.0, 100.0, 1.0, 1e6}},
  };
  struct Selection {
    bool E24ONLY;
    bool USE_1PC;
  };
  const Selection selections[] = {{true, true}, {false, true}, {false, false}};
  std::vector<std::int32_t> starts{-1, 0, 63, 64, table.count() - 1, table.count()};
  for (std::int32_t start = 5; start < table.count(); start += 331) starts.push_back(start);
  for (const Limits& limits : limitSets) {
    for (const std::int32_t exponent : {-1, 2, 6}) {
      for (const Selection& selection : selections) {
        const double scale = std::pow(10.0, exponent);
        for (const std::int32_t start : starts) {
          SCOPED_TRACE(testing::Message() << limits.name << ", exponent " << exponent
                                          << ", E24ONLY " << selection.E24ONLY << ", USE_1PC "
                                          << selection.USE_1PC << ", start " << start);
          std::int32_t stepped = start;
          std::int32_t offered = start;
          ASSERT_EQ(table.FindOfferedForward(offered, selection.E24ONLY, selection.USE_1PC, scale,
                                             limits.limits),
                    SteppedForward(table, stepped, selection.E24ONLY, selection.USE_1PC, scale,
                                   limits.limits));
          ASSERT_EQ(offered, stepped);
          stepped = offered = start;
          ASSERT_EQ(table.FindOfferedBackward(offered, selection.E24ONLY, selection.USE_1PC, scale,
                                              limits.limits),
                    SteppedBackward(table, stepped, selection.E24ONLY, selection.USE_1PC, scale,
                                    limits.limits));
          ASSERT_EQ(offered, stepped);
        }
      }
    }
  }
}

TEST(CombinationTable, EveryBuildGivesTheSameTable) {
  auto table = std::make_unique<CombinationTable>();
  EXPECT_EQ(table->count(), 0);
  for (int build = 1; build <= 2; ++build) {
    SCOPED_TRACE(build);
    BuildCombinationTable(*table);
    const CombinationTable& shared = SharedCombinationTable();
    ASSERT_EQ(table->count(), shared.count());
    for (std::int32_t i = 0; i < shared.count(); ++i) {
      ASSERT_EQ((*table)[i], shared[i]) << "record " << i;
    }
  }
}

}  // namespace
}  // namespace tamblor
