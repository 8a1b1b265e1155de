#include "qor/math1/angles.h"

#include <cmath>
#include <numbers>

namespace qor {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kTwoPi = 2 * std::numbers::pi;

double Frac(double x) { return x - std::trunc(x); }

}  // namespace

double AngleToXAxis(double x, double y) {
  double Angle;
  if (x != 0) {
    Angle = std::atan(y / x);
    if (x < 0) Angle += kPi;
  } else {
    Angle = y > 0 ? kPi / 2 : 3 * kPi / 2;
  }
  if (Angle < 0) Angle += kTwoPi;
  if (Angle > kTwoPi) Angle -= kTwoPi;
  return Angle;
}

double CanonicalAngleDegrees(double angle) {
  if (angle >= 360)
    angle = Frac(angle / 360) * 360;
  else if (angle < -360)
    angle = Frac(-angle / 360) * -360;
  if (angle >= 180)
    angle -= 360;
  else if (angle < -180)
    angle += 360;
  return angle;
}

double CanonicalAngleRadians(double angle) {
  if (angle > kTwoPi)
    angle = Frac(angle / kTwoPi) * kTwoPi;
  else if (angle < -kTwoPi)
    angle = Frac(-angle / kTwoPi) * -kTwoPi;
  if (angle > kPi)
    angle -= kTwoPi;
  else if (angle < -kPi)
    angle += kTwoPi;
  return angle;
}

}  // namespace qor
