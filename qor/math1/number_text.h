// Numbers as text: fixed-width decimal and radix digits, IEEE bit patterns in hexadecimal and
// back, exponential and engineering notation, Roman numerals, and a forgiving integer reader.
//
// Decimal writes exactly max(NumDig, 1) decimal digits of |value| (leading zeros, or only the
// lowest digits when longer) after a "-" for negative values. Hex, Octal and Bin write exactly
// NumDig digits (clamped into 1..8, 1..11, 1..32) of the unsigned 32-bit pattern, so negative
// values show their two's complement. FPNumToHex writes the stored bytes of a double (16
// digits), an 80-bit extended (20) or a single (8), most significant byte first, in upper case;
// HexToDouble, HexToExtended and HexToSingle read such text back bit for bit (either case) and
// raise EQORError "HexToDouble: invalid hex string \"text\"" (with their own name) for a wrong
// length or a non-hexadecimal character. strf is the platform's conversion, with D = -2 giving
// exponential text of width W with a two-digit exponent, or W asterisks when two digits do not
// suffice. MakeEFormat writes a mantissa in [0.1, 1) with NumDig (2..15) digits and a two-digit
// exponent, blank-padded to Width (8..40); it keeps only the last two exponent digits read from
// the platform text, so it is exact for zero and magnitudes between about 1e-98 and 1e98.
// EEngStr writes x / 1000^k with the prefix letter of k (a f p n u m, none, k M G T; k clamped
// to -6..4) and |Precision| - 1 significant digits after the first (Precision clamped to -9..9;
// a negative Precision puts the prefix in place of the decimal point); rounding never carries
// into the next prefix (999.9 with Precision 2 gives "1000"). Non-finite values are written as
// the platform writes them ("+Inf", "-Inf", "Nan"; by strf and MakeEFormat right-aligned in
// their width). Roman writes 1..29999 (thousands as repeated "M") and gives "" otherwise.
// StrToIntDefault reads a whole text as IsValidDecInt accepts it and gives Default otherwise.
// Nothing here raises except the three hexadecimal readers.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace qor {

std::string Decimal(int32_t Value, uint8_t NumDig);
std::string Hex(int32_t Value, uint8_t NumDig);
std::string Octal(int32_t Value, uint8_t NumDig);
std::string Bin(int32_t Value, uint8_t NumDig);

std::string FPNumToHex(double x);
std::string FPNumToHex(long double x);
std::string FPNumToHex(float x);
double HexToDouble(std::string_view Text);
long double HexToExtended(std::string_view Text);
float HexToSingle(std::string_view Text);

std::string strf(double x, int32_t W, int32_t D);
std::string MakeEFormat(double x, int32_t Width, int32_t NumDig);
std::string EEngStr(double x, int32_t Precision);

std::string Roman(int32_t Value);
int32_t StrToIntDefault(std::string_view Text, int32_t Default);

}  // namespace qor
