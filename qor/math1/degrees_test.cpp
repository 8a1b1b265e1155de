#include "qor/math1/degrees.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <string>

#include "qor/frame/errors.h"

namespace qor {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr auto kUnknown = static_cast<TDegreeFormat>(7);

TEST(DegreeToStrTest, Layouts) {
  // 12.999999 degrees round up to a whole degree before splitting; 1/3 degree snaps to 20'.
  const struct {
    double Angle;
    TDegreeFormat Format;
    int32_t Decimals;
    const char* Expected;
  } Cases[] = {{12.5, dfDecimal, 2, "12.50\xC2\xB0"},
               {12.5, dfNumber, 2, "12.50"},
               {12.5, dfDegMin, 2, "12\xC2\xB0 30.00'"},
               {-0.5, dfDegMin, 0, "-0\xC2\xB0  30'"},
               {12.5125, dfDegMinSec, 0, "12\xC2\xB0 30'  45\""},
               {-12.5125, dfDegMinSec, 1, "-12\xC2\xB0 30' 45.0\""},
               {12.999999, dfDegMin, 2, "13\xC2\xB0  0.00'"},
               {1.0 / 3, dfDegMinSec, 2, "0\xC2\xB0 20'  0.00\""},
               {12.5, dfDecimal, 20, "12.50000000\xC2\xB0"},
               {12.5, dfDecimal, -3, "13\xC2\xB0"},
               {kInf, dfDegMin, 2, "+Inf\xC2\xB0"},
               {12.5, kUnknown, 2, ""}};
  for (const auto& c : Cases)
    EXPECT_EQ(DegreeToStr(c.Angle, c.Format, c.Decimals), c.Expected) << c.Angle;
}

TEST(ConvertDegreesTest, EveryPairOfFormats) {
  // Every expected value is a dyadic fraction reached by exact operations.
  const struct {
    TDegreeFormat Source, Target;
    std::array<double, 3> In, Out;
  } Cases[] = {{dfDecimal, dfDecimal, {1.5, 3, 4}, {1.5, 0, 0}},
               {dfDegMin, dfDecimal, {-12, 30, 9}, {-11.5, 0, 0}},
               {dfDegMinSec, dfDecimal, {12.7, 30.5, 56.25}, {12.515625, 0, 0}},
               {dfDecimal, dfDegMin, {-12.75, 9, 9}, {-12, 45, 0}},
               {dfDegMin, dfDegMin, {1, 2, 3}, {1, 2, 0}},
               {dfDegMinSec, dfDegMin, {1, 30, 45}, {1, 30.75, 0}},
               {dfDecimal, dfDegMinSec, {12.515625, 0, 0}, {12, 30, 56.25}},
               {dfDegMin, dfDegMinSec, {7, 30.75, 0}, {7, 30, 45}},
               {dfDegMinSec, dfDegMinSec, {1, 2, 3}, {1, 2, 3}},
               {dfNumber, dfDecimal, {1, 2, 3}, {1, 2, 3}},
               {dfDecimal, dfNumber, {1, 60, 60}, {1, 60, 60}}};
  for (const auto& c : Cases) {
    std::array<double, 3> Parts = c.In;
    ConvertDegrees(Parts[0], Parts[1], Parts[2], c.Source, c.Target);
    EXPECT_EQ(Parts, c.Out) << int{c.Source} << " -> " << int{c.Target};
  }
}

TEST(ConvertDegreesTest, RangeOfMinutesAndSecondsWhateverTheFormats) {
  const auto Message = [](double Min, double Sec) -> std::string {
    double Deg = 1;
    const double MinBefore = Min;
    try {
      ConvertDegrees(Deg, Min, Sec, dfDecimal, dfDecimal);
    } catch (const EQORMath1Error& E) {
      EXPECT_TRUE(Deg == 1 && (Min == MinBefore || std::isnan(MinBefore)));  // nothing changed
      return E.what();
    }
    return "accepted";
  };
  EXPECT_EQ(Message(60, 60), "accepted");
  for (double Min : {std::nextafter(60.0, 61.0), -1.0, std::nan("")})
    EXPECT_EQ(Message(Min, -1), "ConvertDegrees: invalid range of minutes") << Min;
  EXPECT_EQ(Message(0, 60.5), "ConvertDegrees: invalid range of seconds");
}

}  // namespace
}  // namespace qor
