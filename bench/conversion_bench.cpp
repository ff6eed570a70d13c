// Whole conversions of the realistic modules against their floor, and of the pathological
// inputs against the realistic 1 MiB module, each pair measured in the same iteration so that
// the machine's noise affects both sides alike. Run by hand, with repetitions, e.g.
//   veldrane-bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <vector>

#include "conversion_runner.h"
#include "inputs/module_generator.h"
#include "inputs/real_code.h"

namespace veldrane::bench {
namespace {

constexpr uint32_t kSeed = 1;

const std::u16string& RealisticModule(std::size_t units) {
  static std::map<std::size_t, std::u16string> cache;
  auto it = cache.find(units);
  if (it == cache.end()) it = cache.emplace(units, GenerateModule(units, kSeed)).first;
  return it->second;
}

// Real code from the project's own modules, or from the modules below the directory that
// VELDRANE_REAL_MODULES names (the sample projects of a development machine, say).
const std::u16string& RealCode(std::size_t units) {
  static const std::vector<std::u16string> modules = [] {
    const char* dir = std::getenv("VELDRANE_REAL_MODULES");
    return dir != nullptr && *dir != 0 ? ReadModules(dir) : AuthoredModules();
  }();
  static std::map<std::size_t, std::u16string> cache;
  auto it = cache.find(units);
  if (it == cache.end()) it = cache.emplace(units, GenerateRealCode(units, modules)).first;
  return it->second;
}

void AddMinMax(benchmark::internal::Benchmark* b) {
  b->ComputeStatistics("min",
                       [](const std::vector<double>& v) { return *std::min_element(v.begin(), v.end()); });
  b->ComputeStatistics("max",
                       [](const std::vector<double>& v) { return *std::max_element(v.begin(), v.end()); });
}

// Conversion time (the benchmark's time), the floor of the same text, and their ratio.
void MeasureAgainstFloor(benchmark::State& state, const std::u16string& input) {
  const ConversionOutcome outcome = Convert(input);
  double conversion = 0, floor = 0;
  for (auto _ : state) {
    floor += TimeFloor(input, FloorSearches());
    const double seconds = TimeConversion(input);
    conversion += seconds;
    state.SetIterationTime(seconds);
  }
  const double n = static_cast<double>(state.iterations());
  state.counters["units"] = static_cast<double>(input.size());
  state.counters["names"] = static_cast<double>(outcome.routine_names + outcome.array_names);
  state.counters["floor_ms"] = floor / n * 1e3;
  state.counters["ratio"] = conversion / floor;
}

void BM_Realistic(benchmark::State& state) {
  MeasureAgainstFloor(state, RealisticModule(static_cast<std::size_t>(state.range(0))));
}
void BM_RealCode(benchmark::State& state) {
  MeasureAgainstFloor(state, RealCode(static_cast<std::size_t>(state.range(0))));
}

void Sizes(benchmark::internal::Benchmark* b) {
  for (const int64_t size : {10 * kKiB, 100 * kKiB, kMiB, 4 * kMiB, 10 * kMiB, 50 * kMiB}) b->Arg(size);
}
BENCHMARK(BM_Realistic)->Apply(Sizes)->UseManualTime()->Unit(benchmark::kMillisecond)->Apply(AddMinMax);
BENCHMARK(BM_RealCode)->Apply(Sizes)->UseManualTime()->Unit(benchmark::kMillisecond)->Apply(AddMinMax);

// Conversion time of one pathological input (the benchmark's time) and its ratio to the
// realistic module of the same size: 1 MiB, and 8 MiB, where the repeated name is called
// about 1.5 million times.
void BM_Pathological(benchmark::State& state) {
  const auto kind = static_cast<Pathological>(state.range(0));
  const auto size = static_cast<std::size_t>(state.range(1));
  const std::u16string input = GeneratePathological(kind, size);
  const std::u16string& realistic = RealisticModule(size);
  double pathological = 0, reference = 0;
  for (auto _ : state) {
    reference += TimeConversion(realistic);
    const double seconds = TimeConversion(input);
    pathological += seconds;
    state.SetIterationTime(seconds);
  }
  state.SetLabel(std::string(PathologicalName(kind)));
  state.counters["units"] = static_cast<double>(input.size());
  state.counters["realistic_ms"] = reference / static_cast<double>(state.iterations()) * 1e3;
  state.counters["ratio"] = pathological / reference;
}
void PathologicalArgs(benchmark::internal::Benchmark* b) {
  for (const int64_t size : {kMiB, 8 * kMiB}) {
    for (Pathological kind : kAllPathological) b->Args({static_cast<int64_t>(kind), size});
  }
}
BENCHMARK(BM_Pathological)
    ->Apply(PathologicalArgs)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Apply(AddMinMax);

}  // namespace
}  // namespace veldrane::bench

BENCHMARK_MAIN();
