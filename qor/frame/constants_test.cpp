#include "qor/frame/constants.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

namespace qor {
namespace {

// Distance of a and b in units in the last place of a.
double UlpDistance(double a, double b) {
  return std::abs(a - b) / (std::nextafter(std::abs(a), INFINITY) - std::abs(a));
}

TEST(LnFactorial, ExactFactorialsAndTheGammaFunction) {
  EXPECT_EQ(uc_LnFactorial[0], 0.0);
  EXPECT_EQ(uc_LnFactorial[1], 0.0);
  EXPECT_EQ(uc_LnFactorial[2], std::numbers::ln2);
  // n! is exact in the 64-bit significand of long double up to 25!, so logl gives ln n! to
  // long double accuracy; rounded to double it may differ from the table by one rounding.
  long double Factorial = 1;
  for (int n = 1; n <= 25; ++n) {
    Factorial *= n;
    EXPECT_LE(UlpDistance(uc_LnFactorial[n], static_cast<double>(std::log(Factorial))), 1.0) << n;
  }
  for (int n = 2; n <= uc_LnFactorialMax; ++n)
    EXPECT_LE(UlpDistance(uc_LnFactorial[n], static_cast<double>(std::lgamma(n + 1.0L))), 1.0) << n;
  EXPECT_EQ(uc_LnFactorial[1000], 5912.128178488163);
}

TEST(UniversalConstants, Values) {
  EXPECT_EQ(uc_sqrt2pitom1, 1 / std::sqrt(2 * std::numbers::pi));
  EXPECT_EQ(uc_sqrt2, std::numbers::sqrt2);
  EXPECT_EQ(uc_MaxInt64, 9223372036854775807LL);
  EXPECT_EQ(uc_MaxDouble, std::numeric_limits<double>::max());
  EXPECT_EQ(uc_MaxSingle, std::numeric_limits<float>::max());
  // Squares of uc_MaxReal are formed in extended precision and must stay finite there.
  EXPECT_TRUE(std::isfinite(static_cast<long double>(uc_MaxReal) * uc_MaxReal));
}

}  // namespace
}  // namespace qor
