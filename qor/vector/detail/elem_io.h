// Element conversions of the vector files and streams, one overload per element type.
//
// Text: a whole word as a decimal number ("." as separator, optional sign and exponent, also
// "Inf" and "Nan" as the number writers produce them); integer elements take the nearest
// integer, halves to even, and refuse values outside the 32-bit range. Streams: double
// elements travel as 80-bit extended numbers, integers as 32-bit integers; the range bounds of
// a stream travel in the element's form, so a double vector's bounds are rounded back.
#pragma once

#include <charconv>
#include <cmath>
#include <cstdint>
#include <string_view>

#include "qor/frame/streams.h"

namespace qor::detail {

inline bool WordToElem(std::string_view Word, double& x) {
  if (Word.size() > 1 && Word.front() == '+' && Word[1] != '-') Word.remove_prefix(1);
  double Value = 0;
  const auto [End, Error] = std::from_chars(Word.data(), Word.data() + Word.size(), Value);
  if (Word.empty() || Error != std::errc() || End != Word.data() + Word.size()) return false;
  x = Value;
  return true;
}

// The nearest integer, halves to even; false for NaN and values outside the 32-bit range.
inline bool RoundToInt32(long double Value, int32_t& x) {
  const long double Rounded = std::nearbyint(Value);
  if (!(Rounded >= INT32_MIN && Rounded <= INT32_MAX)) return false;
  x = static_cast<int32_t>(Rounded);
  return true;
}

inline bool WordToElem(std::string_view Word, int32_t& x) {
  double Value = 0;
  return WordToElem(Word, Value) && RoundToInt32(Value, x);
}

inline void WriteElemToStream(TStream& Stream, double x) { WriteExtendedToStream(Stream, x); }
inline void WriteElemToStream(TStream& Stream, int32_t x) { WriteLongintToStream(Stream, x); }

inline bool ReadElemFromStream(TStream& Stream, double& x) {
  long double Value = 0;
  if (!ReadExtendedFromStream(Stream, Value)) return false;
  x = static_cast<double>(Value);
  return true;
}
inline bool ReadElemFromStream(TStream& Stream, int32_t& x) {
  return ReadLongintFromStream(Stream, x);
}

template <class T>
void WriteIndexToStream(TStream& Stream, int32_t ix) {
  WriteElemToStream(Stream, static_cast<T>(ix));
}

template <class T>
bool ReadIndexFromStream(TStream& Stream, int32_t& ix);

template <>
inline bool ReadIndexFromStream<double>(TStream& Stream, int32_t& ix) {
  long double Value = 0;
  return ReadExtendedFromStream(Stream, Value) && RoundToInt32(Value, ix);
}
template <>
inline bool ReadIndexFromStream<int32_t>(TStream& Stream, int32_t& ix) {
  return ReadLongintFromStream(Stream, ix);
}

}  // namespace qor::detail
