#include "qor/math2/mahalanobis.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "qor/math2/math2_test_support.h"

namespace qor {
namespace {

TEST(MahalanobisDistance, IdentityGivesTheEuclideanDistance) {
  TVector a, b;
  a.AssignArray(std::vector<double>{1, 2, 3});
  b.AssignArray(std::vector<double>{4, 6, 3});
  TMatrix identity;
  identity.Resize(3, 3);
  identity.Fill(0.0);
  identity.FillDiag(1.0);
  EXPECT_EQ(MahalanobisDistance(a, b, identity), 5.0);
  // diag(1/4, 1/9): the differences (3, 4) in units of 2 and 3.
  TMatrix scaled;
  testing::SetRows(scaled, {{0.25, 0}, {0, 1.0 / 9.0}});
  a.AssignArray(std::vector<double>{3, 4});
  b.AssignArray(std::vector<double>{0, 0});
  EXPECT_NEAR(MahalanobisDistance(a, b, scaled), std::sqrt(2.25 + 16.0 / 9.0),
              4 * testing::kEps * 2);
}

struct TBadInput {
  int aLength;
  int bLength;
  int cols;
  int rows;
  double diagonal;
  const char* message;
};

class MahalanobisMessages : public ::testing::TestWithParam<TBadInput> {};

TEST_P(MahalanobisMessages, RaisesTheVectorUnitError) {
  const TBadInput& in = GetParam();
  TVector a, b;
  a.AssignArray(std::vector<double>(in.aLength, 1.0));
  b.AssignArray(std::vector<double>(in.bLength, 2.0));
  TMatrix m;
  m.Resize(in.cols, in.rows);
  m.Fill(0.0);
  m.FillDiag(in.diagonal);
  try {
    (void)MahalanobisDistance(a, b, m);
    ADD_FAILURE() << "no exception";
  } catch (const EQORVectorError& e) {
    EXPECT_EQ(std::string(e.what()), std::string("MahalanobisDistance: ") + in.message);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Checks, MahalanobisMessages,
    ::testing::Values(
        TBadInput{2, 3, 2, 2, 1.0, "dimensions of vectors do not match"},
        TBadInput{2, 2, 2, 3, 1.0, "inverse covariance matrix is not quadratric"},
        TBadInput{2, 2, 3, 3, 1.0,
                  "dimension of vectors and inverse covariance matrix do not match"},
        TBadInput{2, 2, 2, 2, -1.0,
                  "the inverse covariance matrix must be symmetric and positive definite"}));

}  // namespace
}  // namespace qor
