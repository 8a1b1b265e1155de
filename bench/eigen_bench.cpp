// Eigen analysis, inversion, determinant and SVD: the library against the textbook Jacobi loop
// and, when found, LAPACK (bench-only, one thread). Every variant of a family runs the same
// input; the program ends with the ratios of each peer's CPU time to the library's (higher is
// faster), using the median when the cases are repeated.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "qor/math2/eigen.h"
#include "qor/math2/svd.h"
#include "qor/matrix/detail/dense_test_support.h"
#include "qor/matrix/detail/jacobi_reference.h"
#include "qor/matrix/matrix.h"
#include "qor/vector/vector.h"

#ifdef QOR_BENCH_LAPACK
extern "C" {
// Present when the LAPACK found is OpenBLAS's; the comparison runs it on one thread.
[[gnu::weak]] void openblas_set_num_threads(int threads);
void dsyevd_(const char* jobz, const char* uplo, const int* n, double* a, const int* lda, double* w,
             double* work, const int* lwork, int* iwork, const int* liwork, int* info);
void dgetrf_(const int* m, const int* n, double* a, const int* lda, int* ipiv, int* info);
void dgetri_(const int* n, double* a, const int* lda, const int* ipiv, double* work,
             const int* lwork, int* info);
void dgesdd_(const char* jobz, const int* m, const int* n, double* a, const int* lda, double* s,
             double* u, const int* ldu, double* vt, const int* ldvt, double* work, const int* lwork,
             int* iwork, int* info);
}
#endif

