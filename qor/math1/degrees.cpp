#include "qor/math1/degrees.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>

#include "qor/frame/errors.h"
#include "qor/frame/float_text.h"

namespace qor {
namespace {

constexpr std::string_view kDegreeSign = "\xC2\xB0";
constexpr int32_t kMaxDecimals = 8;
constexpr std::array<long double, kMaxDecimals + 1> kPowersOfTen = {1,   1e1, 1e2, 1e3, 1e4,
                                                                    1e5, 1e6, 1e7, 1e8};
// Parts this close to a whole number are taken as that number, so that 12.5 degrees shows
// 30 minutes rather than 29.99999999999.
constexpr double kSnapTolerance = 3e-12;
constexpr double kSixty = 60;

long double RoundHalfAway(long double x, int32_t Decimals) {
  const long double Scale = kPowersOfTen[static_cast<size_t>(Decimals)];
  return std::trunc(x * Scale + (x < 0 ? -0.5L : 0.5L)) / Scale;
}

double SnapToWhole(double x) {
  const double Nearest = std::round(x);
  return std::abs(x - Nearest) < kSnapTolerance ? Nearest : x;
}

double Frac(double x) { return x - std::trunc(x); }

// The truncated degrees; a negative angle of less than one degree still shows its sign.
std::string WholeDegrees(double d) {
  const double Whole = std::trunc(d);
  return d < 0 && Whole == 0 ? "-0" : strff(Whole, 1, 0);
}

std::string DegMin(double Angle, int32_t Decimals) {
  const double d = SnapToWhole(static_cast<double>(RoundHalfAway(Angle * 60.0L, Decimals) / 60));
  const double Minutes = Frac(std::abs(d)) * kSixty;
  return WholeDegrees(d) + std::string(kDegreeSign) + " " + strff(Minutes, Decimals + 3, Decimals) +
         "'";
}

std::string DegMinSec(double Angle, int32_t Decimals) {
  const double d =
      SnapToWhole(static_cast<double>(RoundHalfAway(Angle * 3600.0L, Decimals) / 3600));
  const double Minutes = SnapToWhole(Frac(std::abs(d)) * kSixty);
  return WholeDegrees(d) + std::string(kDegreeSign) + " " + strff(std::trunc(Minutes), 2, 0) +
         "' " + strff(Frac(Minutes) * kSixty, Decimals + 3, Decimals) + "\"";
}

}  // namespace

std::string DegreeToStr(double Angle, TDegreeFormat Format, int32_t Decimals) {
  Decimals = std::clamp(Decimals, 0, kMaxDecimals);
  if (Format == dfNumber) return strff(Angle, 1, Decimals);
  if (Format > dfNumber) return "";
  if (Format == dfDecimal || !std::isfinite(Angle))
    return strff(Angle, 1, Decimals) + std::string(kDegreeSign);
  return Format == dfDegMin ? DegMin(Angle, Decimals) : DegMinSec(Angle, Decimals);
}

void ConvertDegrees(double& Deg, double& Min, double& Sec, TDegreeFormat SourceFormat,
                    TDegreeFormat TargetFormat) {
  if (!(Min >= 0 && Min <= kSixty))
    RaiseRoutineError<EQORMath1Error>("ConvertDegrees", "invalid range of minutes");
  if (!(Sec >= 0 && Sec <= kSixty))
    RaiseRoutineError<EQORMath1Error>("ConvertDegrees", "invalid range of seconds");
  if (TargetFormat == dfDecimal) {
    if (SourceFormat == dfDegMin)
      Deg = std::trunc(Deg) + Min / kSixty;
    else if (SourceFormat == dfDegMinSec)
      Deg = std::trunc(Deg) + std::trunc(Min) / kSixty + Sec / (kSixty * kSixty);
    else if (SourceFormat != dfDecimal)
      return;
    Min = 0;
    Sec = 0;
  } else if (TargetFormat == dfDegMin) {
    if (SourceFormat == dfDecimal) {
      Min = Frac(std::abs(Deg)) * kSixty;
      Deg = std::trunc(Deg);
    } else if (SourceFormat == dfDegMinSec) {
      Min = Min + Sec / kSixty;
    } else if (SourceFormat != dfDegMin) {
      return;
    }
    Sec = 0;
  } else if (TargetFormat == dfDegMinSec) {
    if (SourceFormat == dfDecimal) {
      const double t = Frac(std::abs(Deg)) * kSixty;
      Deg = std::trunc(Deg);
      Min = std::trunc(t);
      Sec = Frac(std::abs(t)) * kSixty;
    } else if (SourceFormat == dfDegMin) {
      Sec = Frac(std::abs(Min)) * kSixty;
      Min = std::trunc(Min);
    }
  }
}

}  // namespace qor
