#include "qor/sline/sline.h"

#include <cmath>
#include <numbers>

#include "qor/frame/errors.h"

namespace qor {
namespace {

constexpr double kHalfPi = std::numbers::pi / 2;
constexpr double kTwoPi = 2 * std::numbers::pi;
// Stands in for the zero coefficient of an axis-parallel line when SubstituteInf is set.
constexpr long double kSubstituteDivisor = 1e-100L;

// Solves Coef·u + OtherCoef·v + c = 0 for u.
double SolveForCoordinate(double Coef, double OtherCoef, double c, double v, bool Substitute,
                          const char* Failure) {
  const double Numerator = -v * OtherCoef - c;
  if (Coef != 0) return Numerator / Coef;
  if (!Substitute) throw EQORSLineError(Failure);
  return static_cast<double>(Numerator / kSubstituteDivisor);
}

void CheckNotBothZero(double Value, double OtherCoef) {
  if (Value == 0 && OtherCoef == 0) throw EQORSLineError("parameter A and B must not both be zero");
}

}  // namespace

void TSLine::SetParA(double Value) {
  CheckNotBothZero(Value, FParB);
  FParA = Value;
}

void TSLine::SetParB(double Value) {
  CheckNotBothZero(Value, FParA);
  FParB = Value;
}

double TSLine::GetDirect() const {
  double t;
  if (FParB == 0)
    t = FParA > 0 ? kHalfPi : -kHalfPi;
  else
    t = std::atan(-FParA / FParB);
  if (FParB <= 0)
    t += std::numbers::pi;
  else if (FParA > 0)
    t += kTwoPi;
  return t;
}

double TSLine::GetSlope() const {
  if (FParB == 0) throw EQORSLineError("slope is infinite");
  return -FParA / FParB;
}

double TSLine::GetIntercept() const {
  if (FParB == 0) throw EQORSLineError("cannot calculate intercept (line is parallel to y axis)");
  return -FParC / FParB;
}

bool TSLine::InterSection(const TSLine& OtherLine, double& x, double& y) const {
  const double D = FParA * OtherLine.FParB - OtherLine.FParA * FParB;
  if (D == 0) return false;
  x = (FParB * OtherLine.FParC - OtherLine.FParB * FParC) / D;
  y = (OtherLine.FParA * FParC - FParA * OtherLine.FParC) / D;
  return true;
}

double TSLine::AngleBetweenLines(const TSLine& OtherLine) const {
  const double d = FParB * OtherLine.FParB + FParA * OtherLine.FParA;
  if (d == 0) return kHalfPi;
  return std::fabs(std::atan((FParA * OtherLine.FParB - FParB * OtherLine.FParA) / d));
}

void TSLine::CalcKDForm(double& k, double& d) const {
  if (FParB == 0) throw EQORSLineError("cannot convert to k-d-form if ParB is zero");
  k = -FParA / FParB;
  d = -FParC / FParB;
}

double TSLine::Distance(double px, double py) const {
  return (FParA * px + FParB * py + FParC) / std::sqrt(FParA * FParA + FParB * FParB);
}

double TSLine::SubstitutedX(double y, bool Substitute) const {
  return SolveForCoordinate(FParA, FParB, FParC, y, Substitute, "cannot calculate x");
}

double TSLine::SubstitutedY(double x, bool Substitute) const {
  return SolveForCoordinate(FParB, FParA, FParC, x, Substitute, "cannot calculate y");
}

double TSLine::CalcX(double y) const { return SubstitutedX(y, FSubstInf); }
double TSLine::CalcY(double x) const { return SubstitutedY(x, FSubstInf); }

void TSLine::SetThroughPoint(double a, double b, double px, double py) {
  FParA = a;
  FParB = b;
  FParC = -a * px - b * py;
}

void TSLine::LineThroughPoint(double px, double py, double angle) {
  SetThroughPoint(-std::sin(angle), std::cos(angle), px, py);
}

bool TSLine::LineFrom2Points(double P1X, double P1Y, double P2X, double P2Y) {
  if (P1X == P2X && P1Y == P2Y) return false;
  FParA = P1Y - P2Y;
  FParB = P2X - P1X;
  FParC = P1X * P2Y - P1Y * P2X;
  return true;
}

void TSLine::LineFromSlopeIcpt(double k, double d) {
  FParA = k;
  FParB = -1;
  FParC = d;
}

// The other line's coefficients are read before any is written, so a line can be turned into
// its own normal or parallel.
void TSLine::NormalLine(double px, double py, const TSLine& OtherLine) {
  SetThroughPoint(-OtherLine.FParB, OtherLine.FParA, px, py);
}

void TSLine::ParallelLine(double px, double py, const TSLine& OtherLine) {
  SetThroughPoint(OtherLine.FParA, OtherLine.FParB, px, py);
}

}  // namespace qor
