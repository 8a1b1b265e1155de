#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

#include "qor/frame/random.h"
#include "qor/math1/geometry.h"

namespace qor {
namespace {

constexpr double kEps = std::numeric_limits<double>::epsilon();

TEST(DistFromEllipseTest, HandComputedCases) {
  // {point, centre, half axes, distance, nearest point}: centres (a circle, the larger axis along
  // x, then along y), points on and off the curve, zero half axes (distance to the segment or the
  // centre) and negative half axes (taken by magnitude).
  const double Cases[][9] = {
      {1, -1, 1, -1, 2, 2, 2, 3, -1}, {5, 7, 5, 7, 3, 2, 2, 5, 9},   {5, 7, 5, 7, 2, 3, 2, 7, 7},
      {3, 0, 0, 0, 3, 2, 0, 3, 0},    {0, -2, 0, 0, 3, 2, 0, 0, -2}, {0, 5, 0, 0, 3, 2, 3, 0, 2},
      {-7, 0, 0, 0, 3, 2, 4, -3, 0},  {1, 4, 0, 0, 3, 0, 4, 1, 0},   {-7, -3, 0, 0, 3, 0, 5, -3, 0},
      {4, 2, 1, 1, 0, 5, 3, 1, 2},    {4, 5, 1, 1, 0, 0, 5, 1, 1},   {4, 1, 1, 1, -3, 2, 0, 4, 1}};
  for (const auto& c : Cases) {
    SCOPED_TRACE(::testing::Message()
                 << "point " << c[0] << " " << c[1] << ", axes " << c[4] << " " << c[5]);
    TPointDouble Nearest;
    EXPECT_EQ(DistFromEllipse({c[0], c[1]}, c[2], c[3], c[4], c[5], Nearest), c[6]);
    EXPECT_EQ(Nearest, (TPointDouble{c[7], c[8]}));
  }
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
