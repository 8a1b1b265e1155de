#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "qor/math1/detail/text_scan.h"
#include "qor/math1/scanning.h"

namespace qor {
namespace {

struct TMonthNames {
  std::array<std::string_view, 12> Full;
  std::array<std::string_view, 12> Short;
};

constexpr std::array<TMonthNames, 3> kMonthNames = {{
    {{"January", "February", "March", "April", "May", "June", "July", "August", "September",
      "October", "November", "December"},
     {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"}},
    {{"Januar", "Februar", "M\xC3\xA4rz", "April", "Mai", "Juni", "Juli", "August", "September",
      "Oktober", "November", "Dezember"},
     {"Jan", "Feb", "M\xC3\xA4r", "Apr", "Mai", "Jun", "Jul", "Aug", "Sep", "Okt", "Nov", "Dez"}},
    {{"janvier", "f\xC3\xA9vrier", "mars", "avril", "mai", "juin", "juillet", "ao\xC3\xBBt",
      "septembre", "octobre", "novembre", "d\xC3\xA9\x63\x65mbre"},
     {"janv", "f\xC3\xA9vr", "mars", "avr", "mai", "juin", "juil", "ao\xC3\xBBt", "sept", "oct",
      "nov", "d\xC3\xA9\x63"}},
}};

constexpr int64_t kMillisecondsPerDay = 86'400'000;
constexpr int32_t kCenturyPivot = 50;  // two-digit years below it are 20xx, the others 19xx

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool MatchesName(std::string_view Text, size_t Pos, std::string_view Name) {
  if (Text.size() - Pos < Name.size()) return false;
  for (size_t i = 0; i < Name.size(); ++i)
    if (Lower(Text[Pos + i]) != Lower(Name[i])) return false;
  return true;
}

struct TDateFields {
  int32_t Year = 1899;
  int32_t Month = 12;
  int32_t Day = 30;
  int32_t Hour = 0;
  int32_t Minute = 0;
  int32_t Second = 0;
  int32_t Millisecond = 0;
};

bool IsLeapYear(int32_t Year) { return (Year % 4 == 0 && Year % 100 != 0) || Year % 400 == 0; }

int32_t DaysInMonth(int32_t Year, int32_t Month) {
  constexpr std::array<int32_t, 12> kDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return Month == 2 && IsLeapYear(Year) ? 29 : kDays[static_cast<size_t>(Month - 1)];
}

bool IsPossible(const TDateFields& f) {
  return f.Year >= 1 && f.Year <= 9999 && f.Month >= 1 && f.Month <= 12 && f.Day >= 1 &&
         f.Day <= DaysInMonth(f.Year, f.Month) && f.Hour < 24 && f.Minute < 60 && f.Second < 60 &&
         f.Millisecond < 1000;
}

// Days since 1970-01-01 of a proleptic Gregorian date (Hinnant's days_from_civil).
int64_t DaysFromCivil(int64_t y, int64_t m, int64_t d) {
  y -= m <= 2 ? 1 : 0;
  const int64_t Era = (y >= 0 ? y : y - 399) / 400;
  const int64_t YearOfEra = y - Era * 400;
  const int64_t DayOfYear = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const int64_t DayOfEra = YearOfEra * 365 + YearOfEra / 4 - YearOfEra / 100 + DayOfYear;
  return Era * 146097 + DayOfEra - 719468;
}

double SerialDate(const TDateFields& f) {
  const int64_t Days = DaysFromCivil(f.Year, f.Month, f.Day) - DaysFromCivil(1899, 12, 30);
  const int64_t Milliseconds =
      ((int64_t{f.Hour} * 60 + f.Minute) * 60 + f.Second) * 1000 + f.Millisecond;
  return static_cast<double>(Days) +
         static_cast<double>(Milliseconds) / static_cast<double>(kMillisecondsPerDay);
}

class TDateReader {
 public:
  TDateReader(std::string_view Text, size_t Start, TLanguage Language)
      : FText(Text),
        FPos(Start),
        FNames(kMonthNames[Language < kMonthNames.size() ? Language : 0]) {}

  // Reads one pattern field of RunLength letters; false when the text does not match.
  bool ReadField(char Letter, size_t RunLength, TDateFields& f) {
    switch (Letter) {
      case 'y':
        if (RunLength >= 3) return ReadNumber(1, 4, f.Year);
        if (!ReadNumber(2, 2, f.Year)) return false;
        f.Year += f.Year < kCenturyPivot ? 2000 : 1900;
        return true;
      case 'm':
        if (RunLength <= 2) return ReadNumber(1, 2, f.Month);
        return ReadMonthName(RunLength == 3 ? FNames.Short : FNames.Full, f.Month);
      case 'd':
        return ReadNumber(1, 2, f.Day);
      case 'h':
        return ReadNumber(1, 2, f.Hour);
      case 'n':
        return ReadNumber(1, 2, f.Minute);
      case 's':
        return ReadNumber(1, 2, f.Second);
      case 'z':
        return ReadNumber(1, 3, f.Millisecond);
      default:
        return false;
    }
  }

  bool ReadLiteral(char c) {
    if (c == ' ') {
      const size_t After = detail::SkipBlanks(FText, FPos);
      if (After == FPos) return false;
      FPos = After;
      return true;
    }
    if (FPos == FText.size() || FText[FPos] != c) return false;
    ++FPos;
    return true;
  }

  size_t Position() const { return FPos; }

 private:
  bool ReadNumber(size_t MinDigits, size_t MaxDigits, int32_t& Field) {
    const detail::TDigitRun Run = detail::ReadDigits(FText, FPos, 10, UINT32_MAX, MaxDigits);
    if (Run.End - FPos < MinDigits) return false;
    Field = static_cast<int32_t>(Run.Value);
    FPos = Run.End;
    return true;
  }

  bool ReadMonthName(const std::array<std::string_view, 12>& Names, int32_t& Month) {
    for (size_t i = 0; i < Names.size(); ++i) {
      if (MatchesName(FText, FPos, Names[i])) {
        Month = static_cast<int32_t>(i + 1);
        FPos += Names[i].size();
        return true;
      }
    }
    return false;
  }

  std::string_view FText;
  size_t FPos;
  const TMonthNames& FNames;
};

bool IsFieldLetter(char c) { return std::string_view("ymdhnsz").find(c) != std::string_view::npos; }

}  // namespace

double ScanDateTime(std::string_view Text, std::string_view Pattern, TLanguage Language,
                    int32_t& Position) {
  if (Pattern.empty() || !detail::IsValidPosition(Text, Position)) return 0;
  TDateReader Reader(Text, detail::SkipBlanks(Text, static_cast<size_t>(Position)), Language);
  TDateFields Fields;
  for (size_t i = 0; i < Pattern.size();) {
    const char Letter = Lower(Pattern[i]);
    if (!IsFieldLetter(Letter)) {
      if (!Reader.ReadLiteral(Pattern[i])) return 0;
      ++i;
      continue;
    }
    size_t RunEnd = i;
    while (RunEnd < Pattern.size() && Lower(Pattern[RunEnd]) == Letter) ++RunEnd;
    if (!Reader.ReadField(Letter, RunEnd - i, Fields)) return 0;
    i = RunEnd;
  }
  if (!IsPossible(Fields)) return 0;
  Position = static_cast<int32_t>(Reader.Position());
  return SerialDate(Fields);
}

}  // namespace qor
