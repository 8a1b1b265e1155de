// Test helpers for the raw-buffer decompositions: column-major n x n and m x n matrices as
// std::vector<double>, reproducible random fills, classic ill-conditioned matrices and the
// residual measures the invariants are checked with.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <random>
#include <vector>

namespace qor::detail::testing {

using TDense = std::vector<double>;  // column-major, element (i, j) at j * rows + i

inline constexpr double kEps = std::numeric_limits<double>::epsilon();

inline TDense RandomMatrix(std::ptrdiff_t Rows, std::ptrdiff_t Cols, std::uint64_t Seed) {
  std::mt19937_64 gen(Seed);
  std::uniform_real_distribution<double> uniform(-1.0, 1.0);
  TDense a(static_cast<std::size_t>(Rows * Cols));
  for (double& x : a) x = uniform(gen);
  return a;
}

inline TDense RandomSymmetric(std::ptrdiff_t n, std::uint64_t Seed) {
  TDense a = RandomMatrix(n, n, Seed);
  for (std::ptrdiff_t j = 0; j < n; ++j)
    for (std::ptrdiff_t i = j + 1; i < n; ++i) a[j * n + i] = a[i * n + j];
  return a;
}

// H(i, j) = 1 / (i + j + 1), 0-based: symmetric positive definite, condition ~ e^(3.5 n).
inline TDense Hilbert(std::ptrdiff_t n) {
  TDense a(static_cast<std::size_t>(n * n));
  for (std::ptrdiff_t j = 0; j < n; ++j)
    for (std::ptrdiff_t i = 0; i < n; ++i) a[j * n + i] = 1.0 / static_cast<double>(i + j + 1);
  return a;
}

// D S D with S random symmetric plus n on the diagonal and D = diag(10^(-k)): symmetric with
// entries graded over 2(n-1) decades.
inline TDense GradedSymmetric(std::ptrdiff_t n, std::uint64_t Seed) {
  TDense a = RandomSymmetric(n, Seed);
  for (std::ptrdiff_t j = 0; j < n; ++j)
    for (std::ptrdiff_t i = 0; i < n; ++i) {
      if (i == j) a[j * n + i] += static_cast<double>(n);
      a[j * n + i] *= std::pow(10.0, -static_cast<double>(i + j));
    }
  return a;
}

// C = A B with A m x k and B k x n, long double sums so that the product itself adds no error.
inline TDense Product(const TDense& A, const TDense& B, std::ptrdiff_t m, std::ptrdiff_t k,
                      std::ptrdiff_t n) {
  TDense c(static_cast<std::size_t>(m * n));
  for (std::ptrdiff_t j = 0; j < n; ++j)
    for (std::ptrdiff_t i = 0; i < m; ++i) {
      long double sum = 0.0L;
      for (std::ptrdiff_t p = 0; p < k; ++p)
        sum += static_cast<long double>(A[p * m + i]) * B[j * k + p];
      c[j * m + i] = static_cast<double>(sum);
    }
  return c;
}

inline TDense Transposed(const TDense& A, std::ptrdiff_t Rows, std::ptrdiff_t Cols) {
  TDense t(A.size());
  for (std::ptrdiff_t j = 0; j < Cols; ++j)
    for (std::ptrdiff_t i = 0; i < Rows; ++i) t[i * Cols + j] = A[j * Rows + i];
  return t;
}

inline double MaxAbs(const TDense& A) {
  double m = 0.0;
  for (double x : A) m = std::max(m, std::fabs(x));
  return m;
}

inline double MaxAbsDifference(const TDense& A, const TDense& B) {
  double m = 0.0;
  for (std::size_t k = 0; k < A.size(); ++k) m = std::max(m, std::fabs(A[k] - B[k]));
  return m;
}

inline TDense Identity(std::ptrdiff_t n) {
  TDense a(static_cast<std::size_t>(n * n), 0.0);
  for (std::ptrdiff_t i = 0; i < n; ++i) a[i * n + i] = 1.0;
  return a;
}

}  // namespace qor::detail::testing
