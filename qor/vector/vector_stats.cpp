#include "qor/vector/vector_stats.h"

#include <algorithm>
#include <cmath>
#include <span>

#include "qor/frame/errors.h"
#include "qor/math1/sorting.h"
#include "qor/vector/detail/element_arith.h"
#include "qor/vector/int_vector.h"
#include "qor/vector/vector.h"

namespace qor {

template <class T, class Self>
T TVectorStats<T, Self>::Sum(int32_t LowElem, int32_t HighElem) const {
  T Total{0};
  for (T x : this->ElemRange(LowElem, HighElem)) Total = detail::ElemAdd(Total, x);
  return Total;
}

template <class T, class Self>
void TVectorStats<T, Self>::MinMax(int32_t LowElem, int32_t HighElem, T& Minimum,
                                   T& Maximum) const {
  int32_t MinIx = 0;
  int32_t MaxIx = 0;
  MinMax(LowElem, HighElem, Minimum, Maximum, MinIx, MaxIx);
}

template <class T, class Self>
void TVectorStats<T, Self>::MinMax(int32_t LowElem, int32_t HighElem, T& Minimum, T& Maximum,
                                   int32_t& MinIx, int32_t& MaxIx) const {
  this->MakeValidElemRange(LowElem, HighElem);
  detail::MinMaxStart(Minimum, Maximum);
  MinIx = 0;
  MaxIx = 0;
  for (int32_t i = LowElem; i <= HighElem; ++i) {
    const T x = this->FVec[static_cast<size_t>(i - 1)];
    if (x < Minimum) {
      Minimum = x;
      MinIx = i;
    }
    if (x > Maximum) {
      Maximum = x;
      MaxIx = i;
    }
  }
}

template <class T, class Self>
void TVectorStats<T, Self>::MeanVar(int32_t LowElem, int32_t HighElem, double& Mean,
                                    double& Variance) const {
  const std::span<const T> Range = this->ElemRange(LowElem, HighElem);
  double s = 0;
  double q = 0;
  for (T x : Range) {
    s += static_cast<double>(x);
    q += static_cast<double>(detail::ElemSquare(x));
  }
  const double n = static_cast<double>(Range.size());
  Variance = 1;
  Mean = s / n;
  if (Range.size() >= 3) {
    Variance = (q - s * s / n) / (n - 1);
    if (Variance < 0) Variance = 0;
  }
}

template <class T, class Self>
void TVectorStats<T, Self>::SkewKurtIntern(int32_t LowElem, int32_t HighElem, double& Skewness,
                                           double& Kurtosis, int32_t& NumData) const {
  const std::span<const T> Range = this->ElemRange(LowElem, HighElem);
  Skewness = 0;
  Kurtosis = 0;
  NumData = static_cast<int32_t>(Range.size());
  if (NumData <= 3) return;
  const long double n = NumData;
  long double Total = 0;
  for (T x : Range) Total += static_cast<long double>(x);
  const long double Mean = Total / n;
  long double s1 = 0;
  long double s2 = 0;
  for (T x : Range) {
    const long double d = static_cast<long double>(x) - Mean;
    s1 += d;
    s2 += d * d;
    Skewness = static_cast<double>(Skewness + d * d * d);
    Kurtosis = static_cast<double>(Kurtosis + d * d * d * d);
  }
  const long double sd = std::sqrt((s2 - s1 * s1 / n) / (n - 1));
  if (sd == 0) return;
  Skewness = static_cast<double>(Skewness / n / sd / sd / sd);
  Kurtosis = static_cast<double>(Kurtosis / n / ((sd * sd) * (sd * sd)) - 3);
}

template <class T, class Self>
void TVectorStats<T, Self>::SkewKurt(int32_t LowElem, int32_t HighElem, double& Skewness,
                                     double& Kurtosis) const {
  int32_t NumData = 0;
  SkewKurtIntern(LowElem, HighElem, Skewness, Kurtosis, NumData);
}

template <class T, class Self>
void TVectorStats<T, Self>::SkewKurtSample(int32_t LowElem, int32_t HighElem, double& Skewness,
                                           double& Kurtosis) const {
  int32_t NumData = 0;
  double S = 0;
  double K = 0;
  SkewKurtIntern(LowElem, HighElem, S, K, NumData);
  Skewness = 0;
  Kurtosis = 0;
  if (NumData < 4) return;
  const double n = NumData;
  Kurtosis = (K + 3) * n * n * (n + 1) / (n - 1) / (n - 2) / (n - 3) -
             3 * (n - 1) * (n - 1) / (n - 2) / (n - 3);
  Skewness = n * S * n / (n - 1) / (n - 2);
}

template <class T, class Self>
double TVectorStats<T, Self>::GeometricMean(int32_t LowElem, int32_t HighElem) const {
  const std::span<const T> Range = this->ElemRange(LowElem, HighElem);
  double SumLn = 0;
  bool HasZero = false;
  for (T x : Range) {
    if (x < 0) RaiseComponentError<EQORVectorError>(this->Name(), msg::kNegativeGeometricMean);
    if (x == 0)
      HasZero = true;
    else
      SumLn += std::log(static_cast<double>(x));
  }
  return HasZero ? 0.0 : std::exp(SumLn / static_cast<double>(Range.size()));
}

template <class T, class Self>
double TVectorStats<T, Self>::HarmonicMean(int32_t LowElem, int32_t HighElem) const {
  const std::span<const T> Range = this->ElemRange(LowElem, HighElem);
  double SumInv = 0;
  for (T x : Range) {
    if (x <= 0) RaiseComponentError<EQORVectorError>(this->Name(), msg::kNonPositiveHarmonicMean);
    SumInv += 1 / static_cast<double>(x);
  }
  return static_cast<double>(Range.size()) / SumInv;
}

template <class T, class Self>
std::vector<T> TVectorStats<T, Self>::SortedCopy(int32_t LowElem, int32_t HighElem) const {
  const std::span<const T> Range = this->ElemRange(LowElem, HighElem);
  std::vector<T> Scratch = GuardedAllocation<EQORVectorError>(
      this->Name(), [Range] { return std::vector<T>(Range.begin(), Range.end()); });
  SortArray(std::span<T>(Scratch), true);
  return Scratch;
}

template <class T, class Self>
T TVectorStats<T, Self>::Mode(int32_t LowElem, int32_t HighElem) const {
  const std::vector<T> t = SortedCopy(LowElem, HighElem);
  size_t ModePos = 0;
  size_t Run = 0;
  size_t LongestRun = 0;
  for (size_t i = 1; i < t.size(); ++i) {
    Run = t[i] == t[i - 1] ? Run + 1 : 0;
    if (Run > LongestRun) {
      LongestRun = Run;
      ModePos = i;
    }
  }
  return t[ModePos];
}

template <class T, class Self>
bool TVectorStats<T, Self>::Quartiles(int32_t LowElem, int32_t HighElem, double& Q1, double& Q2,
                                      double& Q3) const {
  const std::vector<T> Sorted = SortedCopy(LowElem, HighElem);
  const auto n = static_cast<int64_t>(Sorted.size());
  auto t = [&Sorted](int64_t k) { return static_cast<double>(Sorted[static_cast<size_t>(k - 1)]); };
  auto Quartile = [n, &t](double p) {
    const double Pos = static_cast<double>(n + 1) * p;
    const auto k = static_cast<int64_t>(Pos);
    if (k == 0) return t(1);
    if (k >= n) return t(n);
    return t(k) + (Pos - static_cast<double>(k)) * (t(k + 1) - t(k));
  };
  if (n == 1) {
    Q1 = Q2 = Q3 = t(1);
    return true;
  }
  Q1 = Quartile(0.25);
  Q2 = Quartile(0.5);
  Q3 = Quartile(0.75);
  return true;
}

template <class T, class Self>
double TVectorStats<T, Self>::Percentile(double Prob, int32_t LowElem, int32_t HighElem) const {
  if (std::isnan(Prob)) return Prob;
  Prob = std::clamp(Prob, 0.0, 100.0);
  const std::vector<T> Sorted = SortedCopy(LowElem, HighElem);
  const auto n = static_cast<int64_t>(Sorted.size());
  auto t = [&Sorted](int64_t k) { return static_cast<double>(Sorted[static_cast<size_t>(k - 1)]); };
  if (n == 1 || Prob == 100) return t(n);
  const double Pos = static_cast<double>(n - 1) * Prob / 100;
  const auto k = static_cast<int64_t>(Pos);
  if (k + 2 > n) return t(n);  // keeps t(k + 2) inside should Pos round up to n - 1
  return t(k + 1) + (Pos - static_cast<double>(k)) * (t(k + 2) - t(k + 1));
}

template <class T, class Self>
bool TVectorStats<T, Self>::IsDichotomous(T& v1, T& v2) const {
  v1 = T{0};
  v2 = T{0};
  if (this->NrOfElem() < 2) return false;
  v1 = this->FVec.front();
  v2 = v1;
  bool HaveSecond = false;
  for (T x : this->FVec) {
    if (x == v1 || (HaveSecond && x == v2)) continue;
    if (HaveSecond) return false;
    v2 = x;
    HaveSecond = true;
  }
  return true;
}

template <class T, class Self>
double TVectorStats<T, Self>::Leng() const {
  double q = 0;
  for (T x : this->FVec) q += static_cast<double>(detail::ElemSquare(x));
  return std::sqrt(q);
}

template class TVectorStats<double, TVector>;
template class TVectorStats<int32_t, TIntVector>;

}  // namespace qor
