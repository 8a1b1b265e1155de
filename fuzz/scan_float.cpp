// ScanFPNum, IsValidDouble and IsValidFPNum over arbitrary text: a read stays within its field
// and gives the value the C library reads from the same characters, a fixed field reads as the
// text cut after it, every value read (and every double made of the input's bytes) is read
// back bit for bit from the 17 digits StrFloat writes for it, and the validators accept
// exactly the texts a whole read takes, the comma and point separators alike.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>

#include "qor/frame/float_text.h"
#include "qor/math1/scanning.h"
#include "scan_input.h"

namespace {

using namespace qor;

// Exponential text with 1 + 16 significant digits, which identify a double uniquely.
constexpr int32_t kRoundTripWidth = 9 + 16;

bool SameValue(double a, double b) { return a == b || (std::isnan(a) && std::isnan(b)); }

void CheckRoundTrip(double x) {
  const std::string Text = StrFloat(x, kRoundTripWidth, -1);
  int32_t Position = 0;
  const double Back = ScanFPNum(Text, true, 0, Position);
  fuzz::Check(static_cast<size_t>(Position) == Text.size() && SameValue(Back, x));
}

bool ReadsWhole(std::string_view Text, double& Value) {
  int32_t Position = 0;
  Value = ScanFPNum(Text, true, 0, Position);
  return Position > 0 &&
         Text.find_first_not_of(" \t", static_cast<size_t>(Position)) == std::string_view::npos;
}

void CheckValidators(std::string_view Text) {
  for (const bool AllowExponent : {false, true}) {
    const bool Point = IsValidDouble(Text, AllowExponent, dpsPoint);
    const bool Comma = IsValidDouble(Text, AllowExponent, dpsComma);
    fuzz::Check(IsValidDouble(Text, AllowExponent, dpsBoth) == (Point || Comma));
    if (AllowExponent) continue;
    for (const TDecPSep Separator : {dpsPoint, dpsComma, dpsBoth})
      fuzz::Check(!IsValidDouble(Text, false, Separator) || IsValidDouble(Text, true, Separator));
  }
  const bool Point = IsValidFPNum(Text, dpsPoint);
  const bool Comma = IsValidFPNum(Text, dpsComma);
  fuzz::Check(IsValidFPNum(Text, dpsBoth) == (Point || Comma));
  for (const TDecPSep Separator : {dpsPoint, dpsComma, dpsBoth})
    fuzz::Check(!IsValidDouble(Text, true, Separator) || IsValidFPNum(Text, Separator));

  double Value = 0;
  fuzz::Check(Point == ReadsWhole(Text, Value));
  if (Point) fuzz::Check(IsValidDouble(Text, true, dpsPoint) == std::isfinite(Value));

  if (IsValidDouble(Text, true, dpsComma)) {
    std::string WithPoint(Text);
    std::replace(WithPoint.begin(), WithPoint.end(), ',', '.');
    fuzz::Check(IsValidDouble(WithPoint, true, dpsPoint));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  const fuzz::TScanInput Input = fuzz::SplitScanInput(Data, Size);
  const std::string_view Text = Input.Text;
  const bool AllowExponent = Input.Flags & 1;
  const int32_t FieldWidth = Input.Flags >> 1;
  const int32_t Start = Input.StartPosition();

  int32_t Position = Start;
  const double Value = ScanFPNum(Text, AllowExponent, FieldWidth, Position);
  if (fuzz::ScanMoved(Value, Start, Position, Text)) {
    const auto Read =
        Text.substr(static_cast<size_t>(Start), static_cast<size_t>(Position - Start));
    if (!AllowExponent) fuzz::Check(Read.find_first_of("Ee") == std::string_view::npos);
    if (std::isfinite(Value)) {
      const std::string Item(Read);
      fuzz::Check(std::strtod(Item.c_str(), nullptr) == Value);
    }
    if (FieldWidth > 0) {
      fuzz::Check(Position - Start <= FieldWidth);
      int32_t Cut = Start;
      const double FromCut =
          ScanFPNum(Text.substr(0, static_cast<size_t>(Start + FieldWidth)), AllowExponent, 0, Cut);
      fuzz::Check(Cut == Position && SameValue(FromCut, Value));
    }
    CheckRoundTrip(Value);
  }
  if (Text.size() >= sizeof(double)) {
    double Bits = 0;
    std::memcpy(&Bits, Text.data(), sizeof(double));
    CheckRoundTrip(Bits);
  }
  CheckValidators(Text);
  return 0;
}
