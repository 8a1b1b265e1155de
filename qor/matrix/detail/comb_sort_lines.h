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
#include <utility>

#include "qor/matrix/detail/line_stats.h"

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

// Sorts lines LowLine..HighLine of a column-major buffer with NRows rows per column (rows
// when Lines is TLines::Rows, else columns) by their element in line KeyIx of the other
// dimension. An exchange swaps the two lines over LowOther..HighOther and, when the key line
// lies outside that range, in the key line too, then calls Exchanged(i, j).
template <class T, class ExchangeReport>
bool SortLinesByKey(T* Cells, int64_t NRows, TLines Lines, int32_t KeyIx, bool Ascending,
                    int32_t LowLine, int32_t HighLine, int32_t LowOther, int32_t HighOther,
                    ExchangeReport&& Exchanged) {
  const auto Cell = [Cells, NRows, Lines](int32_t Line, int32_t Other) -> T& {
    return Lines == TLines::Rows ? Cells[(Other - 1) * NRows + (Line - 1)]
                                 : Cells[(Line - 1) * NRows + (Other - 1)];
  };
  const bool KeyOutside = KeyIx < LowOther || KeyIx > HighOther;
  return CombSortLines(
      LowLine, HighLine,
      [&](int32_t i, int32_t j) {
        const T a = Cell(i, KeyIx), b = Cell(j, KeyIx);
        return Ascending ? a > b : a < b;
      },
      [&](int32_t i, int32_t j) {
        for (int32_t o = LowOther; o <= HighOther; ++o) std::swap(Cell(i, o), Cell(j, o));
        if (KeyOutside) std::swap(Cell(i, KeyIx), Cell(j, KeyIx));
        Exchanged(i, j);
      });
}

}  // namespace qor::detail
