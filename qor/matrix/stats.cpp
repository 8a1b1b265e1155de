// Descriptive statistics of TMatrix rectangles: sums, extremes, moments, means, quartiles,
// percentiles, histogram and the correlation of two matrices.
#include <optional>
#include <span>

#include "qor/frame/constants.h"
#include "qor/frame/errors.h"
#include "qor/matrix/detail/block_search.h"
#include "qor/matrix/detail/block_stats.h"
#include "qor/matrix/detail/matrix_block.h"
#include "qor/matrix/detail/order_stats.h"
#include "qor/matrix/matrix.h"
#include "qor/vector/int_vector.h"

namespace qor {
namespace {

// The rectangle's elements in a scratch array that selection and sorting may reorder.
std::vector<double> ScratchCopy(const TMatrix& M, int32_t LowCol, int32_t HighCol, int32_t LowRow,
                                int32_t HighRow) {
  return GuardedAllocation<EQORMatrixError>(M.Name(), [&] {
    return detail::GatherBlock(detail::RepairedBlock(M, LowCol, HighCol, LowRow, HighRow));
  });
}

}  // namespace

double TMatrix::Sum(int32_t LoC, int32_t LoR, int32_t HiC, int32_t HiR) const {
  return detail::BlockSum<double>(detail::RepairedBlock(*this, LoC, HiC, LoR, HiR));
}

void TMatrix::MinMax(int32_t LowCol, int32_t LowRow, int32_t HighCol, int32_t HighRow,
                     double& Minimum, double& Maximum) const {
  Minimum = uc_MaxReal;
  Maximum = -uc_MaxReal;
  detail::BlockMinMax(detail::RepairedBlock(*this, LowCol, HighCol, LowRow, HighRow), Minimum,
                      Maximum);
}

void TMatrix::MeanVar(int32_t LowCol, int32_t LowRow, int32_t HighCol, int32_t HighRow,
                      double& Mean, double& Variance) const {
  const detail::TMeanVar Result =
      detail::BlockMeanVar(detail::RepairedBlock(*this, LowCol, HighCol, LowRow, HighRow));
  Mean = Result.Mean;
  Variance = Result.Variance;
}

void TMatrix::SkewKurt(int32_t LowCol, int32_t LowRow, int32_t HighCol, int32_t HighRow,
                       double& Skewness, double& Kurtosis) const {
  const detail::TSkewKurt Result =
      detail::BlockSkewKurt(detail::RepairedBlock(*this, LowCol, HighCol, LowRow, HighRow));
  Skewness = Result.Skewness;
  Kurtosis = Result.Kurtosis;
}

void TMatrix::SkewKurtSample(int32_t LowCol, int32_t LowRow, int32_t HighCol, int32_t HighRow,
                             double& Skewness, double& Kurtosis) const {
  const auto Block = detail::RepairedBlock(*this, LowCol, HighCol, LowRow, HighRow);
  const detail::TSkewKurt Result =
      detail::SampleSkewKurt(detail::BlockSkewKurt(Block), Block.Count());
  Skewness = Result.Skewness;
  Kurtosis = Result.Kurtosis;
}

double TMatrix::GeometricMean(int32_t LowCol, int32_t LowRow, int32_t HighCol,
                              int32_t HighRow) const {
  const std::optional<double> Mean =
      detail::BlockGeometricMean(detail::RepairedBlock(*this, LowCol, HighCol, LowRow, HighRow));
  if (!Mean) RaiseComponentError<EQORMatrixError>(Name(), msg::kNegativeGeometricMean);
  return *Mean;
}

double TMatrix::HarmonicMean(int32_t LowCol, int32_t LowRow, int32_t HighCol,
                             int32_t HighRow) const {
  const std::optional<double> Mean =
      detail::BlockHarmonicMean(detail::RepairedBlock(*this, LowCol, HighCol, LowRow, HighRow));
  if (!Mean) RaiseComponentError<EQORMatrixError>(Name(), msg::kNonPositiveHarmonicMean);
  return *Mean;
}

bool TMatrix::Quartiles(int32_t LowCol, int32_t LowRow, int32_t HighCol, int32_t HighRow,
                        double& Q1, double& Q2, double& Q3) const {
  Q1 = Q2 = Q3 = 0;
  if (Data().empty()) return false;
  std::vector<double> Values = ScratchCopy(*this, LowCol, HighCol, LowRow, HighRow);
  const detail::TQuartiles Result = detail::QuartilesOf(Values);
  Q1 = Result.Q1;
  Q2 = Result.Q2;
  Q3 = Result.Q3;
  return true;
}

double TMatrix::Percentile(double prob, int32_t LowCol, int32_t LowRow, int32_t HighCol,
                           int32_t HighRow) const {
  std::vector<double> Values = ScratchCopy(*this, LowCol, HighCol, LowRow, HighRow);
  return detail::PercentileOf(Values, prob);
}

double TMatrix::Percentile(double prob, int32_t LowCol, int32_t LowRow, int32_t HighCol,
                           int32_t HighRow, int32_t SampleSize) const {
  const auto Block = detail::RepairedBlock(*this, LowCol, HighCol, LowRow, HighRow);
  if (SampleSize <= 0 || SampleSize >= Block.Count())
    return Percentile(prob, LowCol, LowRow, HighCol, HighRow);
  return GuardedAllocation<EQORMatrixError>(
      Name(), [&] { return detail::SampledPercentile(Block, prob, SampleSize); });
}

bool TMatrix::Histogram(int32_t LoX, int32_t LoY, int32_t HiX, int32_t HiY, double FirstBin,
                        double LastBin, double BinWidth, TIntVector& Histo, int32_t& Underflow,
                        int32_t& Overflow, int32_t& MaxCnt) const {
  const int32_t NrOfBins = detail::HistogramBinCount(FirstBin, LastBin, BinWidth);
  if (NrOfBins == 0) return false;
  const detail::THistogram Result = detail::BlockHistogram(
      detail::RepairedBlock(*this, LoX, HiX, LoY, HiY), FirstBin, LastBin, BinWidth, NrOfBins);
  Histo.AssignArray(std::span<const int32_t>(Result.Counts));
  Underflow = Result.Underflow;
  Overflow = Result.Overflow;
  MaxCnt = Result.MaxCnt;
  return true;
}

double TMatrix::Correlate(const TMatrix& OtherMat) const {
  if (OtherMat.NrOfColumns() != NrOfColumns() || OtherMat.NrOfRows() != NrOfRows())
    RaiseComponentError<EQORMatrixError>(Name(), msg::kMatricesDoNotMatch);
  return detail::CorrelateBuffers(Data().data(), OtherMat.Data().data(),
                                  static_cast<int64_t>(Data().size()));
}

}  // namespace qor
