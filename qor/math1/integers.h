// Integer helpers: factorials, products of consecutive integers, the table of primes below
// sqrt(2^31), primality by trial division, prime factorisation and cancelling of fractions.
//
// Factorial works in 80-bit extended so that 1000! (about 4.0e2567) stays finite; n < 0 raises
// EQORMath1Error "Factorial: negative argument" and n > 1000 "Factorial: argument too big".
// ProductConsecInts reports through its result: 0 when the range starts at 0, -2 when it starts
// below 0, -1 on 64-bit overflow. ListOfPrimes is 1-based (k = 1 gives 2) and returns 0 outside
// 1..4792. IsPrime tests divisors 2..trunc(sqrt(abs(n))), so 0, 1 and -1 count as prime, and a
// negative n is prime when -n is. FindPrimeFactors gives the prime factors of n >= 2 in
// ascending order, repeated by multiplicity, and nothing for n < 2. CancelFraction divides
// numerator and denominator by their greatest common divisor, leaves both signs where they were
// and leaves a fraction with a zero part unchanged.
#pragma once

#include <cstdint>

#include "qor/frame/types.h"

namespace qor {

long double Factorial(int32_t n);

// a * (a + 1) * ... * b, with a and b exchanged when a > b.
int64_t ProductConsecInts(int32_t a, int32_t b);

int32_t ListOfPrimes(int32_t k);
bool IsPrime(int32_t n);
void FindPrimeFactors(int32_t n, TIntArray& Factors);
void CancelFraction(int32_t& Num, int32_t& Den);

}  // namespace qor
