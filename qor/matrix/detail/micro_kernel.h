// The register-blocked inner kernel of every matrix product, one per vector level.
//
// A micro-kernel computes one MR x NR tile of C += A·B over kc summation steps from packed
// operands: A as kc consecutive groups of MR doubles (group k holds rows 0..MR-1 of column k),
// B as kc groups of NR doubles at a distance of BStride (group k holds B(k, 0..NR-1)). The tile
// is column-major with leading dimension Ldc. Each of the MR x NR sums lives in its own vector
// lane, starts at +0 (or at the tile's current value when Accumulate is set) and receives its
// terms in increasing k, rounded to double after every multiplication and every addition, with
// no fused multiply-add. A sum continued from a stored tile is therefore bit-identical to one
// computed in a single pass, which lets callers split the summation range into blocks.
#pragma once

#include <cstdint>

#include "qor/matrix/detail/simd_level.h"

namespace qor::detail {

using TMicroKernel = void (*)(std::int64_t Kc, const double* A, const double* B,
                              std::int64_t BStride, double* C, std::int64_t Ldc, bool Accumulate);

// A micro-kernel with its tile shape and the cache block sizes that suit it: Kc summation steps
// per packed block, Mc rows of A per packed block (a multiple of Mr), Nc columns of B per packed
// block (a multiple of Nr). Mr is a multiple of Nr, so an Nr-wide slice of an A panel can serve
// as a B panel (the symmetric product relies on it).
// No kernel tile has more elements than this; edge tiles are computed in scratch of this size.
inline constexpr std::int64_t MaxTileSize = 256;

struct TKernelSet {
  TSimdLevel Level;
  std::int64_t Mr, Nr, Kc, Mc, Nc;
  TMicroKernel Kernel;
};

const TKernelSet& Sse2KernelSet();
const TKernelSet& Avx2KernelSet();
const TKernelSet& Avx512KernelSet();

const TKernelSet& KernelSetFor(TSimdLevel Level);
inline const TKernelSet& ActiveKernelSet() { return KernelSetFor(ActiveSimdLevel()); }

}  // namespace qor::detail
