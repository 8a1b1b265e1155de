// CRC-32 as used by zip and PNG: the reflected form of the generator polynomial 04C11DB7,
// i.e. EDB88320 shifted out from the low end.
//
// CalcNextCRC32 advances a running register by one byte. A checksum starts the register at
// FFFFFFFF and complements it after the last byte; CalcCRC32 does both, so that
// CalcCRC32("123456789") = CBF43926, the catalogue check value of this CRC.
#pragma once

#include <cstdint>
#include <string_view>

namespace qor {

uint32_t CalcNextCRC32(uint8_t Data, uint32_t CRC);

// The complete checksum of Bytes (initial FFFFFFFF, final complement).
uint32_t CalcCRC32(std::string_view Bytes);

}  // namespace qor
