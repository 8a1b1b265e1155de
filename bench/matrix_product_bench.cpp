// Matrix products and the scaled column cross-product against a naive loop and, when installed,
// OpenBLAS (single-threaded) and Eigen. Each case reports its rate in GFLOP/s; the program ends
// with the ratios of the library's kernels to each peer at the same size.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "qor/matrix/detail/product_kernels.h"
#include "qor/matrix/matrix.h"

#ifdef QOR_BENCH_OPENBLAS
#include <cblas.h>
#endif
#ifdef QOR_BENCH_EIGEN
#include <Eigen/Core>
#endif

namespace {

using qor::detail::MultiplyKernel;

std::vector<double> RandomData(std::int64_t Count, std::uint32_t Seed) {
  std::mt19937 Engine(Seed);
  std::uniform_real_distribution<double> Uniform(-1.0, 1.0);
  std::vector<double> Values(static_cast<std::size_t>(Count));
  for (double& Value : Values) Value = Uniform(Engine);
  return Values;
}

void SetFlopRate(benchmark::State& State, double FlopsPerIteration) {
  State.counters["GFLOPS"] =
      benchmark::Counter(FlopsPerIteration * 1e-9, benchmark::Counter::kIsIterationInvariantRate);
}

// The square operands of one product case; C = A · B, all n x n.
struct TProductCase {
  std::int64_t N;
  std::vector<double> A, B, C;
  explicit TProductCase(std::int64_t Size)
      : N(Size), A(RandomData(N * N, 1)), B(RandomData(N * N, 2)), C(N * N) {}
};

template <class Multiply>
void RunProduct(benchmark::State& State, Multiply&& Product) {
  TProductCase Case(State.range(0));
  for (auto _ : State) {
    Product(Case);
    benchmark::DoNotOptimize(Case.C.data());
    benchmark::ClobberMemory();
  }
  SetFlopRate(State, 2.0 * Case.N * Case.N * Case.N);
}

void MultiplyQormath(benchmark::State& State) {
  RunProduct(State, [](TProductCase& P) {
    MultiplyKernel(P.N, P.N, P.N, P.A.data(), P.N, P.B.data(), P.N, P.C.data(), P.N);
  });
}

// The plain definition: one dot product per element, summation index innermost.
void MultiplyNaive(benchmark::State& State) {
  RunProduct(State, [](TProductCase& P) {
    for (std::int64_t i = 0; i < P.N; ++i)
      for (std::int64_t j = 0; j < P.N; ++j) {
        double Sum = 0;
        for (std::int64_t k = 0; k < P.N; ++k) Sum = Sum + P.A[k * P.N + i] * P.B[j * P.N + k];
        P.C[j * P.N + i] = Sum;
      }
  });
}

BENCHMARK(MultiplyQormath)->Arg(256)->Arg(512)->Arg(1024)->Unit(benchmark::kMillisecond);
BENCHMARK(MultiplyNaive)->Arg(256)->Arg(512)->Arg(1024)->Unit(benchmark::kMillisecond);

#ifdef QOR_BENCH_OPENBLAS
void MultiplyOpenBlas(benchmark::State& State) {
  RunProduct(State, [](TProductCase& P) {
    const auto N = static_cast<blasint>(P.N);
    cblas_dgemm(CblasColMajor, CblasNoTrans, CblasNoTrans, N, N, N, 1.0, P.A.data(), N, P.B.data(),
                N, 0.0, P.C.data(), N);
  });
}
BENCHMARK(MultiplyOpenBlas)->Arg(256)->Arg(512)->Arg(1024)->Unit(benchmark::kMillisecond);
#endif

#ifdef QOR_BENCH_EIGEN
void MultiplyEigen(benchmark::State& State) {
  RunProduct(State, [](TProductCase& P) {
    using TMap = Eigen::Map<Eigen::MatrixXd>;
    TMap(P.C.data(), P.N, P.N).noalias() = TMap(P.A.data(), P.N, P.N) * TMap(P.B.data(), P.N, P.N);
  });
}
BENCHMARK(MultiplyEigen)->Arg(256)->Arg(512)->Arg(1024)->Unit(benchmark::kMillisecond);
#endif

// The cross-product of the columns of a tall matrix, as covariance computations use it.
constexpr std::int64_t SquareRows = 10000, SquareCols = 200;
constexpr double SquareNorm = SquareRows - 1;
constexpr double SquareFlops = 1.0 * SquareCols * (SquareCols + 1) * SquareRows;

// Argument: the number of threads passed to Square; 1 is the column-by-column serial path.
void SquareQormath(benchmark::State& State) {
  qor::TMatrix A, S;
  A.Resize(SquareCols, SquareRows);
  const std::vector<double> Values = RandomData(SquareRows * SquareCols, 3);
  std::copy(Values.begin(), Values.end(), A.Data().begin());
  const auto Threads = static_cast<std::int32_t>(State.range(0));
  for (auto _ : State) {
    if (!A.Square(&S, SquareNorm, Threads)) State.SkipWithError("Square failed");
    benchmark::DoNotOptimize(S.Data().data());
    benchmark::ClobberMemory();
  }
  SetFlopRate(State, SquareFlops);
}
BENCHMARK(SquareQormath)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

// One and two threads in turn within each iteration: on a virtual machine whose speed drifts
// from one second to the next, timing the two back to back keeps the drift out of their ratio.
// Counter speedup: the one-thread time over the two-thread time, summed over the iterations.
void SquareSpeedup(benchmark::State& State) {
  qor::TMatrix A, S;
  A.Resize(SquareCols, SquareRows);
  const std::vector<double> Values = RandomData(SquareRows * SquareCols, 3);
  std::copy(Values.begin(), Values.end(), A.Data().begin());
  std::chrono::duration<double> Threads1{0}, Threads2{0};
  for (auto _ : State) {
    const auto t0 = std::chrono::steady_clock::now();
    A.Square(&S, SquareNorm, 1);
    const auto t1 = std::chrono::steady_clock::now();
    A.Square(&S, SquareNorm, 2);
    const auto t2 = std::chrono::steady_clock::now();
    benchmark::DoNotOptimize(S.Data().data());
    Threads1 += t1 - t0;
    Threads2 += t2 - t1;
    State.SetIterationTime(std::chrono::duration<double>(t2 - t0).count());
  }
  SetFlopRate(State, 2 * SquareFlops);
  if (Threads2.count() > 0) State.counters["speedup"] = Threads1 / Threads2;
}
BENCHMARK(SquareSpeedup)->Unit(benchmark::kMillisecond)->UseManualTime();

#ifdef QOR_BENCH_OPENBLAS
void SquareOpenBlas(benchmark::State& State) {
  const std::vector<double> A = RandomData(SquareRows * SquareCols, 3);
  std::vector<double> S(SquareCols * SquareCols);
  for (auto _ : State) {
    cblas_dsyrk(CblasColMajor, CblasUpper, CblasTrans, SquareCols, SquareRows, 1.0 / SquareNorm,
                A.data(), SquareRows, 0.0, S.data(), SquareCols);
    benchmark::DoNotOptimize(S.data());
    benchmark::ClobberMemory();
  }
  SetFlopRate(State, SquareFlops);
}
BENCHMARK(SquareOpenBlas)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();
#endif

// Collects every case's rate so that the ratios can be printed after the usual table.
class TRatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& Runs) override {
    ConsoleReporter::ReportRuns(Runs);
    // With repetitions the median stands for the case; other aggregates are skipped.
    for (const Run& R : Runs)
      if (R.run_type == Run::RT_Iteration || R.aggregate_name == "median") {
        Rates[R.run_name.str()] = R.counters.at("GFLOPS").value;
        if (const auto Found = R.counters.find("speedup"); Found != R.counters.end())
          SquareSpeedup = Found->second.value;
      }
  }
  void PrintRatios() const {
    std::printf("\nRatios of qormath to each peer (higher is faster):\n");
    for (const auto& [Name, Rate] : Rates) {
      const std::size_t Cut = Name.find("Qormath");
      if (Cut == std::string::npos) continue;
      // Products compare at the same size; every Square case compares with one-thread dsyrk.
      const bool Square = Name.rfind("SquareQormath", 0) == 0;
      for (const char* Peer : {"Naive", "OpenBlas", "Eigen"}) {
        const std::string PeerName = Square ? std::string("SquareOpenBlas/1/real_time")
                                            : Name.substr(0, Cut) + Peer + Name.substr(Cut + 7);
        if (Square && Peer != std::string("OpenBlas")) continue;
        const auto Found = Rates.find(PeerName);
        if (Found != Rates.end() && Found->second > 0)
          std::printf("  %-32s vs %-28s %6.2fx\n", Name.c_str(), PeerName.c_str(),
                      Rate / Found->second);
      }
    }
    const auto One = Rates.find("SquareQormath/1/real_time");
    const auto Two = Rates.find("SquareQormath/2/real_time");
    if (One != Rates.end() && Two != Rates.end())
      std::printf("  Square speed-up from 1 to 2 threads: %.2fx\n", Two->second / One->second);
    if (SquareSpeedup > 0)
      std::printf("  Square speed-up from 1 to 2 threads, timed in turn: %.2fx\n", SquareSpeedup);
  }

 private:
  std::map<std::string, double> Rates;
  double SquareSpeedup = 0;
};

}  // namespace

int main(int argc, char** argv) {
#ifdef QOR_BENCH_OPENBLAS
  openblas_set_num_threads(1);
  std::printf("OpenBLAS: %s, core %s, %d thread(s)\n", openblas_get_config(),
              openblas_get_corename(), openblas_get_num_threads());
#endif
  benchmark::Initialize(&argc, argv);
  TRatioReporter Reporter;
  benchmark::RunSpecifiedBenchmarks(&Reporter);
  Reporter.PrintRatios();
  benchmark::Shutdown();
  return 0;
}
