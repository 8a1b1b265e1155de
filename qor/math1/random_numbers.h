// Random variates drawn from the platform's uniform source (qor::Random): Bernoulli, Cauchy,
// standard normal, and an independent combined multiplicative congruential generator.
//
// GRandom is the polar method of Marsaglia and Bray: each accepted uniform pair yields two
// independent normal variates; the first is returned, the second is cached and returned by the
// next call. LongRand combines three multiplicative congruential generators (moduli 1001003,
// 990923, 1400423) by adding their scaled states modulo 1; a non-zero Seed restarts it, so a
// given seed always gives the same sequence. The Gaussian cache and the three LongRand states
// are process-wide: they are set up on the first call of either routine (cache empty, each
// state round(r * 990000) for a fresh uniform r) and must not be used from two threads at once.
// Nothing raises; BRandom(p) is false for p <= 0 and NaN.
#pragma once

#include <cstdint>

namespace qor {

// True with probability p: always when p >= 1 (without drawing), else when a uniform draw is
// below p.
bool BRandom(double p);

// Cauchy variate Location + Scale * tan(pi * (u - 0.5)), u uniform on [0, 1).
double CRandom(double Location, double Scale);

// Standard normal variate.
double GRandom();

// Uniform variate on [0, 1); Seed != 0 first restarts the generator from Seed.
double LongRand(int32_t Seed);

}  // namespace qor
