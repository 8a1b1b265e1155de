#include "qor/frame/random.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace qor {
namespace {

TEST(RandomTest, UniformIsRepeatableInRangeAndHasItsMoments) {
  constexpr int kDraws = 200000;
  std::vector<double> Draws;
  SetRandSeed(7);
  for (int i = 0; i < kDraws; ++i) Draws.push_back(Random());
  SetRandSeed(7);
  for (int i = 0; i < 10; ++i) EXPECT_EQ(Random(), Draws[static_cast<size_t>(i)]);
  double Sum = 0, SumSq = 0;
  for (const double u : Draws) {
    ASSERT_TRUE(u >= 0 && u < 1) << u;
    Sum += u;
    SumSq += u * u;
  }
  // Mean 1/2 and variance 1/12; five standard errors of the estimates as tolerance.
  const double Mean = Sum / kDraws;
  EXPECT_NEAR(Mean, 0.5, 5 * std::sqrt(1.0 / 12 / kDraws));
  EXPECT_NEAR(SumSq / kDraws - Mean * Mean, 1.0 / 12, 5 * std::sqrt(1.0 / 180 / kDraws));
}

TEST(RandomTest, IntegerDrawsCoverTheRange) {
  SetRandSeed(99);
  std::vector<int> Counts(6, 0);
  for (int i = 0; i < 60000; ++i) {
    const int32_t k = Random(6);
    ASSERT_TRUE(k >= 0 && k < 6) << k;
    ++Counts[static_cast<size_t>(k)];
  }
  for (int c : Counts) EXPECT_NEAR(c, 10000, 5 * std::sqrt(10000.0 * 5 / 6));
  EXPECT_EQ(Random(0), 0);
  EXPECT_EQ(Random(-3), 0);
}

}  // namespace
}  // namespace qor
