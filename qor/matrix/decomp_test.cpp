#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <limits>
#include <vector>

#include "qor/frame/errors.h"
#include "qor/frame/hooks.h"
#include "qor/matrix/detail/dense_test_support.h"
#include "qor/matrix/matrix.h"

namespace qor {
namespace {

constexpr double kEps = std::numeric_limits<double>::epsilon();

// A matrix given by its rows, as the examples are written.
void SetRows(TMatrix& M, std::initializer_list<std::initializer_list<double>> Rows) {
  const auto rows = static_cast<int32_t>(Rows.size());
  const auto cols = static_cast<int32_t>(Rows.begin()->size());
  M.Resize(cols, rows);
  int32_t r = 1;
  for (const auto& row : Rows) {
    int32_t c = 1;
    for (const double x : row) M.SetVal(c++, r, x);
    ++r;
  }
}

void SetDense(TMatrix& M, const detail::testing::TDense& Values, int32_t Rows, int32_t Cols) {
  M.Resize(Cols, Rows);
  std::copy(Values.begin(), Values.end(), M.Data().begin());
}

detail::testing::TDense DenseOf(const TMatrix& M) { return {M.Data().begin(), M.Data().end()}; }

// The largest |(A B)(i, j) - Expected(i, j)| for n x n operands.
double ProductError(const TMatrix& A, const TMatrix& B, const detail::testing::TDense& Expected) {
  const std::ptrdiff_t n = A.NrOfRows();
  return detail::testing::MaxAbsDifference(
      detail::testing::Product(DenseOf(A), DenseOf(B), n, n, n), Expected);
}

TEST(LUdecomposition, PermutationMatrixExample) {
  TMatrix a, l, u;
  SetRows(a, {{0, 1}, {1, 0}});
  int32_t numPerm = 0;
  ASSERT_TRUE(a.LUdecomposition(&l, &u, numPerm));
  EXPECT_EQ(numPerm, -1);
  EXPECT_EQ(a.Determinant(), -1.0);
}

TEST(LUdecomposition, FactorsReproduceTheRowPermutedMatrix) {
  const int32_t n = 12;
  TMatrix a, l, u;
  SetDense(a, detail::testing::RandomMatrix(n, n, 5), n, n);
  const detail::testing::TDense before = DenseOf(a);
  int32_t numPerm = 0;
  ASSERT_TRUE(a.LUdecomposition(&l, &u, numPerm));
  EXPECT_EQ(DenseOf(a), before);
  for (int32_t c = 1; c <= n; ++c)
    for (int32_t r = 1; r <= n; ++r) {
      if (r < c) {
        EXPECT_EQ(l.GetVal(c, r), 0.0);
      } else if (r == c) {
        EXPECT_EQ(l.GetVal(c, r), 1.0);
      } else {
        EXPECT_EQ(u.GetVal(c, r), 0.0);
      }
    }
  // Every row of L U is one row of A, each used once.
  const detail::testing::TDense lu = detail::testing::Product(DenseOf(l), DenseOf(u), n, n, n);
  std::vector<bool> used(n, false);
  const double tolerance = 64 * kEps * n * detail::testing::MaxAbs(before);
  for (int32_t i = 0; i < n; ++i) {
    int32_t match = -1;
    for (int32_t k = 0; k < n && match < 0; ++k) {
      bool same = !used[k];
      for (int32_t j = 0; j < n && same; ++j)
        same = std::fabs(lu[j * n + i] - before[j * n + k]) <= tolerance;
      if (same) match = k;
    }
    ASSERT_GE(match, 0) << "row " << i << " of L U is no row of A";
    used[match] = true;
  }
}

TEST(LUdecomposition, RefusesNilSharedAndNonSquareArguments) {
  TMatrix a, l, u;
  SetRows(a, {{1, 2, 3}, {4, 5, 6}});
  int32_t numPerm = 0;
  EXPECT_FALSE(a.LUdecomposition(&l, &u, numPerm));
  EXPECT_EQ(numPerm, 1);
  SetRows(a, {{1, 2}, {3, 4}});
  EXPECT_FALSE(a.LUdecomposition(nullptr, &u, numPerm));
  EXPECT_FALSE(a.LUdecomposition(&l, &a, numPerm));
}

TEST(Determinant, SingularAndNonSquareGiveZero) {
  TMatrix a;
  SetRows(a, {{1, 2, 3}, {4, 5, 6}});
  EXPECT_EQ(a.Determinant(), 0.0);
  // Two equal rows: the last pivot comes out exactly 0.
  SetRows(a, {{1, 2, 3}, {1, 2, 3}, {4, 5, 6}});
  EXPECT_EQ(a.Determinant(), 0.0);
  TMatrix l, u;
  int32_t numPerm = 0;
  EXPECT_FALSE(a.LUdecomposition(&l, &u, numPerm));
  for (const double x : l.Data()) EXPECT_EQ(x, 0.0);
}

// det Hₙ = c⁴ₙ / c₂ₙ with cₙ = Π_{i<n} i!: 1/12, 1/2160, 1/6048000 for n = 2, 3, 4.
TEST(Determinant, HilbertClosedForm) {
  const double expected[] = {1.0 / 12.0, 1.0 / 2160.0, 1.0 / 6048000.0};
  for (int32_t n = 2; n <= 4; ++n) {
    TMatrix h;
    SetDense(h, detail::testing::Hilbert(n), n, n);
    const double kHilbertGrowth = 3e4;  // κ(H₄): the relative error the product can carry
    EXPECT_NEAR(h.Determinant() / expected[n - 2], 1.0, 64 * kEps * kHilbertGrowth);
  }
}

TEST(Invert, OneByOneAndSingular) {
  TMatrix a;
  SetRows(a, {{4}});
  int changes = 0;
  a.OnChange = [&changes](TObject*) { ++changes; };
  ASSERT_TRUE(a.Invert());
  EXPECT_EQ(a.GetVal(1, 1), 0.25);
  EXPECT_EQ(changes, 1);
  SetRows(a, {{1, 2}, {2, 4}});
  EXPECT_FALSE(a.Invert());
  TMatrix empty;
  empty.Resize(0, 0);
  EXPECT_FALSE(empty.Invert());
}

class InvertRoundTrip : public ::testing::TestWithParam<int> {};

// A A⁻¹ = I, the error bounded by eps n κ(A); κ is taken from the norms of A and A⁻¹.
TEST_P(InvertRoundTrip, ProductIsIdentity) {
  const int32_t n = GetParam();
  for (const detail::testing::TDense& values :
       {detail::testing::RandomMatrix(n, n, 17 + n), detail::testing::Hilbert(std::min(n, 8)),
        detail::testing::GradedSymmetric(std::min(n, 8), 3)}) {
    const auto order = static_cast<int32_t>(std::lround(std::sqrt(values.size())));
    TMatrix a, inverse;
    SetDense(a, values, order, order);
    SetDense(inverse, values, order, order);
    ASSERT_TRUE(inverse.Invert());
    const double condition = a.Norm(ntColwise) * inverse.Norm(ntColwise);
    EXPECT_LE(ProductError(a, inverse, detail::testing::Identity(order)),
              64 * kEps * order * condition);
  }
}

INSTANTIATE_TEST_SUITE_P(Orders, InvertRoundTrip, ::testing::Values(1, 3, 10, 33));

TEST(Invert, CountsTwoStepsPerColumnAndStopsOnAbort) {
  const int32_t n = 6;
  TMatrix a;
  SetDense(a, detail::testing::RandomMatrix(n, n, 2), n, n);
  const double before = ProcStat;
  ASSERT_TRUE(a.Invert());
  EXPECT_EQ(ProcStat - before, 2.0 * n);

  const detail::testing::TDense values = DenseOf(a);
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

TEST(CholeskyDecomp, ExampleAndUpperTriangleSideEffect) {
  TMatrix a, l;
  SetRows(a, {{4, 2}, {2, 3}});
  ASSERT_TRUE(a.CholeskyDecomp(&l));
  EXPECT_EQ(l.GetVal(1, 1), 2.0);
  EXPECT_EQ(l.GetVal(2, 1), 0.0);
  EXPECT_EQ(l.GetVal(1, 2), 1.0);
  EXPECT_EQ(l.GetVal(2, 2), std::sqrt(2.0));
  EXPECT_EQ(a.GetVal(2, 1), 1.0);  // row 1, column 2: the factor value
  EXPECT_EQ(a.GetVal(1, 2), 2.0);  // the lower element stays
  SetRows(a, {{0, 1}, {1, 0}});
  EXPECT_FALSE(a.CholeskyDecomp(&l));
}

TEST(CholeskyDecomp, ReproducesPositiveDefiniteMatrices) {
  for (const int32_t n : {3, 8}) {
    detail::testing::TDense values = detail::testing::Hilbert(n);
    TMatrix a, l;
    SetDense(a, values, n, n);
    ASSERT_TRUE(a.CholeskyDecomp(&l));
    const detail::testing::TDense llt = detail::testing::Product(
        DenseOf(l), detail::testing::Transposed(DenseOf(l), n, n), n, n, n);
    EXPECT_LE(detail::testing::MaxAbsDifference(llt, values), 64 * kEps * n);
  }
}

TEST(Norm, Examples) {
  TMatrix a;
  SetRows(a, {{3, 4}});
  EXPECT_EQ(a.Norm(ntFrobenius), 5.0);
  SetRows(a, {{1, -2}, {3, 4}});
  EXPECT_EQ(a.Norm(ntColwise), 6.0);
  EXPECT_EQ(a.Norm(ntRowwise), 7.0);
  SetRows(a, {{-7, 0, 0}, {0, 3, 0}, {0, 0, 5}});
  EXPECT_EQ(a.Norm(ntSpectral), 7.0);
  SetRows(a, {{3, 0}, {4, 5}});  // σ² = 45 and 5
  EXPECT_NEAR(a.Norm(ntSpectral), std::sqrt(45.0), 64 * kEps * std::sqrt(45.0));
  a.Resize(0, 3);
  EXPECT_EQ(a.Norm(ntSpectral), 0.0);
}

TEST(Norm, SpectralRaisesWhenTheDecompositionIsAborted) {
  TMatrix a;
  SetRows(a, {{1, 2}, {3, 4}});
  AbortMathProc = true;
  try {
    (void)a.Norm(ntSpectral);
    ADD_FAILURE() << "no exception";
  } catch (const EQORMatrixError& e) {
    EXPECT_STREQ(e.what(), "near singular covariance matrix");
  }
  AbortMathProc = false;
}

TEST(Balance, DiagonalUnchangedAndImbalanceEqualised) {
  TMatrix a;
  SetRows(a, {{2, 0, 0}, {0, -1, 0}, {0, 0, 5}});
  const detail::testing::TDense diagonal = DenseOf(a);
  EXPECT_TRUE(a.Balance());
  EXPECT_EQ(DenseOf(a), diagonal);

  // [[1, 100], [0.01, 1]] is similar to [[1, 1], [1, 1]] by D = diag(1, 100).
  SetRows(a, {{1, 100}, {0.01, 1}});
  EXPECT_TRUE(a.Balance());
  EXPECT_NEAR(a.GetVal(2, 1), 1.0, 64 * kEps);
  EXPECT_NEAR(a.GetVal(1, 2), 1.0, 64 * kEps);
  EXPECT_EQ(a.GetVal(1, 1), 1.0);

  SetRows(a, {{1, 2, 3}});
  EXPECT_FALSE(a.Balance());
}

TEST(CalcHatMatrix, ProjectionIsSymmetricIdempotentWithTraceTheRank) {
  const int32_t m = 9, n = 3;
  TMatrix a, hat;
  SetDense(a, detail::testing::RandomMatrix(m, n, 4), m, n);
  ASSERT_TRUE(a.CalcHatMatrix(&hat));
  ASSERT_EQ(hat.NrOfColumns(), m);
  ASSERT_EQ(hat.NrOfRows(), m);
  const double tolerance = 64 * kEps * m;
  EXPECT_LE(detail::testing::MaxAbsDifference(DenseOf(hat),
                                              detail::testing::Transposed(DenseOf(hat), m, m)),
            tolerance);
  EXPECT_LE(ProductError(hat, hat, DenseOf(hat)), tolerance);
  EXPECT_NEAR(hat.Trace(), n, tolerance);

  SetRows(a, {{1, 1}, {2, 2}, {3, 3}});  // equal columns: AᵀA singular
  const detail::testing::TDense untouched = DenseOf(hat);
  EXPECT_FALSE(a.CalcHatMatrix(&hat));
  EXPECT_EQ(DenseOf(hat), untouched);
}

}  // namespace
}  // namespace qor
