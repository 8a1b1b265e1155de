#include "qor/math1/angles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

namespace qor {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kEps = std::numeric_limits<double>::epsilon();

TEST(AngleToXAxisTest, AxesNullVectorAndRoundTrip) {
  EXPECT_EQ(AngleToXAxis(0, 0), 3 * kPi / 2);
  EXPECT_EQ(AngleToXAxis(0, 2), kPi / 2);
  EXPECT_EQ(AngleToXAxis(-1, 0), kPi);
  EXPECT_EQ(AngleToXAxis(3, 0), 0.0);
  // atan of the quotient plus a quadrant offset: a few ulps of the full turn.
  const double kTolerance = 128 * kEps;
  for (double Theta = 0.01; Theta < 2 * kPi; Theta += 0.01)
    EXPECT_NEAR(AngleToXAxis(5 * std::cos(Theta), 5 * std::sin(Theta)), Theta, kTolerance);
}

TEST(CanonicalAngleTest, DegreesHalfOpenRadiansClosed) {
  const double kTolerance = 1024 * kEps;  // reduction goes through frac(angle / turn) * turn
  // {in, out}: the lower end is included, the upper end maps onto it.
  for (const auto& [In, Out] : {std::pair{180.0, -180.0},
                                {-180.0, -180.0},
                                {-181.0, 179.0},
                                {360.0, 0.0},
                                {-360.0, 0.0},
                                {725.0, 5.0}})
    EXPECT_NEAR(CanonicalAngleDegrees(In), Out, kTolerance) << In;
  EXPECT_EQ(CanonicalAngleRadians(kPi), kPi);
  EXPECT_EQ(CanonicalAngleRadians(-kPi), -kPi);
  for (const auto& [In, Out] :
       {std::pair{3 * kPi, kPi}, {4.0, 4 - 2 * kPi}, {-4.0, 2 * kPi - 4}, {-7.0, 2 * kPi - 7}})
    EXPECT_NEAR(CanonicalAngleRadians(In), Out, kTolerance) << In;
  for (double a = -2000; a < 2000; a += 7.3) {
    const double Degrees = CanonicalAngleDegrees(a);
    EXPECT_TRUE(-180 <= Degrees && Degrees < 180) << a;
    EXPECT_NEAR(std::remainder(Degrees - a, 360.0), 0.0, kTolerance * std::abs(a));
  }
}

}  // namespace
}  // namespace qor
