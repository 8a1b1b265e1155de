// The register-blocked inner kernel of every matrix product, one per vector level.
//
// A micro-kernel computes one MR x NR tile of C += A·B over kc summation steps. A is packed as
// kc consecutive groups of MR doubles (group k holds rows 0..MR-1 of column k). B comes in one
// of two layouts: packed rows, B(k, j) at B[k * BStride + j], or columns read where they lie,
// B(k, j) at B[j * BStride + k]. The tile is column-major with leading dimension Ldc. Each of
// the MR x NR sums lives in its own vector lane, starts at +0 (or at the tile's current value
// when Accumulate is set) and receives its terms in increasing k, rounded to double after every
// multiplication and every addition, with no fused multiply-add. A sum continued from a stored
// tile is therefore bit-identical to one computed in a single pass, which lets callers split
// the summation range into blocks.
#pragma once

#include <cstdint>

#include "qor/matrix/detail/simd_level.h"

namespace qor::detail {

using TMicroKernel = void (*)(std::int64_t Kc, const double* A, const double* B,
                              std::int64_t BStride, double* C, std::int64_t Ldc, bool Accumulate);

// A level's micro-kernels (packed-row and column layouts of B) with their tile shape and the
// cache block sizes that suit them: Kc summation steps per packed block, Mc rows of A per
// packed block (a multiple of Mr), Nc columns of B per packed block (a multiple of Nr).
// No kernel tile has more elements than this; edge tiles are computed in scratch of this size.
inline constexpr std::int64_t MaxTileSize = 256;

struct TKernelSet {
  TSimdLevel Level;
  std::int64_t Mr, Nr, Kc, Mc, Nc;
  TMicroKernel Kernel;        // B as packed rows
  TMicroKernel ColumnKernel;  // B as columns in place
};

const TKernelSet& Sse2KernelSet();
const TKernelSet& Avx2KernelSet();
const TKernelSet& Avx512KernelSet();

const TKernelSet& KernelSetFor(TSimdLevel Level);
inline const TKernelSet& ActiveKernelSet() { return KernelSetFor(ActiveSimdLevel()); }

}  // namespace qor::detail
