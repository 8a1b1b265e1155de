#include "qor/math1/exchange.h"

namespace qor {

void ExChange(void* p1, void* p2, uint16_t Size) noexcept {
  if (p1 == nullptr || p2 == nullptr) return;
  auto* First = static_cast<unsigned char*>(p1);
  auto* Second = static_cast<unsigned char*>(p2);
  // Byte by byte in address order, which also fixes the result for overlapping blocks.
  for (uint16_t i = 0; i < Size; ++i) {
    const unsigned char Byte = First[i];
    First[i] = Second[i];
    Second[i] = Byte;
  }
}

bool SortSwap(double& a, double& b, bool Ascending) noexcept {
  const bool Exchange = Ascending ? a >= b : a < b;
  if (Exchange) ExChange(a, b);
  return Exchange;
}

}  // namespace qor
