// Diagonal similarity scaling of a square matrix in a raw buffer (balancing).
//
// A pass visits i = 0 .. n-1: with r and c the sums of |off-diagonal elements| of row i and
// column i, the row is divided and the column multiplied by f = sqrt(r / c), which makes both
// sums sqrt(r c); the transformation D⁻¹ A D keeps the eigenvalues and only rounding changes
// them. Passes repeat until one ends with every applied f below 1.05. A row or column whose
// off-diagonal part is all zero is left alone (scaling it could not equalise anything and a
// zero factor would destroy the matrix), and at most kMaxBalancePasses passes run, because a
// reducible matrix can make the factors drift without end. Buffer: n x n column-major,
// element (row i, column j) at j * n + i, 0-based.
#pragma once

#include <cstdint>

namespace qor::detail {

inline constexpr int32_t kMaxBalancePasses = 100;
inline constexpr long double kBalanceConverged = 1.05L;

// Balances A in place.
void BalanceCore(double* A, int32_t n);

}  // namespace qor::detail
