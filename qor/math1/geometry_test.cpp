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
  EXPECT_EQ(DistFromRect({5, 5}, R), 0);
  EXPECT_EQ(DistFromRect({0, 5}, R), 0);
  EXPECT_EQ(DistFromRect({10, 10}, R), 0);
  EXPECT_EQ(DistFromRect({-3, 5}, R), 3);
  EXPECT_EQ(DistFromRect({12, 5}, R), 2);
  EXPECT_EQ(DistFromRect({5, -7}, R), 7);
  EXPECT_EQ(DistFromRect({5, 11}, R), 1);
  EXPECT_EQ(DistFromRect({13, 14}, R), 5);  // corner (10, 10)
  EXPECT_EQ(DistFromRect({-3, -4}, R), 5);  // corner (0, 0)
  EXPECT_EQ(DistFromRect({11, -1}, R), 1);  // sqrt 2 rounds down
  EXPECT_EQ(DistFromRect({-2, 12}, R), 3);  // sqrt 8 = 2.83 rounds up
  EXPECT_EQ(DistFromRect({0, -6}, R), 6);   // on the extension of an edge
  // Far beyond the 32-bit sum of squares: 300000-400000-500000.
  EXPECT_EQ(DistFromRect({300010, 400010}, R), 500000);
  const int32_t kMax = std::numeric_limits<int32_t>::max();
  EXPECT_EQ(DistFromRect({kMax, kMax}, TRect{-kMax, -kMax, -kMax + 1, -kMax + 1}), kMax);
}

}  // namespace
}  // namespace qor
