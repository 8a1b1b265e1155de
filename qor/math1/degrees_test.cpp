#include "qor/math1/degrees.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "qor/frame/errors.h"

namespace qor {
namespace {

struct TDegreeCase {
  double Angle;
  TDegreeFormat Format;
  int32_t Decimals;
  const char* Expected;
};

class DegreeToStrTest : public ::testing::TestWithParam<TDegreeCase> {};

TEST_P(DegreeToStrTest, Layout) {
  const TDegreeCase& c = GetParam();
  EXPECT_EQ(DegreeToStr(c.Angle, c.Format, c.Decimals), c.Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Formats, DegreeToStrTest,
    ::testing::Values(TDegreeCase{12.5, dfDecimal, 2, "12.50\xC2\xB0"},
                      TDegreeCase{12.5, dfNumber, 2, "12.50"},
                      TDegreeCase{12.5, dfDegMin, 2, "12\xC2\xB0 30.00'"},
                      TDegreeCase{-0.5, dfDegMin, 0, "-0\xC2\xB0  30'"},
                      TDegreeCase{12.5125, dfDegMinSec, 0, "12\xC2\xB0 30'  45\""},
                      TDegreeCase{-12.5125, dfDegMinSec, 1, "-12\xC2\xB0 30' 45.0\""},
                      // 59.9999 minutes round up to a whole degree before splitting.
                      TDegreeCase{12.999999, dfDegMin, 2, "13\xC2\xB0  0.00'"},
                      TDegreeCase{1.0 / 3, dfDegMinSec, 2, "0\xC2\xB0 20'  0.00\""},
                      TDegreeCase{12.5, dfDecimal, 20, "12.50000000\xC2\xB0"},
                      TDegreeCase{12.5, dfDecimal, -3, "13\xC2\xB0"},
                      TDegreeCase{std::numeric_limits<double>::infinity(), dfDegMin, 2,
                                  "+Inf\xC2\xB0"},
                      TDegreeCase{12.5, static_cast<TDegreeFormat>(7), 2, ""}));

struct TConvertCase {
  TDegreeFormat Source;
  TDegreeFormat Target;
  double In[3];
  double Out[3];
};

class ConvertDegreesTest : public ::testing::TestWithParam<TConvertCase> {};

TEST_P(ConvertDegreesTest, Table) {
  const TConvertCase& c = GetParam();
  double Deg = c.In[0];
  double Min = c.In[1];
  double Sec = c.In[2];
  ConvertDegrees(Deg, Min, Sec, c.Source, c.Target);
  // Every expected value is a dyadic fraction reached by exact operations.
  EXPECT_EQ(Deg, c.Out[0]);
  EXPECT_EQ(Min, c.Out[1]);
  EXPECT_EQ(Sec, c.Out[2]);
}

INSTANTIATE_TEST_SUITE_P(
    Pairs, ConvertDegreesTest,
    ::testing::Values(TConvertCase{dfDecimal, dfDecimal, {1.5, 3, 4}, {1.5, 0, 0}},
                      TConvertCase{dfDegMin, dfDecimal, {-12, 30, 9}, {-11.5, 0, 0}},
                      TConvertCase{dfDegMinSec, dfDecimal, {12.7, 30.5, 56.25}, {12.515625, 0, 0}},
                      TConvertCase{dfDecimal, dfDegMin, {-12.75, 9, 9}, {-12, 45, 0}},
                      TConvertCase{dfDegMin, dfDegMin, {1, 2, 3}, {1, 2, 0}},
                      TConvertCase{dfDegMinSec, dfDegMin, {1, 30, 45}, {1, 30.75, 0}},
                      TConvertCase{dfDecimal, dfDegMinSec, {12.515625, 0, 0}, {12, 30, 56.25}},
                      TConvertCase{dfDegMin, dfDegMinSec, {7, 30.75, 0}, {7, 30, 45}},
                      TConvertCase{dfDegMinSec, dfDegMinSec, {1, 2, 3}, {1, 2, 3}},
                      TConvertCase{dfNumber, dfDecimal, {1, 2, 3}, {1, 2, 3}},
                      TConvertCase{dfDecimal, dfNumber, {1, 60, 60}, {1, 60, 60}}));

TEST(ConvertDegrees, RangeOfMinutesAndSecondsWhateverTheFormats) {
  const auto Message = [](double Min, double Sec) -> std::string {
    double Deg = 1;
    const double MinBefore = Min;
    try {
      ConvertDegrees(Deg, Min, Sec, dfDecimal, dfDecimal);
    } catch (const EQORMath1Error& E) {
      EXPECT_EQ(Deg, 1);
      EXPECT_TRUE(Min == MinBefore || std::isnan(MinBefore));
      return E.what();
    }
    return "accepted";
  };
  EXPECT_EQ(Message(60, 60), "accepted");
  EXPECT_EQ(Message(std::nextafter(60.0, 61.0), 0), "ConvertDegrees: invalid range of minutes");
  EXPECT_EQ(Message(-1, -1), "ConvertDegrees: invalid range of minutes");
  EXPECT_EQ(Message(0, 60.5), "ConvertDegrees: invalid range of seconds");
  EXPECT_EQ(Message(std::nan(""), 0), "ConvertDegrees: invalid range of minutes");
}

}  // namespace
}  // namespace qor
