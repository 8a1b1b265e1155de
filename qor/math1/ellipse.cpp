#include <algorithm>
#include <cmath>
#include <utility>

#include "qor/math1/geometry.h"

namespace qor {
namespace {

// Enough halvings to walk a bracket down to adjacent doubles from any exponent.
constexpr int kMaxBisectionRounds = 1075;

struct TNearestPoint {
  double x0;
  double x1;
  double Distance;
};

// The root s of (q/(s + r0))^2 + (z1/(s + 1))^2 = 1 with q = r0*z0, which lies in
// [z1 - 1, sqrt(q^2 + z1^2) - 1] outside the ellipse (g > 0) and in [z1 - 1, 0] inside.
double BisectionRoot(double r0, double z0, double z1, double g) {
  const double q = r0 * z0;
  double s0 = z1 - 1;
  double s1 = g > 0 ? std::sqrt(q * q + z1 * z1) - 1 : 0;
  double s = 0;
  for (int Round = 0; Round < kMaxBisectionRounds; ++Round) {
    s = (s0 + s1) / 2;
    if (s == s0 || s == s1) break;
    const double a = q / (s + r0);
    const double b = z1 / (s + 1);
    const double G = a * a + b * b - 1;
    if (G > 0)
      s0 = s;
    else if (G < 0)
      s1 = s;
    else
      break;
  }
  return s;
}

double Hypotenuse(double dx, double dy) { return std::sqrt(dx * dx + dy * dy); }

// Nearest point of the ellipse with half axes e0 >= e1 >= 0 to (u, v), both >= 0.
TNearestPoint NearestInFirstQuadrant(double u, double v, double e0, double e1) {
  if (v > 0) {
    if (u == 0) return {0, e1, std::abs(v - e1)};
    if (e1 == 0) {
      const double x0 = std::min(u, e0);  // the ellipse has collapsed onto [-e0, e0] x {0}
      return {x0, 0, Hypotenuse(x0 - u, v)};
    }
    const double z0 = u / e0;
    const double z1 = v / e1;
    const double g = z0 * z0 + z1 * z1 - 1;
    if (g == 0) return {u, v, 0};
    const double Ratio = e0 / e1;
    const double r0 = Ratio * Ratio;
    const double s = BisectionRoot(r0, z0, z1, g);
    const double x0 = r0 * u / (s + r0);
    const double x1 = v / (s + 1);
    return {x0, x1, Hypotenuse(x0 - u, x1 - v)};
  }
  const double n = e0 * u;
  const double m = e0 * e0 - e1 * e1;
  if (n < m) {
    const double xi = n / m;
    const double x0 = e0 * xi;
    const double x1 = e1 * std::sqrt(1 - xi * xi);
    return {x0, x1, Hypotenuse(x0 - u, x1)};
  }
  return {e0, 0, std::abs(u - e0)};
}

}  // namespace

double DistFromEllipse(const TPointDouble& P, double Cx, double Cy, double Ax, double Ay,
                       TPointDouble& Nearest) {
  double u = P.x - Cx;
  double v = P.y - Cy;
  double e0 = std::abs(Ax);
  double e1 = std::abs(Ay);
  const bool Exchanged = e0 < e1;
  if (Exchanged) {
    std::swap(u, v);
    std::swap(e0, e1);
  }
  const bool NegativeU = u < 0;
  const bool NegativeV = v < 0;
  if (NegativeU) u = -u;
  if (NegativeV) v = -v;

  TNearestPoint Point = NearestInFirstQuadrant(u, v, e0, e1);
  if (NegativeU) Point.x0 = -Point.x0;
  if (NegativeV) Point.x1 = -Point.x1;
  if (Exchanged) std::swap(Point.x0, Point.x1);
  Nearest = TPointDouble{Point.x0 + Cx, Point.x1 + Cy};
  return Point.Distance;
}

}  // namespace qor
