#include <gtest/gtest.h>

#include <ostream>

#include "qor/frame/random.h"
#include "qor/matrix/detail/test_matrices.h"
#include "qor/matrix/matrix.h"

namespace qor {
namespace {

using detail::Columns;
using detail::SetColumns;
using detail::TChangeCounter;

TEST(MatrixElementwise, SumsDifferencesAndRefusals) {
  TMatrix A, B, Wrong;
  SetColumns(A, {{1, 2}, {3, 4}});
  SetColumns(B, {{0.5, -1}, {2, 8}});
  Wrong.Resize(2, 3);
  TChangeCounter Changes;
  Changes.Attach(A);
  EXPECT_FALSE(A.Add(&Wrong));
  EXPECT_FALSE(A.Subtract(nullptr));
  EXPECT_EQ(Changes.Count, 0);
  EXPECT_TRUE(A.Add(&B));
  EXPECT_EQ(Columns(A), (TDouble2DArray{{1.5, 1}, {5, 12}}));
  EXPECT_TRUE(A.Subtract(&B));
  EXPECT_EQ(Columns(A), (TDouble2DArray{{1, 2}, {3, 4}}));
  A.SMult(-2.0);
  A.SAdd(0.25);
  EXPECT_EQ(Columns(A), (TDouble2DArray{{-1.75, -3.75}, {-5.75, -7.75}}));
  EXPECT_EQ(Changes.Count, 4);
}

TEST(MatrixElementwise, EMultStoresThroughSetVal) {
  TMatrix A, B, Res, Wrong;
  SetColumns(A, {{1, 2, 3}, {4, 5, 6}});
  SetColumns(B, {{2, 2, 2}, {-1, 0, 0.5}});
  Wrong.Resize(3, 2);
  TChangeCounter ResChanges, AChanges;
  ResChanges.Attach(Res);
  AChanges.Attach(A);
  EXPECT_FALSE(A.EMult(&Wrong, &Res));
  EXPECT_FALSE(A.EMult(&B, nullptr));
  EXPECT_EQ(ResChanges.Count + AChanges.Count, 0);
  EXPECT_TRUE(A.EMult(&B, &Res));
  EXPECT_EQ(Columns(Res), (TDouble2DArray{{2, 4, 6}, {-4, 0, 3}}));
  EXPECT_EQ(ResChanges.Count, 1 + 6) << "resize, then every element";
  EXPECT_EQ(AChanges.Count, 1);
  Res.OnChange = nullptr;  // without a handler the result buffer is adopted whole
  EXPECT_TRUE(B.EMult(&A, &Res));
  EXPECT_EQ(Columns(Res), (TDouble2DArray{{2, 4, 6}, {-4, 0, 3}}));
}

TEST(MatrixTranspose, RowVectorBecomesColumnInOrder) {
  TMatrix M;
  SetColumns(M, {{1}, {2}, {3}, {4}, {5}});
  TChangeCounter Changes;
  Changes.Attach(M);
  EXPECT_TRUE(M.Transpose());
  EXPECT_EQ(Columns(M), (TDouble2DArray{{1, 2, 3, 4, 5}}));
  EXPECT_EQ(Changes.Count, 1);
  M.Resize(0, 3);
  EXPECT_TRUE(M.Transpose());
  EXPECT_EQ(M.NrOfColumns(), 3);
  EXPECT_EQ(M.NrOfRows(), 0);
}

TEST(MatrixTranspose, TiledTransposeMapsEveryElement) {
  // Sizes that are not multiples of the tile exercise the partial tiles.
  TMatrix M, Original;
  M.Resize(37, 70);
  SetRandSeed(7);
  M.FillRandomUniform(-1, 1);
  Original.Assign(&M);
  M.Transpose();
  ASSERT_EQ(M.NrOfColumns(), 70);
  ASSERT_EQ(M.NrOfRows(), 37);
  for (int32_t c = 1; c <= 37; ++c)
    for (int32_t r = 1; r <= 70; ++r) ASSERT_EQ(M.Elem(r, c), Original.Elem(c, r));
  M.Transpose();
  EXPECT_EQ(Columns(M), Columns(Original));
}

struct DiffCase {
  int32_t Order;
  TDouble2DArray Expected;
  friend void PrintTo(const DiffCase& Case, std::ostream* Out) { *Out << "order " << Case.Order; }
};

const TDouble2DArray kSquares = {{1, 4, 9, 16}, {16, 9, 4, 1}};

class MatrixDiff : public ::testing::TestWithParam<DiffCase> {};

TEST_P(MatrixDiff, ForwardDifferencesOfSquares) {
  TMatrix M;
  SetColumns(M, kSquares);
  M.Diff(GetParam().Order);
  EXPECT_EQ(Columns(M), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(Orders, MatrixDiff,
                         ::testing::Values(DiffCase{1, {{3, 5, 7}, {-7, -5, -3}}},
                                           DiffCase{2, {{2, 2}, {2, 2}}}, DiffCase{3, {{0}, {0}}},
                                           DiffCase{4, kSquares}, DiffCase{0, kSquares},
                                           DiffCase{11, kSquares}, DiffCase{-1, kSquares}));

TEST(MatrixTrace, SquareSumsDiagonalRectangleGivesZero) {
  TMatrix M;
  SetColumns(M, {{1, 2}, {3, 4}, {5, 6}});
  EXPECT_EQ(M.Trace(), 0.0);
  SetColumns(M, {{1, 2, 3}, {4, 5, 6}, {7, 8, 0.5}});
  EXPECT_EQ(M.Trace(), 6.5);
  M.Resize(0, 0);
  EXPECT_EQ(M.Trace(), 0.0);
}

}  // namespace
}  // namespace qor
