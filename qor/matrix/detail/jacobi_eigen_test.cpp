#include "qor/matrix/detail/jacobi_eigen.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <tuple>

#include "qor/frame/hooks.h"
#include "qor/matrix/detail/dense_test_support.h"
#include "qor/matrix/detail/jacobi_reference.h"
#include "qor/matrix/detail/kernel_test_support.h"

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

class JacobiAgainstTextbook : public ::testing::TestWithParam<std::tuple<int, TSimdLevel>> {};

TEST_P(JacobiAgainstTextbook, BitIdenticalEigenpairsUpperTriangleAndStepCount) {
  const std::ptrdiff_t n = std::get<0>(GetParam());
  const testing::TLevelScope scope(std::get<1>(GetParam()));
  if (!scope.Supported) GTEST_SKIP() << "level not supported by this processor";
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

// Orders below one vector of lanes, and orders whose rows span several blocks of deferred row
// updates with vector groups and tails in every kernel.
INSTANTIATE_TEST_SUITE_P(Orders, JacobiAgainstTextbook,
                         ::testing::Combine(::testing::Values(1, 2, 3, 5, 8, 17, 40, 77, 103),
                                            testing::AllLevels));

// An order large enough for the deferred eigenvector rotations to be applied in several blocks
// of rows, at the vector levels that production runs use.
INSTANTIATE_TEST_SUITE_P(LargeOrder, JacobiAgainstTextbook,
                         ::testing::Combine(::testing::Values(260),
                                            ::testing::Values(slAvx2, slAvx512)));

// The hook that raises the abort flag once the progress counter has advanced Steps times since
// Start; the iteration must stop before the next pair with everything done so far applied.
struct TAbortAfter {
  static inline double Start = 0.0;
  static inline double Steps = 0.0;
  static void Hook(double Progress) {
    if (Progress - Start >= Steps) AbortMathProc = true;
  }
};

class JacobiAbort : public ::testing::TestWithParam<double> {};

// An abort in the middle of a row of pairs and of a block of deferred row updates leaves A, the
// eigenvalues and the eigenvectors exactly where the textbook loop leaves them.
TEST_P(JacobiAbort, StopsWhereTheTextbookLoopStops) {
  constexpr std::ptrdiff_t n = 61;
  const TDense input = testing::RandomSymmetric(n, 23);
  TAbortAfter::Steps = GetParam();
  MathFeedBackProc = &TAbortAfter::Hook;

  AbortMathProc = false;
  TAbortAfter::Start = ProcStat;
  TJacobiRun fast = RunFast(input, n);
  AbortMathProc = false;
  TDense a = input, d, v;
  TAbortAfter::Start = ProcStat;
  const double before = ProcStat;
  const TJacobiEnd end = testing::TextbookJacobi(a, n, d, v);
  const double steps = ProcStat - before;
  MathFeedBackProc = nullptr;
  AbortMathProc = false;

  EXPECT_EQ(end, TJacobiEnd::kAborted);
  EXPECT_EQ(fast.end, end);
  EXPECT_EQ(fast.steps, steps);
  EXPECT_EQ(steps, GetParam());
  EXPECT_TRUE(BitEqual(fast.d, d));
  EXPECT_TRUE(BitEqual(fast.v, v));
  EXPECT_TRUE(BitEqual(fast.a, a));
}

// Counted steps: the first test and one per pair. With n = 61 a sweep has 1830 pairs; row 0
// has 60 pairs, deferred in blocks of 32.
INSTANTIATE_TEST_SUITE_P(Steps, JacobiAbort,
                         ::testing::Values(2.0, 1.0 + 45.0, 1.0 + 60.0 + 7.0,
                                           1.0 + 1830.0 + 1.0 + 900.0,
                                           3.0 * 1831.0 + 1.0 + 1234.0));

}  // namespace
}  // namespace qor::detail
