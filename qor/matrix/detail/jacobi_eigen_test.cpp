#include "qor/matrix/detail/jacobi_eigen.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "qor/frame/hooks.h"
#include "qor/matrix/detail/dense_test_support.h"
#include "qor/matrix/detail/jacobi_reference.h"

namespace qor::detail {
namespace {

using testing::TDense;

bool BitEqual(const TDense& x, const TDense& y) {
  return x.size() == y.size() && std::memcmp(x.data(), y.data(), x.size() * sizeof(double)) == 0;
}

struct TJacobiRun {
  TJacobiEnd end;
  TDense a, d, v;
  double steps;
};

TJacobiRun RunFast(TDense a, std::ptrdiff_t n) {
  TJacobiRun run{TJacobiEnd::kAborted, std::move(a), TDense(n), TDense(n * n), 0.0};
  const double before = ProcStat;
  run.end = CyclicJacobi(run.a.data(), static_cast<int32_t>(n), run.d.data(), run.v.data());
  run.steps = ProcStat - before;
  return run;
}

class JacobiAgainstTextbook : public ::testing::TestWithParam<int> {};

TEST_P(JacobiAgainstTextbook, BitIdenticalEigenpairsUpperTriangleAndStepCount) {
  const std::ptrdiff_t n = GetParam();
  for (const TDense& input : {testing::RandomSymmetric(n, 11 + n), testing::Hilbert(n),
                              testing::GradedSymmetric(n, 5 + n)}) {
    TJacobiRun fast = RunFast(input, n);
    TDense a = input, d, v;
    const double before = ProcStat;
    const TJacobiEnd end = testing::TextbookJacobi(a, n, d, v);
    EXPECT_EQ(fast.end, end);
    EXPECT_EQ(fast.steps, ProcStat - before);
    EXPECT_TRUE(BitEqual(fast.d, d));
    EXPECT_TRUE(BitEqual(fast.v, v));
    EXPECT_TRUE(BitEqual(fast.a, a));
    // The row-major textbook holds the same numbers, transposed in memory.
    TDense rowMajor = input, dRow, vRow;
    EXPECT_EQ(testing::TextbookJacobi<testing::TLayout::kRowMajor>(rowMajor, n, dRow, vRow), end);
    EXPECT_TRUE(BitEqual(fast.d, dRow));
    EXPECT_TRUE(BitEqual(fast.v, testing::Transposed(vRow, n, n)));
  }
}

INSTANTIATE_TEST_SUITE_P(Orders, JacobiAgainstTextbook,
                         ::testing::Values(1, 2, 3, 5, 8, 17, 40, 77));

}  // namespace
}  // namespace qor::detail
