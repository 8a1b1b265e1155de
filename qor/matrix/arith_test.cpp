#include <gtest/gtest.h>

#include "qor/frame/random.h"
#include "qor/matrix/detail/test_matrices.h"
#include "qor/matrix/matrix.h"

namespace qor {
namespace {

using detail::Columns;
using detail::FillScattered;
using detail::SetColumns;
using detail::TChangeCounter;

TEST(MatrixFill, RectanglesDiagonalAndUniformDrawOrder) {
  TMatrix M;
  SetColumns(M, {{5, 5}, {5, 5}, {5, 5}});
  TChangeCounter Changes;
  Changes.Attach(M);
  M.Fill(3, 2, 9, 2, 1.0);  // columns 2..3, row 2
  M.FillDiag(0.0);
  M.Fill(4, 5, 1, 2, 7.0);  // repaired to column 3
  EXPECT_EQ(Columns(M), (TDouble2DArray{{0, 5}, {5, 0}, {7, 7}}));
  EXPECT_EQ(Changes.Count, 3);
  SetRandSeed(42);
  M.FillRandomUniform(-2.0, 6.0);
  SetRandSeed(42);
  for (int32_t c = 1; c <= 3; ++c)
    for (int32_t r = 1; r <= 2; ++r) EXPECT_EQ(M.Elem(c, r), Random() * 8.0 + -2.0);
}

TEST(MatrixLines, RemoveExchangeAndMirror) {
  TMatrix M;
  SetColumns(M, {{1, 2, 3}, {4, 5, 6}, {7, 8, 9}});
  EXPECT_FALSE(M.RemoveColumn(0));
  EXPECT_FALSE(M.RemoveRow(4));
  EXPECT_TRUE(M.RemoveColumn(2));
  EXPECT_TRUE(M.RemoveRow(2));
  EXPECT_EQ(Columns(M), (TDouble2DArray{{1, 3}, {7, 9}}));
  EXPECT_TRUE(M.RemoveColumn(2));  // the last column: only a resize
  EXPECT_FALSE(M.RemoveColumn(1)) << "a single column stays";
  SetColumns(M, {{1, 2}, {3, 4}, {5, 6}});
  M.ExchangeColumns(1, 3);
  M.ExchangeRows(2, 1);
  M.ExchangeRows(1, 3);  // outside: nothing
  EXPECT_EQ(Columns(M), (TDouble2DArray{{6, 5}, {4, 3}, {2, 1}}));
  M.MirrorColumns();
  M.MirrorRows();
  EXPECT_EQ(Columns(M), (TDouble2DArray{{1, 2}, {3, 4}, {5, 6}}));
}

TEST(MatrixElementwise, SumsProductsScalarsAndRefusals) {
  TMatrix A, B, Res, Wrong;
  SetColumns(A, {{1, 2}, {3, 4}});
  SetColumns(B, {{0.5, -1}, {2, 8}});
  Wrong.Resize(2, 3);
  TChangeCounter Changes;
  Changes.Attach(A);
  EXPECT_FALSE(A.Add(&Wrong));
  EXPECT_FALSE(A.Subtract(nullptr));
  EXPECT_FALSE(A.EMult(&Wrong, &Res));
  EXPECT_EQ(Changes.Count, 0);
  EXPECT_TRUE(A.Add(&B));
  EXPECT_EQ(Columns(A), (TDouble2DArray{{1.5, 1}, {5, 12}}));
  EXPECT_TRUE(A.Subtract(&B));
  EXPECT_TRUE(A.EMult(&B, &Res));
  EXPECT_EQ(Columns(Res), (TDouble2DArray{{0.5, -2}, {6, 32}}));
  A.SMult(-2.0);
  A.SAdd(0.25);
  EXPECT_EQ(Columns(A), (TDouble2DArray{{-1.75, -3.75}, {-5.75, -7.75}}));
  EXPECT_EQ(Changes.Count, 5);
}

TEST(MatrixTranspose, RowVectorTiledRoundTripAndTrace) {
  TMatrix M, Original;
  SetColumns(M, {{1, 2}, {3, 4}, {5, 6}});
  EXPECT_EQ(M.Trace(), 0.0) << "not square";
  SetColumns(M, {{1, 2, 3}, {4, 5, 6}, {7, 8, 0.5}});
  EXPECT_EQ(M.Trace(), 6.5);
  SetColumns(M, {{1}, {2}, {3}, {4}, {5}});
  M.Transpose();
  EXPECT_EQ(Columns(M), (TDouble2DArray{{1, 2, 3, 4, 5}}));
  FillScattered(M, 37, 70, 7);  // not multiples of the tile: partial tiles
  Original.Assign(&M);
  M.Transpose();
  ASSERT_EQ(M.NrOfColumns(), 70);
  for (int32_t c = 1; c <= 37; ++c)
    for (int32_t r = 1; r <= 70; ++r) ASSERT_EQ(M.Elem(r, c), Original.Elem(c, r));
}

TEST(MatrixDiff, ForwardDifferencesOfSquaresAndOrdersLeftAlone) {
  const TDouble2DArray Squares = {{1, 4, 9, 16}, {16, 9, 4, 1}};
  const struct {
    int32_t Order;
    TDouble2DArray Expected;
  } Cases[] = {{1, {{3, 5, 7}, {-7, -5, -3}}},
               {2, {{2, 2}, {2, 2}}},
               {3, {{0}, {0}}},
               {4, Squares},
               {0, Squares},
               {11, Squares}};
  for (const auto& Case : Cases) {
    TMatrix M;
    SetColumns(M, Squares);
    M.Diff(Case.Order);
    EXPECT_EQ(Columns(M), Case.Expected) << "order " << Case.Order;
  }
}

}  // namespace
}  // namespace qor
