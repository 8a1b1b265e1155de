#include "qor/math1/integers.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <utility>

#include "qor/frame/errors.h"

namespace qor {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::StrEq;
using ::testing::ThrowsMessage;

TEST(FactorialTest, ExactValuesLimitsAndMessages) {
  EXPECT_EQ(Factorial(0), 1.0L);
  EXPECT_EQ(Factorial(20), 2432902008176640000.0L);  // below 2^64: exact in 80-bit
  // 1000! = 4.0238726007709377354...e2567, beyond double but inside the extended range; each of
  // the 999 products rounds once.
  const long double Expected = 4.0238726007709377354370243392300398571937e2567L;
  const long double kTolerance = 1000 * std::numeric_limits<long double>::epsilon();
  EXPECT_NEAR(static_cast<double>(Factorial(1000) / Expected), 1.0, kTolerance);
  EXPECT_THAT([] { Factorial(1001); },
              ThrowsMessage<EQORMath1Error>(StrEq("Factorial: argument too big")));
  EXPECT_THAT([] { Factorial(-1); },
              ThrowsMessage<EQORMath1Error>(StrEq("Factorial: negative argument")));
}

TEST(ProductConsecIntsTest, ProductsAndStatusResults) {
  // {a, b, product}: either order, one factor, the 0 and -2 and overflow statuses.
  const int64_t Cases[][3] = {{5, 3, 60},  {7, 7, 7},   {0, 9, 0},
                              {-1, 3, -2}, {1, 21, -1}, {1, 20, 2432902008176640000}};
  for (const auto& [a, b, Product] : Cases)
    EXPECT_EQ(ProductConsecInts(static_cast<int32_t>(a), static_cast<int32_t>(b)), Product) << a;
  // a..b = b! / (a - 1)! while it fits.
  for (int32_t a = 1; a <= 10; ++a)
    EXPECT_EQ(ProductConsecInts(a, 15), static_cast<int64_t>(Factorial(15) / Factorial(a - 1)));
}

TEST(PrimeTest, TableEndsAndTrialDivisionAgree) {
  EXPECT_EQ(ListOfPrimes(1), 2);
  EXPECT_EQ(ListOfPrimes(1000), 7919);
  for (int32_t Outside : {4793, 0, -3}) EXPECT_EQ(ListOfPrimes(Outside), 0) << Outside;
  for (int32_t n : {-1, 0, 1, -7, 2147483647}) EXPECT_TRUE(IsPrime(n)) << n;
  for (int32_t n : {-9, 2147483646, 46337 * 46337, std::numeric_limits<int32_t>::min()})
    EXPECT_FALSE(IsPrime(n)) << n;
  // Exactly the tabled numbers are prime in 2..46337.
  int32_t Count = 0;
  for (int32_t n = 2; n <= 46337; ++n)
    if (IsPrime(n)) {
      EXPECT_EQ(ListOfPrimes(++Count), n);
    }
  EXPECT_EQ(Count, 4792);
}

TEST(FindPrimeFactorsTest, AscendingFactorsMultiplyBack) {
  TIntArray Factors{99};
  FindPrimeFactors(-12, Factors);
  EXPECT_THAT(Factors, IsEmpty());
  FindPrimeFactors(2147483647, Factors);
  EXPECT_THAT(Factors, ElementsAre(2147483647));
  FindPrimeFactors(46337 * 46337, Factors);
  EXPECT_THAT(Factors, ElementsAre(46337, 46337));
  FindPrimeFactors(2 * 1073741789, Factors);  // a large prime left over after the table
  EXPECT_THAT(Factors, ElementsAre(2, 1073741789));
  for (int32_t n = 2; n < 3000; ++n) {
    FindPrimeFactors(n, Factors);
    int64_t Product = 1;
    for (std::size_t i = 0; i < Factors.size(); ++i) {
      EXPECT_TRUE(IsPrime(Factors[i]) && (i == 0 || Factors[i - 1] <= Factors[i])) << n;
      Product *= Factors[i];
    }
    EXPECT_EQ(Product, n);
  }
}

TEST(CancelFractionTest, ReducesAndKeepsSigns) {
  // {num, den, reduced num, reduced den}
  const int32_t Cases[][4] = {{12, -18, 2, -3}, {-4, -6, -2, -3}, {7, 13, 7, 13},
                              {0, 5, 0, 5},     {6, 0, 6, 0},     {1 << 30, 1 << 20, 1 << 10, 1}};
  for (const auto& [Num, Den, ReducedNum, ReducedDen] : Cases) {
    int32_t n = Num, d = Den;
    CancelFraction(n, d);
    EXPECT_EQ(std::pair(n, d), std::pair(ReducedNum, ReducedDen)) << Num << "/" << Den;
  }
}

}  // namespace
}  // namespace qor
