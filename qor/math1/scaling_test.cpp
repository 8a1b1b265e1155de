#include "qor/math1/scaling.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <numbers>

#include "qor/frame/errors.h"
#include "qor/frame/random.h"

namespace qor {
namespace {

using ::testing::StrEq;
using ::testing::ThrowsMessage;

TEST(Round125Test, BothSignsRoundToTheSeries) {
  // {x, nearest, up, down}
  const std::array<double, 4> Cases[] = {{0.0123, 0.01, 0.02, 0.01},
                                         {270, 200, 500, 200},
                                         {7, 5, 10, 5},
                                         {2.1, 2, 5, 2},
                                         {1000, 1000, 1000, 1000},
                                         {1.5, 2, 2, 1},
                                         {8, 10, 10, 5},
                                         {0.2, 0.2, 0.2, 0.2},
                                         {0.05, 0.05, 0.05, 0.05},
                                         {2.9e-7, 2e-7, 5e-7, 2e-7},
                                         {9.99e20, 1e21, 1e21, 5e20},
                                         {0, 0, 0, 0}};
  for (const auto& [x, Nearest, Up, Down] : Cases) {
    // Mirror images: rounding -x upwards is rounding x downwards.
    EXPECT_EQ((std::array{Round125(x), RoundPos125(x), RoundNeg125(x)}),
              (std::array{Nearest, Up, Down}))
        << x;
    EXPECT_EQ((std::array{Round125(-x), RoundPos125(-x), RoundNeg125(-x)}),
              (std::array{-Nearest, -Down, -Up}))
        << x;
  }
  // Every value is bracketed by series values: 1, 2 or 5 times a power of ten, to a few ulps.
  const auto InSeries = [](double r) {
    const double kTolerance = 16 * std::numeric_limits<double>::epsilon();
    for (double m : {1.0, 2.0, 5.0}) {
      const double Decade = std::pow(10.0, std::round(std::log10(r / m)));
      if (std::abs(r / m / Decade - 1) < kTolerance) return true;
    }
    return false;
  };
  for (double x = 1e-6; x < 1e6; x *= 1.0137) {
    EXPECT_TRUE(RoundNeg125(x) <= x && x <= RoundPos125(x)) << x;
    for (double r : {Round125(x), RoundNeg125(x), RoundPos125(x)}) EXPECT_TRUE(InSeries(r)) << x;
  }
}

TEST(CalcScaleParsTest, HandComputedAxes) {
  // In turn: raw step 25 gives 2 * 10, the same axis reversed, raw exactly 20 drops to 1 * 10,
  // raw exactly 10 stays, raw exactly 50 drops to 2 * 10, raw 0.5 in a negative decade, the
  // first tick past A, raw 0.7 gives 5 * 0.1, unit steps on a short and a long axis, an empty axis.
  const struct {
    int32_t NumTicks;
    long double A, B, FirstTick, Distance;
    uint16_t NumMinor;
  } Cases[] = {{4, 0, 100, 0, 20, 4},   {4, 100, 0, 100, -20, 4}, {5, 0, 100, 0, 10, 5},
               {10, 0, 100, 0, 10, 5},  {2, 0, 100, 0, 20, 4},    {3, -1, 0.5, -1, 0.2, 4},
               {4, 0.3, 10.3, 2, 2, 4}, {3, 0, 2.1, 0, 0.5, 5},   {0, 2.5, 8, 3, 1, 5},
               {0, 0, 100, 0, 1, 1},    {3, 7, 7, 7, 0, 1}};
  // 10^(n + lg 2) in 80-bit carries a few ulps of the logarithm.
  const double kTolerance = 64 * std::numeric_limits<long double>::epsilon();
  for (const auto& c : Cases) {
    long double FirstTick = -99, Distance = -99;
    uint16_t NumMinor = 99;
    CalcScalePars(c.NumTicks, c.A, c.B, FirstTick, Distance, NumMinor);
    const double Scale = static_cast<double>(std::abs(c.FirstTick) + std::abs(c.Distance));
    EXPECT_NEAR(static_cast<double>(Distance), static_cast<double>(c.Distance), kTolerance * Scale);
    EXPECT_NEAR(static_cast<double>(FirstTick), static_cast<double>(c.FirstTick),
                kTolerance * Scale);
    EXPECT_EQ(NumMinor, c.NumMinor) << static_cast<double>(c.B);
  }
  long double First, Distance;
  uint16_t Minor;
  EXPECT_THAT([&] { CalcScalePars(-2, 0, 1, First, Distance, Minor); },
              ThrowsMessage<EQORMath1Error>(StrEq("logarithm: invalid argument")));
}

TEST(CalcScaleParsTest, FirstTickIsTheFirstMultipleAtOrPastA) {
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

TEST(RoundDegreesTest, StepsAndCarries) {
  // {deg, min, sec, round up} -> {deg, min, sec}; 60' carries into a degree and 60" into a
  // minute, 75' counts as 59'.
  const struct {
    int32_t Deg, Min, Sec;
    bool RoundUp;
    std::array<int32_t, 3> Expected;
  } Cases[] = {
      {0, 40, 0, true, {1, 0, 0}},  {0, 40, 0, false, {0, 30, 0}}, {7, 30, 0, true, {10, 0, 0}},
      {7, 30, 0, false, {5, 0, 0}}, {3, 0, 0, true, {3, 0, 0}},    {400, 0, 0, true, {360, 0, 0}},
      {1, 0, 30, false, {1, 0, 0}}, {-1, 20, 5, true, {0, 0, 0}},  {0, 20, 0, false, {0, 20, 0}},
      {0, 20, 1, true, {0, 30, 0}}, {0, 75, 0, false, {0, 30, 0}}, {0, 0, 40, true, {0, 1, 0}},
      {0, 0, 4, false, {0, 0, 3}}};
  for (const auto& c : Cases) {
    std::array<int32_t, 3> Parts{c.Deg, c.Min, c.Sec};
    RoundDegrees(Parts[0], Parts[1], Parts[2], c.RoundUp);
    EXPECT_EQ(Parts, c.Expected) << c.Deg << " " << c.Min << " " << c.Sec << " " << c.RoundUp;
  }
}

}  // namespace
}  // namespace qor
