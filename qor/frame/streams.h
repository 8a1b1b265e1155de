// Binary streams of the platform (TStream, TMemoryStream, TFileStream) and the base library's
// readers and writers of single values on them.
//
// A stream is a sequence of bytes with a position (0-based byte offset). Read returns how many
// bytes it could deliver, fewer at the end of the data, and never moves past the end. An 80-bit
// extended value is stored as its 10 x87 bytes in little-endian order (the 64-bit significand,
// then sign and exponent); a longint as 4 little-endian bytes of two's complement. The value
// readers return false when fewer bytes remain than the value needs; they then leave the
// stream position and the value unchanged; a write that the stream cannot take raises
// EInOutError "Stream write error". Opening a file stream that cannot be opened raises
// EInOutError "Cannot open file \"name\"" (or "Cannot create file \"name\"").
#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace qor {

enum TSeekOrigin : uint8_t { soBeginning, soCurrent, soEnd };

// fmCreate makes a new empty file (or empties an existing one) for reading and writing;
// fmOpenRead, fmOpenWrite and fmOpenReadWrite open an existing file without emptying it.
enum TFileMode : uint8_t { fmCreate, fmOpenRead, fmOpenWrite, fmOpenReadWrite };

class TStream {
 public:
  virtual ~TStream() = default;

  // Copies up to Count bytes into Buffer; returns the number copied.
  virtual int64_t Read(void* Buffer, int64_t Count) = 0;
  // Writes Count bytes at the position, growing the stream as needed; returns the number
  // written.
  virtual int64_t Write(const void* Buffer, int64_t Count) = 0;
  // Moves the position (clamped at 0) and returns the new one.
  virtual int64_t Seek(int64_t Offset, TSeekOrigin Origin) = 0;

  int64_t Position() { return Seek(0, soCurrent); }
  void SetPosition(int64_t Pos) { Seek(Pos, soBeginning); }
  int64_t Size();
};

class TMemoryStream : public TStream {
 public:
  int64_t Read(void* Buffer, int64_t Count) override;
  int64_t Write(const void* Buffer, int64_t Count) override;
  int64_t Seek(int64_t Offset, TSeekOrigin Origin) override;

  // Resizes the data (new bytes are zero); the position stays within it.
  void SetSize(int64_t NewSize);
  void Clear();
  const std::vector<uint8_t>& Memory() const { return FData; }

 private:
  std::vector<uint8_t> FData;
  int64_t FPos = 0;
};

class TFileStream : public TStream {
 public:
  TFileStream(const std::string& FileName, TFileMode Mode);

  int64_t Read(void* Buffer, int64_t Count) override;
  int64_t Write(const void* Buffer, int64_t Count) override;
  int64_t Seek(int64_t Offset, TSeekOrigin Origin) override;

  const std::string& FileName() const { return FFileName; }

 private:
  struct TFileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
  };
  // The C library needs a seek between a read and a following write (and vice versa).
  void SwitchDirection(bool Writing);

  std::unique_ptr<std::FILE, TFileCloser> FFile;
  std::string FFileName;
  bool FLastWasWrite = false;
};

void WriteExtendedToStream(TStream& Stream, long double Value);
bool ReadExtendedFromStream(TStream& Stream, long double& Value);
void WriteLongintToStream(TStream& Stream, int32_t Value);
bool ReadLongintFromStream(TStream& Stream, int32_t& Value);

// Reads exactly Count bytes or, when fewer remain, none (the position is restored).
bool ReadExactly(TStream& Stream, void* Buffer, int64_t Count);
// Writes Count bytes; raises EInOutError "Stream write error" when the stream takes fewer.
void WriteExactly(TStream& Stream, const void* Buffer, int64_t Count);

}  // namespace qor
