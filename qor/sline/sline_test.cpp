#include "qor/sline/sline.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <functional>
#include <limits>
#include <numbers>
#include <optional>
#include <random>
#include <type_traits>
#include <utility>

#include "qor/frame/errors.h"

namespace qor {
namespace {

constexpr double kEps = std::numeric_limits<double>::epsilon();
constexpr double kPi = std::numbers::pi;

static_assert(std::is_base_of_v<Exception, EQORSLineError>);
static_assert(!std::is_base_of_v<EQORError, EQORSLineError>);

// a·x + b·y + c = 0, set through the checked setters starting from a valid line.
TSLine& SetLine(TSLine& Line, double a, double b, double c) {
  Line.SetParB(1);
  Line.SetParA(a);
  Line.SetParB(b);
  Line.SetParC(c);
  return Line;
}

void ExpectLineError(const std::function<void()>& Call, const char* Message) {
  try {
    Call();
    ADD_FAILURE() << "no exception, expected \"" << Message << "\"";
  } catch (const EQORSLineError& E) {
    EXPECT_STREQ(E.what(), Message);
  }
}

TEST(SLineTest, StartsAsTheXAxisAndNeverLetsBothCoefficientsVanish) {
  TSLine Line;
  EXPECT_EQ(Line.Distance(5, -2), -2.0);
  EXPECT_FALSE(Line.SubstituteInf());
  Line.SetParA(0);
  ExpectLineError([&] { Line.SetParB(-0.0); }, "parameter A and B must not both be zero");
  EXPECT_EQ(Line.ParB(), 1.0);
  Line.SetParA(2);
  Line.SetParB(0);
  ExpectLineError([&] { Line.SetParA(0); }, "parameter A and B must not both be zero");
  EXPECT_EQ(Line.ParA(), 2.0);
}

TEST(SLineTest, ConstructionsFromPointsSlopeAndAngle) {
  TSLine Line;
  ASSERT_TRUE(Line.LineFrom2Points(0, 0, 2, 2));
  EXPECT_EQ((std::array{Line.ParA(), Line.ParB(), Line.ParC()}), (std::array{-2.0, 2.0, 0.0}));
  EXPECT_EQ(Line.Slope(), 1.0);
  EXPECT_EQ(Line.Intercept(), 0.0);
  EXPECT_DOUBLE_EQ(Line.Direction(), kPi / 4);
  EXPECT_FALSE(Line.LineFrom2Points(1, 1, 1, 1));  // coincident points leave the line as it was
  EXPECT_EQ(Line.ParA(), -2.0);
  ASSERT_TRUE(Line.LineFrom2Points(-1, 3, 5, -1));
  for (const auto& [x, y] : {std::pair{-1, 3}, {5, -1}, {2, 1}}) EXPECT_EQ(Line.Distance(x, y), 0);

  Line.LineFromSlopeIcpt(0.5, -3);
  double k = 0, d = 0;
  Line.CalcKDForm(k, d);
  EXPECT_EQ(std::pair(k, d), std::pair(0.5, -3.0));
  EXPECT_EQ(Line.CalcY(4), -1.0);
  EXPECT_EQ(Line.CalcX(-1), 4.0);

  // Through a point at angle φ: direction φ, and p + t·(cos φ, sin φ) on the line.
  const double kAngleTol = 8 * kEps * kPi;
  const double kOnLineTol = 64 * kEps * 10;  // coordinates up to about 10
  for (double Phi : {0.0, 0.3, kPi / 2, 2.0, kPi, 4.0, 3 * kPi / 2, 6.2}) {
    Line.LineThroughPoint(2, -1, Phi);
    EXPECT_NEAR(Line.GetDirect(), Phi, kAngleTol);
    EXPECT_NEAR(Line.Distance(2 + 7 * std::cos(Phi), -1 + 7 * std::sin(Phi)), 0.0, kOnLineTol);
    EXPECT_NEAR(Line.Distance(2 - std::sin(Phi), -1 + std::cos(Phi)), 1.0, kOnLineTol) << Phi;
  }
  // Axis-parallel lines: the direction of (b, -a).
  for (const auto& [a, b, Direction] :
       {std::array{1.0, 0.0, 3 * kPi / 2}, {-1.0, 0.0, kPi / 2}, {0.0, -1.0, kPi}, {0.0, 1.0, 0.0}})
    EXPECT_DOUBLE_EQ(SetLine(Line, a, b, 0).GetDirect(), Direction) << a << " " << b;
}

TEST(SLineTest, AxisParallelLinesRaiseOrSubstitute) {
  TSLine Vertical, Horizontal;
  SetLine(Vertical, 1, 0, -2);
  SetLine(Horizontal, 0, 1, -1);
  double k = 0, d = 0;
  ExpectLineError([&] { Vertical.GetSlope(); }, "slope is infinite");
  ExpectLineError([&] { Vertical.GetIntercept(); },
                  "cannot calculate intercept (line is parallel to y axis)");
  ExpectLineError([&] { Vertical.CalcKDForm(k, d); }, "cannot convert to k-d-form if ParB is zero");
  ExpectLineError([&] { Vertical.CalcY(0); }, "cannot calculate y");
  ExpectLineError([&] { Horizontal.CalcX(0); }, "cannot calculate x");
  EXPECT_EQ(Vertical.CalcX(123), 2.0);
  EXPECT_EQ(Horizontal.CalcY(-9), 1.0);
  // The substitution divides by the extended constant 1e-100.
  Vertical.SetSubstituteInf(true);
  Horizontal.SetSubstituteInf(true);
  EXPECT_EQ(Vertical.CalcY(5), static_cast<double>(-3.0L / 1e-100L));
  EXPECT_EQ(Vertical.CalcY(2), 0.0);  // a point of the line
  EXPECT_EQ(Vertical.CalcY(1e300), -std::numeric_limits<double>::infinity());
  EXPECT_DOUBLE_EQ(Horizontal.CalcX(3), -2e100);
}

TEST(SLineTest, DistanceIntersectionAndAngle) {
  TSLine Line, Rising, Falling, Parallel, Same;
  SetLine(Line, 3, 4, -5);  // normal (3, 4) / 5, passing through (3, -1)
  EXPECT_EQ(Line.Distance(0, 0), -1.0);
  EXPECT_EQ(Line.Distance(6, 3), 5.0);
  SetLine(Rising, 1, -1, 0);
  SetLine(Falling, 1, 1, -2);
  double x = 0, y = 0;
  ASSERT_TRUE(Rising.InterSection(Falling, x, y));
  EXPECT_EQ(std::pair(x, y), std::pair(1.0, 1.0));
  Parallel.ParallelLine(0, 5, Rising);
  SetLine(Same, -3, 3, 0);
  for (const TSLine* Other : {&Parallel, &Same, &Rising}) {
    x = -42;
    EXPECT_FALSE(Rising.InterSection(*Other, x, y));
    EXPECT_EQ(x, -42.0);
  }
  const TSLine XAxis;
  EXPECT_DOUBLE_EQ(XAxis.AngleBetweenLines(Rising), kPi / 4);
  EXPECT_DOUBLE_EQ(Falling.AngleBetweenLines(XAxis), kPi / 4);  // 135 degrees: acute 45
  EXPECT_EQ(XAxis.AngleBetweenLines(SetLine(Line, 1, 0, 4)), 1.5707963267948966);
}

// Normal and parallel lines through a point, for lines of every orientation.
TEST(SLineTest, NormalAndParallelLinesMeetTheirDefinitions) {
  const double kTol = 64 * kEps * 100;  // coordinates and coefficients up to about 100
  const double Lines[][3] = {{0, 1, -3}, {1, 0, 2}, {-2, 5, 7}, {3.5, -0.25, 1}, {-1, -1, 90}};
  const double Points[][2] = {{0, 0}, {-4, 9}, {12.5, -3}};
  for (const auto& Coef : Lines) {
    TSLine Base;
    SetLine(Base, Coef[0], Coef[1], Coef[2]);
    for (const auto& [Px, Py] : Points) {
      TSLine Normal, Parallel;
      Normal.NormalLine(Px, Py, Base);
      Parallel.ParallelLine(Px, Py, Base);
      double FootX = 0, FootY = 0;
      ASSERT_TRUE(Normal.InterSection(Base, FootX, FootY));
      EXPECT_EQ(Normal.AngleBetweenLines(Base), kPi / 2);
      EXPECT_NEAR(Normal.Distance(Px, Py), 0.0, kTol);
      EXPECT_NEAR(Base.Distance(FootX, FootY), 0.0, kTol);
      EXPECT_NEAR(std::hypot(Px - FootX, Py - FootY), std::fabs(Base.Distance(Px, Py)), kTol);
      EXPECT_EQ(Parallel.AngleBetweenLines(Base), 0.0);
      EXPECT_NEAR(Parallel.Distance(Px, Py), 0.0, kTol);
    }
  }
  TSLine Line;
  SetLine(Line, 2, 0, -6).NormalLine(1, 4, Line);  // a line becomes its own normal
  EXPECT_EQ(Line.ParA(), 0.0);
  EXPECT_EQ(Line.CalcY(-50), 4.0);
}

// The clipped segment as {x1, y1, x2, y2}, or nothing for a line that misses the box.
std::optional<std::array<double, 4>> Clip(TSLine& Line, const std::array<double, 4>& Box) {
  std::array<double, 4> Ends{};
  if (!Line.ClipBox(Box[0], Box[1], Box[2], Box[3], Ends[0], Ends[1], Ends[2], Ends[3]))
    return std::nullopt;
  return Ends;
}

// Box (1, 2)-(5, 4); end points in the order of the left, right, bottom and top edge crossings,
// the same with and without substitution.
TEST(SLineTest, ClipBoxReturnsTheSegmentInsideTheBox) {
  constexpr std::array<double, 4> Box = {1, 2, 5, 4};
  // {a, b, c, x1, y1, x2, y2}, in turn: left-right, left-bottom, left-top, right-bottom,
  // right-top, bottom-top, vertical, horizontal, touching the bottom-left and the top-right
  // corner, diagonal, anti-diagonal, corner and top, along the bottom, along the right.
  const std::array<double, 7> Hits[] = {
      {-0.5, 4, -11.5, 1, 3, 5, 3.5}, {1, 1, -4, 1, 3, 2, 2},  {1, -1, 2, 1, 3, 2, 4},
      {1, -1, -2, 5, 3, 4, 2},        {1, 1, -8, 5, 3, 4, 4},  {2, -1, -2, 2, 2, 3, 4},
      {1, 0, -3, 3, 2, 3, 4},         {0, 1, -3, 1, 3, 5, 3},  {1, 1, -3, 1, 2, 1, 2},
      {1, 1, -9, 5, 4, 5, 4},         {-2, 4, -6, 1, 2, 5, 4}, {1, 2, -9, 1, 4, 5, 2},
      {1, -1, 1, 1, 2, 3, 4},         {0, 1, -2, 1, 2, 5, 2},  {1, 0, -5, 5, 2, 5, 4}};
  // oblique, horizontal and vertical lines beside the box
  const std::array<double, 3> Misses[] = {{1, -1, 10}, {0, 1, -10}, {1, 0, -10}};
  for (bool Substitute : {false, true}) {
    SCOPED_TRACE(Substitute ? "substituting" : "not substituting");
    TSLine Line;
    for (const auto& [a, b, c, x1, y1, x2, y2] : Hits) {
      SetLine(Line, a, b, c).SetSubstituteInf(Substitute);
      EXPECT_EQ(Clip(Line, Box), (std::array{x1, y1, x2, y2})) << a << " " << b << " " << c;
      EXPECT_EQ(Line.SubstituteInf(), Substitute);
    }
    for (const auto& [a, b, c] : Misses)
      EXPECT_EQ(Clip(SetLine(Line, a, b, c), Box), std::nullopt) << a << " " << b << " " << c;
    EXPECT_EQ(Clip(SetLine(Line, 0, 1, -3), {5, 4, 1, 2}), std::nullopt);  // reversed corners
    // The substituted left-edge crossing lands at (-1, 0), inside the edge: not an end point.
    EXPECT_EQ(Clip(SetLine(Line, 1, 0, 1), {-1, -1, 1, 1}), (std::array{-1.0, -1.0, -1.0, 1.0}));
  }
}

// Lines through two random points of the box: the clipped segment lies on the line with its
// ends on the border, and contains both points.
TEST(SLineTest, ClippedSegmentsOfRandomLinesLieOnTheLineAndInTheBox) {
  constexpr double kLow[2] = {-3, 1}, kHigh[2] = {4, 2.5};
  const double kTol = 64 * kEps * 4;  // coordinates up to 4
  std::mt19937 Engine(20240611);
  std::uniform_real_distribution<double> X(kLow[0], kHigh[0]), Y(kLow[1], kHigh[1]);
  TSLine Line;
  for (int Trial = 0; Trial < 200; ++Trial) {
    const double Px = X(Engine), Py = Y(Engine), Qx = X(Engine), Qy = Y(Engine);
    ASSERT_TRUE(Line.LineFrom2Points(Px, Py, Qx, Qy));
    double x[2], y[2];
    ASSERT_TRUE(Line.ClipBox(kLow[0], kLow[1], kHigh[0], kHigh[1], x[0], y[0], x[1], y[1]));
    for (int End = 0; End < 2; ++End) {
      EXPECT_NEAR(Line.Distance(x[End], y[End]), 0.0, kTol);
      const bool OnVerticalEdge =
          (x[End] == kLow[0] || x[End] == kHigh[0]) && kLow[1] <= y[End] && y[End] <= kHigh[1];
      const bool OnHorizontalEdge =
          (y[End] == kLow[1] || y[End] == kHigh[1]) && kLow[0] <= x[End] && x[End] <= kHigh[0];
      EXPECT_TRUE(OnVerticalEdge || OnHorizontalEdge) << x[End] << " " << y[End];
    }
    // Both points lie between the ends: their distances to the ends add up to the segment.
    const double Length = std::hypot(x[1] - x[0], y[1] - y[0]);
    for (const auto& [Sx, Sy] : {std::pair{Px, Py}, std::pair{Qx, Qy}})
      EXPECT_NEAR(std::hypot(Sx - x[0], Sy - y[0]) + std::hypot(Sx - x[1], Sy - y[1]), Length,
                  kTol);
  }
}

}  // namespace
}  // namespace qor
