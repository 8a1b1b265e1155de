// The scaled cross-product of the columns of a matrix, S = (Aᵀ·A) / Norm, by column ranges.
//
// A has NRows rows and NCols columns, column-major with leading dimension Lda >= max(1, NRows);
// indices are 0-based. S is NCols x NCols, column-major with leading dimension Lds. For every
// pair i <= j, S(i, j) and S(j, i) both receive (sum over r = 0 .. NRows-1 of A(r, i)·A(r, j))
// / Norm, where the sum starts at +0 and adds the terms in increasing r, each product and each
// partial sum rounded to double, no fused multiply-add; the quotient is a true division by
// Norm (Norm = 0 gives infinities or NaN exactly as the division does). With no rows every
// element is 0 / Norm.
//
// The work has two phases, each split by column ranges that may run concurrently on any number
// of threads. First PackColumns copies the columns into kernel panels; its ranges must start
// on multiples of Granule() and together cover 0 .. NCols-1. When all packing has finished,
// SquareColumns(..., ColLo, ColHi) computes the pairs whose smaller index i lies in [ColLo,
// ColHi) and writes only S(i, j) and S(j, i) of those pairs, so disjoint ranges write disjoint
// elements. The result is bit-identical for every partition of 0 .. NCols-1 and every thread
// count, because no element's sum depends on which range or thread computed it. Ranges that
// start on a multiple of Granule() use the kernel tiles fully; any range is correct.
// SquareBalancedBounds() gives a partition with equal work per part (the work of column i is
// proportional to NCols - i). The panels take one copy of A from the creating thread's scratch
// block (packed_buffer.h) and must be destroyed on that thread. Sizes are not checked: the
// caller validates them.
#pragma once

#include <cstdint>
#include <vector>

#include "qor/matrix/detail/micro_kernel.h"
#include "qor/matrix/detail/packed_buffer.h"

namespace qor::detail {

class TSquarePanels {
 public:
  // Panels for A in the layout of the active vector level's kernel, not yet filled;
  // allocation failure throws std::bad_alloc.
  TSquarePanels(std::int64_t NRows, std::int64_t NCols, const double* A, std::int64_t Lda);

  // Packs columns [ColLo, ColHi); ColLo must be a multiple of Granule().
  void PackColumns(std::int64_t ColLo, std::int64_t ColHi);

  std::int64_t NRows() const { return Rows; }
  std::int64_t NCols() const { return Cols; }
  std::int64_t Granule() const { return Kernels.Mr; }

  // Computes the pairs (i, j), ColLo <= i < ColHi, i <= j < NCols, into S (see above).
  void SquareColumns(double Norm, double* S, std::int64_t Lds, std::int64_t ColLo,
                     std::int64_t ColHi) const;

 private:
  const double* Panel(std::int64_t Col) const;
  void AccumulateBlock(std::int64_t Pc, std::int64_t Kc, double* S, std::int64_t Lds,
                       std::int64_t ColLo, std::int64_t ColHi) const;

  const TKernelSet& Kernels;
  std::int64_t Rows, Cols;
  const double* Source;
  std::int64_t SourceLd;
  TPackedBuffer Packed;  // panels of Mr columns, each Rows groups of Mr doubles
};

// Parts + 1 increasing bounds from 0 to NCols; part p is [Bounds[p], Bounds[p + 1]). Inner bounds
// are multiples of Granule and split the triangular work as evenly as that allows.
std::vector<std::int64_t> SquareBalancedBounds(std::int64_t NCols, std::int64_t Parts,
                                               std::int64_t Granule);

}  // namespace qor::detail
