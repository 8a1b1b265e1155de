#include "qor/frame/crc32.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

TEST(CRC32, CatalogueCheckValues) {
  EXPECT_EQ(CalcCRC32("123456789"), 0xCBF43926u);
  EXPECT_EQ(CalcCRC32("The quick brown fox jumps over the lazy dog"), 0x414FA339u);
  EXPECT_EQ(CalcCRC32(""), 0u);
  EXPECT_EQ(CalcCRC32(std::string_view("\0", 1)), 0xD202EF8Du);
}

TEST(CRC32, StepMatchesTheBitwiseDefinition) {
  // One step shifts the byte through the register bit by bit, reducing by EDB88320.
  for (uint32_t Register : {0u, 0xFFFFFFFFu, 0x12345678u})
    for (int Byte = 0; Byte < 256; ++Byte) {
      uint32_t Expected = Register ^ static_cast<uint32_t>(Byte);
      for (int Bit = 0; Bit < 8; ++Bit)
        Expected = (Expected >> 1) ^ ((Expected & 1u) ? 0xEDB88320u : 0u);
      EXPECT_EQ(CalcNextCRC32(static_cast<uint8_t>(Byte), Register), Expected);
    }
}

}  // namespace
}  // namespace qor
