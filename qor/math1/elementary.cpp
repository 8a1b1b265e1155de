#include "qor/math1/elementary.h"

#include <cmath>
#include <limits>
#include <numbers>

#include "qor/math1/detail/checked_log.h"
#include "qor/math1/ranges.h"

namespace qor {
namespace {

int32_t SaturatedInt32(double Integral) {
  return static_cast<int32_t>(RoundLimit(Integral, std::numeric_limits<int32_t>::min(),
                                         std::numeric_limits<int32_t>::max()));
}

}  // namespace

// The quotient is formed in 80-bit arithmetic and rounded once, so exact powers of the base
// give exact results (ln 1000 / ln 10 in double would round to just below 3).
double lg(double x) {
  return static_cast<double>(detail::CheckedLn<long double>(x) / std::numbers::ln10_v<long double>);
}
double ld(double x) {
  return static_cast<double>(detail::CheckedLn<long double>(x) / std::numbers::ln2_v<long double>);
}

double sinh(double x) {
  const double e = std::exp(x);
  return (e - 1 / e) * 0.5;
}

double cosh(double x) {
  const double e = std::exp(x);
  return (e + 1 / e) * 0.5;
}

double tgh(double x) { return 1 - 2 / (std::exp(2 * x) + 1); }

double tg(double x) {
  const double Denominator = std::cos(x);
  if (Denominator == 0) throw EQORMath1Error("tangens overflow");
  return std::sin(x) / Denominator;
}

double cot(double x) {
  const double Denominator = std::sin(x);
  if (Denominator == 0) throw EQORMath1Error("cotangens overflow");
  return std::cos(x) / Denominator;
}

double Signum(double x) { return x >= 0 ? 1.0 : -1.0; }

double modr(double x, double y) {
  const double Quotient = x / y;
  return (Quotient - std::trunc(Quotient)) * y;
}

int32_t IntPos(double x) { return SaturatedInt32(std::ceil(x)); }
int32_t IntNeg(double x) { return SaturatedInt32(std::floor(x)); }

}  // namespace qor
