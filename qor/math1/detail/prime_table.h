// The 4792 primes 2 .. 46337 (the largest prime below sqrt(2^31)), sieved at compile time.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace qor::detail {

inline constexpr int32_t kLargestTabledPrime = 46337;
inline constexpr std::size_t kNumTabledPrimes = 4792;

inline constexpr std::array<int32_t, kNumTabledPrimes> kPrimeTable = [] {
  std::array<bool, kLargestTabledPrime + 1> Composite{};
  std::array<int32_t, kNumTabledPrimes> Primes{};
  std::size_t Count = 0;
  for (int32_t n = 2; n <= kLargestTabledPrime; ++n) {
    if (Composite[n]) continue;
    Primes[Count++] = n;  // a wrong count makes this an out-of-range constant-expression error
    for (int64_t Multiple = int64_t{n} * n; Multiple <= kLargestTabledPrime; Multiple += n)
      Composite[Multiple] = true;
  }
  return Primes;
}();

static_assert(kPrimeTable.front() == 2 && kPrimeTable.back() == kLargestTabledPrime);

}  // namespace qor::detail
