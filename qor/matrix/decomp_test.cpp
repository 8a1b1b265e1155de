#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "qor/frame/errors.h"
#include "qor/frame/hooks.h"
#include "qor/matrix/detail/dense_test_support.h"
#include "qor/matrix/detail/test_matrices.h"
#include "qor/matrix/matrix.h"

namespace qor {
namespace {

using detail::SetColumns;
using detail::testing::TDense;
namespace dense = detail::testing;

constexpr double kEps = std::numeric_limits<double>::epsilon();

void SetDense(TMatrix& M, const TDense& Values, int32_t Rows, int32_t Cols) {
  M.Resize(Cols, Rows);
  std::copy(Values.begin(), Values.end(), M.Data().begin());
}

TDense DenseOf(const TMatrix& M) { return {M.Data().begin(), M.Data().end()}; }

// The largest |(A B)(i, j) - Expected(i, j)| for n x n operands.
double ProductError(const TMatrix& A, const TMatrix& B, const TDense& Expected) {
  const std::ptrdiff_t n = A.NrOfRows();
  return dense::MaxAbsDifference(dense::Product(DenseOf(A), DenseOf(B), n, n, n), Expected);
}

TEST(LUdecomposition, ExamplesSingularAndRefusedArguments) {
  TMatrix a, l, u;
  SetColumns(a, {{0, 1}, {1, 0}});
  int32_t numPerm = 0;
  ASSERT_TRUE(a.LUdecomposition(&l, &u, numPerm));
  EXPECT_EQ(numPerm, -1);
  EXPECT_EQ(a.Determinant(), -1.0);
  EXPECT_FALSE(a.LUdecomposition(nullptr, &u, numPerm));
  EXPECT_FALSE(a.LUdecomposition(&l, &a, numPerm));
  SetColumns(a, {{1, 4}, {2, 5}, {3, 6}});  // 2 x 3
  EXPECT_FALSE(a.LUdecomposition(&l, &u, numPerm));
  EXPECT_EQ(numPerm, 1);
  EXPECT_EQ(a.Determinant(), 0.0);
  // Two equal rows: the last pivot comes out exactly 0.
  SetColumns(a, {{1, 1, 4}, {2, 2, 5}, {3, 3, 6}});
  EXPECT_EQ(a.Determinant(), 0.0);
  EXPECT_FALSE(a.LUdecomposition(&l, &u, numPerm));
  for (const double x : l.Data()) EXPECT_EQ(x, 0.0);
}

TEST(LUdecomposition, FactorsReproduceTheRowPermutedMatrix) {
  const int32_t n = 12;
  TMatrix a, l, u;
  SetDense(a, dense::RandomMatrix(n, n, 5), n, n);
  const TDense before = DenseOf(a);
  int32_t numPerm = 0;
  ASSERT_TRUE(a.LUdecomposition(&l, &u, numPerm));
  EXPECT_EQ(DenseOf(a), before);
  // L is unit lower triangular, U upper triangular.
  for (int32_t c = 1; c <= n; ++c)
    for (int32_t r = 1; r <= n; ++r)
      EXPECT_EQ(r <= c ? l.GetVal(c, r) : u.GetVal(c, r), r == c ? 1.0 : 0.0);
  // The rows of L U are those of A in another order: sorted, they agree.
  const TDense lu = dense::Product(DenseOf(l), DenseOf(u), n, n, n);
  const auto SortedRows = [](const TDense& m) {
    std::vector<TDense> rows(n, TDense(n));
    for (int32_t i = 0; i < n; ++i)
      for (int32_t j = 0; j < n; ++j) rows[i][j] = m[j * n + i];
    std::sort(rows.begin(), rows.end());
    return rows;
  };
  const std::vector<TDense> expected = SortedRows(before), got = SortedRows(lu);
  for (int32_t i = 0; i < n; ++i)
    EXPECT_LE(dense::MaxAbsDifference(got[i], expected[i]), 64 * kEps * n * dense::MaxAbs(before));
}

// det Hₙ = c⁴ₙ / c₂ₙ with cₙ = Π_{i<n} i!: 1/12, 1/2160, 1/6048000 for n = 2, 3, 4.
TEST(Determinant, HilbertClosedForm) {
  const double expected[] = {1.0 / 12.0, 1.0 / 2160.0, 1.0 / 6048000.0};
  for (int32_t n = 2; n <= 4; ++n) {
    TMatrix h;
    SetDense(h, dense::Hilbert(n), n, n);
    const double kHilbertGrowth = 3e4;  // κ(H₄): the relative error the product can carry
    EXPECT_NEAR(h.Determinant() / expected[n - 2], 1.0, 64 * kEps * kHilbertGrowth);
  }
}

TEST(Invert, OneByOneSingularAndEmpty) {
  TMatrix a;
  SetColumns(a, {{4}});
  int changes = 0;
  a.OnChange = [&changes](TObject*) { ++changes; };
  ASSERT_TRUE(a.Invert());
  EXPECT_EQ(a.GetVal(1, 1), 0.25);
  EXPECT_EQ(changes, 1);
  SetColumns(a, {{1, 2}, {2, 4}});
  EXPECT_FALSE(a.Invert());
  a.Resize(0, 0);
  EXPECT_FALSE(a.Invert());
}

// A A⁻¹ = I, the error bounded by eps n κ(A); κ is taken from the norms of A and A⁻¹.
TEST(Invert, ProductWithTheInverseIsIdentity) {
  for (const int32_t n : {1, 3, 10, 33})
    for (const TDense& values : {dense::RandomMatrix(n, n, 17 + n), dense::Hilbert(std::min(n, 8)),
                                 dense::GradedSymmetric(std::min(n, 8), 3)}) {
      const auto order = static_cast<int32_t>(std::lround(std::sqrt(values.size())));
      SCOPED_TRACE(order);
      TMatrix a, inverse;
      SetDense(a, values, order, order);
      SetDense(inverse, values, order, order);
      ASSERT_TRUE(inverse.Invert());
      const double condition = a.Norm(ntColwise) * inverse.Norm(ntColwise);
      EXPECT_LE(ProductError(a, inverse, dense::Identity(order)), 64 * kEps * order * condition);
    }
}

TEST(Invert, CountsTwoStepsPerColumnAndStopsOnAbort) {
  const int32_t n = 6;
  TMatrix a;
  SetDense(a, dense::RandomMatrix(n, n, 2), n, n);
  const double before = ProcStat;
  ASSERT_TRUE(a.Invert());
  EXPECT_EQ(ProcStat - before, 2.0 * n);

  const TDense values = DenseOf(a);
  AbortMathProc = true;
  const double beforeAbort = ProcStat;
  EXPECT_FALSE(a.Invert());
  EXPECT_EQ(ProcStat, beforeAbort);
  EXPECT_EQ(DenseOf(a), values);
  AbortMathProc = false;

  static int32_t stepsLeft;
  stepsLeft = n + 2;  // abort inside the substitution
  MathFeedBackProc = [](double) {
    if (--stepsLeft == 0) AbortMathProc = true;
  };
  EXPECT_FALSE(a.Invert());
  MathFeedBackProc = nullptr;
  AbortMathProc = false;
}

TEST(CholeskyDecomp, ExampleSideEffectRefusalAndReproduction) {
  TMatrix a, l;
  SetColumns(a, {{4, 2}, {2, 3}});
  ASSERT_TRUE(a.CholeskyDecomp(&l));
  EXPECT_EQ(detail::Columns(l), (TDouble2DArray{{2, 1}, {0, std::sqrt(2.0)}}));
  EXPECT_EQ(a.GetVal(2, 1), 1.0);  // row 1, column 2: the factor value
  EXPECT_EQ(a.GetVal(1, 2), 2.0);  // the lower element stays
  SetColumns(a, {{0, 1}, {1, 0}});
  EXPECT_FALSE(a.CholeskyDecomp(&l));
  for (const int32_t n : {3, 8}) {
    const TDense values = dense::Hilbert(n);
    SetDense(a, values, n, n);
    ASSERT_TRUE(a.CholeskyDecomp(&l));
    const TDense llt = dense::Product(DenseOf(l), dense::Transposed(DenseOf(l), n, n), n, n, n);
    EXPECT_LE(dense::MaxAbsDifference(llt, values), 64 * kEps * n);
  }
}

TEST(Norm, ExamplesAndAbortedSpectralNorm) {
  TMatrix a;
  SetColumns(a, {{3}, {4}});
  EXPECT_EQ(a.Norm(ntFrobenius), 5.0);
  SetColumns(a, {{1, 3}, {-2, 4}});  // rows (1 -2) (3 4)
  EXPECT_EQ(a.Norm(ntColwise), 6.0);
  EXPECT_EQ(a.Norm(ntRowwise), 7.0);
  SetColumns(a, {{-7, 0, 0}, {0, 3, 0}, {0, 0, 5}});
  EXPECT_EQ(a.Norm(ntSpectral), 7.0);
  SetColumns(a, {{3, 4}, {0, 5}});  // rows (3 0) (4 5): σ² = 45 and 5
  EXPECT_NEAR(a.Norm(ntSpectral), std::sqrt(45.0), 64 * kEps * std::sqrt(45.0));
  AbortMathProc = true;
  EXPECT_EQ(detail::ErrorText<EQORMatrixError>([&] { (void)a.Norm(ntSpectral); }),
            "near singular covariance matrix");
  AbortMathProc = false;
  a.Resize(0, 3);
  EXPECT_EQ(a.Norm(ntSpectral), 0.0);
}

TEST(Balance, DiagonalUnchangedAndImbalanceEqualised) {
  TMatrix a;
  SetColumns(a, {{2, 0, 0}, {0, -1, 0}, {0, 0, 5}});
  const TDense diagonal = DenseOf(a);
  EXPECT_TRUE(a.Balance());
  EXPECT_EQ(DenseOf(a), diagonal);
  // Rows (1 100) (0.01 1) are similar to rows (1 1) (1 1) by D = diag(1, 100).
  SetColumns(a, {{1, 0.01}, {100, 1}});
  EXPECT_TRUE(a.Balance());
  EXPECT_NEAR(a.GetVal(2, 1), 1.0, 64 * kEps);
  EXPECT_NEAR(a.GetVal(1, 2), 1.0, 64 * kEps);
  EXPECT_EQ(a.GetVal(1, 1), 1.0);
  SetColumns(a, {{1}, {2}, {3}});
  EXPECT_FALSE(a.Balance());
}

TEST(CalcHatMatrix, ProjectionIsSymmetricIdempotentWithTraceTheRank) {
  const int32_t m = 9, n = 3;
  TMatrix a, hat;
  SetDense(a, dense::RandomMatrix(m, n, 4), m, n);
  ASSERT_TRUE(a.CalcHatMatrix(&hat));
  ASSERT_EQ(hat.NrOfColumns(), m);
  ASSERT_EQ(hat.NrOfRows(), m);
  const double tolerance = 64 * kEps * m;
  EXPECT_LE(dense::MaxAbsDifference(DenseOf(hat), dense::Transposed(DenseOf(hat), m, m)),
            tolerance);
  EXPECT_LE(ProductError(hat, hat, DenseOf(hat)), tolerance);
  EXPECT_NEAR(hat.Trace(), n, tolerance);
  SetColumns(a, {{1, 2, 3}, {1, 2, 3}});  // equal columns: AᵀA singular
  const TDense untouched = DenseOf(hat);
  EXPECT_FALSE(a.CalcHatMatrix(&hat));
  EXPECT_EQ(DenseOf(hat), untouched);
}

}  // namespace
}  // namespace qor
