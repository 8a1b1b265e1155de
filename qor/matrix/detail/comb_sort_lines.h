// Comb sort of the rows or columns of a matrix by a key line, the one algorithm behind
// SortRows and SortCols of the double and the integer matrix.
//
// The positions Low..High are sorted by their keys. The gap starts at High - Low and before
// each pass shrinks to trunc(gap / 1.3) (in extended precision, like the library's array
// sort), at least 1; a pass exchanges every out-of-order pair (i, i + gap) from the front,
// and the sort ends after a gap-1 pass without exchanges. Equal keys, and NaN keys, are never
// exchanged. Nothing happens at all for fewer than two positions.
#pragma once

#include <cstdint>

namespace qor::detail {

// OutOfOrder(i, j) tells whether position i must move behind position j; Exchange(i, j)
// exchanges the two lines (and reports it). Returns false when there was nothing to sort.
template <class OutOfOrderPair, class ExchangePair>
bool CombSortLines(int32_t Low, int32_t High, OutOfOrderPair&& OutOfOrder,
                   ExchangePair&& Exchange) {
  int32_t Gap = High - Low;
  if (Gap < 1) return false;
  bool Swapped = true;
  while (Gap > 1 || Swapped) {
    Gap = static_cast<int32_t>(static_cast<long double>(Gap) / 1.3L);
    if (Gap < 1) Gap = 1;
    Swapped = false;
    for (int32_t i = Low; i + Gap <= High; ++i) {
      if (OutOfOrder(i, i + Gap)) {
        Exchange(i, i + Gap);
        Swapped = true;
      }
    }
  }
  return true;
}

// Exchanges rows r1 and r2 (1-based) in the columns LowCol..HighCol of a column-major buffer
// with NRows rows per column.
template <class T>
void ExchangeRowCells(T* Data, int64_t NRows, int32_t r1, int32_t r2, int32_t LowCol,
                      int32_t HighCol) {
  for (int32_t c = LowCol; c <= HighCol; ++c) {
    T* Column = Data + (c - 1) * NRows;
    const T Kept = Column[r1 - 1];
    Column[r1 - 1] = Column[r2 - 1];
    Column[r2 - 1] = Kept;
  }
}

// Exchanges columns c1 and c2 (1-based) in the rows LowRow..HighRow.
template <class T>
void ExchangeColumnCells(T* Data, int64_t NRows, int32_t c1, int32_t c2, int32_t LowRow,
                         int32_t HighRow) {
  T* First = Data + (c1 - 1) * NRows;
  T* Second = Data + (c2 - 1) * NRows;
  for (int32_t r = LowRow - 1; r < HighRow; ++r) {
    const T Kept = First[r];
    First[r] = Second[r];
    Second[r] = Kept;
  }
}

}  // namespace qor::detail
