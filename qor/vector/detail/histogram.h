// Counting vector elements into equal-width bins, shared by the double and integer histograms.
//
// Elements FirstElem..LastElem are taken as passed (indices outside the vector read 0, an
// empty index range counts nothing). BinOf maps an element to its 1-based bin, or to
// kUnderflow / kOverflow. A bin number beyond NumBins that is not kOverflow (an element at or
// above the end of the last bin but below LastBin + BinWidth, which happens when the bin count
// was rounded down) and kNotCounted (a NaN element) count nowhere: the element falls into a
// bin the target does not have.
#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

namespace qor::detail {

inline constexpr int64_t kNotCounted = INT64_MIN;
inline constexpr int64_t kUnderflow = 0;
inline constexpr int64_t kOverflow = INT64_MAX;

// Histo is resized to NumBins and cleared first (each firing its OnChange as those operations
// do), then the elements are counted, and the counts are stored with one more OnChange when at
// least one element landed in a bin; otherwise Histo stays cleared, IsEmpty true. Counting
// after the clear keeps the documented order when Histo is the source vector itself.
template <class Vec, class Histo, class BinOfElement>
void CountIntoBins(const Vec& Source, int32_t FirstElem, int32_t LastElem, int32_t NumBins,
                   BinOfElement BinOf, Histo& Target, int32_t& Underflow, int32_t& Overflow,
                   int32_t& MaxCnt) {
  Target.Resize(NumBins);
  Target.Clear();
  Underflow = 0;
  Overflow = 0;
  MaxCnt = 0;
  std::vector<int32_t> Bins(static_cast<size_t>(NumBins), 0);  // Bins[b - 1] counts bin b
  for (int64_t i = FirstElem; i <= LastElem; ++i) {
    const int64_t b = BinOf(Source.GetVal(static_cast<int32_t>(i)));
    if (b == kUnderflow) {
      ++Underflow;
    } else if (b == kOverflow) {
      ++Overflow;
    } else if (b >= 1 && b <= NumBins) {
      MaxCnt = std::max(MaxCnt, ++Bins[static_cast<size_t>(b - 1)]);
    }
  }
  if (MaxCnt > 0) Target.AssignArray(Bins);
}

}  // namespace qor::detail
