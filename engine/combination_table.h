#pragma once

#include <array>
#include <cstdint>

#include "values/series.h"

namespace tamblor {

// One candidate pair, scaled by a power of ten so that 1.0 <= combined < 10.0.
struct Combination {
  std::int32_t decadeStep = 0;  // decade index under which R2 was generated; read by IsAcceptable
  double r1 = 0.0;
  double r2 = 0.0;
  double combined = 0.0;
  std::uint8_t parallel = 0;   // 1: joined in parallel, 0: in series
  std::uint8_t r1FromE96 = 0;  // 1: R1 is an E96 value, 0: an E24 value

  friend bool operator==(const Combination&, const Combination&) = default;
};

inline constexpr std::int32_t combinationCapacity = 50'000;

// What the search may offer: records that E24ONLY and USE_1PC accept and whose resistors, in ohms
// for the decade `scale` (10^exponent), lie inside `limits`.
struct OfferQuery {
  bool E24ONLY = true;
  bool USE_1PC = true;
  double scale = 1.0;
  SeriesLimits limits;
};

// Both resistors of `record`, in ohms for the decade `scale`, inside their limits, both ends
// included: R1 against those of its own series, R2 against the E24 ones.
bool PairWithinLimits(const Combination& record, double scale, const SeriesLimits& limits);

// Every E96 and E24 primary with every E24 trimmer, in series and in parallel, sorted by combined
// value. Selection flags act only through IsAcceptable, never by rebuilding.
class CombinationTable {
 public:
  std::int32_t count() const { return count_; }
  const Combination& operator[](std::int32_t index) const { return records_[index]; }

  bool IsAcceptable(std::int32_t index, bool E24ONLY, bool USE_1PC) const;

  // Acceptable under the query's selection, and PairWithinLimits for its decade.
  bool IsOffered(std::int32_t index, const OfferQuery& query) const;
  // Move `index` to the nearest offered record at or above it (at or below it, going down), passing
  // over blocks whose summaries rule out every record in them. False when there is none, with
  // `index` left one step outside the table, or unchanged for a start outside it.
  bool FindOfferedForward(std::int32_t& index, const OfferQuery& query) const;
  bool FindOfferedBackward(std::int32_t& index, const OfferQuery& query) const;

 private:
  friend void BuildCombinationTable(CombinationTable& table);

  static constexpr std::int32_t blockSize = 32;  // records per block, one bit each in a word
  static constexpr std::int32_t groupSize = 32;  // blocks per group
  static constexpr std::int32_t blockCapacity = (combinationCapacity + blockSize - 1) / blockSize;
  static constexpr std::int32_t groupCapacity = (blockCapacity + groupSize - 1) / groupSize;
  static constexpr int selectionCount = 3;

  // The lowest and highest R1 and R2 of the records one selection accepts in a block or a group;
  // lows at +infinity and highs at -infinity when it accepts none.
  struct Span {
    double r1Low;
    double r1High;
    double r2Low;
    double r2High;
  };
  struct BlockSummary {
    std::uint32_t acceptable;  // bit n for record blockSize * block + n
    Span span;
  };
  // Order of the selections in the summaries: E24; E96 at 1 %; E96 at 0.1 %.
  static constexpr int SelectionIndex(bool E24ONLY, bool USE_1PC) {
    return E24ONLY ? 0 : USE_1PC ? 1 : 2;
  }

  void Summarise();
  template <bool upward>
  bool FindOffered(std::int32_t& index, const OfferQuery& query) const;
  template <bool upward>
  bool FindInBlocks(std::int32_t first, std::int32_t end, const OfferQuery& query,
                    std::int32_t& index) const;
  template <bool upward>
  bool FindInBlock(std::int32_t block, std::uint32_t candidates, const OfferQuery& query,
                   std::int32_t& index) const;

  // All zero until the build, so that a table in static storage costs no memory it does not fill.
  std::array<Combination, combinationCapacity> records_{};
  std::int32_t count_ = 0;
  // Written by the build for the blocks and groups that hold records only.
  std::array<std::array<BlockSummary, blockCapacity>, selectionCount> blockSummaries_{};
  std::array<std::array<Span, groupCapacity>, selectionCount> groupSpans_{};
};

// Fills the table from the E96 and E24 mantissas and sorts it; a second build gives the same table.
void BuildCombinationTable(CombinationTable& table);

// The process's one table, built on first use and never changed afterwards.
const CombinationTable& SharedCombinationTable();

}  // namespace tamblor