namespace {

using qor::detail::testing::TDense;

void Load(qor::TMatrix& M, const TDense& Values, int32_t Rows, int32_t Cols) {
  M.Resize(Cols, Rows);
  std::copy(Values.begin(), Values.end(), M.Data().begin());
}

void EigenQormath(benchmark::State& State) {
  const auto n = static_cast<int32_t>(State.range(0));
  const TDense a = qor::detail::testing::RandomSymmetric(n, 42);
  qor::TMatrix m;
  for (auto _ : State) {
    State.PauseTiming();
    Load(m, a, n, n);
    State.ResumeTiming();
    benchmark::DoNotOptimize(qor::CalcEigVec(&m));
  }
}
BENCHMARK(EigenQormath)->Arg(200)->Arg(500)->Unit(benchmark::kMillisecond);

// The classic published loop keeps its arrays row-major; the column-major variant is the same
// loop on the library's layout.
template <qor::detail::testing::TLayout Layout>
void RunTextbookJacobi(benchmark::State& State) {
  const std::ptrdiff_t n = State.range(0);
  const TDense a = qor::detail::testing::RandomSymmetric(n, 42);
  for (auto _ : State) {
    TDense work = a, d, v;
    benchmark::DoNotOptimize(qor::detail::testing::TextbookJacobi<Layout>(work, n, d, v));
  }
}

void EigenTextbook(benchmark::State& State) {
  RunTextbookJacobi<qor::detail::testing::TLayout::kRowMajor>(State);
}
void EigenTextbookColumnMajor(benchmark::State& State) {
  RunTextbookJacobi<qor::detail::testing::TLayout::kColumnMajor>(State);
}
BENCHMARK(EigenTextbookColumnMajor)->Arg(200)->Arg(500)->Unit(benchmark::kMillisecond);
BENCHMARK(EigenTextbook)->Arg(200)->Arg(500)->Unit(benchmark::kMillisecond);

constexpr int32_t kSquareOrder = 500;

void InvertQormath(benchmark::State& State) {
  const TDense a = qor::detail::testing::RandomMatrix(kSquareOrder, kSquareOrder, 7);
  qor::TMatrix m;
  for (auto _ : State) {
    State.PauseTiming();
    Load(m, a, kSquareOrder, kSquareOrder);
    State.ResumeTiming();
    benchmark::DoNotOptimize(m.Invert());
  }
}
BENCHMARK(InvertQormath)->Unit(benchmark::kMillisecond);

void DeterminantQormath(benchmark::State& State) {
  qor::TMatrix m;
  Load(m, qor::detail::testing::RandomMatrix(kSquareOrder, kSquareOrder, 7), kSquareOrder,
       kSquareOrder);
  for (auto _ : State) benchmark::DoNotOptimize(m.Determinant());
}
BENCHMARK(DeterminantQormath)->Unit(benchmark::kMillisecond);

constexpr int32_t kSvdRows = 1000;
constexpr int32_t kSvdCols = 50;

void SvdQormath(benchmark::State& State) {
  const TDense a = qor::detail::testing::RandomMatrix(kSvdRows, kSvdCols, 9);
  qor::TMatrix m, v;
  qor::TVector w;
  for (auto _ : State) {
    State.PauseTiming();
    Load(m, a, kSvdRows, kSvdCols);
    State.ResumeTiming();
    benchmark::DoNotOptimize(qor::SingValDecompCore(&m, &v, &w));
  }
}
BENCHMARK(SvdQormath)->Unit(benchmark::kMillisecond);

#ifdef QOR_BENCH_LAPACK

void EigenLapack(benchmark::State& State) {
  const int n = static_cast<int>(State.range(0));
  const TDense a = qor::detail::testing::RandomSymmetric(n, 42);
  const int lwork = 1 + 6 * n + 2 * n * n;
  const int liwork = 3 + 5 * n;
  std::vector<double> w(n), work(lwork);
  std::vector<int> iwork(liwork);
  int info = 0;
  for (auto _ : State) {
    TDense c = a;
    dsyevd_("V", "U", &n, c.data(), &n, w.data(), work.data(), &lwork, iwork.data(), &liwork,
            &info);
    benchmark::DoNotOptimize(c.data());
  }
}
BENCHMARK(EigenLapack)->Arg(200)->Arg(500)->Unit(benchmark::kMillisecond);

void InvertLapack(benchmark::State& State) {
  const int n = kSquareOrder;
  const TDense a = qor::detail::testing::RandomMatrix(n, n, 7);
  std::vector<int> pivot(n);
  const int lwork = 64 * n;
  std::vector<double> work(lwork);
  int info = 0;
  for (auto _ : State) {
    TDense c = a;
    dgetrf_(&n, &n, c.data(), &n, pivot.data(), &info);
    dgetri_(&n, c.data(), &n, pivot.data(), work.data(), &lwork, &info);
    benchmark::DoNotOptimize(c.data());
  }
}
BENCHMARK(InvertLapack)->Unit(benchmark::kMillisecond);

void DeterminantLapack(benchmark::State& State) {
  const int n = kSquareOrder;
  const TDense a = qor::detail::testing::RandomMatrix(n, n, 7);
  std::vector<int> pivot(n);
  int info = 0;
  for (auto _ : State) {
    TDense c = a;
    dgetrf_(&n, &n, c.data(), &n, pivot.data(), &info);
    benchmark::DoNotOptimize(c.data());
  }
}
BENCHMARK(DeterminantLapack)->Unit(benchmark::kMillisecond);

void SvdLapack(benchmark::State& State) {
  const int m = kSvdRows, n = kSvdCols;
  const TDense a = qor::detail::testing::RandomMatrix(m, n, 9);
  std::vector<double> s(n), u(static_cast<std::size_t>(m) * n), vt(n * n);
  std::vector<int> iwork(8 * n);
  int info = 0, lwork = -1;
  double query = 0.0;
  TDense c = a;
  dgesdd_("S", &m, &n, c.data(), &m, s.data(), u.data(), &m, vt.data(), &n, &query, &lwork,
          iwork.data(), &info);
  lwork = static_cast<int>(query);
  std::vector<double> work(lwork);
  for (auto _ : State) {
    c = a;
    dgesdd_("S", &m, &n, c.data(), &m, s.data(), u.data(), &m, vt.data(), &n, work.data(), &lwork,
            iwork.data(), &info);
    benchmark::DoNotOptimize(s.data());
  }
}
BENCHMARK(SvdLapack)->Unit(benchmark::kMillisecond);
#endif

// Collects every case's CPU time so that the ratios can be printed after the usual table.
class TRatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& Runs) override {
    ConsoleReporter::ReportRuns(Runs);
    for (const Run& R : Runs)
      if (R.run_type == Run::RT_Iteration || R.aggregate_name == "median")
        Times[R.run_name.str()] = R.GetAdjustedCPUTime();
  }
  void PrintRatios() const {
    std::printf("\nPeer CPU time over qormath's (higher is faster):\n");
    for (const auto& [Name, Time] : Times) {
      const std::size_t cut = Name.find("Qormath");
      if (cut == std::string::npos || Time <= 0) continue;
      for (const char* peer : {"Textbook", "TextbookColumnMajor", "Lapack"}) {
        const std::string peerName = Name.substr(0, cut) + peer + Name.substr(cut + 7);
        const auto found = Times.find(peerName);
        if (found != Times.end())
          std::printf("  %-24s vs %-24s %6.2fx\n", Name.c_str(), peerName.c_str(),
                      found->second / Time);
      }
    }
  }

 private:
  std::map<std::string, double> Times;
};

}  // namespace

int main(int argc, char** argv) {
#ifdef QOR_BENCH_LAPACK
  if (openblas_set_num_threads != nullptr) openblas_set_num_threads(1);
#endif
  benchmark::Initialize(&argc, argv);
  TRatioReporter Reporter;
  benchmark::RunSpecifiedBenchmarks(&Reporter);
  Reporter.PrintRatios();
  benchmark::Shutdown();
  return 0;
}
