// Exchanging two variables, and the ordered pair exchange used by sorting code.
//
// ExChange swaps two variables of one of the documented scalar or string types (strings swap
// their buffers, no text is copied); the untyped form swaps Size bytes between two addresses,
// byte by byte from the first byte on, and does nothing when Size is 0 or an address is null.
// SortSwap puts a pair of doubles in order: ascending exchanges when a >= b (so an equal pair is
// exchanged and reported), descending when a < b; a pair holding a NaN is never exchanged.
// None of these raise.
#pragma once

#include <concepts>
#include <cstdint>
#include <string>
#include <utility>

namespace qor {

template <class T>
concept TExchangeable =
    std::same_as<T, int32_t> || std::same_as<T, uint8_t> || std::same_as<T, float> ||
    std::same_as<T, double> || std::same_as<T, long double> || std::same_as<T, std::string> ||
    std::same_as<T, bool> || std::same_as<T, char16_t> || std::same_as<T, uint16_t> ||
    std::same_as<T, int8_t> || std::same_as<T, uint32_t> || std::same_as<T, int64_t>;

template <TExchangeable T>
void ExChange(T& a, T& b) noexcept {
  using std::swap;
  swap(a, b);
}

void ExChange(void* p1, void* p2, uint16_t Size) noexcept;

// Returns true when the pair was exchanged.
bool SortSwap(double& a, double& b, bool Ascending) noexcept;

}  // namespace qor
