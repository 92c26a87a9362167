#include "engine/search.h"

#include <cmath>

namespace tamblor {

namespace {

double ErrorPercent(double combined, double mantissa) {
  return (combined - mantissa) / mantissa * 100.0;
}

// The first record whose combined value is not below the mantissa, or the last record if none is.
std::int32_t LowerBound(const CombinationTable& table, double mantissa) {
  std::int32_t lo = 0;
  std::int32_t hi = table.count();
  while (lo < hi) {
    const std::int32_t mid = lo + (hi - lo) / 2;
    if (table[mid].combined < mantissa) {
      lo = mid + 1;
    } else {
      hi = mid;
    }
  }
  return lo == table.count() ? table.count() - 1 : lo;
}

}  // namespace

PairResult MakePairResult(const CombinationTable& table, std::int32_t index, double mantissa,
                          double scale) {
  const Combination& record = table[index];
  return {.index = index,
          .errorPercent = ErrorPercent(record.combined, mantissa),
          .actualOhms = scale * record.combined,
          .r1Ohms = scale * record.r1,
          .r2Ohms = scale * record.r2,
          .r1FromE96 = record.r1FromE96 != 0,
          .parallel = record.parallel != 0};
}

SearchResult SearchCombinations(const CombinationTable& table, double mantissa,
                                std::int32_t exponent, bool E24ONLY, bool USE_1PC,
                                const SeriesLimits& limits) {
  SearchResult result;
  const ResistorSeries primarySeries = E24ONLY ? ResistorSeries::E24 : ResistorSeries::E96;
  const double requiredOhms = OhmsFromMantissa(mantissa, exponent);
  if (FindStandardValue(primarySeries, mantissa) &&
      IsWithinLimits(requiredOhms, primarySeries, limits)) {
    result.kind = SearchKind::DirectHit;
    result.directFromE96 = !E24ONLY;
    result.directOhms = requiredOhms;
    return result;
  }

  const double scale = OhmsFromMantissa(1.0, exponent);
  const OfferQuery offer{E24ONLY, USE_1PC, scale, limits};
  const auto forward = [&](std::int32_t index) {
    return table.FindOfferedForward(index, offer) ? std::optional(index) : std::nullopt;
  };
  const auto backward = [&](std::int32_t index) {
    return table.FindOfferedBackward(index, offer) ? std::optional(index) : std::nullopt;
  };
  const std::optional<std::int32_t> up = forward(LowerBound(table, mantissa));
  const std::optional<std::int32_t> down = backward(up ? *up - 1 : table.count() - 1);
  if (!up && !down) return result;

  std::int32_t best = up ? *up : *down;
  if (up && down) {
    const double upError = ErrorPercent(table[*up].combined, mantissa);
    const double downDistance = std::fabs(ErrorPercent(table[*down].combined, mantissa));
    if (downDistance < upError) best = *down;
  }
  result.kind = SearchKind::Pairs;
  result.best = MakePairResult(table, best, mantissa, scale);

  std::int32_t runEnd = best + 1;
  if (std::fabs(result.best.errorPercent) < exactErrorPercent) {
    // The run looks upward only and counts records that cannot be offered as well.
    while (runEnd < table.count() && table[runEnd].combined + exactBand > mantissa &&
           table[runEnd].combined - exactBand < mantissa) {
      ++runEnd;
    }
    result.exactCount = runEnd - best;
  }
  if (result.exactCount >= 2) {
    result.exactMatches.reserve(static_cast<std::size_t>(result.exactCount));
    for (std::int32_t k = best; k < runEnd; ++k) {
      if (table.IsOffered(k, offer)) result.exactMatches.push_back(k);
    }
  }

  if (const auto lower = backward(best - 1)) {
    result.lower = MakePairResult(table, *lower, mantissa, scale);
  }
  if (const auto higher = forward(runEnd)) {
    result.higher = MakePairResult(table, *higher, mantissa, scale);
  }
  return result;
}

}  // namespace tamblor
