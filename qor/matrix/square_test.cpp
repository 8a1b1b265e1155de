#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <thread>
#include <vector>

#include "qor/frame/hooks.h"
#include "qor/frame/worker_pool.h"
#include "qor/matrix/detail/square_kernel.h"
#include "qor/matrix/detail/test_matrices.h"
#include "qor/matrix/matrix.h"

namespace qor {
namespace {

using detail::Columns;
using detail::FillScattered;
using detail::SameBits;
using detail::SetColumns;
using detail::TChangeCounter;

std::vector<double> Reported;
size_t AbortAtCall = 0;  // the feedback call (1-based) that raises AbortMathProc; 0 never

void RecordFeedBack(double Value) {
  Reported.push_back(Value);
  if (Reported.size() == AbortAtCall) AbortMathProc = true;
}

class MatrixSquare : public ::testing::Test {
 protected:
  void SetUp() override {
    ProcStat = 0;
    MathFeedBackProc = RecordFeedBack;
    AbortMathProc = false;
    Reported.clear();
    AbortAtCall = 0;
  }
  void TearDown() override {
    SetUp();
    MathFeedBackProc = nullptr;
  }
};

// Columns FirstCol..LastCol of the triangle (and their mirror) match the documented loop.
void ExpectPlainLoopColumns(const TMatrix& A, const TMatrix& Res, double Norm, int32_t FirstCol,
                            int32_t LastCol) {
  for (int32_t i = FirstCol; i <= LastCol; ++i)
    for (int32_t j = i; j <= A.NrOfColumns(); ++j) {
      double Sum = 0;
      for (int32_t r = 1; r <= A.NrOfRows(); ++r) Sum += A.Elem(i, r) * A.Elem(j, r);
      ASSERT_TRUE(SameBits(Sum / Norm, Res.Elem(i, j))) << "(" << i << ", " << j << ")";
      ASSERT_TRUE(SameBits(Sum / Norm, Res.Elem(j, i))) << "(" << j << ", " << i << ")";
    }
}

TEST_F(MatrixSquare, CovarianceOfCentredColumns) {
  TMatrix Data, Covariance;
  SetColumns(Data, {{-1, 0, 1}, {-3, -1, 4}});
  ASSERT_TRUE(Data.Square(&Covariance, 2.0, 1));
  EXPECT_EQ(Columns(Covariance), (TDouble2DArray{{1, 3.5}, {3.5, 13}}));
}

struct SquareShape {
  int32_t Columns, Rows;
  friend void PrintTo(const SquareShape& S, std::ostream* Out) {
    *Out << S.Columns << " columns of " << S.Rows;
  }
};

class MatrixSquareBits : public MatrixSquare, public ::testing::WithParamInterface<SquareShape> {};

TEST_P(MatrixSquareBits, EveryThreadCountMatchesThePlainLoopAndCountsEachColumn) {
  const auto [Nc, Nr] = GetParam();
  TMatrix A;
  FillScattered(A, Nc, Nr, 11);
  constexpr double kNorm = 3.0;  // a true division, not a product with a rounded inverse
  for (const int32_t Threads : {1, 2, 3, 16, 0, -2}) {
    TMatrix Res;
    ProcStat = 0;
    Reported.clear();
    ASSERT_TRUE(A.Square(&Res, kNorm, Threads)) << Threads << " threads";
    ASSERT_EQ(Res.NrOfColumns(), Nc);
    ASSERT_EQ(Res.NrOfRows(), Nc);
    ExpectPlainLoopColumns(A, Res, kNorm, 1, Nc);
    EXPECT_EQ(ProcStat.load(), Nc) << Threads << " threads";
    if (Nc > 0) {
      EXPECT_EQ(Reported.back(), Nc) << "the last report sees every column";
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Shapes, MatrixSquareBits,
                         ::testing::Values(SquareShape{1, 1}, SquareShape{5, 1}, SquareShape{1, 5},
                                           SquareShape{3, 0}, SquareShape{0, 4},
                                           SquareShape{37, 257}, SquareShape{129, 17}));

TEST_F(MatrixSquare, SerialReportsEachColumnAndAbortKeepsTheColumnsBefore) {
  TMatrix A, Res;
  FillScattered(A, 40, 30, 15);
  ProcStat = 100;
  AbortAtCall = 3;  // raised while column 3 is announced: columns 1..3 finish, 4 never starts
  EXPECT_FALSE(A.Square(&Res, 2.0, 1));
  EXPECT_EQ(Reported, (std::vector<double>{101, 102, 103}));
  EXPECT_EQ(ProcStat.load(), 103.0);
  ExpectPlainLoopColumns(A, Res, 2.0, 1, 3);
  for (int32_t i = 4; i <= 40; ++i) ASSERT_EQ(Res.Elem(i, 40), 0.0) << i;
}

TEST_F(MatrixSquare, AbortBeforeTheFirstColumnComputesNothing) {
  TMatrix A;
  FillScattered(A, 30, 40, 16);
  for (const int32_t Threads : {1, 2}) {
    TMatrix Res;
    AbortMathProc = Threads == 1;  // set beforehand, or by the parallel path's first report
    AbortAtCall = 1;
    Reported.clear();
    EXPECT_FALSE(A.Square(&Res, 1.0, Threads));
    EXPECT_EQ(Res.NrOfColumns(), 30) << "resized before the first poll";
    EXPECT_EQ(Res.Elem(1, 1), 0.0);
    EXPECT_EQ(ProcStat.load(), 0.0);
  }
}

// The parallel path finishes every column with the last row block and counts in proportion:
// after b of B row blocks, floor(Nc * b / B) columns.
std::vector<double> ProportionalCounts(int32_t Nc, int32_t Nr) {
  const int64_t Blocks = detail::SquareRowBlocks(Nr);
  std::vector<double> Counts;
  for (int64_t b = 0; b <= Blocks; ++b) Counts.push_back(static_cast<double>(Nc * b / Blocks));
  return Counts;
}

std::vector<std::thread::id> ReportingThreads;
void RecordFeedBackThread(double Value) {
  RecordFeedBack(Value);
  ReportingThreads.push_back(std::this_thread::get_id());
}

TEST_F(MatrixSquare, ParallelProgressGrowsWithTheRowBlocksOnTheCallingThreadOnly) {
  constexpr int32_t kColumns = 60, kRows = 1500;
  TMatrix A, Res;
  FillScattered(A, kColumns, kRows, 19);
  MathFeedBackProc = RecordFeedBackThread;
  ReportingThreads.clear();
  ASSERT_TRUE(A.Square(&Res, 1.0, 2));
  const std::vector<double> Allowed = ProportionalCounts(kColumns, kRows);
  ASSERT_GE(Reported.size(), 2u);
  EXPECT_EQ(Reported.front(), 0.0) << "reported before any work";
  EXPECT_EQ(Reported.back(), kColumns);
  EXPECT_EQ(ProcStat.load(), kColumns);
  EXPECT_TRUE(std::is_sorted(Reported.begin(), Reported.end()));
  for (const double Value : Reported)
    EXPECT_NE(std::find(Allowed.begin(), Allowed.end(), Value), Allowed.end()) << Value;
  for (const std::thread::id Thread : ReportingThreads)
    ASSERT_EQ(Thread, std::this_thread::get_id());
}

// Inside a loop of the worker pool a nested loop runs inline: the calling thread alone computes
// the pieces in order, so it sees, and reports, every row block finish.
TEST_F(MatrixSquare, NestedInAPoolLoopTheParallelPathRunsInlineAndReportsEveryRowBlock) {
  constexpr int32_t kColumns = 50, kRows = 700;
  TMatrix A, Res;
  FillScattered(A, kColumns, kRows, 20);
  bool Finished = false;
  ParallelFor(1, 0, [&](int32_t) { Finished = A.Square(&Res, 3.0, 2); });
  ASSERT_TRUE(Finished);
  ExpectPlainLoopColumns(A, Res, 3.0, 1, kColumns);
  std::vector<double> Distinct = Reported;
  Distinct.erase(std::unique(Distinct.begin(), Distinct.end()), Distinct.end());
  EXPECT_EQ(Distinct, ProportionalCounts(kColumns, kRows));
}

TEST_F(MatrixSquare, ParallelAbortStartsNoFurtherPieceAndClearsTheResult) {
  constexpr int32_t kColumns = 200;
  TMatrix A, Res;
  FillScattered(A, kColumns, 4000, 17);
  AbortAtCall = 2;
  const bool Finished = A.Square(&Res, 1.0, 2);
  ASSERT_EQ(Reported.size(), 2u) << "no report after the abort";
  EXPECT_EQ(ProcStat.load(), Reported.back()) << "nothing counted without a report";
  // The second report follows the calling thread's first piece. On a loaded machine the pool's
  // thread may have computed everything else by the time that piece starts; then the second
  // report is the final one and the call succeeds.
  if (Finished) {
    EXPECT_EQ(ProcStat.load(), kColumns);
    return;
  }
  for (const std::vector<double>& Column : Columns(Res))
    ASSERT_EQ(std::count(Column.begin(), Column.end(), 0.0), kColumns);
}

TEST_F(MatrixSquare, SilentRefusesNilAndMayOverwriteItsSource) {
  TMatrix A, Res;
  FillScattered(A, 9, 12, 18);
  TChangeCounter AChanges, ResChanges;
  AChanges.Attach(A);
  ResChanges.Attach(Res);
  EXPECT_FALSE(A.Square(nullptr, 1.0, 1));
  EXPECT_TRUE(A.Square(&Res, 1.0));
  EXPECT_EQ(AChanges.Count + ResChanges.Count, 0);
  ASSERT_TRUE(A.Square(&A, 1.0, 2));
  EXPECT_EQ(Columns(A), Columns(Res));
}

}  // namespace
}  // namespace qor
