#include "qor/matrix/detail/crout_lu.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <utility>

#include "qor/frame/hooks.h"
#include "qor/matrix/detail/dense_test_support.h"

namespace qor::detail {
namespace {

using testing::TDense;

// Crout's method and the inversion by substitution as a textbook writes them: row-oriented
// sums with element access by (row, column).
struct TTextbookLU {
  TDense a;
  std::vector<int32_t> pivot;
  int32_t parity = 1;
  bool ok = true;
};

TTextbookLU TextbookCrout(TDense a, std::ptrdiff_t n) {
  TTextbookLU lu{std::move(a), std::vector<int32_t>(n), 1, true};
  auto A = [&](std::ptrdiff_t r, std::ptrdiff_t c) -> double& { return lu.a[c * n + r]; };
  TDense s(n);
  for (std::ptrdiff_t i = 0; i < n; ++i) {
    double big = 0.0;
    for (std::ptrdiff_t j = 0; j < n; ++j)
      big = std::fabs(A(i, j)) > big ? std::fabs(A(i, j)) : big;
    s[i] = 1.0 / big;
  }
  for (std::ptrdiff_t j = 0; j < n; ++j) {
    for (std::ptrdiff_t i = 0; i < j; ++i) {
      double sum = A(i, j);
      for (std::ptrdiff_t k = 0; k < i; ++k) sum -= A(i, k) * A(k, j);
      A(i, j) = sum;
    }
    double big = 0.0;
    std::ptrdiff_t p = j;
    for (std::ptrdiff_t i = j; i < n; ++i) {
      double sum = A(i, j);
      for (std::ptrdiff_t k = 0; k < j; ++k) sum -= A(i, k) * A(k, j);
      A(i, j) = sum;
      if (s[i] * std::fabs(sum) >= big) {
        big = s[i] * std::fabs(sum);
        p = i;
      }
    }
    if (p != j) {
      for (std::ptrdiff_t k = 0; k < n; ++k) std::swap(A(p, k), A(j, k));
      lu.parity = -lu.parity;
      s[p] = s[j];
    }
    lu.pivot[j] = static_cast<int32_t>(p);
    if (std::fabs(A(j, j)) < 1e-100) {
      lu.ok = false;
      A(j, j) = 1e-100;
    }
    for (std::ptrdiff_t i = j + 1; i < n; ++i) A(i, j) /= A(j, j);
  }
  return lu;
}

TDense TextbookInverse(const TTextbookLU& lu, std::ptrdiff_t n) {
  auto A = [&](std::ptrdiff_t r, std::ptrdiff_t c) { return lu.a[c * n + r]; };
  TDense inverse(n * n);
  for (std::ptrdiff_t j = 0; j < n; ++j) {
    TDense b(n, 0.0);
    b[j] = 1.0;
    std::ptrdiff_t first = -1;
    for (std::ptrdiff_t i = 0; i < n; ++i) {
      const std::ptrdiff_t p = lu.pivot[i];
      double sum = b[p];
      b[p] = b[i];
      if (first >= 0)
        for (std::ptrdiff_t k = first; k < i; ++k) sum -= A(i, k) * b[k];
      else if (sum != 0.0)
        first = i;
      b[i] = sum;
    }
    for (std::ptrdiff_t i = n - 1; i >= 0; --i) {
      double sum = b[i];
      for (std::ptrdiff_t k = i + 1; k < n; ++k) sum -= A(i, k) * b[k];
      b[i] = sum / A(i, i);
    }
    for (std::ptrdiff_t i = 0; i < n; ++i) inverse[j * n + i] = b[i];
  }
  return inverse;
}

bool BitEqual(const TDense& x, const TDense& y) {
  return x.size() == y.size() && std::memcmp(x.data(), y.data(), x.size() * sizeof(double)) == 0;
}

class CroutAgainstTextbook : public ::testing::TestWithParam<int> {};

TEST_P(CroutAgainstTextbook, FactorsAndInverseBitIdentical) {
  const std::ptrdiff_t n = GetParam();
  for (const TDense& input : {testing::RandomMatrix(n, n, 100 + n), testing::Hilbert(n),
                              testing::GradedSymmetric(n, n)}) {
    const TTextbookLU expected = TextbookCrout(input, n);
    TDense a = input;
    std::vector<int32_t> pivot;
    int32_t parity = 1;
    const TCroutEnd end =
        CroutFactor(a.data(), static_cast<int32_t>(n), pivot, parity, TCroutProgress::kSilent);
    EXPECT_EQ(end == TCroutEnd::kFactored, expected.ok);
    EXPECT_EQ(parity, expected.parity);
    EXPECT_EQ(pivot, expected.pivot);
    EXPECT_TRUE(BitEqual(a, expected.a));
    TDense inverse(n * n);
    ASSERT_EQ(CroutInverse(a.data(), static_cast<int32_t>(n), pivot, inverse.data()),
              TCroutEnd::kFactored);
    EXPECT_TRUE(BitEqual(inverse, TextbookInverse(expected, n)));
  }
}

INSTANTIATE_TEST_SUITE_P(Orders, CroutAgainstTextbook, ::testing::Values(1, 2, 3, 7, 9, 16, 37));

}  // namespace
}  // namespace qor::detail
