// TMixedFStream: a file stream holding binary values and text lines in one sequence, read back
// in the order they were written.
//
// Encodings: a byte as itself; an integer as 4 little-endian bytes (two's complement); a double
// as its 8 IEEE 754 bytes, little-endian; a text line as its UTF-8 bytes followed by LF (a
// line must not contain LF itself; a CR before the LF is dropped on reading). Reads report
// success through their flag; at the end of the data they return 0 or an empty text, leave
// the position unchanged and set the flag false. A last line without LF reads as a line.
// Opening raises EInOutError as TFileStream does; a failed write raises EInOutError.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "qor/frame/streams.h"

namespace qor {

class TMixedFStream : public TFileStream {
 public:
  TMixedFStream(const std::string& FileName, TFileMode Mode) : TFileStream(FileName, Mode) {}

  void WriteByte(uint8_t Value);
  void WriteInteger(int32_t Value);
  void WriteDouble(double Value);
  void WriteLn(std::string_view Line);

  uint8_t ReadByte(bool& Success);
  int32_t ReadInteger(bool& Success);
  double ReadDouble(bool& Success);
  std::string ReadLn(bool& Success);
};

}  // namespace qor
