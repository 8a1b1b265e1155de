// TVectorStats: descriptive statistics of a vector component (fourth layer of TVector and
// TIntVector, above TVectorOrder).
//
// Every routine works on a repaired element range (both bounds 0: the whole vector; never
// empty). With n elements x(1..n):
//   MeanVar:   Mean = s/n and, for n >= 3, Variance = (q - s^2/n)/(n - 1), with s = sum x and
//              q = sum x^2 accumulated in double in index order; a rounding-negative variance
//              becomes 0. Below three elements Variance is 1, by definition, not the sample
//              variance. This one-pass formula loses digits to cancellation: when |mean| is
//              large against the spread, s^2/n and q agree in their leading digits and about
//              2*log10(|mean|/stddev) of the 16 digits are lost (a mean of 1e6 with a standard
//              deviation of 0.1 leaves about two). Centre the data first (MeanCenter) when the
//              ratio is large.
//   Moments:   mean summed in 80-bit extended; deviations d = x - mean give s1 = sum d,
//              s2 = sum d^2 (80-bit) and sd = sqrt((s2 - s1^2/n)/(n - 1)); skewness
//              sum(d^3)/n/sd^3 and kurtosis sum(d^4)/n/sd^4 - 3 (excess), the raw sums when
//              sd = 0; all 0 for n <= 3. SkewKurtSample applies the usual small-sample
//              corrections (both 0 for n < 4).
//   Means:     geometric exp(sum ln x / n) (0 when an element is 0), harmonic n / sum(1/x).
//   Quantiles: on a sorted scratch copy t(1) <= ... <= t(n) (SortArray, which counts its passes
//              in ProcStat; the vector keeps its order). Quartile p (0.25, 0.5, 0.75) lies at
//              pos = (n + 1)p, interpolated linearly between t(k) and t(k + 1), k = trunc(pos),
//              and held at t(1) below 1 and at t(n) from n on. Percentile(prob) in percent,
//              clamped into 0..100, lies at (n - 1)prob/100 + 1 (NaN for a NaN prob). Mode is
//              the value of the longest run of equal values, the smallest on ties.
//   MinMax:    strict comparisons from +-1.7e308 (integers: from the int32 limits), so ties
//              keep the first index and NaNs are passed over.
// Integer vectors form each square in 32-bit integers (wrapping; magnitudes up to 46340 are
// exact) and accumulate in double; their Sum accumulates in 32-bit integers. GeometricMean with
// a negative element and HarmonicMean with an element <= 0 raise EQORVectorError with the
// component messages "negative argument passed to GeometricMean" and "negative or zero argument
// passed to HarmonicMean"; everything else reports through its results.
#pragma once

#include <cstdint>
#include <vector>

#include "qor/vector/vector_order.h"

namespace qor {

template <class T, class Self>
class TVectorStats : public TVectorOrder<T, Self> {
 public:
  using TVectorOrder<T, Self>::TVectorOrder;

  T Sum(int32_t LowElem, int32_t HighElem) const;
  void MinMax(int32_t LowElem, int32_t HighElem, T& Minimum, T& Maximum) const;
  void MinMax(int32_t LowElem, int32_t HighElem, T& Minimum, T& Maximum, int32_t& MinIx,
              int32_t& MaxIx) const;
  void MeanVar(int32_t LowElem, int32_t HighElem, double& Mean, double& Variance) const;
  void SkewKurt(int32_t LowElem, int32_t HighElem, double& Skewness, double& Kurtosis) const;
  void SkewKurtSample(int32_t LowElem, int32_t HighElem, double& Skewness, double& Kurtosis) const;
  void SkewKurtIntern(int32_t LowElem, int32_t HighElem, double& Skewness, double& Kurtosis,
                      int32_t& NumData) const;
  double GeometricMean(int32_t LowElem, int32_t HighElem) const;
  double HarmonicMean(int32_t LowElem, int32_t HighElem) const;
  T Mode(int32_t LowElem, int32_t HighElem) const;
  // Always true; Q1, Q2, Q3 are the lower quartile, the median and the upper quartile.
  bool Quartiles(int32_t LowElem, int32_t HighElem, double& Q1, double& Q2, double& Q3) const;
  double Percentile(double Prob, int32_t LowElem, int32_t HighElem) const;
  // True when the vector holds at most two distinct values, returned in v1 (element 1) and v2
  // (the other one, or v1 again); false with v1 = v2 = 0 below two elements.
  bool IsDichotomous(T& v1, T& v2) const;
  // Euclidean length: square root of the sum of squared elements.
  double Leng() const;

 private:
  // The repaired range, sorted ascending; a failed allocation raises the heap message.
  std::vector<T> SortedCopy(int32_t LowElem, int32_t HighElem) const;
};

extern template class TVectorStats<double, TVector>;
extern template class TVectorStats<int32_t, TIntVector>;

}  // namespace qor
