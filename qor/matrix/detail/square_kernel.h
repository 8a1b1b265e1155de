// The scaled cross-product of the columns of a matrix, S = (Aᵀ·A) / Norm, by column ranges or
// by pieces of work that several threads share.
//
// A has NRows rows and NCols columns, column-major with leading dimension Lda >= max(1, NRows);
// indices are 0-based. S is NCols x NCols, column-major with leading dimension Lds. For every
// pair i <= j, S(i, j) and S(j, i) both receive (sum over r = 0 .. NRows-1 of A(r, i)·A(r, j))
// / Norm, where the sum starts at +0 and adds the terms in increasing r, each product and each
// partial sum rounded to double, no fused multiply-add; the quotient is a true division by
// Norm (Norm = 0 gives infinities or NaN exactly as the division does). With no rows every
// element is 0 / Norm. The running sums live in the upper triangle of S itself, so splitting
// the rows into blocks that continue a stored sum changes no bit, and neither does the way the
// pairs are split: every partition and every thread count gives the same S.
//
// Two ways to split the work:
// - By result column: SquareColumns(Op, ColLo, ColHi) computes the pairs whose smaller index i
//   lies in [ColLo, ColHi) over all rows and writes only their S(i, j) and S(j, i). Disjoint
//   ranges may run concurrently. A range streams columns ColLo .. NCols-1 of A from memory
//   once, so many small ranges stream A many times; ranges starting on a multiple of
//   SquareGranule() use the kernel tiles fully. The serial Square uses this, one column
//   announced at a time.
// - By row block and piece of the triangle: with R = ceil(NCols / SquareGranule()) rows of
//   register tiles, piece p holds tile rows p and R-1-p (pairs i in those rows of Mr columns),
//   so the SquarePieces(NCols) = ceil(R / 2) pieces carry nearly equal work and no tile row is
//   split (its A panel would be packed once per part); with fewer than four tile rows there
//   would be too few pieces to share, so each tile row is halved instead (2R pieces, J0 range
//   cut in the middle). The rows of A go in SquareRowBlocks(NRows) blocks, and
//   SquarePieceBlock(Op, Sums, Piece, Block, Scratch) adds the terms of one row block to the
//   pairs of one piece, in Sums; the last block also divides them into S and mirrors them. The
//   blocks of a piece must run in increasing order, each after the previous one has finished (on
//   any thread, given a happens-before edge); different pieces are independent. Threads that work
//   through the blocks together read the same rows of A while they are in cache, which is how the
//   parallel Square scales.
//
// Sizes are not checked: the caller validates them. Scratch comes from the calling thread's
// block (packed_buffer.h); std::bad_alloc on failure.
#pragma once

#include <cstdint>

#include "qor/matrix/detail/packed_buffer.h"

namespace qor::detail {

struct TSquareOperands {
  std::int64_t NRows, NCols;
  const double* A;
  std::int64_t Lda;
  double Norm;
  double* S;
  std::int64_t Lds;
};

void SquareColumns(const TSquareOperands& Op, std::int64_t ColLo, std::int64_t ColHi);

// The column tile width of the active vector level's kernel.
std::int64_t SquareGranule();

// The number of row blocks of SquarePieceBlock: at least 1 (with no rows, the single empty
// block only writes 0 / Norm).
std::int64_t SquareRowBlocks(std::int64_t NRows);

std::int64_t SquarePieces(std::int64_t NCols);

// One thread's packing space for SquarePieceBlock, sized for NRows. Creating it is the only
// step that can fail, so a thread takes it before it takes any work.
class TSquareScratch {
 public:
  explicit TSquareScratch(std::int64_t NRows);
  double* data() { return Buffer.data(); }

 private:
  TPackedBuffer Buffer;
};

// The running sums of SquarePieceBlock, shared by all threads of one product. They stay out
// of S: the columns of S start anywhere within a cache line, so tiles of two pieces share
// lines, and such a line would travel between the cores on every row block. Here every column
// starts on a line of its own (64-byte aligned storage, leading dimension a whole number of
// lines), so with tile heights of whole lines no two pieces touch the same line. Costs one
// more NCols x NCols matrix, rounded up.
class TSquareSums {
 public:
  static constexpr std::int64_t kLineDoubles = 8;
  explicit TSquareSums(std::int64_t NCols);
  double* data() { return Buffer.data(); }
  std::int64_t Ld() const { return FLd; }

 private:
  std::int64_t FLd;
  TPackedBuffer Buffer;
};

void SquarePieceBlock(const TSquareOperands& Op, TSquareSums& Sums, std::int64_t Piece,
                      std::int64_t Block, TSquareScratch& Scratch);

}  // namespace qor::detail
