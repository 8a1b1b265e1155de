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

// Restores the process-wide tolerance after each test that changes it.
class ComplexTest : public ::testing::Test {
 protected:
  void TearDown() override { CpxNearZero = kDefaultTolerance; }
  static constexpr long double kDefaultTolerance = 1e-15L;
};

TEST_F(ComplexTest, ArithmeticMatchesHandComputedValues) {
  const TComplex a = Cpx(1, 2);
  const TComplex b = Cpx(3, 4);
  EXPECT_EQ(CpxAdd(a, b), Cpx(4, 6));
  EXPECT_EQ(CpxSub(a, b), Cpx(-2, -2));
  EXPECT_EQ(CpxMult(a, b), Cpx(-5, 10));
  EXPECT_EQ(CpxDiv(Cpx(-5, 10), b), a);
  EXPECT_EQ(a * b, Cpx(-5, 10));
  EXPECT_EQ(Cpx(-5, 10) / b - a, COMPLEX_0);
  EXPECT_EQ(CpxDiv(Cpx(1, 0), Cpx(0, 1)), Cpx(0, -1));
  EXPECT_EQ(CpxConj(a), Cpx(1, -2));
  EXPECT_EQ(CpxNeg(a), Cpx(-1, -2));
  EXPECT_EQ(CpxAbs(b), 5.0L);
  EXPECT_EQ(CpxAbsSqr(b), 25.0L);
  EXPECT_EQ(-a + a, COMPLEX_0);
  EXPECT_EQ(CpxMult(a, COMPLEX_1), a);
}

TEST_F(ComplexTest, ArithmeticKeepsTheExtendedMantissa) {
  // 1 + 2^-63 is the successor of 1 in long double and rounds to 1 in double.
  const long double Tiny = std::ldexp(1.0L, -63);
  const TComplex Sum = CpxAdd(COMPLEX_1, Cpx(Tiny, -Tiny));
  EXPECT_GT(Sum.re, 1.0L);
  EXPECT_LT(Sum.im, 0.0L);
  // (1 + 2^-32)² = 1 + 2^-31 + 2^-64 rounds (to even) to 1 + 2^-31 in extended arithmetic.
  const long double Half = 1 + std::ldexp(1.0L, -32);
  EXPECT_EQ(CpxMult(Cpx(Half, 0), Cpx(Half, 0)).re, 1 + std::ldexp(1.0L, -31));
}

TEST_F(ComplexTest, DivisionUndoesMultiplication) {
  const long double kQuotientTol = 8 * kEps;  // four roundings in the product, four in the quotient
  for (const TComplex& a : {Cpx(1, 2), Cpx(-3.5L, 0.25L), Cpx(1e300L, -7e299L), Cpx(0, -1e-40L)}) {
    for (const TComplex& b : {Cpx(0.5L, -2), Cpx(-1e-200L, 3e-200L), Cpx(0, 1e600L)}) {
      const TComplex Back = CpxDiv(CpxMult(a, b), b);
      EXPECT_LE(CpxAbs(CpxSub(Back, a)), kQuotientTol * CpxAbs(a))
          << "a = (" << static_cast<double>(a.re) << ", " << static_cast<double>(a.im) << ")";
    }
  }
}

struct TBadDivision {
  const char* Case;
  TComplex a;
  TComplex b;
};

class CpxDivFaultTest : public ::testing::TestWithParam<TBadDivision> {};

TEST_P(CpxDivFaultTest, RaisesDivisionByZero) {
  const TBadDivision& Bad = GetParam();
  try {
    CpxDiv(Bad.a, Bad.b);
    FAIL() << "no exception";
  } catch (const EQORComplexError& E) {
    EXPECT_STREQ(E.what(), "CpxDiv: division by zero");
  }
}

constexpr long double kInf = std::numeric_limits<long double>::infinity();
constexpr long double kNaN = std::numeric_limits<long double>::quiet_NaN();

INSTANTIATE_TEST_SUITE_P(
    Faults, CpxDivFaultTest,
    ::testing::Values(TBadDivision{"ZeroDivisor", Cpx(1, 2), COMPLEX_0},
                      TBadDivision{"ZeroByZero", COMPLEX_0, COMPLEX_0},
                      TBadDivision{"NegativeZeroDivisor", Cpx(1, 0), Cpx(-0.0L, -0.0L)},
                      // |b|² = 1e-6000 underflows to zero although b is not zero.
                      TBadDivision{"SquaredDivisorUnderflows", Cpx(1, 0), Cpx(1e-3000L, 0)},
                      TBadDivision{"SquaredDivisorOverflows", Cpx(1, 0), Cpx(0, 1e3000L)},
                      // 1e4000·1e1000 overflows although the quotient 1e3000 would fit.
                      TBadDivision{"NumeratorOverflows", Cpx(1e4000L, 0), Cpx(1e1000L, 0)},
                      TBadDivision{"QuotientOverflows", Cpx(LDBL_MAX / 2, 0), Cpx(0, 1e-10L)},
                      TBadDivision{"InfiniteDividend", Cpx(kInf, 0), Cpx(1, 1)},
                      TBadDivision{"NaNDivisor", Cpx(1, 0), Cpx(kNaN, 1)}),
    [](const ::testing::TestParamInfo<TBadDivision>& Info) { return Info.param.Case; });

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

