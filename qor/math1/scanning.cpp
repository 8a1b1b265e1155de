#include "qor/math1/scanning.h"

#include <cmath>
#include <limits>
#include <optional>

#include "qor/math1/degrees.h"
#include "qor/math1/detail/text_scan.h"

namespace qor {
namespace {

using detail::ReadDigits;
using detail::SkipBlanks;

constexpr uint64_t kPatternLimit = std::numeric_limits<uint32_t>::max();
constexpr std::string_view kDegreeSign = "\xC2\xB0";
constexpr double kMinutesPerDegree = 60;

// The common frame of every Scan routine: a valid start, blanks skipped, and Position moved
// only when Read (returning the value and the end) succeeds.
template <class T, class Reader>
T ScanAt(std::string_view Text, int32_t& Position, Reader&& Read) {
  if (!detail::IsValidPosition(Text, Position)) return T{};
  const std::optional<std::pair<T, size_t>> Item =
      Read(SkipBlanks(Text, static_cast<size_t>(Position)));
  if (!Item) return T{};
  Position = static_cast<int32_t>(Item->second);
  return Item->first;
}

int32_t ScanRadix(std::string_view Text, int32_t& Position, unsigned Radix) {
  return ScanAt<int32_t>(
      Text, Position, [&](size_t Start) -> std::optional<std::pair<int32_t, size_t>> {
        const detail::TDigitRun Run = ReadDigits(Text, Start, Radix, kPatternLimit);
        if (Run.End == Start || Run.Overflow) return std::nullopt;
        return std::pair{static_cast<int32_t>(static_cast<uint32_t>(Run.Value)), Run.End};
      });
}

// Whole text, blanks around it allowed, read by Scan.
template <class Scan>
bool ReadsWholeText(std::string_view Text, Scan&& ScanItem) {
  int32_t Position = 0;
  ScanItem(Text, Position);
  return Position > 0 && detail::OnlyBlanksFrom(Text, static_cast<size_t>(Position));
}

bool IsWholeNumber(std::string_view Text, const detail::TFloatSyntax& Syntax) {
  const auto Number = detail::ReadFloat(Text, SkipBlanks(Text, 0), Syntax);
  return Number && detail::OnlyBlanksFrom(Text, Number->End);
}

std::optional<detail::TScannedFloat> ReadUnsignedDecimal(std::string_view Text, size_t Pos) {
  return detail::ReadFloat(Text, Pos, {.AllowSign = false, .AllowExponent = false});
}

bool IsWhole(double x) { return x == std::trunc(x); }
bool IsSexagesimal(double x) { return x >= 0 && x <= kMinutesPerDegree; }

struct TAngle {
  double Value;
  size_t End;
  TDegreeFormat Format;
};

// Minutes after the degree sign and seconds after the minutes, each taken only when its mark
// follows; a part that is present but malformed fails the whole angle.
std::optional<TAngle> ReadAngle(std::string_view Text, size_t Start, bool RequireDegreeSign) {
  size_t i = Start;
  const bool Negative = i < Text.size() && Text[i] == '-';
  if (i < Text.size() && (Text[i] == '+' || Text[i] == '-')) ++i;
  const auto Degrees = ReadUnsignedDecimal(Text, i);
  if (!Degrees) return std::nullopt;
  const double Sign = Negative ? -1 : 1;
  TAngle Angle{Sign * Degrees->Value, Degrees->End, dfNumber};
  i = SkipBlanks(Text, Degrees->End);
  if (Text.substr(i, kDegreeSign.size()) != kDegreeSign)
    return RequireDegreeSign ? std::nullopt : std::optional(Angle);
  Angle = {Angle.Value, i + kDegreeSign.size(), dfDecimal};

  const auto ReadPart = [&](size_t From, char Mark) -> std::optional<detail::TScannedFloat> {
    const auto Part = ReadUnsignedDecimal(Text, SkipBlanks(Text, From));
    if (!Part) return std::nullopt;
    const size_t MarkAt = SkipBlanks(Text, Part->End);
    if (MarkAt == Text.size() || Text[MarkAt] != Mark) return std::nullopt;
    return detail::TScannedFloat{Part->Value, MarkAt + 1};
  };
  const auto Minutes = ReadPart(Angle.End, '\'');
  if (!Minutes) return Angle;
  if (!IsWhole(Degrees->Value) || !IsSexagesimal(Minutes->Value)) return std::nullopt;
  Angle = {Sign * (Degrees->Value + Minutes->Value / kMinutesPerDegree), Minutes->End, dfDegMin};
  const auto Seconds = ReadPart(Angle.End, '"');
  if (!Seconds) return Angle;
  if (!IsWhole(Minutes->Value) || !IsSexagesimal(Seconds->Value)) return std::nullopt;
  const double Total = Degrees->Value + Minutes->Value / kMinutesPerDegree +
                       Seconds->Value / (kMinutesPerDegree * kMinutesPerDegree);
  return TAngle{Sign * Total, Seconds->End, dfDegMinSec};
}

}  // namespace

int32_t ScanHex(std::string_view Text, int32_t& Position) { return ScanRadix(Text, Position, 16); }
int32_t ScanOctal(std::string_view Text, int32_t& Position) { return ScanRadix(Text, Position, 8); }
int32_t ScanBin(std::string_view Text, int32_t& Position) { return ScanRadix(Text, Position, 2); }

int32_t ScanDecimal(std::string_view Text, int32_t& Position) {
  return ScanAt<int32_t>(
      Text, Position, [&](size_t Start) -> std::optional<std::pair<int32_t, size_t>> {
        const bool Negative = Start < Text.size() && Text[Start] == '-';
        const size_t First =
            Start + (Start < Text.size() && (Text[Start] == '+' || Text[Start] == '-') ? 1 : 0);
        const uint64_t Limit = Negative ? uint64_t{1} << 31 : (uint64_t{1} << 31) - 1;
        const detail::TDigitRun Run = ReadDigits(Text, First, 10, Limit);
        if (Run.End == First || Run.Overflow) return std::nullopt;
        const auto Magnitude = static_cast<int64_t>(Run.Value);
        return std::pair{static_cast<int32_t>(Negative ? -Magnitude : Magnitude), Run.End};
      });
}

double ScanFPNum(std::string_view Text, bool AllowExponent, int32_t FieldWidth, int32_t& Position) {
  std::string_view Field = Text;
  if (FieldWidth > 0 && detail::IsValidPosition(Text, Position))
    Field = Text.substr(0, static_cast<size_t>(Position) + static_cast<size_t>(FieldWidth));
  return ScanAt<double>(
      Field, Position, [&](size_t Start) -> std::optional<std::pair<double, size_t>> {
        const auto Number = detail::ReadFloat(
            Field, Start, {.AllowExponent = AllowExponent, .AllowNonFinite = true});
        if (!Number) return std::nullopt;
        return std::pair{Number->Value, Number->End};
      });
}

double ScanDegrees(std::string_view Text, int32_t& Position, bool RequireDegreeSign,
                   int32_t& Format) {
  Format = -1;
  return ScanAt<double>(Text, Position,
                        [&](size_t Start) -> std::optional<std::pair<double, size_t>> {
                          const auto Angle = ReadAngle(Text, Start, RequireDegreeSign);
                          if (!Angle) return std::nullopt;
                          Format = Angle->Format;
                          return std::pair{Angle->Value, Angle->End};
                        });
}

bool IsValidDouble(std::string_view Text, bool AllowExponent, TDecPSep DecPSep) {
  return IsWholeNumber(Text, {.AllowExponent = AllowExponent,
                              .AcceptPoint = DecPSep != dpsComma,
                              .AcceptComma = DecPSep != dpsPoint});
}

bool IsValidFPNum(std::string_view Text, TDecPSep DecPSep) {
  return IsWholeNumber(Text, {.AllowNonFinite = true,
                              .AcceptPoint = DecPSep != dpsComma,
                              .AcceptComma = DecPSep != dpsPoint});
}

bool IsValidHex(std::string_view Text) { return ReadsWholeText(Text, ScanHex); }
bool IsValidOct(std::string_view Text) { return ReadsWholeText(Text, ScanOctal); }
bool IsValidBin(std::string_view Text) { return ReadsWholeText(Text, ScanBin); }
bool IsValidDecInt(std::string_view Text) { return ReadsWholeText(Text, ScanDecimal); }

}  // namespace qor
