// ScanDateTime over arbitrary text and patterns (the pattern is the text before the first '|',
// or one of a few common ones when there is none): a successful read is a real date from year
// 1 to 9999, missing fields keep their defaults, and the date written back with all fields
// reads as the same serial value; so does every date made of the input's bytes. Text read
// with the full numeric pattern holds the fields of the date it was read as.
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

#include "qor/math1/scanning.h"
#include "scan_input.h"

namespace {

using namespace qor;

constexpr int64_t kMillisecondsPerDay = 86'400'000;
constexpr std::string_view kFullPattern = "yyyy-mm-dd hh:nn:ss.zzz";
constexpr std::string_view kCommonPatterns[] = {kFullPattern, "dd.mm.yy", "d mmm yyyy",
                                                "mmmm d, yyyy h:n"};
// Serial days of 0001-01-01 and 10000-01-01 (days since 1899-12-30).
constexpr int64_t kFirstDay = -693593;
constexpr int64_t kEndDay = 2958466;

struct TStamp {
  int64_t Year, Month, Day, Milliseconds;
};

// The date of day Days since 1899-12-30 (Hinnant's civil_from_days, counted from 1970-01-01).
TStamp StampOf(int64_t Days, int64_t Milliseconds) {
  constexpr int64_t kDaysFrom1970To1899 = -25569;
  const int64_t z = Days + kDaysFrom1970To1899 + 719468;
  const int64_t Era = (z >= 0 ? z : z - 146096) / 146097;
  const int64_t DayOfEra = z - Era * 146097;
  const int64_t YearOfEra =
      (DayOfEra - DayOfEra / 1460 + DayOfEra / 36524 - DayOfEra / 146096) / 365;
  const int64_t DayOfYear = DayOfEra - (365 * YearOfEra + YearOfEra / 4 - YearOfEra / 100);
  const int64_t MonthIndex = (5 * DayOfYear + 2) / 153;
  const int64_t Day = DayOfYear - (153 * MonthIndex + 2) / 5 + 1;
  const int64_t Month = MonthIndex < 10 ? MonthIndex + 3 : MonthIndex - 9;
  return {Era * 400 + YearOfEra + (Month <= 2 ? 1 : 0), Month, Day, Milliseconds};
}

std::string FullText(const TStamp& Stamp) {
  char Buffer[64];
  std::snprintf(Buffer, sizeof Buffer, "%04lld-%02lld-%02lld %02lld:%02lld:%02lld.%03lld",
                static_cast<long long>(Stamp.Year), static_cast<long long>(Stamp.Month),
                static_cast<long long>(Stamp.Day),
                static_cast<long long>(Stamp.Milliseconds / 3600000),
                static_cast<long long>(Stamp.Milliseconds / 60000 % 60),
                static_cast<long long>(Stamp.Milliseconds / 1000 % 60),
                static_cast<long long>(Stamp.Milliseconds % 1000));
  return Buffer;
}

// Text read with the full pattern holds the fields of the date it was read as: an impossible
// date (February 30) must not roll over into a possible one.
void CheckFields(std::string_view Read, const TStamp& Stamp) {
  long long y, m, d, h, n, s, z;
  const std::string Item(Read);
  fuzz::Check(std::sscanf(Item.c_str(), "%lld-%lld-%lld %lld:%lld:%lld.%lld", &y, &m, &d, &h, &n,
                          &s, &z) == 7);
  fuzz::Check(y == Stamp.Year && m == Stamp.Month && d == Stamp.Day &&
              ((h * 60 + n) * 60 + s) * 1000 + z == Stamp.Milliseconds);
}

void CheckReadsBack(const TStamp& Stamp, double Serial, TLanguage Language) {
  const std::string Text = FullText(Stamp);
  int32_t Position = 0;
  const double Back = ScanDateTime(Text, kFullPattern, Language, Position);
  fuzz::Check(static_cast<size_t>(Position) == Text.size() && Back == Serial);
}

bool PatternHasAny(std::string_view Pattern, std::string_view Letters) {
  for (const char c : Pattern)
    if (Letters.find(static_cast<char>(c | 0x20)) != std::string_view::npos) return true;
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  const fuzz::TScanInput Input = fuzz::SplitScanInput(Data, Size);
  const auto Language = static_cast<TLanguage>(Input.Flags % 3);
  std::string_view Text = Input.Text;
  std::string_view Pattern = kCommonPatterns[(Input.Flags >> 2) % std::size(kCommonPatterns)];
  if (const size_t Bar = Text.find('|'); Bar != std::string_view::npos) {
    Pattern = Text.substr(0, Bar);
    Text.remove_prefix(Bar + 1);
  }
  const int32_t Start = static_cast<int32_t>(Input.Start % (Text.size() + 3)) - 1;

  int32_t Position = Start;
  const double Serial = ScanDateTime(Text, Pattern, Language, Position);
  if (fuzz::ScanMoved(Serial, Start, Position, Text)) {
    const double Days = std::floor(Serial);
    fuzz::Check(Days >= kFirstDay && Days < kEndDay);
    const auto Milliseconds = std::llround((Serial - Days) * kMillisecondsPerDay);
    fuzz::Check(Milliseconds < kMillisecondsPerDay);
    if (!PatternHasAny(Pattern, "ymd")) fuzz::Check(Days == 0);
    if (!PatternHasAny(Pattern, "hnsz")) fuzz::Check(Milliseconds == 0);
    const TStamp Stamp = StampOf(static_cast<int64_t>(Days), Milliseconds);
    if (Pattern == kFullPattern)
      CheckFields(Text.substr(static_cast<size_t>(Start), static_cast<size_t>(Position - Start)),
                  Stamp);
    CheckReadsBack(Stamp, Serial, Language);
  }
  if (Text.size() >= 2 * sizeof(uint32_t)) {
    uint32_t Raw[2];
    std::memcpy(Raw, Text.data(), sizeof Raw);
    const int64_t Days = kFirstDay + Raw[0] % (kEndDay - kFirstDay);
    const int64_t Milliseconds = Raw[1] % kMillisecondsPerDay;
    const double Expected =
        static_cast<double>(Days) + static_cast<double>(Milliseconds) / kMillisecondsPerDay;
    CheckReadsBack(StampOf(Days, Milliseconds), Expected, Language);
  }
  return 0;
}
