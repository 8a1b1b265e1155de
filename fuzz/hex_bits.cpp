// HexToDouble, HexToExtended and HexToSingle over arbitrary text (the first byte picks the
// routine): a text of the right length made of hexadecimal digits reads as the value that
// FPNumToHex writes back as the same text in upper case, any other text raises EQORError with
// the routine's message and nothing else escapes; values made of the input's bytes round-trip
// through FPNumToHex bit for bit.
#include <cstring>
#include <string>

#include "fuzz_check.h"
#include "qor/frame/errors.h"
#include "qor/math1/number_text.h"

namespace {

using namespace qor;

template <class T>
struct TBitsReader;
template <>
struct TBitsReader<double> {
  static constexpr std::string_view Name = "HexToDouble";
  static constexpr size_t Bytes = 8;
  static double Read(std::string_view Text) { return HexToDouble(Text); }
};
template <>
struct TBitsReader<long double> {
  static constexpr std::string_view Name = "HexToExtended";
  static constexpr size_t Bytes = 10;
  static long double Read(std::string_view Text) { return HexToExtended(Text); }
};
template <>
struct TBitsReader<float> {
  static constexpr std::string_view Name = "HexToSingle";
  static constexpr size_t Bytes = 4;
  static float Read(std::string_view Text) { return HexToSingle(Text); }
};

bool IsHexText(std::string_view Text, size_t Digits) {
  return Text.size() == Digits &&
         Text.find_first_not_of("0123456789ABCDEFabcdef") == std::string_view::npos;
}

std::string Upper(std::string_view Text) {
  std::string Result(Text);
  for (char& c : Result)
    if (c >= 'a' && c <= 'f') c = static_cast<char>(c - 'a' + 'A');
  return Result;
}

template <class T>
void CheckText(std::string_view Text) {
  using Reader = TBitsReader<T>;
  const bool Valid = IsHexText(Text, 2 * Reader::Bytes);
  try {
    const T x = Reader::Read(Text);
    fuzz::Check(Valid && FPNumToHex(x) == Upper(Text));
  } catch (const EQORError& e) {
    // what() is a C string: a text holding NUL shows up to its first NUL only.
    const std::string Message =
        std::string(Reader::Name) + ": invalid hex string \"" + std::string(Text) + "\"";
    fuzz::Check(!Valid && e.what() == std::string(Message.c_str()));
  }
}

template <class T>
void CheckBytes(std::string_view Text) {
  using Reader = TBitsReader<T>;
  if (Text.size() < Reader::Bytes) return;
  T x{};
  std::memcpy(&x, Text.data(), Reader::Bytes);
  const T Back = Reader::Read(FPNumToHex(x));
  fuzz::Check(std::memcmp(&Back, &x, Reader::Bytes) == 0);
}

template <class T>
void CheckReader(std::string_view Text) {
  CheckText<T>(Text);
  CheckBytes<T>(Text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  if (Size == 0) return 0;
  const std::string_view Text = fuzz::AsText(Data + 1, Size - 1);
  switch (Data[0] % 3) {
    case 0:
      CheckReader<double>(Text);
      break;
    case 1:
      CheckReader<long double>(Text);
      break;
    default:
      CheckReader<float>(Text);
  }
  return 0;
}
