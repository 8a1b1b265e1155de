#include "qor/math1/number_text.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstring>
#include <limits>
#include <string>

#include "qor/frame/errors.h"
#include "qor/frame/random.h"

namespace qor {
namespace {

TEST(RadixText, FixedDigitCounts) {
  EXPECT_EQ(Decimal(42, 5), "00042");
  EXPECT_EQ(Decimal(-42, 5), "-00042");
  EXPECT_EQ(Decimal(12345, 3), "345");
  EXPECT_EQ(Decimal(0, 0), "0");
  EXPECT_EQ(Decimal(std::numeric_limits<int32_t>::min(), 10), "-2147483648");
  EXPECT_EQ(Hex(255, 4), "00FF");
  EXPECT_EQ(Hex(-1, 8), "FFFFFFFF");
  EXPECT_EQ(Hex(255, 12), "000000FF");
  EXPECT_EQ(Hex(0, 0), "0");
  EXPECT_EQ(Hex(0x1234ABCD, 3), "BCD");
  EXPECT_EQ(Octal(8, 0), "0");
  EXPECT_EQ(Octal(-1, 11), "37777777777");
  EXPECT_EQ(Bin(5, 4), "0101");
  EXPECT_EQ(Bin(-1, 40), std::string(32, '1'));
}

template <class T>
bool SameBits(T a, T b, size_t Bytes) {
  return std::memcmp(&a, &b, Bytes) == 0;
}

TEST(BitPatternText, KnownPatterns) {
  EXPECT_EQ(FPNumToHex(1.0), "3FF0000000000000");
  EXPECT_EQ(FPNumToHex(-2.0), "C000000000000000");
  EXPECT_EQ(FPNumToHex(1.0L), "3FFF8000000000000000");
  EXPECT_EQ(FPNumToHex(1.0f), "3F800000");
  EXPECT_EQ(FPNumToHex(-std::numeric_limits<float>::infinity()), "FF800000");
  EXPECT_EQ(HexToDouble("3ff0000000000000"), 1.0);
  EXPECT_EQ(HexToSingle("3F800000"), 1.0f);
  EXPECT_EQ(HexToExtended("4000C90FDAA22168C235"), 3.14159265358979323851L);
}

TEST(BitPatternText, RoundTripsBitForBit) {
  SetRandSeed(2024);
  const auto RandomBits = [] {
    return static_cast<uint64_t>(Random(1 << 16)) << 48 |
           static_cast<uint64_t>(Random(1 << 16)) << 32 |
           static_cast<uint64_t>(Random(1 << 16)) << 16 | static_cast<uint64_t>(Random(1 << 16));
  };
  for (int i = 0; i < 20000; ++i) {
    // Any pattern, NaN payloads included: the texts carry bits, not values.
    const auto d = std::bit_cast<double>(RandomBits());
    ASSERT_TRUE(SameBits(HexToDouble(FPNumToHex(d)), d, sizeof d)) << FPNumToHex(d);
    const auto f = std::bit_cast<float>(static_cast<uint32_t>(RandomBits()));
    ASSERT_TRUE(SameBits(HexToSingle(FPNumToHex(f)), f, sizeof f)) << FPNumToHex(f);
    const long double e = static_cast<long double>(d) * static_cast<long double>(f);
    ASSERT_TRUE(SameBits(HexToExtended(FPNumToHex(e)), e, 10)) << FPNumToHex(e);
  }
  for (double Infinity :
       {std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity()}) {
    EXPECT_EQ(HexToDouble(FPNumToHex(Infinity)), Infinity);
    EXPECT_EQ(HexToSingle(FPNumToHex(static_cast<float>(Infinity))), Infinity);
    EXPECT_EQ(HexToExtended(FPNumToHex(static_cast<long double>(Infinity))), Infinity);
  }
  EXPECT_TRUE(SameBits(HexToDouble(FPNumToHex(-0.0)), -0.0, sizeof(double)));
}

TEST(BitPatternText, RejectsWrongLengthAndDigits) {
  const auto Message = [](auto Read, const char* Text) -> std::string {
    try {
      Read(Text);
    } catch (const EQORMath1Error&) {
      return "unit class instead of the base class";
    } catch (const EQORError& E) {
      return E.what();
    }
    return "no exception";
  };
  EXPECT_EQ(Message(HexToDouble, "3FF"), "HexToDouble: invalid hex string \"3FF\"");
  EXPECT_EQ(Message(HexToDouble, "3FF000000000000G"),
            "HexToDouble: invalid hex string \"3FF000000000000G\"");
  EXPECT_EQ(Message(HexToExtended, ""), "HexToExtended: invalid hex string \"\"");
  EXPECT_EQ(Message(HexToSingle, "3F80000 "), "HexToSingle: invalid hex string \"3F80000 \"");
}

TEST(Strf, TwoDigitExponentOrAsterisks) {
  EXPECT_EQ(strf(1.5, 10, -2), " 1.500E+00");
  EXPECT_EQ(strf(-1234, 12, -2), "-1.23400E+03");
  EXPECT_EQ(strf(1e-5, 10, -2), " 1.000E-05");
  EXPECT_EQ(strf(1e150, 10, -2), "**********");
  EXPECT_EQ(strf(1e-150, 10, -2), "**********");
  EXPECT_EQ(strf(3.14159, 8, 2), "    3.14");
  EXPECT_EQ(strf(1234, 12, -1), " 1.234E+0003");
  EXPECT_EQ(strf(std::numeric_limits<double>::infinity(), 6, -2), "  +Inf");
}

TEST(MakeEFormat, MantissaBelowOne) {
  EXPECT_EQ(MakeEFormat(1234, 12, 4), "  0.1234E+04");
  EXPECT_EQ(MakeEFormat(-0.05, 8, 2), "-0.50E-01");
  EXPECT_EQ(MakeEFormat(0, 8, 3), " 0.000E+00");
  EXPECT_EQ(MakeEFormat(9.99, 1, 2), " 0.10E+02");  // rounding carries; width clamped to 8
  EXPECT_EQ(MakeEFormat(123456789, 8, 99), " 0.123456789000000E+09");  // 15 digits at most
}

struct TEngCase {
  double x;
  int32_t Precision;
  const char* Expected;
};

class EEngStrTest : public ::testing::TestWithParam<TEngCase> {};

TEST_P(EEngStrTest, PrefixLetters) {
  EXPECT_EQ(EEngStr(GetParam().x, GetParam().Precision), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EEngStrTest,
    ::testing::Values(TEngCase{4700, 3, "4.70k"}, TEngCase{4700, -3, "4k70"},
                      TEngCase{0.00047, 2, "470u"}, TEngCase{-1500, 4, "-1.500k"},
                      TEngCase{12, 1, "12"}, TEngCase{0, 3, "0.00"}, TEngCase{999.9, 2, "1000"},
                      TEngCase{1e-20, 3, "0.0100a"}, TEngCase{2.2e15, 2, "2200T"},
                      TEngCase{4.7e-9, -2, "4n7"}, TEngCase{33e6, -2, "33M"},
                      TEngCase{1.5, 99, "1.50000000"}, TEngCase{1000, 3, "1.00k"},
                      TEngCase{1e6, 2, "1.0M"}, TEngCase{1e-3, 2, "1.0m"},
                      TEngCase{-std::numeric_limits<double>::infinity(), 3, "-Inf"}));

TEST(Roman, TableWalkAndLimits) {
  EXPECT_EQ(Roman(1994), "MCMXCIV");
  EXPECT_EQ(Roman(4000), "MMMM");
  EXPECT_EQ(Roman(3888), "MMMDCCCLXXXVIII");
  EXPECT_EQ(Roman(1), "I");
  EXPECT_EQ(Roman(0), "");
  EXPECT_EQ(Roman(-5), "");
  EXPECT_EQ(Roman(30000), "");
  const std::string Largest = Roman(29999);
  EXPECT_EQ(Largest, std::string(29, 'M') + "CMXCIX");
}

TEST(StrToIntDefault, DefaultForAnythingButOneInteger) {
  EXPECT_EQ(StrToIntDefault("", 7), 7);
  EXPECT_EQ(StrToIntDefault("x", 7), 7);
  EXPECT_EQ(StrToIntDefault("-12", 7), -12);
  EXPECT_EQ(StrToIntDefault("  +12  ", 7), 12);
  EXPECT_EQ(StrToIntDefault("12x", 7), 7);
  EXPECT_EQ(StrToIntDefault("-2147483648", 7), std::numeric_limits<int32_t>::min());
  EXPECT_EQ(StrToIntDefault("2147483648", 7), 7);
  EXPECT_EQ(StrToIntDefault(std::string(5000, '9'), 7), 7);
}

}  // namespace
}  // namespace qor
