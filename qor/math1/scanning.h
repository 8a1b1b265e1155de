// Reading numbers, angles and dates from text, and checking whether a text is a number.
//
// The Scan routines read one item at Position, a 0-based byte offset into Text: leading blanks
// (space, tab) are skipped, the longest item of the syntax below is read, and Position moves
// just past it. When nothing valid is there (Position outside 0..size, no digit, a value out
// of range) the result is 0 and Position is left unchanged, so "Position moved" is the success
// test; nothing raises. Syntax:
//   ScanHex / ScanOctal / ScanBin: digits of the radix (hexadecimal in either case, no prefix)
//     whose value fits 32 bits unsigned; the result is that bit pattern (FFFFFFFF gives -1),
//     the inverse of Hex, Octal and Bin. Leading zeros are free; a longer value is rejected.
//   ScanDecimal: an optional sign directly before decimal digits, within the 32-bit range.
//   ScanFPNum: [sign] digits [. [digits]] or [sign] . digits, then "E" or "e", an optional
//     sign and digits when AllowExponent, or the platform's "+Inf", "-Inf", "Nan" (any case).
//     Values beyond the double range are rejected, values below it read as zero. With
//     FieldWidth > 0 only the FieldWidth characters from Position are looked at (fixed
//     columns); otherwise the rest of the text.
//   ScanDegrees: what DegreeToStr writes: a number with an optional sign, then optionally the
//     degree sign (UTF-8 U+00B0), then optionally minutes with an apostrophe, then optionally
//     seconds with a double quote, blanks allowed between the parts. Degrees carrying minutes
//     and minutes carrying seconds must be whole numbers; minutes and seconds lie in 0..60. The
//     sign applies to the whole angle ("-0° 30'" is -0.5). Format receives the TDegreeFormat
//     ordinal of what was read (dfDecimal, dfDegMin, dfDegMinSec, or dfNumber for a number
//     without degree sign, accepted only when RequireDegreeSign is false), -1 on failure.
//   ScanDateTime: the fields of Pattern in order: "yyyy" (1-4 digit year), "yy" (2 digits,
//     00-49 are 2000-2049, 50-99 are 1950-1999), "m"/"mm" (1-2 digit month), "mmm"/"mmmm"
//     (month name, abbreviated or full, in Language, any ASCII case), "d"/"dd", "h"/"hh"
//     (0-23), "n"/"nn" (minutes), "s"/"ss" (seconds), "z"/"zzz" (1-3 digit milliseconds); a
//     blank in Pattern matches one or more blanks, any other character itself. The result is
//     the serial date: days since 1899-12-30 plus the fraction of the day, counted linearly
//     (so 1899-12-29 18:00 is -0.25); missing date fields default to 1899-12-30, missing time
//     fields to 0. Impossible dates (2023-02-29) and times (24:00) are rejected.
// The IsValid routines accept a text when, with surrounding blanks ignored, the matching Scan
// reads all of it. IsValidDouble takes finite decimal numbers with the separator DecPSep
// allows (and an exponent only when AllowExponent); IsValidFPNum also takes exponents and
// "Inf"/"Nan". StrToIntDefault (number_text.h) follows IsValidDecInt.
#pragma once

#include <cstdint>
#include <string_view>

#include "qor/frame/enums.h"

namespace qor {

int32_t ScanHex(std::string_view Text, int32_t& Position);
int32_t ScanOctal(std::string_view Text, int32_t& Position);
int32_t ScanBin(std::string_view Text, int32_t& Position);
int32_t ScanDecimal(std::string_view Text, int32_t& Position);

double ScanFPNum(std::string_view Text, bool AllowExponent, int32_t FieldWidth, int32_t& Position);
double ScanDegrees(std::string_view Text, int32_t& Position, bool RequireDegreeSign,
                   int32_t& Format);
double ScanDateTime(std::string_view Text, std::string_view Pattern, TLanguage Language,
                    int32_t& Position);

bool IsValidDouble(std::string_view Text, bool AllowExponent, TDecPSep DecPSep);
bool IsValidFPNum(std::string_view Text, TDecPSep DecPSep);
bool IsValidHex(std::string_view Text);
bool IsValidOct(std::string_view Text);
bool IsValidBin(std::string_view Text);
bool IsValidDecInt(std::string_view Text);

}  // namespace qor
