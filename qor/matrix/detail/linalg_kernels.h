// Element-wise kernels on contiguous runs of doubles, used by the eigen, SVD and LU cores.
//
// Every kernel updates independent elements (or independent output sums) and performs, for
// each element, exactly the operations its scalar formula states, in that order, rounded to
// double after each one (no fused multiply-add). The vector lanes therefore reproduce the plain
// scalar loop bit for bit; the processor's widest vector unit is chosen at load time.
// Lengths may be 0; the two runs of a kernel must not overlap.
#pragma once

#include <cstddef>

namespace qor::detail {

// The Jacobi rotation of element pairs: x' = x - s(y + x tau), y' = y + s(x - y tau).
void JacobiRotate(double* x, double* y, std::ptrdiff_t Length, double s, double tau);

// The same rotation where y is strided: y[k * Stride].
void JacobiRotateStrided(double* x, double* y, std::ptrdiff_t Stride, std::ptrdiff_t Length,
                         double s, double tau);

// One Jacobi rotation of a chain: the offset of its partners from the block (a row when the
// partners are strided, the start of a column when they are contiguous) and its s and tau.
struct TChainRotation {
  std::ptrdiff_t Row;
  double s;
  double tau;
};

// For every head j < Count: the rotations Chain[0 .. Length-1], in order, each applied to the
// pair (Head[j], Block[j * Ld + Row]) as in JacobiRotate. Head[j] takes part in every rotation
// of its chain, the block elements in one each. With Ld = 1 the heads' partners are contiguous
// (Row is then the offset of a column); otherwise they lie Ld apart. Runs at the active vector
// level of simd_level.h, so tests can hold every level to the scalar loop.
void JacobiRotateChain(double* Head, double* Block, std::ptrdiff_t Ld, std::ptrdiff_t Count,
                       const TChainRotation* Chain, std::ptrdiff_t Length);

// The plane rotation x' = x c + y s, y' = y c - x s.
void PlaneRotate(double* x, double* y, std::ptrdiff_t Length, double c, double s);

// y[k] := y[k] + Factor * x[k].
void AddScaled(double* y, const double* x, std::ptrdiff_t Length, double Factor);

// y[k] := y[k] - Factor * x[k].
void SubtractScaled(double* y, const double* x, std::ptrdiff_t Length, double Factor);

// Four SubtractScaled in a row, fused: y[k] := (((y[k] - f[0] x0[k]) - f[1] x1[k]) - f[2] x2[k])
// - f[3] x3[k], with x_i = Columns[i]; each y[k] is read and written once.
void SubtractScaled4(double* y, const double* const Columns[4], std::ptrdiff_t Length,
                     const double Factors[4]);

// x[k] := x[k] * Factor.
void Scale(double* x, std::ptrdiff_t Length, double Factor);

// Sum of x[k] * y[k]; the terms are added in four interleaved partial sums (k mod 4), which are
// then added in lane order. Used only where the summation order is ours to choose.
double Dot(const double* x, const double* y, std::ptrdiff_t Length);

}  // namespace qor::detail

namespace qor::detail {

// Number of right-hand sides that SubtractRowTerms handles at once.
inline constexpr std::ptrdiff_t kRowTermWidth = 8;

// For each of kRowTermWidth right-hand sides c: Acc[c] := Acc[c] - Coeff[k] * Rows[k][c] for
// k = 0 .. Count - 1 in increasing order, Rows[k] being kRowTermWidth consecutive doubles.
void SubtractRowTerms(double* Acc, const double* Coeff, const double* Rows, std::ptrdiff_t Count);

}  // namespace qor::detail
