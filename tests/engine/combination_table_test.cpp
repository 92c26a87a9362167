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

// A record by the fields it was generated with; r1 and r2 as stored, scaled.
std::optional<std::int32_t> FindRecord(bool r1FromE96, bool parallel, std::int32_t decadeStep,
                                       double r1, double r2) {
  const CombinationTable& table = SharedCombinationTable();
  for (std::int32_t i = 0; i < table.count(); ++i) {
    const Combination& record = table[i];
    if ((record.r1FromE96 != 0) == r1FromE96 && (record.parallel != 0) == parallel &&
        record.decadeStep == decadeStep && record.r1 == r1 && record.r2 == r2) {
      return i;
    }
  }
  return std::nullopt;
}

struct Selection {
  bool E24ONLY;
  bool USE_1PC;
};
constexpr Selection allSelections[] = {{true, true}, {true, false}, {false, true}, {false, false}};

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

TEST(CombinationTable, IsSortedInOneDecadeWithRunsOfEqualValues) {
  const CombinationTable& table = SharedCombinationTable();
  std::int32_t sharedValues = 0;
  std::int32_t longestRun = 0;
  for (std::int32_t first = 0; first < table.count();) {
    SCOPED_TRACE(Describe(table[first]));
    ASSERT_GE(table[first].combined, 1.0);
    ASSERT_LT(table[first].combined, 10.0);
    std::int32_t end = first + 1;
    while (end < table.count() && table[end].combined == table[first].combined) ++end;
    if (end < table.count()) {
      ASSERT_LT(table[first].combined, table[end].combined);
    }
    sharedValues += end - first >= 2;
    longestRun = std::max(longestRun, end - first);
    first = end;
  }
  EXPECT_EQ(sharedValues, 2'013);
  EXPECT_EQ(longestRun, 17);
}

TEST(CombinationTable, EndsAreTheSmallestAndLargestScaledPairs) {
  const CombinationTable& table = SharedCombinationTable();
  EXPECT_EQ(table[0], (Combination{0, 1.5, 3.0, 1.0, 1, 0})) << Describe(table[0]);
  EXPECT_EQ(table[1], (Combination{1, 1.1, 10.0 * 1.1, 1.0, 1, 0})) << Describe(table[1]);
  EXPECT_EQ(table[table.count() - 1], (Combination{3, 10.0, 91'000.0, 9.998901219646193, 1, 0}))
      << Describe(table[table.count() - 1]);
}

TEST(CombinationTable, ScalesEachOutOfRangePairByOneDecade) {
  struct Row {
    const char* name;
    std::optional<std::int32_t> index;
    double combined;
  };
  const Row rows[] = {
      {"E24 9.1 + 9.1", FindRecord(false, false, 0, 0.9099999999999999, 0.9099999999999999),
       1.8199999999999998},
      {"E24 1.0 || 1.0", FindRecord(false, true, 0, 10.0, 10.0), 5.0},
      {"E96 1.00 + E24 9.1", FindRecord(true, false, 1, 0.1, 0.9099999999999999), 1.01},
      {"E24 1.8 + 8.2", FindRecord(false, false, 0, 1.8 / 10.0, 8.2 / 10.0), 1.0},
      // Each unordered same-decade E24 pair occurs once, the smaller resistor as R1.
      {"E24 1.0 || 1.1", FindRecord(false, true, 0, 10.0, 1.1 * 10.0), 10.0 / 2.1 * 1.1},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    ASSERT_TRUE(row.index.has_value());
    const Combination& record = SharedCombinationTable()[*row.index];
    EXPECT_NEAR(record.combined, row.combined, 1e-15 * row.combined) << Describe(record);
  }
  EXPECT_EQ(SharedCombinationTable()[*rows[0].index].combined, (9.1 + 9.1) / 10.0);
  EXPECT_FALSE(FindRecord(false, true, 0, 1.1 * 10.0, 10.0));
}

TEST(CombinationTable, AcceptanceCountsPerSelection) {
  const CombinationTable& table = SharedCombinationTable();
  const std::int32_t expected[] = {4'056, 4'056, 12'647, 6'918};
  for (std::size_t s = 0; s < std::size(allSelections); ++s) {
    const auto [E24ONLY, USE_1PC] = allSelections[s];
    SCOPED_TRACE(testing::Message() << "E24ONLY " << E24ONLY << ", USE_1PC " << USE_1PC);
    std::int32_t accepted = 0;
    for (std::int32_t i = 0; i < table.count(); ++i) {
      const bool acceptable = table.IsAcceptable(i, E24ONLY, USE_1PC);
      // The E24 selection takes exactly the E24 primaries; the E96 ones never take them.
      ASSERT_TRUE(!acceptable || (table[i].r1FromE96 != 0) != E24ONLY) << Describe(table[i]);
      accepted += acceptable;
    }
    EXPECT_EQ(accepted, expected[s]);
  }
}

TEST(CombinationTable, E96AcceptanceFollowsTheTrimmerRatio) {
  struct Row {
    const char* name;
    std::optional<std::int32_t> index;
    bool USE_1PC;
    bool accepted;
  };
  const Row rows[] = {
      {"1 %: 2.00 || 1.0 in R1's decade", FindRecord(true, true, 1, 20.0, 10.0), true, false},
      {"1 %: 2.00 || 2.0, equal values pass", FindRecord(true, true, 1, 2.0, 2.0), true, true},
      {"1 %: 1.00 + 9.1, series", FindRecord(true, false, 1, 0.1, 0.9099999999999999), true, true},
      {"0.1 %: 1.00 + 1.0 / 10, a tenth", FindRecord(true, false, 2, 1.0, 0.1), false, true},
      {"0.1 %: 1.00 + 1.1 / 10", FindRecord(true, false, 2, 1.0, 1.1 / 10.0), false, false},
      {"0.1 %: 1.00 || 1.0 x 10, ten times", FindRecord(true, true, 2, 10.0, 100.0), false, true},
      {"0.1 %: 1.02 || 1.0 x 10", FindRecord(true, true, 2, 1.02 * 10.0, 100.0), false, false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    ASSERT_TRUE(row.index.has_value());
    EXPECT_EQ(SharedCombinationTable().IsAcceptable(*row.index, false, row.USE_1PC), row.accepted);
  }
  const CombinationTable& table = SharedCombinationTable();
  for (std::int32_t i = 0; i < table.count(); ++i) {
    const Combination& record = table[i];
    if (!record.r1FromE96) continue;
    SCOPED_TRACE(Describe(record));
    if (!record.parallel) {
      ASSERT_TRUE(table.IsAcceptable(i, false, true));
    }
    if (record.decadeStep != 2) {
      ASSERT_EQ(table.IsAcceptable(i, false, false), record.decadeStep == 3);
    }
  }
}

TEST(CombinationTable, AcceptableScansStopAtTheNearestAcceptableRecord) {
  const CombinationTable& table = SharedCombinationTable();
  // The first and the last record have E24 primaries.
  std::int32_t index = 0;
  EXPECT_TRUE(table.FindAcceptableForward(index, true, true));
  EXPECT_TRUE(table.FindAcceptableBackward(index, true, true));
  EXPECT_EQ(index, 0);
  EXPECT_FALSE(table.FindAcceptableBackward(index, false, true));
  EXPECT_EQ(index, -1);
  index = table.count() - 1;
  EXPECT_FALSE(table.FindAcceptableForward(index, false, false));
  EXPECT_EQ(index, table.count());

  index = 0;
  ASSERT_TRUE(table.FindAcceptableForward(index, false, false));
  for (std::int32_t skipped = 0; skipped < index; ++skipped) {
    EXPECT_FALSE(table.IsAcceptable(skipped, false, false));
  }
  EXPECT_TRUE(table.IsAcceptable(index, false, false));

  for (const std::int32_t start : {-1, table.count(), combinationCapacity}) {
    SCOPED_TRACE(start);
    index = start;
    EXPECT_FALSE(table.FindAcceptableForward(index, true, true));
    EXPECT_FALSE(table.FindAcceptableBackward(index, true, true));
    EXPECT_FALSE(table.FindOfferedForward(index, true, true, 1.0, SeriesLimits{}));
    EXPECT_FALSE(table.FindOfferedBackward(index, true, true, 1.0, SeriesLimits{}));
    EXPECT_EQ(index, start);
  }
}

// The offered scans pass over runs of records; they must find what stepping record by record finds.
bool Stepped(const CombinationTable& table, bool upward, std::int32_t& index, Selection selection,
             double scale, const SeriesLimits& limits) {
  const auto scan = [&] {
    return upward ? table.FindAcceptableForward(index, selection.E24ONLY, selection.USE_1PC)
                  : table.FindAcceptableBackward(index, selection.E24ONLY, selection.USE_1PC);
  };
  bool found = scan();
  while (found && !RecordWithinLimits(table[index], scale, limits)) {
    index += upward ? 1 : -1;
    found = scan();
  }
  return found;
}

TEST(CombinationTable, OfferedScansFindWhatSteppingFinds) {
  const CombinationTable& table = SharedCombinationTable();
  const SeriesLimits limitSets[] = {
      {},                             // first start
      {1.0, 1e7, 51.1, 1e6},          // 0.1 % defaults
      {330.0, 470.0, 100.0, 200.0},   // narrow
      {1.05, 1.05, 1.0, 1e6},         // no E24 value
      {1'000.0, 100.0, 1.0, 1e6},     // E24 minimum above maximum
      {1.0, 1e7, 1.0, std::nan("")},  // no E96 maximum
  };
  std::vector<std::int32_t> starts{0, 15, 16, 17, table.count() - 1};
  for (std::int32_t start = 5; start < table.count(); start += 331) starts.push_back(start);
  for (std::size_t l = 0; l < std::size(limitSets); ++l) {
    for (const std::int32_t exponent : {-1, 2, 6}) {
      for (const Selection& selection : allSelections) {
        for (const std::int32_t start : starts) {
          for (const bool upward : {true, false}) {
            SCOPED_TRACE(testing::Message()
                         << "limits " << l << ", exponent " << exponent << ", E24ONLY "
                         << selection.E24ONLY << ", USE_1PC " << selection.USE_1PC << ", start "
                         << start << (upward ? " upward" : " downward"));
            const double scale = std::pow(10.0, exponent);
            std::int32_t stepped = start;
            std::int32_t offered = start;
            const bool found = Stepped(table, upward, stepped, selection, scale, limitSets[l]);
            ASSERT_EQ(upward ? table.FindOfferedForward(offered, selection.E24ONLY,
                                                        selection.USE_1PC, scale, limitSets[l])
                             : table.FindOfferedBackward(offered, selection.E24ONLY,
                                                         selection.USE_1PC, scale, limitSets[l]),
                      found);
            ASSERT_EQ(offered, stepped);
          }
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
