// The number of processors the process may use, as the platform reports it (at least 1).
#pragma once

#include <cstdint>

namespace qor {

int32_t ProcessorCount();

}  // namespace qor
