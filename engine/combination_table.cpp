#include "engine/combination_table.h"

#include <cassert>
#include <span>
#include <utility>

#include "values/series.h"

namespace tamblor {

namespace {

constexpr std::int32_t lastDecadeStep = 3;

enum class Connection { Series, Parallel };

struct PrimaryPass {
  std::span<const double> mantissas;
  std::int32_t firstDecadeStep;
  std::uint8_t r1FromE96;
};

// Every primary of the pass with every E24 trimmer, in generation order; the order matters because
// the sort is not stable.
void AppendPass(Combination* records, std::int32_t& count, const PrimaryPass& pass,
                Connection connection) {
  const auto primaries = static_cast<std::int32_t>(pass.mantissas.size());
  const auto trimmers = static_cast<std::int32_t>(E24_MANTISSAS.size());
  for (std::int32_t i = 0; i < primaries; ++i) {
    const double r1 = pass.mantissas[i];
    double multiplier = 1.0;
    for (std::int32_t d = pass.firstDecadeStep; d <= lastDecadeStep; ++d) {
      // In R1's own E24 decade each unordered pair occurs once.
      for (std::int32_t k = d == 0 ? i : 0; k < trimmers; ++k) {
        Combination& record = records[count++];
        record.decadeStep = d;
        record.r1 = r1;
        if (connection == Connection::Series) {
          record.r2 = E24_MANTISSAS[k] / multiplier;
          record.combined = r1 + record.r2;
        } else {
          record.r2 = multiplier * E24_MANTISSAS[k];
          record.combined = 1.0 / ((1.0 / r1) + (1.0 / record.r2));
        }
        record.parallel = connection == Connection::Parallel ? 1 : 0;
        record.r1FromE96 = pass.r1FromE96;
      }
      multiplier *= 10.0;
    }
  }
}

// Series sums reach 18.86 and parallel values drop to 0.5, so one step always lands in [1, 10).
void ScaleIntoDecade(Combination& record) {
  if (record.combined < 1.0) {
    record.combined *= 10.0;
    record.r1 *= 10.0;
    record.r2 *= 10.0;
  } else if (record.combined >= 10.0) {
    record.combined /= 10.0;
    record.r1 /= 10.0;
    record.r2 /= 10.0;
  }
}

// Records equal to the pivot gather on its left.
std::int32_t Partition(Combination* records, std::int32_t lo, std::int32_t hi) {
  const double pivot = records[lo].combined;
  std::int32_t i = lo;
  std::int32_t j = hi + 1;
  while (true) {
    do {
      ++i;
    } while (i <= hi && records[i].combined <= pivot);
    do {
      --j;
    } while (records[j].combined > pivot);
    if (i > j) break;
    std::swap(records[i], records[j]);
  }
  std::swap(records[lo], records[j]);
  return j;
}

}  // namespace

void BuildCombinationTable(CombinationTable& table) {
  Combination* records = table.records_.data();
  std::int32_t count = 0;
  const PrimaryPass passes[] = {{E96_MANTISSAS, 1, 1}, {E24_MANTISSAS, 0, 0}};
  for (const PrimaryPass& pass : passes) {
    AppendPass(records, count, pass, Connection::Series);
    AppendPass(records, count, pass, Connection::Parallel);
  }
  assert(count <= combinationCapacity);
  for (std::int32_t n = 0; n < count; ++n) ScaleIntoDecade(records[n]);
  table.count_ = count;
  SortCombinations(table, 0, count - 1);
}

void SortCombinations(CombinationTable& table, std::int32_t first, std::int32_t last) {
  if (first >= last) return;
  const std::int32_t p = Partition(table.records_.data(), first, last);
  SortCombinations(table, first, p - 1);
  SortCombinations(table, p + 1, last);
}

bool CombinationTable::IsAcceptable(std::int32_t index, bool E24ONLY, bool USE_1PC) const {
  const Combination& record = records_[index];
  if (E24ONLY) return record.r1FromE96 == 0;
  if (record.r1FromE96 == 0) return false;
  if (record.decadeStep == lastDecadeStep) return true;
  if (USE_1PC) return !record.parallel || record.decadeStep != 1 || record.r2 >= record.r1;
  // At 0.1 % the trimmer must be at most a tenth of R1 in series, at least ten times R1 in
  // parallel.
  return record.parallel ? record.r2 / 10.0 >= record.r1 : record.r2 * 10.0 <= record.r1;
}

bool CombinationTable::FindAcceptableForward(std::int32_t& index, bool E24ONLY,
                                             bool USE_1PC) const {
  if (index < 0 || index >= count_) return false;
  while (!IsAcceptable(index, E24ONLY, USE_1PC)) {
    if (++index >= count_) return false;
  }
  return true;
}

bool CombinationTable::FindAcceptableBackward(std::int32_t& index, bool E24ONLY,
                                              bool USE_1PC) const {
  if (index < 0 || index >= count_) return false;
  while (!IsAcceptable(index, E24ONLY, USE_1PC)) {
    if (--index < 0) return false;
  }
  return true;
}

namespace {

struct BuiltTable {
  CombinationTable table;
  BuiltTable() { BuildCombinationTable(table); }
};

}  // namespace

const CombinationTable& SharedCombinationTable() {
  static const BuiltTable shared;
  return shared.table;
}

}  // namespace tamblor
