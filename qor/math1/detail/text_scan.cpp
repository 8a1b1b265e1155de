#include "qor/math1/detail/text_scan.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <string>
#include <system_error>

namespace qor::detail {
namespace {

int DigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
  if (c >= 'a' && c <= 'z') return c - 'a' + 10;
  return std::numeric_limits<int>::max();
}

bool IsAlphaNumeric(char c) { return DigitValue(c) != std::numeric_limits<int>::max(); }

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool StartsWithWord(std::string_view Text, size_t Pos, std::string_view Word) {
  if (Text.size() - Pos < Word.size()) return false;
  for (size_t i = 0; i < Word.size(); ++i)
    if (Lower(Text[Pos + i]) != Word[i]) return false;
  const size_t After = Pos + Word.size();
  return After == Text.size() || !IsAlphaNumeric(Text[After]);
}

// Beyond this the decimal exponent only decides between overflow and underflow.
constexpr int64_t kExponentSaturation = 1'000'000'000;

}  // namespace

size_t SkipBlanks(std::string_view Text, size_t Pos) {
  while (Pos < Text.size() && IsBlank(Text[Pos])) ++Pos;
  return Pos;
}

bool OnlyBlanksFrom(std::string_view Text, size_t Pos) {
  return SkipBlanks(Text, Pos) == Text.size();
}

bool IsValidPosition(std::string_view Text, int32_t Position) {
  return Position >= 0 && static_cast<size_t>(Position) <= Text.size();
}

TDigitRun ReadDigits(std::string_view Text, size_t Pos, unsigned Radix, uint64_t Limit,
                     size_t MaxDigits) {
  TDigitRun Run{Pos, 0, false};
  while (Run.End < Text.size() && Run.End - Pos < MaxDigits) {
    const int Digit = DigitValue(Text[Run.End]);
    if (Digit >= static_cast<int>(Radix)) break;
    if (!Run.Overflow) {
      Run.Value = Run.Value * Radix + static_cast<unsigned>(Digit);
      Run.Overflow = Run.Value > Limit;
    }
    ++Run.End;
  }
  return Run;
}

std::optional<TScannedFloat> ReadFloat(std::string_view Text, size_t Pos,
                                       const TFloatSyntax& Syntax) {
  size_t i = Pos;
  bool Negative = false;
  if (Syntax.AllowSign && i < Text.size() && (Text[i] == '+' || Text[i] == '-')) {
    Negative = Text[i] == '-';
    ++i;
  }
  if (Syntax.AllowNonFinite) {
    if (StartsWithWord(Text, i, "inf"))
      return TScannedFloat{Negative ? -std::numeric_limits<double>::infinity()
                                    : std::numeric_limits<double>::infinity(),
                           i + 3};
    if (StartsWithWord(Text, i, "nan"))
      return TScannedFloat{std::numeric_limits<double>::quiet_NaN(), i + 3};
  }
  std::string Buffer = Negative ? "-" : "";
  const size_t IntStart = i;
  while (i < Text.size() && IsDecimalDigit(Text[i])) ++i;
  const std::string_view IntDigits = Text.substr(IntStart, i - IntStart);
  Buffer += IntDigits;
  std::string_view FracDigits;
  if (i < Text.size() &&
      ((Text[i] == '.' && Syntax.AcceptPoint) || (Text[i] == ',' && Syntax.AcceptComma))) {
    size_t j = i + 1;
    while (j < Text.size() && IsDecimalDigit(Text[j])) ++j;
    FracDigits = Text.substr(i + 1, j - i - 1);
    const bool PointEndsNumber = Text[i] == '.' && !IntDigits.empty();
    if (!FracDigits.empty() || PointEndsNumber) {
      Buffer += '.';
      Buffer += FracDigits;
      i = j;
    }
  }
  if (IntDigits.empty() && FracDigits.empty()) return std::nullopt;

  int64_t Exponent = 0;
  if (Syntax.AllowExponent && i < Text.size() && (Text[i] == 'E' || Text[i] == 'e')) {
    size_t j = i + 1;
    const bool NegativeExponent = j < Text.size() && Text[j] == '-';
    if (j < Text.size() && (Text[j] == '+' || Text[j] == '-')) ++j;
    const TDigitRun Run = ReadDigits(Text, j, 10, kExponentSaturation);
    if (Run.End > j) {
      Exponent = Run.Overflow ? kExponentSaturation : static_cast<int64_t>(Run.Value);
      if (NegativeExponent) Exponent = -Exponent;
      Buffer += 'e';
      Buffer += std::to_string(Exponent);
      i = Run.End;
    }
  }

  double Value = 0;
  const auto [End, Error] = std::from_chars(Buffer.data(), Buffer.data() + Buffer.size(), Value);
  if (Error == std::errc::result_out_of_range) {
    // Decimal order of the leading significant digit decides overflow against underflow.
    const size_t IntSignificant =
        IntDigits.size() - std::min(IntDigits.find_first_not_of('0'), IntDigits.size());
    const int64_t Order = IntSignificant > 0
                              ? static_cast<int64_t>(IntSignificant) - 1 + Exponent
                              : Exponent - 1 -
                                    static_cast<int64_t>(std::min(FracDigits.find_first_not_of('0'),
                                                                  FracDigits.size()));
    if (Order >= 0) return std::nullopt;
    Value = Negative ? -0.0 : 0.0;
  } else if (Error != std::errc() || End != Buffer.data() + Buffer.size()) {
    return std::nullopt;
  }
  return TScannedFloat{Value, i};
}

}  // namespace qor::detail
