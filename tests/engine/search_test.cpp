#include "engine/search.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

namespace tamblor {
namespace {

const SeriesLimits firstStartLimits{};

// A pair as the form shows it: ohms of R1 and R2, R1's series, the connection, the error.
struct Pair {
  double r1Ohms;
  bool r1FromE96;
  double r2Ohms;
  bool parallel;
  double errorPercent;  // to the 4 decimals shown
};

std::string Describe(double r1Ohms, bool r1FromE96, double r2Ohms, bool parallel,
                     double errorPercent) {
  std::ostringstream text;
  text.precision(10);
  text << r1Ohms << (r1FromE96 ? " (E96)" : " (E24)") << (parallel ? " || " : " + ") << r2Ohms
       << ", error " << errorPercent << " %";
  return text.str();
}

bool NearlyEqual(double actual, double expected) {
  return std::fabs(actual - expected) <= 1e-9 * std::fabs(expected);
}

testing::AssertionResult IsPair(const PairResult& actual, const Pair& expected) {
  const std::string got = Describe(actual.r1Ohms, actual.r1FromE96, actual.r2Ohms, actual.parallel,
                                   actual.errorPercent);
  if (NearlyEqual(actual.r1Ohms, expected.r1Ohms) && actual.r1FromE96 == expected.r1FromE96 &&
      NearlyEqual(actual.r2Ohms, expected.r2Ohms) && actual.parallel == expected.parallel &&
      std::fabs(actual.errorPercent - expected.errorPercent) < 0.00005) {
    return testing::AssertionSuccess() << got;
  }
  return testing::AssertionFailure()
         << "got " << got << ", want "
         << Describe(expected.r1Ohms, expected.r1FromE96, expected.r2Ohms, expected.parallel,
                     expected.errorPercent);
}

struct Required {
  double mantissa;
  std::int32_t exponent;
};

Required Normalised(double ohms) {
  Required required{0.0, 0};
  required.mantissa = NormaliseValue(ohms, required.exponent);
  return required;
}

SearchResult Search(double ohms, bool E24ONLY, const SeriesLimits& limits = firstStartLimits) {
  const Required required = Normalised(ohms);
  return SearchCombinations(SharedCombinationTable(), required.mantissa, required.exponent, E24ONLY,
                            true, limits);
}

std::vector<PairResult> ExactMatchPairs(const SearchResult& result, double ohms) {
  const Required required = Normalised(ohms);
  std::vector<PairResult> pairs;
  for (const std::int32_t index : result.exactMatches) {
    pairs.push_back(
        MakePairResult(SharedCombinationTable(), index, required.mantissa, required.exponent));
  }
  return pairs;
}

TEST(Search, DirectHitIsAValueOfTheChosenSeriesInsideItsLimits) {
  struct Row {
    double ohms;
    bool E24ONLY;
    bool hit;
  };
  const Row rows[] = {
      {4'700.0, true, true},      {4'700.01, true, true},     {4'750.0, false, true},
      {4'700.0, false, false},    {4'750.0, true, false},     {1.0, true, true},
      {10'000'000.0, true, true}, {1'000'000.0, false, true}, {10'000'000.0, false, false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << row.ohms << " ohms, E24ONLY " << row.E24ONLY);
    const SearchResult result = Search(row.ohms, row.E24ONLY);
    if (row.hit) {
      ASSERT_EQ(result.kind, SearchKind::DirectHit);
      EXPECT_EQ(result.directFromE96, !row.E24ONLY);
      EXPECT_TRUE(NearlyEqual(result.directOhms, row.ohms)) << result.directOhms;
    } else {
      EXPECT_EQ(result.kind, SearchKind::Pairs);
    }
  }
}

TEST(Search, DirectHitReportsTheRequiredValueNotTheSeriesValue) {
  const Required required = Normalised(4'700.01);
  const SearchResult result = Search(4'700.01, true);
  ASSERT_EQ(result.kind, SearchKind::DirectHit);
  EXPECT_EQ(result.directOhms, OhmsFromMantissa(required.mantissa, required.exponent));
  EXPECT_NE(result.directOhms, 4'700.0);
}

TEST(Search, DirectHitNeedsTheMantissaStrictlyWithinTheStandardTolerance) {
  const CombinationTable& table = SharedCombinationTable();
  for (const double mantissa : {4.69995, 4.70009}) {
    EXPECT_EQ(SearchCombinations(table, mantissa, 3, true, true, firstStartLimits).kind,
              SearchKind::DirectHit)
        << mantissa;
  }
  for (const double mantissa : {4.6999, 4.7001}) {
    EXPECT_EQ(SearchCombinations(table, mantissa, 3, true, true, firstStartLimits).kind,
              SearchKind::Pairs)
        << mantissa;
  }
}

TEST(Search, SeriesValueOutsideTheLimitsGoesToThePairSearch) {
  SeriesLimits limits;
  limits.e24Max = 4'699.0;
  EXPECT_EQ(Search(4'700.0, true, limits).kind, SearchKind::Pairs);
  limits.e24Max = 4'700.0;
  EXPECT_EQ(Search(4'700.0, true, limits).kind, SearchKind::DirectHit);
}

TEST(Search, E96PairsFor4k7ListTheThreeExactSeriesPairsInTableOrder) {
  const SearchResult result = Search(4'700.0, false);
  ASSERT_EQ(result.kind, SearchKind::Pairs);
  EXPECT_TRUE(IsPair(result.best, {3'400.0, true, 1'300.0, false, 0.0}));
  EXPECT_EQ(result.best.errorPercent, 0.0);
  EXPECT_EQ(result.best.actualOhms, 4'700.0);
  // The run counts the E24 pair 2k + 2k7 too, which the E96 selection cannot offer.
  EXPECT_EQ(result.exactCount, 4);
  const std::vector<PairResult> exact = ExactMatchPairs(result, 4'700.0);
  ASSERT_EQ(exact.size(), 3u);
  EXPECT_EQ(exact[0].index, result.best.index);
  EXPECT_TRUE(IsPair(exact[1], {1'100.0, true, 3'600.0, false, 0.0}));
  EXPECT_TRUE(IsPair(exact[2], {2'000.0, true, 2'700.0, false, 0.0}));
  ASSERT_TRUE(result.higher.has_value());
  EXPECT_GT(result.higher->errorPercent, 0.0);
}

TEST(Search, PairOneUnitBelowTheRequiredValueIsTheLowerPairNotAnExactMatch) {
  const SearchResult result = Search(4'700.0, false);
  ASSERT_TRUE(result.lower.has_value());
  EXPECT_TRUE(IsPair(*result.lower, {4'020.0, true, 680.0, false, 0.0}));
  EXPECT_EQ(SharedCombinationTable()[result.lower->index].combined, std::nextafter(4.7, 0.0));
  EXPECT_LT(result.lower->errorPercent, 0.0);
  EXPECT_LT(result.lower->index, result.best.index);
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

TEST(Search, RunOfOneOfferedRecordListsTheBestAlone) {
  const SearchResult result = Search(219.0, true);
  ASSERT_EQ(result.kind, SearchKind::Pairs);
  EXPECT_TRUE(IsPair(result.best, {180.0, false, 39.0, false, 0.0}));
  EXPECT_EQ(result.exactCount, 2);
  EXPECT_EQ(result.exactMatches, std::vector<std::int32_t>{result.best.index});
  ASSERT_TRUE(result.higher.has_value());
  EXPECT_EQ(result.higher->index, result.best.index + result.exactCount);
  EXPECT_TRUE(IsPair(*result.higher, {220.0, false, 51'000.0, true, 0.0251}));
}

TEST(Search, ExactMatchesFor5kAreTheOfferedRecordsOfTheRunInTableOrder) {
  const SearchResult result = Search(5'000.0, true);
  ASSERT_EQ(result.kind, SearchKind::Pairs);
  EXPECT_EQ(result.exactCount, 8);
  const std::vector<PairResult> exact = ExactMatchPairs(result, 5'000.0);
  const Pair expected[] = {
      {10'000.0, false, 10'000.0, true, 0.0}, {1'100.0, false, 3'900.0, false, 0.0},
      {7'500.0, false, 15'000.0, true, 0.0},  {4'700.0, false, 300.0, false, 0.0},
      {2'000.0, false, 3'000.0, false, 0.0},
  };
  ASSERT_EQ(exact.size(), std::size(expected));
  EXPECT_EQ(exact[0].index, result.best.index);
  for (std::size_t i = 0; i < exact.size(); ++i) {
    EXPECT_TRUE(IsPair(exact[i], expected[i])) << "entry " << i;
  }
  ASSERT_TRUE(result.lower && result.higher);
  EXPECT_TRUE(IsPair(*result.lower, {5'100.0, false, 240'000.0, true, -0.1224}));
  EXPECT_TRUE(IsPair(*result.higher, {5'600.0, false, 47'000.0, true, 0.0760}));
}

TEST(Search, BestIsExactOnlyWithinTheErrorThresholdOnEitherSide) {
  const CombinationTable& table = SharedCombinationTable();
  struct Row {
    const char* name;
    double mantissa;
    std::int32_t exactCount;
    Pair best;
    Pair higher;
  };
  // Around 5k: the best is the first 5k pair of the run from below, the last one from above.
  const Pair first{10'000.0, false, 10'000.0, true, 0.0};
  const Pair last{2'000.0, false, 3'000.0, false, 0.0};
  const Pair second{1'100.0, false, 3'900.0, false, 0.0};
  const Pair above{5'600.0, false, 47'000.0, true, 0.0760};
  const Pair aboveFromBelow{5'600.0, false, 47'000.0, true, 0.0761};
  const Row rows[] = {
      {"below by 0.9e-5 %", 5.0 / (1.0 + 0.9e-7), 8, first, aboveFromBelow},
      {"below by 1.1e-5 %", 5.0 / (1.0 + 1.1e-7), 0, first, second},
      {"above by 0.9e-5 %", 5.0 * (1.0 + 0.9e-7), 1, last, above},
      {"above by 1.1e-5 %", 5.0 * (1.0 + 1.1e-7), 0, last, above},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const SearchResult result =
        SearchCombinations(table, row.mantissa, 3, true, true, firstStartLimits);
    ASSERT_EQ(result.kind, SearchKind::Pairs);
    EXPECT_EQ(result.exactCount, row.exactCount);
    EXPECT_EQ(result.exactMatches.size(), row.exactCount >= 2 ? 5u : 0u);
    EXPECT_TRUE(IsPair(result.best, row.best));
    ASSERT_TRUE(result.higher.has_value());
    EXPECT_TRUE(IsPair(*result.higher, row.higher));
  }
}

TEST(Search, RunTakesNearbyValuesOfOtherSeriesWithinTheBand) {
  // 1k + 1R1 is exact; two E96 pairs lie less than 0.00001 above it in mantissa, at +0.0005 % and
  // +0.0009 %, and join the run without being offered.
  const SearchResult result = Search(1'001.1, true);
  ASSERT_EQ(result.kind, SearchKind::Pairs);
  EXPECT_TRUE(IsPair(result.best, {1'000.0, false, 1.1, false, 0.0}));
  EXPECT_EQ(result.exactCount, 3);
  EXPECT_EQ(result.exactMatches, std::vector<std::int32_t>{result.best.index});
  ASSERT_TRUE(result.higher.has_value());
  EXPECT_TRUE(IsPair(*result.higher, {1'000.0, false, 1.2, false, 0.0100}));
}

TEST(Search, NoMantissaAtOrAboveMeansNoUpwardCandidate) {
  const CombinationTable& table = SharedCombinationTable();
  const Required required = Normalised(9'999.0);
  ASSERT_GT(required.mantissa, table[table.count() - 1].combined);
  EXPECT_FALSE(PairWithinLimits(table, table.count() - 1, required.exponent, firstStartLimits));
  const SearchResult result = Search(9'999.0, true);
  ASSERT_EQ(result.kind, SearchKind::Pairs);
  EXPECT_TRUE(IsPair(result.best, {10'000.0, false, 10'000'000.0, true, -0.0899}));
  EXPECT_TRUE(NearlyEqual(result.best.actualOhms, 9'990.00999000999));
  EXPECT_FALSE(result.higher.has_value());
}

TEST(Search, NoPairAboveInsideTheLimitsLeavesHigherAbsent) {
  const SearchResult result = Search(19'900'000.0, true);
  ASSERT_EQ(result.kind, SearchKind::Pairs);
  EXPECT_TRUE(IsPair(result.best, {10'000'000.0, false, 10'000'000.0, false, 0.5025}));
  EXPECT_FALSE(result.higher.has_value());
  ASSERT_TRUE(result.lower.has_value());
  EXPECT_TRUE(IsPair(*result.lower, {10'000'000.0, false, 9'100'000.0, false, -4.0201}));
}

TEST(Search, HalfTheMinimumIsReachedInParallel) {
  const SearchResult result = Search(0.6, true);
  ASSERT_EQ(result.kind, SearchKind::Pairs);
  EXPECT_TRUE(IsPair(result.best, {1.2, false, 1.2, true, 0.0}));
  EXPECT_GE(result.exactCount, 1);
}

TEST(Search, NoOfferedRecordGivesNoPair) {
  SeriesLimits noE24Value;
  noE24Value.e24Min = 1.05;
  noE24Value.e24Max = 1.05;
  EXPECT_EQ(Search(4'700.0, true, noE24Value).kind, SearchKind::NoPair);
  SeriesLimits noTrimmer;
  noTrimmer.e24Min = 1'000.0;
  noTrimmer.e24Max = 100.0;
  EXPECT_EQ(Search(4'700.0, false, noTrimmer).kind, SearchKind::NoPair);
}

TEST(Search, EqualDistancesFavourTheUpwardCandidate) {
  // 1k + 1R and 1k + 1R1 lie exactly the same distance from the midpoint, in double precision.
  const CombinationTable& table = SharedCombinationTable();
  const double below = 1.001;
  const double above = 1.0011;
  const double midpoint = (below + above) / 2.0;
  ASSERT_EQ((above - midpoint) / midpoint * 100.0,
            std::fabs((below - midpoint) / midpoint * 100.0));
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
    const SearchResult result =
        SearchCombinations(table, row.mantissa, 3, true, true, firstStartLimits);
    ASSERT_EQ(result.kind, SearchKind::Pairs);
    EXPECT_TRUE(NearlyEqual(result.best.r1Ohms, 1'000.0));
    EXPECT_TRUE(NearlyEqual(result.best.r2Ohms, row.r2Ohms)) << result.best.r2Ohms;
  }
}

TEST(PairWithinLimits, TestsEachResistorAgainstItsSeriesInclusively) {
  const CombinationTable& table = SharedCombinationTable();
  const std::int32_t index = Search(4'700.0, false).best.index;  // E96 3k4 + E24 1k3
  struct Row {
    const char* name;
    SeriesLimits limits;
    bool inside;
  };
  const double justAbove3k4 = std::nextafter(3'400.0, 1e9);
  const double justBelow1k3 = std::nextafter(1'300.0, 0.0);
  const Row rows[] = {
      {"E96 minimum at R1", {1.0, 1e7, 3'400.0, 1e6}, true},
      {"E96 minimum just above R1", {1.0, 1e7, justAbove3k4, 1e6}, false},
      {"E96 maximum at R1", {1.0, 1e7, 1.0, 3'400.0}, true},
      {"E24 bounds hold R2 only", {1'300.0, 1'300.0, 1.0, 1e6}, true},
      {"E24 maximum just below R2", {1.0, justBelow1k3, 1.0, 1e6}, false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(PairWithinLimits(table, index, 3, row.limits), row.inside);
  }
}

}  // namespace
}  // namespace tamblor
