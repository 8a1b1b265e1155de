// Bit codes: single-bit masks and the index of the lowest set bit, bit counts, bit reversal of
// a byte, the binary-reflected Gray code, the power-of-two test and byte-order reversal.
//
// Bit positions are 0-based from the least significant bit. DecodeBit and DecodeLong give 0
// for a position outside the word; EncodeLong gives 31 for a word without set bits. Masks are
// unsigned, so DecodeLong(31) is 0x80000000. CheckPowerOfTwo counts 0 as a power of two (it
// tests that x and x - 1 share no bit). ConvertEndian reverses the bytes of the value's storage;
// for double and single the result is the bit pattern the other byte order reads, which may be
// any value including a NaN. Nothing raises.
#pragma once

#include <cstdint>

namespace qor {

// 1 shl n for 0 <= n <= 7, else 0.
uint8_t DecodeBit(int32_t n);
// 1 shl n for 0 <= n <= 31, else 0.
uint32_t DecodeLong(int32_t n);
// Index of the lowest set bit of x; 31 for x = 0.
int32_t EncodeLong(uint32_t x);

int32_t CountBits(uint8_t b);
uint8_t BitReversal(uint8_t b);
// w xor (w shr 1).
uint16_t GrayCode(uint16_t w);
bool CheckPowerOfTwo(uint32_t x);

double ConvertEndian(double x);
float ConvertEndian(float x);
uint16_t ConvertEndian(uint16_t x);
int32_t ConvertEndian(int32_t x);

}  // namespace qor
