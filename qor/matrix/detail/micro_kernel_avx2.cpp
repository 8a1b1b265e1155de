#define QOR_KERNEL_TARGET __attribute__((target("avx2")))
#include "qor/matrix/detail/micro_kernel.h"
#include "qor/matrix/detail/micro_kernel_template.h"

namespace qor::detail {

using TVector = double __attribute__((vector_size(4 * sizeof(double))));

// 8 x 4 tile: 8 of the 16 registers accumulate, leaving room for the A column, the broadcast B
// value and the products.
const TKernelSet& Avx2KernelSet() {
  static constexpr TKernelSet Set{.Level = slAvx2,
                                  .Mr = 8,
                                  .Nr = 4,
                                  .Kc = 256,
                                  .Mc = 128,
                                  .Nc = 2048,
                                  .Kernel = &MicroKernelImpl<TVector, 2, 4, false>,
                                  .ColumnKernel = &MicroKernelImpl<TVector, 2, 4, true>};
  static_assert(Set.Mr * Set.Nr <= MaxTileSize);
  return Set;
}

}  // namespace qor::detail
