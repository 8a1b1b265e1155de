#include "qor/math1/scaling.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <numbers>
#include <span>

#include "qor/math1/detail/checked_log.h"
#include "qor/math1/elementary.h"

namespace qor {
namespace {

using TMantissaRule = double (*)(double m);

double NearestInSeries(double m) { return m < 1.5 ? 1 : m < 3 ? 2 : m < 8 ? 5 : 10; }
double SeriesAtOrAbove(double m) { return m > 5 ? 10 : m > 2 ? 5 : m > 1 ? 2 : 1; }
double SeriesAtOrBelow(double m) { return m < 2 ? 1 : m < 5 ? 2 : m < 10 ? 5 : 10; }

// v * 10^n with a single rounding while 10^|n| is exact (|n| <= 22); steps through 10^308 so
// that the subnormal and near-overflow decades do not overflow the power itself.
double Scale10(double v, int n) {
  constexpr int kLargestFinitePower = 308;
  if (n > kLargestFinitePower) return Scale10(v * 1e308, n - kLargestFinitePower);
  if (n < -kLargestFinitePower) return Scale10(v / 1e308, n + kLargestFinitePower);
  return n >= 0 ? v * std::pow(10.0, n) : v / std::pow(10.0, -n);
}

double RoundToSeries(double x, TMantissaRule Rule) {
  if (x == 0 || !std::isfinite(x)) return x;
  const double Magnitude = std::abs(x);
  double e = lg(Magnitude);
  const double NearestInteger = std::nearbyint(e);
  if (std::abs(e - NearestInteger) < 1e-14) e = NearestInteger;
  const int k = static_cast<int>(std::floor(e));
  const double m = Scale10(Magnitude, -k);
  return std::copysign(Scale10(Rule(m), k), x);
}

constexpr long double kLg2 = 0.301029995663981195213738894724493027L;
constexpr long double kLg5 = 0.698970004336018804786261105275506973L;
constexpr long double kClassTolerance = 1e-10L;

long double LgExtended(long double x) {
  return detail::CheckedLn(x) / std::numbers::ln10_v<long double>;
}

constexpr std::array<int32_t, 12> kAngleSteps = {1, 2, 3, 5, 10, 15, 20, 30, 60, 90, 180, 360};
constexpr std::size_t kStepsBelowSixty = 9;

// Among the first NumSteps entries, the smallest with entry / Unit >= v (capped at the last)
// or the largest with entry / Unit <= v (at least the first).
int32_t AngleStep(double v, std::size_t NumSteps, double Unit, bool RoundUp) {
  const auto Steps = std::span(kAngleSteps).first(NumSteps);
  if (RoundUp) {
    for (const int32_t Step : Steps)
      if (Step / Unit >= v) return Step;
    return Steps.back();
  }
  int32_t Result = Steps.front();
  for (const int32_t Step : Steps)
    if (Step / Unit <= v) Result = Step;
  return Result;
}

}  // namespace

double Round125(double x) { return RoundToSeries(x, NearestInSeries); }
double RoundPos125(double x) { return RoundToSeries(x, x > 0 ? SeriesAtOrAbove : SeriesAtOrBelow); }
double RoundNeg125(double x) {
  return RoundToSeries(x, x >= 0 ? SeriesAtOrBelow : SeriesAtOrAbove);
}

void CalcScalePars(int32_t NumTicks, long double A, long double B, long double& FirstTick,
                   long double& Distance, uint16_t& NumMinor) {
  if (A == B) {
    FirstTick = A;
    Distance = 0;
    NumMinor = 1;
    return;
  }
  const long double Direction = A >= B ? -1 : 1;
  if (NumTicks == 0) {
    Distance = 1;
    FirstTick = std::trunc(A) - 1;
    while ((A - FirstTick) * Direction > 0.001L) FirstTick += 1;
    NumMinor = std::abs(B - A) <= 10 ? 5 : 1;
    return;
  }
  long double e = LgExtended(std::abs(B - A) / NumTicks);
  long double f = e - std::trunc(e);
  if (std::abs(f) < kClassTolerance || std::abs(f) > 0.9999999999L) {
    e = std::nearbyint(e);
    f = 0;
  }
  if (e < 0 && f != 0) e = e - 1;
  if (f < 0) f = f + 1;
  if (f < kLg2 + kClassTolerance) {
    e = std::trunc(e);
    NumMinor = 5;
  } else if (f < kLg5 + kClassTolerance) {
    e = std::trunc(e) + kLg2;
    NumMinor = 4;
  } else {
    e = std::trunc(e) + kLg5;
    NumMinor = 5;
  }
  Distance = Direction * std::pow(10.0L, e);
  FirstTick = (std::trunc(A / Distance) - 1) * Distance;
  // Starts at most two steps before A; a step below the resolution of FirstTick (bounds near
  // 2^64 steps apart) cannot move it, and the loop ends there instead of spinning.
  while ((A - FirstTick) * Direction > std::abs(Distance) * 0.001L) {
    const long double Next = FirstTick + Distance;
    if (Next == FirstTick) break;
    FirstTick = Next;
  }
}

void RoundDegrees(int32_t& Deg, int32_t& Min, int32_t& Sec, bool RoundUp) {
  if (Deg < 0 || Min < 0 || Sec < 0) {
    Deg = Min = Sec = 0;
    return;
  }
  Min = std::min(Min, 59);
  Sec = std::min(Sec, 59);
  const double v = Deg + Min / 60.0 + Sec / 3600.0;
  if (Deg > 0) {
    Min = Sec = 0;
    Deg = AngleStep(v, kAngleSteps.size(), 1, RoundUp);
  } else if (Min > 0) {
    Sec = 0;
    Min = AngleStep(v, kStepsBelowSixty, 60, RoundUp);
    if (Min == 60) {
      Deg = 1;
      Min = 0;
    }
  } else if (Sec > 0) {
    Sec = AngleStep(v, kStepsBelowSixty, 3600, RoundUp);
    if (Sec == 60) {
      Min = 1;
      Sec = 0;
    }
  }
}

}  // namespace qor
