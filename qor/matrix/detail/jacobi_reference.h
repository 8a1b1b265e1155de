// The cyclic Jacobi method written as a textbook writes it, for the tests and the benchmark:
// element access by (row, column) on the full column-major buffer, each rotation's three
// partial loops and the eigenvector update strided or not as they come. The library's solver
// must reproduce it bit for bit, progress counts included.
#pragma once

#include <cmath>
#include <cstddef>

#include "qor/frame/hooks.h"
#include "qor/matrix/detail/dense_test_support.h"
#include "qor/matrix/detail/jacobi_eigen.h"

namespace qor::detail::testing {

inline TJacobiEnd TextbookJacobi(TDense& a, std::ptrdiff_t n, TDense& d, TDense& v) {
  auto A = [&](std::ptrdiff_t r, std::ptrdiff_t c) -> double& { return a[c * n + r]; };
  auto V = [&](std::ptrdiff_t r, std::ptrdiff_t c) -> double& { return v[c * n + r]; };
  TDense b(n), z(n, 0.0);
  d.assign(n, 0.0);
  v = testing::Identity(n);
  for (std::ptrdiff_t p = 0; p < n; ++p) d[p] = b[p] = A(p, p);
  for (int sweep = 1; sweep <= 100; ++sweep) {
    ProcStat = ProcStat + 1.0;
    double sm = 0.0;
    for (std::ptrdiff_t p = 0; p < n - 1; ++p)
      for (std::ptrdiff_t q = p + 1; q < n; ++q) sm += std::fabs(A(p, q));
    if (sm == 0.0) return TJacobiEnd::kConverged;
    const double tresh = sweep < 4 ? 0.2 * sm / (static_cast<double>(n) * n) : 0.0;
    for (std::ptrdiff_t p = 0; p < n - 1; ++p)
      for (std::ptrdiff_t q = p + 1; q < n; ++q) {
        if (AbortMathProc) return TJacobiEnd::kAborted;
        ProcStat = ProcStat + 1.0;
        const double g = 200.0 * std::fabs(A(p, q));
        if (sweep > 4 && std::fabs(d[p]) + g == std::fabs(d[p]) &&
            std::fabs(d[q]) + g == std::fabs(d[q])) {
          A(p, q) = 0.0;
        } else if (std::fabs(A(p, q)) > tresh) {
          double h = d[q] - d[p];
          double t;
          if (std::fabs(h) + g == std::fabs(h)) {
            t = A(p, q) / h;
          } else {
            const double theta = h / A(p, q) / 2.0;
            t = 1.0 / (std::fabs(theta) + std::sqrt(theta * theta + 1.0));
            if (theta < 0.0) t = -t;
          }
          const double c = 1.0 / std::sqrt(t * t + 1.0), s = t * c, tau = s / (1.0 + c);
          h = t * A(p, q);
          z[p] -= h;
          z[q] += h;
          d[p] -= h;
          d[q] += h;
          A(p, q) = 0.0;
          auto rotate = [s, tau](double& x, double& y) {
            const double g0 = x, h0 = y;
            x = g0 - s * (h0 + g0 * tau);
            y = h0 + s * (g0 - h0 * tau);
          };
          for (std::ptrdiff_t j = 0; j < p; ++j) rotate(A(j, p), A(j, q));
          for (std::ptrdiff_t j = p + 1; j < q; ++j) rotate(A(p, j), A(j, q));
          for (std::ptrdiff_t j = q + 1; j < n; ++j) rotate(A(p, j), A(q, j));
          for (std::ptrdiff_t j = 0; j < n; ++j) rotate(V(j, p), V(j, q));
        }
      }
    for (std::ptrdiff_t p = 0; p < n; ++p) {
      b[p] += z[p];
      d[p] = b[p];
      z[p] = 0.0;
    }
  }
  return TJacobiEnd::kNotConverged;
}

}  // namespace qor::detail::testing
