#include "engine/search.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace tamblor {
namespace {

// A pair as a result row shows it, the error to the 4 decimals shown.
struct Pair {
  double r1Ohms;
  bool r1FromE96;
  double r2Ohms;
  bool parallel;
  double errorPercent;
};

std::string Describe(const Pair& pair) {
  std::ostringstream text;
  text.precision(10);
  text << pair.r1Ohms << (pair.r1FromE96 ? " (E96)" : " (E24)") << (pair.parallel ? " || " : " + ")
       << pair.r2Ohms << ", error " << pair.errorPercent << " %";
  return text.str();
}

bool NearlyEqual(double actual, double expected) {
  return std::fabs(actual - expected) <= 1e-9 * std::fabs(expected);
}

testing::AssertionResult IsPair(const PairResult& actual, const Pair& expected) {
  const Pair got{actual.r1Ohms, actual.r1FromE96, actual.r2Ohms, actual.parallel,
                 actual.errorPercent};
  if (NearlyEqual(got.r1Ohms, expected.r1Ohms) && got.r1FromE96 == expected.r1FromE96 &&
      NearlyEqual(got.r2Ohms, expected.r2Ohms) && got.parallel == expected.parallel &&
      std::fabs(got.errorPercent - expected.errorPercent) < 0.00005) {
    return testing::AssertionSuccess();
  }
  return testing::AssertionFailure() << "got " << Describe(got) << ", want " << Describe(expected);
}

struct Required {
  double mantissa = 0.0;
  std::int32_t exponent = 0;
};

Required Normalised(double ohms) {
  Required required;
  required.mantissa = NormaliseValue(ohms, required.exponent);
  return required;
}

// Limits as after a first start, 1 %.
SearchResult Search(double ohms, bool E24ONLY, const SeriesLimits& limits = {}) {
  const Required required = Normalised(ohms);
  return SearchCombinations(SharedCombinationTable(), required.mantissa, required.exponent, E24ONLY,
                            true, limits);
}

SearchResult SearchMantissa(double mantissa, std::int32_t exponent) {
  return SearchCombinations(SharedCombinationTable(), mantissa, exponent, true, true, {});
}

void ExpectExactMatches(const SearchResult& result, double ohms,
                        const std::vector<Pair>& expected) {
  ASSERT_EQ(result.exactMatches.size(), expected.size());
  EXPECT_EQ(result.exactMatches[0], result.best.index);
  const Required required = Normalised(ohms);
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_TRUE(IsPair(MakePairResult(SharedCombinationTable(), result.exactMatches[i],
                                      required.mantissa, required.exponent),
                       expected[i]))
        << "entry " << i;
  }
}

