// Integrate against closed-form integrals of polynomials sampled at the element indices: each
// rule is exact up to its degree (trapezoid 1, Simpson and 3/8 3, Boole 5, extended Simpson 3),
// and fractional bounds add trapezoids that are exact for linear data.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "qor/vector/vector.h"

namespace qor {
namespace {

struct TIntegCase {
  std::string Name;
  int32_t NumElem;
  std::function<double(double)> f;
  double BoundLow, BoundHigh;
  TIntegMethod Method;
  double Expected;
};

void PrintTo(const TIntegCase& c, std::ostream* Out) { *Out << c.Name; }

class IntegrateTest : public ::testing::TestWithParam<TIntegCase> {};

TEST_P(IntegrateTest, ReproducesTheClosedForm) {
  const TIntegCase& c = GetParam();
  TVector V;
  V.Resize(c.NumElem);
  for (int32_t i = 1; i <= c.NumElem; ++i) V.SetVal(i, c.f(i));
  // A few dozen roundings of terms of the integral's magnitude.
  const double Tol = 64 * DBL_EPSILON * std::fabs(c.Expected);
  EXPECT_NEAR(V.Integrate(c.BoundLow, c.BoundHigh, c.Method), c.Expected, Tol);
  EXPECT_NEAR(V.Integrate(c.BoundHigh, c.BoundLow, c.Method), c.Expected, Tol);  // swapped
}

double Constant(double) { return 2.5; }
double Linear(double x) { return 2 * x + 1; }      // integral x^2 + x
double Square(double x) { return x * x; }          // integral x^3/3
double Cube(double x) { return x * x * x; }        // integral x^4/4
double Fifth(double x) { return std::pow(x, 5); }  // integral x^6/6
double Ramp(double x) { return 4 * (x - 1); }      // 0, 4, 8

INSTANTIATE_TEST_SUITE_P(
    Rules, IntegrateTest,
    ::testing::Values(
        TIntegCase{"TrapezoidConstant", 6, Constant, 1, 6, imTrapezoidal, 2.5 * 5},
        TIntegCase{"SimpleConstant", 6, Constant, -3, 40, imSimple, 2.5 * 5},  // clamped
        TIntegCase{"SimpsonTwoSamples", 2, Linear, 1, 2, imSimpson, 4},
        TIntegCase{"SimpsonThreeSamples", 3, Square, 1, 3, imSimpson, 26.0 / 3},
        TIntegCase{"ThreeEighthsFourSamples", 4, Cube, 1, 4, imSimpson, 255.0 / 4},
        TIntegCase{"BooleFiveSamples", 5, Fifth, 1, 5, imSimpson, (15625.0 - 1) / 6},
        TIntegCase{"ExtendedSimpsonSix", 6, Cube, 1, 6, imSimpson, 1295.0 / 4},
        TIntegCase{"ExtendedSimpsonNine", 9, Cube, 1, 9, imSimpson, 6560.0 / 4},
        TIntegCase{"ExtendedSimpsonLinear", 7, [](double x) { return x; }, 1, 7, imSimpson, 24},
        // Fractional bounds on linear data: [x^2 + x] from 1.5 to 6.25.
        TIntegCase{"TrapezoidFractional", 8, Linear, 1.5, 6.25, imTrapezoidal, 41.5625},
        TIntegCase{"SimpsonFractional", 8, Linear, 1.5, 6.25, imSimpson, 41.5625},
        TIntegCase{"SimpsonFractionalFourInside", 8, Linear, 1.5, 5.25, imSimpson, 29.0625},
        // imSimple: mean of v(2..6) = 9 times the width 4.75.
        TIntegCase{"SimpleFractional", 8, Linear, 1.5, 6.25, imSimple, 42.75},
        // Both bounds between samples 2 and 3 of 0, 4, 8: interpolated 5 and 7.
        TIntegCase{"InnerTrapezoid", 3, Ramp, 2.25, 2.75, imTrapezoidal, 3},
        TIntegCase{"InnerSimpson", 3, Ramp, 2.25, 2.75, imSimpson, 3},
        TIntegCase{"InnerSimple", 3, Ramp, 2.25, 2.75, imSimple, 3},
        TIntegCase{"InnerSimpleUsesTheSamples", 3, Square, 2.25, 2.75, imSimple,
                   (4.0 + 9) / 2 * 0.5}),
    [](const auto& Info) { return Info.param.Name; });

TEST(IntegrateEdgeTest, DegenerateInputs) {
  TVector V;
  V.SetVal(1, 3);
  EXPECT_EQ(V.Integrate(1, 5, imSimpson), 0);  // one sample: no width
  V.AssignArray(std::vector<double>{1, 2, 3});
  EXPECT_EQ(V.Integrate(1, 3, static_cast<TIntegMethod>(7)), 0);
  EXPECT_EQ(V.Integrate(2.25, 2.75, static_cast<TIntegMethod>(7)), 0);
  EXPECT_TRUE(std::isnan(V.Integrate(std::nan(""), 3, imTrapezoidal)));
  EXPECT_EQ(V.Integrate(-INFINITY, INFINITY, imTrapezoidal), 4);
}

}  // namespace
}  // namespace qor
