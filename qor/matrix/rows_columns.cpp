// Removing, exchanging and mirroring whole rows and columns of TMatrix.
#include <algorithm>

#include "qor/matrix/matrix.h"

namespace qor {

bool TMatrix::RemoveColumn(int32_t col) {
  if (col < 1 || col > FNCol || FNCol < 2) return false;
  // Columns are contiguous, so the following ones move left by one block.
  std::copy(ColumnPtr(col + 1), FMat.data() + FMat.size(), ColumnPtr(col));
  Resize(FNCol - 1, FNRow);
  return true;
}

bool TMatrix::RemoveRow(int32_t row) {
  if (row < 1 || row > FNRow || FNRow < 2) return false;
  for (int32_t c = 1; c <= FNCol; ++c) {
    double* Start = ColumnPtr(c);
    std::copy(Start + row, Start + FNRow, Start + row - 1);
  }
  Resize(FNCol, FNRow - 1);
  return true;
}

void TMatrix::ExchangeColumns(int32_t c1, int32_t c2) {
  if (c1 < 1 || c1 > FNCol || c2 < 1 || c2 > FNCol) return;
  if (c1 != c2) std::swap_ranges(ColumnPtr(c1), ColumnPtr(c1) + FNRow, ColumnPtr(c2));
  Changed();
}

void TMatrix::ExchangeRows(int32_t r1, int32_t r2) {
  if (r1 < 1 || r1 > FNRow || r2 < 1 || r2 > FNRow) return;
  for (int32_t c = 1; c <= FNCol; ++c) std::swap(At(c, r1), At(c, r2));
  Changed();
}

void TMatrix::MirrorColumns() {
  for (int32_t c = 1; c <= FNCol / 2; ++c)
    std::swap_ranges(ColumnPtr(c), ColumnPtr(c) + FNRow, ColumnPtr(FNCol + 1 - c));
  Changed();
}

void TMatrix::MirrorRows() {
  for (int32_t c = 1; c <= FNCol; ++c) std::reverse(ColumnPtr(c), ColumnPtr(c) + FNRow);
  Changed();
}

}  // namespace qor
