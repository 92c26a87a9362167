#include "engine/search.h"

#include <cmath>

namespace tamblor {

namespace {

double ErrorPercent(double combined, double mantissa) {
  return (combined - mantissa) / mantissa * 100.0;
}

PairResult ScaledPairResult(const CombinationTable& table, std::int32_t index, double mantissa,
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

// Offered records: acceptable under the selection and inside the limits for the decade `scale`.
class OfferedScan {
 public:
  OfferedScan(const CombinationTable& table, bool E24ONLY, bool USE_1PC, double scale,
              const SeriesLimits& limits)
      : table_(table), E24ONLY_(E24ONLY), USE_1PC_(USE_1PC), scale_(scale), limits_(limits) {}

  bool IsOffered(std::int32_t index) const {
    return table_.IsAcceptable(index, E24ONLY_, USE_1PC_) &&
           RecordWithinLimits(table_[index], scale_, limits_);
  }

  std::optional<std::int32_t> Forward(std::int32_t index) const {
    if (!table_.FindOfferedForward(index, E24ONLY_, USE_1PC_, scale_, limits_)) {
      return std::nullopt;
    }
    return index;
  }

  std::optional<std::int32_t> Backward(std::int32_t index) const {
    if (!table_.FindOfferedBackward(index, E24ONLY_, USE_1PC_, scale_, limits_)) {
      return std::nullopt;
    }
    return index;
  }

 private:
  const CombinationTable& table_;
  bool E24ONLY_;
  bool USE_1PC_;
  double scale_;
  const SeriesLimits& limits_;
};

}  // namespace

bool PairWithinLimits(const CombinationTable& table, std::int32_t index, std::int32_t exponent,
                      const SeriesLimits& limits) {
  return RecordWithinLimits(table[index], OhmsFromMantissa(1.0, exponent), limits);
}

PairResult MakePairResult(const CombinationTable& table, std::int32_t index, double mantissa,
                          std::int32_t exponent) {
  return ScaledPairResult(table, index, mantissa, OhmsFromMantissa(1.0, exponent));
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
  const OfferedScan offered(table, E24ONLY, USE_1PC, scale, limits);
  const std::optional<std::int32_t> up = offered.Forward(LowerBound(table, mantissa));
  const std::optional<std::int32_t> down = offered.Backward(up ? *up - 1 : table.count() - 1);
  if (!up && !down) return result;

  std::int32_t best = up ? *up : *down;
  if (up && down) {
    const double upError = ErrorPercent(table[*up].combined, mantissa);
    const double downDistance = std::fabs(ErrorPercent(table[*down].combined, mantissa));
    if (downDistance < upError) best = *down;
  }
  result.kind = SearchKind::Pairs;
  result.best = ScaledPairResult(table, best, mantissa, scale);

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
      if (offered.IsOffered(k)) result.exactMatches.push_back(k);
    }
  }

  if (const auto lower = offered.Backward(best - 1)) {
    result.lower = ScaledPairResult(table, *lower, mantissa, scale);
  }
  if (const auto higher = offered.Forward(runEnd)) {
    result.higher = ScaledPairResult(table, *higher, mantissa, scale);
  }
  return result;
}

}  // namespace tamblor
