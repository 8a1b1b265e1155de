#include "qor/frame/crc32.h"

#include <array>

namespace qor {
namespace {

constexpr uint32_t kReflectedPolynomial = 0xEDB88320u;

// Entry b is the register after shifting b through eight steps of the bitwise algorithm.
constexpr std::array<uint32_t, 256> MakeTable() {
  std::array<uint32_t, 256> Table{};
  for (uint32_t b = 0; b < 256; ++b) {
    uint32_t r = b;
    for (int Bit = 0; Bit < 8; ++Bit) r = (r & 1u) ? (r >> 1) ^ kReflectedPolynomial : r >> 1;
    Table[b] = r;
  }
  return Table;
}

constexpr std::array<uint32_t, 256> kTable = MakeTable();

}  // namespace

uint32_t CalcNextCRC32(uint8_t Data, uint32_t CRC) {
  return (CRC >> 8) ^ kTable[(CRC ^ Data) & 0xFFu];
}

uint32_t CalcCRC32(std::string_view Bytes) {
  uint32_t CRC = 0xFFFFFFFFu;
  for (const char c : Bytes) CRC = CalcNextCRC32(static_cast<uint8_t>(c), CRC);
  return ~CRC;
}

}  // namespace qor
