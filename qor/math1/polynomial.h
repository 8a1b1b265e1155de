// Evaluation of a polynomial from its coefficient array, plain or about a centre.
//
// Polynomial(Coeffs, Order, x) is sum_{k=0..Order} Coeffs[k] * x^k (Coeffs 0-based, lowest
// degree first), accumulated from k = 0 upwards with a running power of x, so each term carries
// one rounding of its power; CenteredPolynomial is the same polynomial in (x - Center). An Order
// outside 0..Coeffs.size() - 1 (any Order for an empty array) raises EQORMath1Error
// "Polynomial: invalid order of polynomial" from both.
#pragma once

#include <cstdint>
#include <span>

namespace qor {

double Polynomial(std::span<const double> Coeffs, int32_t Order, double x);
double CenteredPolynomial(std::span<const double> Coeffs, int32_t Order, double x, double Center);

}  // namespace qor
