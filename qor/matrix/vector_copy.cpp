// Copies between TMatrix rows or columns and TVector.
#include <algorithm>

#include "qor/matrix/detail/range_repair.h"
#include "qor/matrix/matrix.h"
#include "qor/vector/vector.h"

namespace qor {

void TMatrix::CopyLineToVec(TVector* DestVec, TDims Dim, int32_t Line, int32_t Low,
                            int32_t High) const {
  if (DestVec == nullptr) return;
  const bool AcrossRow = Dim == dimColumns;
  if (AcrossRow) {
    MakeValidColRange(Low, High);
    Line = detail::ClampIndex(Line, FNRow);
  } else {
    MakeValidRowRange(Low, High);
    Line = detail::ClampIndex(Line, FNCol);
  }
  const int32_t Count = std::min(detail::RangeLength(Low, High), DestVec->NrOfElem());
  DestVec->Fill(0.0);
  for (int32_t i = 1; i <= Count; ++i)
    DestVec->SetVal(i, AcrossRow ? GetVal(Low + i - 1, Line) : GetVal(Line, Low + i - 1));
}

void TMatrix::CopyRowToVec(TVector* DestVec, int32_t Row, int32_t FirstCol, int32_t LastCol) const {
  CopyLineToVec(DestVec, dimColumns, Row, FirstCol, LastCol);
}

void TMatrix::CopyColToVec(TVector* DestVec, int32_t Col, int32_t FirstRow, int32_t LastRow) const {
  CopyLineToVec(DestVec, dimRows, Col, FirstRow, LastRow);
}

void TMatrix::CopyFromVec(TDims Dim, const TVector* VecSource, int32_t Source1stElem,
                          int32_t SourceLastElem, int32_t DestCol, int32_t DestRow) {
  if (VecSource == nullptr) return;
  VecSource->MakeValidElemRange(Source1stElem, SourceLastElem);
  for (int32_t e = Source1stElem; e <= SourceLastElem; ++e) {
    const double Value = VecSource->GetVal(e);
    const int32_t Step = e - Source1stElem;
    if (Dim == dimColumns)
      SetVal(detail::ShiftIndex(DestCol, Step), DestRow, Value);
    else
      SetVal(DestCol, detail::ShiftIndex(DestRow, Step), Value);
  }
  Changed();
}

void TMatrix::CopyFromVec(const TVector* VecSource, int32_t Source1stElem, int32_t SourceLastElem,
                          int32_t DestCol, int32_t DestRow) {
  CopyFromVec(dimRows, VecSource, Source1stElem, SourceLastElem, DestCol, DestRow);
}

}  // namespace qor
