#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <algorithm>
#include <cmath>
#include <ctime>
#include <vector>

#include "network/network_query.h"
#include "network/part_set.h"

namespace tamblor {
namespace {

// Targets spread evenly in log over 10 ohms to 1 megohm, at a step that lands on no round value.
std::vector<double> Targets(int count) {
  std::vector<double> targets;
  for (int i = 0; i < count; ++i) targets.push_back(10.0 * std::pow(1e5, (i + 0.377) / count));
  return targets;
}

NetworkQuery Query(PartOrigin series, double min, double max, int maxParts, int top) {
  return NetworkQuery(
      {SeriesParts({&series, 1}, {min, max, {}}), maxParts, top, Ranking::Error, std::nullopt});
}

double ThreadCpuMicroseconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) * 1e6 + static_cast<double>(now.tv_nsec) / 1e3;
}

// One target per iteration, cycling through the spread, so the time is the mean per target;
// median_us is the median of the targets' CPU times.
void RunTargets(benchmark::State& run, const NetworkQuery& query, int targetCount) {
  const std::vector<double> targets = Targets(targetCount);
  std::vector<NetworkResult> results;
  std::vector<double> times;
  times.reserve(run.max_iterations);
  std::size_t next = 0;
  for (auto _ : run) {
    const double start = ThreadCpuMicroseconds();
    query.Find(targets[next], results);
    times.push_back(ThreadCpuMicroseconds() - start);
    next = (next + 1) % targets.size();
    benchmark::DoNotOptimize(results.data());
  }
  const auto middle = times.begin() + static_cast<std::ptrdiff_t>(times.size() / 2);
  std::nth_element(times.begin(), middle, times.end());
  run.counters["median_us"] = *middle;
}

// As a calculator elsewhere searches: E24 over 10R to 1M, up to 4 parts, the best one only.
void BM_NetworkE24TenOhmsToOneMegohmTop1(benchmark::State& run) {
  RunTargets(run, Query(PartOrigin::E24, 10.0, 1e6, 4, 1), 300);
}
BENCHMARK(BM_NetworkE24TenOhmsToOneMegohmTop1)->Unit(benchmark::kMicrosecond);

void BM_NetworkE24FourPartsTop3(benchmark::State& run) {
  RunTargets(run, Query(PartOrigin::E24, 1.0, 1e7, 4, 3), 300);
}
BENCHMARK(BM_NetworkE24FourPartsTop3)->Unit(benchmark::kMicrosecond);

void BM_NetworkE96ThreeParts(benchmark::State& run) {
  RunTargets(run, Query(PartOrigin::E96, 1.0, 1e7, 3, 3), 300);
}
BENCHMARK(BM_NetworkE96ThreeParts)->Unit(benchmark::kMicrosecond);

void BM_NetworkE192ThreeParts(benchmark::State& run) {
  RunTargets(run, Query(PartOrigin::E192, 1.0, 1e7, 3, 3), 300);
}
BENCHMARK(BM_NetworkE192ThreeParts)->Unit(benchmark::kMicrosecond);

void BM_NetworkE192FourParts(benchmark::State& run) {
  RunTargets(run, Query(PartOrigin::E192, 1.0, 1e7, 4, 3), 30);
}
BENCHMARK(BM_NetworkE192FourParts)->Unit(benchmark::kMillisecond);

// Argument: 0 E24 with 4 parts, 1 E96 with 3, 2 E192 with 3, 3 E192 with 4; over 1R to 10M. The
// peak resident memory counter holds for the process, so read it from a run of this one alone.
void BM_NetworkSetUp(benchmark::State& run) {
  const struct {
    PartOrigin series;
    int maxParts;
  } sets[] = {
      {PartOrigin::E24, 4}, {PartOrigin::E96, 3}, {PartOrigin::E192, 3}, {PartOrigin::E192, 4}};
  const auto& set = sets[run.range(0)];
  for (auto _ : run) {
    NetworkQuery query = Query(set.series, 1.0, 1e7, set.maxParts, 3);
    benchmark::DoNotOptimize(query.Parts().data());
  }
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  run.counters["peak_MB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}
BENCHMARK(BM_NetworkSetUp)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tamblor
