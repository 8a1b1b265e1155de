#include "qor/math1/integers.h"

#include <cmath>
#include <cstdlib>
#include <limits>
#include <numeric>
#include <utility>

#include "qor/frame/errors.h"
#include "qor/math1/detail/prime_table.h"

namespace qor {
namespace {

constexpr int32_t kLargestFactorialArgument = 1000;

// trunc(sqrt(n)) for n >= 0, exact for every 64-bit n below 2^53.
int64_t IntegerSquareRoot(int64_t n) {
  int64_t Root = static_cast<int64_t>(std::sqrt(static_cast<double>(n)));
  while (Root * Root > n) --Root;
  while ((Root + 1) * (Root + 1) <= n) ++Root;
  return Root;
}

}  // namespace

long double Factorial(int32_t n) {
  if (n < 0) RaiseRoutineError<EQORMath1Error>("Factorial", "negative argument");
  if (n > kLargestFactorialArgument)
    RaiseRoutineError<EQORMath1Error>("Factorial", "argument too big");
  long double Product = 1;
  for (int32_t i = 2; i <= n; ++i) Product *= i;
  return Product;
}

int64_t ProductConsecInts(int32_t a, int32_t b) {
  if (a > b) std::swap(a, b);
  if (a == 0) return 0;
  if (a < 0) return -2;
  const int64_t Limit = std::numeric_limits<int64_t>::max() / b;
  int64_t Product = 1;
  for (int64_t i = a; i <= b; ++i) {
    if (Product >= Limit) return -1;
    Product *= i;
  }
  return Product;
}

int32_t ListOfPrimes(int32_t k) {
  if (k < 1 || k > static_cast<int32_t>(detail::kNumTabledPrimes)) return 0;
  return detail::kPrimeTable[k - 1];
}

bool IsPrime(int32_t n) {
  // A divisor d <= trunc(sqrt(abs(n))) exists exactly when a prime divisor that small exists,
  // and the table reaches past sqrt(2^31).
  const int64_t Magnitude = std::abs(int64_t{n});
  const int64_t Bound = IntegerSquareRoot(Magnitude);
  for (const int32_t p : detail::kPrimeTable) {
    if (p > Bound) break;
    if (Magnitude % p == 0) return false;
  }
  return true;
}

void FindPrimeFactors(int32_t n, TIntArray& Factors) {
  Factors.clear();
  if (n < 2) return;
  const int64_t Bound = IntegerSquareRoot(n) + 1;
  int32_t Remainder = n;
  for (const int32_t p : detail::kPrimeTable) {
    if (p >= Bound) break;
    while (Remainder % p == 0) {
      Factors.push_back(p);
      Remainder /= p;
    }
  }
  if (Remainder >= 2) Factors.push_back(Remainder);
}

void CancelFraction(int32_t& Num, int32_t& Den) {
  if (Num == 0 || Den == 0) return;
  const int64_t Divisor = std::gcd(int64_t{Num}, int64_t{Den});
  Num = static_cast<int32_t>(Num / Divisor);
  Den = static_cast<int32_t>(Den / Divisor);
}

}  // namespace qor
