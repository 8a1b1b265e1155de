#include "qor/matrix/detail/jacobi_eigen.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "qor/frame/hooks.h"
#include "qor/matrix/detail/dense_test_support.h"
#include "qor/matrix/detail/jacobi_reference.h"

namespace qor::detail {
namespace {

using testing::TDense;

bool BitEqual(const TDense& x, const TDense& y) {
  return x.size() == y.size() && std::memcmp(x.data(), y.data(), x.size() * sizeof(double)) == 0;
}

struct TJacobiRun {
  TJacobiEnd end;
  TDense a, d, v;
  double steps;
};

TJacobiRun RunFast(TDense a, std::ptrdiff_t n) {
  TJacobiRun run{TJacobiEnd::kAborted, std::move(a), TDense(n), TDense(n * n), 0.0};
  const double before = ProcStat;
  run.end = CyclicJacobi(run.a.data(), static_cast<int32_t>(n), run.d.data(), run.v.data());
  run.steps = ProcStat - before;
  return run;
}

class JacobiAgainstTextbook : public ::testing::TestWithParam<int> {};

TEST_P(JacobiAgainstTextbook, BitIdenticalEigenpairsUpperTriangleAndStepCount) {
  const std::ptrdiff_t n = GetParam();
  for (const TDense& input : {testing::RandomSymmetric(n, 11 + n), testing::Hilbert(n),
                              testing::GradedSymmetric(n, 5 + n)}) {
    TJacobiRun fast = RunFast(input, n);
    TDense a = input, d, v;
    const double before = ProcStat;
    const TJacobiEnd end = testing::TextbookJacobi(a, n, d, v);
    EXPECT_EQ(fast.end, end);
    EXPECT_EQ(fast.steps, ProcStat - before);
    EXPECT_TRUE(BitEqual(fast.d, d));
    EXPECT_TRUE(BitEqual(fast.v, v));
    EXPECT_TRUE(BitEqual(fast.a, a));
    // The row-major textbook holds the same numbers, transposed in memory.
    TDense rowMajor = input, dRow, vRow;
    EXPECT_EQ(testing::TextbookJacobi<testing::TLayout::kRowMajor>(rowMajor, n, dRow, vRow), end);
    EXPECT_TRUE(BitEqual(fast.d, dRow));
    EXPECT_TRUE(BitEqual(fast.v, testing::Transposed(vRow, n, n)));
  }
}

INSTANTIATE_TEST_SUITE_P(Orders, JacobiAgainstTextbook,
                         ::testing::Values(1, 2, 3, 5, 8, 17, 40, 77));

class JacobiInvariants : public ::testing::TestWithParam<int> {};

// A V = V D and Vᵀ V = I, with errors scaled by the matrix norm and the order.
TEST_P(JacobiInvariants, EigenEquationAndOrthogonality) {
  const std::ptrdiff_t n = GetParam();
  for (const TDense& input : {testing::RandomSymmetric(n, 3 * n), testing::Hilbert(n),
                              testing::GradedSymmetric(n, 7 * n)}) {
    TJacobiRun run = RunFast(input, n);
    ASSERT_EQ(run.end, TJacobiEnd::kConverged);
    const double tolerance = 64.0 * testing::kEps * static_cast<double>(n);
    TDense av = testing::Product(input, run.v, n, n, n);
    TDense vd = run.v;
    for (std::ptrdiff_t k = 0; k < n; ++k)
      for (std::ptrdiff_t i = 0; i < n; ++i) vd[k * n + i] *= run.d[k];
    EXPECT_LE(testing::MaxAbsDifference(av, vd), tolerance * testing::MaxAbs(input));
    const TDense vtv = testing::Product(testing::Transposed(run.v, n, n), run.v, n, n, n);
    EXPECT_LE(testing::MaxAbsDifference(vtv, testing::Identity(n)), tolerance);
    for (std::ptrdiff_t c = 0; c < n; ++c)
      for (std::ptrdiff_t r = 0; r < c; ++r) EXPECT_EQ(run.a[c * n + r], 0.0);
  }
}

INSTANTIATE_TEST_SUITE_P(Orders, JacobiInvariants, ::testing::Values(2, 6, 12, 30));

TEST(CyclicJacobi, DiagonalStopsAtTheFirstTest) {
  const TDense diagonal = {3.0, 0.0, 0.0, 0.0, -1.0, 0.0, 0.0, 0.0, 2.0};
  TJacobiRun run = RunFast(diagonal, 3);
  EXPECT_EQ(run.end, TJacobiEnd::kConverged);
  EXPECT_EQ(run.steps, 1.0);
  EXPECT_EQ(run.d, (TDense{3.0, -1.0, 2.0}));
  EXPECT_EQ(run.v, testing::Identity(3));
}

// [[2, 1], [1, 2]]: one rotation with t = 1 leaves d = (1, 3) and V = [[c, s], [-s, c]].
TEST(CyclicJacobi, TwoByTwoClosedForm) {
  TJacobiRun run = RunFast({2.0, 1.0, 1.0, 2.0}, 2);
  EXPECT_EQ(run.end, TJacobiEnd::kConverged);
  EXPECT_EQ(run.d, (TDense{1.0, 3.0}));
  const double r = 1.0 / std::sqrt(2.0);
  const double tolerance = 4.0 * testing::kEps;
  EXPECT_NEAR(run.v[0], r, tolerance);
  EXPECT_NEAR(run.v[1], -r, tolerance);
  EXPECT_NEAR(run.v[2], r, tolerance);
  EXPECT_NEAR(run.v[3], r, tolerance);
  EXPECT_EQ(run.steps, 3.0);  // test, pair, test
}

TEST(CyclicJacobi, AbortFromTheFeedbackStopsAtTheNextPair) {
  static double stopAt;
  ProcStat = 0.0;
  stopAt = 5.0;
  MathFeedBackProc = [](double steps) {
    if (steps >= stopAt) AbortMathProc = true;
  };
  TJacobiRun run = RunFast(testing::RandomSymmetric(6, 1), 6);
  MathFeedBackProc = nullptr;
  AbortMathProc = false;
  EXPECT_EQ(run.end, TJacobiEnd::kAborted);
  EXPECT_EQ(run.steps, stopAt);
}

}  // namespace
}  // namespace qor::detail
