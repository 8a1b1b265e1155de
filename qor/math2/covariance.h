// CalcCovar: covariance-type matrices of a block of variables (columns) over observations (rows).
//
// For the p variables of columns LowCol..HighCol over the n observations of rows
// LowRow..HighRow, element (i, j) of the result is, by Mode:
//   0  Σ xᵢxⱼ / (n - 1)                               raw cross products
//   1  Σ (xᵢ - x̄ᵢ)(xⱼ - x̄ⱼ) / (n - 1)                 covariance
//   2  covariance / sqrt(varᵢ varⱼ), diagonal exactly 1 correlation
//   3  the square of the mode-2 value                 squared correlation
//   4  Σ (xᵢ - xⱼ)² / (n - 1)                          mean squared difference
//   any other value: 0.
// varᵢ = (Σxᵢ² - (Σxᵢ)²/n)/(n - 1); a zero product varᵢ varⱼ is replaced by 1e-38 as the
// divisor. The sums run over the observations in row order in 80-bit extended precision.
// Indices are the matrix's 1-based ones. Both bounds 0 selects the whole dimension; any other
// bound is used as given, elements outside X reading as 0. A single observation divides by 0.
#pragma once

#include <cstdint>

#include "qor/matrix/matrix.h"

namespace qor {

// Writes the p x p result into rows and columns 1..p of C (symmetric), leaving the rest of C
// and its size alone, and notifies C once. AbortMathProc is cleared at the start; with
// Mode > 0 each observation of the pass for the sums counts one step (ProcStat,
// MathFeedBackProc), and each element (i, j), j <= i, counts n steps in one addition; the flag
// is polled before each i. False when C has fewer than p rows or columns (nothing done), when
// X or C is nil or both are the same matrix, or when an abort stopped the computation (the
// rows finished so far stay).
bool CalcCovar(const TMatrix* X, TMatrix* C, int32_t LowCol, int32_t HighCol, int32_t LowRow,
               int32_t HighRow, int32_t Mode);

}  // namespace qor
