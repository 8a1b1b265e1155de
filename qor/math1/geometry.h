// Plane geometry on points: distances, orientation of a triangle, intersection of segments,
// distance of a point from a segment, from an integer screen rectangle and from an
// axis-parallel ellipse.
//
// CcwTriangle is the sign of the cross product (P2 - P1) x (P3 - P1): 1 for a counter-clockwise
// turn (with y upwards), -1 clockwise, 0 collinear. SegmentsIntersect counts touching end points
// and collinear segments (wherever they lie on their common line) as intersecting.
// DistanceToSegment measures to the nearest point of the closed segment; a zero-length segment
// is its end point. DistFromRect works in 32-bit screen coordinates (y downwards, Top above
// Bottom): 0 inside and on the border, the gap to the nearer edge beside the rectangle, and the
// distance to the nearest corner diagonally off it, rounded half to even; the squares are summed
// exactly in extended precision, not in 32 bits, so that distances stay right beyond 46340
// pixels, and a distance beyond 2^31 - 1 saturates there.
//
// DistFromEllipse gives the distance of P from the ellipse ((x - Cx)/Ax)^2 + ((y - Cy)/Ay)^2 = 1
// and its nearest point in Nearest. In the first quadrant of the frame where the larger half
// axis e0 lies along the first coordinate, the nearest point of a point (u, v) off the axes is
// (r0*u/(s + r0), v/(s + 1)) with r0 = (e0/e1)^2 and s the root of
// (r0*u/e0/(s + r0))^2 + (v/e1/(s + 1))^2 = 1 on the bracket that contains it, found by bisection
// to the last bit (at most 1075 halvings, the span of the double exponents). Half axes are taken
// by their magnitude; a zero half axis makes the ellipse the segment along the other axis (both
// zero: the centre point), and the distance is measured to that. NaN input gives NaN. Nothing
// raises.
#pragma once

#include <cstdint>

#include "qor/frame/types.h"

namespace qor {

double EuclideanDistance(const TPointDouble& P1, const TPointDouble& P2);
double EuclideanDistance(double x1, double y1, double x2, double y2);

int32_t CcwTriangle(const TPointDouble& P1, const TPointDouble& P2, const TPointDouble& P3);

// Whether the segments P1-P2 and P3-P4 share a point.
bool SegmentsIntersect(const TPointDouble& P1, const TPointDouble& P2, const TPointDouble& P3,
                       const TPointDouble& P4);

double DistanceToSegment(const TPointDouble& P, const TPointDouble& A, const TPointDouble& B);

int32_t DistFromRect(const TPoint& P, const TRect& R);

double DistFromEllipse(const TPointDouble& P, double Cx, double Cy, double Ax, double Ay,
                       TPointDouble& Nearest);

}  // namespace qor
