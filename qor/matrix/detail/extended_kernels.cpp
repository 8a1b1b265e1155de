#include "qor/matrix/detail/extended_kernels.h"

#include <cmath>

namespace qor::detail {
namespace {

using Index = std::ptrdiff_t;

// Independent sums or updates handled together (columns, or rows in ExtendedRowDots), so that
// the extended adds of one overlap the latency of the others and a shared operand is loaded
// once. Four accumulators and two operands fit the eight registers of the x87 stack.
constexpr Index kBlock = 4;

}  // namespace

long double SumOfMagnitudes(const double* x, Index Length) {
  long double sum = 0.0L;
  for (Index k = 0; k < Length; ++k) sum += std::fabs(x[k]);
  return sum;
}

long double ExtendedDot(const double* x, const double* y, Index Length) {
  long double sum = 0.0L;
  for (Index k = 0; k < Length; ++k) sum += static_cast<long double>(x[k]) * y[k];
  return sum;
}

void ExtendedDots(const double* x, const double* Y, Index Ld, Index Count, Index Length,
                  long double* Sums) {
  Index j = 0;
  for (; j + kBlock <= Count; j += kBlock) {
    const double* y0 = Y + j * Ld;
    const double* y1 = y0 + Ld;
    const double* y2 = y1 + Ld;
    const double* y3 = y2 + Ld;
    long double s0 = 0.0L, s1 = 0.0L, s2 = 0.0L, s3 = 0.0L;
    for (Index k = 0; k < Length; ++k) {
      const long double xk = x[k];
      s0 += xk * y0[k];
      s1 += xk * y1[k];
      s2 += xk * y2[k];
      s3 += xk * y3[k];
    }
    Sums[j] = s0;
    Sums[j + 1] = s1;
    Sums[j + 2] = s2;
    Sums[j + 3] = s3;
  }
  for (; j < Count; ++j) Sums[j] = ExtendedDot(x, Y + j * Ld, Length);
}

void ExtendedRowDots(const double* A, Index Ld, Index Rows, Index Cols, const double* x,
                     long double* Sums) {
  // Four rows at a time, their sums held in registers while the columns go by (rather than
  // a pass per column through sums kept in memory): the four elements of a column are adjacent.
  Index j = 0;
  for (; j + kBlock <= Rows; j += kBlock) {
    long double s0 = 0.0L, s1 = 0.0L, s2 = 0.0L, s3 = 0.0L;
    for (Index k = 0; k < Cols; ++k) {
      const double* a = A + k * Ld + j;
      const long double xk = x[k];
      s0 += a[0] * xk;
      s1 += a[1] * xk;
      s2 += a[2] * xk;
      s3 += a[3] * xk;
    }
    Sums[j] = s0;
    Sums[j + 1] = s1;
    Sums[j + 2] = s2;
    Sums[j + 3] = s3;
  }
  for (; j < Rows; ++j) {
    long double sum = 0.0L;
    for (Index k = 0; k < Cols; ++k) sum += A[k * Ld + j] * static_cast<long double>(x[k]);
    Sums[j] = sum;
  }
}

void ExtendedAddScaled(double* y, const double* x, Index Length, long double Factor) {
  for (Index k = 0; k < Length; ++k) y[k] = static_cast<double>(y[k] + Factor * x[k]);
}

void ExtendedScale(double* x, Index Length, long double Factor) {
  for (Index k = 0; k < Length; ++k) x[k] = static_cast<double>(x[k] * Factor);
}

void ExtendedDivide(double* x, Index Length, long double Divisor) {
  for (Index k = 0; k < Length; ++k) x[k] = static_cast<double>(x[k] / Divisor);
}

void ExtendedPlaneRotate(double* x, double* y, Index Length, long double c, long double s) {
  for (Index k = 0; k < Length; ++k) {
    const long double a = x[k];
    const long double b = y[k];
    x[k] = static_cast<double>(a * c + b * s);
    y[k] = static_cast<double>(b * c - a * s);
  }
}

}  // namespace qor::detail
