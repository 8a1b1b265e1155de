#include "qor/matrix/detail/micro_kernel.h"

namespace qor::detail {

const TKernelSet& KernelSetFor(TSimdLevel Level) {
  switch (Level) {
    case slAvx512:
      return Avx512KernelSet();
    case slAvx2:
      return Avx2KernelSet();
    case slSse2:
      break;
  }
  return Sse2KernelSet();
}

}  // namespace qor::detail
