#include "qor/matrix/detail/extended_kernels.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "qor/matrix/detail/dense_test_support.h"

namespace qor::detail {
namespace {

using testing::TDense;

// 2⁻⁶⁰: below double's resolution at 1 (2⁻⁵²), within extended's (2⁻⁶³).
const long double kTiny = std::ldexp(1.0L, -60);

// Closed forms that only extended intermediates give: 1 + 2⁻⁶⁰ - 1 is 2⁻⁶⁰ in extended and 0 in
// double, and the result survives the final rounding because it is itself a double.
TEST(ExtendedKernels, IntermediatesKeepBitsThatDoubleLoses) {
  const double tiny = static_cast<double>(kTiny);
  const std::vector<double> ones{1.0, 1.0, 1.0};
  EXPECT_EQ(ExtendedDot(std::vector<double>{1.0, tiny, -1.0}.data(), ones.data(), 3), kTiny);
  EXPECT_EQ(SumOfMagnitudes(std::vector<double>{1.0, -tiny, -1.0}.data(), 3), 2.0L + kTiny);

  // A multiplier 1 + 2⁻⁶⁰ is used as it is, not rounded to 1 first.
  double y = -1.0;
  const double x = 1.0;
  ExtendedAddScaled(&y, &x, 1, 1.0L + kTiny);
  EXPECT_EQ(y, tiny);
  double p = 1.0;
  double q = -1.0;
  ExtendedPlaneRotate(&p, &q, 1, 1.0L + kTiny, 1.0L);  // p c + q s, q c - p s
  EXPECT_EQ(p, tiny);
  EXPECT_EQ(q, -2.0);

  // (1 + 2⁻⁵²)(1 + 2⁻⁵³) lies above the midpoint of two doubles; with the factor rounded to 1 it
  // would stay 1 + 2⁻⁵². 1 / (1 + 2⁻⁵³) is the double 1 - 2⁻⁵³ before the last rounding.
  const long double justAboveOne = 1.0L + std::ldexp(1.0L, -53);
  double scaled = 1.0 + std::ldexp(1.0, -52);
  ExtendedScale(&scaled, 1, justAboveOne);
  EXPECT_EQ(scaled, 1.0 + std::ldexp(1.0, -51));
  double divided = 1.0;
  ExtendedDivide(&divided, 1, justAboveOne);
  EXPECT_EQ(divided, 1.0 - std::ldexp(1.0, -53));
}

// Sizes around the four-wide blocking: empty, remainders only, whole blocks, both.
class ExtendedBlocks : public ::testing::TestWithParam<int> {};

// Each sum formed one term after the other into one extended accumulator.
long double ReferenceSum(const double* x, std::ptrdiff_t xStride, const double* y,
                         std::ptrdiff_t yStride, std::ptrdiff_t Length) {
  long double sum = 0.0L;
  for (std::ptrdiff_t k = 0; k < Length; ++k)
    sum = sum + static_cast<long double>(x[k * xStride]) * y[k * yStride];
  return sum;
}

TEST_P(ExtendedBlocks, ColumnSumsMatchOneSumAtATime) {
  const std::ptrdiff_t count = GetParam();
  const std::ptrdiff_t length = 37;
  const std::ptrdiff_t ld = length + 3;
  const TDense y = testing::RandomMatrix(ld, count, 5u + count);
  const TDense x = testing::RandomMatrix(length, 1, 6);
  std::vector<long double> sums(count + 1, -1.0L);
  ExtendedDots(x.data(), y.data(), ld, count, length, sums.data());
  for (std::ptrdiff_t j = 0; j < count; ++j)
    EXPECT_EQ(sums[j], ReferenceSum(x.data(), 1, y.data() + j * ld, 1, length)) << j;
  EXPECT_EQ(sums[count], -1.0L);  // nothing written past Count
}

TEST_P(ExtendedBlocks, RowSumsMatchOneSumAtATime) {
  const std::ptrdiff_t rows = GetParam();
  const std::ptrdiff_t ld = rows + 2;
  for (const std::ptrdiff_t cols : {0, 3, 8, 11}) {
    const TDense a = testing::RandomMatrix(ld, cols, 7u + rows);
    const TDense x = testing::RandomMatrix(cols, 1, 8);
    std::vector<long double> sums(rows + 1, -1.0L);
    ExtendedRowDots(a.data(), ld, rows, cols, x.data(), sums.data());
    for (std::ptrdiff_t j = 0; j < rows; ++j)
      EXPECT_EQ(sums[j], ReferenceSum(a.data() + j, ld, x.data(), 1, cols)) << j << ", " << cols;
    EXPECT_EQ(sums[rows], -1.0L);
  }
}

INSTANTIATE_TEST_SUITE_P(Sizes, ExtendedBlocks, ::testing::Values(0, 1, 3, 4, 5, 8, 11));

}  // namespace
}  // namespace qor::detail
