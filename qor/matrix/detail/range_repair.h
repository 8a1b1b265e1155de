// Repair of 1-based index ranges of the matrix components.
//
// A range (Low, High) over a dimension of Count entries is repaired, not rejected: both 0 means
// the whole dimension; otherwise each bound is clamped into 1..Count (below 1 first, then above
// Count) and the two are exchanged when reversed. Over a dimension of size 0 a repaired range
// can end up as (1, 0) or (0, 0); both are empty and loops must not run over them.
#pragma once

#include <algorithm>
#include <cstdint>
#include <utility>

namespace qor::detail {

inline void RepairRange(int32_t Count, int32_t& Low, int32_t& High) {
  if (Low == 0 && High == 0) {
    Low = 1;
    High = Count;
    return;
  }
  const auto Clamp = [Count](int32_t& Bound) {
    if (Bound < 1) Bound = 1;
    if (Bound > Count) Bound = Count;
  };
  Clamp(Low);
  Clamp(High);
  if (Low > High) std::swap(Low, High);
}

// Number of indices in a repaired range; 0 for the empty forms.
inline int32_t RangeLength(int32_t Low, int32_t High) {
  return Low < 1 || Low > High ? 0 : High - Low + 1;
}

// Clamps a single index into 1..Count (Count 0 gives 0, an index no element has).
inline int32_t ClampIndex(int32_t Index, int32_t Count) {
  return std::min(std::max(Index, 1), Count);
}

// Index + Offset, or 0 (an index no element has) when the sum leaves the 32-bit range; lets
// copies with far-away destinations drop their stores instead of overflowing.
inline int32_t ShiftIndex(int32_t Index, int64_t Offset) {
  const int64_t Shifted = static_cast<int64_t>(Index) + Offset;
  return Shifted < 1 || Shifted > INT32_MAX ? 0 : static_cast<int32_t>(Shifted);
}

}  // namespace qor::detail
