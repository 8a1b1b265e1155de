#include "qor/matrix/detail/square_kernel.h"

#include <algorithm>

#include "qor/matrix/detail/blocked_product.h"
#include "qor/matrix/detail/micro_kernel.h"

namespace qor::detail {
namespace {

// Summation steps per block: an Mr x 128 A panel stays in the first-level cache while the
// B columns of the block stream from the second level.
constexpr std::int64_t SquareKc = 128;

std::int64_t BlockRows(std::int64_t NRows) { return std::clamp<std::int64_t>(NRows, 1, SquareKc); }

// The register tiles holding the pairs i in [Lo, Hi), i <= j < NCols, numbered tile row by
// tile row: rows I0 = Lo/Mr*Mr, +Mr, ... below Hi; in each, J0 from max(I0, Lo)/Nr*Nr in steps
// of Nr below NCols (earlier tiles of the row lie wholly below the diagonal).
struct TTileWalk {
  std::int64_t Lo, Hi, NCols, Mr, Nr;

  std::int64_t FirstJ0(std::int64_t I0) const { return std::max(I0, Lo) / Nr * Nr; }
  std::int64_t TilesInRow(std::int64_t I0) const { return (NCols - FirstJ0(I0) + Nr - 1) / Nr; }
  std::int64_t Count() const {
    std::int64_t Tiles = 0;
    for (std::int64_t I0 = Lo / Mr * Mr; I0 < Hi; I0 += Mr) Tiles += TilesInRow(I0);
    return Tiles;
  }
  bool Wanted(std::int64_t i, std::int64_t j) const {
    return i >= Lo && i < Hi && i <= j && j < NCols;
  }
  bool WholeTile(std::int64_t I0, std::int64_t J0) const {
    return I0 >= Lo && I0 + Mr <= Hi && I0 + Mr - 1 <= J0 && J0 + Nr <= NCols;
  }
  // Visit(I0, J0, FirstOfRow) for the tiles numbered First .. End-1; FirstOfRow is true for
  // the first tile visited in each tile row.
  template <class F>
  void ForEach(std::int64_t First, std::int64_t End, F&& Visit) const {
    std::int64_t Index = 0;
    for (std::int64_t I0 = Lo / Mr * Mr; I0 < Hi && Index < End; I0 += Mr) {
      const std::int64_t RowEnd = Index + TilesInRow(I0);
      if (RowEnd > First) {
        const std::int64_t Skip = std::max<std::int64_t>(First - Index, 0);
        const std::int64_t Stop = std::min(RowEnd, End) - Index;
        for (std::int64_t t = Skip; t < Stop; ++t) Visit(I0, FirstJ0(I0) + t * Nr, t == Skip);
      }
      Index = RowEnd;
    }
  }
};

TTileWalk Walk(const TKernelSet& Kernels, std::int64_t NCols, std::int64_t Lo, std::int64_t Hi) {
  return {Lo, Hi, NCols, Kernels.Mr, Kernels.Nr};
}

// Adds rows [Pc, Pc + Kc) to the running sums of the walk's tiles First .. End-1 (or starts
// them, for the first block). Scratch holds an Mr x Kc A panel and Nr x Kc tail columns.
void AccumulateBlock(const TKernelSet& Kernels, const TSquareOperands& Op, const TTileWalk& Tiles,
                     std::int64_t First, std::int64_t End, std::int64_t Pc, std::int64_t Kc,
                     double* Scratch) {
  const std::int64_t Mr = Kernels.Mr, Nr = Kernels.Nr;
  double* const APanel = Scratch;
  double* const TailColumns = Scratch + Mr * Kc;
  const bool Accumulate = Pc > 0;
  // The last, partial group of B columns is copied with zero columns after it, once the first
  // tile that needs it comes up (most pieces of the triangle never do).
  const std::int64_t TailStart = Op.NCols / Nr * Nr;
  bool TailCopied = false;
  const auto CopyTail = [&] {
    for (std::int64_t j = 0; j < Nr; ++j) {
      double* To = TailColumns + j * Kc;
      if (TailStart + j < Op.NCols)
        std::copy_n(Op.A + (TailStart + j) * Op.Lda + Pc, Kc, To);
      else
        std::fill_n(To, Kc, 0.0);
    }
    TailCopied = true;
  };
  Tiles.ForEach(First, End, [&](std::int64_t I0, std::int64_t J0, bool FirstOfRow) {
    if (FirstOfRow)
      PackPanel(Op.A + I0 * Op.Lda + Pc, Op.Lda, 1, std::min(Mr, Op.NCols - I0), Mr, Kc, APanel);
    const bool Tail = J0 == TailStart;
    if (Tail && !TailCopied) CopyTail();
    const double* B = Tail ? TailColumns : Op.A + J0 * Op.Lda + Pc;
    const std::int64_t BStride = Tail ? Kc : Op.Lda;
    double* Tile = Op.S + J0 * Op.Lds + I0;
    if (Tiles.WholeTile(I0, J0)) {
      Kernels.ColumnKernel(Kc, APanel, B, BStride, Tile, Op.Lds, Accumulate);
      return;
    }
    // Run the whole tile in scratch and keep only the walk's pairs.
    alignas(64) double TileScratch[MaxTileSize] = {};
    for (std::int64_t j = 0; j < Nr && Accumulate; ++j)
      for (std::int64_t i = 0; i < Mr; ++i)
        if (Tiles.Wanted(I0 + i, J0 + j)) TileScratch[j * Mr + i] = Tile[j * Op.Lds + i];
    Kernels.ColumnKernel(Kc, APanel, B, BStride, TileScratch, Mr, Accumulate);
    for (std::int64_t j = 0; j < Nr; ++j)
      for (std::int64_t i = 0; i < Mr; ++i)
        if (Tiles.Wanted(I0 + i, J0 + j)) Tile[j * Op.Lds + i] = TileScratch[j * Mr + i];
  });
}

// The walk's tiles First .. End-1 hold finished sums: divide them and mirror them below.
void ScaleAndMirror(const TSquareOperands& Op, const TTileWalk& Tiles, std::int64_t First,
                    std::int64_t End) {
  Tiles.ForEach(First, End, [&](std::int64_t I0, std::int64_t J0, bool) {
    for (std::int64_t j = J0; j < J0 + Tiles.Nr; ++j)
      for (std::int64_t i = I0; i < I0 + Tiles.Mr; ++i)
        if (Tiles.Wanted(i, j)) {
          const double Value = Op.S[j * Op.Lds + i] / Op.Norm;
          Op.S[j * Op.Lds + i] = Value;
          Op.S[i * Op.Lds + j] = Value;
        }
  });
}

}  // namespace

void SquareColumns(const TSquareOperands& Op, std::int64_t ColLo, std::int64_t ColHi) {
  if (ColLo >= ColHi) return;
  const TKernelSet& Kernels = ActiveKernelSet();
  const TTileWalk Tiles = Walk(Kernels, Op.NCols, ColLo, ColHi);
  const std::int64_t Count = Tiles.Count();
  TSquareScratch Scratch(Op.NRows);
  const std::int64_t KcMax = BlockRows(Op.NRows);
  for (std::int64_t Block = 0; Block < SquareRowBlocks(Op.NRows); ++Block) {
    const std::int64_t Pc = Block * KcMax;
    AccumulateBlock(Kernels, Op, Tiles, 0, Count, Pc, std::min(KcMax, Op.NRows - Pc),
                    Scratch.data());
  }
  ScaleAndMirror(Op, Tiles, 0, Count);
}

std::int64_t SquareGranule() { return ActiveKernelSet().Mr; }

std::int64_t SquareRowBlocks(std::int64_t NRows) {
  return std::max<std::int64_t>(1, (NRows + SquareKc - 1) / SquareKc);
}

std::int64_t SquareTileCount(std::int64_t NCols) {
  return Walk(ActiveKernelSet(), NCols, 0, NCols).Count();
}

TSquareScratch::TSquareScratch(std::int64_t NRows)
    : Buffer(static_cast<std::size_t>((ActiveKernelSet().Mr + ActiveKernelSet().Nr) *
                                      BlockRows(NRows))) {}

void SquareTileBlock(const TSquareOperands& Op, std::int64_t Chunk, std::int64_t Chunks,
                     std::int64_t Block, TSquareScratch& Scratch) {
  const TKernelSet& Kernels = ActiveKernelSet();
  const TTileWalk Tiles = Walk(Kernels, Op.NCols, 0, Op.NCols);
  const std::int64_t Count = Tiles.Count();
  const std::int64_t First = Count * Chunk / Chunks, End = Count * (Chunk + 1) / Chunks;
  if (First == End) return;
  const std::int64_t KcMax = BlockRows(Op.NRows), Pc = Block * KcMax;
  AccumulateBlock(Kernels, Op, Tiles, First, End, Pc, std::min(KcMax, Op.NRows - Pc),
                  Scratch.data());
  if (Block == SquareRowBlocks(Op.NRows) - 1) ScaleAndMirror(Op, Tiles, First, End);
}

}  // namespace qor::detail
