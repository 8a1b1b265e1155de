// Counting, thresholding, nearest-value search and histograms over a rectangle of matrix
// elements (see cell_block.h), and bisection in a sorted column.
//
// Elements are visited columns outer, rows inner, so "the first" element of a search is the
// first in that order. NaN elements compare false everywhere: they are never counted, never
// nearest and never binned.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

#include "qor/matrix/detail/cell_block.h"

namespace qor::detail {

// Number of elements with RangeLow <= x <= RangeHigh.
template <class T>
int32_t BlockCountInRange(const TCellBlock<const T>& Block, T RangeLow, T RangeHigh) {
  int32_t Count = 0;
  Block.ForEach([&](T x) { Count += (RangeLow <= x && x <= RangeHigh) ? 1 : 0; });
  return Count;
}

// Column and row of the element nearest to Value, the first one on ties; (0, 0) when no
// element has a finite distance (an empty block, or all NaN).
struct TCellIndex {
  int32_t Col = 0;
  int32_t Row = 0;
};

template <class T>
TCellIndex BlockFindNearest(const TCellBlock<const T>& Block, double Value) {
  TCellIndex Best;
  double BestDistance = std::numeric_limits<double>::infinity();
  Block.ForEachIndexed([&](int32_t c, int32_t r, T x) {
    const double Distance = std::fabs(static_cast<double>(x) - Value);
    if (Distance < BestDistance) {
      BestDistance = Distance;
      Best = {c, r};
    }
  });
  return Best;
}

// Bisection over Column[0 .. n - 1] (rows 1..n) sorted as Ascending says: the 1-based row that
// holds Value, or else the nearer of the two rows that bracket it (the upper one on a tie).
// 0 for an empty column.
template <class T>
int32_t FindInSorted(const T* Column, int32_t n, bool Ascending, double Value) {
  if (n < 1) return 0;
  const auto At = [Column](int32_t Row) { return static_cast<double>(Column[Row - 1]); };
  int32_t lo = 1, hi = n;
  while (hi - lo >= 2) {
    const int32_t mid = (lo + hi) / 2;
    const double x = At(mid);
    if (x == Value) return mid;
    if ((Value > x) == Ascending) {
      lo = mid;
    } else {
      hi = mid;
    }
  }
  return std::fabs(At(lo) - Value) < std::fabs(At(hi) - Value) ? lo : hi;
}

// Flags x > Threshold of the whole NCols x NRows buffer, first index the column; returns the
// number of true flags.
template <class T>
int32_t Dichotomize(const TCellBlock<const T>& Whole, T Threshold,
                    std::vector<std::vector<bool>>& Flags) {
  Flags.assign(static_cast<size_t>(Whole.Cols()),
               std::vector<bool>(static_cast<size_t>(Whole.Rows())));
  int32_t Count = 0;
  Whole.ForEachIndexed([&](int32_t c, int32_t r, T x) {
    const bool Above = x > Threshold;
    Flags[static_cast<size_t>(c - 1)][static_cast<size_t>(r - 1)] = Above;
    Count += Above ? 1 : 0;
  });
  return Count;
}

// Histogram of a block into equal bins: bin b (1-based) covers
// [FirstBin + (b - 1) * BinWidth, FirstBin + b * BinWidth).
struct THistogram {
  std::vector<int32_t> Counts;  // one entry per bin
  int32_t Underflow = 0;        // x < FirstBin
  int32_t Overflow = 0;         // x >= LastBin + BinWidth
  int32_t MaxCnt = 0;           // largest bin count
};

// The most bins a histogram may have.
inline constexpr int32_t kMaxHistogramBins = 500;

// round(|FirstBin - LastBin| / BinWidth) + 1, halves to even; 0 when that exceeds
// kMaxHistogramBins or BinWidth is not a positive finite number (nothing to count into).
inline int32_t HistogramBinCount(double FirstBin, double LastBin, double BinWidth) {
  if (!(BinWidth > 0) || !std::isfinite(BinWidth)) return 0;
  const double Bins = std::nearbyint(std::fabs(FirstBin - LastBin) / BinWidth) + 1;
  return Bins <= kMaxHistogramBins ? static_cast<int32_t>(Bins) : 0;
}

// Counts the block into NrOfBins bins. Elements beyond the last bin but below
// LastBin + BinWidth (possible when the bin count was rounded down) are counted nowhere.
template <class T>
THistogram BlockHistogram(const TCellBlock<const T>& Block, double FirstBin, double LastBin,
                          double BinWidth, int32_t NrOfBins) {
  THistogram Result;
  Result.Counts.assign(static_cast<size_t>(NrOfBins), 0);
  const double OverflowBound = LastBin + BinWidth;
  Block.ForEach([&](T Element) {
    const double x = static_cast<double>(Element);
    if (x < FirstBin) {
      ++Result.Underflow;
    } else if (x >= OverflowBound) {
      ++Result.Overflow;
    } else if (x == x) {
      const double Bin = std::floor((x - FirstBin) / BinWidth) + 1;
      if (Bin <= NrOfBins) {
        int32_t& Count = Result.Counts[static_cast<size_t>(Bin) - 1];
        ++Count;
        if (Count > Result.MaxCnt) Result.MaxCnt = Count;
      }
    }
  });
  return Result;
}

}  // namespace qor::detail
