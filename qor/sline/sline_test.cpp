#include "qor/sline/sline.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <numbers>
#include <ostream>
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

// Sets a·x + b·y + c = 0 through the checked setters, starting from any valid line.
void SetLine(TSLine& Line, double a, double b, double c) {
  Line.SetParB(1);
  Line.SetParA(a);
  Line.SetParB(b);
  Line.SetParC(c);
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
  EXPECT_EQ(Line.ParB(), 1.0);
  EXPECT_EQ(Line.Distance(5, -2), -2.0);
  EXPECT_FALSE(Line.SubstituteInf());
  Line.SetParA(0);
  ExpectLineError([&] { Line.SetParB(0); }, "parameter A and B must not both be zero");
  ExpectLineError([&] { Line.SetParB(-0.0); }, "parameter A and B must not both be zero");
  EXPECT_EQ(Line.ParB(), 1.0);
  Line.SetParA(2);
  Line.SetParB(0);
  ExpectLineError([&] { Line.SetParA(0); }, "parameter A and B must not both be zero");
  EXPECT_EQ(Line.ParA(), 2.0);
  Line.SetParC(-7);
  EXPECT_EQ(Line.ParC(), -7.0);
}

TEST(SLineTest, LineFromTwoPoints) {
  TSLine Line;
  ASSERT_TRUE(Line.LineFrom2Points(0, 0, 2, 2));
  EXPECT_EQ(Line.ParA(), -2.0);
  EXPECT_EQ(Line.ParB(), 2.0);
  EXPECT_EQ(Line.ParC(), 0.0);
  EXPECT_EQ(Line.Slope(), 1.0);
  EXPECT_EQ(Line.Intercept(), 0.0);
  EXPECT_DOUBLE_EQ(Line.Direction(), kPi / 4);
  EXPECT_FALSE(Line.LineFrom2Points(1, 1, 1, 1));
  EXPECT_EQ(Line.ParA(), -2.0);
  EXPECT_EQ(Line.ParB(), 2.0);
  ASSERT_TRUE(Line.LineFrom2Points(-1, 3, 5, -1));
  EXPECT_EQ(Line.Distance(-1, 3), 0.0);
  EXPECT_EQ(Line.Distance(5, -1), 0.0);
  EXPECT_EQ(Line.Distance(2, 1), 0.0);  // the midpoint
}

TEST(SLineTest, SlopeInterceptFormRoundTrips) {
  TSLine Line;
  Line.LineFromSlopeIcpt(0.5, -3);
  double k = 0;
  double d = 0;
  Line.CalcKDForm(k, d);
  EXPECT_EQ(k, 0.5);
  EXPECT_EQ(d, -3.0);
  EXPECT_EQ(Line.CalcY(4), -1.0);
  EXPECT_EQ(Line.CalcX(-1), 4.0);
  EXPECT_EQ(Line.CalcY(Line.CalcX(7)), 7.0);
}

TEST(SLineTest, AxisParallelLinesRaiseWhereAValueWouldBeInfinite) {
  TSLine Vertical;
  SetLine(Vertical, 1, 0, -2);
  double k = 0;
  double d = 0;
  ExpectLineError([&] { Vertical.GetSlope(); }, "slope is infinite");
  ExpectLineError([&] { Vertical.GetIntercept(); },
                  "cannot calculate intercept (line is parallel to y axis)");
  ExpectLineError([&] { Vertical.CalcKDForm(k, d); }, "cannot convert to k-d-form if ParB is zero");
  ExpectLineError([&] { Vertical.CalcY(0); }, "cannot calculate y");
  EXPECT_EQ(Vertical.CalcX(123), 2.0);
  TSLine Horizontal;
  SetLine(Horizontal, 0, 1, -1);
  ExpectLineError([&] { Horizontal.CalcX(0); }, "cannot calculate x");
  EXPECT_EQ(Horizontal.CalcY(-9), 1.0);
}

TEST(SLineTest, SubstitutionDividesByTheExtendedConstant) {
  TSLine Vertical;
  SetLine(Vertical, 1, 0, -2);
  Vertical.SetSubstituteInf(true);
  EXPECT_EQ(Vertical.CalcY(5), static_cast<double>(-3.0L / 1e-100L));
  EXPECT_EQ(Vertical.CalcY(2), 0.0);  // a point of the line
  EXPECT_EQ(Vertical.CalcY(1e300), -std::numeric_limits<double>::infinity());
  TSLine Horizontal;
  SetLine(Horizontal, 0, 1, -1);
  Horizontal.SetSubstituteInf(true);
  EXPECT_DOUBLE_EQ(Horizontal.CalcX(3), -2e100);
}

