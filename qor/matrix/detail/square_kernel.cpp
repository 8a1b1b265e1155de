#include "qor/matrix/detail/square_kernel.h"

#include <algorithm>
#include <limits>

#include "qor/matrix/detail/blocked_product.h"
#include "qor/matrix/detail/micro_kernel.h"

namespace qor::detail {
namespace {

// Summation steps per block: an Mr x 128 A panel stays in the first-level cache while the
// B columns of the block stream from the second level.
constexpr std::int64_t SquareKc = 128;

std::int64_t BlockRows(std::int64_t NRows) { return std::clamp<std::int64_t>(NRows, 1, SquareKc); }

// The register tiles holding the pairs i in [Lo, Hi), i <= j < NCols, tile row by tile row:
// rows I0 = Lo/Mr*Mr, +Mr, ... below Hi; in each, J0 from max(I0, Lo)/Nr*Nr in steps of Nr
// below NCols (earlier tiles of the row lie wholly below the diagonal), and only J0 in
// [JLo, JHi) when a tile row is shared out.
struct TTileWalk {
  std::int64_t Lo, Hi, NCols, Mr, Nr;
  std::int64_t JLo = 0, JHi = std::numeric_limits<std::int64_t>::max();

  std::int64_t FirstJ0(std::int64_t I0) const { return std::max(I0, Lo) / Nr * Nr; }
  bool Wanted(std::int64_t i, std::int64_t j) const {
    return i >= Lo && i < Hi && i <= j && j < NCols;
  }
  bool WholeTile(std::int64_t I0, std::int64_t J0) const {
    return I0 >= Lo && I0 + Mr <= Hi && I0 + Mr - 1 <= J0 && J0 + Nr <= NCols;
  }
  // Visit(I0, J0) for every tile; each tile row starts with Pack(I0).
  template <class P, class V>
  void ForEach(P&& Pack, V&& Visit) const {
    for (std::int64_t I0 = Lo / Mr * Mr; I0 < Hi; I0 += Mr) {
      Pack(I0);
      for (std::int64_t J0 = std::max(FirstJ0(I0), JLo); J0 < std::min(NCols, JHi); J0 += Nr)
        Visit(I0, J0);
    }
  }
};

TTileWalk Walk(const TKernelSet& Kernels, std::int64_t NCols, std::int64_t Lo, std::int64_t Hi) {
  return {Lo, Hi, NCols, Kernels.Mr, Kernels.Nr};
}

// Where the running sums of the upper triangle live: element (i, j) at Data[j * Ld + i].
struct TSumsView {
  double* Data;
  std::int64_t Ld;
};

// Adds rows [Pc, Pc + Kc) to the running sums of the walk's pairs (or starts them, for the
// first block). Scratch holds an Mr x Kc A panel and Nr x Kc tail columns.
void AccumulateBlock(const TKernelSet& Kernels, const TSquareOperands& Op, TSumsView Sums,
                     const TTileWalk& Tiles, std::int64_t Pc, std::int64_t Kc, double* Scratch) {
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
  const auto Pack = [&](std::int64_t I0) {
    PackPanel(Op.A + I0 * Op.Lda + Pc, Op.Lda, 1, std::min(Mr, Op.NCols - I0), Mr, Kc, APanel);
  };
  Tiles.ForEach(Pack, [&](std::int64_t I0, std::int64_t J0) {
    const bool Tail = J0 == TailStart;
    if (Tail && !TailCopied) CopyTail();
    const double* B = Tail ? TailColumns : Op.A + J0 * Op.Lda + Pc;
    const std::int64_t BStride = Tail ? Kc : Op.Lda;
    double* Tile = Sums.Data + J0 * Sums.Ld + I0;
    if (Tiles.WholeTile(I0, J0)) {
      Kernels.ColumnKernel(Kc, APanel, B, BStride, Tile, Sums.Ld, Accumulate);
      return;
    }
    // Run the whole tile in scratch and keep only the walk's pairs.
    alignas(64) double TileScratch[MaxTileSize] = {};
    for (std::int64_t j = 0; j < Nr && Accumulate; ++j)
      for (std::int64_t i = 0; i < Mr; ++i)
        if (Tiles.Wanted(I0 + i, J0 + j)) TileScratch[j * Mr + i] = Tile[j * Sums.Ld + i];
    Kernels.ColumnKernel(Kc, APanel, B, BStride, TileScratch, Mr, Accumulate);
    for (std::int64_t j = 0; j < Nr; ++j)
      for (std::int64_t i = 0; i < Mr; ++i)
        if (Tiles.Wanted(I0 + i, J0 + j)) Tile[j * Sums.Ld + i] = TileScratch[j * Mr + i];
  });
}

// The walk's pairs hold finished sums: divide them into S and mirror them below.
void ScaleAndMirror(const TSquareOperands& Op, TSumsView Sums, const TTileWalk& Tiles) {
  Tiles.ForEach([](std::int64_t) {},
                [&](std::int64_t I0, std::int64_t J0) {
                  for (std::int64_t j = J0; j < J0 + Tiles.Nr; ++j)
                    for (std::int64_t i = I0; i < I0 + Tiles.Mr; ++i)
                      if (Tiles.Wanted(i, j)) {
                        const double Value = Sums.Data[j * Sums.Ld + i] / Op.Norm;
                        Op.S[j * Op.Lds + i] = Value;
                        Op.S[i * Op.Lds + j] = Value;
                      }
                });
}

std::int64_t TileRows(const TKernelSet& Kernels, std::int64_t NCols) {
  return (NCols + Kernels.Mr - 1) / Kernels.Mr;
}

// From this many tile rows on, pieces are pairs of whole tile rows; below it, halves of rows.
constexpr std::int64_t kRowsToPair = 4;

}  // namespace

void SquareColumns(const TSquareOperands& Op, std::int64_t ColLo, std::int64_t ColHi) {
  if (ColLo >= ColHi) return;
  const TKernelSet& Kernels = ActiveKernelSet();
  const TTileWalk Tiles = Walk(Kernels, Op.NCols, ColLo, ColHi);
  TSquareScratch Scratch(Op.NRows);
  const std::int64_t KcMax = BlockRows(Op.NRows);
  for (std::int64_t Block = 0; Block < SquareRowBlocks(Op.NRows); ++Block) {
    const std::int64_t Pc = Block * KcMax;
    AccumulateBlock(Kernels, Op, {Op.S, Op.Lds}, Tiles, Pc, std::min(KcMax, Op.NRows - Pc),
                    Scratch.data());
  }
  ScaleAndMirror(Op, {Op.S, Op.Lds}, Tiles);
}

std::int64_t SquareGranule() { return ActiveKernelSet().Mr; }

std::int64_t SquareRowBlocks(std::int64_t NRows) {
  return std::max<std::int64_t>(1, (NRows + SquareKc - 1) / SquareKc);
}

std::int64_t SquarePieces(std::int64_t NCols) {
  const std::int64_t Rows = TileRows(ActiveKernelSet(), NCols);
  return Rows >= kRowsToPair ? (Rows + 1) / 2 : 2 * Rows;
}

TSquareSums::TSquareSums(std::int64_t NCols)
    : FLd(std::max<std::int64_t>(1, (NCols + kLineDoubles - 1) / kLineDoubles * kLineDoubles)),
      Buffer(static_cast<std::size_t>(FLd * NCols)) {}

TSquareScratch::TSquareScratch(std::int64_t NRows)
    : Buffer(static_cast<std::size_t>((ActiveKernelSet().Mr + ActiveKernelSet().Nr) *
                                      BlockRows(NRows))) {}

void SquarePieceBlock(const TSquareOperands& Op, TSquareSums& Sums, std::int64_t Piece,
                      std::int64_t Block, TSquareScratch& Scratch) {
  const TSumsView View{Sums.data(), Sums.Ld()};
  const TKernelSet& Kernels = ActiveKernelSet();
  const std::int64_t Rows = TileRows(Kernels, Op.NCols), Mr = Kernels.Mr, Nr = Kernels.Nr;
  const std::int64_t KcMax = BlockRows(Op.NRows), Pc = Block * KcMax;
  const bool Last = Block == SquareRowBlocks(Op.NRows) - 1;
  const auto Run = [&](TTileWalk Tiles) {
    AccumulateBlock(Kernels, Op, View, Tiles, Pc, std::min(KcMax, Op.NRows - Pc), Scratch.data());
    if (Last) ScaleAndMirror(Op, View, Tiles);
  };
  const auto TileRow = [&](std::int64_t Row) {
    return Walk(Kernels, Op.NCols, Row * Mr, std::min(Op.NCols, (Row + 1) * Mr));
  };
  if (Rows >= kRowsToPair) {
    Run(TileRow(Piece));
    if (Rows - 1 - Piece != Piece) Run(TileRow(Rows - 1 - Piece));
    return;
  }
  TTileWalk Half = TileRow(Piece / 2);
  const std::int64_t First = Half.FirstJ0(Half.Lo), Tiles = (Op.NCols - First + Nr - 1) / Nr;
  const std::int64_t Split = First + (Tiles + 1) / 2 * Nr;
  (Piece % 2 == 0 ? Half.JHi : Half.JLo) = Split;
  Run(Half);
}

}  // namespace qor::detail
