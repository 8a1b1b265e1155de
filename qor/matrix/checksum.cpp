// CRCofData: eight interleaved CRC-32 lanes over the bytes of the elements.
#include <array>
#include <bit>
#include <cstring>

#include "qor/frame/crc32.h"
#include "qor/math1/number_text.h"
#include "qor/matrix/matrix.h"

namespace qor {

static_assert(std::endian::native == std::endian::little,
              "the checksum reads each double's bytes in little-endian order");

std::string TMatrix::CRCofData() const {
  std::array<uint32_t, sizeof(double)> Lanes;
  Lanes.fill(0xFFFFFFFFu);
  // The buffer is column-major, so its order is the documented column-by-column order.
  for (const double x : FMat) {
    std::array<uint8_t, sizeof(double)> Bytes;
    std::memcpy(Bytes.data(), &x, sizeof(double));
    for (size_t k = 0; k < Lanes.size(); ++k) Lanes[k] = CalcNextCRC32(Bytes[k], Lanes[k]);
  }
  std::string Text;
  for (const uint32_t Lane : Lanes) Text += Hex(static_cast<int32_t>(~Lane), 8);
  return Text;
}

}  // namespace qor
