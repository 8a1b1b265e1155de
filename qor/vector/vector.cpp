#include "qor/vector/vector.h"

#include <cmath>

#include "qor/frame/random.h"
#include "qor/math1/random_numbers.h"
#include "qor/vector/detail/histogram.h"

namespace qor {

void TVector::FillRandomUniform(double RangeLow, double RangeHigh) {
  for (double& x : FVec) x = RangeLow + Random() * (RangeHigh - RangeLow);
  FIsEmpty = false;
  Changed();
}

void TVector::FillRandomGauss(double Mean, double StdDev) {
  for (double& x : FVec) x = GRandom() * StdDev + Mean;
  FIsEmpty = false;
  Changed();
}

void TVector::SetVecLeng(double Value) {
  const double L = Leng();
  if (!(L > 0)) return;
  const double Factor = Value / L;
  for (double& x : FVec) x *= Factor;
  Changed();
}

void TVector::Standardize(double& Mean, double& StdDev) {
  double Variance = 0;
  MeanVar(0, 0, Mean, Variance);
  StdDev = std::sqrt(Variance);
  if (!(StdDev > 0)) return;
  for (double& x : FVec) x = (x - Mean) / StdDev;
}

void TVector::QNormalize(double RefQuant, double& Median, double& QuantDiff) {
  const double q = Percentile(RefQuant, 0, 0);
  Median = Percentile(50, 0, 0);
  QuantDiff = std::fabs(Median - q);
  if (!(QuantDiff > 0)) return;
  for (double& x : FVec) x = (x - Median) / QuantDiff;
}

double TVector::MeanCenter() {
  double Mean = 0;
  double Variance = 0;
  MeanVar(0, 0, Mean, Variance);
  for (double& x : FVec) x -= Mean;
  return Mean;
}

bool TVector::Histogram(int32_t FirstElem, int32_t LastElem, double FirstBin, double LastBin,
                        double BinWidth, TIntVector& Histo, int32_t& Underflow, int32_t& Overflow,
                        int32_t& MaxCnt) const {
  if (!(BinWidth > 0) || !std::isfinite(BinWidth) || !std::isfinite(FirstBin) ||
      !std::isfinite(LastBin))
    return false;
  const double Span = std::nearbyint(std::fabs(LastBin - FirstBin) / BinWidth);  // ties to even
  if (!(Span < 500)) return false;
  const int32_t NumBins = static_cast<int32_t>(Span) + 1;
  const double End = LastBin + BinWidth;
  detail::CountIntoBins(
      *this, FirstElem, LastElem, NumBins,
      [=](double x) -> int64_t {
        if (std::isnan(x)) return detail::kNotCounted;
        if (x < FirstBin) return detail::kUnderflow;
        if (x >= End) return detail::kOverflow;
        // Below End yet beyond bin NumBins (a bin count rounded down): a bin Histo lacks.
        const double Below = std::floor((x - FirstBin) / BinWidth);
        return Below < NumBins ? static_cast<int64_t>(Below) + 1 : detail::kNotCounted;
      },
      Histo, Underflow, Overflow, MaxCnt);
  return true;
}

}  // namespace qor
