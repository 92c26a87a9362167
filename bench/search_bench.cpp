#include <benchmark/benchmark.h>

#include <array>
#include <cstddef>
#include <cstdint>

#include "engine/combination_table.h"
#include "engine/search.h"

namespace tamblor {
namespace {

// Required values in ohms from 1 ohm to 10 megohms: standard values, exact pairs and inexact ones.
constexpr std::array<double, 12> requiredOhms{1.0,       2.87,        47.5,        289.0,
                                              219.0,     5'000.0,     12'340.0,    68'100.0,
                                              219'000.0, 3'300'000.0, 7'770'000.0, 10'000'000.0};

struct Required {
  double mantissa = 0.0;
  std::int32_t exponent = 0;
};

// Argument: 0 E24, 1 E96 at 1 %, 2 E96 at 0.1 %.
void BM_SearchCombinations(benchmark::State& run) {
  const CombinationTable& table = SharedCombinationTable();
  const bool E24ONLY = run.range(0) == 0;
  const bool USE_1PC = run.range(0) != 2;
  const SeriesLimits limits;
  std::array<Required, requiredOhms.size()> required;
  for (std::size_t i = 0; i < required.size(); ++i) {
    required[i].mantissa = NormaliseValue(requiredOhms[i], required[i].exponent);
  }
  std::size_t next = 0;
  for (auto _ : run) {
    const Required& value = required[next];
    next = (next + 1) % required.size();
    SearchResult result =
        SearchCombinations(table, value.mantissa, value.exponent, E24ONLY, USE_1PC, limits);
    benchmark::DoNotOptimize(result);
  }
}
BENCHMARK(BM_SearchCombinations)->Arg(0)->Arg(1)->Arg(2);

}  // namespace
}  // namespace tamblor
