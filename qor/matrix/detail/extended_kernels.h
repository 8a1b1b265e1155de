// Kernels on contiguous runs of doubles whose scalars and sums are 80-bit extended (long double),
// for the decompositions whose intermediates are extended while their elements stay double.
//
// An element result is formed in extended precision from the stored doubles and the extended
// scalars, in the order its formula states, and rounded to double once, when it is stored. A sum
// adds its terms one at a time in increasing index order into one extended accumulator that
// starts at 0; kernels forming several independent sums at once keep that order in each, so
// they give the same bits as one sum after the other. Lengths may be 0; a run that is written
// must not overlap a run that is read.
#pragma once

#include <cstddef>

namespace qor::detail {

// Σ |x[k]|.
long double SumOfMagnitudes(const double* x, std::ptrdiff_t Length);

// Σ x[k] y[k].
long double ExtendedDot(const double* x, const double* y, std::ptrdiff_t Length);

// Sums[j] := Σ_k x[k] Y[j Ld + k] for j < Count: the products of x with Count columns of Y.
void ExtendedDots(const double* x, const double* Y, std::ptrdiff_t Ld, std::ptrdiff_t Count,
                  std::ptrdiff_t Length, long double* Sums);

// Sums[j] := Σ_k A[k Ld + j] x[k] over k < Cols, for j < Rows: the products of the rows of the
// column-major block A (Rows x Cols) with x.
void ExtendedRowDots(const double* A, std::ptrdiff_t Ld, std::ptrdiff_t Rows, std::ptrdiff_t Cols,
                     const double* x, long double* Sums);

// y[k] := y[k] + Factor x[k].
void ExtendedAddScaled(double* y, const double* x, std::ptrdiff_t Length, long double Factor);

// x[k] := x[k] Factor.
void ExtendedScale(double* x, std::ptrdiff_t Length, long double Factor);

// x[k] := x[k] / Divisor.
void ExtendedDivide(double* x, std::ptrdiff_t Length, long double Divisor);

// The plane rotation x' = x c + y s, y' = y c - x s.
void ExtendedPlaneRotate(double* x, double* y, std::ptrdiff_t Length, long double c, long double s);

}  // namespace qor::detail
