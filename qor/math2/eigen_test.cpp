#include "qor/math2/eigen.h"

#include <gtest/gtest.h>

#include <cmath>

#include "qor/frame/hooks.h"
#include "qor/math2/math2_test_support.h"

namespace qor {
namespace {

using testing::kEps;
using testing::TDense;

TEST(EigenStore, EmptyBeforeAndAfterRemoval) {
  TMatrix a;
  testing::SetRows(a, {{5, 0}, {0, 7}});
  ASSERT_TRUE(CalcEigVec(&a));
  EXPECT_EQ(GetEigenResult(2, 0), 7.0);
  EXPECT_EQ(GetEigenResult(3, 0), 0.0);  // k = n + 1
  EXPECT_EQ(GetEigenResult(1, 3), 0.0);  // c = n + 1
  RemoveEigenMatrix();
  EXPECT_EQ(GetEigenResult(1, 0), 0.0);
  EXPECT_EQ(GetEigenSize(), 2);
}

TEST(CalcEigVec, DiagonalEndsBeforeTheFirstSweep) {
  TMatrix a;
  testing::SetRows(a, {{3, 0, 0}, {0, -1, 0}, {0, 0, 2}});
  const double before = ProcStat;
  ASSERT_TRUE(CalcEigVec(&a));
  EXPECT_EQ(ProcStat - before, 1.0);
  EXPECT_EQ(GetEigenSize(), 3);
  const double diagonal[] = {3.0, -1.0, 2.0};
  for (int32_t k = 1; k <= 3; ++k) {
    EXPECT_EQ(GetEigenResult(k, 0), diagonal[k - 1]);
    for (int32_t c = 1; c <= 3; ++c) EXPECT_EQ(GetEigenResult(k, c), c == k ? 1.0 : 0.0);
  }
}

TEST(CalcEigVec, TwoByTwoInJacobiOrder) {
  TMatrix a;
  testing::SetRows(a, {{2, 1}, {1, 2}});
  ASSERT_TRUE(CalcEigVec(&a));
  EXPECT_EQ(GetEigenResult(1, 0), 1.0);
  EXPECT_EQ(GetEigenResult(2, 0), 3.0);
  const double r = 1.0 / std::sqrt(2.0);
  // (1/√2)(1, -1) and (1/√2)(1, 1), up to sign.
  EXPECT_NEAR(GetEigenResult(1, 1) * GetEigenResult(1, 2), -0.5, 4 * kEps);
  EXPECT_NEAR(std::fabs(GetEigenResult(1, 1)), r, 4 * kEps);
  EXPECT_NEAR(GetEigenResult(2, 1) * GetEigenResult(2, 2), 0.5, 4 * kEps);
  EXPECT_EQ(a.GetVal(2, 1), 0.0);  // the strict upper triangle is consumed
  EXPECT_EQ(a.GetVal(1, 2), 1.0);  // the lower one is not read or written
}

TEST(CalcEigVec, TooManyColumnsLeaveTheStoreAlone) {
  TMatrix a;
  testing::SetRows(a, {{2, 1}, {1, 2}});
  ASSERT_TRUE(CalcEigVec(&a));
  TMatrix wide;
  wide.Resize(kMaxEigenOrder + 1, 1);
  EXPECT_FALSE(CalcEigVec(&wide));
  EXPECT_EQ(GetEigenSize(), 2);
  EXPECT_EQ(GetEigenResult(2, 0), 3.0);
}

TEST(CalcEigVec, AbortBeforeTheCallIsClearedAbortDuringItStops) {
  TMatrix a;
  testing::SetDense(a, detail::testing::RandomSymmetric(6, 8), 6, 6);
  AbortMathProc = true;
  EXPECT_TRUE(CalcEigVec(&a));
  EXPECT_FALSE(AbortMathProc);

  testing::SetDense(a, detail::testing::RandomSymmetric(6, 8), 6, 6);
  MathFeedBackProc = [](double) { AbortMathProc = true; };
  const double before = ProcStat;
  EXPECT_FALSE(CalcEigVec(&a));
  EXPECT_EQ(ProcStat - before, 1.0);  // the first test; the first pair sees the flag
  MathFeedBackProc = nullptr;
  AbortMathProc = false;
}

class EigenStoreInvariants : public ::testing::TestWithParam<int> {};

// A V = V D and Vᵀ V = I read back through GetEigenResult.
TEST_P(EigenStoreInvariants, EigenEquationAndOrthogonality) {
  const int32_t n = GetParam();
  for (const TDense& values : {detail::testing::RandomSymmetric(n, n), detail::testing::Hilbert(n),
                               detail::testing::GradedSymmetric(n, 2 * n)}) {
    TMatrix a;
    testing::SetDense(a, values, n, n);
    ASSERT_TRUE(CalcEigVec(&a));
    const double tolerance = 64 * kEps * n;
    const double scale = detail::testing::MaxAbs(values);
    for (int32_t k = 1; k <= n; ++k) {
      for (int32_t i = 1; i <= n; ++i) {
        long double av = 0.0L;
        for (int32_t j = 1; j <= n; ++j)
          av += static_cast<long double>(values[(j - 1) * n + (i - 1)]) * GetEigenResult(k, j);
        EXPECT_NEAR(static_cast<double>(av), GetEigenResult(k, 0) * GetEigenResult(k, i),
                    tolerance * scale);
      }
      for (int32_t l = 1; l <= n; ++l) {
        long double dot = 0.0L;
        for (int32_t c = 1; c <= n; ++c)
          dot += static_cast<long double>(GetEigenResult(k, c)) * GetEigenResult(l, c);
        EXPECT_NEAR(static_cast<double>(dot), k == l ? 1.0 : 0.0, tolerance);
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Orders, EigenStoreInvariants, ::testing::Values(1, 4, 9, 20));

}  // namespace
}  // namespace qor
