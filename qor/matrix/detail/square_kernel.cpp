#include "qor/matrix/detail/square_kernel.h"

#include <algorithm>

#include "qor/matrix/detail/blocked_product.h"
#include "qor/matrix/detail/micro_kernel.h"
#include "qor/matrix/detail/packed_buffer.h"

namespace qor::detail {
namespace {

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

// Summation steps per block: an Mr x 128 A panel stays in the first-level cache while the
// B columns of the block stream from the second level.
constexpr std::int64_t SquareKc = 128;

// One block of summation steps [Pc, Pc + Kc) for the pairs of [ColLo, ColHi), added to the
// running sums in the upper triangle of S.
void AccumulateBlock(const TKernelSet& Kernels, std::int64_t NCols, const double* A,
                     std::int64_t Lda, std::int64_t Pc, std::int64_t Kc, double* S,
                     std::int64_t Lds, std::int64_t ColLo, std::int64_t ColHi, double* APanel,
                     double* TailColumns) {
  const std::int64_t Mr = Kernels.Mr, Nr = Kernels.Nr;
  const bool Accumulate = Pc > 0;
  const TPairMask Mask{ColLo, ColHi, NCols};
  // The last, partial group of B columns is copied with zero columns after it.
  const std::int64_t TailStart = NCols / Nr * Nr;
  for (std::int64_t j = 0; j < Nr; ++j) {
    double* To = TailColumns + j * Kc;
    if (TailStart + j < NCols)
      std::copy_n(A + (TailStart + j) * Lda + Pc, Kc, To);
    else
      std::fill_n(To, Kc, 0.0);
  }
  for (std::int64_t I0 = ColLo / Mr * Mr; I0 < ColHi; I0 += Mr) {
    PackPanel(A + I0 * Lda + Pc, Lda, 1, std::min(Mr, NCols - I0), Mr, Kc, APanel);
    for (std::int64_t J0 = std::max(I0, ColLo) / Nr * Nr; J0 < NCols; J0 += Nr) {
      const bool Tail = J0 == TailStart;
      const double* B = Tail ? TailColumns : A + J0 * Lda + Pc;
      const std::int64_t BStride = Tail ? Kc : Lda;
      double* Tile = S + J0 * Lds + I0;
      if (Mask.WholeTile(I0, Mr, J0, Nr)) {
        Kernels.ColumnKernel(Kc, APanel, B, BStride, Tile, Lds, Accumulate);
        continue;
      }
      // Run the whole tile in scratch and keep only this range's pairs of the upper triangle.
      alignas(64) double Scratch[MaxTileSize] = {};
      for (std::int64_t j = 0; j < Nr && Accumulate; ++j)
        for (std::int64_t i = 0; i < Mr; ++i)
          if (Mask.Wanted(I0 + i, J0 + j)) Scratch[j * Mr + i] = Tile[j * Lds + i];
      Kernels.ColumnKernel(Kc, APanel, B, BStride, Scratch, Mr, Accumulate);
      for (std::int64_t j = 0; j < Nr; ++j)
        for (std::int64_t i = 0; i < Mr; ++i)
          if (Mask.Wanted(I0 + i, J0 + j)) Tile[j * Lds + i] = Scratch[j * Mr + i];
    }
  }
}

}  // namespace

void SquareColumns(std::int64_t NRows, std::int64_t NCols, const double* A, std::int64_t Lda,
                   double Norm, double* S, std::int64_t Lds, std::int64_t ColLo,
                   std::int64_t ColHi) {
  if (ColLo >= ColHi) return;
  if (NRows > 0) {
    const TKernelSet& Kernels = ActiveKernelSet();
    const std::int64_t KcMax = std::min(SquareKc, NRows);
    TPackedBuffer Scratch(static_cast<std::size_t>((Kernels.Mr + Kernels.Nr) * KcMax));
    double* const APanel = Scratch.data();
    double* const TailColumns = APanel + Kernels.Mr * KcMax;
    for (std::int64_t Pc = 0; Pc < NRows; Pc += KcMax)
      AccumulateBlock(Kernels, NCols, A, Lda, Pc, std::min(KcMax, NRows - Pc), S, Lds, ColLo, ColHi,
                      APanel, TailColumns);
  } else {
    for (std::int64_t i = ColLo; i < ColHi; ++i)
      for (std::int64_t j = i; j < NCols; ++j) S[j * Lds + i] = 0.0;
  }
  // The upper triangle holds the finished sums; scale them and mirror them below.
  for (std::int64_t i = ColLo; i < ColHi; ++i)
    for (std::int64_t j = i; j < NCols; ++j) {
      const double Value = S[j * Lds + i] / Norm;
      S[j * Lds + i] = Value;
      S[i * Lds + j] = Value;
    }
}

std::int64_t SquareGranule() { return ActiveKernelSet().Mr; }

}  // namespace qor::detail
