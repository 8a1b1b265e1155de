// Shared by the harnesses: a failed invariant aborts, which libFuzzer reports as a crash with
// the input that caused it.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace qor::fuzz {

inline void Check(bool Condition) {
  if (!Condition) std::abort();
}

inline std::string_view AsText(const uint8_t* Data, size_t Size) {
  return {reinterpret_cast<const char*>(Data), Size};
}

}  // namespace qor::fuzz
