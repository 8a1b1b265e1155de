// The cache-blocked product C = A·B on strided operands, and the panel packing it uses.
//
// Operands are views with independent row and column strides, so one driver serves A·B, A·Bᵀ
// and Aᵀ·B (a transposed operand is the same memory with its strides exchanged). Indices are
// 0-based; C is column-major with leading dimension Ldc >= max(1, M). Element C(i, j) is the
// sum over k = 0 .. K-1 of A(i, k)·B(k, j), started at +0 and accumulated in increasing k with
// each product and each partial sum rounded to double, whatever the vector level; with K = 0 it
// is +0. Sizes are not checked: the caller guarantees non-negative sizes and buffers that hold
// every addressed element. Packed panels live in the calling thread's scratch block
// (packed_buffer.h); std::bad_alloc on failure.
#pragma once

#include <cstdint>

#include "qor/matrix/detail/micro_kernel.h"

namespace qor::detail {

struct TOperand {
  const double* Data;
  std::int64_t RowStride, ColStride;
  const double* At(std::int64_t Row, std::int64_t Col) const {
    return Data + Row * RowStride + Col * ColStride;
  }
};

// Copies Lanes lanes of Kc steps each into Dst as Kc consecutive groups of Width doubles:
// Dst[k * Width + l] = Src[l * LaneStride + k * StepStride], lanes Lanes .. Width-1 set to 0.
void PackPanel(const double* Src, std::int64_t LaneStride, std::int64_t StepStride,
               std::int64_t Lanes, std::int64_t Width, std::int64_t Kc, double* Dst);

void BlockedProduct(std::int64_t M, std::int64_t N, std::int64_t K, TOperand A, TOperand B,
                    double* C, std::int64_t Ldc, const TKernelSet& Kernels);

}  // namespace qor::detail
