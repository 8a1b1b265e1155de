#include "qor/math1/scaling.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <tuple>

#include "qor/frame/errors.h"
#include "qor/frame/random.h"

namespace qor {
namespace {

using ::testing::StrEq;
using ::testing::ThrowsMessage;

struct TSeriesCase {
  double x, Nearest, Up, Down;
};

class Round125Test : public ::testing::TestWithParam<TSeriesCase> {};

TEST_P(Round125Test, BothSignsRoundToTheSeries) {
  const TSeriesCase& c = GetParam();
  EXPECT_EQ(Round125(c.x), c.Nearest);
  EXPECT_EQ(RoundPos125(c.x), c.Up);
  EXPECT_EQ(RoundNeg125(c.x), c.Down);
  // Mirror images: rounding -x upwards is rounding x downwards.
  EXPECT_EQ(Round125(-c.x), -c.Nearest);
  EXPECT_EQ(RoundPos125(-c.x), -c.Down);
  EXPECT_EQ(RoundNeg125(-c.x), -c.Up);
}

INSTANTIATE_TEST_SUITE_P(
    HandComputed, Round125Test,
    ::testing::Values(TSeriesCase{0.0123, 0.01, 0.02, 0.01}, TSeriesCase{270, 200, 500, 200},
                      TSeriesCase{7, 5, 10, 5}, TSeriesCase{2.1, 2, 5, 2},
                      TSeriesCase{1000, 1000, 1000, 1000}, TSeriesCase{1.5, 2, 2, 1},
                      TSeriesCase{8, 10, 10, 5}, TSeriesCase{0.2, 0.2, 0.2, 0.2},
                      TSeriesCase{0.05, 0.05, 0.05, 0.05}, TSeriesCase{2.9e-7, 2e-7, 5e-7, 2e-7},
                      TSeriesCase{9.99e20, 1e21, 1e21, 5e20}, TSeriesCase{0, 0, 0, 0}));

// Whether r is 1, 2 or 5 times a power of ten, to a few ulps.
bool InSeries(double r) {
  const double kTolerance = 16 * std::numeric_limits<double>::epsilon();
  for (double m : {1.0, 2.0, 5.0}) {
    const double Scaled = r / m;
    const double Decade = std::pow(10.0, std::round(std::log10(Scaled)));
    if (std::abs(Scaled / Decade - 1) < kTolerance) return true;
  }
  return false;
}

TEST(Round125SweepTest, BracketsEveryValueWithSeriesValues) {
  for (double x = 1e-6; x < 1e6; x *= 1.0137) {
    EXPECT_LE(RoundNeg125(x), x);
    EXPECT_GE(RoundPos125(x), x);
    for (double r : {Round125(x), RoundNeg125(x), RoundPos125(x)}) EXPECT_TRUE(InSeries(r)) << x;
  }
}

struct TScaleCase {
  int32_t NumTicks;
  long double A, B, FirstTick, Distance;
  uint16_t NumMinor;
};

class CalcScaleParsTest : public ::testing::TestWithParam<TScaleCase> {};

TEST_P(CalcScaleParsTest, HandComputedAxes) {
  const TScaleCase& c = GetParam();
  long double FirstTick = -99, Distance = -99;
  uint16_t NumMinor = 99;
  CalcScalePars(c.NumTicks, c.A, c.B, FirstTick, Distance, NumMinor);
  // 10^(n + lg 2) in 80-bit carries a few ulps of the logarithm.
  const long double kTolerance = 64 * std::numeric_limits<long double>::epsilon();
  EXPECT_NEAR(static_cast<double>(Distance), static_cast<double>(c.Distance),
              static_cast<double>(kTolerance * std::abs(c.Distance)));
  EXPECT_NEAR(static_cast<double>(FirstTick), static_cast<double>(c.FirstTick),
              static_cast<double>(kTolerance * (std::abs(c.FirstTick) + std::abs(c.Distance))));
  EXPECT_EQ(NumMinor, c.NumMinor);
}

INSTANTIATE_TEST_SUITE_P(
    RawStepsOnAndOffTheSeries, CalcScaleParsTest,
    ::testing::Values(TScaleCase{4, 0, 100, 0, 20, 4},     // raw 25: step 2 * 10
                      TScaleCase{4, 100, 0, 100, -20, 4},  // the same axis reversed
                      TScaleCase{5, 0, 100, 0, 10, 5},     // raw exactly 20 drops to 1 * 10
                      TScaleCase{10, 0, 100, 0, 10, 5},    // raw exactly 10 stays
                      TScaleCase{2, 0, 100, 0, 20, 4},     // raw exactly 50 drops to 2 * 10
                      TScaleCase{3, -1, 0.5, -1, 0.2, 4},  // raw 0.5, negative decade
                      TScaleCase{4, 0.3, 10.3, 2, 2, 4},   // first tick past A
                      TScaleCase{3, 0, 2.1, 0, 0.5, 5},    // raw 0.7: step 5 * 0.1
                      TScaleCase{0, 2.5, 8, 3, 1, 5},      // unit steps, short axis
                      TScaleCase{0, 0, 100, 0, 1, 1},      // unit steps, long axis
                      TScaleCase{3, 7, 7, 7, 0, 1}));      // empty axis

TEST(CalcScaleParsSweepTest, FirstTickIsTheFirstMultipleAtOrPastA) {
  // The 1e-10 tolerance on the decimal logarithm lets a step exceed the raw step by this ratio.
  const long double kClassSlack = std::expm1(1e-10L * std::numbers::ln10_v<long double>) +
                                  64 * std::numeric_limits<long double>::epsilon();
  SetRandSeed(99);
  for (int i = 0; i < 2000; ++i) {
    const long double A = (Random() - 0.5) * std::pow(10.0, Random(12) - 6);
    const long double B = A + (Random() - 0.5) * std::pow(10.0, Random(12) - 6);
    const int32_t NumTicks = 1 + Random(20);
    long double FirstTick, Distance;
    uint16_t NumMinor;
    CalcScalePars(NumTicks, A, B, FirstTick, Distance, NumMinor);
    const long double Direction = B > A ? 1 : -1;
    EXPECT_GT(Distance * Direction, 0);
    EXPECT_LE(std::abs(Distance), std::abs(B - A) / NumTicks * (1 + kClassSlack));
    EXPECT_GT(std::abs(Distance) * 10, std::abs(B - A) / NumTicks);
    EXPECT_LE((A - FirstTick) * Direction, std::abs(Distance) * 0.001L);
    EXPECT_GT((A - (FirstTick - Distance)) * Direction, std::abs(Distance) * 0.001L);
  }
}

TEST(CalcScaleParsTest, NegativeTickCountHasNoLogarithm) {
  long double FirstTick, Distance;
  uint16_t NumMinor;
  EXPECT_THAT([&] { CalcScalePars(-2, 0, 1, FirstTick, Distance, NumMinor); },
              ThrowsMessage<EQORMath1Error>(StrEq("logarithm: invalid argument")));
}

using TDegreeCase = std::tuple<int32_t, int32_t, int32_t, bool, int32_t, int32_t, int32_t>;

class RoundDegreesTest : public ::testing::TestWithParam<TDegreeCase> {};

TEST_P(RoundDegreesTest, StepsAndCarries) {
  auto [Deg, Min, Sec, RoundUp, ExpectedDeg, ExpectedMin, ExpectedSec] = GetParam();
  RoundDegrees(Deg, Min, Sec, RoundUp);
  EXPECT_EQ(Deg, ExpectedDeg);
  EXPECT_EQ(Min, ExpectedMin);
  EXPECT_EQ(Sec, ExpectedSec);
}

INSTANTIATE_TEST_SUITE_P(
    HandComputed, RoundDegreesTest,
    ::testing::Values(TDegreeCase{0, 40, 0, true, 1, 0, 0},  // 60' carries into a degree
                      TDegreeCase{0, 40, 0, false, 0, 30, 0}, TDegreeCase{7, 30, 0, true, 10, 0, 0},
                      TDegreeCase{7, 30, 0, false, 5, 0, 0}, TDegreeCase{3, 0, 0, true, 3, 0, 0},
                      TDegreeCase{400, 0, 0, true, 360, 0, 0},

                      TDegreeCase{1, 0, 30, false, 1, 0, 0}, TDegreeCase{-1, 20, 5, true, 0, 0, 0},
                      TDegreeCase{0, 20, 0, false, 0, 20, 0}, TDegreeCase{0, 20, 1, true, 0, 30, 0},
                      TDegreeCase{0, 75, 0, false, 0, 30, 0},  // 75' counts as 59'
                      TDegreeCase{0, 0, 40, true, 0, 1, 0},    // 60" carries into a minute
                      TDegreeCase{0, 0, 4, false, 0, 0, 3}));

}  // namespace
}  // namespace qor
