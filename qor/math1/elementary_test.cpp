#include "qor/math1/elementary.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <numbers>

#include "qor/frame/errors.h"

namespace qor {
namespace {

using ::testing::StrEq;
using ::testing::ThrowsMessage;

constexpr double kEps = std::numeric_limits<double>::epsilon();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(LogarithmTest, ExactPowersAndInvalidArguments) {
  // Exact powers of the base are exact: the 80-bit quotient rounds onto them.
  for (int k = -300; k <= 300; ++k) ASSERT_EQ(lg(std::pow(10.0, k)), k) << k;
  for (int k = -1000; k <= 1000; ++k) ASSERT_EQ(ld(std::ldexp(1.0, k)), k) << k;
  const auto Invalid = ThrowsMessage<EQORMath1Error>(StrEq("logarithm: invalid argument"));
  for (double Bad : {0.0, -1.0, kNaN}) {
    EXPECT_THAT([Bad] { lg(Bad); }, Invalid);
    EXPECT_THAT([Bad] { ld(Bad); }, Invalid);
  }
}

TEST(HyperbolicAndCircularTest, ClosedFormsSaturationAndZeroDenominator) {
  const double kTolerance = 16 * kEps;
  for (double x : {-3.0, -0.5, 0.25, 1.0, 4.0}) {
    EXPECT_NEAR(sinh(x), std::sinh(x), kTolerance * std::cosh(x));
    EXPECT_NEAR(cosh(x), std::cosh(x), kTolerance * std::cosh(x));
    EXPECT_NEAR(tgh(x), std::tanh(x), kTolerance);
  }
  // exp(2x) overflows or underflows: the quotient form still ends exactly at +-1.
  EXPECT_EQ(tgh(400.0), 1.0);
  EXPECT_EQ(tgh(-400.0), -1.0);
  EXPECT_NEAR(tg(-std::numbers::pi / 3), -std::numbers::sqrt3, kTolerance);
  EXPECT_NEAR(cot(std::numbers::pi / 4), 1.0, kTolerance);
  EXPECT_THAT([] { cot(0.0); }, ThrowsMessage<EQORMath1Error>(StrEq("cotangens overflow")));
}

TEST(SignRemainderAndIntegerNeighbourTest, Conventions) {
  for (double x : {0.0, -0.0, 2.5}) EXPECT_EQ(Signum(x), 1.0) << x;
  EXPECT_EQ(Signum(-1e-300), -1.0);
  // frac(7/3) * 3 carries the rounding of the quotient 7/3 into the result.
  const double kTolerance = 4 * kEps * 7;
  EXPECT_NEAR(modr(-7, 3), -1.0, kTolerance);  // the sign of x, unlike a floored modulo
  EXPECT_NEAR(modr(7, -3), 1.0, kTolerance);
  EXPECT_EQ(modr(5.5, 2), 1.5);
  EXPECT_TRUE(std::isnan(modr(1, 0)));
  // {x, ceiling, floor}
  for (const auto& [x, Ceiling, Floor] :
       {std::array{2.1, 3.0, 2.0}, {-2.1, -2.0, -3.0}, {-3.0, -3.0, -3.0}}) {
    EXPECT_EQ(IntPos(x), Ceiling) << x;
    EXPECT_EQ(IntNeg(x), Floor) << x;
  }
  EXPECT_EQ(IntPos(1e10), std::numeric_limits<int32_t>::max());
  EXPECT_EQ(IntNeg(-1e10), std::numeric_limits<int32_t>::min());
  EXPECT_EQ(IntPos(kNaN), std::numeric_limits<int32_t>::min());
}

}  // namespace
}  // namespace qor
