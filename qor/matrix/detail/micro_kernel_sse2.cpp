#define QOR_KERNEL_TARGET
#include "qor/matrix/detail/micro_kernel.h"
#include "qor/matrix/detail/micro_kernel_template.h"

namespace qor::detail {

using TVector = double __attribute__((vector_size(2 * sizeof(double))));

// 4 x 4 tile of two-lane registers: the baseline every x86-64 processor runs.
const TKernelSet& Sse2KernelSet() {
  static constexpr TKernelSet Set{.Level = slSse2,
                                  .Mr = 4,
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
