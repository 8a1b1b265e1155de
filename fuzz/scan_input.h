// Shared by the math1 scanner harnesses: the first input byte picks the start position, the
// second carries the harness's option flags, the rest is the text. Start positions run from -1 to
// one past the end so that the rejected positions on either side are exercised as well as every
// valid one.
#pragma once

#include <cstdint>
#include <string_view>

#include "fuzz_check.h"

namespace qor::fuzz {

struct TScanInput {
  uint8_t Start = 0;
  uint8_t Flags = 0;
  std::string_view Text;

  int32_t StartPosition() const { return static_cast<int32_t>(Start % (Text.size() + 3)) - 1; }
};

inline TScanInput SplitScanInput(const uint8_t* Data, size_t Size) {
  if (Size < 2) return {};
  return {Data[0], Data[1], AsText(Data + 2, Size - 2)};
}

// A Scan call either moves Position forward within the text, or leaves it and returns zero.
template <class T>
bool ScanMoved(T Value, int32_t Before, int32_t After, std::string_view Text) {
  if (After == Before) {
    Check(Value == T{});
    return false;
  }
  Check(Before >= 0 && After > Before && static_cast<size_t>(After) <= Text.size());
  return true;
}

}  // namespace qor::fuzz
