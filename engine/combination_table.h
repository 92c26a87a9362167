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

// Whether both resistors of `record`, in ohms for a decade of `scale` (10^exponent), lie inside
// their limits: R1 against those of its own series, R2 against the E24 ones.
bool RecordWithinLimits(const Combination& record, double scale, const SeriesLimits& limits);

// Every E96 and E24 primary with every E24 trimmer, in series and in parallel, sorted by combined
// value. Selection flags act only through IsAcceptable, never by rebuilding.
class CombinationTable {
 public:
  std::int32_t count() const { return count_; }
  const Combination& operator[](std::int32_t index) const { return records_[index]; }

  bool IsAcceptable(std::int32_t index, bool E24ONLY, bool USE_1PC) const;
  // Moves `index` to the nearest acceptable record at or above it; false (index at count) if none.
  bool FindAcceptableForward(std::int32_t& index, bool E24ONLY, bool USE_1PC) const;
  // Moves `index` to the nearest acceptable record at or below it; false (index at -1) if none.
  bool FindAcceptableBackward(std::int32_t& index, bool E24ONLY, bool USE_1PC) const;

  // The same scans for records that may be offered: acceptable and RecordWithinLimits for the
  // decade `scale`. They find what stepping the acceptable scans past records outside the limits
  // finds, but pass over blocks of records whose summary rules out every one. False leaves `index`
  // at count, or at -1 going down; a start outside the table returns false at once.
  bool FindOfferedForward(std::int32_t& index, bool E24ONLY, bool USE_1PC, double scale,
                          const SeriesLimits& limits) const;
  bool FindOfferedBackward(std::int32_t& index, bool E24ONLY, bool USE_1PC, double scale,
                           const SeriesLimits& limits) const;

 private:
  friend void BuildCombinationTable(CombinationTable& table);
  friend void SortCombinations(CombinationTable& table, std::int32_t first, std::int32_t last);

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
  struct OfferQuery;

  // Order of the selections in the summaries: E24; E96 at 1 %; E96 at 0.1 %.
  static constexpr int SelectionIndex(bool E24ONLY, bool USE_1PC) {
    return E24ONLY ? 0 : USE_1PC ? 1 : 2;
  }

  void Summarise(std::int32_t firstBlock, std::int32_t lastBlock);
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

// Quicksort of records first..last (inclusive) by combined value, first record as pivot. The exact
// procedure matters: it decides the order of equal values, and so which pair is offered first.
void SortCombinations(CombinationTable& table, std::int32_t first, std::int32_t last);

// The process's one table, built on first use and never changed afterwards.
const CombinationTable& SharedCombinationTable();

}  // namespace tamblor