TEST(SLineTest, DirectionOfAxisParallelLines) {
  TSLine Line;
  SetLine(Line, 1, 0, 0);
  EXPECT_DOUBLE_EQ(Line.GetDirect(), 3 * kPi / 2);
  SetLine(Line, -1, 0, 0);
  EXPECT_EQ(Line.GetDirect(), kPi / 2);
  SetLine(Line, 0, -1, 0);
  EXPECT_EQ(Line.GetDirect(), kPi);
  SetLine(Line, 0, 1, 0);
  EXPECT_EQ(Line.GetDirect(), 0.0);
}

class DirectionTest : public ::testing::TestWithParam<double> {};

// A line through a point at angle φ has direction φ and contains every point p + t·(cos φ, sin φ).
TEST_P(DirectionTest, LineThroughPointKeepsItsAngleAndPoint) {
  const double Phi = GetParam();
  const double kAngleTol = 8 * kEps * kPi;
  const double kOnLineTol = 64 * kEps * 10;  // coordinates up to about 10
  TSLine Line;
  Line.LineThroughPoint(2, -1, Phi);
  EXPECT_NEAR(Line.GetDirect(), Phi, kAngleTol);
  EXPECT_GE(Line.GetDirect(), 0.0);
  EXPECT_LT(Line.GetDirect(), 2 * kPi);
  EXPECT_NEAR(Line.Distance(2, -1), 0.0, kOnLineTol);
  EXPECT_NEAR(Line.Distance(2 + 7 * std::cos(Phi), -1 + 7 * std::sin(Phi)), 0.0, kOnLineTol);
  EXPECT_NEAR(Line.Distance(2 - std::sin(Phi), -1 + std::cos(Phi)), 1.0, kOnLineTol);
}

INSTANTIATE_TEST_SUITE_P(AllQuadrants, DirectionTest,
                         ::testing::Values(0.0, 0.3, kPi / 2, 2.0, kPi, 4.0, 3 * kPi / 2, 5.5,
                                           6.2));

TEST(SLineTest, SignedDistance) {
  TSLine Line;
  SetLine(Line, 3, 4, -5);  // normal (3, 4) / 5, passing through (3, -1)
  EXPECT_EQ(Line.Distance(0, 0), -1.0);
  EXPECT_EQ(Line.Distance(3, 4), 4.0);
  EXPECT_EQ(Line.Distance(3, -1), 0.0);
  EXPECT_EQ(Line.Distance(6, 3), 5.0);
}

TEST(SLineTest, IntersectionOfCrossingParallelAndIdenticalLines) {
  TSLine Rising;
  TSLine Falling;
  SetLine(Rising, 1, -1, 0);
  SetLine(Falling, 1, 1, -2);
  double x = 0;
  double y = 0;
  ASSERT_TRUE(Rising.InterSection(Falling, x, y));
  EXPECT_EQ(x, 1.0);
  EXPECT_EQ(y, 1.0);

  TSLine Parallel;
  Parallel.ParallelLine(0, 5, Rising);
  TSLine Same;
  SetLine(Same, -3, 3, 0);
  for (const TSLine* Other : {&Parallel, &Same, &Rising}) {
    x = -42;
    y = 42;
    EXPECT_FALSE(Rising.InterSection(*Other, x, y));
    EXPECT_EQ(x, -42.0);
    EXPECT_EQ(y, 42.0);
  }
}

TEST(SLineTest, AngleBetweenLinesIsAcute) {
  TSLine XAxis;
  TSLine Other;
  Other.LineFrom2Points(0, 0, 2, 2);
  EXPECT_DOUBLE_EQ(XAxis.AngleBetweenLines(Other), kPi / 4);
  Other.LineFrom2Points(0, 0, -2, 2);  // 135 degrees: the acute angle is 45
  EXPECT_DOUBLE_EQ(XAxis.AngleBetweenLines(Other), kPi / 4);
  EXPECT_DOUBLE_EQ(Other.AngleBetweenLines(XAxis), kPi / 4);
  SetLine(Other, 1, 0, 4);
  EXPECT_EQ(XAxis.AngleBetweenLines(Other), 1.5707963267948966);
}

