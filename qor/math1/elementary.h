// Elementary functions with checked arguments.
//
// lg and ld are ln x / ln 10 and ln x / ln 2 exactly as written (one division of two rounded
// logarithms, which can differ in the last bit from std::log10 and std::log2); an argument
// x <= 0 (or NaN) raises EQORMath1Error "logarithm: invalid argument".
#pragma once

namespace qor {

double lg(double x);
double ld(double x);

}  // namespace qor
