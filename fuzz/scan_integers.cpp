// ScanHex, ScanOctal, ScanBin and ScanDecimal over arbitrary text from every start position: a
// read stops at the first character that cannot extend the number, the value has the digits
// read (written back by Hex, Octal, Bin or Decimal), the IsValid routine accepts exactly the
// texts a Scan reads whole, and StrToIntDefault agrees with IsValidDecInt and ScanDecimal.
#include <string>

#include "qor/math1/number_text.h"
#include "qor/math1/scanning.h"
#include "scan_input.h"

namespace {

using namespace qor;

struct TRadix {
  int32_t (*Scan)(std::string_view, int32_t&);
  bool (*IsValid)(std::string_view);
  std::string (*Write)(int32_t, uint8_t);
  uint8_t MaxDigits;
  std::string_view Digits;
  bool Signed;
};

constexpr TRadix kRadixes[] = {
    {ScanHex, IsValidHex, Hex, 8, "0123456789ABCDEFabcdef", false},
    {ScanOctal, IsValidOct, Octal, 11, "01234567", false},
    {ScanBin, IsValidBin, Bin, 32, "01", false},
    {ScanDecimal, IsValidDecInt, Decimal, 10, "0123456789", true},
};

std::string Upper(std::string_view Text) {
  std::string Result(Text);
  for (char& c : Result)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return Result;
}

std::string_view WithoutLeadingZeros(std::string_view Digits) {
  const size_t First = Digits.find_first_not_of('0');
  return First == std::string_view::npos ? "0" : Digits.substr(First);
}

std::string_view TrimBlanks(std::string_view Text) {
  const size_t First = Text.find_first_not_of(" \t");
  if (First == std::string_view::npos) return {};
  return Text.substr(First, Text.find_last_not_of(" \t") - First + 1);
}

void CheckRadix(const TRadix& Radix, std::string_view Text, int32_t Start) {
  int32_t Position = Start;
  const int32_t Value = Radix.Scan(Text, Position);
  if (fuzz::ScanMoved(Value, Start, Position, Text)) {
    const auto End = static_cast<size_t>(Position);
    fuzz::Check(End == Text.size() || Radix.Digits.find(Text[End]) == std::string_view::npos);
    std::string_view Item = TrimBlanks(Text.substr(static_cast<size_t>(Start), End - Start));
    const bool Negative = !Item.empty() && Item[0] == '-';
    if (Radix.Signed) {
      fuzz::Check(Value >= 0 || Negative);
      fuzz::Check(Value <= 0 || !Negative);
      if (!Item.empty() && (Item[0] == '+' || Item[0] == '-')) Item.remove_prefix(1);
    }
    std::string Written = Radix.Write(Value, Radix.MaxDigits);
    if (Written[0] == '-') Written.erase(0, 1);
    fuzz::Check(WithoutLeadingZeros(Upper(Item)) == WithoutLeadingZeros(Written));

    const std::string_view Read = Text.substr(static_cast<size_t>(Start), End - Start);
    fuzz::Check(Radix.IsValid(Read));
    int32_t Again = 0;
    fuzz::Check(Radix.Scan(Radix.Write(Value, Radix.MaxDigits), Again) == Value);
  }

  int32_t Whole = 0;
  const int32_t WholeValue = Radix.Scan(Text, Whole);
  const bool ReadsAll = Whole > 0 && TrimBlanks(Text.substr(static_cast<size_t>(Whole))).empty();
  fuzz::Check(Radix.IsValid(Text) == ReadsAll);
  if (Radix.Signed) {
    const int32_t Fallback = IsValidDecInt(Text) ? WholeValue : 7;
    fuzz::Check(StrToIntDefault(Text, 7) == Fallback);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  const qor::fuzz::TScanInput Input = qor::fuzz::SplitScanInput(Data, Size);
  for (const TRadix& Radix : kRadixes) CheckRadix(Radix, Input.Text, Input.StartPosition());
  return 0;
}
