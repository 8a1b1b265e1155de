#include "qor/math1/scanning.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <span>
#include <string>

#include "qor/frame/float_text.h"
#include "qor/frame/random.h"
#include "qor/math1/degrees.h"
#include "qor/math1/number_text.h"

namespace qor {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr int32_t kMinInt = std::numeric_limits<int32_t>::min();

// {text, start, value, end}; an end equal to the start means rejected.
struct TScanRow {
  const char* Text;
  int32_t Start, Expected, End;
};

template <class Scan>
void ExpectScans(Scan ScanItem, std::span<const TScanRow> Rows) {
  for (const auto& [Text, Start, Expected, End] : Rows) {
    int32_t Position = Start;
    EXPECT_EQ(ScanItem(Text, Position), Expected) << Text;
    EXPECT_EQ(Position, End) << Text;
  }
}

TEST(IntegerScan, ReadsAndAdvancesOrLeavesThePosition) {
  const TScanRow HexRows[] = {
      {"  ff,", 0, 255, 4},   {"FFFFFFFF", 0, -1, 8}, {"000000000000000000001A", 0, 26, 22},
      {"100000000", 0, 0, 0}, {"12", 2, 0, 2},        {"12", 3, 0, 3},
      {"12", -1, 0, -1}};
  const TScanRow DecimalRows[] = {
      {"x -42 y", 1, -42, 5},  {"+7", 0, 7, 2},  {"-2147483648", 0, kMinInt, 11},
      {"2147483648", 0, 0, 0}, {"- 5", 0, 0, 0}, {"   ", 0, 0, 0}};
  const TScanRow OctalRows[] = {{"0778", 0, 63, 3}}, BinRows[] = {{"a 1012", 1, 5, 5}};
  ExpectScans(ScanHex, HexRows);
  ExpectScans(ScanDecimal, DecimalRows);
  ExpectScans(ScanOctal, OctalRows);
  ExpectScans(ScanBin, BinRows);
  // The inverse of the radix writers over the whole 32-bit range.
  SetRandSeed(3);
  for (int i = 0; i < 1000; ++i) {
    const int32_t Value = Random(std::numeric_limits<int32_t>::max()) - Random(1 << 30) * 2;
    int32_t Hex8 = 0, Octal11 = 0, Bin32 = 0;
    EXPECT_EQ(ScanHex(Hex(Value, 8), Hex8), Value);
    EXPECT_EQ(ScanOctal(Octal(Value, 11), Octal11), Value);
    EXPECT_EQ(ScanBin(Bin(Value, 32), Bin32), Value);
    EXPECT_EQ(Bin32, 32);
  }
}

TEST(ScanFPNum, SyntaxAndRange) {
  // {text, exponent allowed, field width, value, end}: the exponent left unread, a fixed column
  // of three, a lone "e", underflow to zero.
  const struct {
    const char* Text;
    bool AllowExponent;
    int32_t FieldWidth;
    double Expected;
    int32_t End;
  } Cases[] = {{" -1.25e2x", true, 0, -125, 8}, {"1.25e2", false, 0, 1.25, 4},
               {"12345678", true, 3, 123, 3},   {"3e", true, 0, 3, 1},
               {"1e-400", true, 0, 0, 6},       {"-Inf", true, 0, -kInf, 4}};
  for (const auto& c : Cases) {
    int32_t Position = 0;
    EXPECT_EQ(ScanFPNum(c.Text, c.AllowExponent, c.FieldWidth, Position), c.Expected) << c.Text;
    EXPECT_EQ(Position, c.End) << c.Text;
  }
  for (const char* Rejected : {"1e400", ".", "e5", "+.e1", "Infinity"}) {
    int32_t Position = 0;
    EXPECT_EQ(ScanFPNum(Rejected, true, 0, Position), 0) << Rejected;
    EXPECT_EQ(Position, 0) << Rejected;
  }
  int32_t Position = 0;
  EXPECT_EQ(ScanFPNum("0." + std::string(10000, '0') + "1e10005", true, 0, Position), 1e4);
  Position = 0;
  EXPECT_EQ(ScanFPNum(".5 5.", true, 0, Position), 0.5);
  EXPECT_EQ(ScanFPNum(".5 5.", true, 0, Position), 5);
  EXPECT_EQ(Position, 5);
  Position = 0;
  EXPECT_TRUE(std::isnan(ScanFPNum("  Nan", true, 0, Position)));
  EXPECT_EQ(Position, 5);
  // Reads back the platform's texts: 17 decimals round-trip every double.
  SetRandSeed(8);
  for (int i = 0; i < 2000; ++i) {
    const double x = (Random() - 0.5) * std::pow(10.0, Random(40) - 20);
    const std::string Text = StrFloat(x, 26, -1);
    Position = 0;
    EXPECT_EQ(ScanFPNum(Text, true, 0, Position), x) << Text;
    EXPECT_EQ(Position, 26);
  }
}

TEST(ScanDegrees, ReadsWhatDegreeToStrWrites) {
  for (const auto& [Angle, Format] :
       {std::pair{12.5, dfDecimal}, {-0.5, dfDegMin}, {12.5125, dfDegMinSec}, {-33.25, dfNumber}}) {
    const std::string Text = DegreeToStr(Angle, Format, 3) + " rest";
    int32_t Position = 0, ReadFormat = -2;
    EXPECT_DOUBLE_EQ(ScanDegrees(Text, Position, false, ReadFormat), Angle) << Text;
    EXPECT_EQ(ReadFormat, Format) << Text;
    EXPECT_EQ(Text.substr(static_cast<size_t>(Position)), " rest");
  }
  int32_t Position = 0, Format = 0;
  EXPECT_EQ(ScanDegrees("12.5", Position, true, Format), 0);  // sign required
  EXPECT_EQ(Format, -1);
  EXPECT_EQ(ScanDegrees("12.5\xC2\xB0 30'", Position, false, Format), 0);  // fractional degrees
  EXPECT_EQ(ScanDegrees("12\xC2\xB0 61'", Position, false, Format), 0);
  EXPECT_EQ(ScanDegrees("\xC2\xB0", Position, false, Format), 0);
  EXPECT_EQ(Position, 0);
}

TEST(ScanDateTime, SerialDatesAndImpossibleDates) {
  const struct {
    const char *Text, *Pattern;
    TLanguage Language;
    double Expected;
  } Cases[] = {{"2000-01-01", "yyyy-mm-dd", lanEnglish, 36526},
               {"1.3.1900 18:00", "d.m.yyyy hh:nn", lanEnglish, 61.75},
               {"29 Dec 1899 18:00:00", "dd mmm yyyy hh:nn:ss", lanEnglish, -0.25},
               {"5. m\xC3\xA4rz 24", "d. mmmm yy", lanGerman, 45356},
               {"12:00:00.500", "hh:nn:ss.zzz", lanEnglish, 0.5 + 500.0 / 86'400'000}};
  for (const auto& c : Cases) {
    int32_t Position = 0;
    EXPECT_EQ(ScanDateTime(c.Text, c.Pattern, c.Language, Position), c.Expected) << c.Text;
    EXPECT_EQ(Position, static_cast<int32_t>(std::strlen(c.Text))) << c.Text;
  }
  int32_t Position = 0;
  for (const char* Impossible : {"2023-02-29", "2024-13-01", "2024-01-32", "20240101"})
    EXPECT_EQ(ScanDateTime(Impossible, "yyyy-mm-dd", lanFrench, Position), 0) << Impossible;
  EXPECT_EQ(ScanDateTime("24:00", "hh:nn", lanEnglish, Position), 0);
  EXPECT_EQ(ScanDateTime("2024-02-29", "", lanEnglish, Position), 0);
  EXPECT_EQ(Position, 0);
}

TEST(IsValid, WholeTextWithSurroundingBlanks) {
  const struct {
    const char* Text;
    bool AllowExponent;
    TDecPSep DecPSep;
    bool Expected;
  } Doubles[] = {{" 1.5 ", false, dpsPoint, true}, {"1,5", false, dpsPoint, false},
                 {"1,5", false, dpsComma, true},   {"1.5", false, dpsComma, false},
                 {"1e5", false, dpsPoint, false},  {"1e5", true, dpsPoint, true},
                 {"Inf", true, dpsPoint, false},   {"1e999", true, dpsPoint, false},
                 {"1,5", false, dpsBoth, true},    {"5,", true, dpsBoth, false}};
  for (const auto& c : Doubles)
    EXPECT_EQ(IsValidDouble(c.Text, c.AllowExponent, c.DecPSep), c.Expected) << c.Text;
  EXPECT_TRUE(IsValidFPNum("-inf", dpsPoint) && IsValidFPNum("2,5E-3", dpsComma));
  EXPECT_FALSE(IsValidFPNum("1 2", dpsPoint));
  EXPECT_TRUE(IsValidHex("DeadBeef") && IsValidOct(" 17 ") && IsValidBin("1010"));
  EXPECT_FALSE(IsValidHex("DeadBeef0") || IsValidOct("18") || IsValidBin("102"));
  EXPECT_TRUE(IsValidDecInt("-0"));
  EXPECT_FALSE(IsValidDecInt("1.0") || IsValidDecInt(std::string(100000, '1')));
}

}  // namespace
}  // namespace qor