// Normal and parallel lines through a point, for lines of every orientation.
TEST(SLineTest, NormalAndParallelLinesMeetTheirDefinitions) {
  const double kTol = 64 * kEps * 100;  // coordinates and coefficients up to about 100
  const double Lines[][3] = {{0, 1, -3}, {1, 0, 2}, {-2, 5, 7}, {3.5, -0.25, 1}, {-1, -1, 90}};
  const double Points[][2] = {{0, 0}, {-4, 9}, {12.5, -3}};
  for (const auto& Coef : Lines) {
    TSLine Base;
    SetLine(Base, Coef[0], Coef[1], Coef[2]);
    for (const auto& P : Points) {
      TSLine Normal;
      Normal.NormalLine(P[0], P[1], Base);
      EXPECT_NEAR(Normal.Distance(P[0], P[1]), 0.0, kTol);
      EXPECT_EQ(Normal.AngleBetweenLines(Base), kPi / 2);
      double FootX = 0;
      double FootY = 0;
      ASSERT_TRUE(Normal.InterSection(Base, FootX, FootY));
      EXPECT_NEAR(Base.Distance(FootX, FootY), 0.0, kTol);
      EXPECT_NEAR(std::hypot(P[0] - FootX, P[1] - FootY), std::fabs(Base.Distance(P[0], P[1])),
                  kTol);

      TSLine Parallel;
      Parallel.ParallelLine(P[0], P[1], Base);
      EXPECT_NEAR(Parallel.Distance(P[0], P[1]), 0.0, kTol);
      EXPECT_EQ(Parallel.AngleBetweenLines(Base), 0.0);
      EXPECT_FALSE(Parallel.InterSection(Base, FootX, FootY));
    }
  }
}

TEST(SLineTest, ALineBecomesItsOwnNormal) {
  TSLine Line;
  SetLine(Line, 2, 0, -6);  // x = 3
  Line.NormalLine(1, 4, Line);
  EXPECT_EQ(Line.ParA(), 0.0);
  EXPECT_EQ(Line.ParB(), 2.0);
  EXPECT_EQ(Line.CalcY(-50), 4.0);
}

struct TClipCase {
  const char* Case;
  double a, b, c;
  double Box[4];  // lower-left x, y, upper-right x, y
  bool Hits;
  double x1, y1, x2, y2;
};

void PrintTo(const TClipCase& Case, std::ostream* Out) { *Out << Case.Case; }

class ClipBoxTest : public ::testing::TestWithParam<TClipCase> {};

TEST_P(ClipBoxTest, ReturnsTheSegmentInsideTheBox) {
  const TClipCase& C = GetParam();
  for (bool Substitute : {false, true}) {
    TSLine Line;
    SetLine(Line, C.a, C.b, C.c);
    Line.SetSubstituteInf(Substitute);
    double x1 = -1;
    double y1 = -1;
    double x2 = -1;
    double y2 = -1;
    ASSERT_EQ(Line.ClipBox(C.Box[0], C.Box[1], C.Box[2], C.Box[3], x1, y1, x2, y2), C.Hits);
    EXPECT_EQ(Line.SubstituteInf(), Substitute);
    if (!C.Hits) continue;
    EXPECT_EQ(x1, C.x1);
    EXPECT_EQ(y1, C.y1);
    EXPECT_EQ(x2, C.x2);
    EXPECT_EQ(y2, C.y2);
  }
}

// Box (1, 2)-(5, 4) unless stated; expected points in the order left, right, bottom, top edge.
INSTANTIATE_TEST_SUITE_P(
    Sides, ClipBoxTest,
    ::testing::Values(TClipCase{"LeftRight", -0.5, 4, -11.5, {1, 2, 5, 4}, true, 1, 3, 5, 3.5},
                      TClipCase{"LeftBottom", 1, 1, -4, {1, 2, 5, 4}, true, 1, 3, 2, 2},
                      TClipCase{"LeftTop", 1, -1, 2, {1, 2, 5, 4}, true, 1, 3, 2, 4},
                      TClipCase{"RightBottom", 1, -1, -2, {1, 2, 5, 4}, true, 5, 3, 4, 2},
                      TClipCase{"RightTop", 1, 1, -8, {1, 2, 5, 4}, true, 5, 3, 4, 4},
                      TClipCase{"BottomTop", 2, -1, -2, {1, 2, 5, 4}, true, 2, 2, 3, 4},
                      TClipCase{"Vertical", 1, 0, -3, {1, 2, 5, 4}, true, 3, 2, 3, 4},
                      TClipCase{"Horizontal", 0, 1, -3, {1, 2, 5, 4}, true, 1, 3, 5, 3},
                      TClipCase{"RisingUnitBox", 1, -1, 0.5, {0, 0, 1, 1}, true, 0, 0.5, 0.5, 1},
                      TClipCase{
                          "HorizontalUnitBox", 0, 1, -0.5, {0, 0, 1, 1}, true, 0, 0.5, 1, 0.5},
                      TClipCase{"Misses", 1, -1, 10, {1, 2, 5, 4}, false, 0, 0, 0, 0},
                      TClipCase{"HorizontalMisses", 0, 1, -10, {1, 2, 5, 4}, false, 0, 0, 0, 0},
                      TClipCase{"VerticalMisses", 1, 0, -10, {1, 2, 5, 4}, false, 0, 0, 0, 0},
                      TClipCase{"ReversedCorners", 0, 1, -3, {5, 4, 1, 2}, false, 0, 0, 0, 0}),
    [](const ::testing::TestParamInfo<TClipCase>& Info) { return Info.param.Case; });

