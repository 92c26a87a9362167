#pragma once

#include <array>
#include <cstdint>

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

 private:
  friend void BuildCombinationTable(CombinationTable& table);
  friend void SortCombinations(CombinationTable& table, std::int32_t first, std::int32_t last);

  std::array<Combination, combinationCapacity> records_{};
  std::int32_t count_ = 0;
};

// Fills the table from the E96 and E24 mantissas and sorts it; a second build gives the same table.
void BuildCombinationTable(CombinationTable& table);

// Quicksort of records first..last (inclusive) by combined value, first record as pivot. The exact
// procedure matters: it decides the order of equal values, and so which pair is offered first.
void SortCombinations(CombinationTable& table, std::int32_t first, std::int32_t last);

// The process's one table, built on first use and never changed afterwards.
const CombinationTable& SharedCombinationTable();

}  // namespace tamblor
