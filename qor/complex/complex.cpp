#include "qor/complex/complex.h"

#include <cmath>

#include "qor/frame/errors.h"

namespace qor {
namespace {

[[noreturn]] void RaiseDivisionByZero() {
  RaiseRoutineError<EQORComplexError>("CpxDiv", "division by zero");
}

// The arithmetic does not trap, so the faults a trapping unit would report (zero divide,
// overflow, invalid operation) are recognised by their results: a zero divisor or a non-finite
// intermediate.
long double CheckedDivisionStep(long double Value) {
  if (!std::isfinite(Value)) RaiseDivisionByZero();
  return Value;
}

bool PartIsNearZero(long double Part) { return Part == 0 || std::fabs(Part) < CpxNearZero; }

}  // namespace

long double CpxAbs(const TComplex& z) { return std::sqrt(CpxAbsSqr(z)); }

TComplex CpxDiv(const TComplex& a, const TComplex& b) {
  const long double d = CheckedDivisionStep(CpxAbsSqr(b));
  if (d == 0) RaiseDivisionByZero();
  // A product that overflows leaves its sum infinite or NaN, so checking the two numerators
  // covers every product as well.
  const long double NumRe = CheckedDivisionStep(a.re * b.re + a.im * b.im);
  const long double NumIm = CheckedDivisionStep(a.im * b.re - a.re * b.im);
  return {CheckedDivisionStep(NumRe / d), CheckedDivisionStep(NumIm / d)};
}

bool CpxIsNearEqual(const TComplex& a, const TComplex& b) {
  return std::fabs(a.re - b.re) < CpxNearZero && std::fabs(a.im - b.im) < CpxNearZero;
}

bool CpxIsZero(const TComplex& z) { return PartIsNearZero(z.re) && PartIsNearZero(z.im); }

TComplexPolar ConvertRectToPolar(const TComplex& z) { return {CpxAbs(z), std::atan2(z.im, z.re)}; }

TComplex ConvertPolarToRect(const TComplexPolar& p) {
  return {p.r * std::cos(p.phi), p.r * std::sin(p.phi)};
}

}  // namespace qor
