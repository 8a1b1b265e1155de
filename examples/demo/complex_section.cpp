// Extended-precision complex arithmetic, the polar form and the guarded division.
#include <string>

#include "qor/qormath.h"
#include "sections.h"

namespace demo {
namespace {

std::string Text(const qor::TComplex& z) {
  return "(" + qor::strff(z.re, 1, 18) + ", " + qor::strff(z.im, 1, 18) + ")";
}

}  // namespace

void ComplexSection(std::ostream& Out) {
  Out << "\n-- Complex numbers (80-bit extended) --\n";
  const qor::TComplex a = qor::Cpx(1, 2);
  const qor::TComplex b = qor::Cpx(3, -4);
  Out << "  a = " << Text(a) << ", b = " << Text(b) << "\n"
      << "  a * b   = " << Text(a * b) << "\n"
      << "  a / b   = " << Text(a / b) << "\n"
      << "  |b|     = " << qor::strff(qor::CpxAbs(b), 1, 18) << "\n";
  const qor::TComplexPolar p = qor::ConvertRectToPolar(a);
  Out << "  a polar = r " << qor::strff(p.r, 1, 18) << ", phi " << qor::strff(p.phi, 1, 18)
      << "\n  back    = " << Text(qor::ConvertPolarToRect(p)) << "\n"
      << "  a / b * b near a: " << (qor::CpxIsNearEqual(a / b * b, a) ? "yes" : "no")
      << ", exactly a: " << (qor::CpxIsEqual(a / b * b, a) ? "yes" : "no") << "\n";
  try {
    qor::CpxDiv(a, qor::COMPLEX_0);
  } catch (const qor::EQORComplexError& E) {
    Out << "  a / 0   raises: " << E.what() << "\n";
  }
}

}  // namespace demo
