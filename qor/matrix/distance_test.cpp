#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "qor/matrix/detail/test_matrices.h"
#include "qor/matrix/matrix.h"

namespace qor {
namespace {

using detail::SameBits;
using detail::SetColumns;

constexpr double kEps = std::numeric_limits<double>::epsilon();

TEST(MatrixDistance, ModesOnHandComputedRows) {
  TMatrix M;
  SetColumns(M, {{0, 3, 1, 2}, {0, 4, 2, 1}});  // rows (0 0) (3 4) (1 2) (2 1)
  EXPECT_EQ(M.DistanceOfObjects(dmEuclidSquared, 1, 2), 25.0);
  EXPECT_EQ(M.DistanceOfObjects(dmEuclid, 1, 2), 5.0);
  EXPECT_EQ(M.DistanceOfObjects(dmManhattan, 2, 1), 7.0);
  // (1 2) and (2 1): sum xy 4, sum x^2 = sum y^2 = 5.
  EXPECT_NEAR(M.DistanceOfObjects(dmTanimoto, 3, 4), 4.0 / 6.0, 2 * kEps);
  EXPECT_NEAR(M.DistanceOfObjects(dmDice, 3, 4), 0.8, 2 * kEps);
  EXPECT_EQ(M.DistanceOfObjects(dmEuclidSquared, 2, 9), 25.0);  // a missing row reads as zeros
}

TEST(MatrixDistance, UserDefinedModeAsksTheEventAndWrongShapesAreRefused) {
  TMatrix M;
  M.Resize(2, 3);
  EXPECT_EQ(M.DistanceOfObjects(dmUserDefined, 1, 2), 0.0);
  M.OnCalcDistance = [&M](TObject* Sender, int32_t Row1, int32_t Row2, double& Distance) {
    EXPECT_EQ(Sender, &M);
    EXPECT_EQ(Distance, 0.0);
    Distance = 10.0 * Row1 + Row2;
  };
  EXPECT_EQ(M.DistanceOfObjects(dmUserDefined, 3, 1), 31.0);
  TMatrix D;
  D.Resize(3, 3);
  D.Fill(-1);
  ASSERT_EQ(M.CalcDistMat(dmUserDefined, D), 0);
  EXPECT_EQ(D.Elem(1, 1), 0.0);
  EXPECT_EQ(D.Elem(2, 3), 23.0);
  EXPECT_EQ(D.Elem(3, 2), 23.0);
  D.Resize(3, 4);
  EXPECT_EQ(M.CalcDistMat(dmEuclid, D), -1);
  D.Resize(4, 4);
  EXPECT_EQ(M.CalcDistMat(dmEuclid, D), -2);
  D.Resize(4, 3);
  EXPECT_EQ(M.CalcDistMat(dmEuclid, D), -1);  // not square wins over the order
}

// Each pair is computed once and in bulk; every entry must still carry the exact bits of the
// single-pair routine, and the matrix is symmetric with a zero diagonal. A square matrix may be
// its own distance matrix: its rows are read before they are overwritten.
TEST(MatrixDistance, CalcDistMatMatchesEveryPairBitForBitInEveryFormula) {
  for (const TDistMode Mode : {dmTanimoto, dmManhattan, dmEuclid, dmEuclidSquared, dmDice}) {
    SCOPED_TRACE(static_cast<int>(Mode));
    TMatrix M, D;
    detail::FillScattered(M, 6, 37, 21);
    D.Resize(37, 37);
    int Changes = 0;
    D.OnChange = [&Changes](TObject*) { ++Changes; };
    ASSERT_EQ(M.CalcDistMat(Mode, D), 0);
    EXPECT_EQ(Changes, 1);
    for (int32_t i = 1; i <= 37; ++i) {
      EXPECT_EQ(D.Elem(i, i), 0.0);
      for (int32_t j = i + 1; j <= 37; ++j) {
        EXPECT_TRUE(SameBits(D.Elem(i, j), D.Elem(j, i)));
        EXPECT_TRUE(SameBits(D.Elem(i, j), M.DistanceOfObjects(Mode, i, j)));
      }
    }
    detail::FillScattered(M, 5, 5, 8);
    D.Assign(&M);
    ASSERT_EQ(D.CalcDistMat(Mode, D), 0);
    for (int32_t i = 1; i <= 5; ++i)
      for (int32_t j = 1; j <= 5; ++j)
        EXPECT_TRUE(SameBits(D.Elem(i, j), i == j ? 0.0 : M.DistanceOfObjects(Mode, i, j)));
  }
}

}  // namespace
}  // namespace qor
