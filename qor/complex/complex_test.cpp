#include "qor/complex/complex.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <iomanip>
#include <limits>
#include <numbers>
#include <ostream>
#include <string>

#include "qor/frame/errors.h"

namespace qor {

// Readable failure messages for the record (found by argument-dependent lookup).
void PrintTo(const TComplex& z, std::ostream* Out) {
  *Out << std::setprecision(21) << "(" << z.re << ", " << z.im << ")";
}

namespace {

constexpr long double kEps = LDBL_EPSILON;
constexpr long double kPi = std::numbers::pi_v<long double>;
constexpr long double kInf = std::numeric_limits<long double>::infinity();
constexpr long double kNaN = std::numeric_limits<long double>::quiet_NaN();

// Restores the process-wide tolerance after each test that changes it.
class ComplexTest : public ::testing::Test {
 protected:
  void TearDown() override { CpxNearZero = 1e-15L; }
};

TEST_F(ComplexTest, ArithmeticMatchesHandComputedValues) {
  const TComplex a = Cpx(1, 2), b = Cpx(3, 4);
  EXPECT_EQ(CpxAdd(a, b), Cpx(4, 6));
  EXPECT_EQ(CpxSub(a, b), Cpx(-2, -2));
  EXPECT_EQ(CpxMult(a, b), Cpx(-5, 10));
  EXPECT_EQ(a * b, Cpx(-5, 10));
  EXPECT_EQ(CpxMult(a, COMPLEX_1), a);
  EXPECT_EQ(CpxDiv(Cpx(-5, 10), b), a);
  EXPECT_EQ(Cpx(-5, 10) / b - a, COMPLEX_0);
  EXPECT_EQ(CpxDiv(Cpx(1, 0), Cpx(0, 1)), Cpx(0, -1));
  EXPECT_EQ(CpxConj(a), Cpx(1, -2));
  EXPECT_EQ(CpxNeg(a), Cpx(-1, -2));
  EXPECT_EQ(-a + a, COMPLEX_0);
  EXPECT_EQ(CpxAbs(b), 5.0L);
  EXPECT_EQ(CpxAbsSqr(b), 25.0L);
  // Extended mantissa: 1 + 2^-63 is the successor of 1, and (1 + 2^-32)² = 1 + 2^-31 + 2^-64
  // rounds (to even) to 1 + 2^-31; both round differently in double.
  const long double Tiny = std::ldexp(1.0L, -63), Half = 1 + std::ldexp(1.0L, -32);
  EXPECT_EQ(CpxAdd(COMPLEX_1, Cpx(Tiny, -Tiny)), Cpx(1 + Tiny, -Tiny));
  EXPECT_EQ(CpxMult(Cpx(Half, 0), Cpx(Half, 0)).re, 1 + std::ldexp(1.0L, -31));
}

TEST_F(ComplexTest, DivisionUndoesMultiplication) {
  const long double kQuotientTol = 8 * kEps;  // four roundings in the product, four in the quotient
  for (const TComplex& a : {Cpx(1, 2), Cpx(-3.5L, 0.25L), Cpx(1e300L, -7e299L), Cpx(0, -1e-40L)})
    for (const TComplex& b : {Cpx(0.5L, -2), Cpx(-1e-200L, 3e-200L), Cpx(0, 1e600L)})
      EXPECT_LE(CpxAbs(CpxDiv(CpxMult(a, b), b) - a), kQuotientTol * CpxAbs(a))
          << ::testing::PrintToString(a);
}

TEST_F(ComplexTest, DivisionFaultsRaiseDivisionByZero) {
  const struct {
    const char* Case;
    TComplex a, b;
  } Faults[] = {{"zero divisor", Cpx(1, 2), COMPLEX_0},
                {"zero by zero", COMPLEX_0, COMPLEX_0},
                {"negative zero divisor", Cpx(1, 0), Cpx(-0.0L, -0.0L)},
                {"|b|² underflows", Cpx(1, 0), Cpx(1e-3000L, 0)},
                {"|b|² overflows", Cpx(1, 0), Cpx(0, 1e3000L)},
                {"numerator overflows, quotient fits", Cpx(1e4000L, 0), Cpx(1e1000L, 0)},
                {"quotient overflows", Cpx(LDBL_MAX / 2, 0), Cpx(0, 1e-10L)},
                {"infinite dividend", Cpx(kInf, 0), Cpx(1, 1)},
                {"NaN divisor", Cpx(1, 0), Cpx(kNaN, 1)}};
  for (const auto& F : Faults) {
    SCOPED_TRACE(F.Case);
    try {
      CpxDiv(F.a, F.b);
      ADD_FAILURE() << "no exception";
    } catch (const EQORComplexError& E) {
      EXPECT_STREQ(E.what(), "CpxDiv: division by zero");
    }
  }
}

TEST_F(ComplexTest, IsEqualSeesTheLastMantissaBit) {
  const long double Next = std::nextafter(1.0L, 2.0L);
  ASSERT_EQ(static_cast<double>(Next), 1.0);  // invisible to a double comparison
  EXPECT_TRUE(CpxIsEqual(Cpx(1, -3), Cpx(1, -3)));
  EXPECT_FALSE(CpxIsEqual(Cpx(1, 0), Cpx(Next, 0)));
  EXPECT_FALSE(CpxIsEqual(Cpx(0, 1), Cpx(0, Next)));
  EXPECT_TRUE(CpxIsEqual(Cpx(0.0L, 0), Cpx(-0.0L, 0)));
  EXPECT_FALSE(CpxIsEqual(Cpx(kNaN, 0), Cpx(kNaN, 0)));
}

// Which part of the second operand carries the difference.
class ToleranceBoundaryTest : public ComplexTest, public ::testing::WithParamInterface<bool> {
 protected:
  TComplex Offset(long double Delta) const { return GetParam() ? Cpx(0, Delta) : Cpx(Delta, 0); }
};

TEST_P(ToleranceBoundaryTest, NearEqualAndZeroAreStrictlyBelowTheDefaultTolerance) {
  ASSERT_EQ(CpxNearZero, 1e-15L);
  const long double JustBelow = std::nextafter(CpxNearZero, 0.0L);
  EXPECT_TRUE(CpxIsNearEqual(COMPLEX_1, CpxAdd(COMPLEX_1, Offset(5e-16L))));
  EXPECT_TRUE(CpxIsNearEqual(COMPLEX_0, Offset(-JustBelow)));
  EXPECT_TRUE(CpxIsZero(Offset(-JustBelow)));
  for (long double Outside : {CpxNearZero, -CpxNearZero, kNaN}) {
    EXPECT_FALSE(CpxIsNearEqual(COMPLEX_0, Offset(Outside)));
    EXPECT_FALSE(CpxIsZero(Offset(Outside)));
  }
  EXPECT_TRUE(CpxIsZero(Cpx(1e-16L, -1e-16L)));
}

TEST_P(ToleranceBoundaryTest, AssignedToleranceHoldsForLaterCalls) {
  CpxNearZero = 1e-3L;
  EXPECT_TRUE(CpxIsZero(Offset(5e-4L)));
  EXPECT_TRUE(CpxIsNearEqual(COMPLEX_1, CpxAdd(COMPLEX_1, Offset(5e-4L))));
  CpxNearZero = 0;  // only exact zeros and exact equality remain
  EXPECT_TRUE(CpxIsZero(Offset(-0.0L)));
  EXPECT_FALSE(CpxIsZero(Offset(LDBL_TRUE_MIN)));
  EXPECT_FALSE(CpxIsNearEqual(COMPLEX_1, COMPLEX_1));
}

INSTANTIATE_TEST_SUITE_P(Parts, ToleranceBoundaryTest, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& Info) {
                           return std::string(Info.param ? "Imaginary" : "Real");
                         });

TEST_F(ComplexTest, PolarFormOfTheAxesAndZero) {
  EXPECT_EQ(ConvertRectToPolar(Cpx(0, 2)).r, 2.0L);
  EXPECT_EQ(ConvertRectToPolar(Cpx(0, 2)).phi, kPi / 2);
  EXPECT_EQ(ConvertRectToPolar(Cpx(-1, 0)).phi, kPi);
  EXPECT_EQ(ConvertRectToPolar(Cpx(-1, -0.0L)).phi, -kPi);
  EXPECT_EQ(ConvertRectToPolar(Cpx(1, -1)).phi, -kPi / 4);
  EXPECT_EQ(ConvertRectToPolar(COMPLEX_0).r, 0.0L);
  EXPECT_EQ(ConvertRectToPolar(COMPLEX_0).phi, 0.0L);
  EXPECT_EQ(ConvertPolarToRect({3, 0}), Cpx(3, 0));
}

TEST_F(ComplexTest, PolarRoundTripsInBothDirections) {
  // sqrt, atan2, sin and cos each add at most a few rounding errors of the extended format.
  const long double kRoundTripTol = 16 * kEps;
  for (long double Re : {-1e300L, -2.5L, -1e-300L, 0.0L, 1e-30L, 0.75L, 6e40L})
    for (long double Im : {-3e20L, -1.0L, 0.0L, 1e-10L, 4.0L}) {
      const TComplex z = Cpx(Re, Im);
      EXPECT_LE(CpxAbs(ConvertPolarToRect(ConvertRectToPolar(z)) - z), kRoundTripTol * CpxAbs(z))
          << ::testing::PrintToString(z);
    }
  for (long double Phi : {-3.1L, -kPi / 2, -0.5L, 0.0L, 1.0L, 2.5L, 3.1L}) {
    const TComplexPolar p = ConvertRectToPolar(ConvertPolarToRect({7, Phi}));
    EXPECT_LE(std::fabs(p.r - 7), 7 * kRoundTripTol);
    EXPECT_LE(std::fabs(p.phi - Phi), kPi * kRoundTripTol) << static_cast<double>(Phi);
  }
}

}  // namespace
}  // namespace qor
