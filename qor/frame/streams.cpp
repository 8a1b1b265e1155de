#include "qor/frame/streams.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

#include "qor/frame/errors.h"

namespace qor {

static_assert(std::endian::native == std::endian::little,
              "stream layouts copy little-endian values byte for byte");

constexpr int64_t kExtendedBytes = 10;

int64_t TStream::Size() {
  const int64_t Here = Position();
  const int64_t End = Seek(0, soEnd);
  Seek(Here, soBeginning);
  return End;
}

int64_t TMemoryStream::Read(void* Buffer, int64_t Count) {
  const int64_t Available = std::max<int64_t>(0, static_cast<int64_t>(FData.size()) - FPos);
  const int64_t n = std::clamp<int64_t>(Count, 0, Available);
  if (n > 0) std::memcpy(Buffer, FData.data() + FPos, static_cast<size_t>(n));
  FPos += n;
  return n;
}

int64_t TMemoryStream::Write(const void* Buffer, int64_t Count) {
  if (Count <= 0 || Count > INT64_MAX - FPos) return 0;
  if (FPos + Count > static_cast<int64_t>(FData.size()))
    FData.resize(static_cast<size_t>(FPos + Count));
  std::memcpy(FData.data() + FPos, Buffer, static_cast<size_t>(Count));
  FPos += Count;
  return Count;
}

int64_t TMemoryStream::Seek(int64_t Offset, TSeekOrigin Origin) {
  const int64_t Base =
      Origin == soBeginning ? 0 : (Origin == soCurrent ? FPos : static_cast<int64_t>(FData.size()));
  FPos = std::max<int64_t>(0, Base + Offset);
  return FPos;
}

void TMemoryStream::SetSize(int64_t NewSize) {
  FData.resize(static_cast<size_t>(std::max<int64_t>(0, NewSize)));
  FPos = std::min(FPos, static_cast<int64_t>(FData.size()));
}

void TMemoryStream::Clear() {
  FData.clear();
  FPos = 0;
}

TFileStream::TFileStream(const std::string& FileName, TFileMode Mode) : FFileName(FileName) {
  static constexpr const char* kModes[] = {"w+b", "rb", "r+b", "r+b"};
  FFile.reset(std::fopen(FileName.c_str(), kModes[Mode]));
  if (!FFile)
    throw EInOutError((Mode == fmCreate ? "Cannot create file \"" : "Cannot open file \"") +
                      FileName + "\"");
}

void TFileStream::SwitchDirection(bool Writing) {
  if (Writing != FLastWasWrite) std::fseek(FFile.get(), 0, SEEK_CUR);
  FLastWasWrite = Writing;
}

int64_t TFileStream::Read(void* Buffer, int64_t Count) {
  if (Count <= 0) return 0;
  SwitchDirection(false);
  return static_cast<int64_t>(std::fread(Buffer, 1, static_cast<size_t>(Count), FFile.get()));
}

int64_t TFileStream::Write(const void* Buffer, int64_t Count) {
  if (Count <= 0) return 0;
  SwitchDirection(true);
  return static_cast<int64_t>(std::fwrite(Buffer, 1, static_cast<size_t>(Count), FFile.get()));
}

int64_t TFileStream::Seek(int64_t Offset, TSeekOrigin Origin) {
  static constexpr int kWhence[] = {SEEK_SET, SEEK_CUR, SEEK_END};
  if (Origin != soCurrent || Offset != 0) {
    if (std::fseek(FFile.get(), static_cast<long>(Offset), kWhence[Origin]) != 0)
      std::fseek(FFile.get(), 0, SEEK_SET);
    FLastWasWrite = false;
  }
  return static_cast<int64_t>(std::ftell(FFile.get()));
}

bool ReadExactly(TStream& Stream, void* Buffer, int64_t Count) {
  const int64_t Got = Stream.Read(Buffer, Count);
  if (Got == Count) return true;
  Stream.Seek(-Got, soCurrent);
  return false;
}

void WriteExactly(TStream& Stream, const void* Buffer, int64_t Count) {
  if (Stream.Write(Buffer, Count) != Count) throw EInOutError("Stream write error");
}

void WriteExtendedToStream(TStream& Stream, long double Value) {
  std::array<uint8_t, sizeof(long double)> Bytes{};
  std::memcpy(Bytes.data(), &Value, kExtendedBytes);
  WriteExactly(Stream, Bytes.data(), kExtendedBytes);
}

bool ReadExtendedFromStream(TStream& Stream, long double& Value) {
  std::array<uint8_t, sizeof(long double)> Bytes{};
  if (!ReadExactly(Stream, Bytes.data(), kExtendedBytes)) return false;
  std::memcpy(&Value, Bytes.data(), sizeof(long double));
  return true;
}

void WriteLongintToStream(TStream& Stream, int32_t Value) {
  WriteExactly(Stream, &Value, sizeof Value);
}

bool ReadLongintFromStream(TStream& Stream, int32_t& Value) {
  int32_t Read = 0;
  if (!ReadExactly(Stream, &Read, sizeof Read)) return false;
  Value = Read;
  return true;
}

}  // namespace qor
