#include "engine/search.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <optional>
#include <string>

namespace tamblor {
namespace {

const CombinationTable& table = SharedCombinationTable();

// A pair as "E24 470 || 750 -0.0227": R1's series, R1 and R2 in ohms, the error to four decimals.
std::string Text(const std::optional<PairResult>& pair) {
  if (!pair) return "none";
  char text[80];
  std::snprintf(text, sizeof text, "%s %g %s %g %+.4f", pair->r1FromE96 ? "E96" : "E24",
                pair->r1Ohms, pair->parallel ? "||" : "+", pair->r2Ohms, pair->errorPercent);
  return text;
}

// Limits as after a first start, 1 %.
SearchResult SearchOhms(double ohms, bool E24ONLY) {
  std::int32_t exponent = 0;
  const double mantissa = NormaliseValue(ohms, exponent);
  return SearchCombinations(table, mantissa, exponent, E24ONLY, true, {});
}

// The best, lower and higher pairs, then the run's length and how many of it are listed.
std::string Summary(double ohms, bool E24ONLY) {
  const SearchResult result = SearchOhms(ohms, E24ONLY);
  if (result.kind != SearchKind::Pairs) return "no pairs";
  return Text(result.best) + ", " + Text(result.lower) + ", " + Text(result.higher) + "; " +
         std::to_string(result.exactCount) + "/" + std::to_string(result.exactMatches.size());
}

TEST(Search, WorkedExamples) {
  EXPECT_EQ(Summary(4'700.0, false),
            "E96 3400 + 1300 +0.0000, E96 4020 + 680 -0.0000, E96 8870 || 10000 +0.0124; 4/3");
  EXPECT_EQ(Summary(219.0, true),
            "E24 180 + 39 +0.0000, E24 220 || 47000 -0.0114, E24 220 || 51000 +0.0251; 2/1");
  EXPECT_EQ(Summary(9'999.0, true),
            "E24 10000 || 1e+07 -0.0899, E24 10000 || 9.1e+06 -0.0998, none; 0/0");
  EXPECT_EQ(Summary(19'900'000.0, true),
            "E24 1e+07 + 1e+07 +0.5025, E24 1e+07 + 9.1e+06 -4.0201, none; 0/0");
  EXPECT_EQ(Summary(0.6, true),
            "E24 1.2 || 1.2 +0.0000, E24 1.1 || 1.3 -0.6944, E24 1 || 1.6 +2.5641; 10/2");
  // 4k02 + 680R lies one unit below 4.7: before the lower bound, and outside the upward run.
  EXPECT_EQ(table[SearchOhms(4'700.0, false).lower.value().index].combined,
            std::nextafter(4.7, 0.0));
  const SearchResult run219 = SearchOhms(219.0, true);
  EXPECT_EQ(run219.higher.value().index, run219.best.index + run219.exactCount);
}

// Relative distances of 0.9e-7 and 1.1e-7 either side of exact E24 5.0 (the run looks upward
// only), and the E96 pair 8.66 || 12 exactly exactBand above a mantissa next to exact E24 5.03,
// where it stays out, and one step nearer.
TEST(Search, ExactnessAndTheRunEndAtTheirThresholds) {
  const double bandEdge = 1.0 / (1.0 / 8.66 + 1.0 / 12.0) - exactBand;
  const std::pair<double, std::int32_t> rows[] = {{5.0 / (1.0 + 0.9e-7), 8},
                                                  {5.0 / (1.0 + 1.1e-7), 0},
                                                  {5.0 * (1.0 + 0.9e-7), 1},
                                                  {5.0 * (1.0 + 1.1e-7), 0},
                                                  {bandEdge, 3},
                                                  {std::nextafter(bandEdge, 10.0), 4}};
  for (const auto& [mantissa, exactCount] : rows) {
    EXPECT_EQ(SearchCombinations(table, mantissa, 3, true, true, {}).exactCount, exactCount)
        << mantissa;
  }
}

TEST(Search, EqualDistancesFavourTheUpwardCandidate) {
  // 1k + 1R and 1k + 1R1 lie the same distance from their midpoint, in double precision.
  const double midpoint = (1.001 + 1.0011) / 2.0;
  ASSERT_EQ((1.0011 - midpoint) / midpoint * 100.0,
            std::fabs((1.001 - midpoint) / midpoint * 100.0));
  EXPECT_EQ(Text(SearchCombinations(table, midpoint, 3, true, true, {}).best),
            "E24 1000 + 1.1 +0.0050");
  EXPECT_EQ(Text(SearchCombinations(table, std::nextafter(midpoint, 0.0), 3, true, true, {}).best),
            "E24 1000 + 1 -0.0050");
}

}  // namespace
}  // namespace tamblor
