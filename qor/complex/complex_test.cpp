#include "qor/complex/complex.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <numbers>
#include <utility>

#include "qor/frame/errors.h"

namespace qor {
namespace {

constexpr long double kEps = LDBL_EPSILON;
constexpr long double kPi = std::numbers::pi_v<long double>;
constexpr long double kInf = std::numeric_limits<long double>::infinity();
constexpr long double kNaN = std::numeric_limits<long double>::quiet_NaN();

TEST(ComplexTest, ArithmeticMatchesHandComputedValues) {
  const TComplex a = Cpx(1, 2), b = Cpx(3, 4);
  EXPECT_EQ(CpxAdd(a, b), Cpx(4, 6));
  EXPECT_EQ(CpxSub(a, b), Cpx(-2, -2));
  EXPECT_EQ(a * b, Cpx(-5, 10));
  EXPECT_EQ(CpxDiv(Cpx(-5, 10), b), a);
  EXPECT_EQ(Cpx(1, 0) / Cpx(0, 1), Cpx(0, -1));
  EXPECT_EQ(CpxConj(a), Cpx(1, -2));
  EXPECT_EQ(-a + a, COMPLEX_0);
  EXPECT_EQ(CpxAbs(b), 5.0L);
  // Extended mantissa: 1 + 2^-63 is the successor of 1, and (1 + 2^-32)² = 1 + 2^-31 + 2^-64
  // rounds (to even) to 1 + 2^-31; both round differently in double.
  const long double Tiny = std::ldexp(1.0L, -63), Half = 1 + std::ldexp(1.0L, -32);
  EXPECT_EQ(CpxAdd(COMPLEX_1, Cpx(Tiny, -Tiny)), Cpx(1 + Tiny, -Tiny));
  EXPECT_EQ(CpxMult(Cpx(Half, 0), Cpx(Half, 0)).re, 1 + std::ldexp(1.0L, -31));
  // Division undoes multiplication: four roundings in the product, four in the quotient.
  for (const TComplex& x : {Cpx(-3.5L, 0.25L), Cpx(1e300L, -7e299L), Cpx(0, -1e-40L)})
    for (const TComplex& y : {Cpx(0.5L, -2), Cpx(-1e-200L, 3e-200L), Cpx(0, 1e600L)})
      EXPECT_LE(CpxAbs(CpxDiv(CpxMult(x, y), y) - x), 8 * kEps * CpxAbs(x));
}

TEST(ComplexTest, DivisionFaultsRaiseDivisionByZero) {
  // Zero divisors (also -0 and |b|² underflowing), |b|², a numerator or the quotient
  // overflowing, and non-finite operands.
  const TComplex Faults[][2] = {{Cpx(1, 2), COMPLEX_0},
                                {Cpx(1, 0), Cpx(-0.0L, -0.0L)},
                                {Cpx(1, 0), Cpx(1e-3000L, 0)},
                                {Cpx(1, 0), Cpx(0, 1e3000L)},
                                {Cpx(1e4000L, 0), Cpx(1e1000L, 0)},
                                {Cpx(LDBL_MAX / 2, 0), Cpx(0, 1e-10L)},
                                {Cpx(kInf, 0), Cpx(1, 1)},
                                {Cpx(1, 0), Cpx(kNaN, 1)}};
  for (const auto& [a, b] : Faults)
    EXPECT_THAT([&] { CpxDiv(a, b); }, ::testing::ThrowsMessage<EQORComplexError>(
                                           ::testing::StrEq("CpxDiv: division by zero")))
        << static_cast<double>(a.re) << " / " << static_cast<double>(b.re);
}

TEST(ComplexTest, ExactAndToleranceComparisons) {
  const long double Next = std::nextafter(1.0L, 2.0L);  // invisible to a double comparison
  EXPECT_FALSE(CpxIsEqual(Cpx(1, 0), Cpx(Next, 0)) || CpxIsEqual(Cpx(0, 1), Cpx(0, Next)));
  EXPECT_TRUE(CpxIsEqual(Cpx(0.0L, 0), Cpx(-0.0L, 0)));
  EXPECT_FALSE(CpxIsEqual(Cpx(kNaN, 0), Cpx(kNaN, 0)));
  ASSERT_EQ(CpxNearZero, 1e-15L);  // the default
  const long double JustBelow = std::nextafter(CpxNearZero, 0.0L);
  for (bool Imaginary : {false, true}) {  // the part that carries the difference
    SCOPED_TRACE(Imaginary ? "imaginary" : "real");
    const auto Offset = [&](long double d) { return Imaginary ? Cpx(0, d) : Cpx(d, 0); };
    CpxNearZero = 1e-15L;  // near means strictly below the tolerance
    EXPECT_TRUE(CpxIsNearEqual(COMPLEX_1, CpxAdd(COMPLEX_1, Offset(5e-16L))));
    EXPECT_TRUE(CpxIsNearEqual(COMPLEX_0, Offset(-JustBelow)) && CpxIsZero(Offset(-JustBelow)));
    for (long double Outside : {CpxNearZero, -CpxNearZero, kNaN})
      EXPECT_FALSE(CpxIsNearEqual(COMPLEX_0, Offset(Outside)) || CpxIsZero(Offset(Outside)));
    CpxNearZero = 1e-3L;  // an assigned tolerance holds for later calls
    EXPECT_TRUE(CpxIsZero(Offset(5e-4L)));
    EXPECT_TRUE(CpxIsNearEqual(COMPLEX_1, CpxAdd(COMPLEX_1, Offset(5e-4L))));
    CpxNearZero = 0;  // only exact zeros remain, and no equality at all
    EXPECT_TRUE(CpxIsZero(Offset(-0.0L)));
    EXPECT_FALSE(CpxIsZero(Offset(LDBL_TRUE_MIN)) || CpxIsNearEqual(COMPLEX_1, COMPLEX_1));
  }
  CpxNearZero = 1e-15L;
}

TEST(ComplexTest, PolarFormAndRoundTrips) {
  const auto Polar = [](const TComplex& z) {
    const TComplexPolar p = ConvertRectToPolar(z);
    return std::pair{p.r, p.phi};
  };
  EXPECT_EQ(Polar(Cpx(0, 2)), std::pair(2.0L, kPi / 2));
  EXPECT_EQ(Polar(Cpx(-1, 0)).second, kPi);
  EXPECT_EQ(Polar(Cpx(-1, -0.0L)).second, -kPi);
  EXPECT_EQ(Polar(Cpx(1, -1)).second, -kPi / 4);
  EXPECT_EQ(Polar(COMPLEX_0), std::pair(0.0L, 0.0L));
  // sqrt, atan2, sin and cos each add at most a few rounding errors of the extended format.
  const long double kRoundTripTol = 16 * kEps;
  for (long double Re : {-1e300L, -2.5L, -1e-300L, 0.0L, 0.75L, 6e40L})
    for (long double Im : {-3e20L, -1.0L, 0.0L, 1e-10L}) {
      const TComplex z = Cpx(Re, Im);
      EXPECT_LE(CpxAbs(ConvertPolarToRect(ConvertRectToPolar(z)) - z), kRoundTripTol * CpxAbs(z));
    }
  for (long double Phi : {-3.1L, -kPi / 2, 0.0L, 1.0L, 3.1L}) {
    const TComplexPolar p = ConvertRectToPolar(ConvertPolarToRect({7, Phi}));
    EXPECT_LE(std::fabs(p.r - 7), 7 * kRoundTripTol);
    EXPECT_LE(std::fabs(p.phi - Phi), kPi * kRoundTripTol) << static_cast<double>(Phi);
  }
}

}  // namespace
}  // namespace qor
