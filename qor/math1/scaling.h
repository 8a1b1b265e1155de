// Rounding to the 1-2-5 series, tick spacing for axes, and rounding of angles to the steps a
// protractor scale uses.
//
// The 1-2-5 roundings write |x| = m * 10^k with 1 <= m < 10 (k from floor(lg |x|), lg snapped to
// the nearest integer when within 1e-14 of it) and replace m by 1, 2, 5 or 10: Round125 to the
// nearest in the series' own sense (m < 1.5 -> 1, < 3 -> 2, < 8 -> 5, else 10), RoundPos125
// towards +infinity and RoundNeg125 towards -infinity. The mantissa m is formed as |x| / 10^k
// with one rounding (not as 10^(lg|x| - k), whose logarithm round trip puts 2, 5 and 8 a few
// ulps off), so values on a series boundary are classed by their decimal value:
// RoundPos125(0.2) = 0.2 and Round125(8) = 10. The result m' * 10^k is the double nearest to it.
// 0 gives 0; infinities and NaN are returned unchanged.
//
// CalcScalePars works in 80-bit extended throughout. Its step is the largest of 1, 2 or
// 5 * 10^n below the raw step (B - A) / NumTicks, judged on the fractional part of the raw
// step's decimal logarithm with 1e-10 tolerances: a raw step of exactly 10^n keeps 10^n, while
// one of exactly 2 * 10^n or 5 * 10^n falls to the class below (20 gives 10, 50 gives 20).
// Distance carries the direction of the axis (negative when A > B), FirstTick is the first
// multiple of Distance at A or just past it in that direction, and NumMinor the number of minor
// intervals per step (4 for a step of 2 * 10^n, else 5). A = B gives FirstTick A, Distance 0,
// NumMinor 1. NumTicks = 0 gives Distance 1 with FirstTick the first integer from A - 0.001 upwards
// when A < B (int(A) - 1 when A > B), and NumMinor 5 for a span up to 10, else 1. With NumTicks !=
// 0 a negative NumTicks or a NaN bound raises EQORMath1Error "logarithm: invalid argument".
//
// RoundDegrees rounds an angle given in degrees, minutes and seconds to the series 1, 2, 3, 5,
// 10, 15, 20, 30, 60, 90, 180, 360 in its largest non-zero unit: degrees up to 360, minutes and
// seconds up to 60, where 60 carries into one unit of the next larger part. Any negative part
// gives 0 degrees 0 minutes 0 seconds; minutes and seconds above 59 count as 59.
#pragma once

#include <cstdint>

namespace qor {

double Round125(double x);
double RoundPos125(double x);
double RoundNeg125(double x);

void CalcScalePars(int32_t NumTicks, long double A, long double B, long double& FirstTick,
                   long double& Distance, uint16_t& NumMinor);

void RoundDegrees(int32_t& Deg, int32_t& Min, int32_t& Sec, bool RoundUp);

}  // namespace qor
