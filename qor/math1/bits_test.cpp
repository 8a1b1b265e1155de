#include "qor/math1/bits.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>

namespace qor {
namespace {

TEST(BitCodeTest, MasksAndLowestSetBit) {
  EXPECT_EQ(DecodeBit(0), 1);
  EXPECT_EQ(DecodeBit(7), 128);
  EXPECT_EQ(DecodeBit(8), 0);
  EXPECT_EQ(DecodeBit(-1), 0);
  EXPECT_EQ(DecodeLong(31), 0x80000000u);
  EXPECT_EQ(DecodeLong(32), 0u);
  EXPECT_EQ(DecodeLong(-1), 0u);
  EXPECT_EQ(EncodeLong(0), 31);
  EXPECT_EQ(EncodeLong(12), 2);
  for (int32_t n = 0; n <= 31; ++n) {
    EXPECT_EQ(EncodeLong(DecodeLong(n)), n);
    EXPECT_EQ(EncodeLong(DecodeLong(n) | 0x80000000u), n);  // higher bits do not matter
  }
}

TEST(BitCodeTest, CountsReversalAndPowersOfTwo) {
  EXPECT_EQ(CountBits(0), 0);
  EXPECT_EQ(CountBits(0xA5), 4);
  EXPECT_EQ(CountBits(0xFF), 8);
  EXPECT_EQ(BitReversal(0x01), 0x80);
  EXPECT_EQ(BitReversal(0x0F), 0xF0);
  EXPECT_EQ(BitReversal(0xB4), 0x2D);
  for (int b = 0; b < 256; ++b) {
    const uint8_t Byte = static_cast<uint8_t>(b);
    EXPECT_EQ(BitReversal(BitReversal(Byte)), Byte);
    EXPECT_EQ(CountBits(BitReversal(Byte)), CountBits(Byte));
  }
  EXPECT_TRUE(CheckPowerOfTwo(0));
  EXPECT_TRUE(CheckPowerOfTwo(1));
  EXPECT_TRUE(CheckPowerOfTwo(0x80000000u));
  EXPECT_FALSE(CheckPowerOfTwo(6));
  EXPECT_FALSE(CheckPowerOfTwo(0xFFFFFFFFu));
}

TEST(BitCodeTest, GrayCodeNeighboursDifferInOneBit) {
  EXPECT_EQ(GrayCode(3), 2);
  EXPECT_EQ(GrayCode(0xFFFF), 0x8000);
  for (uint32_t w = 0; w < 0xFFFF; ++w)
    ASSERT_EQ(std::popcount(static_cast<unsigned>(GrayCode(static_cast<uint16_t>(w)) ^
                                                  GrayCode(static_cast<uint16_t>(w + 1)))),
              1)
        << w;
}

TEST(ConvertEndianTest, ReversesStorageBytes) {
  EXPECT_EQ(ConvertEndian(uint16_t{0x1234}), 0x3412);
  EXPECT_EQ(ConvertEndian(int32_t{0x01020304}), 0x04030201);
  EXPECT_EQ(ConvertEndian(int32_t{-2}), static_cast<int32_t>(0xFEFFFFFFu));
  // 1.0 is 3F800000 as single and 3FF0000000000000 as double.
  EXPECT_EQ(std::bit_cast<uint32_t>(ConvertEndian(1.0f)), 0x0000803Fu);
  EXPECT_EQ(std::bit_cast<uint64_t>(ConvertEndian(1.0)), 0x000000000000F03Full);
  for (double x : {-2.5, 1e-300, 6.02214076e23})
    EXPECT_EQ(std::bit_cast<uint64_t>(ConvertEndian(ConvertEndian(x))), std::bit_cast<uint64_t>(x));
}

}  // namespace
}  // namespace qor
