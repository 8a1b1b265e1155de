#include <gtest/gtest.h>

#include <vector>

#include "qor/matrix/detail/test_matrices.h"
#include "qor/matrix/matrix.h"
#include "qor/vector/vector.h"

namespace qor {
namespace {

using detail::Columns;
using detail::FillScattered;
using detail::SameBits;
using detail::SetColumns;
using detail::TChangeCounter;

// Multiply against the documented loop (rows i, columns j, then k, every partial sum a
// double); the transposed and vector forms against Multiply on explicitly transposed operands.
// Result rows M, result columns N, summation length K. Whole results compare with ==, which
// misses only the sign of a zero sum; the kernel tests pin that.
TEST(MatrixProducts, EveryFormMatchesThePlainLoop) {
  const struct {
    int32_t M, N, K;
  } Shapes[] = {{1, 1, 1},    {1, 9, 1},     {9, 1, 1},      {1, 1, 300}, {1, 37, 5}, {37, 1, 5},
                {17, 13, 19}, {65, 33, 129}, {127, 70, 300}, {0, 4, 3},   {4, 0, 3},  {3, 4, 0}};
  for (const auto [M, N, K] : Shapes) {
    SCOPED_TRACE(::testing::Message() << M << "x" << N << " by " << K);
    TMatrix A, B, Res, T, Other;
    FillScattered(A, K, M, 1);  // M rows, K columns
    FillScattered(B, N, K, 2);  // K rows, N columns
    ASSERT_TRUE(A.Multiply(&B, &Res));
    ASSERT_EQ(Res.NrOfRows(), M);
    ASSERT_EQ(Res.NrOfColumns(), N);
    for (int32_t i = 1; i <= M; ++i)
      for (int32_t j = 1; j <= N; ++j) {
        double Sum = 0;
        for (int32_t k = 1; k <= K; ++k) Sum += A.Elem(k, i) * B.Elem(j, k);
        ASSERT_TRUE(SameBits(Sum, Res.Elem(j, i))) << "(" << j << ", " << i << ")";
      }
    T.Assign(&B);
    T.Transpose();
    ASSERT_TRUE(A.MultiplyTransposed(&T, &Other));
    EXPECT_EQ(Columns(Other), Columns(Res));
    T.Assign(&A);
    T.Transpose();
    ASSERT_TRUE(T.TransposeAndMultiply(&B, &Other));
    EXPECT_EQ(Columns(Other), Columns(Res));

    if (M == 0 || N == 0 || K == 0) continue;  // a vector has at least one element
    TVector b, y;                              // b is column 1 of B, so A b is column 1 of Res
    b.Resize(K);
    B.CopyColToVec(&b, 1, 0, 0);
    for (const bool Transposed : {false, true}) {
      ASSERT_TRUE(Transposed ? T.TransposeAndMultiply(&b, &y) : A.Multiply(&b, &y));
      ASSERT_EQ(y.NrOfElem(), M);
      for (int32_t i = 1; i <= M; ++i) EXPECT_TRUE(SameBits(y.Elem(i), Res.Elem(1, i)));
    }
  }
}

TEST(MatrixProducts, RefuseUnfittingSizesAndNilWithoutAnyChange) {
  TMatrix A, B, Res;
  A.Resize(3, 2);
  B.Resize(4, 2);  // two rows where A has three columns
  SetColumns(Res, {{7}});
  TChangeCounter Changes;
  Changes.Attach(Res);
  A.OnChange = Res.OnChange;
  EXPECT_FALSE(A.Multiply(&B, &Res));
  EXPECT_FALSE(A.MultiplyTransposed(&B, &Res));  // 3 columns against 4
  EXPECT_FALSE(A.Multiply(&A, static_cast<TMatrix*>(nullptr)));
  B.Resize(4, 3);
  EXPECT_FALSE(A.TransposeAndMultiply(&B, &Res));  // 2 rows against 3
  TVector Two, VecRes;
  Two.Resize(2);
  EXPECT_FALSE(A.Multiply(&Two, &VecRes));  // needs 3 elements
  EXPECT_EQ(Columns(Res), (TDouble2DArray{{7}}));
  EXPECT_EQ(Changes.Count, 0);
  EXPECT_TRUE(A.Multiply(&B, &Res));  // B has 3 rows and 4 columns
  EXPECT_EQ(Res.NrOfColumns(), 4);
  EXPECT_EQ(Res.NrOfRows(), 2);
}

TEST(MatrixProducts, HandComputedWithEventsAndAliasedResult) {
  TMatrix A, B, Res;
  SetColumns(A, {{1, 3}, {2, 4}});  // rows (1 2) and (3 4)
  SetColumns(B, {{5, 7}, {6, 8}});  // rows (5 6) and (7 8)
  TChangeCounter ResChanges, AChanges;
  ResChanges.Attach(Res);
  AChanges.Attach(A);
  ASSERT_TRUE(A.Multiply(&B, &Res));
  EXPECT_EQ(Columns(Res), (TDouble2DArray{{19, 43}, {22, 50}}));
  EXPECT_EQ(ResChanges.Count, 1 + 4) << "resize, then every element";
  EXPECT_EQ(AChanges.Count, 1);
  A.OnChange = nullptr;
  ASSERT_TRUE(A.Multiply(&B, &A));  // operands are read before the result is resized
  EXPECT_EQ(Columns(A), (TDouble2DArray{{19, 43}, {22, 50}}));
}

}  // namespace
}  // namespace qor
