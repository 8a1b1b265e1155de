#include <gtest/gtest.h>

#include "qor/frame/random.h"
#include "qor/matrix/detail/test_matrices.h"
#include "qor/matrix/matrix.h"

namespace qor {
namespace {

using detail::Columns;
using detail::SetColumns;
using detail::TChangeCounter;

TEST(MatrixFill, RectangleIsRepairedAndOutsideUntouched) {
  TMatrix M;
  M.Resize(3, 3);
  TChangeCounter Changes;
  Changes.Attach(M);
  M.Fill(3, 2, 9, 2, 1.0);  // columns 2..3, rows 2..3
  EXPECT_EQ(Columns(M), (TDouble2DArray{{0, 0, 0}, {0, 1, 1}, {0, 1, 1}}));
  EXPECT_EQ(Changes.Count, 1);
  M.Fill(4.0);
  EXPECT_EQ(Columns(M), (TDouble2DArray{{4, 4, 4}, {4, 4, 4}, {4, 4, 4}}));
  EXPECT_EQ(Changes.Count, 2);
}

TEST(MatrixFill, NotifiesEvenWithoutElements) {
  TMatrix M;
  M.Resize(0, 4);
  TChangeCounter Changes;
  Changes.Attach(M);
  M.Fill(1.0);
  M.Fill(3, 5, 1, 2, 1.0);
  M.FillDiag(1.0);
  EXPECT_EQ(Changes.Count, 3);
}

TEST(MatrixFill, DiagonalOfRectangleStopsAtShorterSide) {
  TMatrix M;
  SetColumns(M, {{5, 5}, {5, 5}, {5, 5}});
  M.FillDiag(1.0);
  EXPECT_EQ(Columns(M), (TDouble2DArray{{1, 5}, {5, 1}, {5, 5}}));
}

TEST(MatrixFill, UniformDrawsColumnByColumnIntoTheRange) {
  TMatrix M;
  M.Resize(3, 4);
  SetRandSeed(42);
  M.FillRandomUniform(-2.0, 6.0);
  SetRandSeed(42);
  for (int32_t c = 1; c <= 3; ++c)
    for (int32_t r = 1; r <= 4; ++r) {
      EXPECT_EQ(M.Elem(c, r), Random() * 8.0 + -2.0);
      EXPECT_GE(M.Elem(c, r), -2.0);
      EXPECT_LT(M.Elem(c, r), 6.0);
    }
  M.Fill(0.0);
  M.FillRandomUniform(2, 2, 0, 0, 1.0, 2.0);
  for (int32_t r = 1; r <= 4; ++r) {
    EXPECT_EQ(M.Elem(1, r), 0.0);
    EXPECT_GE(M.Elem(2, r), 1.0);
    EXPECT_EQ(M.Elem(3, r), 0.0);
  }
}

}  // namespace
}  // namespace qor
