// A rectangle of a column-major element buffer, the common argument of the matrix statistics,
// search and sorting kernels, templated on the element type so that the double and the
// integer matrix run the same code.
//
// The buffer holds NRows rows per column; element (c, r), 1-based, sits at
// (c - 1) * NRows + (r - 1). The bounds are those the component has already repaired; a
// dimension of size 0 repairs to (1, 0) or (0, 0), both of which count as empty here, so a
// kernel never reads outside the buffer. Elements are visited column by column, down each
// column: the accumulation order of every sum below.
#pragma once

#include <cstdint>

namespace qor::detail {

template <class T>
struct TCellBlock {
  T* Data;        // element (1, 1) of the whole matrix
  int64_t NRows;  // rows per column of the whole matrix
  int32_t LowCol;
  int32_t HighCol;
  int32_t LowRow;
  int32_t HighRow;

  static constexpr int32_t Length(int32_t Low, int32_t High) {
    return Low < 1 || Low > High ? 0 : High - Low + 1;
  }
  int32_t Cols() const { return Length(LowCol, HighCol); }
  int32_t Rows() const { return Length(LowRow, HighRow); }
  int64_t Count() const { return static_cast<int64_t>(Cols()) * Rows(); }
  // Element (c, LowRow); the next Rows() - 1 elements of the column follow it.
  T* ColumnStart(int32_t c) const { return Data + (c - 1) * NRows + (LowRow - 1); }

  // Visit(x) for every element, columns outer, rows inner.
  template <class Visitor>
  void ForEach(Visitor&& Visit) const {
    if (Count() == 0) return;
    for (int32_t c = LowCol; c <= HighCol; ++c) {
      const T* Column = ColumnStart(c);
      for (int32_t i = 0; i < Rows(); ++i) Visit(Column[i]);
    }
  }
  // Visit(c, r, x) in the same order, for kernels that report a position.
  template <class Visitor>
  void ForEachIndexed(Visitor&& Visit) const {
    if (Count() == 0) return;
    for (int32_t c = LowCol; c <= HighCol; ++c) {
      const T* Column = ColumnStart(c);
      for (int32_t r = LowRow; r <= HighRow; ++r) Visit(c, r, Column[r - LowRow]);
    }
  }
};

// The whole NCols x NRows buffer as one block.
template <class T>
TCellBlock<T> WholeBlock(T* Data, int32_t NCols, int32_t NRows) {
  return {Data, NRows, 1, NCols, 1, NRows};
}

}  // namespace qor::detail
