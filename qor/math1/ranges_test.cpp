#include "qor/math1/ranges.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <utility>

#include "qor/frame/errors.h"

namespace qor {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(WithinBoundsTest, InclusiveReversedAndWidened) {
  EXPECT_TRUE(WithinBounds(10, 0, 10) && WithinBounds(0, 10, 0));
  EXPECT_FALSE(WithinBounds(10.5, 10, 0) || WithinBounds(kNaN, 0, 10));
  EXPECT_TRUE(WithinBounds(10.5, 10, 0, 0.5) && WithinBounds(-0.5, 10, 0, 0.5));
  EXPECT_FALSE(WithinBounds(-0.75, 0, 10, 0.5));
}

template <class T>
class ConfineValueTest : public ::testing::Test {};
using TConfinedTypes = ::testing::Types<double, float, int32_t>;
TYPED_TEST_SUITE(ConfineValueTest, TConfinedTypes);

TYPED_TEST(ConfineValueTest, ClampsIntoEitherOrderOfBounds) {
  using T = TypeParam;
  EXPECT_EQ(ConfineValue(T(15), T(0), T(10)), T(10));
  EXPECT_EQ(ConfineValue(T(-5), T(10), T(0)), T(0));
  EXPECT_EQ(ConfineValue(T(5), T(10), T(0)), T(5));
}

TEST(RectTest, PointsInsideOnBorderAndMovedIn) {
  const TRectDouble R{4, 3, 0, 0};  // corners given right/bottom first
  EXPECT_TRUE(WithinRect({2, 1}, R) && WithinRect({4, 0}, R));
  EXPECT_FALSE(WithinRect({4.5, 1}, R));
  TPointDouble P{2, 1};
  EXPECT_FALSE(ConfinePointToRect(P, R));
  EXPECT_EQ(P, (TPointDouble{2, 1}));
  P = {-1, 7};
  EXPECT_TRUE(ConfinePointToRect(P, R));
  EXPECT_EQ(P, (TPointDouble{0, 3}));
}

TEST(RoundLimitTest, HalvesToEvenThenClamped) {
  constexpr int64_t kMin = std::numeric_limits<int64_t>::min();
  constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
  // {x, low, high, result}, with reversed bounds in the sixth case
  const struct {
    double x;
    int64_t Low, High, Expected;
  } Cases[] = {{2.5, -100, 100, 2},     {3.5, -100, 100, 4},
               {-2.5, -100, 100, -2},   {2.4999999999999996, -100, 100, 2},
               {100.4, 0, 10, 10},      {-3, 10, 0, 0},
               {-1e300, -7, 10, -7},    {kNaN, -7, 10, -7},
               {9.3e18, 0, kMax, kMax}, {-9223372036854775808.0, kMin, 0, kMin}};
  for (const auto& c : Cases) EXPECT_EQ(RoundLimit(c.x, c.Low, c.High), c.Expected) << c.x;
}

TEST(HistoBinRefTest, LowerEdgesOffsetsAndRange) {
  // {x, origin, width, edge, offset}: a bin edge gives its own bin; zero width, x itself.
  const double Cases[][5] = {
      {7.5, 0, 2, 6, 1.5}, {-0.5, 0, 1, -1, 0.5}, {3, 1, 0.5, 3, 0}, {1.25, 10, 0, 1.25, 0}};
  for (const auto& [x, Origin, Width, Edge, ExpectedOffset] : Cases) {
    double Offset = -1;
    EXPECT_EQ(HistoBinRef(x, Origin, Width, Offset), Edge) << x;
    EXPECT_EQ(Offset, ExpectedOffset) << x;
  }
  double Offset = 0;
  for (double Outside : {1e12, kNaN})
    EXPECT_THAT([&] { HistoBinRef(Outside, 0, 1, Offset); },
                ::testing::ThrowsMessage<EQORMath1Error>(
                    ::testing::StrEq("HistoBinRef: bin index out of range")));
}

TEST(SquashTest, CentreSlopeSymmetryAndSaturation) {
  const double Center = 3, Slope = 0.8, Range = 2;
  EXPECT_EQ(Squash(Center, Center, Slope, Range), 0.0);
  EXPECT_EQ(Squash(1e6, Center, Slope, Range), Range);
  EXPECT_EQ(Squash(-1e6, Center, Slope, Range), -Range);
  EXPECT_EQ(Squash(5, Center, Slope, 0), 0.0);
  // 2/(exp(t) + 1) - 1 cancels near the centre: a few ulps of Range, not of the result.
  const double kCancellation = 4 * std::numeric_limits<double>::epsilon() * Range;
  for (double d : {0.1, 1.0, 5.0})
    EXPECT_NEAR(Squash(Center + d, Center, Slope, Range), -Squash(Center - d, Center, Slope, Range),
                kCancellation);
  // Squash is Range * tanh(Slope * (x - Center) / Range); a central difference at the centre
  // is off by h^2 |f'''| / 6 = h^2 Slope^3 / (3 Range^2), plus rounding of order eps Range / h.
  const double h = 1e-4;
  const double Derivative =
      (Squash(Center + h, Center, Slope, Range) - Squash(Center - h, Center, Slope, Range)) /
      (2 * h);
  const double kTruncation = h * h * Slope * Slope * Slope / (3 * Range * Range);
  const double kRounding = 4 * std::numeric_limits<double>::epsilon() * Range / h;
  EXPECT_NEAR(Derivative, Slope, kTruncation + kRounding);
}

}  // namespace
}  // namespace qor
