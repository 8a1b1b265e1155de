#include "qor/frame/float_text.h"

#include <algorithm>
#include <cfenv>
#include <cmath>
#include <cstdio>
#include <string_view>

namespace qor {
namespace {

constexpr int32_t kMinExponentialWidth = 10;
// Beyond this many decimals the digits of an 80-bit value are exact binary expansion only.
constexpr int32_t kMaxDecimals = 4000;

// Restores the caller's rounding mode on every path out of a formatting call.
class TRoundingScope {
 public:
  explicit TRoundingScope(int Mode) : FSaved(std::fegetround()) { std::fesetround(Mode); }
  ~TRoundingScope() { std::fesetround(FSaved); }
  TRoundingScope(const TRoundingScope&) = delete;
  TRoundingScope& operator=(const TRoundingScope&) = delete;

 private:
  int FSaved;
};

std::string Print(char Conversion, long double x, int32_t Precision, int RoundingMode) {
  const TRoundingScope Scope(RoundingMode);
  const char Format[] = {'%', '.', '*', 'L', Conversion, '\0'};
  const int Length = std::snprintf(nullptr, 0, Format, Precision, x);
  std::string Text(static_cast<size_t>(Length), '\0');
  std::snprintf(Text.data(), Text.size() + 1, Format, Precision, x);
  return Text;
}

// printf rounds exact ties to even; the platform rounds them away from zero. A value is an
// exact tie at Precision digits when one more digit represents it exactly (rounding towards
// zero and away from zero agree there) and that digit is a 5.
std::string PrintHalfAway(char Conversion, long double x, int32_t Precision) {
  const std::string Nearest = Print(Conversion, x, Precision + 1, FE_TONEAREST);
  const size_t DigitsEnd = Conversion == 'e' ? Nearest.find('e') : Nearest.size();
  const char LastDigit = Nearest[DigitsEnd - 1];
  const int Away = x < 0 ? FE_DOWNWARD : FE_UPWARD;
  if (LastDigit == '5' && Print(Conversion, x, Precision + 1, FE_TOWARDZERO) ==
                              Print(Conversion, x, Precision + 1, Away))
    return Print(Conversion, x, Precision, Away);
  return Print(Conversion, x, Precision, FE_TONEAREST);
}

std::string PadLeft(std::string Text, int32_t Width) {
  if (static_cast<int32_t>(Text.size()) < Width)
    Text.insert(0, static_cast<size_t>(Width) - Text.size(), ' ');
  return Text;
}

std::string NonFinite(long double x, int32_t Width) {
  if (std::isnan(x)) return PadLeft("Nan", Width);
  return PadLeft(x < 0 ? "-Inf" : "+Inf", Width);
}

std::string Exponential(long double x, int32_t Width) {
  if (Width < kMinExponentialWidth) Width = kMinExponentialWidth;
  const int32_t Digits = std::min(Width - 9, kMaxDecimals);
  const std::string Printed = PrintHalfAway('e', x, Digits);  // "-d.ddde+XX"
  const size_t E = Printed.find('e');
  std::string Result = x < 0 ? "-" : " ";
  Result.append(Printed, x < 0 ? 1 : 0, E - (x < 0 ? 1 : 0));
  Result.append(static_cast<size_t>(Width - 9 - Digits), '0');
  Result += 'E';
  Result += Printed[E + 1];
  const std::string_view ExponentDigits = std::string_view(Printed).substr(E + 2);
  if (ExponentDigits.size() < 4) Result.append(4 - ExponentDigits.size(), '0');
  Result.append(ExponentDigits);
  return Result;
}

}  // namespace

std::string StrFloat(long double x, int32_t Width, int32_t Decimals) {
  if (!std::isfinite(x)) return NonFinite(x, Width);
  if (x == 0) x = 0;  // no "-0"
  if (Decimals < 0) return Exponential(x, Width);
  return PadLeft(PrintHalfAway('f', x, std::min(Decimals, kMaxDecimals)), Width);
}

std::string strff(long double x, int32_t Width, int32_t Decimals) {
  return StrFloat(x, Width, Decimals);
}

}  // namespace qor
