// Quartiles and percentiles of a rectangle of matrix elements (see cell_block.h).
//
// The elements are copied (as doubles) into a scratch array in column order; the matrix is
// never reordered. Quartiles sort the copy ascending with the library's comb sort (which
// counts its passes in ProcStat) and interpolate between order statistics x(1) <= ... <= x(n):
// for q in 0.25, 0.5, 0.75, pos = (n + 1) q, i = trunc(pos), f = frac(pos); the quartile is
// x(1) when i = 0, x(n) when i >= n, otherwise x(i) + (x(i + 1) - x(i)) f. Percentiles do not
// interpolate: prob is clamped into 0..100 and the result is the value of 0-based rank
// k = round(n prob / 100) (halves to even), selected with QuickSelect. A rank of n, which a
// prob near 100 produces, is taken as n - 1, so Percentile(100) is the largest value. A NaN
// prob gives NaN; an empty rectangle gives 0 throughout.
#pragma once

#include <cmath>
#include <cstdint>
#include <span>
#include <vector>

#include "qor/frame/random.h"
#include "qor/math1/select.h"
#include "qor/math1/sorting.h"
#include "qor/matrix/detail/cell_block.h"
#include "qor/matrix/detail/line_stats.h"

namespace qor::detail {

template <class T>
std::vector<double> GatherBlock(const TCellBlock<const T>& Block) {
  std::vector<double> Values;
  Values.reserve(static_cast<size_t>(Block.Count()));
  Block.ForEach([&Values](T x) { Values.push_back(static_cast<double>(x)); });
  return Values;
}

struct TQuartiles {
  double Q1 = 0;
  double Q2 = 0;
  double Q3 = 0;
};

// Sorts Values ascending and interpolates the three quartiles.
inline TQuartiles QuartilesOf(std::vector<double>& Values) {
  if (Values.empty()) return {};
  SortArray(std::span<double>(Values), true);
  const int64_t n = static_cast<int64_t>(Values.size());
  const auto Quartile = [&Values, n](double q) {
    const double pos = static_cast<double>(n + 1) * q;
    const int64_t i = static_cast<int64_t>(pos);
    const double f = pos - static_cast<double>(i);
    if (i == 0) return Values.front();
    if (i >= n) return Values.back();
    const double Below = Values[static_cast<size_t>(i - 1)];
    return Below + (Values[static_cast<size_t>(i)] - Below) * f;
  };
  return {Quartile(0.25), Quartile(0.5), Quartile(0.75)};
}

inline double ClampedPercent(double prob) { return prob < 0 ? 0 : (prob > 100 ? 100 : prob); }

// The 0-based rank round(n * prob / 100) of a clamped, non-NaN prob, at most n - 1.
inline int32_t PercentileRank(int32_t n, double prob) {
  const auto k = static_cast<int32_t>(std::nearbyint(static_cast<double>(n) * prob / 100));
  return k < n ? k : n - 1;
}

// The percentile of Values, which are reordered.
inline double PercentileOf(std::vector<double>& Values, double prob) {
  if (std::isnan(prob)) return prob;
  const auto n = static_cast<int32_t>(Values.size());
  if (n == 0) return 0;
  return QuickSelect(Values, PercentileRank(n, ClampedPercent(prob)), 0, n - 1);
}

// The percentile estimated from SampleSize elements drawn with replacement from the block
// (column, then row, each uniform over the block's range) after the process-wide uniform
// source has been re-seeded from the clock. When the sample's share of negative values is
// below prob / 100 and its share of values at or below 0 above it, the percentile falls among
// the zeros and is 0.
template <class T>
double SampledPercentile(const TCellBlock<const T>& Block, double prob, int32_t SampleSize) {
  if (std::isnan(prob)) return prob;
  prob = ClampedPercent(prob);
  Randomize();
  std::vector<double> Sample(static_cast<size_t>(SampleSize));
  int32_t Negative = 0, Zero = 0;
  for (double& x : Sample) {
    const int32_t c = Block.LowCol + Random(Block.Cols());
    const int32_t r = Block.LowRow + Random(Block.Rows());
    x = static_cast<double>(Block.ColumnStart(c)[r - Block.LowRow]);
    Negative += x < 0 ? 1 : 0;
    Zero += x == 0 ? 1 : 0;
  }
  const double Share = prob / 100;
  const double n = SampleSize;
  if (Negative / n < Share && (Negative + Zero) / n > Share) return 0;
  return QuickSelect(Sample, PercentileRank(SampleSize, prob), 0, SampleSize - 1);
}

// Robust scaling of every column or row: with q the RefQuant percentile and med the median
// (percentile 50) of the line, d = |med - q|; when d > 0 the line becomes (x - med) / d.
struct TRobustScale {
  double Median = 0;
  double QuantDiff = 0;
};

inline std::vector<TRobustScale> QNormalizeLines(double* Data, int32_t NCols, int32_t NRows,
                                                 TLines Lines, double RefQuant) {
  const int32_t n = LineCount(Lines, NCols, NRows);
  const int32_t Length = LineLength(Lines, NCols, NRows);
  std::vector<TRobustScale> Scale(static_cast<size_t>(n));
  std::vector<double> Line(static_cast<size_t>(Length));
  const auto GatherLine = [&](int32_t i) {
    const int64_t Step = Lines == TLines::Columns ? 1 : NRows;
    const double* First = Data + (Lines == TLines::Columns ? static_cast<int64_t>(i) * NRows : i);
    for (int32_t k = 0; k < Length; ++k) Line[static_cast<size_t>(k)] = First[k * Step];
  };
  for (int32_t i = 0; i < n; ++i) {
    GatherLine(i);
    const double q = PercentileOf(Line, RefQuant);
    GatherLine(i);
    const double Median = PercentileOf(Line, 50);
    Scale[static_cast<size_t>(i)] = {Median, std::fabs(Median - q)};
  }
  TransformLines(Data, NCols, NRows, Lines, std::span<const TRobustScale>(Scale),
                 [](double x, const TRobustScale& s) {
                   return s.QuantDiff > 0 ? (x - s.Median) / s.QuantDiff : x;
                 });
  return Scale;
}

}  // namespace qor::detail
