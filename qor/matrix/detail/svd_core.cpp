#include "qor/matrix/detail/svd_core.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

#include "qor/matrix/detail/linalg_kernels.h"
#include "qor/matrix/detail/step_hooks.h"

namespace qor::detail {
namespace {

using Index = std::ptrdiff_t;

double Length(double a, double b) {
  const long double x = a;
  const long double y = b;
  return static_cast<double>(std::sqrt(x * x + y * y));
}

// |a| with the sign of b, the sign of 0 counting as positive.
double WithSignOf(double a, double b) { return b >= 0.0 ? std::fabs(a) : -std::fabs(a); }

bool Negligible(double x, double anorm) { return std::fabs(x) + anorm == anorm; }

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
        rowSums(static_cast<std::size_t>(Rows)) {}

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
  double& E(Index i) { return rv1[static_cast<std::size_t>(i)]; }

  bool Bidiagonalise() {
    double g = 0.0;
    double scale = 0.0;
    for (Index i = 0; i < n; ++i) {
      if (StepAborted()) return false;
      const Index l = i + 1;
      E(i) = scale * g;
      g = scale = 0.0;
      if (i < m) {
        double* col = ColA(i) + i;
        const Index len = m - i;
        for (Index k = 0; k < len; ++k) scale += std::fabs(col[k]);
        if (scale != 0.0) {
          for (Index k = 0; k < len; ++k) col[k] = col[k] / scale;
          const double s = Dot(col, col, len);
          const double f = col[0];
          g = -WithSignOf(std::sqrt(s), f);
          const double h = f * g - s;
          col[0] = f - g;
          for (Index j = l; j < n; ++j) {
            double* target = ColA(j) + i;
            AddScaled(target, col, len, Dot(col, target, len) / h);
          }
          Scale(col, len, scale);
        }
      }
      w[i] = scale * g;
      g = scale = 0.0;
      if (i < m && i != n - 1) {
        double* row = rowBuf.data();  // row i, columns l .. n-1, gathered
        const Index len = n - l;
        for (Index k = 0; k < len; ++k) row[k] = A(i, l + k);
        for (Index k = 0; k < len; ++k) scale += std::fabs(row[k]);
        if (scale != 0.0) {
          for (Index k = 0; k < len; ++k) row[k] = row[k] / scale;
          const double s = Dot(row, row, len);
          const double f = row[0];
          g = -WithSignOf(std::sqrt(s), f);
          const double h = f * g - s;
          row[0] = f - g;
          for (Index k = 0; k < len; ++k) E(l + k) = row[k] / h;
          // Rows l .. m-1: t(j) = Σ_k a(j, k) row(k), then a(j, k) += t(j) e(k).
          double* t = rowSums.data();
          std::fill(t, t + std::max<Index>(m - l, 0), 0.0);
          for (Index k = 0; k < len; ++k) AddScaled(t, ColA(l + k) + l, m - l, row[k]);
          for (Index k = 0; k < len; ++k) AddScaled(ColA(l + k) + l, t, m - l, E(l + k));
          for (Index k = 0; k < len; ++k) A(i, l + k) = row[k] * scale;
        }
      }
      anorm = std::max(anorm, std::fabs(w[i]) + std::fabs(E(i)));
    }
    lastG = g;
    return true;
  }

  bool AccumulateRight() {
    double g = lastG;
    Index l = n;
    for (Index i = n - 1; i >= 0; --i) {
      if (StepAborted()) return false;
      if (i < n - 1) {
        if (g != 0.0) {
          double* row = rowBuf.data();  // row i of A, columns l .. n-1
          const Index len = n - l;
          for (Index k = 0; k < len; ++k) row[k] = A(i, l + k);
          for (Index j = l; j < n; ++j) Vm(j, i) = (row[j - l] / row[0]) / g;
          for (Index j = l; j < n; ++j) {
            double* colJ = ColV(j) + l;
            AddScaled(colJ, ColV(i) + l, len, Dot(row, colJ, len));
          }
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
      double g = w[i];
      for (Index j = l; j < n; ++j) A(i, j) = 0.0;
      double* col = ColA(i);
      if (g != 0.0) {
        g = 1.0 / g;
        for (Index j = l; j < n; ++j) {
          double* target = ColA(j);
          const double s = Dot(col + l, target + l, m - l);
          AddScaled(target + i, col + i, m - i, (s / A(i, i)) * g);
        }
        Scale(col + i, m - i, g);
      } else {
        std::fill(col + i, col + m, 0.0);
      }
      A(i, i) += 1.0;
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
        double z = w[k];
        if (l == k) {
          if (z < 0.0) {
            w[k] = -z;
            Scale(ColV(k), n, -1.0);
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
    double c = 0.0;
    double s = 1.0;
    for (Index i = l; i <= k; ++i) {
      const double f = s * E(i);
      E(i) = c * E(i);
      if (Negligible(f, anorm)) break;
      const double g = w[i];
      double h = Length(f, g);
      w[i] = h;
      h = 1.0 / h;
      c = g * h;
      s = -f * h;
      PlaneRotate(ColA(nm), ColA(i), m, c, s);
    }
  }

  // One implicit QR sweep on rows/columns l .. k with the shift from the trailing 2 x 2 minor.
  void QrSweep(Index l, Index k) {
    double x = w[l];
    const Index nm = k - 1;
    double y = w[nm];
    double g = E(nm);
    double h = E(k);
    const double z0 = w[k];
    double f = ((y - z0) * (y + z0) + (g - h) * (g + h)) / (2.0 * h * y);
    g = Length(f, 1.0);
    f = ((x - z0) * (x + z0) + h * ((y / (f + WithSignOf(g, f))) - h)) / x;
    double c = 1.0;
    double s = 1.0;
    for (Index j = l; j <= nm; ++j) {
      const Index i = j + 1;
      g = E(i);
      y = w[i];
      h = s * g;
      g = c * g;
      double z = Length(f, h);
      E(j) = z;
      c = f / z;
      s = h / z;
      f = x * c + g * s;
      g = g * c - x * s;
      h = y * s;
      y = y * c;
      PlaneRotate(ColV(j), ColV(i), n, c, s);
      z = Length(f, h);
      w[j] = z;
      if (z != 0.0) {
        z = 1.0 / z;
        c = f * z;
        s = h * z;
      }
      f = c * g + s * y;
      x = c * y - s * g;
      PlaneRotate(ColA(j), ColA(i), m, c, s);
    }
    E(l) = 0.0;
    E(k) = f;
    w[k] = x;
  }

  double* a;
  double* v;
  double* w;
  Index m;
  Index n;
  std::vector<double> rv1;      // the superdiagonal e
  std::vector<double> rowBuf;   // one gathered row of A
  std::vector<double> rowSums;  // the row reflector's products with the rows below
  double anorm = 0.0;
  double lastG = 0.0;
};

}  // namespace

bool SvdCore(double* A, int32_t m, int32_t n, double* w, double* V) {
  return TSvd(A, m, n, w, V).Run();
}

}  // namespace qor::detail
