// Integration of a sampled function over the element index (unit spacing). Whole samples
// lo..hi inside [BoundLow, BoundHigh] take the chosen rule; the fractional ends are trapezoids
// up to the value interpolated at the bound.
#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

#include "qor/vector/vector.h"

namespace qor {

double TVector::Integrate(double BoundLow, double BoundHigh, TIntegMethod Method) const {
  if (std::isnan(BoundLow) || std::isnan(BoundHigh))
    return std::numeric_limits<double>::quiet_NaN();
  const double Last = NrOfElem();
  BoundLow = std::clamp(BoundLow, 1.0, Last);
  BoundHigh = std::clamp(BoundHigh, 1.0, Last);
  if (BoundLow > BoundHigh) std::swap(BoundLow, BoundHigh);
  const double W = BoundHigh - BoundLow;
  const auto lo = static_cast<int32_t>(std::ceil(BoundLow));
  const auto hi = static_cast<int32_t>(std::floor(BoundHigh));
  auto v = [this](int32_t i) { return FVec[static_cast<size_t>(i - 1)]; };

  if (hi == lo - 1) {  // both bounds strictly between samples hi and lo
    if (Method == imSimple) return (v(hi) + v(lo)) / 2 * W;
    if (Method != imTrapezoidal && Method != imSimpson) return 0;
    const double y1 = v(hi) + (BoundLow - hi) * (v(lo) - v(hi));
    const double y2 = v(hi) + (BoundHigh - hi) * (v(lo) - v(hi));
    return (y1 + y2) / 2 * W;
  }

  const double yL = BoundLow == lo ? v(lo) : v(lo - 1) + (BoundLow - lo + 1) * (v(lo) - v(lo - 1));
  const double yH = BoundHigh == hi ? v(hi) : v(hi) + (BoundHigh - hi) * (v(hi + 1) - v(hi));
  const double P = (yL + v(lo)) / 2 * (lo - BoundLow) + (yH + v(hi)) / 2 * (BoundHigh - hi);

  switch (Method) {
    case imSimple: {
      double Total = 0;
      for (int32_t i = lo; i <= hi; ++i) Total += v(i);
      return Total / (hi - lo + 1) * W;
    }
    case imTrapezoidal: {
      double Area = P;
      for (int32_t i = lo; i < hi; ++i) Area += (v(i) + v(i + 1)) / 2;
      return Area;
    }
    case imSimpson:
      switch (hi - lo + 1) {
        case 1:
          return P;
        case 2:
          return P + (v(lo) + v(lo + 1)) / 2;
        case 3:  // Simpson
          return P + (v(lo) + 4 * v(lo + 1) + v(lo + 2)) / 3;
        case 4:  // Simpson's 3/8
          return P + 3.0 / 8 * (v(lo) + 3 * v(lo + 1) + 3 * v(lo + 2) + v(lo + 3));
        case 5:  // Boole
          return P +
                 2.0 / 45 *
                     (7 * v(lo) + 32 * v(lo + 1) + 12 * v(lo + 2) + 32 * v(lo + 3) + 7 * v(lo + 4));
        default: {  // extended Simpson with end corrections, exact for cubics
          double Inner = 0;
          for (int32_t i = lo + 3; i <= hi - 3; ++i) Inner += v(i);
          return P + 3.0 / 8 * v(lo) + 7.0 / 6 * v(lo + 1) + 23.0 / 24 * v(lo + 2) +
                 23.0 / 24 * v(hi - 2) + 7.0 / 6 * v(hi - 1) + 3.0 / 8 * v(hi) + Inner;
        }
      }
  }
  return 0;
}

}  // namespace qor
