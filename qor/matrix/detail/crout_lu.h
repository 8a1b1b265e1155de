// Crout LU factorisation with implicit row scaling, and inversion through it, on raw buffers.
//
// PA = LU with L unit lower triangular and U upper triangular, both kept in the factored
// matrix (L below the diagonal). Each row is scaled implicitly by 1/(its largest |element|)
// for the choice of pivot only: the pivot of column j is the row i >= j with the largest
// s(i)|a(i, j)|, ties going to the later row. A pivot below 1e-100 in magnitude counts as
// zero: it is replaced by 1e-100 and the factorisation reports kSingular but runs on. Every
// element receives its subtractions one at a time, in increasing summation index, rounded to
// double after each; the loops are arranged column-wise so that this order holds while the
// work streams through contiguous columns.
//
// Buffers are n x n column-major (element (row i, column j) at j * n + i), indices 0-based;
// Pivot[j] is the row exchanged with row j at step j. The inputs must be finite.
#pragma once

#include <cstdint>
#include <vector>

namespace qor::detail {

// A pivot smaller in magnitude counts as zero; it is replaced by this value.
inline constexpr double kTinyPivot = 1e-100;
inline constexpr long double kTinyPivotThreshold = 1e-100L;

enum class TCroutEnd : std::uint8_t { kFactored, kSingular, kAborted };

// How a factorisation reports progress. kSilent counts nothing; kPerColumn counts one step
// (ProcStat, MathFeedBackProc) before each column and stops with kAborted when AbortMathProc
// is set, which is also polled once before the scaling.
enum class TCroutProgress : std::uint8_t { kSilent, kPerColumn };

// Implicit scale factors 1/max|a(i, j)| of the rows. False when a row is all zeros (its factor
// is then left 0); the other rows are still scaled.
bool RowScaleFactors(const double* a, int32_t n, std::vector<double>& Scale);

// Factors a in place. Parity is negated at every row exchange. When a zero row makes the
// scaling fail, nothing is factored and the result is kSingular.
TCroutEnd CroutFactor(double* a, int32_t n, std::vector<int32_t>& Pivot, int32_t& Parity,
                      TCroutProgress Progress);

// Inverse := A⁻¹ from the factors of CroutFactor, column by column of the identity: the
// right-hand side is permuted in pivot order, then solved by forward substitution with L and
// back substitution with U, each element's sum taking its terms in increasing index. Counts a
// step before each column and stops with kAborted when AbortMathProc is set.
TCroutEnd CroutInverse(const double* a, int32_t n, const std::vector<int32_t>& Pivot,
                       double* Inverse);

}  // namespace qor::detail