TEST(Search, DirectHitIsAValueOfTheChosenSeriesInsideItsLimits) {
  struct Row {
    double ohms;
    bool E24ONLY;
    double e24Max;
    bool hit;
  };
  const Row rows[] = {
      {4'700.0, true, 1e7, true},     {4'700.01, true, 1e7, true},     {4'750.0, false, 1e7, true},
      {4'700.0, false, 1e7, false},   {4'750.0, true, 1e7, false},     {1.0, true, 1e7, true},
      {1e7, true, 1e7, true},         {1e6, false, 1e7, true},         {1e7, false, 1e7, false},
      {4'700.0, true, 4'700.0, true}, {4'700.0, true, 4'699.0, false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message()
                 << row.ohms << " ohms, E24ONLY " << row.E24ONLY << ", E24 maximum " << row.e24Max);
    SeriesLimits limits;
    limits.e24Max = row.e24Max;
    const SearchResult result = Search(row.ohms, row.E24ONLY, limits);
    if (!row.hit) {
      EXPECT_EQ(result.kind, SearchKind::Pairs);
      continue;
    }
    ASSERT_EQ(result.kind, SearchKind::DirectHit);
    EXPECT_EQ(result.directFromE96, !row.E24ONLY);
    // The required value itself, not the series value: 4k70001 stays 4,700.01 ohms.
    const Required required = Normalised(row.ohms);
    EXPECT_EQ(result.directOhms, OhmsFromMantissa(required.mantissa, required.exponent));
    EXPECT_TRUE(NearlyEqual(result.directOhms, row.ohms)) << result.directOhms;
  }
}

TEST(Search, E96PairsFor4k7AreTheExactSeriesPairsAndOneUnitBelow) {
  const SearchResult result = Search(4'700.0, false);
  ASSERT_EQ(result.kind, SearchKind::Pairs);
  EXPECT_TRUE(IsPair(result.best, {3'400.0, true, 1'300.0, false, 0.0}));
  EXPECT_EQ(result.best.actualOhms, 4'700.0);
  // The run counts the E24 pair 2k + 2k7 too, which the E96 selection cannot offer.
  EXPECT_EQ(result.exactCount, 4);
  ExpectExactMatches(result, 4'700.0,
                     {{3'400.0, true, 1'300.0, false, 0.0},
                      {1'100.0, true, 3'600.0, false, 0.0},
                      {2'000.0, true, 2'700.0, false, 0.0}});
  // 4k02 + 680R sums to one unit in the last place below 4.7: before the lower bound, no nearer
  // than the exact best, and outside the run, which looks upward only.
  ASSERT_TRUE(result.lower.has_value());
  EXPECT_TRUE(IsPair(*result.lower, {4'020.0, true, 680.0, false, -0.0}));
  EXPECT_EQ(SharedCombinationTable()[result.lower->index].combined, std::nextafter(4.7, 0.0));
  EXPECT_LT(result.lower->errorPercent, 0.0);
  ASSERT_TRUE(result.higher.has_value());
  EXPECT_GT(result.higher->errorPercent, 0.0);
}

TEST(Search, NearerDownwardCandidateBecomesTheInexactBest) {
  const SearchResult result = Search(289.0, true);
  ASSERT_EQ(result.kind, SearchKind::Pairs);
  EXPECT_TRUE(IsPair(result.best, {470.0, false, 750.0, true, -0.0227}));
  EXPECT_TRUE(NearlyEqual(result.best.actualOhms, 288.9344262295082));
  EXPECT_EQ(result.exactCount, 0);
  EXPECT_TRUE(result.exactMatches.empty());
  ASSERT_TRUE(result.lower && result.higher);
  EXPECT_TRUE(IsPair(*result.lower, {300.0, false, 7'500.0, true, -0.1863}));
  EXPECT_TRUE(IsPair(*result.higher, {300.0, false, 8'200.0, true, 0.1425}));
}

TEST(Search, RunWithOneOfferedRecordListsTheBestAlone) {
  struct Row {
    double ohms;
    Pair best;
    std::int32_t exactCount;
    Pair higher;
  };
  const Row rows[] = {
      // The run holds one record with an E96 R1; the higher pair directly follows it.
      {219.0, {180.0, false, 39.0, false, 0.0}, 2, {220.0, false, 51'000.0, true, 0.0251}},
      // Two E96 pairs lie less than 0.00001 above in mantissa, at +0.0005 % and +0.0009 %.
      {1'001.1, {1'000.0, false, 1.1, false, 0.0}, 3, {1'000.0, false, 1.2, false, 0.0100}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.ohms);
    const SearchResult result = Search(row.ohms, true);
    ASSERT_EQ(result.kind, SearchKind::Pairs);
    EXPECT_TRUE(IsPair(result.best, row.best));
    EXPECT_EQ(result.exactCount, row.exactCount);
    ExpectExactMatches(result, row.ohms, {row.best});
    ASSERT_TRUE(result.higher.has_value());
    EXPECT_EQ(result.higher->index, result.best.index + result.exactCount);
    EXPECT_TRUE(IsPair(*result.higher, row.higher));
  }
}

TEST(Search, ExactMatchesFor5kAreTheOfferedRecordsOfTheRunInTableOrder) {
  const SearchResult result = Search(5'000.0, true);
  ASSERT_EQ(result.kind, SearchKind::Pairs);
  EXPECT_EQ(result.exactCount, 8);
  ExpectExactMatches(result, 5'000.0,
                     {{10'000.0, false, 10'000.0, true, 0.0},
                      {1'100.0, false, 3'900.0, false, 0.0},
                      {7'500.0, false, 15'000.0, true, 0.0},
                      {4'700.0, false, 300.0, false, 0.0},
                      {2'000.0, false, 3'000.0, false, 0.0}});
  ASSERT_TRUE(result.lower && result.higher);
  EXPECT_TRUE(IsPair(*result.lower, {5'100.0, false, 240'000.0, true, -0.1224}));
  EXPECT_TRUE(IsPair(*result.higher, {5'600.0, false, 47'000.0, true, 0.0760}));
}

TEST(Search, BestIsExactOnlyWithinTheErrorThresholdOnEitherSide) {
  // Around 5k: from below the best is the first 5k pair of the run, from above the last one.
  const Pair first{10'000.0, false, 10'000.0, true, 0.0};
  const Pair second{1'100.0, false, 3'900.0, false, 0.0};
  const Pair last{2'000.0, false, 3'000.0, false, 0.0};
  const Pair above{5'600.0, false, 47'000.0, true, 0.0760};
  struct Row {
    const char* name;
    double mantissa;
    std::int32_t exactCount;
    Pair best;
    Pair higher;
  };
  const Row rows[] = {
      {"below by 0.9e-5 %",
       5.0 / (1.0 + 0.9e-7),
       8,
       first,
       {5'600.0, false, 47'000.0, true, 0.0761}},
      {"below by 1.1e-5 %", 5.0 / (1.0 + 1.1e-7), 0, first, second},
      {"above by 0.9e-5 %", 5.0 * (1.0 + 0.9e-7), 1, last, above},
      {"above by 1.1e-5 %", 5.0 * (1.0 + 1.1e-7), 0, last, above},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const SearchResult result = SearchMantissa(row.mantissa, 3);
    ASSERT_EQ(result.kind, SearchKind::Pairs);
    EXPECT_EQ(result.exactCount, row.exactCount);
    EXPECT_EQ(result.exactMatches.size(), row.exactCount >= 2 ? 5u : 0u);
    EXPECT_TRUE(IsPair(result.best, row.best));
    ASSERT_TRUE(result.higher.has_value());
    EXPECT_TRUE(IsPair(*result.higher, row.higher));
  }
}

TEST(Search, HigherPairIsAbsentWhenNothingAboveIsInsideTheLimits) {
  struct Row {
    double ohms;
    Pair best;
  };
  const Row rows[] = {
      // No combined mantissa reaches 9.999; the last record, the only one at or above, needs R2
      // of 91M. 9k1 + 910R, worth 10.01k in the next decade, is never considered.
      {9'999.0, {10'000.0, false, 10'000'000.0, true, -0.0899}},
      {19'900'000.0, {10'000'000.0, false, 10'000'000.0, false, 0.5025}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.ohms);
    const SearchResult result = Search(row.ohms, true);
    ASSERT_EQ(result.kind, SearchKind::Pairs);
    EXPECT_TRUE(IsPair(result.best, row.best));
    EXPECT_FALSE(result.higher.has_value());
  }
  EXPECT_TRUE(NearlyEqual(Search(9'999.0, true).best.actualOhms, 9'990.00999000999));
  const std::optional<PairResult> lower = Search(19'900'000.0, true).lower;
  ASSERT_TRUE(lower.has_value());
  EXPECT_TRUE(IsPair(*lower, {10'000'000.0, false, 9'100'000.0, false, -4.0201}));
}

TEST(Search, HalfTheMinimumIsReachedInParallel) {
  const SearchResult result = Search(0.6, true);
  ASSERT_EQ(result.kind, SearchKind::Pairs);
  EXPECT_TRUE(IsPair(result.best, {1.2, false, 1.2, true, 0.0}));
  EXPECT_GE(result.exactCount, 1);
}

TEST(Search, NoOfferedRecordGivesNoPair) {
  EXPECT_EQ(Search(4'700.0, true, {1.05, 1.05, 1.0, 1e6}).kind, SearchKind::NoPair);
  EXPECT_EQ(Search(4'700.0, false, {1'000.0, 100.0, 1.0, 1e6}).kind, SearchKind::NoPair);
}

TEST(Search, EqualDistancesFavourTheUpwardCandidate) {
  // 1k + 1R and 1k + 1R1 lie exactly the same distance from the midpoint, in double precision.
  const double midpoint = (1.001 + 1.0011) / 2.0;
  ASSERT_EQ((1.0011 - midpoint) / midpoint * 100.0,
            std::fabs((1.001 - midpoint) / midpoint * 100.0));
  struct Row {
    const char* name;
    double mantissa;
    double r2Ohms;
  };
  const Row rows[] = {
      {"midpoint", midpoint, 1.1},
      {"just below", std::nextafter(midpoint, 0.0), 1.0},
      {"just above", std::nextafter(midpoint, 2.0), 1.1},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const SearchResult result = SearchMantissa(row.mantissa, 3);
    ASSERT_EQ(result.kind, SearchKind::Pairs);
    EXPECT_TRUE(IsPair(result.best, {1'000.0, false, row.r2Ohms, false, result.best.errorPercent}));
  }
}

TEST(PairWithinLimits, TestsEachResistorAgainstItsSeriesInclusively) {
  const std::int32_t index = Search(4'700.0, false).best.index;  // E96 3k4 + E24 1k3
  struct Row {
    const char* name;
    SeriesLimits limits;
    bool inside;
  };
  const Row rows[] = {
      {"E96 minimum at R1", {1.0, 1e7, 3'400.0, 1e6}, true},
      {"E96 minimum just above R1", {1.0, 1e7, std::nextafter(3'400.0, 1e9), 1e6}, false},
      {"E96 maximum at R1", {1.0, 1e7, 1.0, 3'400.0}, true},
      {"E24 bounds hold R2 only", {1'300.0, 1'300.0, 1.0, 1e6}, true},
      {"E24 maximum just below R2", {1.0, std::nextafter(1'300.0, 0.0), 1.0, 1e6}, false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(PairWithinLimits(SharedCombinationTable(), index, 3, row.limits), row.inside);
  }
}

}  // namespace
}  // namespace tamblor
