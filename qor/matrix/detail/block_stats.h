// Moments, extremes and means of a rectangle of matrix elements (see cell_block.h).
//
// Every sum is a double accumulator rounded after each addition, filled columns outer and rows
// inner; integer elements are converted to double before they enter a sum (BlockSum alone
// takes the accumulator type, since the integer matrix sums in 32-bit integers). An empty
// rectangle, which is what a matrix without elements gives, yields the neutral results 0.
//
// MeanVar: n values, sum s, sum of squares q; Mean = s / n; Variance = 1 when n < 3 (a
// deliberate convention of this library, kept for compatibility), otherwise
// (q - s^2 / n) / (n - 1), a negative rounding result becoming 0.
//
// SkewKurt (population form): with m = s / n and d = x - m, sums D1..D4 of d, d^2, d^2*d and
// d^2*d^2; sd = sqrt((D2 - D1^2 / n) / (n - 1)); Skewness = (D3 / n) / sd^3 and
// Kurtosis = (D4 / n) / sd^4 - 3, with sd^3 = sd^2 * sd and sd^4 = sd^2 * sd^2. Both stay 0 when
// n < 2 or sd = 0. The sample form corrects them with the usual bias factors (SampleSkewKurt).
#pragma once

#include <cmath>
#include <cstdint>
#include <optional>

#include "qor/matrix/detail/cell_block.h"

namespace qor::detail {

struct TMeanVar {
  double Mean = 0;
  double Variance = 0;
};

struct TSkewKurt {
  double Skewness = 0;
  double Kurtosis = 0;
};

template <class Acc, class T>
Acc BlockSum(const TCellBlock<const T>& Block) {
  Acc Sum = 0;
  Block.ForEach([&Sum](T x) { Sum += x; });
  return Sum;
}

// Minimum and Maximum keep their start values unless an element is strictly smaller (larger).
template <class T>
void BlockMinMax(const TCellBlock<const T>& Block, T& Minimum, T& Maximum) {
  Block.ForEach([&](T x) {
    if (x < Minimum) Minimum = x;
    if (x > Maximum) Maximum = x;
  });
}

// The variance rule from the sums of n values; shared by the rectangle and the line kernels so
// that a column standardised on its own gets exactly the value MeanVar reports.
inline TMeanVar MeanVarFromSums(int64_t n, double Sum, double SumOfSquares) {
  if (n == 0) return {};
  const double nd = static_cast<double>(n);
  TMeanVar Result{Sum / nd, 1.0};
  if (n >= 3) {
    Result.Variance = (SumOfSquares - Sum * Sum / nd) / (nd - 1);
    if (Result.Variance < 0) Result.Variance = 0;
  }
  return Result;
}

template <class T>
TMeanVar BlockMeanVar(const TCellBlock<const T>& Block) {
  double Sum = 0;
  double SumOfSquares = 0;
  Block.ForEach([&](T Element) {
    const double x = static_cast<double>(Element);
    Sum += x;
    SumOfSquares += x * x;
  });
  return MeanVarFromSums(Block.Count(), Sum, SumOfSquares);
}

template <class T>
TSkewKurt BlockSkewKurt(const TCellBlock<const T>& Block) {
  const int64_t n = Block.Count();
  if (n < 2) return {};
  const double nd = static_cast<double>(n);
  double Sum = 0;
  Block.ForEach([&Sum](T x) { Sum += static_cast<double>(x); });
  const double Mean = Sum / nd;
  double D1 = 0, D2 = 0, D3 = 0, D4 = 0;
  Block.ForEach([&](T x) {
    const double d = static_cast<double>(x) - Mean;
    const double d2 = d * d;
    D1 += d;
    D2 += d2;
    D3 += d2 * d;
    D4 += d2 * d2;
  });
  const double sd = std::sqrt((D2 - D1 * D1 / nd) / (nd - 1));
  if (sd == 0) return {};
  const double sd2 = sd * sd;
  return {(D3 / nd) / (sd2 * sd), (D4 / nd) / (sd2 * sd2) - 3};
}

// The bias-corrected form of SkewKurt for a sample of n values: 0 and 0 when n < 4.
inline TSkewKurt SampleSkewKurt(const TSkewKurt& Population, int64_t Count) {
  if (Count < 4) return {};
  const double n = static_cast<double>(Count);
  const double n1 = n - 1, n2 = n - 2, n3 = n - 3;
  return {n * n * Population.Skewness / (n1 * n2),
          n * n * (n + 1) * (Population.Kurtosis + 3) / (n1 * n2 * n3) - 3 * n1 * n1 / (n2 * n3)};
}

// exp(sum of ln x / rows / columns); 0 when an element is 0 or the block is empty; nullopt
// when an element is negative (the caller raises).
template <class T>
std::optional<double> BlockGeometricMean(const TCellBlock<const T>& Block) {
  bool Negative = false, Zero = false;
  double LogSum = 0;
  Block.ForEach([&](T x) {
    if (x < 0) {
      Negative = true;
    } else if (x == 0) {
      Zero = true;
    } else {
      LogSum += std::log(static_cast<double>(x));
    }
  });
  if (Negative) return std::nullopt;
  if (Zero || Block.Count() == 0) return 0.0;
  return std::exp(LogSum / Block.Rows() / Block.Cols());
}

// count / sum of 1/x; 0 for an empty block; nullopt when an element is <= 0.
template <class T>
std::optional<double> BlockHarmonicMean(const TCellBlock<const T>& Block) {
  bool NonPositive = false;
  double ReciprocalSum = 0;
  Block.ForEach([&](T x) {
    if (x <= 0) NonPositive = true;
    ReciprocalSum += 1.0 / static_cast<double>(x);
  });
  if (NonPositive) return std::nullopt;
  if (Block.Count() == 0) return 0.0;
  return static_cast<double>(Block.Count()) / ReciprocalSum;
}

// Pearson correlation of two equally sized buffers of n element pairs, from the sums of x, y,
// x^2, y^2 and xy; 0 unless n >= 3 and both sums of squares and both centred sums
// Sxx = sum x^2 - (sum x)^2 / n, Syy alike, are positive.
template <class T>
double CorrelateBuffers(const T* X, const T* Y, int64_t n) {
  double Sx = 0, Sy = 0, Sxx = 0, Syy = 0, Sxy = 0;
  for (int64_t i = 0; i < n; ++i) {
    const double x = static_cast<double>(X[i]), y = static_cast<double>(Y[i]);
    Sx += x;
    Sy += y;
    Sxx += x * x;
    Syy += y * y;
    Sxy += x * y;
  }
  if (n < 3 || !(Sxx > 0) || !(Syy > 0)) return 0;
  const double nd = static_cast<double>(n);
  const double CentredXX = Sxx - Sx * Sx / nd;
  const double CentredYY = Syy - Sy * Sy / nd;
  if (!(CentredXX > 0) || !(CentredYY > 0)) return 0;
  return (Sxy - Sx * Sy / nd) / std::sqrt(std::fabs(CentredXX * CentredYY));
}

}  // namespace qor::detail
