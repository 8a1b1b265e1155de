// Filling TMatrix: constants, the diagonal and uniform or normal random values.
#include <algorithm>

#include "qor/frame/random.h"
#include "qor/math1/random_numbers.h"
#include "qor/matrix/detail/range_repair.h"
#include "qor/matrix/matrix.h"

namespace qor {

template <class ElementOp>
void TMatrix::ForEachInRectangle(int32_t LowCol, int32_t HighCol, int32_t LowRow, int32_t HighRow,
                                 ElementOp Op) {
  MakeValidColRange(LowCol, HighCol);
  MakeValidRowRange(LowRow, HighRow);
  if (detail::RangeLength(LowCol, HighCol) == 0 || detail::RangeLength(LowRow, HighRow) == 0)
    return;
  for (int32_t c = LowCol; c <= HighCol; ++c) {
    double* ColumnStart = ColumnPtr(c);
    for (int32_t r = LowRow; r <= HighRow; ++r) Op(ColumnStart[r - 1]);
  }
}

void TMatrix::Fill(double value) {
  std::fill(FMat.begin(), FMat.end(), value);
  Changed();
}

void TMatrix::Fill(int32_t LowCol, int32_t HighCol, int32_t LowRow, int32_t HighRow, double value) {
  ForEachInRectangle(LowCol, HighCol, LowRow, HighRow, [value](double& x) { x = value; });
  Changed();
}

void TMatrix::FillDiag(double value) {
  for (int32_t i = 1; i <= std::min(FNCol, FNRow); ++i) At(i, i) = value;
  Changed();
}

void TMatrix::FillRandomUniform(double RangeLow, double RangeHigh) {
  FillRandomUniform(0, 0, 0, 0, RangeLow, RangeHigh);
}

void TMatrix::FillRandomUniform(int32_t LowCol, int32_t HighCol, int32_t LowRow, int32_t HighRow,
                                double RangeLow, double RangeHigh) {
  const double Width = RangeHigh - RangeLow;
  ForEachInRectangle(LowCol, HighCol, LowRow, HighRow,
                     [&](double& x) { x = Random() * Width + RangeLow; });
  Changed();
}

void TMatrix::FillRandomGauss(double Mean, double StdDev) {
  FillRandomGauss(0, 0, 0, 0, Mean, StdDev);
}

void TMatrix::FillRandomGauss(int32_t LowCol, int32_t HighCol, int32_t LowRow, int32_t HighRow,
                              double Mean, double StdDev) {
  ForEachInRectangle(LowCol, HighCol, LowRow, HighRow,
                     [&](double& x) { x = GRandom() * StdDev + Mean; });
  Changed();
}

}  // namespace qor
