#include "engine/combination_table.h"

#include <algorithm>
#include <bit>
#include <cassert>
#include <limits>
#include <span>

#include "engine/combination_sort.h"
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

// Written with bitwise operators so that summarising the blocks does not branch on the data.
bool Accepts(const Combination& record, bool E24ONLY, bool USE_1PC) {
  const bool fromE96 = record.r1FromE96 != 0;
  if (E24ONLY) return !fromE96;
  const bool parallel = record.parallel != 0;
  const bool ownDecade = record.decadeStep == 1;
  const bool lastStep = record.decadeStep == lastDecadeStep;
  // At 1 % a parallel trimmer in R1's own decade must not be below R1. At 0.1 % the trimmer must
  // be at most a tenth of R1 in series and at least ten times R1 in parallel.
  const bool trimmerFits = USE_1PC ? !parallel | !ownDecade | (record.r2 >= record.r1)
                                   : (parallel & (record.r2 / 10.0 >= record.r1)) |
                                         (!parallel & (record.r2 * 10.0 <= record.r1));
  return fromE96 & (lastStep | trimmerFits);
}

struct Selection {
  bool E24ONLY;
  bool USE_1PC;
};
constexpr Selection selections[]{{true, true}, {false, true}, {false, false}};

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
  SortCombinations(std::span(table.records_).first(count));
  table.Summarise();
}

void CombinationTable::Summarise() {
  constexpr double infinity = std::numeric_limits<double>::infinity();
  constexpr Span empty{infinity, -infinity, infinity, -infinity};
  const auto widen = [](Span& span, const Span& part) {
    span = {std::min(span.r1Low, part.r1Low), std::max(span.r1High, part.r1High),
            std::min(span.r2Low, part.r2Low), std::max(span.r2High, part.r2High)};
  };
  const std::int32_t blockCount = (count_ + blockSize - 1) / blockSize;
  for (std::int32_t block = 0; block < blockCount; ++block) {
    const std::int32_t first = block * blockSize;
    const std::int32_t end = std::min(count_, first + blockSize);
    for (const Selection& selection : selections) {
      BlockSummary summary{0, empty};
      for (std::int32_t index = first; index < end; ++index) {
        const bool accepted = Accepts(records_[index], selection.E24ONLY, selection.USE_1PC);
        summary.acceptable |= std::uint32_t{accepted} << (index - first);
      }
      for (std::uint32_t accepted = summary.acceptable; accepted != 0; accepted &= accepted - 1) {
        const Combination& record = records_[first + std::countr_zero(accepted)];
        widen(summary.span, {record.r1, record.r1, record.r2, record.r2});
      }
      blockSummaries_[SelectionIndex(selection.E24ONLY, selection.USE_1PC)][block] = summary;
    }
  }
  for (std::int32_t group = 0; group * groupSize < blockCount; ++group) {
    const std::int32_t end = std::min(blockCount, (group + 1) * groupSize);
    for (int s = 0; s < selectionCount; ++s) {
      Span span = empty;
      for (std::int32_t block = group * groupSize; block < end; ++block) {
        widen(span, blockSummaries_[s][block].span);
      }
      groupSpans_[s][group] = span;
    }
  }
}

bool CombinationTable::IsAcceptable(std::int32_t index, bool E24ONLY, bool USE_1PC) const {
  return Accepts(records_[index], E24ONLY, USE_1PC);
}

const CombinationTable& SharedCombinationTable() {
  // Constant-initialised to zeros, so the build touches only the memory it fills.
  static constinit CombinationTable table;
  [[maybe_unused]] static const bool built = (BuildCombinationTable(table), true);
  return table;
}

}  // namespace tamblor
