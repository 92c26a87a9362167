#include <benchmark/benchmark.h>

#include <memory>

#include "engine/combination_table.h"

namespace tamblor {
namespace {

void BM_BuildCombinationTable(benchmark::State& run) {
  const auto table = std::make_unique<CombinationTable>();
  for (auto _ : run) {
    BuildCombinationTable(*table);
    benchmark::DoNotOptimize(table->count());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_BuildCombinationTable)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tamblor
