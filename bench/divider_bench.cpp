#include <benchmark/benchmark.h>

#include <array>
#include <cstddef>
#include <vector>

#include "network/divider_query.h"
#include "network/part_set.h"

namespace tamblor {
namespace {

// Ratios across the range designers ask for: ADC dividers, regulator feedback, exact halves.
constexpr std::array<double, 8> wantedRatios{0.275,  0.5, 0.8 / 3.3, 0.1,
                                             0.0123, 0.6, 0.9,       1.25 / 5.0};

// Arguments: the series (24 or 96) and the parts per leg; parts over 1R–10M, total 1k–1M.
void BM_DividerSearch(benchmark::State& run) {
  const PartOrigin series = run.range(0) == 24 ? PartOrigin::E24 : PartOrigin::E96;
  DividerRequest request;
  request.parts = SeriesParts({&series, 1}, {});
  request.legParts = static_cast<int>(run.range(1));
  const DividerQuery query(std::move(request));
  std::vector<DividerResult> results;
  std::size_t next = 0;
  for (auto _ : run) {
    query.Find({wantedRatios[next], OutputSource::None, 0.0}, results);
    next = (next + 1) % wantedRatios.size();
    benchmark::DoNotOptimize(results.data());
  }
}
BENCHMARK(BM_DividerSearch)
    ->Args({24, 1})
    ->Args({96, 1})
    ->Args({24, 2})
    ->Args({96, 2})
    ->Unit(benchmark::kMicrosecond);

// The worst-case ranking scans further from the wanted ratio.
void BM_DividerSearchWorstCase(benchmark::State& run) {
  const PartOrigin series = run.range(0) == 24 ? PartOrigin::E24 : PartOrigin::E96;
  DividerRequest request;
  request.parts = SeriesParts({&series, 1}, {});
  request.legParts = static_cast<int>(run.range(1));
  request.ranking = Ranking::WorstCase;
  const DividerQuery query(std::move(request));
  std::vector<DividerResult> results;
  std::size_t next = 0;
  for (auto _ : run) {
    query.Find({wantedRatios[next], OutputSource::None, 0.0}, results);
    next = (next + 1) % wantedRatios.size();
    benchmark::DoNotOptimize(results.data());
  }
}
BENCHMARK(BM_DividerSearchWorstCase)->Args({24, 2})->Args({96, 2})->Unit(benchmark::kMicrosecond);

// The table of legs, built once per set and choices.
void BM_DividerSetUp(benchmark::State& run) {
  const PartOrigin series = PartOrigin::E96;
  const std::vector<Part> parts = SeriesParts({&series, 1}, {});
  for (auto _ : run) {
    DividerRequest request;
    request.parts = parts;
    request.legParts = 2;
    const DividerQuery query(std::move(request));
    benchmark::DoNotOptimize(&query);
  }
}
BENCHMARK(BM_DividerSetUp)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tamblor
