#include "qor/frame/mixed_fstream.h"

namespace qor {
namespace {

template <class T>
T ReadValue(TStream& Stream, bool& Success) {
  T Value{};
  Success = ReadExactly(Stream, &Value, sizeof Value);
  return Success ? Value : T{};
}

}  // namespace

void TMixedFStream::WriteByte(uint8_t Value) { WriteExactly(*this, &Value, sizeof Value); }

void TMixedFStream::WriteInteger(int32_t Value) { WriteExactly(*this, &Value, sizeof Value); }

void TMixedFStream::WriteDouble(double Value) { WriteExactly(*this, &Value, sizeof Value); }

void TMixedFStream::WriteLn(std::string_view Line) {
  WriteExactly(*this, Line.data(), static_cast<int64_t>(Line.size()));
  WriteByte('\n');
}

uint8_t TMixedFStream::ReadByte(bool& Success) { return ReadValue<uint8_t>(*this, Success); }

int32_t TMixedFStream::ReadInteger(bool& Success) { return ReadValue<int32_t>(*this, Success); }

double TMixedFStream::ReadDouble(bool& Success) { return ReadValue<double>(*this, Success); }

std::string TMixedFStream::ReadLn(bool& Success) {
  std::string Line;
  char c = 0;
  Success = false;
  while (Read(&c, 1) == 1) {
    Success = true;
    if (c == '\n') break;
    Line.push_back(c);
  }
  if (!Line.empty() && Line.back() == '\r') Line.pop_back();
  return Line;
}

}  // namespace qor
