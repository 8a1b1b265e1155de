// TVectorOrder: sorting and searching of a vector component (third layer of TVector and
// TIntVector, above TVectorArith).
//
// SortElems is a comb sort in place (gap shrink factor 1.3, not stable) that fires
// OnSortExchange after every exchange, so an application can keep associated data in step, and
// OnChange once when it has sorted anything. Find looks for the element nearest to a value;
// FindInSortedVector bisects a vector sorted in the given direction. Indices are 1-based, 0
// means "not found"; element ranges are repaired as MakeValidElemRange describes.
#pragma once

#include "qor/vector/vector_arith.h"

namespace qor {

template <class T, class Self>
class TVectorOrder : public TVectorArith<T, Self> {
 public:
  using TVectorArith<T, Self>::TVectorArith;

  // Sorts elements RangeFirst..RangeLast (both 0: all; swapped when reversed, clamped); a
  // range of fewer than two elements is left alone and fires nothing. Each exchange of i and
  // i + gap fires OnSortExchange(Self, 0, i, i + gap, 0, 0); equal elements never move.
  void SortElems(bool Ascending, int32_t RangeFirst, int32_t RangeLast);
  // The first index of the range with the smallest |element - Value|; 0 when no difference is
  // below the largest finite double (NaN or infinite differences only).
  int32_t Find(int32_t LowElem, int32_t HighElem, T Value) const;
  // Bisection on a vector sorted in the given direction: an index holding Value if one is met,
  // else the nearer of the two final neighbours, the upper one on a tie.
  int32_t FindInSortedVector(bool Ascending, T Value) const;
};

extern template class TVectorOrder<double, TVector>;
extern template class TVectorOrder<int32_t, TIntVector>;

}  // namespace qor
