// Eigen analysis of symmetric matrices: CalcEigVec and the process-wide eigen store it fills.
//
// CalcEigVec diagonalises a symmetric matrix A = V diag(λ) Vᵀ by the cyclic Jacobi method
// (qor/matrix/detail/jacobi_eigen.h: thresholds in the first three sweeps, negligible elements
// dropped from the fifth, at most 100 sweeps) and leaves the eigenvalues, unsorted, and the
// orthonormal eigenvectors in one store per process. The store is read with GetEigenResult
// (1-based: eigenvalue k, or component c of eigenvector k) and GetEigenSize, and released by
// RemoveEigenMatrix. Calls that touch the store must not run concurrently.
#pragma once

#include <cstdint>

#include "qor/matrix/matrix.h"

namespace qor {

// Largest order CalcEigVec accepts.
inline constexpr int32_t kMaxEigenOrder = 10000;

// Diagonalises the n x n matrix of A's first n = NrOfColumns columns and rows (rows beyond
// NrOfRows read as 0), reading only the diagonal and the strict upper triangle; the strict
// upper triangle is overwritten with what the iteration leaves there (zeros after
// convergence) and A notifies once. Clears AbortMathProc first. Progress: ProcStat grows by 1
// (and MathFeedBackProc is called) at every convergence test and every visited pair;
// AbortMathProc is polled before every pair. False, with the store untouched, for more than
// kMaxEigenOrder columns or a nil A; false after 100 sweeps without convergence or after an
// abort, the store then holding the state where the iteration stopped. A convergence found at
// the 100th test (after 99 sweeps) counts as success. Lack of memory for the store raises
// EQORMath2Error "CalcEigVec: not enough memory".
bool CalcEigVec(TMatrix* A);

// c = 0: eigenvalue k; 1 <= c <= n: component c of eigenvector k. 0 when the store holds no
// arrays or k, c lie outside 1..n, 0..n.
double GetEigenResult(int32_t k, int32_t c);

// The order n of the last CalcEigVec (0 before the first), also after RemoveEigenMatrix.
int32_t GetEigenSize();

// Releases the eigenvalues and eigenvectors; the size stays.
void RemoveEigenMatrix();

}  // namespace qor
