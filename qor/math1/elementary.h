// Elementary functions with checked arguments: logarithms to bases 10 and 2, the hyperbolic
// and circular quotients, sign, real remainder and the integer neighbours of a real.
//
// Each function evaluates its defining formula as written: lg and ld are ln x / ln 10 and
// ln x / ln 2, formed in 80-bit extended arithmetic and rounded once to double (so lg 1000 is
// exactly 3 and ld 1024 exactly 10); the others work in double: sinh and cosh are (e - 1/e)/2 and
// (e + 1/e)/2 with e = exp x; tgh is 1 - 2/(exp(2x) + 1), which saturates cleanly at +-1 instead of
// forming inf/inf; tg and cot are sin/cos and cos/sin. Bad input raises EQORMath1Error: x <= 0 (or
// NaN) in lg and ld "logarithm: invalid argument", a zero denominator "tangens overflow" or
// "cotangens overflow". IntPos and IntNeg saturate at the ends of the 32-bit range and give the
// lower end for NaN; modr(x, 0) is NaN. Signum counts zero (of either sign) as positive and
// NaN as negative.
#pragma once

#include <cstdint>

namespace qor {

double lg(double x);
double ld(double x);

double sinh(double x);
double cosh(double x);
double tgh(double x);
double tg(double x);
double cot(double x);

// 1 for x >= 0, -1 otherwise.
double Signum(double x);

// frac(x / y) * y: the remainder of x / y with the sign of x.
double modr(double x, double y);

// Smallest integer >= x and largest integer <= x.
int32_t IntPos(double x);
int32_t IntNeg(double x);

}  // namespace qor
