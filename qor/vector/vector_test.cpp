#include "qor/vector/vector.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <tuple>
#include <vector>

#include "qor/frame/random.h"
#include "qor/vector/int_vector.h"

namespace qor {
namespace {

using ::testing::AllOf;
using ::testing::Each;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::Ge;
using ::testing::Lt;
using ::testing::StrEq;
using ::testing::ThrowsMessage;

constexpr double kTol = 16 * DBL_EPSILON;

TEST(VectorHistogramTest, BinsCountsAndNotifications) {
  TVector V;
  V.AssignArray(std::vector<double>{0, 0.5, 1, 9.99, 10, 11});
  TIntVector Histo;
  int Changes = 0;
  Histo.OnChange = [&Changes](TObject*) { ++Changes; };
  int32_t Under = -1, Over = -1, MaxCnt = -1;
  // The last bin [10, 11) is half open: 10 counts in it, 11 overflows.
  ASSERT_TRUE(V.Histogram(1, 6, 0, 10, 1, Histo, Under, Over, MaxCnt));
  EXPECT_THAT(Histo.Data(), ElementsAre(2, 1, 0, 0, 0, 0, 0, 0, 0, 1, 1));
  EXPECT_EQ(std::tuple(Under, Over, MaxCnt), std::tuple(0, 1, 2));
  EXPECT_EQ(Changes, 3);  // resized from one element, cleared, then the counts stored
  // Indices -1, 0 and 7 are taken as passed: they read 0 and fall below the first bin.
  ASSERT_TRUE(V.Histogram(-1, 7, 1, 10, 1, Histo, Under, Over, MaxCnt));
  EXPECT_THAT(Histo.Data(), ElementsAre(1, 0, 0, 0, 0, 0, 0, 0, 1, 1));
  EXPECT_EQ(Under, 5);
  // Nothing lands in a bin: the target stays as the clear left it, and a same-sized target is
  // not resized, so two notifications fewer.
  Changes = 0;
  ASSERT_TRUE(V.Histogram(1, 2, 1, 10, 1, Histo, Under, Over, MaxCnt));
  EXPECT_THAT(Histo.Data(), Each(0));
  EXPECT_TRUE(Histo.IsEmpty());
  EXPECT_EQ(std::tuple(MaxCnt, Changes), std::tuple(0, 1));

  // |2.5 - 0|/1 rounds to 2: three bins [0,1) [1,2) [2,3); 3.2 lies below LastBin + 1 = 3.5,
  // so it is no overflow, but its bin 4 does not exist: it counts nowhere.
  V.AssignArray(std::vector<double>{0.2, 2.45, 3.2});
  ASSERT_TRUE(V.Histogram(1, 3, 0, 2.5, 1, Histo, Under, Over, MaxCnt));
  EXPECT_THAT(Histo.Data(), ElementsAre(1, 0, 1));
  EXPECT_EQ(std::tuple(Under, Over, MaxCnt), std::tuple(0, 0, 1));
  ASSERT_TRUE(V.Histogram(1, 3, 0, 499, 1, Histo, Under, Over, MaxCnt));
  EXPECT_EQ(Histo.NrOfElem(), 500);
  EXPECT_FALSE(V.Histogram(0, 0, 0, 500, 1, Histo, Under, Over, MaxCnt));
  EXPECT_FALSE(V.Histogram(0, 0, 0, 5, 0, Histo, Under, Over, MaxCnt));
  EXPECT_FALSE(V.Histogram(0, 0, 0, 5, -1, Histo, Under, Over, MaxCnt));
  EXPECT_EQ(Histo.NrOfElem(), 500);  // a refused call changes nothing
}

TEST(IntVectorHistogramTest, IntegerBinsAndTheirLimits) {
  TIntVector V;
  V.AssignArray(std::vector<int32_t>{-3, 0, 1, 2, 5, 6, 7});
  TIntVector Histo;
  int32_t Under = 0, Over = 0, MaxCnt = 0;
  // Width 2 from 0 to 5: m = 5 div 2 + 1 = 3 bins {0,1} {2,3} {4,5}; 6 belongs to bin 4, which
  // does not exist, and is below LastBin + width = 7, so it counts nowhere; 7 overflows.
  ASSERT_TRUE(V.Histogram(1, 7, 0, 5, 2, Histo, Under, Over, MaxCnt));
  EXPECT_THAT(Histo.Data(), ElementsAre(2, 1, 1));
  EXPECT_EQ(std::tuple(Under, Over, MaxCnt), std::tuple(1, 1, 2));
  ASSERT_TRUE(V.Histogram(1, 7, 0, 3, -4, Histo, Under, Over, MaxCnt));  // width taken as 1
  EXPECT_THAT(Histo.Data(), ElementsAre(1, 1, 1, 0));
  // Counting its own elements: the target is cleared before the count, so every element
  // reads 0 and lands in bin 1.
  V.Histogram(1, 7, 0, 3, 1, V, Under, Over, MaxCnt);
  EXPECT_THAT(V.Data(), ElementsAre(7, 0, 0, 0));
  V.SetName("iv");
  EXPECT_THAT(
      [&] { V.Histogram(0, 0, 0, 500, 1, Histo, Under, Over, MaxCnt); },
      ThrowsMessage<EQORVectorError>(StrEq("Component \"iv.Histogram\": invalid number of bins")));

  V.AssignArray(std::vector<int32_t>{4, 7, 4, 7});  // FindExact takes the first match
  EXPECT_EQ(V.FindExact(0, 0, 7), 2);
  EXPECT_EQ(V.FindExact(3, 9, 7), 4);
  EXPECT_EQ(V.FindExact(0, 0, 5), 0);
}

TEST(VectorScalingTest, LengthCentringStandardisingAndQuantileScaling) {
  TVector V;
  V.AssignArray(std::vector<double>{3, 4});
  int Changes = 0;
  V.OnChange = [&Changes](TObject*) { ++Changes; };
  V.SetVecLeng(10);
  EXPECT_NEAR(V[1], 6, 6 * kTol);
  EXPECT_NEAR(V[2], 8, 8 * kTol);
  TVector Zero;
  Zero.SetVecLeng(3);
  EXPECT_EQ(Zero[1], 0);

  V.AssignArray(std::vector<double>{2, 4, 9});
  EXPECT_EQ(V.MeanCenter(), 5);
  EXPECT_EQ(V[3], 4);
  V.AssignArray(std::vector<double>{1, 2, 3, 4, 5});
  double Mean = 0, StdDev = 0;
  V.Standardize(Mean, StdDev);
  EXPECT_EQ(Mean, 3);
  EXPECT_NEAR(StdDev, std::sqrt(2.5), kTol);
  V.MeanVar(0, 0, Mean, StdDev);
  EXPECT_NEAR(Mean, 0, kTol);
  EXPECT_NEAR(StdDev, 1, kTol);

  V.AssignArray(std::vector<double>{1, 3, 5, 7, 9});
  V.QNormalize(25, Mean, StdDev);  // 25th percentile 3, median 5
  EXPECT_EQ(std::tuple(Mean, StdDev), std::tuple(5, 2));
  EXPECT_THAT(V.Data(), ElementsAre(-2, -1, 0, 1, 2));
  // The setter and the three loads; centring, standardising and scaling are silent.
  EXPECT_EQ(Changes, 4);
}

TEST(VectorRandomTest, FillsStayInRangeAndHaveTheRequestedMoments) {
  TVector V;
  V.Resize(100000);
  int Changes = 0;
  V.OnChange = [&Changes](TObject*) { ++Changes; };
  SetRandSeed(5);
  V.FillRandomUniform(-2, 3);
  const std::vector<double> First(V.Data().begin(), V.Data().end());
  SetRandSeed(5);  // the fills draw from the seeded process-wide source
  V.FillRandomUniform(-2, 3);
  EXPECT_THAT(V.Data(), ElementsAreArray(First));
  EXPECT_THAT(V.Data(), Each(AllOf(Ge(-2.0), Lt(3.0))));
  EXPECT_FALSE(V.IsEmpty());
  SetRandSeed(3);
  V.FillRandomGauss(10, 2);
  EXPECT_EQ(Changes, 3);
  double Mean = 0, Variance = 0, Skew = 0, Kurt = 0;
  V.MeanVar(0, 0, Mean, Variance);
  V.SkewKurt(0, 0, Skew, Kurt);
  // Five standard errors: sd/sqrt(n) for the mean, sd^2*sqrt(2/n) for the variance,
  // sqrt(6/n) and sqrt(24/n) for skewness and excess kurtosis.
  const double n = V.NrOfElem();
  EXPECT_NEAR(Mean, 10, 5 * 2 / std::sqrt(n));
  EXPECT_NEAR(Variance, 4, 5 * 4 * std::sqrt(2 / n));
  EXPECT_NEAR(Skew, 0, 5 * std::sqrt(6 / n));
  EXPECT_NEAR(Kurt, 0, 5 * std::sqrt(24 / n));
}

}  // namespace
}  // namespace qor
