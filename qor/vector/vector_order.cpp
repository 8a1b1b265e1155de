#include "qor/vector/vector_order.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <utility>

#include "qor/frame/events.h"
#include "qor/vector/int_vector.h"
#include "qor/vector/vector.h"

namespace qor {
namespace {

// |a - b| without integer overflow; NaN when either is NaN.
template <class T>
double Distance(T a, T b) {
  return std::fabs(static_cast<double>(a) - static_cast<double>(b));
}

}  // namespace

template <class T, class Self>
void TVectorOrder<T, Self>::SortElems(bool Ascending, int32_t RangeFirst, int32_t RangeLast) {
  if (RangeFirst == 0 && RangeLast == 0) {
    RangeFirst = 1;
    RangeLast = this->NrOfElem();
  } else {
    if (RangeFirst > RangeLast) std::swap(RangeFirst, RangeLast);
    RangeFirst = std::clamp(RangeFirst, 1, this->NrOfElem());
    RangeLast = std::clamp(RangeLast, 1, this->NrOfElem());
  }
  if (RangeLast - RangeFirst < 1) return;
  T* const Elems = this->FVec.data();
  auto v = [Elems](int32_t i) -> T& { return Elems[i - 1]; };
  // Every exchange removes at least one inversion, so the gap-1 passes end.
  int32_t Gap = RangeLast - RangeFirst;
  bool Exchanged = true;
  while (Gap > 1 || Exchanged) {
    Gap = std::max(1, static_cast<int32_t>(static_cast<long double>(Gap) / 1.3L));
    Exchanged = false;
    for (int32_t i = RangeFirst; i + Gap <= RangeLast; ++i) {
      const bool OutOfOrder = Ascending ? v(i) > v(i + Gap) : v(i) < v(i + Gap);
      if (!OutOfOrder) continue;
      std::swap(v(i), v(i + Gap));
      Exchanged = true;
      this->SortExchange(kExchgElements, i, i + Gap, 0, 0);
    }
  }
  this->Changed();
}

template <class T, class Self>
int32_t TVectorOrder<T, Self>::Find(int32_t LowElem, int32_t HighElem, T Value) const {
  this->MakeValidElemRange(LowElem, HighElem);
  double Best = DBL_MAX;
  int32_t Result = 0;
  for (int32_t i = LowElem; i <= HighElem; ++i) {
    const double d = Distance(this->FVec[static_cast<size_t>(i - 1)], Value);
    if (d < Best) {
      Best = d;
      Result = i;
    }
  }
  return Result;
}

template <class T, class Self>
int32_t TVectorOrder<T, Self>::FindInSortedVector(bool Ascending, T Value) const {
  auto v = [this](int32_t i) { return this->FVec[static_cast<size_t>(i - 1)]; };
  int32_t lo = 1;
  int32_t hi = this->NrOfElem();
  while (hi - lo >= 2) {
    const int32_t mid = lo + (hi - lo) / 2;
    if (v(mid) == Value) return mid;
    // An unordered Value (NaN) moves lo, so the loop still ends.
    const bool Below = Ascending ? Value < v(mid) : Value > v(mid);
    (Below ? hi : lo) = mid;
  }
  return Distance(v(lo), Value) < Distance(v(hi), Value) ? lo : hi;
}

template class TVectorOrder<double, TVector>;
template class TVectorOrder<int32_t, TIntVector>;

}  // namespace qor
