#include "qor/math1/geometry.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "qor/math1/ranges.h"

namespace qor {

double EuclideanDistance(const TPointDouble& P1, const TPointDouble& P2) {
  return EuclideanDistance(P1.x, P1.y, P2.x, P2.y);
}

double EuclideanDistance(double x1, double y1, double x2, double y2) {
  const double dx = x2 - x1;
  const double dy = y2 - y1;
  return std::sqrt(dx * dx + dy * dy);
}

int32_t CcwTriangle(const TPointDouble& P1, const TPointDouble& P2, const TPointDouble& P3) {
  const double Cross = (P2.x - P1.x) * (P3.y - P1.y) - (P2.y - P1.y) * (P3.x - P1.x);
  return Cross > 0 ? 1 : Cross < 0 ? -1 : 0;
}

bool SegmentsIntersect(const TPointDouble& P1, const TPointDouble& P2, const TPointDouble& P3,
                       const TPointDouble& P4) {
  if (CcwTriangle(P1, P2, P3) * CcwTriangle(P1, P2, P4) > 0) return false;
  return CcwTriangle(P3, P4, P1) * CcwTriangle(P3, P4, P2) <= 0;
}

double DistanceToSegment(const TPointDouble& P, const TPointDouble& A, const TPointDouble& B) {
  const double dx = B.x - A.x;
  const double dy = B.y - A.y;
  const double LengthSquared = dx * dx + dy * dy;
  const double t = LengthSquared == 0 ? -1 : ((P.x - A.x) * dx + (P.y - A.y) * dy) / LengthSquared;
  if (t < 0) return EuclideanDistance(P, A);
  if (t > 1) return EuclideanDistance(P, B);
  return EuclideanDistance(P, TPointDouble{A.x + t * dx, A.y + t * dy});
}

int32_t DistFromRect(const TPoint& P, const TRect& R) {
  const int64_t x = P.x;
  const int64_t y = P.y;
  const int64_t Left = R.Left, Top = R.Top, Right = R.Right, Bottom = R.Bottom;
  int64_t Distance;
  if (Left < x && x < Right) {
    Distance = y < Top ? Top - y : y > Bottom ? y - Bottom : 0;
  } else if (Top < y && y < Bottom) {
    Distance = x <= Left ? Left - x : x - Right;
  } else {
    // Coordinate differences reach 2^32, so their squares are formed in the 64-bit mantissa
    // of long double, exactly; the root of an integer never ends in a half.
    const auto CornerDistance = [&](int64_t Cx, int64_t Cy) {
      const long double dx = static_cast<long double>(Cx - x);
      const long double dy = static_cast<long double>(Cy - y);
      return RoundLimit(static_cast<double>(std::sqrt(dx * dx + dy * dy)), 0,
                        std::numeric_limits<int32_t>::max());
    };
    Distance = std::min({CornerDistance(Left, Top), CornerDistance(Right, Top),
                         CornerDistance(Left, Bottom), CornerDistance(Right, Bottom)});
  }
  return static_cast<int32_t>(std::min<int64_t>(Distance, std::numeric_limits<int32_t>::max()));
}

}  // namespace qor
