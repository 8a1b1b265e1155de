// The platform's conversion of a floating value to text with a field width and a decimal
// count, on which strff and every text writer of the library rest.
//
// Decimals >= 0: fixed-point text with that many decimals, right-aligned with blanks in Width
// characters (wider when the number needs more). Decimals < 0: exponential text of exactly
// max(Width, 10) characters: a sign position (blank or "-"), one digit, a point, Width - 9
// further digits, "E", the exponent's sign and four exponent digits, e.g. 1234 with width 12
// gives " 1.234E+0003". Digits are correctly rounded from the 80-bit value; an exact tie rounds
// away from zero (2.5 with no decimals gives "3"). Infinities and NaN are written "+Inf",
// "-Inf" and "Nan", right-aligned in Width. Negative zero is written as zero.
#pragma once

#include <cstdint>
#include <string>

namespace qor {

std::string StrFloat(long double x, int32_t Width, int32_t Decimals);

// Fixed-point text right-aligned in Width characters (exponential when Decimals < 0).
std::string strff(long double x, int32_t Width, int32_t Decimals);

}  // namespace qor
