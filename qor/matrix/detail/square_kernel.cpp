#include "qor/matrix/detail/square_kernel.h"

#include <algorithm>

#include "qor/matrix/detail/blocked_product.h"

namespace qor::detail {
namespace {

std::int64_t RoundUp(std::int64_t Value, std::int64_t Step) {
  return (Value + Step - 1) / Step * Step;
}

// The pairs of one result range that fall inside a tile: i in [Lo, Hi), i <= j < NCols.
struct TPairMask {
  std::int64_t Lo, Hi, NCols;
  bool Wanted(std::int64_t i, std::int64_t j) const {
    return i >= Lo && i < Hi && i <= j && j < NCols;
  }
  bool WholeTile(std::int64_t I0, std::int64_t Mr, std::int64_t J0, std::int64_t Nr) const {
    return I0 >= Lo && I0 + Mr <= Hi && I0 + Mr - 1 <= J0 && J0 + Nr <= NCols;
  }
};

}  // namespace

TSquarePanels::TSquarePanels(std::int64_t NRows, std::int64_t NCols, const double* A,
                             std::int64_t Ld)
    : Kernels(ActiveKernelSet()),
      Rows(NRows),
      Cols(NCols),
      Source(A),
      SourceLd(Ld),
      Packed(static_cast<std::size_t>(RoundUp(NCols, Kernels.Mr) * NRows)) {}

void TSquarePanels::PackColumns(std::int64_t ColLo, std::int64_t ColHi) {
  const std::int64_t Mr = Kernels.Mr;
  for (std::int64_t c = ColLo; c < ColHi; c += Mr)
    PackPanel(Source + c * SourceLd, SourceLd, 1, std::min(Mr, ColHi - c), Mr, Rows,
              Packed.data() + c * Rows);
}

const double* TSquarePanels::Panel(std::int64_t Col) const {
  const std::int64_t Mr = Kernels.Mr;
  return Packed.data() + Col / Mr * Mr * Rows + Col % Mr;
}

void TSquarePanels::AccumulateBlock(std::int64_t Pc, std::int64_t Kc, double* S, std::int64_t Lds,
                                    std::int64_t ColLo, std::int64_t ColHi) const {
  const std::int64_t Mr = Kernels.Mr, Nr = Kernels.Nr;
  const bool Accumulate = Pc > 0;
  const TPairMask Mask{ColLo, ColHi, Cols};
  for (std::int64_t I0 = ColLo / Mr * Mr; I0 < ColHi; I0 += Mr) {
    const double* APanel = Panel(I0) + Pc * Mr;
    for (std::int64_t J0 = std::max(I0, ColLo) / Nr * Nr; J0 < Cols; J0 += Nr) {
      const double* BPanel = Panel(J0) + Pc * Mr;
      double* Tile = S + J0 * Lds + I0;
      if (Mask.WholeTile(I0, Mr, J0, Nr)) {
        Kernels.Kernel(Kc, APanel, BPanel, Mr, Tile, Lds, Accumulate);
        continue;
      }
      // Run the whole tile in scratch and keep only this range's pairs of the upper triangle.
      alignas(64) double Scratch[MaxTileSize] = {};
      for (std::int64_t j = 0; j < Nr && Accumulate; ++j)
        for (std::int64_t i = 0; i < Mr; ++i)
          if (Mask.Wanted(I0 + i, J0 + j)) Scratch[j * Mr + i] = Tile[j * Lds + i];
      Kernels.Kernel(Kc, APanel, BPanel, Mr, Scratch, Mr, Accumulate);
      for (std::int64_t j = 0; j < Nr; ++j)
        for (std::int64_t i = 0; i < Mr; ++i)
          if (Mask.Wanted(I0 + i, J0 + j)) Tile[j * Lds + i] = Scratch[j * Mr + i];
    }
  }
}

void TSquarePanels::SquareColumns(double Norm, double* S, std::int64_t Lds, std::int64_t ColLo,
                                  std::int64_t ColHi) const {
  if (Rows == 0) {
    for (std::int64_t i = ColLo; i < ColHi; ++i)
      for (std::int64_t j = i; j < Cols; ++j) S[j * Lds + i] = S[i * Lds + j] = 0.0 / Norm;
    return;
  }
  for (std::int64_t Pc = 0; Pc < Rows; Pc += Kernels.Kc)
    AccumulateBlock(Pc, std::min(Kernels.Kc, Rows - Pc), S, Lds, ColLo, ColHi);
  // The upper triangle holds the finished sums; scale them and mirror them below.
  for (std::int64_t i = ColLo; i < ColHi; ++i)
    for (std::int64_t j = i; j < Cols; ++j) {
      const double Value = S[j * Lds + i] / Norm;
      S[j * Lds + i] = Value;
      S[i * Lds + j] = Value;
    }
}

std::vector<std::int64_t> SquareBalancedBounds(std::int64_t NCols, std::int64_t Parts,
                                               std::int64_t Granule) {
  Parts = std::max<std::int64_t>(Parts, 1);
  Granule = std::max<std::int64_t>(Granule, 1);
  std::vector<std::int64_t> Bounds{0};
  const double Total = 0.5 * static_cast<double>(NCols) * static_cast<double>(NCols + 1);
  double Done = 0;
  std::int64_t Col = 0;
  for (std::int64_t p = 1; p < Parts; ++p) {
    const double Target = Total * static_cast<double>(p) / static_cast<double>(Parts);
    while (Col < NCols && Done + static_cast<double>(NCols - Col) / 2 < Target)
      Done += static_cast<double>(NCols - Col++);
    const std::int64_t Aligned = std::min(NCols, (Col + Granule / 2) / Granule * Granule);
    Bounds.push_back(std::max(Bounds.back(), Aligned));
  }
  Bounds.push_back(NCols);
  return Bounds;
}

}  // namespace qor::detail
