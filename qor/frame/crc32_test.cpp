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

TEST(CRC32, StepsCompose) {
  uint32_t CRC = 0xFFFFFFFFu;
  for (const char c : std::string_view("12345")) CRC = CalcNextCRC32(static_cast<uint8_t>(c), CRC);
  for (const char c : std::string_view("6789")) CRC = CalcNextCRC32(static_cast<uint8_t>(c), CRC);
  EXPECT_EQ(~CRC, 0xCBF43926u);
}

}  // namespace
}  // namespace qor
