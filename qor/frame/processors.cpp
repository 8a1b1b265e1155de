#include "qor/frame/processors.h"

#include <algorithm>
#include <thread>

namespace qor {

int32_t ProcessorCount() {
  return static_cast<int32_t>(std::max(1u, std::thread::hardware_concurrency()));
}

}  // namespace qor
