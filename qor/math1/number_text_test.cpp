#include "qor/math1/number_text.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstring>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "qor/frame/errors.h"
#include "qor/frame/random.h"

namespace qor {
namespace {

using TTexts = std::vector<std::pair<std::string, std::string>>;  // {written, expected}

void ExpectTexts(const TTexts& Texts) {
  for (std::size_t i = 0; i < Texts.size(); ++i) EXPECT_EQ(Texts[i].first, Texts[i].second) << i;
}

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr int32_t kMinInt = std::numeric_limits<int32_t>::min();

TEST(RadixText, FixedDigitCounts) {
  const TTexts Texts = {{Decimal(42, 5), "00042"},   {Decimal(12345, 3), "345"},
                        {Decimal(0, 0), "0"},        {Decimal(kMinInt, 10), "-2147483648"},
                        {Hex(-1, 8), "FFFFFFFF"},    {Hex(255, 12), "000000FF"},
                        {Hex(0x1234ABCD, 3), "BCD"}, {Octal(-1, 11), "37777777777"},
                        {Bin(5, 4), "0101"},         {Bin(-1, 40), std::string(32, '1')}};
  ExpectTexts(Texts);
}

template <class T>
bool SameBits(T a, T b, size_t Bytes) {
  return std::memcmp(&a, &b, Bytes) == 0;
}

TEST(BitPatternText, KnownPatternsAndBitForBitRoundTrips) {
  const TTexts Texts = {{FPNumToHex(-2.0), "C000000000000000"},
                        {FPNumToHex(1.0L), "3FFF8000000000000000"},
                        {FPNumToHex(-std::numeric_limits<float>::infinity()), "FF800000"}};
  ExpectTexts(Texts);
  EXPECT_EQ(HexToDouble("3ff0000000000000"), 1.0);
  EXPECT_EQ(HexToSingle("3F800000"), 1.0f);
  EXPECT_EQ(HexToExtended("4000C90FDAA22168C235"), 3.14159265358979323851L);
  SetRandSeed(2024);
  const auto RandomBits = [] {
    uint64_t Bits = 0;
    for (int Part = 0; Part < 4; ++Part) Bits = Bits << 16 | static_cast<uint64_t>(Random(1 << 16));
    return Bits;
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
  for (double Infinity : {kInf, -kInf}) {
    EXPECT_EQ(HexToDouble(FPNumToHex(Infinity)), Infinity);
    EXPECT_EQ(HexToExtended(FPNumToHex(static_cast<long double>(Infinity))), Infinity);
  }
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

TEST(ExponentialText, StrfAndMakeEFormat) {
  // MakeEFormat: rounding carries into the exponent, the width is clamped to 8 and at most 15
  // digits are written.
  const TTexts Texts = {{strf(-1234, 12, -2), "-1.23400E+03"},
                        {strf(1e-5, 10, -2), " 1.000E-05"},
                        {strf(1e150, 10, -2), "**********"},
                        {strf(3.14159, 8, 2), "    3.14"},
                        {strf(1234, 12, -1), " 1.234E+0003"},
                        {strf(kInf, 6, -2), "  +Inf"},
                        {MakeEFormat(1234, 12, 4), "  0.1234E+04"},
                        {MakeEFormat(-0.05, 8, 2), "-0.50E-01"},
                        {MakeEFormat(0, 8, 3), " 0.000E+00"},
                        {MakeEFormat(9.99, 1, 2), " 0.10E+02"},
                        {MakeEFormat(123456789, 8, 99), " 0.123456789000000E+09"}};
  ExpectTexts(Texts);
}

TEST(EngineeringText, PrefixLetters) {
  const struct {
    double x;
    int32_t Precision;
    const char* Expected;
  } Cases[] = {{4700, 3, "4.70k"},    {4700, -3, "4k70"},      {0.00047, 2, "470u"},
               {-1500, 4, "-1.500k"}, {12, 1, "12"},           {0, 3, "0.00"},
               {999.9, 2, "1000"},    {1e-20, 3, "0.0100a"},   {2.2e15, 2, "2200T"},
               {4.7e-9, -2, "4n7"},   {1.5, 99, "1.50000000"}, {1e6, 2, "1.0M"},
               {1e-3, 2, "1.0m"},     {-kInf, 3, "-Inf"}};
  for (const auto& c : Cases) EXPECT_EQ(EEngStr(c.x, c.Precision), c.Expected) << c.x;
}

TEST(RomanAndStrToIntDefault, LimitsAndDefaults) {
  const TTexts Texts = {{Roman(1994), "MCMXCIV"},
                        {Roman(3888), "MMMDCCCLXXXVIII"},
                        {Roman(29999), std::string(29, 'M') + "CMXCIX"}};
  ExpectTexts(Texts);
  for (int32_t Outside : {0, -5, 30000}) EXPECT_EQ(Roman(Outside), "") << Outside;
  for (const std::string& Bad :
       {std::string(), std::string("12x"), std::string("2147483648"), std::string(5000, '9')})
    EXPECT_EQ(StrToIntDefault(Bad, 7), 7) << Bad.substr(0, 20);
  EXPECT_EQ(StrToIntDefault("  +12  ", 7), 12);
  EXPECT_EQ(StrToIntDefault("-2147483648", 7), std::numeric_limits<int32_t>::min());
}

}  // namespace
}  // namespace qor
