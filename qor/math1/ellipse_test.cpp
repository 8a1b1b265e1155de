#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

#include "qor/frame/random.h"
#include "qor/math1/geometry.h"

namespace qor {
namespace {

constexpr double kEps = std::numeric_limits<double>::epsilon();

TEST(DistFromEllipseTest, CentresAndPointsOnTheCurve) {
  TPointDouble Nearest;
  EXPECT_EQ(DistFromEllipse({1, -1}, 1, -1, 2, 2, Nearest), 2.0);
  EXPECT_EQ(Nearest, (TPointDouble{3, -1}));
  EXPECT_EQ(DistFromEllipse({5, 7}, 5, 7, 3, 2, Nearest), 2.0);
  EXPECT_EQ(Nearest, (TPointDouble{5, 9}));
  EXPECT_EQ(DistFromEllipse({5, 7}, 5, 7, 2, 3, Nearest), 2.0);  // the larger axis along y
  EXPECT_EQ(Nearest, (TPointDouble{7, 7}));
  EXPECT_EQ(DistFromEllipse({3, 0}, 0, 0, 3, 2, Nearest), 0.0);
  EXPECT_EQ(Nearest, (TPointDouble{3, 0}));
  EXPECT_EQ(DistFromEllipse({0, -2}, 0, 0, 3, 2, Nearest), 0.0);
  EXPECT_EQ(Nearest, (TPointDouble{0, -2}));
  EXPECT_EQ(DistFromEllipse({0, 5}, 0, 0, 3, 2, Nearest), 3.0);
  EXPECT_EQ(DistFromEllipse({-7, 0}, 0, 0, 3, 2, Nearest), 4.0);
  EXPECT_EQ(Nearest, (TPointDouble{-3, 0}));
}

TEST(DistFromEllipseTest, ZeroHalfAxisMeasuresToTheSegment) {
  TPointDouble Nearest;
  EXPECT_EQ(DistFromEllipse({1, 4}, 0, 0, 3, 0, Nearest), 4.0);
  EXPECT_EQ(Nearest, (TPointDouble{1, 0}));
  EXPECT_EQ(DistFromEllipse({-7, -3}, 0, 0, 3, 0, Nearest), 5.0);
  EXPECT_EQ(Nearest, (TPointDouble{-3, 0}));
  EXPECT_EQ(DistFromEllipse({4, 2}, 1, 1, 0, 5, Nearest), 3.0);
  EXPECT_EQ(Nearest, (TPointDouble{1, 2}));
  EXPECT_EQ(DistFromEllipse({4, 5}, 1, 1, 0, 0, Nearest), 5.0);
  EXPECT_EQ(Nearest, (TPointDouble{1, 1}));
  EXPECT_EQ(DistFromEllipse({4, 1}, 1, 1, -3, 2, Nearest), 0.0);  // half axes by magnitude
}

// Against the minimum over many points of the ellipse. The nearest sample lies within half a
// sample spacing h (arc length) of the true foot point, so the search overestimates by at most
// h, and by at most h^2 / 2 * (1/D + largest curvature) once that is smaller.
TEST(DistFromEllipseTest, AgreesWithBruteForceSearch) {
  SetRandSeed(31);
  constexpr int kSamples = 20000;
  const double Step = 2 * std::numbers::pi / kSamples;
  for (int Case = 0; Case < 300; ++Case) {
    const double Ax = 0.2 + 5 * Random(), Ay = 0.2 + 5 * Random();
    const double Cx = 10 * Random() - 5, Cy = 10 * Random() - 5;
    const TPointDouble P{Cx + 16 * Random() - 8, Cy + 16 * Random() - 8};
    TPointDouble Nearest;
    const double D = DistFromEllipse(P, Cx, Cy, Ax, Ay, Nearest);

    double Best = std::numeric_limits<double>::infinity();
    for (int k = 0; k < kSamples; ++k)
      Best = std::min(
          Best, std::hypot(Cx + Ax * std::cos(k * Step) - P.x, Cy + Ay * std::sin(k * Step) - P.y));
    const double Large = std::max(Ax, Ay), Small = std::min(Ax, Ay);
    const double h = Step * Large / 2;
    const double kSearchError = std::min(h, h * h / 2 * (1 / D + Large / (Small * Small)));
    const double kRounding = 1024 * kEps * (Large + 16);
    EXPECT_LE(D, Best + kRounding) << Case;
    EXPECT_GE(D, Best - kSearchError - kRounding) << Case;
    // Nearest is on the ellipse and at the reported distance.
    const double u = (Nearest.x - Cx) / Ax, v = (Nearest.y - Cy) / Ay;
    EXPECT_NEAR(u * u + v * v, 1.0, kRounding) << Case;
    EXPECT_NEAR(std::hypot(Nearest.x - P.x, Nearest.y - P.y), D, kRounding) << Case;
  }
}

}  // namespace
}  // namespace qor
