#include "qor/math1/angles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

namespace qor {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kEps = std::numeric_limits<double>::epsilon();

TEST(AngleToXAxisTest, AxesQuadrantsAndNullVector) {
  EXPECT_EQ(AngleToXAxis(0, 0), 3 * kPi / 2);
  EXPECT_EQ(AngleToXAxis(0, -2), 3 * kPi / 2);
  EXPECT_EQ(AngleToXAxis(0, 2), kPi / 2);
  EXPECT_EQ(AngleToXAxis(-1, 0), kPi);
  EXPECT_EQ(AngleToXAxis(3, 0), 0.0);
  EXPECT_DOUBLE_EQ(AngleToXAxis(1, 1), kPi / 4);
  EXPECT_DOUBLE_EQ(AngleToXAxis(-1, -1), 5 * kPi / 4);
  EXPECT_DOUBLE_EQ(AngleToXAxis(1, -1), 7 * kPi / 4);
  // Round trip over the whole turn (away from 0, where the two ends of the range meet).
  const double kTolerance = 16 * kEps;
  for (double Theta = 0.01; Theta < 2 * kPi; Theta += 0.01)
    EXPECT_NEAR(AngleToXAxis(5 * std::cos(Theta), 5 * std::sin(Theta)), Theta, kTolerance * 8);
}

TEST(CanonicalAngleTest, DegreesHalfOpenRadiansClosed) {
  const double kTolerance = 1024 * kEps;  // reduction of 725 goes through frac(725 / 360) * 360
  EXPECT_EQ(CanonicalAngleDegrees(180), -180.0);
  EXPECT_EQ(CanonicalAngleDegrees(-180), -180.0);
  EXPECT_EQ(CanonicalAngleDegrees(-181), 179.0);
  EXPECT_EQ(CanonicalAngleDegrees(360), 0.0);
  EXPECT_EQ(CanonicalAngleDegrees(-360), 0.0);
  EXPECT_NEAR(CanonicalAngleDegrees(725), 5.0, kTolerance);
  EXPECT_EQ(CanonicalAngleRadians(kPi), kPi);
  EXPECT_EQ(CanonicalAngleRadians(-kPi), -kPi);
  EXPECT_NEAR(CanonicalAngleRadians(3 * kPi), kPi, kTolerance);
  EXPECT_NEAR(CanonicalAngleRadians(4), 4 - 2 * kPi, kTolerance);
  for (double a = -2000; a < 2000; a += 7.3) {
    const double Degrees = CanonicalAngleDegrees(a);
    EXPECT_GE(Degrees, -180.0);
    EXPECT_LT(Degrees, 180.0);
    EXPECT_NEAR(std::remainder(Degrees - a, 360.0), 0.0, kTolerance * std::abs(a));
  }
}

}  // namespace
}  // namespace qor
