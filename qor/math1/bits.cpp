#include "qor/math1/bits.h"

#include <algorithm>
#include <array>
#include <bit>

namespace qor {
namespace {

constexpr std::array<uint8_t, 256> kReversedBytes = [] {
  std::array<uint8_t, 256> Table{};
  for (unsigned b = 0; b < 256; ++b) {
    unsigned Reversed = 0;
    for (unsigned Bit = 0; Bit < 8; ++Bit)
      if (b & (1u << Bit)) Reversed |= 0x80u >> Bit;
    Table[b] = static_cast<uint8_t>(Reversed);
  }
  return Table;
}();

template <class T>
T ReverseBytes(T x) {
  auto Bytes = std::bit_cast<std::array<uint8_t, sizeof(T)>>(x);
  std::reverse(Bytes.begin(), Bytes.end());
  return std::bit_cast<T>(Bytes);
}

}  // namespace

uint8_t DecodeBit(int32_t n) { return n >= 0 && n <= 7 ? static_cast<uint8_t>(1u << n) : 0; }
uint32_t DecodeLong(int32_t n) { return n >= 0 && n <= 31 ? 1u << n : 0; }
int32_t EncodeLong(uint32_t x) { return x == 0 ? 31 : std::countr_zero(x); }

int32_t CountBits(uint8_t b) { return std::popcount(b); }
uint8_t BitReversal(uint8_t b) { return kReversedBytes[b]; }
uint16_t GrayCode(uint16_t w) { return static_cast<uint16_t>(w ^ (w >> 1)); }
bool CheckPowerOfTwo(uint32_t x) { return (x & (x - 1)) == 0; }

double ConvertEndian(double x) { return ReverseBytes(x); }
float ConvertEndian(float x) { return ReverseBytes(x); }
uint16_t ConvertEndian(uint16_t x) { return ReverseBytes(x); }
int32_t ConvertEndian(int32_t x) { return ReverseBytes(x); }

}  // namespace qor
