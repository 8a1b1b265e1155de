#include "qor/math2/pca.h"

#include <gtest/gtest.h>

#include <cmath>

#include "qor/math2/eigen.h"
#include "qor/math2/math2_test_support.h"

namespace qor {
namespace {

using testing::kEps;

// Rows (2, 2), (2, 0), (0, 2), (0, 0), (0, 0): the raw cross products over n - 1 = 4 are
// [[2, 1], [1, 2]], eigenvalues 3 along (1, 1) and 1 along (1, -1).
class PrincipalComponents : public ::testing::Test {
 protected:
  void SetUp() override { testing::SetRows(x, {{2, 2}, {2, 0}, {0, 2}, {0, 0}, {0, 0}}); }
  TMatrix x;
};

TEST_F(PrincipalComponents, LargestVarianceFirst) {
  ASSERT_TRUE(CalcPrincComp(&x, 0, 0, 0, 0, 0, false));
  const double tolerance = 16 * kEps * 3;
  EXPECT_NEAR(GetEigenResult(1, 0), 3.0, tolerance);
  EXPECT_NEAR(GetEigenResult(2, 0), 1.0, tolerance);
  EXPECT_NEAR(GetEigenResult(1, 1) * GetEigenResult(1, 2), 0.5, tolerance);
}

TEST_F(PrincipalComponents, NormalizedSharesAreTheDefault) {
  ASSERT_TRUE(CalcPrincComp(&x, 0, 0, 0, 0, 0));
  EXPECT_NEAR(GetEigenResult(1, 0), 0.75, 16 * kEps);
  EXPECT_NEAR(GetEigenResult(2, 0), 0.25, 16 * kEps);
}

// Covariances of (a, -a, b) with a = (1, 2, 3) and b = (1, 1, 1): eigenvalues 2 (the a-axis),
// 0 twice; the zeros keep their Jacobi order behind the positive value.
TEST(CalcPrincComp, NonPositiveEigenvaluesStayBehind) {
  TMatrix x;
  testing::SetRows(x, {{1, -1, 1}, {2, -2, 1}, {3, -3, 1}});
  ASSERT_TRUE(CalcPrincComp(&x, 0, 0, 0, 0, 1, false));
  EXPECT_NEAR(GetEigenResult(1, 0), 2.0, 16 * kEps * 2);
  EXPECT_NEAR(GetEigenResult(1, 1), -GetEigenResult(1, 2), 16 * kEps);
  EXPECT_LE(GetEigenResult(2, 0), 16 * kEps);
  EXPECT_LE(GetEigenResult(3, 0), 16 * kEps);
}

TEST(CalcPrincComp, FailsWithoutTouchingTheStoreOnANilMatrix) {
  EXPECT_FALSE(CalcPrincComp(nullptr, 0, 0, 0, 0, 1));
}

}  // namespace
}  // namespace qor
