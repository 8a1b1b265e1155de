// Lexing helpers of the math1 text readers: blanks, bounded digit runs in a radix, and decimal
// floating-point numbers. Positions are 0-based byte offsets; nothing here raises or reads
// outside the text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace qor::detail {

inline bool IsBlank(char c) { return c == ' ' || c == '\t'; }
inline bool IsDecimalDigit(char c) { return c >= '0' && c <= '9'; }

size_t SkipBlanks(std::string_view Text, size_t Pos);
bool OnlyBlanksFrom(std::string_view Text, size_t Pos);

// A scanning position is usable when it lies in 0..size (at size nothing is left to read).
bool IsValidPosition(std::string_view Text, int32_t Position);

struct TDigitRun {
  size_t End = 0;         // one past the last digit read; the start when there was none
  uint64_t Value = 0;     // meaningful only without overflow
  bool Overflow = false;  // the run's value exceeds the limit (all its digits are still read)
};

// Reads up to MaxDigits digits of Radix (2, 8, 10 or 16; hexadecimal in either case).
TDigitRun ReadDigits(std::string_view Text, size_t Pos, unsigned Radix, uint64_t Limit,
                     size_t MaxDigits = SIZE_MAX);

struct TFloatSyntax {
  bool AllowSign = true;
  bool AllowExponent = true;
  bool AllowNonFinite = false;  // "Inf" and "Nan" in any case, after an optional sign
  bool AcceptPoint = true;
  bool AcceptComma = false;
};

struct TScannedFloat {
  double Value = 0;
  size_t End = 0;
};

// Reads [sign] digits [separator [digits]] | separator digits, then [E|e [sign] digits], at
// Pos without skipping blanks. A comma separator needs a digit after it (so "5, 6" is a list
// and not 5.0); a point may end the number ("5."). An exponent without digits is not read.
// Values beyond the double range give nothing; values below it give a signed zero.
std::optional<TScannedFloat> ReadFloat(std::string_view Text, size_t Pos,
                                       const TFloatSyntax& Syntax);

}  // namespace qor::detail
