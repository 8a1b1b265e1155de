// Counting, thresholding and searching the elements of a TMatrix.
#include "qor/matrix/detail/block_search.h"
#include "qor/matrix/detail/matrix_block.h"
#include "qor/matrix/matrix.h"

namespace qor {

int32_t TMatrix::CountValues(int32_t LowCol, int32_t HighCol, int32_t LowRow, int32_t HighRow,
                             double RangeLow, double RangeHigh) const {
  return detail::BlockCountInRange(detail::RepairedBlock(*this, LowCol, HighCol, LowRow, HighRow),
                                   RangeLow, RangeHigh);
}

int32_t TMatrix::Dichotomize(double Threshold, TBool2DArray& ResultArray) const {
  return detail::Dichotomize(detail::WholeBlock(*this), Threshold, ResultArray);
}

void TMatrix::Find(int32_t LowCol, int32_t HighCol, int32_t LowRow, int32_t HighRow, double Value,
                   int32_t& ColIx, int32_t& RowIx) const {
  const detail::TCellIndex Hit = detail::BlockFindNearest(
      detail::RepairedBlock(*this, LowCol, HighCol, LowRow, HighRow), Value);
  ColIx = Hit.Col;
  RowIx = Hit.Row;
}

int32_t TMatrix::FindInSortedColumn(int32_t Col, bool ColIsAscending, double Value) const {
  const std::span<const double> Sorted = Column(Col);
  return detail::FindInSorted(Sorted.data(), static_cast<int32_t>(Sorted.size()), ColIsAscending,
                              Value);
}

}  // namespace qor
