#include "qor/vector/vector_stats.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <cmath>
#include <memory>
#include <tuple>
#include <vector>

#include "qor/frame/errors.h"
#include "qor/vector/int_vector.h"
#include "qor/vector/vector.h"

namespace qor {
namespace {

using ::testing::DoubleNear;
using ::testing::FieldsAre;
using ::testing::StrEq;
using ::testing::ThrowsMessage;

// A few roundings of a handful of terms.
constexpr double kTol = 16 * DBL_EPSILON;

template <class Vec>
class VectorStatsTest : public ::testing::Test {
 protected:
  using TElems = std::vector<typename Vec::TElem>;
  // Components are not movable, so they come on the heap.
  static std::unique_ptr<Vec> Make(const TElems& Values) {
    auto V = std::make_unique<Vec>();
    V->AssignArray(Values);
    return V;
  }
  static std::tuple<double, double> MeanVar(const TElems& Values, int32_t Lo = 0, int32_t Hi = 0) {
    double Mean = 0, Variance = 0;
    Make(Values)->MeanVar(Lo, Hi, Mean, Variance);
    return {Mean, Variance};
  }
  // Skewness and excess kurtosis: the population form or, with Sample, the corrected one.
  static std::tuple<double, double> SkewKurt(const TElems& Values, bool Sample) {
    double Skew = -1, Kurt = -1;
    if (Sample) {
      Make(Values)->SkewKurtSample(0, 0, Skew, Kurt);
    } else {
      Make(Values)->SkewKurt(0, 0, Skew, Kurt);
    }
    return {Skew, Kurt};
  }
};
using VectorTypes = ::testing::Types<TVector, TIntVector>;
TYPED_TEST_SUITE(VectorStatsTest, VectorTypes);

TYPED_TEST(VectorStatsTest, MeanVarReportsVarianceOneBelowThreeElements) {
  EXPECT_EQ(this->MeanVar({1, 5}), std::tuple(3, 1));  // not the sample variance 8
  const auto SevenThirds = DoubleNear(7.0 / 3, kTol * 7 / 3);
  EXPECT_THAT(this->MeanVar({1, 2, 4}), FieldsAre(SevenThirds, SevenThirds));
  EXPECT_THAT(this->MeanVar({9, 1, 2, 4, 9}, 2, 4), FieldsAre(SevenThirds, SevenThirds));
}

TYPED_TEST(VectorStatsTest, MomentsMatchTheirClosedForms) {
  // 1, 2, 3, 4, 10: mean 4, deviations -3 -2 -1 0 6, sum d^2 = 50, sum d^3 = 180,
  // sum d^4 = 1394, sd^2 = 50/4 = 12.5.
  double Skew = 0, Kurt = 0;
  int32_t n = 0;
  this->Make({1, 2, 3, 4, 10})->SkewKurtIntern(0, 0, Skew, Kurt, n);
  EXPECT_EQ(n, 5);
  const double S = 180.0 / 5 / std::pow(12.5, 1.5);
  const double K = 1394.0 / 5 / (12.5 * 12.5) - 3;
  EXPECT_NEAR(Skew, S, kTol * S);
  EXPECT_NEAR(Kurt, K, kTol);
  // n^2/((n-1)(n-2)) = 25/12; (K+3) n^2 (n+1)/((n-1)(n-2)(n-3)) - 3 (n-1)^2/((n-2)(n-3)).
  EXPECT_THAT(this->SkewKurt({1, 2, 3, 4, 10}, true),
              FieldsAre(DoubleNear(25.0 / 12 * S, kTol * S),
                        DoubleNear((K + 3) * 25 * 6 / 24 - 8, 8 * kTol)));
  // 22, 72, 39, 52, 79: mean 52.8, sum d^2 = 2194.8, sd^2 = 548.7, sum d^4 = 1543280.976; the
  // exact excess kurtosis rounds to -1.9748083082803303. Dividing by (sd*sd)*(sd*sd) with the
  // 80-bit sd lands on the neighbouring double; the left-to-right sd*sd*sd*sd would not.
  EXPECT_EQ(std::get<1>(this->SkewKurt({22, 72, 39, 52, 79}, false)), -1.97480830828033);
  // Three elements give 0; a constant range (sd = 0) leaves the raw sums, 0.
  EXPECT_EQ(this->SkewKurt({1, 2, 9}, true), std::tuple(0, 0));
  EXPECT_EQ(this->SkewKurt({4, 4, 4, 4}, false), std::tuple(0, 0));
}

TYPED_TEST(VectorStatsTest, GeometricAndHarmonicMeans) {
  EXPECT_NEAR(this->Make({2, 8})->GeometricMean(0, 0), 4, 4 * kTol);
  EXPECT_EQ(this->Make({2, 0, 8})->GeometricMean(0, 0), 0);
  EXPECT_NEAR(this->Make({1, 2, 4})->HarmonicMean(0, 0), 12.0 / 7, kTol);
  auto V = this->Make({2, 0, -1});
  V->SetName("g");
  // The negative element after the zero is still reached.
  EXPECT_THAT([&] { V->GeometricMean(0, 0); },
              ThrowsMessage<EQORVectorError>(
                  StrEq("Component \"g\": negative argument passed to GeometricMean")));
  EXPECT_THAT([&] { V->HarmonicMean(1, 2); },
              ThrowsMessage<EQORVectorError>(
                  StrEq("Component \"g\": negative or zero argument passed to HarmonicMean")));
}

TYPED_TEST(VectorStatsTest, MinMaxKeepsTheFirstIndexOfTies) {
  const auto V = this->Make({4, 1, 7, 1, 7});
  typename TypeParam::TElem Lo = 0, Hi = 0;
  int32_t LoIx = -1, HiIx = -1;
  V->MinMax(0, 0, Lo, Hi, LoIx, HiIx);
  EXPECT_EQ(std::tuple(Lo, Hi, LoIx, HiIx), std::tuple(1, 7, 2, 3));
  V->MinMax(4, 9, Lo, Hi);
  EXPECT_EQ(std::tuple(Lo, Hi), std::tuple(1, 7));
  EXPECT_EQ(V->Sum(2, 4), 9);
}

TYPED_TEST(VectorStatsTest, IsDichotomous) {
  typename TypeParam::TElem v1 = -1, v2 = -1;
  EXPECT_TRUE(this->Make({5, 5, 5})->IsDichotomous(v1, v2));
  EXPECT_EQ(std::tuple(v1, v2), std::tuple(5, 5));
  EXPECT_TRUE(this->Make({2, 2, 7, 2, 7})->IsDichotomous(v1, v2));
  EXPECT_EQ(std::tuple(v1, v2), std::tuple(2, 7));
  EXPECT_FALSE(this->Make({1, 2, 1, 3})->IsDichotomous(v1, v2));
  EXPECT_FALSE(this->Make({8})->IsDichotomous(v1, v2));
  EXPECT_EQ(std::tuple(v1, v2), std::tuple(0, 0));
}

TYPED_TEST(VectorStatsTest, QuartilesSitAtPositionsOfNPlusOne) {
  struct TCase {
    typename TestFixture::TElems Data;
    double Q1, Q2, Q3;
  };
  for (const TCase& c : {TCase{{2, 1}, 1, 1.5, 2}, TCase{{3, 1, 2}, 1, 2, 3},
                         TCase{{7, 6, 5, 4, 3, 2, 1}, 2, 4, 6}, TCase{{9}, 9, 9, 9},
                         // n = 4: positions 1.25, 2.5, 3.75 on 10, 20, 30, 40.
                         TCase{{40, 10, 30, 20}, 12.5, 25, 37.5}}) {
    const auto V = this->Make(c.Data);
    double Q1 = 0, Q2 = 0, Q3 = 0;
    EXPECT_TRUE(V->Quartiles(0, 0, Q1, Q2, Q3));
    EXPECT_EQ(std::tuple(Q1, Q2, Q3), std::tuple(c.Q1, c.Q2, c.Q3));
    EXPECT_EQ(V->Data()[0], c.Data[0]);  // the vector keeps its order
  }
}

TYPED_TEST(VectorStatsTest, PercentilesInterpolateAndClampAndModeIsTheFirstLongestRun) {
  const auto V = this->Make({4, 1, 3, 2});
  EXPECT_EQ(V->Percentile(50, 0, 0), 2.5);
  EXPECT_EQ(V->Percentile(150, 0, 0), 4);
  EXPECT_EQ(V->Percentile(-5, 0, 0), 1);
  EXPECT_EQ(V->Percentile(10, 2, 4), 1.2);  // 1, 2, 3: position 0.2 past t(1)
  EXPECT_TRUE(std::isnan(V->Percentile(std::nan(""), 0, 0)));

  EXPECT_EQ(this->Make({3, 1, 3, 1})->Mode(0, 0), 1);
  EXPECT_EQ(this->Make({5, 4})->Mode(0, 0), 4);
  EXPECT_EQ(this->Make({2, 9, 9, 2, 9})->Mode(0, 0), 9);
  EXPECT_EQ(this->Make({2, 9, 9, 2, 9})->Mode(1, 4), 2);
}

TEST(IntVectorStatsTest, SquaresAndSumsAreFormedInThirtyTwoBits) {
  TIntVector V;
  V.AssignArray(std::vector<int32_t>{46340, 0, 0});
  EXPECT_EQ(V.Leng(), 46340);  // the largest exact square
  V.AssignArray(std::vector<int32_t>{INT32_MAX, 1});
  EXPECT_EQ(V.Sum(0, 0), INT32_MIN);
  V.AssignArray(std::vector<int32_t>{65536, 0, 0});
  double Mean = 0, Variance = 0;
  V.MeanVar(0, 0, Mean, Variance);  // 65536^2 wraps to 0, so q - s^2/n is negative
  EXPECT_EQ(Variance, 0);
}

TEST(VectorStatsTest, MinMaxPassesOverNaN) {
  TVector V;
  V.AssignArray(std::vector<double>{std::nan(""), 3, -2});
  double Lo = 0, Hi = 0;
  int32_t LoIx = 0, HiIx = 0;
  V.MinMax(0, 0, Lo, Hi, LoIx, HiIx);
  EXPECT_EQ(std::tuple(LoIx, HiIx), std::tuple(3, 2));
}

}  // namespace
}  // namespace qor
