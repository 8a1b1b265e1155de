// SortArray and QuickSelect on 10^6 random doubles beside std::sort and std::nth_element.
// Every iteration copies the same input first (in all four benchmarks alike), so the ratios
// SortArray / std::sort and QuickSelect / std::nth_element compare the algorithms alone.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <vector>

#include "qor/math1/select.h"
#include "qor/math1/sorting.h"

namespace {

constexpr size_t kCount = 1'000'000;

const std::vector<double>& Input() {
  static const std::vector<double> Data = [] {
    std::mt19937_64 Engine(42);
    std::uniform_real_distribution<double> Uniform(-1e6, 1e6);
    std::vector<double> Values(kCount);
    for (double& x : Values) x = Uniform(Engine);
    return Values;
  }();
  return Data;
}

template <class Run>
void Repeat(benchmark::State& State, Run&& Body) {
  std::vector<double> Work(kCount);
  for (auto _ : State) {
    std::copy(Input().begin(), Input().end(), Work.begin());
    Body(Work);
    benchmark::DoNotOptimize(Work.data());
    benchmark::ClobberMemory();
  }
  State.SetItemsProcessed(State.iterations() * static_cast<int64_t>(kCount));
}

void BM_SortArray(benchmark::State& State) {
  Repeat(State, [](std::vector<double>& v) { qor::SortArray(std::span<double>(v), true); });
}
void BM_StdSort(benchmark::State& State) {
  Repeat(State, [](std::vector<double>& v) { std::sort(v.begin(), v.end()); });
}
void BM_QuickSelect(benchmark::State& State) {
  Repeat(State, [](std::vector<double>& v) {
    benchmark::DoNotOptimize(qor::QuickSelect(v, kCount / 2, 0, kCount - 1));
  });
}
void BM_StdNthElement(benchmark::State& State) {
  Repeat(State, [](std::vector<double>& v) {
    std::nth_element(v.begin(), v.begin() + kCount / 2, v.end());
  });
}

BENCHMARK(BM_SortArray)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StdSort)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QuickSelect)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StdNthElement)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
