// The process-wide uniform random source of the platform.
//
// Random() draws a double uniformly from [0, 1) with 53 random bits; Random(n) draws an integer
// from 0..n-1 (0 when n <= 0). The generator is xoshiro256** seeded through SplitMix64, so a
// given seed reproduces the same sequence on every machine. Randomize() seeds from the clock;
// SetRandSeed() makes a run repeatable. The source is shared process-wide without a lock:
// calls that draw from it must not run concurrently.
#pragma once

#include <cstdint>

namespace qor {

double Random();
int32_t Random(int32_t n);
void Randomize();
void SetRandSeed(uint64_t Seed);

}  // namespace qor
