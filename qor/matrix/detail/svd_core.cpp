#include "qor/matrix/detail/svd_core.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

#include "qor/matrix/detail/extended_kernels.h"
#include "qor/matrix/detail/linalg_kernels.h"
#include "qor/matrix/detail/step_hooks.h"

namespace qor::detail {
namespace {

using Index = std::ptrdiff_t;
using Extended = long double;

Extended Length(Extended a, Extended b) { return std::sqrt(a * a + b * b); }

// |a| with the sign of b, the sign of 0 counting as positive.
Extended WithSignOf(Extended a, Extended b) { return b >= 0.0L ? std::fabs(a) : -std::fabs(a); }

bool Negligible(Extended x, Extended anorm) { return std::fabs(x) + anorm == anorm; }

bool StepAborted() {
  CountStep();
  return AbortRequested();
}

class TSvd {
 public:
  TSvd(double* A, Index Rows, Index Cols, double* W, double* V)
      : a(A),
        v(V),
        w(W),
        m(Rows),
        n(Cols),
        rv1(static_cast<std::size_t>(Cols)),
        rowBuf(static_cast<std::size_t>(Cols)),
        sums(static_cast<std::size_t>(std::max(Rows, Cols))),
        roundedSums(static_cast<std::size_t>(Rows)) {}

  bool Run() {
    if (!Bidiagonalise()) return false;
    if (!AccumulateRight()) return false;
    if (!AccumulateLeft()) return false;
    return Diagonalise();
  }

 private:
  double& A(Index i, Index j) { return a[j * m + i]; }
  double& Vm(Index i, Index j) { return v[j * n + i]; }
  double* ColA(Index j) { return a + j * m; }
  double* ColV(Index j) { return v + j * n; }
  Extended& E(Index i) { return rv1[static_cast<std::size_t>(i)]; }

  // The updates of A's m-long columns - by the reflectors while A is reduced and while U is
  // accumulated, and by the rotations applied to U - round their multiplier to double and run
  // in double on the vector unit. Carried in extended they are scalar x87 work: a 1000 x 50
  // decomposition then took 5 times (with the rotations, 9 times) as long as LAPACK's dgesdd
  // instead of 3.6 times. Sums, scalars and the n-long updates of V stay extended.
  static void AddToColumnOfA(double* Target, const double* Source, Index Length, Extended f) {
    AddScaled(Target, Source, Length, static_cast<double>(f));
  }

  void RotateColumnsOfA(Index j, Index i, Extended c, Extended s) {
    PlaneRotate(ColA(j), ColA(i), m, static_cast<double>(c), static_cast<double>(s));
  }

  // Row i, columns From .. n-1, copied into rowBuf.
  double* GatherRow(Index i, Index From) {
    double* row = rowBuf.data();
    for (Index k = From; k < n; ++k) row[k - From] = A(i, k);
    return row;
  }

  // The Householder vector of x (scaled by Scale = Σ|x| on the way): x := x / Scale with
  // x[0] - g in place of x[0], g = -sign(x[0]) ||x / Scale||; returns h = x[0] g - ||x||².
  static Extended Reflector(double* x, Index Length, Extended Scale, Extended& g) {
    ExtendedDivide(x, Length, Scale);
    const Extended s = ExtendedDot(x, x, Length);
    const Extended f = x[0];
    g = -WithSignOf(std::sqrt(s), f);
    x[0] = static_cast<double>(f - g);
    return f * g - s;
  }

  bool Bidiagonalise() {
    Extended g = 0.0L;
    Extended scale = 0.0L;
    for (Index i = 0; i < n; ++i) {
      if (StepAborted()) return false;
      const Index l = i + 1;
      E(i) = scale * g;
      g = scale = 0.0L;
      if (i < m) {
        double* col = ColA(i) + i;
        const Index len = m - i;
        scale = SumOfMagnitudes(col, len);
        if (scale != 0.0L) {
          const Extended h = Reflector(col, len, scale, g);
          if (l < n)
            ExtendedDots(col, ColA(l) + i, m, n - l, len, sums.data());  // ColA(n) + i: past A
          for (Index j = l; j < n; ++j) AddToColumnOfA(ColA(j) + i, col, len, sums[j - l] / h);
          ExtendedScale(col, len, scale);
        }
      }
      w[i] = static_cast<double>(scale * g);
      g = scale = 0.0L;
      if (i < m && i != n - 1) {
        double* row = GatherRow(i, l);
        const Index len = n - l;
        scale = SumOfMagnitudes(row, len);
        if (scale != 0.0L) {
          const Extended h = Reflector(row, len, scale, g);
          for (Index k = 0; k < len; ++k) E(l + k) = row[k] / h;
          // Rows l .. m-1: t(j) = Σ_k a(j, k) row(k), then a(j, k) += t(j) e(k).
          ExtendedRowDots(ColA(l) + l, m, m - l, len, row, sums.data());
          for (Index j = 0; j < m - l; ++j) roundedSums[j] = static_cast<double>(sums[j]);
          for (Index k = 0; k < len; ++k)
            AddToColumnOfA(ColA(l + k) + l, roundedSums.data(), m - l, E(l + k));
          for (Index k = 0; k < len; ++k) A(i, l + k) = static_cast<double>(row[k] * scale);
        }
      }
      anorm = std::max(anorm, std::fabs(static_cast<Extended>(w[i])) + std::fabs(E(i)));
    }
    return true;
  }

