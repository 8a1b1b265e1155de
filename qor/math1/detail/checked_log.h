// The natural logarithm behind lg and ld, at the precision of its argument, refusing the
// arguments outside its domain with the unit's logarithm message.
#pragma once

#include <cmath>

#include "qor/frame/errors.h"

namespace qor::detail {

template <class Real>
Real CheckedLn(Real x) {
  if (!(x > 0)) throw EQORMath1Error("logarithm: invalid argument");
  return std::log(x);
}

}  // namespace qor::detail
