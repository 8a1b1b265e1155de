#include "qor/matrix/detail/blocked_product.h"

#include <algorithm>

#include "qor/matrix/detail/packed_buffer.h"

namespace qor::detail {
namespace {

std::int64_t RoundUp(std::int64_t Value, std::int64_t Step) {
  return (Value + Step - 1) / Step * Step;
}

// A tile that sticks out of C: run the kernel on a full-size scratch tile and copy back the
// Rows x Cols corner; the padded lanes see zero operands and are discarded.
void EdgeTile(const TKernelSet& Kernels, std::int64_t Kc, const double* APanel,
              const double* BPanel, double* C, std::int64_t Ldc, std::int64_t Rows,
              std::int64_t Cols, bool Accumulate) {
  alignas(64) double Tile[MaxTileSize];
  const std::int64_t Mr = Kernels.Mr;
  for (std::int64_t j = 0; j < Cols && Accumulate; ++j)
    std::copy_n(C + j * Ldc, Rows, Tile + j * Mr);
  Kernels.Kernel(Kc, APanel, BPanel, Kernels.Nr, Tile, Mr, Accumulate);
  for (std::int64_t j = 0; j < Cols; ++j) std::copy_n(Tile + j * Mr, Rows, C + j * Ldc);
}

}  // namespace

void PackPanel(const double* Src, std::int64_t LaneStride, std::int64_t StepStride,
               std::int64_t Lanes, std::int64_t Width, std::int64_t Kc, double* Dst) {
  if (LaneStride == 1) {
    // Lanes are contiguous in the source: copy whole groups.
    for (std::int64_t k = 0; k < Kc; ++k) {
      const double* From = Src + k * StepStride;
      double* To = Dst + k * Width;
      std::copy_n(From, Lanes, To);
      std::fill(To + Lanes, To + Width, 0.0);
    }
    return;
  }
  // Steps are (nearly) contiguous: read each lane as a stream, write it with a stride. A few
  // cache lines of steps at a time keep the destination rows in the first-level cache.
  constexpr std::int64_t StepBlock = 16;
  for (std::int64_t k0 = 0; k0 < Kc; k0 += StepBlock) {
    const std::int64_t KEnd = std::min(Kc, k0 + StepBlock);
    for (std::int64_t l = 0; l < Lanes; ++l) {
      const double* From = Src + l * LaneStride;
      for (std::int64_t k = k0; k < KEnd; ++k) Dst[k * Width + l] = From[k * StepStride];
    }
  }
  for (std::int64_t k = 0; k < Kc && Lanes < Width; ++k)
    std::fill(Dst + k * Width + Lanes, Dst + (k + 1) * Width, 0.0);
}

void BlockedProduct(std::int64_t M, std::int64_t N, std::int64_t K, TOperand A, TOperand B,
                    double* C, std::int64_t Ldc, const TKernelSet& Kernels) {
  if (M == 0 || N == 0) return;
  if (K == 0) {
    for (std::int64_t j = 0; j < N; ++j) std::fill_n(C + j * Ldc, M, 0.0);
    return;
  }
  const std::int64_t Mr = Kernels.Mr, Nr = Kernels.Nr;
  const std::int64_t KcMax = std::min(Kernels.Kc, K);
  const std::int64_t McMax = std::min(Kernels.Mc, RoundUp(M, Mr));
  const std::int64_t NcMax = std::min(Kernels.Nc, RoundUp(N, Nr));
  // One scratch block: the A block, then the B block on the next cache line.
  const std::int64_t SizeA = RoundUp(McMax * KcMax, 8);
  TPackedBuffer Packed(static_cast<std::size_t>(SizeA + NcMax * KcMax));
  double* const PackedA = Packed.data();
  double* const PackedB = PackedA + SizeA;

  for (std::int64_t jc = 0; jc < N; jc += NcMax) {
    const std::int64_t Nc = std::min(NcMax, N - jc);
    for (std::int64_t pc = 0; pc < K; pc += KcMax) {
      const std::int64_t Kc = std::min(KcMax, K - pc);
      const bool Accumulate = pc > 0;
      for (std::int64_t jr = 0; jr < Nc; jr += Nr)
        PackPanel(B.At(pc, jc + jr), B.ColStride, B.RowStride, std::min(Nr, Nc - jr), Nr, Kc,
                  PackedB + jr * Kc);
      for (std::int64_t ic = 0; ic < M; ic += McMax) {
        const std::int64_t Mc = std::min(McMax, M - ic);
        for (std::int64_t ir = 0; ir < Mc; ir += Mr)
          PackPanel(A.At(ic + ir, pc), A.RowStride, A.ColStride, std::min(Mr, Mc - ir), Mr, Kc,
                    PackedA + ir * Kc);
        for (std::int64_t jr = 0; jr < Nc; jr += Nr) {
          const double* BPanel = PackedB + jr * Kc;
          const std::int64_t Cols = std::min(Nr, Nc - jr);
          for (std::int64_t ir = 0; ir < Mc; ir += Mr) {
            const double* APanel = PackedA + ir * Kc;
            const std::int64_t Rows = std::min(Mr, Mc - ir);
            double* Tile = C + (jc + jr) * Ldc + ic + ir;
            if (Rows == Mr && Cols == Nr)
              Kernels.Kernel(Kc, APanel, BPanel, Nr, Tile, Ldc, Accumulate);
            else
              EdgeTile(Kernels, Kc, APanel, BPanel, Tile, Ldc, Rows, Cols, Accumulate);
          }
        }
      }
    }
  }
}

}  // namespace qor::detail
