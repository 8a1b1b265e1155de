// Cholesky factorisation A = L Lᵀ of a symmetric positive definite matrix in a raw buffer.
//
// Row i of Lᵀ is formed from the lower triangle of A (diagonal included) and the rows of Lᵀ
// above it: sum = a(j, i) - Σ_{k = i-1 down to 0} a(k, i) a(k, j), each subtraction rounded to
// double; the diagonal is d(i) = sqrt(sum) and the off-diagonal factors a(i, j) = sum / d(i),
// j > i, are written into the strict upper triangle of A. The diagonal and lower triangle of A
// are never written. Buffer: n x n column-major, element (row i, column j) at j * n + i,
// 0-based.
#pragma once

#include <cstdint>

namespace qor::detail {

// Writes Lᵀ's off-diagonal part into A's strict upper triangle and L's diagonal into d (n).
// False as soon as a diagonal sum is not positive (NaN included); what was written up to then
// stays.
bool CholeskyCore(double* A, int32_t n, double* d);

}  // namespace qor::detail
