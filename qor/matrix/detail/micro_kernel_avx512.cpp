#define QOR_KERNEL_TARGET __attribute__((target("avx512f")))
#include "qor/matrix/detail/micro_kernel.h"
#include "qor/matrix/detail/micro_kernel_template.h"

namespace qor::detail {

using TVector = double __attribute__((vector_size(8 * sizeof(double))));

// 24 x 8 tile: 24 of the 32 registers accumulate, three hold the A column, and every B value
// is a broadcast memory operand of the multiplication.
const TKernelSet& Avx512KernelSet() {
  static constexpr TKernelSet Set{.Level = slAvx512,
                                  .Mr = 24,
                                  .Nr = 8,
                                  .Kc = 256,
                                  .Mc = 240,
                                  .Nc = 2048,
                                  .Kernel = &MicroKernelImpl<TVector, 3, 8, false>,
                                  .ColumnKernel = &MicroKernelImpl<TVector, 3, 8, true>};
  static_assert(Set.Mr * Set.Nr <= MaxTileSize);
  return Set;
}

}  // namespace qor::detail
