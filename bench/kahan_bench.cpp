// Compensated summation (TKahanSum) against the plain running sum over 10^6 doubles.
//
// The terms are m * 2^-40 with random integers 0 <= m < 2^40, so each is an exact double and
// their exact total is (sum of m) * 2^-40, computed in 64-bit integers. Partial sums need up to
// 60 significant bits, so the plain sum must round while the compensated one should not lose
// more than an ulp. Counters: time_ratio (compensated over plain, same run), and the relative
// error of each result against the exact total.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

#include "qor/math1/kahan_sum.h"

namespace {

constexpr int kTerms = 1'000'000;
constexpr long double kScale = 0x1p-40L;

struct TTerms {
  std::vector<double> Values;
  long double ExactSum = 0;  // (sum of m) * 2^-40 is exact: the sum of m is below 2^60
};

const TTerms& Terms() {
  static const TTerms Data = [] {
    TTerms t;
    std::mt19937_64 Generator(20240611);
    uint64_t IntegerSum = 0;
    for (int i = 0; i < kTerms; ++i) {
      const uint64_t m = Generator() >> 24;
      IntegerSum += m;
      t.Values.push_back(static_cast<double>(static_cast<long double>(m) * kScale));
    }
    t.ExactSum = static_cast<long double>(IntegerSum) * kScale;
    return t;
  }();
  return Data;
}

double PlainSum(const std::vector<double>& Values) {
  double Sum = 0;
  for (const double x : Values) Sum += x;
  return Sum;
}

double CompensatedSum(const std::vector<double>& Values) {
  qor::TKahanSum Kahan;
  for (const double x : Values) Kahan.Add(x);
  return Kahan.Sum;
}

double RelativeError(double Result, long double Exact) {
  return static_cast<double>(std::fabs((Result - Exact) / Exact));
}

void BM_KahanVsPlain(benchmark::State& State) {
  using Clock = std::chrono::steady_clock;
  const TTerms& t = Terms();
  double Plain = 0, Kahan = 0;
  std::chrono::duration<double> PlainTime{0}, KahanTime{0};
  for (auto _ : State) {
    const auto t0 = Clock::now();
    Plain = PlainSum(t.Values);
    benchmark::DoNotOptimize(Plain);
    const auto t1 = Clock::now();
    Kahan = CompensatedSum(t.Values);
    benchmark::DoNotOptimize(Kahan);
    const auto t2 = Clock::now();
    PlainTime += t1 - t0;
    KahanTime += t2 - t1;
    State.SetIterationTime(std::chrono::duration<double>(t2 - t1).count());
  }
  State.counters["time_ratio"] = KahanTime / PlainTime;
  State.counters["plain_rel_error"] = RelativeError(Plain, t.ExactSum);
  State.counters["kahan_rel_error"] = RelativeError(Kahan, t.ExactSum);
  State.SetItemsProcessed(State.iterations() * kTerms);
}
BENCHMARK(BM_KahanVsPlain)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
