#include "qor/math1/polynomial.h"

#include "qor/frame/errors.h"

namespace qor {

double Polynomial(std::span<const double> Coeffs, int32_t Order, double x) {
  if (Order < 0 || static_cast<std::size_t>(Order) >= Coeffs.size())
    RaiseRoutineError<EQORMath1Error>("Polynomial", "invalid order of polynomial");
  double Sum = 0;
  double Power = 1;
  for (int32_t k = 0; k <= Order; ++k) {
    Sum += Coeffs[k] * Power;
    Power *= x;
  }
  return Sum;
}

double CenteredPolynomial(std::span<const double> Coeffs, int32_t Order, double x, double Center) {
  return Polynomial(Coeffs, Order, x - Center);
}

}  // namespace qor
