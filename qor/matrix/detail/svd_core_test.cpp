#include "qor/matrix/detail/svd_core.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <tuple>

#include "qor/frame/hooks.h"
#include "qor/matrix/detail/dense_test_support.h"

namespace qor::detail {
namespace {

using testing::TDense;

struct TSvdRun {
  bool ok;
  TDense u, w, v;
};

TSvdRun Decompose(const TDense& a, std::ptrdiff_t m, std::ptrdiff_t n) {
  TSvdRun run{false, a, TDense(n), TDense(n * n)};
  run.ok = SvdCore(run.u.data(), static_cast<int32_t>(m), static_cast<int32_t>(n), run.w.data(),
                   run.v.data());
  return run;
}

class SvdShapes : public ::testing::TestWithParam<std::tuple<int, int>> {};

// A = U diag(w) Vᵀ, Vᵀ V = I, Uᵀ U = I on the columns with w != 0 (all of them for m >= n).
TEST_P(SvdShapes, ReconstructsWithOrthonormalFactors) {
  const auto [m, n] = GetParam();
  const TDense a = testing::RandomMatrix(m, n, 31u * m + n);
  TSvdRun run = Decompose(a, m, n);
  ASSERT_TRUE(run.ok);
  const double tolerance = 64.0 * testing::kEps * std::max(m, n);
  TDense uw = run.u;
  for (std::ptrdiff_t j = 0; j < n; ++j) {
    EXPECT_GE(run.w[j], 0.0);
    for (std::ptrdiff_t i = 0; i < m; ++i) uw[j * m + i] *= run.w[j];
  }
  const TDense usvt = testing::Product(uw, testing::Transposed(run.v, n, n), m, n, n);
  EXPECT_LE(testing::MaxAbsDifference(usvt, a), tolerance * testing::MaxAbs(a));
  const TDense vtv = testing::Product(testing::Transposed(run.v, n, n), run.v, n, n, n);
  EXPECT_LE(testing::MaxAbsDifference(vtv, testing::Identity(n)), tolerance);
  if (m >= n) {
    const TDense utu = testing::Product(testing::Transposed(run.u, m, n), run.u, n, m, n);
    EXPECT_LE(testing::MaxAbsDifference(utu, testing::Identity(n)), tolerance);
  }
}

INSTANTIATE_TEST_SUITE_P(RowsColumns, SvdShapes,
                         ::testing::Values(std::tuple{1, 1}, std::tuple{1, 4}, std::tuple{4, 1},
                                           std::tuple{3, 3}, std::tuple{9, 4}, std::tuple{4, 9},
                                           std::tuple{60, 17}, std::tuple{25, 25}));

// Closed forms: [[3, 0], [4, 5]] has σ² = 45 and 5 (σ₁σ₂ = |det| = 15, σ₁² + σ₂² = 50). For the
// Hilbert matrix of order 3 the product of the singular values is det H = 1/2160 and the sum of
// their squares the squared Frobenius norm, Σ 1/(i + j + 1)².
TEST(SvdCore, KnownSingularValues) {
  TSvdRun run = Decompose({3.0, 4.0, 0.0, 5.0}, 2, 2);
  ASSERT_TRUE(run.ok);
  std::sort(run.w.begin(), run.w.end());
  const double tolerance = 64 * testing::kEps * std::sqrt(45.0);
  EXPECT_NEAR(run.w[0], std::sqrt(5.0), tolerance);
  EXPECT_NEAR(run.w[1], std::sqrt(45.0), tolerance);

  const TDense h = testing::Hilbert(3);
  TSvdRun hilbert = Decompose(h, 3, 3);
  ASSERT_TRUE(hilbert.ok);
  double squares = 0.0;
  for (double x : h) squares += x * x;
  const double kHilbertCondition = 524.0;  // κ₂(H₃) ≈ 524: the smallest value's relative error
  EXPECT_NEAR(hilbert.w[0] * hilbert.w[1] * hilbert.w[2] * 2160.0, 1.0,
              64 * testing::kEps * kHilbertCondition);
  EXPECT_NEAR(
      hilbert.w[0] * hilbert.w[0] + hilbert.w[1] * hilbert.w[1] + hilbert.w[2] * hilbert.w[2],
      squares, 64 * testing::kEps * squares);
}

TEST(SvdCore, RankDeficientGivesAZeroValue) {
  TSvdRun run = Decompose({1.0, 1.0, 1.0, 1.0}, 2, 2);  // all ones: σ = 2 and 0
  ASSERT_TRUE(run.ok);
  std::sort(run.w.begin(), run.w.end());
  EXPECT_NEAR(run.w[0], 0.0, 8 * testing::kEps);
  EXPECT_NEAR(run.w[1], 2.0, 8 * testing::kEps);
}

// The decomposition as the classic published loops write it, element by element: every scalar
// and sum in long double (products of two elements included), every element stored as double,
// and the updates of A's columns made in double with the multiplier rounded to double. The
// temporaries x and z of the rotation loops are reused as the classic code reuses them.
struct TTextbookSvd {
  bool converged = true;
  TDense u, w, v;
};

TTextbookSvd TextbookSvd(const TDense& Input, std::ptrdiff_t m, std::ptrdiff_t n) {
  using Extended = long double;
  TTextbookSvd r{true, Input, TDense(n), TDense(n * n)};
  auto a = [&](std::ptrdiff_t i, std::ptrdiff_t j) -> double& { return r.u[j * m + i]; };
  auto v = [&](std::ptrdiff_t i, std::ptrdiff_t j) -> double& { return r.v[j * n + i]; };
  auto sign = [](Extended x, Extended y) { return y >= 0.0L ? std::fabs(x) : -std::fabs(x); };
  auto pythag = [](Extended x, Extended y) { return std::sqrt(x * x + y * y); };
  auto store = [](Extended x) { return static_cast<double>(x); };
  double* w = r.w.data();
  std::vector<Extended> rv1(n);
  Extended g = 0.0L, scale = 0.0L, anorm = 0.0L, s, f, h, c, x, y, z;
  std::ptrdiff_t l = 0, nm = 0;
  for (std::ptrdiff_t i = 0; i < n; ++i) {
    l = i + 1;
    rv1[i] = scale * g;
    g = s = scale = 0.0L;
    if (i < m) {
      for (std::ptrdiff_t k = i; k < m; ++k) scale += std::fabs(a(k, i));
      if (scale != 0.0L) {
        for (std::ptrdiff_t k = i; k < m; ++k) {
          a(k, i) = store(a(k, i) / scale);
          s += static_cast<Extended>(a(k, i)) * a(k, i);
        }
        f = a(i, i);
        g = -sign(std::sqrt(s), f);
        h = f * g - s;
        a(i, i) = store(f - g);
        for (std::ptrdiff_t j = l; j < n; ++j) {
          s = 0.0L;
          for (std::ptrdiff_t k = i; k < m; ++k) s += static_cast<Extended>(a(k, i)) * a(k, j);
          const double factor = store(s / h);
          for (std::ptrdiff_t k = i; k < m; ++k) a(k, j) = a(k, j) + factor * a(k, i);
        }
        for (std::ptrdiff_t k = i; k < m; ++k) a(k, i) = store(scale * a(k, i));
      }
    }
    w[i] = store(scale * g);
    g = s = scale = 0.0L;
    if (i < m && i != n - 1) {
      for (std::ptrdiff_t k = l; k < n; ++k) scale += std::fabs(a(i, k));
      if (scale != 0.0L) {
        for (std::ptrdiff_t k = l; k < n; ++k) {
          a(i, k) = store(a(i, k) / scale);
          s += static_cast<Extended>(a(i, k)) * a(i, k);
        }
        f = a(i, l);
        g = -sign(std::sqrt(s), f);
        h = f * g - s;
        a(i, l) = store(f - g);
        for (std::ptrdiff_t k = l; k < n; ++k) rv1[k] = a(i, k) / h;
        for (std::ptrdiff_t j = l; j < m; ++j) {
          s = 0.0L;
          for (std::ptrdiff_t k = l; k < n; ++k) s += static_cast<Extended>(a(j, k)) * a(i, k);
          for (std::ptrdiff_t k = l; k < n; ++k) a(j, k) = a(j, k) + store(rv1[k]) * store(s);
        }
        for (std::ptrdiff_t k = l; k < n; ++k) a(i, k) = store(scale * a(i, k));
      }
    }
    anorm = std::max(anorm, std::fabs(static_cast<Extended>(w[i])) + std::fabs(rv1[i]));
  }
  for (std::ptrdiff_t i = n - 1; i >= 0; --i) {
    if (i < n - 1) {
      if (g != 0.0L) {
        for (std::ptrdiff_t j = l; j < n; ++j)
          v(j, i) = store((static_cast<Extended>(a(i, j)) / a(i, l)) / g);
        for (std::ptrdiff_t j = l; j < n; ++j) {
          s = 0.0L;
          for (std::ptrdiff_t k = l; k < n; ++k) s += static_cast<Extended>(a(i, k)) * v(k, j);
          for (std::ptrdiff_t k = l; k < n; ++k) v(k, j) = store(v(k, j) + s * v(k, i));
        }
      }
      for (std::ptrdiff_t j = l; j < n; ++j) v(i, j) = v(j, i) = 0.0;
    }
    v(i, i) = 1.0;
    g = rv1[i];
    l = i;
  }
  for (std::ptrdiff_t i = std::min(m, n) - 1; i >= 0; --i) {
    l = i + 1;
    g = w[i];
    for (std::ptrdiff_t j = l; j < n; ++j) a(i, j) = 0.0;
    if (g != 0.0L) {
      g = 1.0L / g;
      for (std::ptrdiff_t j = l; j < n; ++j) {
        s = 0.0L;
        for (std::ptrdiff_t k = l; k < m; ++k) s += static_cast<Extended>(a(k, i)) * a(k, j);
        const double factor = store((s / a(i, i)) * g);
        for (std::ptrdiff_t k = i; k < m; ++k) a(k, j) = a(k, j) + factor * a(k, i);
      }
      for (std::ptrdiff_t j = i; j < m; ++j) a(j, i) = store(a(j, i) * g);
    } else {
      for (std::ptrdiff_t j = i; j < m; ++j) a(j, i) = 0.0;
    }
    a(i, i) = store(a(i, i) + 1.0L);
  }
  auto rotateU = [&](std::ptrdiff_t p, std::ptrdiff_t q, Extended cosine, Extended sine) {
    const double cd = store(cosine), sd = store(sine);
    for (std::ptrdiff_t j = 0; j < m; ++j) {
      const double yy = a(j, p), zz = a(j, q);
      a(j, p) = yy * cd + zz * sd;
      a(j, q) = zz * cd - yy * sd;
    }
  };
  for (std::ptrdiff_t k = n - 1; k >= 0; --k) {
    for (int its = 1; its <= kMaxSvdSweeps; ++its) {
      bool flag = true;
      for (l = k; l >= 0; --l) {
        nm = l - 1;
        if (std::fabs(rv1[l]) + anorm == anorm) {
          flag = false;
          break;
        }
        if (std::fabs(static_cast<Extended>(w[nm])) + anorm == anorm) break;
      }
      if (flag) {
        c = 0.0L;
        s = 1.0L;
        for (std::ptrdiff_t i = l; i <= k; ++i) {
          f = s * rv1[i];
          rv1[i] = c * rv1[i];
          if (std::fabs(f) + anorm == anorm) break;
          g = w[i];
          h = pythag(f, g);
          w[i] = store(h);
          h = 1.0L / h;
          c = g * h;
          s = -f * h;
          rotateU(nm, i, c, s);
        }
      }
      z = w[k];
      if (l == k) {
        if (z < 0.0L) {
          w[k] = store(-z);
          for (std::ptrdiff_t j = 0; j < n; ++j) v(j, k) = -v(j, k);
        }
        break;
      }
      if (its == kMaxSvdSweeps) r.converged = false;
      x = w[l];
      nm = k - 1;
      y = w[nm];
      g = rv1[nm];
      h = rv1[k];
      f = ((y - z) * (y + z) + (g - h) * (g + h)) / (2.0L * h * y);
      g = pythag(f, 1.0L);
      f = ((x - z) * (x + z) + h * ((y / (f + sign(g, f))) - h)) / x;
      c = s = 1.0L;
      for (std::ptrdiff_t j = l; j <= nm; ++j) {
        const std::ptrdiff_t i = j + 1;
        g = rv1[i];
        y = w[i];
        h = s * g;
        g = c * g;
        z = pythag(f, h);
        rv1[j] = z;
        c = f / z;
        s = h / z;
        f = x * c + g * s;
        g = g * c - x * s;
        h = y * s;
        y = y * c;
        for (std::ptrdiff_t jj = 0; jj < n; ++jj) {
          x = v(jj, j);
          z = v(jj, i);
          v(jj, j) = store(x * c + z * s);
          v(jj, i) = store(z * c - x * s);
        }
        z = pythag(f, h);
        w[j] = store(z);
        if (z != 0.0L) {
          z = 1.0L / z;
          c = f * z;
          s = h * z;
        }
        f = c * g + s * y;
        x = c * y - s * g;
        rotateU(j, i, c, s);
      }
      rv1[l] = 0.0L;
      rv1[k] = f;
      w[k] = store(x);
    }
  }
  return r;
}

// The blocked kernels, the gathered rows and the reordered sums reproduce the element loops
// bit for bit: on random shapes wide and tall, with a zero column (scale 0, w = 0), with equal
// columns (rank deficient) and with columns of very different magnitude.
TEST_P(SvdShapes, MatchesTheTextbookLoopsBitForBit) {
  const auto [m, n] = GetParam();
  TDense a = testing::RandomMatrix(m, n, 7u * m + n);
  const auto check = [m = m, n = n](const TDense& Input, const char* Case) {
    const TSvdRun run = Decompose(Input, m, n);
    const TTextbookSvd reference = TextbookSvd(Input, m, n);
    EXPECT_EQ(run.ok, reference.converged) << Case;
    EXPECT_EQ(run.w, reference.w) << Case;
    EXPECT_EQ(run.v, reference.v) << Case;
    EXPECT_EQ(run.u, reference.u) << Case;
  };
  check(a, "random");
  if (n < 2) return;
  for (std::ptrdiff_t i = 0; i < m; ++i) a[(n - 1) * m + i] = a[i];
  check(a, "equal columns");
  for (std::ptrdiff_t i = 0; i < m; ++i) a[i] = 0.0;
  check(a, "zero column");
  for (std::ptrdiff_t j = 0; j < n; ++j)
    for (std::ptrdiff_t i = 0; i < m; ++i) a[j * m + i] = (a[j * m + i] + 2.0) * std::pow(1e3, j);
  check(a, "graded columns");
}

TEST(SvdCore, CountsEveryOuterStepAndStopsOnAbort) {
  const TDense a = testing::RandomMatrix(7, 4, 9);
  const double before = ProcStat;
  ASSERT_TRUE(Decompose(a, 7, 4).ok);
  EXPECT_EQ(ProcStat - before, 4.0 * 4);  // reduction, V, U and diagonalisation steps
  AbortMathProc = true;
  const double beforeAbort = ProcStat;
  EXPECT_FALSE(Decompose(a, 7, 4).ok);
  EXPECT_EQ(ProcStat - beforeAbort, 1.0);
  AbortMathProc = false;
}

}  // namespace
}  // namespace qor::detail