TEST_P(ToleranceBoundaryTest, NearEqualIsStrictlyBelowTheTolerance) {
  const TComplex One = COMPLEX_1;
  EXPECT_TRUE(CpxIsNearEqual(One, CpxAdd(One, Offset(5e-16L))));
  EXPECT_TRUE(CpxIsNearEqual(COMPLEX_0, Offset(-std::nextafter(CpxNearZero, 0.0L))));
  EXPECT_FALSE(CpxIsNearEqual(COMPLEX_0, Offset(CpxNearZero)));
  EXPECT_FALSE(CpxIsNearEqual(COMPLEX_0, Offset(-CpxNearZero)));
  EXPECT_FALSE(CpxIsNearEqual(COMPLEX_0, Offset(kNaN)));
}

TEST_P(ToleranceBoundaryTest, ZeroIsStrictlyBelowTheTolerance) {
  EXPECT_TRUE(CpxIsZero(Offset(-std::nextafter(CpxNearZero, 0.0L))));
  EXPECT_FALSE(CpxIsZero(Offset(CpxNearZero)));
  EXPECT_FALSE(CpxIsZero(Offset(-1e-15L)));
  EXPECT_FALSE(CpxIsZero(Offset(kNaN)));
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

TEST_F(ComplexTest, DefaultToleranceAndDocumentedZeros) {
  EXPECT_EQ(CpxNearZero, 1e-15L);
  EXPECT_TRUE(CpxIsZero(Cpx(1e-16L, -1e-16L)));
  EXPECT_FALSE(CpxIsZero(Cpx(1e-15L, 0)));
  EXPECT_TRUE(CpxIsZero(COMPLEX_0));
}

TEST_F(ComplexTest, PolarFormOfTheAxesAndZero) {
  const TComplexPolar I = ConvertRectToPolar(Cpx(0, 2));
  EXPECT_EQ(I.r, 2.0L);
  EXPECT_EQ(I.phi, kPi / 2);
  EXPECT_EQ(ConvertRectToPolar(Cpx(-1, 0)).phi, kPi);
  EXPECT_EQ(ConvertRectToPolar(Cpx(-1, -0.0L)).phi, -kPi);
  EXPECT_EQ(ConvertRectToPolar(Cpx(1, -1)).phi, -kPi / 4);
  const TComplexPolar Zero = ConvertRectToPolar(COMPLEX_0);
  EXPECT_EQ(Zero.r, 0.0L);
  EXPECT_EQ(Zero.phi, 0.0L);
  EXPECT_EQ(ConvertPolarToRect({3, 0}), Cpx(3, 0));
}

TEST_F(ComplexTest, PolarRoundTripsInBothDirections) {
  // sqrt, atan2, sin and cos each add at most a few rounding errors of the extended format.
  const long double kRoundTripTol = 16 * kEps;
  for (long double Re : {-1e300L, -2.5L, -1e-300L, 0.0L, 1e-30L, 0.75L, 6e40L}) {
    for (long double Im : {-3e20L, -1.0L, 0.0L, 1e-10L, 4.0L}) {
      const TComplex z = Cpx(Re, Im);
      const TComplex Back = ConvertPolarToRect(ConvertRectToPolar(z));
      EXPECT_LE(CpxAbs(CpxSub(Back, z)), kRoundTripTol * CpxAbs(z))
          << static_cast<double>(Re) << " " << static_cast<double>(Im);
    }
  }
  for (long double Phi : {-3.1L, -kPi / 2, -0.5L, 0.0L, 1.0L, 2.5L, 3.1L}) {
    const TComplexPolar p = ConvertRectToPolar(ConvertPolarToRect({7, Phi}));
    EXPECT_LE(std::fabs(p.r - 7), 7 * kRoundTripTol);
    EXPECT_LE(std::fabs(p.phi - Phi), kPi * kRoundTripTol) << static_cast<double>(Phi);
  }
}

}  // namespace
}  // namespace qor
