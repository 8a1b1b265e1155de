#include "qor/matrix/detail/jacobi_eigen.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "qor/frame/hooks.h"
#include "qor/matrix/detail/dense_test_support.h"

namespace qor::detail {
namespace {

using testing::TDense;

// The cyclic Jacobi method as a textbook writes it: element access by (row, column) on the
// full buffer, the three partial loops of a rotation strided or not as they come.
TJacobiEnd TextbookJacobi(TDense& a, std::ptrdiff_t n, TDense& d, TDense& v) {
  auto A = [&](std::ptrdiff_t r, std::ptrdiff_t c) -> double& { return a[c * n + r]; };
  auto V = [&](std::ptrdiff_t r, std::ptrdiff_t c) -> double& { return v[c * n + r]; };
  TDense b(n), z(n, 0.0);
  d.assign(n, 0.0);
  v = testing::Identity(n);
  for (std::ptrdiff_t p = 0; p < n; ++p) d[p] = b[p] = A(p, p);
  for (int sweep = 1; sweep <= 100; ++sweep) {
    ProcStat = ProcStat + 1.0;
    double sm = 0.0;
    for (std::ptrdiff_t p = 0; p < n - 1; ++p)
      for (std::ptrdiff_t q = p + 1; q < n; ++q) sm += std::fabs(A(p, q));
    if (sm == 0.0) return TJacobiEnd::kConverged;
    const double tresh = sweep < 4 ? 0.2 * sm / (static_cast<double>(n) * n) : 0.0;
    for (std::ptrdiff_t p = 0; p < n - 1; ++p)
      for (std::ptrdiff_t q = p + 1; q < n; ++q) {
        if (AbortMathProc) return TJacobiEnd::kAborted;
        ProcStat = ProcStat + 1.0;
        const double g = 200.0 * std::fabs(A(p, q));
        if (sweep > 4 && std::fabs(d[p]) + g == std::fabs(d[p]) &&
            std::fabs(d[q]) + g == std::fabs(d[q])) {
          A(p, q) = 0.0;
        } else if (std::fabs(A(p, q)) > tresh) {
          double h = d[q] - d[p];
          double t;
          if (std::fabs(h) + g == std::fabs(h)) {
            t = A(p, q) / h;
          } else {
            const double theta = h / A(p, q) / 2.0;
            t = 1.0 / (std::fabs(theta) + std::sqrt(theta * theta + 1.0));
            if (theta < 0.0) t = -t;
          }
          const double c = 1.0 / std::sqrt(t * t + 1.0), s = t * c, tau = s / (1.0 + c);
          h = t * A(p, q);
          z[p] -= h;
          z[q] += h;
          d[p] -= h;
          d[q] += h;
          A(p, q) = 0.0;
          auto rotate = [s, tau](double& x, double& y) {
            const double g0 = x, h0 = y;
            x = g0 - s * (h0 + g0 * tau);
            y = h0 + s * (g0 - h0 * tau);
          };
          for (std::ptrdiff_t j = 0; j < p; ++j) rotate(A(j, p), A(j, q));
          for (std::ptrdiff_t j = p + 1; j < q; ++j) rotate(A(p, j), A(j, q));
          for (std::ptrdiff_t j = q + 1; j < n; ++j) rotate(A(p, j), A(q, j));
          for (std::ptrdiff_t j = 0; j < n; ++j) rotate(V(j, p), V(j, q));
        }
      }
    for (std::ptrdiff_t p = 0; p < n; ++p) {
      b[p] += z[p];
      d[p] = b[p];
      z[p] = 0.0;
    }
  }
  return TJacobiEnd::kNotConverged;
}

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
    const TJacobiEnd end = TextbookJacobi(a, n, d, v);
    EXPECT_EQ(fast.end, end);
    EXPECT_EQ(fast.steps, ProcStat - before);
    EXPECT_TRUE(BitEqual(fast.d, d));
    EXPECT_TRUE(BitEqual(fast.v, v));
    EXPECT_TRUE(BitEqual(fast.a, a));
  }
}

INSTANTIATE_TEST_SUITE_P(Orders, JacobiAgainstTextbook, ::testing::Values(1, 2, 3, 5, 8, 17, 40, 77));

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
