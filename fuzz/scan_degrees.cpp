// ScanDegrees over arbitrary text: a read reports the format it saw (a plain number only when
// no degree sign is required), decimal degrees are what the C library reads from the same
// characters, and what DegreeToStr writes, for every angle read and every angle made of the
// input's bytes, reads back in the format written to within half a unit of the last decimal
// written.
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>

#include "qor/math1/degrees.h"
#include "qor/math1/scanning.h"
#include "scan_input.h"

namespace {

using namespace qor;

constexpr double kEps = std::numeric_limits<double>::epsilon();
// DegreeToStr takes parts within this of a whole number as that number.
constexpr double kSnapTolerance = 3e-12;
constexpr int32_t kMaxDecimals = 8;

// Degrees per unit of the last written place: degrees, minutes or seconds.
double UnitInDegrees(TDegreeFormat Format) {
  return Format == dfDegMin ? 1.0 / 60 : Format == dfDegMinSec ? 1.0 / 3600 : 1.0;
}

void CheckRoundTrip(double Angle, TDegreeFormat Format, int32_t Decimals) {
  if (!std::isfinite(Angle)) return;
  const std::string Text = DegreeToStr(Angle, Format, Decimals);
  int32_t Position = 0;
  int32_t FormatRead = -1;
  const double Back = ScanDegrees(Text, Position, Format != dfNumber, FormatRead);
  fuzz::Check(static_cast<size_t>(Position) == Text.size() && FormatRead == Format);
  const double HalfLastPlace = 0.5 * std::pow(10.0, -Decimals) * UnitInDegrees(Format);
  const double Tolerance = HalfLastPlace + kSnapTolerance + 8 * kEps * std::abs(Angle);
  fuzz::Check(std::abs(Back - Angle) <= Tolerance);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  const fuzz::TScanInput Input = fuzz::SplitScanInput(Data, Size);
  const std::string_view Text = Input.Text;
  const bool RequireDegreeSign = Input.Flags & 1;
  const int32_t Decimals = (Input.Flags >> 1) % (kMaxDecimals + 1);
  const int32_t Start = Input.StartPosition();

  int32_t Position = Start;
  int32_t Format = 0;
  const double Angle = ScanDegrees(Text, Position, RequireDegreeSign, Format);
  if (fuzz::ScanMoved(Angle, Start, Position, Text)) {
    fuzz::Check(Format >= dfDecimal && Format <= dfNumber);
    fuzz::Check(Format != dfNumber || !RequireDegreeSign);
    if (Format == dfNumber || Format == dfDecimal) {
      const std::string Read(
          Text.substr(static_cast<size_t>(Start), static_cast<size_t>(Position - Start)));
      fuzz::Check(std::strtod(Read.c_str(), nullptr) == Angle);
    }
    CheckRoundTrip(Angle, static_cast<TDegreeFormat>(Format), kMaxDecimals);
  } else {
    fuzz::Check(Format == -1);
  }
  if (Text.size() >= sizeof(double)) {
    double Bits = 0;
    std::memcpy(&Bits, Text.data(), sizeof(double));
    for (const TDegreeFormat Written : {dfDecimal, dfDegMin, dfDegMinSec, dfNumber})
      CheckRoundTrip(Bits, Written, Decimals);
  }
  return 0;
}
