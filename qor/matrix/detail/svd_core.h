// Singular value decomposition A = U diag(w) Vᵀ of a raw column-major buffer (Golub-Reinsch).
//
// Householder reflections reduce A (m x n, any m, n >= 1) to bidiagonal form, column reflector
// then row reflector for each column, every reflector built on the sub-column (sub-row) scaled
// by the sum of its absolute values. The right-hand transformations are accumulated into V,
// the left-hand ones into the buffer, which becomes U (m x n, orthonormal columns where
// w != 0). The bidiagonal form is then diagonalised from the last value up by implicitly
// shifted QR sweeps of plane rotations; a superdiagonal or diagonal value counts as zero when
// adding its magnitude to anorm = max(|w(i)| + |e(i)|) leaves anorm unchanged. A value still
// unconverged when its 30th sweep starts makes the result false; that sweep is still made and
// the next value is taken. The singular values come out non-negative and unsorted.
//
// The elements of A, V and w are stored as double; every other quantity (scales, norms, the
// reflectors' h, f, g, the superdiagonal e, anorm, the rotations' c, s and the shift) is 80-bit
// extended, and so is every sum, each adding its terms one by one in index order. An element
// update is formed in extended precision from the stored double and rounded once when stored,
// except the updates of A's m-long columns (by the reflectors, in the reduction and in the
// accumulation of U, and by the rotations applied to U), which round their multiplier (the
// reflector's factors, the rotation's c and s) to double and update in double.
// Lengths sqrt(a² + b²) are formed directly in 80-bit, whose range keeps them from overflowing
// or underflowing. Buffers: element (row i, column j) of A at j * m + i, of V at j * n + i,
// 0-based. Progress: one counted step (ProcStat, MathFeedBackProc) before each column of the
// reduction, each step of the two accumulations and each value of the diagonalisation;
// AbortMathProc is polled after each count and stops the decomposition with a false result at once.
#pragma once

#include <cstdint>

namespace qor::detail {

// Sweeps allowed per singular value.
inline constexpr int32_t kMaxSvdSweeps = 30;

// Overwrites A (m x n) with U, fills w (n) and V (n x n). False on an abort or when a value
// did not converge. Throws std::bad_alloc when its work space cannot be had.
bool SvdCore(double* A, int32_t m, int32_t n, double* w, double* V);

}  // namespace qor::detail
