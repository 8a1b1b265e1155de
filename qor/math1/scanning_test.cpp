#include "qor/math1/scanning.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "qor/frame/float_text.h"
#include "qor/frame/random.h"
#include "qor/math1/degrees.h"
#include "qor/math1/number_text.h"

namespace qor {
namespace {

using TIntScan = int32_t (*)(std::string_view, int32_t&);

struct TIntCase {
  TIntScan Scan;
  const char* Text;
  int32_t Start;
  int32_t Expected;
  int32_t End;  // equal to Start: rejected
};

class IntegerScanTest : public ::testing::TestWithParam<TIntCase> {};

TEST_P(IntegerScanTest, ReadsAndAdvancesOrLeavesThePosition) {
  const TIntCase& c = GetParam();
  int32_t Position = c.Start;
  EXPECT_EQ(c.Scan(c.Text, Position), c.Expected);
  EXPECT_EQ(Position, c.End);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IntegerScanTest,
    ::testing::Values(
        TIntCase{ScanHex, "  ff,", 0, 255, 4}, TIntCase{ScanHex, "FFFFFFFF", 0, -1, 8},
        TIntCase{ScanHex, "000000000000000000001A", 0, 26, 22},
        TIntCase{ScanHex, "100000000", 0, 0, 0}, TIntCase{ScanHex, "xyz", 0, 0, 0},
        TIntCase{ScanHex, "", 0, 0, 0}, TIntCase{ScanHex, "12", 2, 0, 2},
        TIntCase{ScanHex, "12", 3, 0, 3}, TIntCase{ScanHex, "12", -1, 0, -1},
        TIntCase{ScanOctal, "0778", 0, 63, 3}, TIntCase{ScanOctal, "37777777777", 0, -1, 11},
        TIntCase{ScanOctal, "40000000000", 0, 0, 0}, TIntCase{ScanBin, "a 1012", 1, 5, 5},
        TIntCase{ScanDecimal, "x -42 y", 1, -42, 5}, TIntCase{ScanDecimal, "+7", 0, 7, 2},
        TIntCase{ScanDecimal, "-2147483648", 0, std::numeric_limits<int32_t>::min(), 11},
        TIntCase{ScanDecimal, "2147483648", 0, 0, 0}, TIntCase{ScanDecimal, "- 5", 0, 0, 0},
        TIntCase{ScanDecimal, "   ", 0, 0, 0}));

TEST(IntegerScan, InvertsTheRadixWriters) {
  SetRandSeed(3);
  for (int i = 0; i < 1000; ++i) {
    const int32_t Value = Random(std::numeric_limits<int32_t>::max()) - Random(1 << 30) * 2;
    int32_t Position = 0;
    EXPECT_EQ(ScanHex(Hex(Value, 8), Position), Value);
    Position = 0;
    EXPECT_EQ(ScanOctal(Octal(Value, 11), Position), Value);
    Position = 0;
    EXPECT_EQ(ScanBin(Bin(Value, 32), Position), Value);
    EXPECT_EQ(Position, 32);
  }
}

TEST(ScanFPNum, SyntaxAndRange) {
  int32_t Position = 0;
  EXPECT_EQ(ScanFPNum(" -1.25e2x", true, 0, Position), -125);
  EXPECT_EQ(Position, 8);
  Position = 0;
  EXPECT_EQ(ScanFPNum("1.25e2", false, 0, Position), 1.25);  // the exponent is left unread
  EXPECT_EQ(Position, 4);
  Position = 0;
  EXPECT_EQ(ScanFPNum("12345678", true, 3, Position), 123);  // a fixed column of three
  EXPECT_EQ(Position, 3);
  Position = 0;
  EXPECT_EQ(ScanFPNum(".5 5.", true, 0, Position), 0.5);
  EXPECT_EQ(ScanFPNum(".5 5.", true, 0, Position), 5);
  EXPECT_EQ(Position, 5);
  Position = 0;
  EXPECT_EQ(ScanFPNum("3e", true, 0, Position), 3);
  EXPECT_EQ(Position, 1);
  Position = 0;
  EXPECT_EQ(ScanFPNum("1e-400", true, 0, Position), 0);
  EXPECT_EQ(Position, 6);
  for (const char* Rejected : {"1e400", "", ".", "-", "e5", "+.e1", "Infinity"}) {
    Position = 0;
    EXPECT_EQ(ScanFPNum(Rejected, true, 0, Position), 0) << Rejected;
    EXPECT_EQ(Position, 0) << Rejected;
  }
  Position = 0;
  const std::string Long = "0." + std::string(10000, '0') + "1e10005";
  EXPECT_EQ(ScanFPNum(Long, true, 0, Position), 1e4);
  Position = 0;
  EXPECT_EQ(ScanFPNum("-Inf", true, 0, Position), -std::numeric_limits<double>::infinity());
  Position = 0;
  EXPECT_TRUE(std::isnan(ScanFPNum("  Nan", true, 0, Position)));
  EXPECT_EQ(Position, 5);
}

TEST(ScanFPNum, ReadsBackThePlatformTexts) {
  SetRandSeed(8);
  for (int i = 0; i < 2000; ++i) {
    const double x = (Random() - 0.5) * std::pow(10.0, Random(40) - 20);
    int32_t Position = 0;
    const std::string Text = StrFloat(x, 26, -1);  // 17 decimals: every double round-trips
    EXPECT_EQ(ScanFPNum(Text, true, 0, Position), x) << Text;
    EXPECT_EQ(Position, 26);
  }
}

TEST(ScanDegrees, ReadsWhatDegreeToStrWrites) {
  const struct {
    double Angle;
    TDegreeFormat Format;
  } Cases[] = {{12.5, dfDecimal}, {-0.5, dfDegMin}, {12.5125, dfDegMinSec}, {-33.25, dfNumber}};
  for (const auto& c : Cases) {
    const std::string Text = DegreeToStr(c.Angle, c.Format, 3) + " rest";
    int32_t Position = 0;
    int32_t Format = -2;
    EXPECT_DOUBLE_EQ(ScanDegrees(Text, Position, false, Format), c.Angle) << Text;
    EXPECT_EQ(Format, c.Format) << Text;
    EXPECT_EQ(Text.substr(static_cast<size_t>(Position)), " rest");
  }
  int32_t Position = 0;
  int32_t Format = 0;
  EXPECT_EQ(ScanDegrees("12.5", Position, true, Format), 0);  // sign required
  EXPECT_EQ(Format, -1);
  EXPECT_EQ(ScanDegrees("12.5\xC2\xB0 30'", Position, false, Format), 0);  // fractional degrees
  EXPECT_EQ(ScanDegrees("12\xC2\xB0 61'", Position, false, Format), 0);
  EXPECT_EQ(ScanDegrees("\xC2\xB0", Position, false, Format), 0);
  EXPECT_EQ(Position, 0);
}

TEST(ScanDateTime, SerialDates) {
  int32_t Position = 0;
  EXPECT_EQ(ScanDateTime("2000-01-01", "yyyy-mm-dd", lanEnglish, Position), 36526);
  EXPECT_EQ(Position, 10);
  Position = 0;
  EXPECT_EQ(ScanDateTime("1.3.1900 18:00", "d.m.yyyy hh:nn", lanEnglish, Position), 61.75);
  Position = 0;
  EXPECT_EQ(ScanDateTime("29 Dec 1899 18:00:00", "dd mmm yyyy hh:nn:ss", lanEnglish, Position),
            -0.25);
  Position = 0;
  EXPECT_EQ(ScanDateTime("5. m\xC3\xA4rz 24", "d. mmmm yy", lanGerman, Position), 45356);
  Position = 0;
  EXPECT_EQ(ScanDateTime("12:00:00.500", "hh:nn:ss.zzz", lanEnglish, Position),
            0.5 + 500.0 / 86'400'000);
  for (const char* Impossible : {"2023-02-29", "2024-13-01", "2024-01-32", "20240101", ""}) {
    Position = 0;
    EXPECT_EQ(ScanDateTime(Impossible, "yyyy-mm-dd", lanFrench, Position), 0) << Impossible;
    EXPECT_EQ(Position, 0) << Impossible;
  }
  Position = 0;
  EXPECT_EQ(ScanDateTime("24:00", "hh:nn", lanEnglish, Position), 0);
  EXPECT_EQ(ScanDateTime("2024-02-29", "", lanEnglish, Position), 0);
  EXPECT_EQ(Position, 0);
}

TEST(IsValid, WholeTextWithSurroundingBlanks) {
  EXPECT_TRUE(IsValidDouble(" 1.5 ", false, dpsPoint));
  EXPECT_FALSE(IsValidDouble("1,5", false, dpsPoint));
  EXPECT_TRUE(IsValidDouble("1,5", false, dpsComma));
  EXPECT_TRUE(IsValidDouble("1,5", false, dpsBoth));
  EXPECT_FALSE(IsValidDouble("1.5", false, dpsComma));
  EXPECT_FALSE(IsValidDouble("1e5", false, dpsPoint));
  EXPECT_TRUE(IsValidDouble("1e5", true, dpsPoint));
  EXPECT_FALSE(IsValidDouble("Inf", true, dpsPoint));
  EXPECT_FALSE(IsValidDouble("1e999", true, dpsPoint));
  EXPECT_FALSE(IsValidDouble("", true, dpsBoth));
  EXPECT_FALSE(IsValidDouble("5,", true, dpsBoth));
  EXPECT_TRUE(IsValidFPNum("-inf", dpsPoint));
  EXPECT_TRUE(IsValidFPNum("2,5E-3", dpsComma));
  EXPECT_FALSE(IsValidFPNum("1 2", dpsPoint));
  EXPECT_TRUE(IsValidHex("DeadBeef"));
  EXPECT_FALSE(IsValidHex("DeadBeef0"));
  EXPECT_TRUE(IsValidOct(" 17 "));
  EXPECT_FALSE(IsValidOct("18"));
  EXPECT_TRUE(IsValidBin("1010"));
  EXPECT_FALSE(IsValidBin("102"));
  EXPECT_TRUE(IsValidDecInt("-0"));
  EXPECT_FALSE(IsValidDecInt("1.0"));
  EXPECT_FALSE(IsValidDecInt(std::string(100000, '1')));
}

}  // namespace
}  // namespace qor
