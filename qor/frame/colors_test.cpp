#include "qor/frame/colors.h"

#include <gtest/gtest.h>

#include <limits>

namespace qor {
namespace {

TEST(RGBtoGray, WeightsAndRounding) {
  EXPECT_EQ(RGBtoGray(255, 255, 255), 255);
  EXPECT_EQ(RGBtoGray(0, 0, 0), 0);
  EXPECT_EQ(RGBtoGray(255, 0, 0), 76);   // 76.245
  EXPECT_EQ(RGBtoGray(0, 255, 0), 150);  // 149.685
  EXPECT_EQ(RGBtoGray(0, 0, 255), 29);   // 29.07
  EXPECT_EQ(RGBtoGray(100, 100, 100), 100);
  EXPECT_EQ(RGBtoGray(300, -5, 0), 76);  // clamped to (255, 0, 0)
}

struct THSICase {
  int32_t r, g, b;
  double h, s, i;
};

class RGBtoHSITest : public ::testing::TestWithParam<THSICase> {};

TEST_P(RGBtoHSITest, MatchesTheGeometricModel) {
  const THSICase& c = GetParam();
  constexpr double kTolerance = 512 * std::numeric_limits<double>::epsilon();  // of 360 degrees
  double h = -1, s = -1, i = -1;
  RGBtoHSI(c.r, c.g, c.b, h, s, i);
  EXPECT_NEAR(h, c.h, kTolerance);
  EXPECT_NEAR(s, c.s, kTolerance);
  EXPECT_NEAR(i, c.i, kTolerance);
}

INSTANTIATE_TEST_SUITE_P(
    Primaries, RGBtoHSITest,
    ::testing::Values(THSICase{255, 0, 0, 0, 1, 85}, THSICase{0, 255, 0, 120, 1, 85},
                      THSICase{0, 0, 255, 240, 1, 85}, THSICase{255, 255, 0, 60, 1, 170},
                      THSICase{0, 255, 255, 180, 1, 170}, THSICase{255, 0, 255, 300, 1, 170},
                      THSICase{90, 90, 90, 0, 0, 90}, THSICase{0, 0, 0, 0, 0, 0},
                      THSICase{200, 100, 100, 0, 0.25, 400.0 / 3}));

}  // namespace
}  // namespace qor
