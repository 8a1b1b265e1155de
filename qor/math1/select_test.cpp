#include "qor/math1/select.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "qor/frame/random.h"

namespace qor {
namespace {

std::vector<double> RandomData(size_t n, int32_t Distinct) {
  std::vector<double> Data(n);
  for (auto& x : Data) x = Random(Distinct);
  return Data;
}

std::vector<double> Sorted(std::vector<double> Data) {
  std::sort(Data.begin(), Data.end());
  return Data;
}

TEST(QuickSelect, HandComputedRangesAndBounds) {
  std::vector<double> Data = {1, 9, 3, 2};
  EXPECT_EQ(QuickSelect(Data, 2, 0, 3), 3);
  EXPECT_EQ(QuickSelect(Data, 0, 3, 2), 0);  // reversed bounds select nothing
  EXPECT_EQ(QuickSelect(std::span<double>(), 0, 0, 0), 0);
  std::vector<double> Fours = {4, 4, 4, 4};
  EXPECT_EQ(QuickSelect(Fours, 1, 0, 3), 4);
  std::vector<double> Clamped = {3, 1, 2};
  EXPECT_EQ(QuickSelect(Clamped, 2, -4, 99), 3);  // bounds clamped into the array
  std::vector<double> Inner = {50, 8, 6, 7, 5, -50};
  EXPECT_EQ(QuickSelect(Inner, 3, 1, 4), 7);  // 5 6 [7] 8 at positions 1..4
  EXPECT_EQ(std::pair(Inner.front(), Inner.back()), std::pair(50.0, -50.0));
}

TEST(QuickSelect, EveryRankMatchesTheSortedRange) {
  SetRandSeed(5);
  // Few distinct values exercise the runs of equal elements around the pivot.
  for (int32_t Distinct : {3, 1000000}) {
    const std::vector<double> Original = RandomData(301, Distinct);
    const std::vector<double> Expected = Sorted(Original);
    for (int32_t k = 0; k < 301; ++k) {
      std::vector<double> Data = Original;
      EXPECT_EQ(QuickSelect(Data, k, 0, 300), Expected[static_cast<size_t>(k)]) << "k = " << k;
      EXPECT_EQ(Sorted(Data), Expected);
    }
  }
  // A rank outside the range gives the range's first element and only permutes.
  const std::vector<double> Original = RandomData(64, 1000);
  for (int32_t k : {-5, 9, 60, 1000}) {
    std::vector<double> Data = Original;
    EXPECT_EQ(QuickSelect(Data, k, 10, 59), Original[10]) << "k = " << k;
    EXPECT_EQ(Sorted(Data), Sorted(Original));
  }
}

}  // namespace
}  // namespace qor
