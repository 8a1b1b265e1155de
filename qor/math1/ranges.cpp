#include "qor/math1/ranges.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

#include "qor/frame/errors.h"

namespace qor {
namespace {

template <class T>
T ConfineToRange(T x, T Low, T High) {
  if (Low > High) std::swap(Low, High);
  if (x < Low) return Low;
  if (x > High) return High;
  return x;
}

// 2^63 as a double: every integral double below it and at or above -2^63 converts exactly.
constexpr double kTwoPow63 = 9223372036854775808.0;

}  // namespace

bool WithinBounds(double x, double Low, double High) { return WithinBounds(x, Low, High, 0); }

bool WithinBounds(double x, double Low, double High, double Tol) {
  if (Low > High) std::swap(Low, High);
  return Low - Tol <= x && x <= High + Tol;
}

double ConfineValue(double x, double Low, double High) { return ConfineToRange(x, Low, High); }
float ConfineValue(float x, float Low, float High) { return ConfineToRange(x, Low, High); }
int32_t ConfineValue(int32_t x, int32_t Low, int32_t High) { return ConfineToRange(x, Low, High); }

bool WithinRect(const TPointDouble& P, const TRectDouble& R) {
  return WithinBounds(P.x, R.Left, R.Right) && WithinBounds(P.y, R.Top, R.Bottom);
}

bool ConfinePointToRect(TPointDouble& P, const TRectDouble& R) {
  const TPointDouble Confined{ConfineValue(P.x, R.Left, R.Right),
                              ConfineValue(P.y, R.Top, R.Bottom)};
  const bool Moved = Confined != P;
  P = Confined;
  return Moved;
}

int64_t RoundLimit(double x, int64_t Low, int64_t High) {
  if (Low > High) std::swap(Low, High);
  const double Rounded = std::nearbyint(x);
  if (!(Rounded >= -kTwoPow63)) return Low;  // also NaN
  if (Rounded >= kTwoPow63) return High;
  return std::clamp(static_cast<int64_t>(Rounded), Low, High);
}

double HistoBinRef(double x, double Origin, double BinWidth, double& Offset) {
  if (BinWidth == 0) {
    Offset = 0;
    return x;
  }
  const double Index = std::floor((x - Origin) / BinWidth);
  if (!(Index >= std::numeric_limits<int32_t>::min() &&
        Index <= std::numeric_limits<int32_t>::max()))
    RaiseRoutineError<EQORMath1Error>("HistoBinRef", "bin index out of range");
  const double Edge = Origin + static_cast<int32_t>(Index) * BinWidth;
  Offset = x - Edge;
  return Edge;
}

double Squash(double x, double Center, double Slope, double Range) {
  if (Range == 0) return 0;
  const double t = -2 * Slope * (x - Center) / Range;
  if (std::abs(t) >= 200) return t <= 0 ? Range : -Range;
  return Range * (2 / (std::exp(t) + 1) - 1);
}

}  // namespace qor
