#include "qor/math1/kahan_sum.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

TEST(KahanSumTest, RecoversTermsThatPlainSummationLoses) {
  TKahanSum Kahan;
  EXPECT_EQ(Kahan.Sum, 0.0);
  Kahan.Add(1.0);
  double Plain = 1.0;
  for (int i = 0; i < 10'000'000; ++i) {
    Kahan.Add(1e-16);
    Plain += 1e-16;
  }
  EXPECT_EQ(Plain, 1.0);
  // 1 + 1e7 * 1e-16 = 1.000000001; the compensated total is within one ulp of it.
  EXPECT_NEAR(Kahan.Sum, 1.000000001, 2.3e-16);
  Kahan.Reset();
  EXPECT_EQ(Kahan.Sum, 0.0);
  Kahan.Add(2.0);
  EXPECT_EQ(Kahan.Sum, 2.0);  // no compensation left over from before the reset
}

}  // namespace
}  // namespace qor
