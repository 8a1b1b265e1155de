// Counting vector elements into equal-width bins, shared by the double and integer histograms.
//
// Elements FirstElem..LastElem are taken as passed (indices outside the vector read 0, an
// empty index range counts nothing). BinOf maps an element to its 1-based bin: below 1 counts
// as underflow, above NumBins as overflow, kNotCounted (a NaN element) nowhere.
#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

namespace qor::detail {

inline constexpr int64_t kNotCounted = INT64_MIN;

struct THistogramCounts {
  std::vector<int32_t> Bins;  // Bins[b - 1] is the count of bin b
  int32_t Underflow = 0;
  int32_t Overflow = 0;
  int32_t MaxCnt = 0;
};

template <class Vec, class BinOfElement>
THistogramCounts CountIntoBins(const Vec& Source, int32_t FirstElem, int32_t LastElem,
                               int32_t NumBins, BinOfElement BinOf) {
  THistogramCounts Result;
  Result.Bins.assign(static_cast<size_t>(NumBins), 0);
  for (int64_t i = FirstElem; i <= LastElem; ++i) {
    const int64_t b = BinOf(Source.GetVal(static_cast<int32_t>(i)));
    if (b == kNotCounted) continue;
    if (b < 1) {
      ++Result.Underflow;
    } else if (b > NumBins) {
      ++Result.Overflow;
    } else {
      const int32_t Count = ++Result.Bins[static_cast<size_t>(b - 1)];
      Result.MaxCnt = std::max(Result.MaxCnt, Count);
    }
  }
  return Result;
}

}  // namespace qor::detail
