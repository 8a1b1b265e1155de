#include "qor/frame/float_text.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <limits>
#include <ostream>

namespace qor {
namespace {

struct TCase {
  long double x;
  int32_t Width;
  int32_t Decimals;
  const char* Expected;
};

void PrintTo(const TCase& c, std::ostream* Out) {
  *Out << '(' << static_cast<double>(c.x) << ", " << c.Width << ", " << c.Decimals << ')';
}

class StrFloatTest : public ::testing::TestWithParam<TCase> {};

TEST_P(StrFloatTest, MatchesThePlatformLayout) {
  const TCase& c = GetParam();
  EXPECT_EQ(StrFloat(c.x, c.Width, c.Decimals), c.Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, StrFloatTest,
    ::testing::Values(TCase{3.14159L, 8, 2, "    3.14"}, TCase{-3.14159L, 1, 3, "-3.142"},
                      TCase{1234.5L, 2, 0, "1235"}, TCase{2.5L, 1, 0, "3"},
                      TCase{-2.5L, 1, 0, "-3"}, TCase{0.125L, 1, 2, "0.13"},
                      TCase{0.375L, 1, 2, "0.38"}, TCase{0.1L, 1, 1, "0.1"},
                      TCase{1.005, 1, 2, "1.00"},  // the double 1.005 lies below the tie
                      TCase{-0.0L, 5, 1, "  0.0"}, TCase{42, 12, 0, "          42"},
                      // Decimals -1: exponential form.
                      TCase{1234, 12, -1, " 1.234E+0003"}, TCase{-1234, 12, -1, "-1.234E+0003"},
                      TCase{0, 12, -1, " 0.000E+0000"}, TCase{1e-300L, 10, -1, " 1.0E-0300"},
                      TCase{9.96L, 10, -1, " 1.0E+0001"},  // rounding carries into the exponent
                      TCase{1.25L, 10, -1, " 1.3E+0000"},  // exact tie, away from zero
                      TCase{1234, 5, -1, " 1.2E+0003"},    // narrower widths act as 10
                      TCase{1e4000L, 12, -1, " 1.000E+4000"},
                      TCase{1.0L / 3, 26, -1, " 3.33333333333333333E-0001"},
                      TCase{std::numeric_limits<long double>::infinity(), 6, 2, "  +Inf"},
                      TCase{-std::numeric_limits<long double>::infinity(), 1, -1, "-Inf"},
                      TCase{std::numeric_limits<long double>::quiet_NaN(), 4, 2, " Nan"}));

TEST(StrFloatRounding, LeavesTheCallersRoundingModeAlone) {
  std::fesetround(FE_UPWARD);
  EXPECT_EQ(StrFloat(2.5L, 1, 0), "3");
  EXPECT_EQ(StrFloat(1.0L / 3, 1, 2), "0.33");
  EXPECT_EQ(std::fegetround(), FE_UPWARD);
  std::fesetround(FE_TONEAREST);
  EXPECT_EQ(strff(0, 1, 2), "0.00");  // strff is the fixed conversion
}

}  // namespace
}  // namespace qor
