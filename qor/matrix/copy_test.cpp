#include <gtest/gtest.h>

#include <climits>
#include <limits>

#include "qor/matrix/detail/test_matrices.h"
#include "qor/matrix/matrix.h"
#include "qor/vector/vector.h"

namespace qor {
namespace {

using detail::Columns;
using detail::SetColumns;
using detail::TChangeCounter;

TEST(MatrixCopyFrom, ClampsSwapsDropsAndNotifiesPerStore) {
  TMatrix Source, Dest;
  SetColumns(Source, {{1, 2, 3}, {4, 5, 6}, {7, 8, 9}});
  Dest.Resize(3, 3);
  TChangeCounter Changes;
  Changes.Attach(Dest);
  // Source columns 2..3 (9 clamps to 3, reversed), rows 1..2 (0 clamps to 1), placed at (2, 3):
  // only row 3 of the destination exists, so only source row 1 lands.
  Dest.CopyFrom(&Source, 9, 2, 2, 0, 2, 3);
  Dest.CopyFrom(&Source, 1, 1, 3, 3, INT32_MAX, INT32_MAX);  // far away: drops everything
  EXPECT_EQ(Columns(Dest), (TDouble2DArray{{0, 0, 0}, {0, 0, 4}, {0, 0, 7}}));
  EXPECT_EQ(Changes.Count, (2 + 1) + 1) << "one per stored element and one per call";
  Dest.Clone(&Source);
  EXPECT_EQ(Columns(Dest), Columns(Source));
  EXPECT_EQ(Changes.Count, 4 + 9 + 1);
}

TEST(MatrixCopyToArray, RectangleAndIntegersRoundingHalvesToEven) {
  constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
  TMatrix M;
  SetColumns(M, {{2.5, 3.5, -2.5, 0.49999999999999994}, {1e10, -1e10, kNaN, -0.5}});
  TInt2DArray Rounded;
  M.CopyToArray(Rounded, 0, 0, 0, 0);
  EXPECT_EQ(Rounded, (TInt2DArray{{2, 4, -2, 0}, {INT32_MAX, INT32_MIN, 0, 0}}));
  TDouble2DArray Part;
  M.CopyToArray(Part, 1, 1, 3, 2);
  EXPECT_EQ(Part, (TDouble2DArray{{3.5, -2.5}}));
}

TEST(MatrixCopyFromArray, ShortInnerArraysLeaveTheirRowsUntouched) {
  TMatrix M;
  M.Resize(3, 3);
  M.CopyFromArray(TDouble2DArray{{1, 2}, {3}, {5, 6, 7}}, 2, 2);
  EXPECT_EQ(Columns(M), (TDouble2DArray{{0, 0, 0}, {0, 1, 2}, {0, 3, 0}}));
  M.CopyFromArray(TInt2DArray{{-4}}, 1, 1);
  EXPECT_EQ(M.Elem(1, 1), -4.0);
}

TEST(MatrixVectorCopies, TruncateToTheVectorAndDropOutsideTargets) {
  TMatrix M;
  M.Resize(10, 2);
  for (int32_t c = 1; c <= 10; ++c) M.SetVal(c, 2, c);
  TVector V;
  V.Resize(3);
  M.CopyRowToVec(&V, 99, 0, 0);  // row clamps to 2; ten columns into three elements
  EXPECT_EQ(V.Data()[2], 3.0);
  M.CopyColToVec(&V, 4, 2, 2);  // one element, the rest filled with 0
  EXPECT_EQ(std::vector<double>(V.Data().begin(), V.Data().end()), (TDoubleArray{4, 0, 0}));

  TChangeCounter Changes;
  Changes.Attach(M);
  M.CopyFromVec(dimColumns, &V, 2, 1, 9, 1);  // elements 1..2 to columns 9..10 of row 1
  M.CopyFromVec(&V, 0, 0, 1, 1);              // down column 1: rows 1..2 land, row 3 dropped
  EXPECT_EQ(Columns(M)[8][0], 4.0);
  EXPECT_EQ(Columns(M)[0], (TDoubleArray{4, 0}));
  EXPECT_EQ(Changes.Count, (2 + 1) + (2 + 1));
}

}  // namespace
}  // namespace qor
