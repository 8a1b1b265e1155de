// Complex numbers in 80-bit extended precision: the rectangular record TComplex, the polar
// record TComplexPolar and free routines for arithmetic, comparison and conversion.
//
// Every routine computes in long double (x87 extended, 64-bit mantissa) with the textbook
// formulas: |z| = sqrt(re² + im²) without rescaling, a / b = a·conj(b) / |b|², so magnitudes
// near the square root of the extended range overflow or underflow as those formulas do. Only
// CpxDiv checks anything: a divisor whose squared magnitude is zero (also when it underflows to
// zero) or any non-finite intermediate, NaN or infinite operands included, raises
// EQORComplexError "CpxDiv: division by zero". The other routines follow IEEE arithmetic.
// CpxIsNearEqual and CpxIsZero compare against the process-wide tolerance CpxNearZero
// (1e-15 from program start, assignable, not synchronised). Angles are radians; the polar angle
// is atan2(im, re), in (−π, π] except that a negative zero imaginary part on the negative real
// axis gives −π, so the sign of that zero survives a round trip. The operators are the same
// routines under their usual C++ spelling; == is the exact comparison of CpxIsEqual.
#pragma once

namespace qor {

struct TComplex {
  long double re = 0;
  long double im = 0;
};

struct TComplexPolar {
  long double r = 0;    // magnitude
  long double phi = 0;  // angle in radians
};

inline constexpr TComplex COMPLEX_0{0, 0};
inline constexpr TComplex COMPLEX_1{1, 0};

// Tolerance of CpxIsNearEqual and CpxIsZero. Constant-initialised, so it holds 1e-15 before any
// code of the program runs; an assignment holds for every later call.
inline long double CpxNearZero = 1e-15L;

constexpr TComplex Cpx(long double re, long double im) { return {re, im}; }

constexpr long double CpxAbsSqr(const TComplex& z) { return z.re * z.re + z.im * z.im; }
long double CpxAbs(const TComplex& z);

constexpr TComplex CpxAdd(const TComplex& a, const TComplex& b) {
  return {a.re + b.re, a.im + b.im};
}
constexpr TComplex CpxSub(const TComplex& a, const TComplex& b) {
  return {a.re - b.re, a.im - b.im};
}
constexpr TComplex CpxMult(const TComplex& a, const TComplex& b) {
  return {a.re * b.re - a.im * b.im, a.re * b.im + a.im * b.re};
}
TComplex CpxDiv(const TComplex& a, const TComplex& b);
constexpr TComplex CpxConj(const TComplex& z) { return {z.re, -z.im}; }
constexpr TComplex CpxNeg(const TComplex& z) { return {-z.re, -z.im}; }

constexpr bool CpxIsEqual(const TComplex& a, const TComplex& b) {
  return a.re == b.re && a.im == b.im;
}
// Both parts differ by strictly less than CpxNearZero.
bool CpxIsNearEqual(const TComplex& a, const TComplex& b);
// Each part is exactly zero or strictly smaller than CpxNearZero in magnitude.
bool CpxIsZero(const TComplex& z);

TComplexPolar ConvertRectToPolar(const TComplex& z);
TComplex ConvertPolarToRect(const TComplexPolar& p);

constexpr TComplex operator+(const TComplex& a, const TComplex& b) { return CpxAdd(a, b); }
constexpr TComplex operator-(const TComplex& a, const TComplex& b) { return CpxSub(a, b); }
constexpr TComplex operator*(const TComplex& a, const TComplex& b) { return CpxMult(a, b); }
inline TComplex operator/(const TComplex& a, const TComplex& b) { return CpxDiv(a, b); }
constexpr TComplex operator-(const TComplex& z) { return CpxNeg(z); }
constexpr bool operator==(const TComplex& a, const TComplex& b) { return CpxIsEqual(a, b); }

}  // namespace qor
