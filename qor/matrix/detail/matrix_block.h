// Kernel views of a TMatrix: a rectangle after the matrix's own range repair, and the whole
// column-major buffer, as the TCellBlock that the statistics kernels take (see cell_block.h;
// 1-based bounds). Bad bounds are repaired, never rejected; a matrix without elements gives an
// empty block.
#pragma once

#include <cstdint>

#include "qor/matrix/detail/cell_block.h"
#include "qor/matrix/matrix.h"

namespace qor::detail {

// The rectangle after MakeValidColRange and MakeValidRowRange.
inline TCellBlock<const double> RepairedBlock(const TMatrix& M, int32_t LowCol, int32_t HighCol,
                                              int32_t LowRow, int32_t HighRow) {
  M.MakeValidColRange(LowCol, HighCol);
  M.MakeValidRowRange(LowRow, HighRow);
  return {M.Data().data(), M.NrOfRows(), LowCol, HighCol, LowRow, HighRow};
}

inline TCellBlock<const double> WholeBlock(const TMatrix& M) {
  return WholeBlock<const double>(M.Data().data(), M.NrOfColumns(), M.NrOfRows());
}

}  // namespace qor::detail
