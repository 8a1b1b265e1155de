#include "qor/math1/geometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

namespace qor {
namespace {

TEST(PointGeometryTest, DistancesAndOrientation) {
  EXPECT_EQ(EuclideanDistance(TPointDouble{1, 2}, TPointDouble{4, 6}), 5.0);
  EXPECT_EQ(EuclideanDistance(-1, -2, -4, -6), 5.0);
  EXPECT_EQ(CcwTriangle({0, 0}, {1, 0}, {0, 1}), 1);
  EXPECT_EQ(CcwTriangle({0, 0}, {0, 1}, {1, 0}), -1);
  EXPECT_EQ(CcwTriangle({0, 0}, {1, 1}, {3, 3}), 0);
}

TEST(SegmentsIntersectTest, CrossingTouchingCollinearAndApart) {
  EXPECT_TRUE(SegmentsIntersect({0, 0}, {2, 2}, {0, 2}, {2, 0}));
  EXPECT_TRUE(SegmentsIntersect({0, 0}, {1, 0}, {1, 0}, {1, 5}));   // shared end point
  EXPECT_TRUE(SegmentsIntersect({0, 0}, {4, 0}, {2, 0}, {2, -3}));  // T junction
  EXPECT_TRUE(SegmentsIntersect({0, 0}, {1, 0}, {2, 0}, {3, 0}));   // collinear, apart
  EXPECT_FALSE(SegmentsIntersect({0, 0}, {1, 1}, {2, 0}, {3, 1}));  // parallel
  EXPECT_FALSE(SegmentsIntersect({0, 0}, {2, 2}, {5, 0}, {0, 5}));  // lines cross at (2.5, 2.5)
  EXPECT_FALSE(
      SegmentsIntersect({0, 0}, {4, 0}, {2, 1}, {2, 3}));  // the line meets, the segment not
}

TEST(DistanceToSegmentTest, EndsInteriorAndDegenerate) {
  EXPECT_EQ(DistanceToSegment({0, 1}, {1, 0}, {1, 0}), std::numbers::sqrt2);
  EXPECT_EQ(DistanceToSegment({0, 1}, {-1, 0}, {1, 0}), 1.0);
  EXPECT_EQ(DistanceToSegment({0, 1}, {1, 0}, {2, 0}), std::numbers::sqrt2);
  EXPECT_EQ(DistanceToSegment({5, -4}, {1, 0}, {2, 0}), 5.0);
  EXPECT_DOUBLE_EQ(DistanceToSegment({0, 0}, {0, 2}, {2, 0}), std::numbers::sqrt2);
}

TEST(DistFromRectTest, InsideEdgesAndCorners) {
  const TRect R{0, 0, 10, 10};
  // {x, y, distance}: inside and on the border, beside each edge, past the corners (10, 10) and
  // (0, 0), sqrt 2 rounding down, sqrt 8 = 2.83 rounding up, on the extension of an edge.
  const int32_t Cases[][3] = {{5, 5, 0},   {0, 5, 0},   {10, 10, 0}, {-3, 5, 3},
                              {12, 5, 2},  {5, -7, 7},  {5, 11, 1},  {13, 14, 5},
                              {-3, -4, 5}, {11, -1, 1}, {-2, 12, 3}, {0, -6, 6}};
  for (const auto& [x, y, Distance] : Cases)
    EXPECT_EQ(DistFromRect({x, y}, R), Distance) << x << " " << y;
  // Far beyond the 32-bit sum of squares: 300000-400000-500000.
  EXPECT_EQ(DistFromRect({300010, 400010}, R), 500000);
  const int32_t kMax = std::numeric_limits<int32_t>::max();
  EXPECT_EQ(DistFromRect({kMax, kMax}, TRect{-kMax, -kMax, -kMax + 1, -kMax + 1}), kMax);
}

}  // namespace
}  // namespace qor
