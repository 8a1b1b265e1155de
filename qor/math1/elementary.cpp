#include "qor/math1/elementary.h"

#include <cmath>
#include <numbers>

#include "qor/frame/errors.h"

namespace qor {
namespace {

double CheckedLn(double x) {
  if (!(x > 0)) throw EQORMath1Error("logarithm: invalid argument");
  return std::log(x);
}

}  // namespace

double lg(double x) { return CheckedLn(x) / std::numbers::ln10; }
double ld(double x) { return CheckedLn(x) / std::numbers::ln2; }

}  // namespace qor
