#include "qor/math1/number_text.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstring>
#include <limits>
#include <utility>

#include "qor/frame/errors.h"
#include "qor/frame/float_text.h"
#include "qor/math1/detail/text_scan.h"
#include "qor/math1/elementary.h"
#include "qor/math1/scanning.h"

namespace qor {
namespace {

static_assert(std::endian::native == std::endian::little,
              "the bit-pattern texts read the stored bytes of little-endian values");

constexpr std::string_view kDigits = "0123456789ABCDEF";
constexpr size_t kExtendedBytes = 10;  // the x87 format; the rest of a long double is padding

// Exactly NumDig digits (clamped into 1..MaxDigits) of the unsigned pattern, lowest digit last.
template <unsigned BitsPerDigit, unsigned MaxDigits>
std::string RadixText(int32_t Value, uint8_t NumDig) {
  const unsigned Count = std::clamp<unsigned>(NumDig, 1, MaxDigits);
  std::string Text(Count, '0');
  auto Pattern = static_cast<uint32_t>(Value);
  for (size_t i = Count; i-- > 0;) {
    Text[i] = kDigits[Pattern & ((1u << BitsPerDigit) - 1)];
    Pattern >>= BitsPerDigit;
  }
  return Text;
}

template <size_t Bytes, class T>
std::string BytesToHex(const T& x) {
  std::array<unsigned char, sizeof(T)> Raw{};
  std::memcpy(Raw.data(), &x, sizeof(T));
  std::string Text;
  Text.reserve(2 * Bytes);
  for (size_t i = Bytes; i-- > 0;) {
    Text += kDigits[Raw[i] >> 4];
    Text += kDigits[Raw[i] & 0xF];
  }
  return Text;
}

int HexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

template <class T, size_t Bytes>
T HexToBytes(std::string_view Text, std::string_view Routine) {
  const auto Invalid = [&] {
    RaiseRoutineError<EQORError>(Routine, "invalid hex string \"" + std::string(Text) + "\"");
  };
  if (Text.size() != 2 * Bytes) Invalid();
  std::array<unsigned char, sizeof(T)> Raw{};
  for (size_t i = 0; i < Bytes; ++i) {
    const int High = HexDigitValue(Text[2 * i]);
    const int Low = HexDigitValue(Text[2 * i + 1]);
    if (High < 0 || Low < 0) Invalid();
    Raw[Bytes - 1 - i] = static_cast<unsigned char>(High << 4 | Low);
  }
  T x;
  std::memcpy(&x, Raw.data(), sizeof(T));
  return x;
}

// The platform's exponential text: sign position, digit, point, digits, "E", sign, 4 digits.
constexpr size_t kExponentDigits = 4;

// Powers 1000^k for the engineering prefixes k = -6..4, as correctly rounded doubles.
constexpr int32_t kLowestPrefix = -6;
constexpr int32_t kHighestPrefix = 4;
constexpr std::array<double, 11> kThousandPowers = {1e-18, 1e-15, 1e-12, 1e-9, 1e-6, 1e-3,
                                                    1.0,   1e3,   1e6,   1e9,  1e12};
constexpr std::array<std::string_view, 11> kPrefixes = {"a", "f", "p", "n", "u", "m",
                                                        "",  "k", "M", "G", "T"};

constexpr std::array<std::pair<int32_t, std::string_view>, 13> kRomanSymbols = {{{1000, "M"},
                                                                                 {900, "CM"},
                                                                                 {500, "D"},
                                                                                 {400, "CD"},
                                                                                 {100, "C"},
                                                                                 {90, "XC"},
                                                                                 {50, "L"},
                                                                                 {40, "XL"},
                                                                                 {10, "X"},
                                                                                 {9, "IX"},
                                                                                 {5, "V"},
                                                                                 {4, "IV"},
                                                                                 {1, "I"}}};
constexpr int32_t kRomanLimit = 30000;

}  // namespace

std::string Decimal(int32_t Value, uint8_t NumDig) {
  const unsigned Count = std::max<unsigned>(NumDig, 1);
  uint32_t Magnitude = Value < 0 ? 0u - static_cast<uint32_t>(Value) : static_cast<uint32_t>(Value);
  std::string Text(Count, '0');
  for (size_t i = Count; i-- > 0 && Magnitude != 0;) {
    Text[i] = kDigits[Magnitude % 10];
    Magnitude /= 10;
  }
  if (Value < 0) Text.insert(0, 1, '-');
  return Text;
}

std::string Hex(int32_t Value, uint8_t NumDig) { return RadixText<4, 8>(Value, NumDig); }
std::string Octal(int32_t Value, uint8_t NumDig) { return RadixText<3, 11>(Value, NumDig); }
std::string Bin(int32_t Value, uint8_t NumDig) { return RadixText<1, 32>(Value, NumDig); }

std::string FPNumToHex(double x) { return BytesToHex<sizeof(double)>(x); }
std::string FPNumToHex(long double x) { return BytesToHex<kExtendedBytes>(x); }
std::string FPNumToHex(float x) { return BytesToHex<sizeof(float)>(x); }

double HexToDouble(std::string_view Text) {
  return HexToBytes<double, sizeof(double)>(Text, "HexToDouble");
}
long double HexToExtended(std::string_view Text) {
  return HexToBytes<long double, kExtendedBytes>(Text, "HexToExtended");
}
float HexToSingle(std::string_view Text) {
  return HexToBytes<float, sizeof(float)>(Text, "HexToSingle");
}

std::string strf(double x, int32_t W, int32_t D) {
  if (D != -2 || !std::isfinite(x)) return StrFloat(x, W, D);
  std::string Text = StrFloat(x, W > std::numeric_limits<int32_t>::max() - 2 ? W : W + 2, -1);
  const size_t FirstExponentDigit = Text.find('E') + 2;
  if (Text.size() - FirstExponentDigit == kExponentDigits) {
    const bool Overflow = Text.compare(FirstExponentDigit, 2, "00") != 0;
    Text.erase(FirstExponentDigit, 2);
    if (Overflow) Text.assign(Text.size(), '*');
  }
  return Text;
}

std::string MakeEFormat(double x, int32_t Width, int32_t NumDig) {
  NumDig = std::clamp(NumDig, 2, 15);
  Width = std::clamp(Width, 8, 40);
  if (!std::isfinite(x)) return StrFloat(x, Width, -1);
  const std::string Text = StrFloat(x, NumDig + 8, -1);  // "s" "d" "." NumDig-1 digits "E+dddd"
  std::string Result;
  Result += Text[0];
  Result += "0.";
  Result += Text[1];
  Result.append(Text, 3, static_cast<size_t>(NumDig - 1));
  Result += 'E';
  const size_t Sign = Text.find('E') + 1;
  const int32_t LastTwo = (Text[Text.size() - 2] - '0') * 10 + (Text[Text.size() - 1] - '0');
  int32_t Exponent = Text[Sign] == '-' ? -LastTwo : LastTwo;
  if (x != 0) ++Exponent;
  Result += Exponent < 0 ? '-' : '+';
  const int32_t Magnitude = std::abs(Exponent);
  if (Magnitude < 10) Result += '0';
  Result += std::to_string(Magnitude);
  if (static_cast<int32_t>(Result.size()) < Width)
    Result.insert(0, static_cast<size_t>(Width) - Result.size(), ' ');
  return Result;
}

std::string EEngStr(double x, int32_t Precision) {
  const int32_t p = std::clamp(Precision, -9, 9);
  const int32_t g = p >= 2 ? p - 1 : (p <= -2 ? p + 1 : 0);
  const int32_t D = std::abs(g);
  if (x == 0 || !std::isfinite(x)) return strff(x, 1, D);
  const bool Negative = x < 0;
  x = std::abs(x);
  const double Lg = lg(x);
  const auto e = static_cast<int32_t>(std::floor(Lg));
  const int32_t k =
      std::clamp(static_cast<int32_t>(std::floor(Lg / 3)), kLowestPrefix, kHighestPrefix);
  const int32_t Decimals = std::max(D - (e - 3 * k), 0);
  const size_t Slot = static_cast<size_t>(k - kLowestPrefix);
  std::string Text = strff(x / kThousandPowers[Slot], 1, Decimals);
  if (k != 0) {
    const size_t Point = Text.find('.');
    if (p <= -2 && Point != std::string::npos)
      Text.replace(Point, 1, kPrefixes[Slot]);
    else
      Text += kPrefixes[Slot];
  }
  if (Negative) Text.insert(0, 1, '-');
  return Text;
}

std::string Roman(int32_t Value) {
  std::string Text;
  if (Value < 1 || Value >= kRomanLimit) return Text;
  for (const auto& [Amount, Letters] : kRomanSymbols) {
    while (Value >= Amount) {
      Text += Letters;
      Value -= Amount;
    }
  }
  return Text;
}

int32_t StrToIntDefault(std::string_view Text, int32_t Default) {
  int32_t Position = 0;
  const int32_t Value = ScanDecimal(Text, Position);
  return Position > 0 && detail::OnlyBlanksFrom(Text, Position) ? Value : Default;
}

}  // namespace qor