INSTANTIATE_TEST_SUITE_P(
    CornersAndEdges, ClipBoxTest,
    ::testing::Values(
        TClipCase{"TouchesBottomLeft", 1, 1, -3, {1, 2, 5, 4}, true, 1, 2, 1, 2},
        TClipCase{"TouchesTopRight", 1, 1, -9, {1, 2, 5, 4}, true, 5, 4, 5, 4},
        TClipCase{"TouchesTopLeft", 1, -1, 3, {1, 2, 5, 4}, true, 1, 4, 1, 4},
        TClipCase{"TouchesBottomRight", 1, -1, -3, {1, 2, 5, 4}, true, 5, 2, 5, 2},
        TClipCase{"Diagonal", -2, 4, -6, {1, 2, 5, 4}, true, 1, 2, 5, 4},
        TClipCase{"AntiDiagonal", 1, 2, -9, {1, 2, 5, 4}, true, 1, 4, 5, 2},
        TClipCase{"CornerAndTop", 1, -1, 1, {1, 2, 5, 4}, true, 1, 2, 3, 4},
        TClipCase{"AlongBottom", 0, 1, -2, {1, 2, 5, 4}, true, 1, 2, 5, 2},
        TClipCase{"AlongTop", 0, 1, -4, {1, 2, 5, 4}, true, 1, 4, 5, 4},
        TClipCase{"AlongLeft", 1, 0, -1, {1, 2, 5, 4}, true, 1, 2, 1, 4},
        TClipCase{"AlongRight", 1, 0, -5, {1, 2, 5, 4}, true, 5, 2, 5, 4},
        // The substituted left-edge crossing lands at (-1, 0), inside the edge: not an end point.
        TClipCase{"AlongLeftAcrossTheAxis", 1, 0, 1, {-1, -1, 1, 1}, true, -1, -1, -1, 1}),
    [](const ::testing::TestParamInfo<TClipCase>& Info) { return Info.param.Case; });

// Lines through two random points of the box: the clipped segment lies on the line, inside the
// box, has its ends on the border and contains both points.
TEST(SLineTest, ClippedSegmentsOfRandomLinesLieOnTheLineAndInTheBox) {
  constexpr double kLow[2] = {-3, 1};
  constexpr double kHigh[2] = {4, 2.5};
  const double kTol = 64 * kEps * 4;  // coordinates up to 4
  std::mt19937 Engine(20240611);
  std::uniform_real_distribution<double> X(kLow[0], kHigh[0]);
  std::uniform_real_distribution<double> Y(kLow[1], kHigh[1]);
  TSLine Line;
  for (int Trial = 0; Trial < 200; ++Trial) {
    const double Px = X(Engine), Py = Y(Engine), Qx = X(Engine), Qy = Y(Engine);
    ASSERT_TRUE(Line.LineFrom2Points(Px, Py, Qx, Qy));
    double x[2];
    double y[2];
    ASSERT_TRUE(Line.ClipBox(kLow[0], kLow[1], kHigh[0], kHigh[1], x[0], y[0], x[1], y[1]));
    for (int End = 0; End < 2; ++End) {
      EXPECT_NEAR(Line.Distance(x[End], y[End]), 0.0, kTol);
      EXPECT_TRUE(kLow[0] <= x[End] && x[End] <= kHigh[0] && kLow[1] <= y[End] &&
                  y[End] <= kHigh[1]);
      EXPECT_TRUE(x[End] == kLow[0] || x[End] == kHigh[0] || y[End] == kLow[1] ||
                  y[End] == kHigh[1]);
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
