// Cyclic Jacobi diagonalisation of a symmetric matrix held in a raw column-major buffer.
//
// The classic cyclic Jacobi method: sweeps visit the pairs (p, q), p < q, row by row and
// annihilate A[p, q] with one plane rotation each, so that A converges to D = Vᵀ A V with V
// orthogonal. The eigenvalue updates are accumulated in a separate vector per sweep to limit
// rounding drift. Rotations are skipped below a threshold of 0.2 sm / n² in the first three
// sweeps (sm the sum of |A[p, q]| at the start of the sweep) and off-diagonal elements that are
// negligible next to both diagonal values are set to zero from the fifth sweep on.
//
// Indices are 0-based here; the buffer holds element (row r, column c) at c * n + r. Only the
// diagonal and the strict upper triangle are read; the strict upper triangle is overwritten
// with what the iteration leaves there (zeros after convergence), the rest is untouched.
// Progress: one counted step (ProcStat, MathFeedBackProc) per convergence test and per visited
// pair; AbortMathProc is polled before every pair and stops the iteration with kAborted.
#pragma once

#include <cstdint>

namespace qor::detail {

// Largest order the eigen solver accepts.
inline constexpr int32_t kMaxJacobiOrder = 10000;
// Convergence tests (and so sweeps) at most.
inline constexpr int32_t kMaxJacobiSweeps = 100;

enum class TJacobiEnd : std::uint8_t { kConverged, kNotConverged, kAborted };

// Diagonalises the n x n matrix A (0 < n <= kMaxJacobiOrder). EigVal receives the n
// eigenvalues in the order the iteration leaves them, EigVec the n x n column-major matrix V
// whose column k is the eigenvector of EigVal[k]. On kNotConverged or kAborted both hold the
// state of the iteration where it stopped. Throws std::bad_alloc when its work space cannot
// be had.
TJacobiEnd CyclicJacobi(double* A, int32_t n, double* EigVal, double* EigVec);

}  // namespace qor::detail
