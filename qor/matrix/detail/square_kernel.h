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
// Work is split by result column: SquareColumns(..., ColLo, ColHi) computes the pairs whose
// smaller index i lies in [ColLo, ColHi) and writes only S(i, j) and S(j, i) of those pairs.
// Disjoint ranges therefore write disjoint elements and may run concurrently on any number of
// threads, in any order; the result is bit-identical for every partition of 0 .. NCols-1 and
// every thread count, because no element's sum depends on which range or thread computed it.
// A range reads columns ColLo .. NCols-1 of A once from memory; ranges that start on a
// multiple of SquareGranule() use the kernel tiles fully, and any range is correct. The work of
// column i is proportional to NCols - i, so fixed contiguous ranges balance poorly; the
// intended schedule hands out one granule of columns at a time, in increasing order, to
// whichever thread is free (a finished worker takes the next granule at once). That keeps all
// threads busy to the end, and the granule is a natural unit for progress counts and abort
// polls. Sizes are not checked: the caller validates them. Scratch comes from the calling
// thread's block (packed_buffer.h); std::bad_alloc on failure.
#pragma once

#include <cstdint>

namespace qor::detail {

void SquareColumns(std::int64_t NRows, std::int64_t NCols, const double* A, std::int64_t Lda,
                   double Norm, double* S, std::int64_t Lds, std::int64_t ColLo,
                   std::int64_t ColHi);

// The column tile width of the active vector level's kernel.
std::int64_t SquareGranule();

}  // namespace qor::detail
