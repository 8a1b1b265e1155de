// Sorting the rows or columns of a TMatrix rectangle by a key column or row, with exchange
// notification.
#include "qor/matrix/detail/comb_sort_lines.h"
#include "qor/matrix/matrix.h"

namespace qor {

void TMatrix::SortRows(int32_t SortColIx, bool Ascending, int32_t LowCol, int32_t LowRow,
                       int32_t HighCol, int32_t HighRow) {
  MakeValidColRange(LowCol, HighCol);
  MakeValidRowRange(LowRow, HighRow);
  if (SortColIx < 1 || SortColIx > NrOfColumns()) {
    // The key reads as zeros: nothing is out of order.
    if (HighRow > LowRow) Changed();
    return;
  }
  const bool Sorted = detail::SortLinesByKey(
      Data().data(), NrOfRows(), detail::TLines::Rows, SortColIx, Ascending, LowRow, HighRow,
      LowCol, HighCol,
      [&](int32_t i, int32_t j) { SortExchange(kExchgRows, i, j, LowCol, HighCol); });
  if (Sorted) Changed();
}

void TMatrix::SortCols(int32_t SortRowIx, bool Ascending, int32_t LowCol, int32_t LowRow,
                       int32_t HighCol, int32_t HighRow) {
  MakeValidColRange(LowCol, HighCol);
  MakeValidRowRange(LowRow, HighRow);
  if (SortRowIx < 1 || SortRowIx > NrOfRows()) {
    if (HighCol > LowCol) Changed();
    return;
  }
  const bool Sorted = detail::SortLinesByKey(
      Data().data(), NrOfRows(), detail::TLines::Columns, SortRowIx, Ascending, LowCol, HighCol,
      LowRow, HighRow,
      [&](int32_t i, int32_t j) { SortExchange(kExchgColumns, i, j, LowRow, HighRow); });
  if (Sorted) Changed();
}

}  // namespace qor
