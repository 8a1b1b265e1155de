#include "qor/math2/covariance.h"

#include <gtest/gtest.h>

#include <cmath>

#include "qor/frame/hooks.h"
#include "qor/math2/math2_test_support.h"

namespace qor {
namespace {

using testing::kEps;

// Columns x = (1, 2, 3, 4), y = (2, 4, 6, 9), z = 5 (constant); n - 1 = 3.
// Σx = 10, Σx² = 30, Σy = 21, Σy² = 137, Σxy = 64: var x = 5/3, var y = 26.75/3,
// cov xy = (64 - 52.5)/3 = 11.5/3, Σ(x - y)² = 1 + 4 + 9 + 25 = 39.
class CovarianceModes : public ::testing::Test {
 protected:
  void SetUp() override { testing::SetRows(x, {{1, 2, 5}, {2, 4, 5}, {3, 6, 5}, {4, 9, 5}}); }
  double Element(int32_t Mode, int32_t i, int32_t j) {
    TMatrix c;
    c.Resize(3, 3);
    EXPECT_TRUE(CalcCovar(&x, &c, 0, 0, 0, 0, Mode));
    EXPECT_EQ(c.GetVal(i, j), c.GetVal(j, i));
    return c.GetVal(i, j);
  }
  TMatrix x;
};

TEST_F(CovarianceModes, HandComputedElements) {
  const double tolerance = 16 * kEps * 40;
  EXPECT_NEAR(Element(0, 1, 2), 64.0 / 3.0, tolerance);
  EXPECT_NEAR(Element(1, 1, 1), 5.0 / 3.0, tolerance);
  EXPECT_NEAR(Element(1, 1, 2), 11.5 / 3.0, tolerance);
  EXPECT_NEAR(Element(2, 1, 2), 11.5 / std::sqrt(5.0 * 26.75), tolerance);
  EXPECT_NEAR(Element(3, 1, 2), 11.5 * 11.5 / (5.0 * 26.75), tolerance);
  EXPECT_NEAR(Element(4, 1, 2), 13.0, tolerance);
  EXPECT_EQ(Element(7, 1, 2), 0.0);
}

TEST_F(CovarianceModes, ConstantVariableCorrelatesZeroWithUnitDiagonal) {
  EXPECT_EQ(Element(2, 3, 1), 0.0);
  EXPECT_EQ(Element(2, 3, 2), 0.0);
  EXPECT_EQ(Element(2, 3, 3), 1.0);
}

TEST_F(CovarianceModes, BlockSelectionAndTooSmallResult) {
  TMatrix c;
  c.Resize(2, 2);
  ASSERT_TRUE(CalcCovar(&x, &c, 2, 3, 2, 4, 1));  // y and z over rows 2..4
  EXPECT_NEAR(c.GetVal(1, 1), (16.0 + 36.0 + 81.0 - 361.0 / 3.0) / 2.0, 64 * kEps * 20);
  EXPECT_EQ(c.GetVal(2, 2), 0.0);

  TMatrix small;
  small.Resize(2, 3);
  small.Fill(9.0);
  EXPECT_FALSE(CalcCovar(&x, &small, 0, 0, 0, 0, 1));
  EXPECT_EQ(small.NrOfColumns(), 2);
  for (const double v : small.Data()) EXPECT_EQ(v, 9.0);
}

TEST_F(CovarianceModes, ProgressCountsObservationsAndElements) {
  TMatrix c;
  c.Resize(3, 3);
  const double before = ProcStat;
  ASSERT_TRUE(CalcCovar(&x, &c, 0, 0, 0, 0, 1));
  EXPECT_EQ(ProcStat - before, 4.0 + 6 * 4.0);  // 4 rows, then 6 elements of 4 steps each
  MathFeedBackProc = [](double) { AbortMathProc = true; };
  EXPECT_FALSE(CalcCovar(&x, &c, 0, 0, 0, 0, 1));
  MathFeedBackProc = nullptr;
  AbortMathProc = false;
}

}  // namespace
}  // namespace qor
