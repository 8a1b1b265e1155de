#include "qor/matrix/detail/svd_core.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <tuple>

#include "qor/frame/hooks.h"
#include "qor/matrix/detail/dense_test_support.h"

namespace qor::detail {
namespace {

using testing::TDense;

struct TSvdRun {
  bool ok;
  TDense u, w, v;
};

TSvdRun Decompose(const TDense& a, std::ptrdiff_t m, std::ptrdiff_t n) {
  TSvdRun run{false, a, TDense(n), TDense(n * n)};
  run.ok = SvdCore(run.u.data(), static_cast<int32_t>(m), static_cast<int32_t>(n), run.w.data(),
                   run.v.data());
  return run;
}

class SvdShapes : public ::testing::TestWithParam<std::tuple<int, int>> {};

// A = U diag(w) Vᵀ, Vᵀ V = I, Uᵀ U = I on the columns with w != 0 (all of them for m >= n).
TEST_P(SvdShapes, ReconstructsWithOrthonormalFactors) {
  const auto [m, n] = GetParam();
  const TDense a = testing::RandomMatrix(m, n, 31u * m + n);
  TSvdRun run = Decompose(a, m, n);
  ASSERT_TRUE(run.ok);
  const double tolerance = 64.0 * testing::kEps * std::max(m, n);
  TDense uw = run.u;
  for (std::ptrdiff_t j = 0; j < n; ++j) {
    EXPECT_GE(run.w[j], 0.0);
    for (std::ptrdiff_t i = 0; i < m; ++i) uw[j * m + i] *= run.w[j];
  }
  const TDense usvt = testing::Product(uw, testing::Transposed(run.v, n, n), m, n, n);
  EXPECT_LE(testing::MaxAbsDifference(usvt, a), tolerance * testing::MaxAbs(a));
  const TDense vtv = testing::Product(testing::Transposed(run.v, n, n), run.v, n, n, n);
  EXPECT_LE(testing::MaxAbsDifference(vtv, testing::Identity(n)), tolerance);
  if (m >= n) {
    const TDense utu = testing::Product(testing::Transposed(run.u, m, n), run.u, n, m, n);
    EXPECT_LE(testing::MaxAbsDifference(utu, testing::Identity(n)), tolerance);
  }
}

INSTANTIATE_TEST_SUITE_P(RowsColumns, SvdShapes,
                         ::testing::Values(std::tuple{1, 1}, std::tuple{1, 4}, std::tuple{4, 1},
                                           std::tuple{3, 3}, std::tuple{9, 4}, std::tuple{4, 9},
                                           std::tuple{60, 17}, std::tuple{25, 25}));

// Closed forms: [[3, 0], [4, 5]] has σ² = 45 and 5 (σ₁σ₂ = |det| = 15, σ₁² + σ₂² = 50). For the
// Hilbert matrix of order 3 the product of the singular values is det H = 1/2160 and the sum of
// their squares the squared Frobenius norm, Σ 1/(i + j + 1)².
TEST(SvdCore, KnownSingularValues) {
  TSvdRun run = Decompose({3.0, 4.0, 0.0, 5.0}, 2, 2);
  ASSERT_TRUE(run.ok);
  std::sort(run.w.begin(), run.w.end());
  const double tolerance = 64 * testing::kEps * std::sqrt(45.0);
  EXPECT_NEAR(run.w[0], std::sqrt(5.0), tolerance);
  EXPECT_NEAR(run.w[1], std::sqrt(45.0), tolerance);

  const TDense h = testing::Hilbert(3);
  TSvdRun hilbert = Decompose(h, 3, 3);
  ASSERT_TRUE(hilbert.ok);
  double squares = 0.0;
  for (double x : h) squares += x * x;
  const double kHilbertCondition = 524.0;  // κ₂(H₃) ≈ 524: the smallest value's relative error
  EXPECT_NEAR(hilbert.w[0] * hilbert.w[1] * hilbert.w[2] * 2160.0, 1.0,
              64 * testing::kEps * kHilbertCondition);
  EXPECT_NEAR(
      hilbert.w[0] * hilbert.w[0] + hilbert.w[1] * hilbert.w[1] + hilbert.w[2] * hilbert.w[2],
      squares, 64 * testing::kEps * squares);
}

TEST(SvdCore, RankDeficientGivesAZeroValue) {
  TSvdRun run = Decompose({1.0, 1.0, 1.0, 1.0}, 2, 2);  // all ones: σ = 2 and 0
  ASSERT_TRUE(run.ok);
  std::sort(run.w.begin(), run.w.end());
  EXPECT_NEAR(run.w[0], 0.0, 8 * testing::kEps);
  EXPECT_NEAR(run.w[1], 2.0, 8 * testing::kEps);
}

TEST(SvdCore, CountsEveryOuterStepAndStopsOnAbort) {
  const TDense a = testing::RandomMatrix(7, 4, 9);
  const double before = ProcStat;
  ASSERT_TRUE(Decompose(a, 7, 4).ok);
  EXPECT_EQ(ProcStat - before, 4.0 * 4);  // reduction, V, U and diagonalisation steps
  AbortMathProc = true;
  const double beforeAbort = ProcStat;
  EXPECT_FALSE(Decompose(a, 7, 4).ok);
  EXPECT_EQ(ProcStat - beforeAbort, 1.0);
  AbortMathProc = false;
}

}  // namespace
}  // namespace qor::detail
