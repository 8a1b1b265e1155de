#include "qor/math1/sorting.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "qor/frame/hooks.h"
#include "qor/frame/random.h"

namespace qor {
namespace {

template <class T>
class SortArrayTyped : public ::testing::Test {};
using ElementTypes = ::testing::Types<double, float, int32_t>;
TYPED_TEST_SUITE(SortArrayTyped, ElementTypes);

TYPED_TEST(SortArrayTyped, AgreesWithStdSortBothWays) {
  SetRandSeed(17);
  for (int32_t n : {2, 3, 10, 97, 1000}) {
    std::vector<TypeParam> Data(static_cast<size_t>(n));
    for (auto& x : Data) x = static_cast<TypeParam>(Random(2001) - 1000);
    std::vector<TypeParam> Expected = Data;
    std::sort(Expected.begin(), Expected.end());
    SortArray(std::span<TypeParam>(Data), true);
    EXPECT_EQ(Data, Expected) << "n = " << n;
    SortArray(std::span<TypeParam>(Data), false);
    std::reverse(Expected.begin(), Expected.end());
    EXPECT_EQ(Data, Expected) << "n = " << n;
  }
}

TEST(SortArray, FeedbackOncePerPassAndEqualElementsNeverExchanged) {
  static int Calls = 0;
  MathFeedBackProc = [](double) { ++Calls; };
  const double Before = ProcStat.load();
  std::vector<double> Data = {3, 1, 2};
  SortArray(std::span<double>(Data), true);
  std::vector<double> One = {5};
  SortArray(std::span<double>(One), true);  // nothing counted below two elements
  SortArray(std::span<double>(), true);
  MathFeedBackProc = nullptr;
  EXPECT_EQ(Data, (std::vector<double>{1, 2, 3}));
  EXPECT_EQ(Calls, 3);  // gap 2, gap 1, gap 1 without exchanges
  EXPECT_EQ(ProcStat.load(), Before + 3);

  std::vector<double> Zeros = {0.0, -0.0, 0.0, -0.0};
  SortArray(std::span<double>(Zeros), true);
  for (size_t i = 0; i < Zeros.size(); ++i) EXPECT_EQ(std::signbit(Zeros[i]), i % 2 == 1) << i;
}

TEST(SortArray, UntypedDispatchesOnKind) {
  std::vector<int32_t> Ints = {3, -1, 0, -7};
  SortArray(Ints.data(), 4, vkLongint, true);
  EXPECT_EQ(Ints, (std::vector<int32_t>{-7, -1, 0, 3}));
  std::vector<double> Doubles = {2.5, -1.5, 0.5};
  SortArray(Doubles.data(), 3, vkReal, false);
  EXPECT_EQ(Doubles, (std::vector<double>{2.5, 0.5, -1.5}));
  SortArray(Ints.data(), 4, static_cast<TVarKind>(5), false);
  SortArray(nullptr, 3, vkInteger, true);
  EXPECT_EQ(Ints, (std::vector<int32_t>{-7, -1, 0, 3}));
}

TEST(SortIntoArray, KeepsTheSmallestValuesOfAnAscendingList) {
  const struct {
    double Value;
    bool AllowDuplicates;
    int32_t Expected;
    std::vector<double> After;
  } Cases[] = {{2, false, 1, {1, 2, 3}}, {3, false, -1, {1, 3, 5}}, {3, true, 1, {1, 3, 3}},
               {9, true, -1, {1, 3, 5}}, {5, true, 2, {1, 3, 5}},   {0, false, 0, {0, 1, 3}}};
  for (const auto& c : Cases) {
    std::vector<double> Data = {1, 3, 5}, Untyped = {1, 3, 5};
    EXPECT_EQ(SortIntoArray(std::span<double>(Data), c.Value, true, c.AllowDuplicates), c.Expected);
    EXPECT_EQ(Data, c.After) << c.Value;
    // The untyped form reports the same place 1-based, 0 for a rejected value.
    EXPECT_EQ(SortIntoArray(Untyped.data(), 3, vkDouble, &c.Value, true, c.AllowDuplicates),
              c.Expected + 1);
    EXPECT_EQ(Untyped, c.After) << c.Value;
  }
}

TEST(SortIntoArray, DescendingKeepsTheLargestAndIntegersCompareSigned) {
  std::vector<int32_t> Best = {9, 4, -2};
  EXPECT_EQ(SortIntoArray(std::span<int32_t>(Best), 5, false, false), 1);
  EXPECT_EQ(Best, (std::vector<int32_t>{9, 5, 4}));
  EXPECT_EQ(SortIntoArray(std::span<int32_t>(Best), -3, false, false), -1);
  const int32_t MinusOne = -1;
  std::vector<int32_t> Ascending = {-5, 0, 7};
  EXPECT_EQ(SortIntoArray(Ascending.data(), 3, vkInteger, &MinusOne, true, false), 2);
  EXPECT_EQ(Ascending, (std::vector<int32_t>{-5, -1, 0}));
  EXPECT_EQ(SortIntoArray(Ascending.data(), 3, static_cast<TVarKind>(9), &MinusOne, true, true), 0);
  EXPECT_EQ(SortIntoArray(std::span<float>(), 1.0f, true, true), -1);
}

TEST(InsertIntoArray, ShiftsUpAndDropsTheLast) {
  std::vector<double> Data = {1, 2, 3};
  InsertIntoArray(std::span<double>(Data), 9.0, 0);
  for (int32_t Outside : {3, -1}) InsertIntoArray(std::span<double>(Data), 7.0, Outside);
  EXPECT_EQ(Data, (std::vector<double>{9, 1, 2}));
  std::vector<float> Singles = {1, 2, 3};
  const float Value = 8;
  for (int32_t Ix : {3, 0, 4}) InsertIntoArray(Singles.data(), 3, vkSingle, &Value, Ix);
  EXPECT_EQ(Singles, (std::vector<float>{1, 2, 8}));  // 1-based: 3 is the last place
}

}  // namespace
}  // namespace qor
