#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "engine/combination_table.h"
#include "values/series.h"

namespace tamblor {

// The best pair counts as exact when the magnitude of its error in percent is below this.
inline constexpr double exactErrorPercent = 0.00001;
// Records whose combined mantissa lies strictly within this of the required one join the exact run.
inline constexpr double exactBand = 0.00001;

// One chosen record, in ohms for the required value's decade.
struct PairResult {
  std::int32_t index = 0;
  double errorPercent = 0.0;  // (combined - mantissa) / mantissa * 100, signed
  double actualOhms = 0.0;
  double r1Ohms = 0.0;
  double r2Ohms = 0.0;
  bool r1FromE96 = false;
  bool parallel = false;
};

enum class SearchKind { DirectHit, Pairs, NoPair };

struct SearchResult {
  SearchKind kind = SearchKind::NoPair;
  bool directFromE96 = false;  // DirectHit: the series that matched
  double directOhms = 0.0;     // DirectHit: the required value itself
  PairResult best;             // Pairs
  std::optional<PairResult> lower;
  std::optional<PairResult> higher;
  std::int32_t exactCount = 0;  // run of exact matches, best included; 0 if inexact
  std::vector<std::int32_t>
      exactMatches;  // offered records of the run, best first; empty unless exactCount >= 2
};

// Record `index` as a result row for the required `mantissa`, in ohms for the decade `scale`
// (10^exponent).
PairResult MakePairResult(const CombinationTable& table, std::int32_t index, double mantissa,
                          double scale);

// The direct hit, or the best, next-lower and next-higher offered pairs and the exact run, for a
// required value of mantissa x 10^exponent ohms.
SearchResult SearchCombinations(const CombinationTable& table, double mantissa,
                                std::int32_t exponent, bool E24ONLY, bool USE_1PC,
                                const SeriesLimits& limits);

}  // namespace tamblor