  bool AccumulateRight() {
    Extended g = 0.0L;
    Index l = n;
    for (Index i = n - 1; i >= 0; --i) {
      if (StepAborted()) return false;
      if (i < n - 1) {
        if (g != 0.0L) {
          const double* row = GatherRow(i, l);
          const Index len = n - l;
          for (Index j = l; j < n; ++j)
            Vm(j, i) = static_cast<double>((static_cast<Extended>(row[j - l]) / row[0]) / g);
          ExtendedDots(row, ColV(l) + l, n, len, len, sums.data());
          for (Index j = l; j < n; ++j)
            ExtendedAddScaled(ColV(j) + l, ColV(i) + l, len, sums[j - l]);
        }
        for (Index j = l; j < n; ++j) Vm(i, j) = Vm(j, i) = 0.0;
      }
      Vm(i, i) = 1.0;
      g = E(i);
      l = i;
    }
    return true;
  }

  bool AccumulateLeft() {
    for (Index i = std::min(m, n) - 1; i >= 0; --i) {
      if (StepAborted()) return false;
      const Index l = i + 1;
      Extended g = w[i];
      for (Index j = l; j < n; ++j) A(i, j) = 0.0;
      double* col = ColA(i);
      if (g != 0.0L) {
        g = 1.0L / g;
        if (l < n)
          ExtendedDots(col + l, ColA(l) + l, m, n - l, m - l, sums.data());  // ColA(n) + l: past A
        for (Index j = l; j < n; ++j) {
          const Extended f = (sums[j - l] / A(i, i)) * g;
          AddToColumnOfA(ColA(j) + i, col + i, m - i, f);
        }
        ExtendedScale(col + i, m - i, g);
      } else {
        std::fill(col + i, col + m, 0.0);
      }
      A(i, i) = static_cast<double>(A(i, i) + 1.0L);
    }
    return true;
  }

  bool Diagonalise() {
    bool converged = true;
    for (Index k = n - 1; k >= 0; --k) {
      if (StepAborted()) return false;
      for (int32_t its = 1; its <= kMaxSvdSweeps; ++its) {
        Index l = k;
        bool cancel = true;
        for (; l >= 0; --l) {
          if (Negligible(E(l), anorm)) {
            cancel = false;
            break;
          }
          if (Negligible(w[l - 1], anorm)) break;
        }
        if (cancel) Cancel(l, k);
        if (l == k) {
          if (w[k] < 0.0) {
            w[k] = -w[k];
            for (Index j = 0; j < n; ++j) Vm(j, k) = -Vm(j, k);
          }
          break;
        }
        if (its == kMaxSvdSweeps) converged = false;
        QrSweep(l, k);
      }
    }
    return converged;
  }

  // w(l-1) is negligible: rotate e(l) .. e(k) away against the diagonal.
  void Cancel(Index l, Index k) {
    const Index nm = l - 1;
    Extended c = 0.0L;
    Extended s = 1.0L;
    for (Index i = l; i <= k; ++i) {
      const Extended f = s * E(i);
      E(i) = c * E(i);
      if (Negligible(f, anorm)) break;
      const Extended g = w[i];
      Extended h = Length(f, g);
      w[i] = static_cast<double>(h);
      h = 1.0L / h;
      c = g * h;
      s = -f * h;
      RotateColumnsOfA(nm, i, c, s);
    }
  }

  // One implicit QR sweep on rows/columns l .. k with the shift from the trailing 2 x 2 minor.
  void QrSweep(Index l, Index k) {
    Extended x = w[l];
    const Index nm = k - 1;
    Extended y = w[nm];
    Extended g = E(nm);
    Extended h = E(k);
    const Extended z0 = w[k];
    Extended f = ((y - z0) * (y + z0) + (g - h) * (g + h)) / (2.0L * h * y);
    g = Length(f, 1.0L);
    f = ((x - z0) * (x + z0) + h * ((y / (f + WithSignOf(g, f))) - h)) / x;
    Extended c = 1.0L;
    Extended s = 1.0L;
    for (Index j = l; j <= nm; ++j) {
      const Index i = j + 1;
      g = E(i);
      y = w[i];
      h = s * g;
      g = c * g;
      Extended z = Length(f, h);
      E(j) = z;
      c = f / z;
      s = h / z;
      f = x * c + g * s;
      g = g * c - x * s;
      h = y * s;
      y = y * c;
      ExtendedPlaneRotate(ColV(j), ColV(i), n, c, s);
      z = Length(f, h);
      w[j] = static_cast<double>(z);
      if (z != 0.0L) {
        z = 1.0L / z;
        c = f * z;
        s = h * z;
      }
      f = c * g + s * y;
      x = c * y - s * g;
      RotateColumnsOfA(j, i, c, s);
    }
    E(l) = 0.0L;
    E(k) = f;
    w[k] = static_cast<double>(x);
  }

  double* a;
  double* v;
  double* w;
  Index m;
  Index n;
  std::vector<Extended> rv1;        // the superdiagonal e
  std::vector<double> rowBuf;       // one gathered row of A
  std::vector<Extended> sums;       // the reflectors' products with the later columns or rows
  std::vector<double> roundedSums;  // the row products as the multipliers of AddToColumnOfA
  Extended anorm = 0.0L;
};

}  // namespace

bool SvdCore(double* A, int32_t m, int32_t n, double* w, double* V) {
  return TSvd(A, m, n, w, V).Run();
}

}  // namespace qor::detail
