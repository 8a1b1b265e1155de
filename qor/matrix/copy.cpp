// Copying between TMatrix objects and two-dimensional arrays.
#include <algorithm>
#include <cmath>
#include <limits>
#include <type_traits>
#include <utility>

#include "qor/matrix/detail/range_repair.h"
#include "qor/matrix/matrix.h"

namespace qor {
namespace {

// Nearest integer with halves to even (the default rounding mode), saturated to 32 bits.
int32_t RoundToInt32(double x) {
  if (std::isnan(x)) return 0;
  constexpr double kLowest = std::numeric_limits<int32_t>::min();
  constexpr double kHighest = std::numeric_limits<int32_t>::max();
  return static_cast<int32_t>(std::clamp(std::nearbyint(x), kLowest, kHighest));
}

template <class Entry>
Entry ConvertElement(double x) {
  if constexpr (std::is_same_v<Entry, int32_t>)
    return RoundToInt32(x);
  else
    return x;
}

}  // namespace

void TMatrix::Clone(const TMatrix* MatSource) {
  if (MatSource == nullptr) return;
  Resize(MatSource->FNCol, MatSource->FNRow);
  for (int32_t c = 1; c <= FNCol; ++c)
    for (int32_t r = 1; r <= FNRow; ++r) SetVal(c, r, MatSource->GetVal(c, r));
  Changed();
}

void TMatrix::CopyFrom(const TMatrix* MatSource, int32_t SourceColLo, int32_t SourceRowLo,
                       int32_t SourceColHi, int32_t SourceRowHi, int32_t DestCol, int32_t DestRow) {
  if (MatSource == nullptr) return;
  SourceColLo = detail::ClampIndex(SourceColLo, MatSource->FNCol);
  SourceColHi = detail::ClampIndex(SourceColHi, MatSource->FNCol);
  SourceRowLo = detail::ClampIndex(SourceRowLo, MatSource->FNRow);
  SourceRowHi = detail::ClampIndex(SourceRowHi, MatSource->FNRow);
  if (SourceColLo > SourceColHi) std::swap(SourceColLo, SourceColHi);
  if (SourceRowLo > SourceRowHi) std::swap(SourceRowLo, SourceRowHi);
  if (detail::RangeLength(SourceColLo, SourceColHi) > 0 &&
      detail::RangeLength(SourceRowLo, SourceRowHi) > 0) {
    for (int32_t c = SourceColLo; c <= SourceColHi; ++c)
      for (int32_t r = SourceRowLo; r <= SourceRowHi; ++r)
        SetVal(detail::ShiftIndex(DestCol, c - SourceColLo),
               detail::ShiftIndex(DestRow, r - SourceRowLo), MatSource->At(c, r));
  }
  Changed();
}

template <class Array2D>
void TMatrix::CopyRectangleTo(Array2D& DestArray, int32_t LowCol, int32_t HighCol, int32_t LowRow,
                              int32_t HighRow) const {
  using Entry = typename Array2D::value_type::value_type;
  MakeValidColRange(LowCol, HighCol);
  MakeValidRowRange(LowRow, HighRow);
  const int32_t Rows = detail::RangeLength(LowRow, HighRow);
  DestArray.assign(static_cast<size_t>(detail::RangeLength(LowCol, HighCol)), {});
  for (size_t i = 0; i < DestArray.size(); ++i) {
    const double* Source = ColumnPtr(LowCol + static_cast<int32_t>(i)) + (LowRow - 1);
    DestArray[i].resize(static_cast<size_t>(Rows));
    for (int32_t j = 0; j < Rows; ++j)
      DestArray[i][static_cast<size_t>(j)] = ConvertElement<Entry>(Source[j]);
  }
}

void TMatrix::CopyToArray(TDouble2DArray& DestArray, int32_t LowCol, int32_t HighCol,
                          int32_t LowRow, int32_t HighRow) const {
  CopyRectangleTo(DestArray, LowCol, HighCol, LowRow, HighRow);
}

void TMatrix::CopyToArray(TInt2DArray& DestArray, int32_t LowCol, int32_t HighCol, int32_t LowRow,
                          int32_t HighRow) const {
  CopyRectangleTo(DestArray, LowCol, HighCol, LowRow, HighRow);
}

template <class Array2D>
void TMatrix::StoreArray(const Array2D& SrcArray, int32_t Col, int32_t Row) {
  if (SrcArray.empty()) return;
  const size_t Rows = SrcArray[0].size();
  for (size_t i = 0; i < SrcArray.size(); ++i) {
    const size_t Available = std::min(Rows, SrcArray[i].size());
    for (size_t j = 0; j < Available; ++j)
      SetVal(detail::ShiftIndex(Col, static_cast<int64_t>(i)),
             detail::ShiftIndex(Row, static_cast<int64_t>(j)), static_cast<double>(SrcArray[i][j]));
  }
}

void TMatrix::CopyFromArray(const TDouble2DArray& SrcArray, int32_t Col, int32_t Row) {
  StoreArray(SrcArray, Col, Row);
}

void TMatrix::CopyFromArray(const TInt2DArray& SrcArray, int32_t Col, int32_t Row) {
  StoreArray(SrcArray, Col, Row);
}

}  // namespace qor
