#include "qor/math1/bits.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>

namespace qor {
namespace {

TEST(BitCodeTest, MasksAndLowestSetBit) {
  EXPECT_EQ(DecodeBit(7), 128);
  EXPECT_EQ(DecodeBit(8) | DecodeBit(-1), 0);
  EXPECT_EQ(DecodeLong(32) | DecodeLong(-1), 0u);
  EXPECT_EQ(EncodeLong(0), 31);
  EXPECT_EQ(EncodeLong(12), 2);
  for (int32_t n = 0; n <= 31; ++n) {
    EXPECT_EQ(DecodeLong(n), uint32_t{1} << n);
    EXPECT_EQ(EncodeLong(DecodeLong(n) | 0x80000000u), n);  // higher bits do not matter
    if (n < 8) {
      EXPECT_EQ(DecodeBit(n), DecodeLong(n));
    }
  }
}

TEST(BitCodeTest, CountsReversalGrayCodeAndPowersOfTwo) {
  EXPECT_EQ(CountBits(0xA5), 4);
  EXPECT_EQ(BitReversal(0x01), 0x80);
  EXPECT_EQ(BitReversal(0xB4), 0x2D);
  for (int b = 0; b < 256; ++b) {
    const uint8_t Byte = static_cast<uint8_t>(b);
    EXPECT_EQ(BitReversal(BitReversal(Byte)), Byte);
    EXPECT_EQ(CountBits(BitReversal(Byte)), std::popcount(Byte));
  }
  EXPECT_EQ(GrayCode(0xFFFF), 0x8000);
  for (uint32_t w = 0; w < 0xFFFF; ++w)  // neighbours differ in exactly one bit
    ASSERT_EQ(std::popcount(static_cast<unsigned>(GrayCode(static_cast<uint16_t>(w)) ^
                                                  GrayCode(static_cast<uint16_t>(w + 1)))),
              1)
        << w;
  for (uint32_t x : {0u, 1u, 0x80000000u}) EXPECT_TRUE(CheckPowerOfTwo(x)) << x;
  for (uint32_t x : {6u, 0xFFFFFFFFu}) EXPECT_FALSE(CheckPowerOfTwo(x)) << x;
}

TEST(ConvertEndianTest, ReversesStorageBytes) {
  EXPECT_EQ(ConvertEndian(uint16_t{0x1234}), 0x3412);
  EXPECT_EQ(ConvertEndian(int32_t{-2}), static_cast<int32_t>(0xFEFFFFFFu));
  // 1.0 is 3F800000 as single and 3FF0000000000000 as double.
  EXPECT_EQ(std::bit_cast<uint32_t>(ConvertEndian(1.0f)), 0x0000803Fu);
  EXPECT_EQ(std::bit_cast<uint64_t>(ConvertEndian(1.0)), 0x000000000000F03Full);
}

}  // namespace
}  // namespace qor
