#include "qor/frame/random.h"

#include <array>
#include <chrono>

namespace qor {
namespace {

class TXoshiro256 {
 public:
  explicit TXoshiro256(uint64_t Seed) { Reseed(Seed); }

  void Reseed(uint64_t Seed) {
    for (uint64_t& Word : FState) Word = SplitMix64(Seed);
  }

  uint64_t Next() {
    const uint64_t Result = Rotl(FState[1] * 5, 7) * 9;
    const uint64_t t = FState[1] << 17;
    FState[2] ^= FState[0];
    FState[3] ^= FState[1];
    FState[1] ^= FState[2];
    FState[0] ^= FState[3];
    FState[2] ^= t;
    FState[3] = Rotl(FState[3], 45);
    return Result;
  }

 private:
  static uint64_t Rotl(uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }
  static uint64_t SplitMix64(uint64_t& State) {
    uint64_t z = (State += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
  }

  std::array<uint64_t, 4> FState{};
};

TXoshiro256& Source() {
  static TXoshiro256 Generator(0);
  return Generator;
}

}  // namespace

double Random() { return static_cast<double>(Source().Next() >> 11) * 0x1.0p-53; }

int32_t Random(int32_t n) {
  if (n <= 0) return 0;
  // Lemire's multiply-shift maps 32 random bits onto 0..n-1; the bias is below 2^-32 * n.
  const uint64_t Bits = Source().Next() >> 32;
  return static_cast<int32_t>((Bits * static_cast<uint64_t>(n)) >> 32);
}

void Randomize() {
  SetRandSeed(static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
              static_cast<uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()));
}

void SetRandSeed(uint64_t Seed) { Source().Reseed(Seed); }

}  // namespace qor
