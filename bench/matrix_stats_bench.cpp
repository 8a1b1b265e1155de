// CalcDistMat (Euclidean, 2000 objects x 20 variables) and StandardizeColumns (10^6 x 10)
// beside the naive loops over Elem and SetVal that a user would otherwise write. Both sides
// do the same arithmetic in the same order (the tests prove the results bit-identical), so
// the ratios naive / library measure the storage access and the vectorised pair loop alone.
// StandardizeColumns works in place; repeating it on standardised data costs the same.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>

#include "qor/frame/random.h"
#include "qor/matrix/matrix.h"

namespace {

void FillUniform(qor::TMatrix& M, int32_t Nc, int32_t Nr) {
  qor::SetRandSeed(7);
  M.Resize(Nc, Nr);
  M.FillRandomUniform(-10, 10);
}

constexpr int32_t kObjects = 2000;
constexpr int32_t kVariables = 20;

void BM_CalcDistMat(benchmark::State& State) {
  qor::TMatrix M, D;
  FillUniform(M, kVariables, kObjects);
  D.Resize(kObjects, kObjects);
  for (auto _ : State) benchmark::DoNotOptimize(M.CalcDistMat(qor::dmEuclid, D));
  State.SetItemsProcessed(State.iterations() * kObjects * (kObjects - 1) / 2);
}

void BM_NaiveDistMat(benchmark::State& State) {
  qor::TMatrix M, D;
  FillUniform(M, kVariables, kObjects);
  D.Resize(kObjects, kObjects);
  for (auto _ : State) {
    for (int32_t i = 1; i <= kObjects; ++i) {
      D.SetVal(i, i, 0);
      for (int32_t j = i + 1; j <= kObjects; ++j) {
        double Sum = 0;
        for (int32_t c = 1; c <= kVariables; ++c) {
          const double d = M.Elem(c, i) - M.Elem(c, j);
          Sum += d * d;
        }
        const double Distance = std::sqrt(Sum);
        D.SetVal(i, j, Distance);
        D.SetVal(j, i, Distance);
      }
    }
    benchmark::ClobberMemory();
  }
  State.SetItemsProcessed(State.iterations() * kObjects * (kObjects - 1) / 2);
}

constexpr int32_t kRows = 1'000'000;
constexpr int32_t kColumns = 10;

void BM_StandardizeColumns(benchmark::State& State) {
  qor::TMatrix M;
  FillUniform(M, kColumns, kRows);
  for (auto _ : State) {
    M.StandardizeColumns(nullptr, nullptr);
    benchmark::ClobberMemory();
  }
  State.SetItemsProcessed(State.iterations() * kRows * kColumns);
}

void BM_NaiveStandardizeColumns(benchmark::State& State) {
  qor::TMatrix M;
  FillUniform(M, kColumns, kRows);
  for (auto _ : State) {
    for (int32_t c = 1; c <= kColumns; ++c) {
      double Sum = 0, SumOfSquares = 0;
      for (int32_t r = 1; r <= kRows; ++r) {
        const double x = M.Elem(c, r);
        Sum += x;
        SumOfSquares += x * x;
      }
      const double Mean = Sum / kRows;
      const double Variance = (SumOfSquares - Sum * Sum / kRows) / (kRows - 1);
      if (!(Variance > 0)) continue;
      const double StdDev = std::sqrt(Variance);
      for (int32_t r = 1; r <= kRows; ++r) M.SetVal(c, r, (M.Elem(c, r) - Mean) / StdDev);
    }
    benchmark::ClobberMemory();
  }
  State.SetItemsProcessed(State.iterations() * kRows * kColumns);
}

BENCHMARK(BM_CalcDistMat)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NaiveDistMat)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StandardizeColumns)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NaiveStandardizeColumns)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
