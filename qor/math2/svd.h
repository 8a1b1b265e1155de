// Singular value decomposition A = U diag(W) Vᵀ of TMatrix components, least-squares fitting
// and equation solving through it, and the Moore-Penrose pseudo-inverse.
//
// All routines share one Golub-Reinsch implementation (qor/matrix/detail/svd_core.h, also
// behind TMatrix::Norm(ntSpectral)): Householder bidiagonalisation, then implicitly shifted QR
// with at most 30 sweeps per singular value, its scalars and sums in 80-bit extended precision
// and the elements in double. A (m rows, n columns, any m, n >= 1) is overwritten by U (m x n);
// V is n x n orthogonal; W holds the n singular values, non-negative.
// Progress: one ProcStat step (with MathFeedBackProc) per column of the reduction, per step of
// each accumulation and per singular value; AbortMathProc stops the decomposition with false.
// Sizes of V, W and result vectors are set by the routines (resizing notifies as Resize does);
// Boolean routines report nil, empty or mismatched arguments with false, procedures raise
// EQORMath2Error "<Routine>: <reason>".
#pragma once

#include "qor/matrix/matrix.h"
#include "qor/vector/vector.h"

namespace qor {

// The decomposition as it comes: singular values unsorted. A becomes U (notifies once), V is
// resized to n x n and filled (notifies once), W receives the values in one store. False on
// an abort, a value unconverged after 30 sweeps, an empty A or a nil argument.
bool SingValDecompCore(TMatrix* A, TMatrix* V, TVector* W);

// Back substitution x = V diag(1/W) Uᵀ b, where a zero W[i] contributes nothing, so that x is
// the least-squares solution of minimum norm when the zero values are the negligible ones.
// s, when not nil, receives sqrt(Σᵢ V[j, i]² / W[i]²) over W[i] != 0: the square roots of the
// diagonal of (AᵀA)⁺, the standard errors of the coefficients for unit-variance data. The sums
// run in index order in double. False when the sizes do not fit (U m x n, V n x n, W n, b m).
bool SingValBackSubst(const TMatrix* U, const TMatrix* V, const TVector* W, const TVector* b,
                      TVector* x, TVector* s);

// Least squares for the design A (m x n, destroyed): decomposes A as it is, sets every
// W[i] < 1e-14 max(W) to 0 (and NearSingular to true), then back-substitutes into x and s (s may
// be nil). A is left as U. The cut is relative to the largest value, so it measures the design's
// conditioning in the units it comes in. False, with x and s untouched, when the decomposition
// fails.
bool SingValLinFit(TMatrix* A, const TVector* b, TVector* x, bool& NearSingular, TVector* s);

// The ordered decomposition: A becomes U, V and W are filled so that A = U diag(W) Vᵀ with W
// descending (the columns of U and V moved with their values). Raises EQORMath2Error for a nil
// or empty argument and when the decomposition fails (no convergence or an abort).
void SingValDecomp(TMatrix* A, TMatrix* V, TVector* W);

// Solves A x = b in the least-squares sense from a decomposition U, V, W of A (as
// SingValDecomp leaves it): singular values below 1e-14 max(W) count as zero, so a singular
// system gets its minimum-norm solution; s (may be nil) as in SingValBackSubst. The inputs are
// not changed. Raises EQORMath2Error when an argument is nil or the sizes do not fit.
void SingValEquSolve(const TMatrix* U, const TMatrix* V, const TVector* W, const TVector* b,
                     TVector* x, TVector* s);

// P := A⁺ (n rows, m columns) = V diag(1/W) Uᵀ, dropping every value with |W[j]| <= Thresh;
// Thresh = 0 means max(m, n) max(W) 1.2e-16. The product V·Uᵀ is formed (through the matrix
// product) also when the decomposition failed, which is then reported by a false result. A is
// not changed. False for nil arguments or P being A.
bool PseudoInverse(const TMatrix* A, TMatrix* P, double Thresh);

}  // namespace qor
