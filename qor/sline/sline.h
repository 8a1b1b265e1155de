// TSLine: a straight line of the plane in the general form a·x + b·y + c = 0, with the usual
// constructions (through two points, through a point at an angle, from slope and intercept,
// parallel and normal lines) and measurements (intersection, angle between lines, signed
// distance, x or y on the line, direction angle, clipping to an axis-parallel box).
//
// The setters keep a and b from both being zero (exact comparison); every construction yields
// such a pair or leaves the line as it was. Angles are radians; the direction angle is that of
// the direction vector (b, −a), in [0, 2π] (2π itself only where adding 2π to an angle a hair
// below zero rounds up). The signed distance (a·x + b·y + c)/sqrt(a² + b²) is
// positive on the side the normal (a, b) points to. Everything is computed in double, except
// the substitution described below. Bad input raises EQORSLineError (which, unlike the other
// units' errors, is not an EQORError) with a fixed message, and a failed setter keeps the old
// value; InterSection and LineFrom2Points report parallel lines and coincident points through
// their result instead. With SubstituteInf set, CalcX on a line parallel to the x axis (and
// CalcY on one parallel to the y axis) divides by the extended constant 1e-100 instead of zero,
// giving a value of magnitude about 1e100 times the offset (infinite past the double range,
// zero for a point on the line) rather than raising.
//
// ClipBox returns the end points of the part of the line inside the closed box whose lower-left
// corner is (bllx, blly) and upper-right corner (burx, bury); a box with reversed corners
// contains no point. The candidates are the crossings with the left, right, bottom and top edge,
// in that order. When more than two candidates qualify (a line through a corner or along an
// edge) the two farthest apart are returned, in candidate order, so the result is always the
// whole clipped segment; a line that only touches a corner returns that corner as both points.
#pragma once

#include <string>

#include "qor/frame/component.h"

namespace qor {

class TSLine : public TComponent {
 public:
  // The x axis: a = 0, b = 1, c = 0.
  explicit TSLine(TComponent* AOwner = nullptr) : TComponent(AOwner) {}
  std::string ClassName() const override { return "TSLine"; }

  double ParA() const { return FParA; }
  double ParB() const { return FParB; }
  double ParC() const { return FParC; }
  void SetParA(double Value);
  void SetParB(double Value);
  void SetParC(double Value) { FParC = Value; }

  bool SubstituteInf() const { return FSubstInf; }
  void SetSubstituteInf(bool Value) { FSubstInf = Value; }

  double Direction() const { return GetDirect(); }
  double Slope() const { return GetSlope(); }
  double Intercept() const { return GetIntercept(); }
  double GetDirect() const;
  double GetSlope() const;
  double GetIntercept() const;

  // Intersection point; false (x and y untouched) for parallel or identical lines.
  bool InterSection(const TSLine& OtherLine, double& x, double& y) const;
  // Acute angle between the lines, in [0, π/2].
  double AngleBetweenLines(const TSLine& OtherLine) const;
  // Slope k and intercept d of y = k·x + d.
  void CalcKDForm(double& k, double& d) const;
  double Distance(double px, double py) const;
  double CalcX(double y) const;
  double CalcY(double x) const;

  void LineThroughPoint(double px, double py, double angle);
  // False (line unchanged) when the two points coincide.
  bool LineFrom2Points(double P1X, double P1Y, double P2X, double P2Y);
  void LineFromSlopeIcpt(double k, double d);
  // OtherLine may be this line itself.
  void NormalLine(double px, double py, const TSLine& OtherLine);
  void ParallelLine(double px, double py, const TSLine& OtherLine);

  // False when the line misses the box; the out values then carry no meaning.
  bool ClipBox(double bllx, double blly, double burx, double bury, double& x1, double& y1,
               double& x2, double& y2) const;

 private:
  double SubstitutedX(double y, bool Substitute) const;
  double SubstitutedY(double x, bool Substitute) const;
  void SetThroughPoint(double a, double b, double px, double py);

  double FParA = 0;
  double FParB = 1;
  double FParC = 0;
  bool FSubstInf = false;
};

}  // namespace qor
