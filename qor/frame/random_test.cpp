#include "qor/frame/random.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace qor {
namespace {

TEST(RandomTest, SeedMakesTheSequenceRepeatable) {
  SetRandSeed(12345);
  std::vector<double> First;
  for (int i = 0; i < 10; ++i) First.push_back(Random());
  SetRandSeed(12345);
  for (int i = 0; i < 10; ++i) EXPECT_EQ(Random(), First[static_cast<size_t>(i)]);
}

TEST(RandomTest, UniformMomentsAndRange) {
  SetRandSeed(7);
  constexpr int kDraws = 200000;
  double Sum = 0;
  double SumSq = 0;
  for (int i = 0; i < kDraws; ++i) {
    const double u = Random();
    ASSERT_GE(u, 0.0);
    ASSERT_LT(u, 1.0);
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
    ASSERT_GE(k, 0);
    ASSERT_LT(k, 6);
    ++Counts[static_cast<size_t>(k)];
  }
  for (int c : Counts) EXPECT_NEAR(c, 10000, 5 * std::sqrt(10000.0 * 5 / 6));
  EXPECT_EQ(Random(0), 0);
  EXPECT_EQ(Random(-3), 0);
}

}  // namespace
}  // namespace qor
