// The cyclic Jacobi method written as a textbook writes it, for the tests and the benchmark:
// element access by (row, column) on full square buffers, each rotation's three partial loops
// and the eigenvector update strided or not as the layout makes them. The classic published
// code keeps a and v as row-major two-dimensional arrays (TRowMajor); the column-major variant
// matches the library's storage. Both perform the same operations, and the library's solver
// must reproduce them bit for bit, progress counts included.
#pragma once

#include <cmath>
#include <cstddef>
#include <cstdint>

#include "qor/frame/hooks.h"
#include "qor/matrix/detail/dense_test_support.h"
#include "qor/matrix/detail/jacobi_eigen.h"

namespace qor::detail::testing {

enum class TLayout : std::uint8_t { kColumnMajor, kRowMajor };

// Element (r, c) of an n x n buffer in the given layout.
template <TLayout Layout>
std::ptrdiff_t At(std::ptrdiff_t r, std::ptrdiff_t c, std::ptrdiff_t n) {
  return Layout == TLayout::kColumnMajor ? c * n + r : r * n + c;
}

// a: the symmetric input in Layout (its upper triangle is consumed); d and v receive the
// eigenvalues and the eigenvectors (column k of v, in Layout).
template <TLayout Layout = TLayout::kColumnMajor>
TJacobiEnd TextbookJacobi(TDense& a, std::ptrdiff_t n, TDense& d, TDense& v) {
  auto A = [&](std::ptrdiff_t r, std::ptrdiff_t c) -> double& { return a[At<Layout>(r, c, n)]; };
  auto V = [&](std::ptrdiff_t r, std::ptrdiff_t c) -> double& { return v[At<Layout>(r, c, n)]; };
  // One counted step: the counter advances by 1 and the feedback hook, when set, sees it.
  auto count = [] {
    ProcStat = ProcStat + 1.0;
    if (MathFeedBackProc != nullptr) MathFeedBackProc(ProcStat);
  };
  TDense b(n), z(n, 0.0);
  d.assign(n, 0.0);
  v = testing::Identity(n);
  for (std::ptrdiff_t p = 0; p < n; ++p) d[p] = b[p] = A(p, p);
  for (int sweep = 1; sweep <= 100; ++sweep) {
    count();
    double sm = 0.0;
    for (std::ptrdiff_t p = 0; p < n - 1; ++p)
      for (std::ptrdiff_t q = p + 1; q < n; ++q) sm += std::fabs(A(p, q));
    if (sm == 0.0) return TJacobiEnd::kConverged;
    const double tresh = sweep < 4 ? 0.2 * sm / (static_cast<double>(n) * n) : 0.0;
    for (std::ptrdiff_t p = 0; p < n - 1; ++p)
      for (std::ptrdiff_t q = p + 1; q < n; ++q) {
        if (AbortMathProc) return TJacobiEnd::kAborted;
        count();
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
