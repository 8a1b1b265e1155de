#include <gtest/gtest.h>

#include <functional>
#include <ostream>
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

using TEntry = std::function<double(int32_t Row, int32_t Col)>;

// The documented loop written out plainly: result (j, i) = sum over k = 1..K of a(i, k) b(k, j),
// rows i outer, columns j, then k, with every partial sum a double.
void ExpectPlainLoopBits(const TMatrix& Res, int32_t K, const TEntry& a, const TEntry& b) {
  for (int32_t i = 1; i <= Res.NrOfRows(); ++i)
    for (int32_t j = 1; j <= Res.NrOfColumns(); ++j) {
      double Sum = 0;
      for (int32_t k = 1; k <= K; ++k) Sum += a(i, k) * b(k, j);
      ASSERT_TRUE(SameBits(Sum, Res.Elem(j, i))) << "(" << j << ", " << i << ")";
    }
}

// Result rows M, result columns N, summation length K.
struct ProductShape {
  int32_t M, N, K;
  friend void PrintTo(const ProductShape& S, std::ostream* Out) {
    *Out << S.M << "x" << S.N << " by " << S.K;
  }
};

const std::vector<ProductShape> kShapes = {
    {1, 1, 1},    {1, 9, 1},     {9, 1, 1},      {1, 1, 300}, {1, 37, 5}, {37, 1, 5}, {17, 13, 19},
    {64, 64, 64}, {65, 33, 129}, {127, 70, 300}, {300, 2, 3}, {0, 4, 3},  {4, 0, 3},  {3, 4, 0}};

class MatrixProductBits : public ::testing::TestWithParam<ProductShape> {};

TEST_P(MatrixProductBits, EveryFormMatchesThePlainLoop) {
  const auto [M, N, K] = GetParam();
  TMatrix A, B, Res, At, Bt;
  FillScattered(A, K, M, 1);   // M rows, K columns
  FillScattered(B, N, K, 2);   // K rows, N columns
  FillScattered(At, M, K, 3);  // K rows, M columns
  FillScattered(Bt, K, N, 4);  // N rows, K columns
  ASSERT_TRUE(A.Multiply(&B, &Res));
  ASSERT_EQ(Res.NrOfRows(), M);
  ASSERT_EQ(Res.NrOfColumns(), N);
  ExpectPlainLoopBits(
      Res, K, [&](int32_t i, int32_t k) { return A.Elem(k, i); },
      [&](int32_t k, int32_t j) { return B.Elem(j, k); });
  ASSERT_TRUE(A.MultiplyTransposed(&Bt, &Res));
  ExpectPlainLoopBits(
      Res, K, [&](int32_t i, int32_t k) { return A.Elem(k, i); },
      [&](int32_t k, int32_t j) { return Bt.Elem(k, j); });
  ASSERT_TRUE(At.TransposeAndMultiply(&B, &Res));
  ExpectPlainLoopBits(
      Res, K, [&](int32_t i, int32_t k) { return At.Elem(i, k); },
      [&](int32_t k, int32_t j) { return B.Elem(j, k); });

  if (M == 0 || K == 0) return;  // a vector has at least one element
  TVector b, y;
  b.Resize(K);
  for (int32_t k = 1; k <= K; ++k) b.SetVal(k, At.Elem(1, k));
  TMatrix Y;  // y laid across one row, so that element i is result (i, 1)
  const auto CheckY = [&](const TEntry& Matrix) {
    Y.Resize(M, 1);
    Y.CopyFromVec(dimColumns, &y, 0, 0, 1, 1);
    ExpectPlainLoopBits(
        Y, K, [&](int32_t, int32_t k) { return b.Elem(k); }, Matrix);
  };
  ASSERT_TRUE(A.Multiply(&b, &y));
  CheckY([&](int32_t k, int32_t i) { return A.Elem(k, i); });
  ASSERT_TRUE(At.TransposeAndMultiply(&b, &y));
  CheckY([&](int32_t k, int32_t i) { return At.Elem(i, k); });
}

INSTANTIATE_TEST_SUITE_P(Shapes, MatrixProductBits, ::testing::ValuesIn(kShapes));

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
  ASSERT_TRUE(A.MultiplyTransposed(&B, &Res));
  EXPECT_EQ(Columns(Res), (TDouble2DArray{{17, 39}, {23, 53}}));
  ASSERT_TRUE(A.TransposeAndMultiply(&B, &Res));
  EXPECT_EQ(Columns(Res), (TDouble2DArray{{26, 38}, {30, 44}}));
  A.OnChange = nullptr;
  ASSERT_TRUE(A.Multiply(&B, &A));  // operands are read before the result is resized
  EXPECT_EQ(Columns(A), (TDouble2DArray{{19, 43}, {22, 50}}));
}

}  // namespace
}  // namespace qor
