#include <gtest/gtest.h>

#include <ostream>
#include <vector>

#include "qor/frame/hooks.h"
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
int AbortAtCall = 0;  // the feedback call (1-based) that sets AbortMathProc; 0 never

void RecordFeedBack(double Value) {
  Reported.push_back(Value);
  if (static_cast<int>(Reported.size()) == AbortAtCall) AbortMathProc = true;
}

class MatrixSquare : public ::testing::Test {
 protected:
  void SetUp() override {
    ProcStat = 0;
    MathFeedBackProc = nullptr;
    AbortMathProc = false;
    Reported.clear();
    AbortAtCall = 0;
  }
  void TearDown() override { SetUp(); }
};

// The documented definition: for i <= j, the sum over r in increasing order, then / Norm.
double ReferenceCrossProduct(const TMatrix& A, int32_t i, int32_t j, double Norm) {
  double Sum = 0;
  for (int32_t r = 1; r <= A.NrOfRows(); ++r) Sum += A.Elem(i, r) * A.Elem(j, r);
  return Sum / Norm;
}

// Elements of MatRes in rows/columns FirstCol..LastCol of the triangle match the reference.
void ExpectReferenceColumns(const TMatrix& A, const TMatrix& Res, double Norm, int32_t FirstCol,
                            int32_t LastCol) {
  for (int32_t i = FirstCol; i <= LastCol; ++i)
    for (int32_t j = i; j <= A.NrOfColumns(); ++j) {
      const double Expected = ReferenceCrossProduct(A, i, j, Norm);
      ASSERT_TRUE(SameBits(Expected, Res.Elem(i, j))) << "(" << i << ", " << j << ")";
      ASSERT_TRUE(SameBits(Expected, Res.Elem(j, i))) << "(" << j << ", " << i << ")";
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

TEST_P(MatrixSquareBits, EveryThreadCountMatchesThePlainLoop) {
  const auto [Nc, Nr] = GetParam();
  TMatrix A;
  FillScattered(A, Nc, Nr, 11);
  constexpr double kNorm = 3.0;  // a true division, not a multiplication by a rounded inverse
  for (const int32_t Threads : {1, 2, 3, 4, 0, -2}) {
    TMatrix Res;
    ProcStat = 0;
    ASSERT_TRUE(A.Square(&Res, kNorm, Threads)) << Threads << " threads";
    ASSERT_EQ(Res.NrOfColumns(), Nc);
    ASSERT_EQ(Res.NrOfRows(), Nc);
    ExpectReferenceColumns(A, Res, kNorm, 1, Nc);
    EXPECT_EQ(ProcStat.load(), Nc) << "one step per column with " << Threads << " threads";
  }
}

INSTANTIATE_TEST_SUITE_P(Shapes, MatrixSquareBits,
                         ::testing::Values(SquareShape{1, 1}, SquareShape{5, 1}, SquareShape{1, 5},
                                           SquareShape{3, 0}, SquareShape{0, 4},
                                           SquareShape{37, 257}, SquareShape{70, 300},
                                           SquareShape{129, 17}));

TEST_F(MatrixSquare, MoreThreadsThanColumns) {
  TMatrix A, Res;
  FillScattered(A, 3, 50, 12);
  MathFeedBackProc = RecordFeedBack;
  ASSERT_TRUE(A.Square(&Res, 1.0, 16));
  ExpectReferenceColumns(A, Res, 1.0, 1, 3);
  EXPECT_EQ(ProcStat.load(), 3.0);
  ASSERT_GE(Reported.size(), 2u) << "at the start and at the end";
  EXPECT_EQ(Reported.back(), 3.0);
}

TEST_F(MatrixSquare, SerialFeedbackOncePerColumn) {
  TMatrix A, Res;
  FillScattered(A, 6, 10, 13);
  ProcStat = 100;
  MathFeedBackProc = RecordFeedBack;
  ASSERT_TRUE(A.Square(&Res, 1.0, 1));
  EXPECT_EQ(Reported, (std::vector<double>{101, 102, 103, 104, 105, 106}));
}

TEST_F(MatrixSquare, AbortSetBeforehandComputesNothing) {
  TMatrix A;
  FillScattered(A, 8, 20, 14);
  AbortMathProc = true;
  for (const int32_t Threads : {1, 2}) {
    TMatrix Res;
    EXPECT_FALSE(A.Square(&Res, 1.0, Threads));
    EXPECT_EQ(Res.NrOfColumns(), 8) << "resized before the first poll";
    EXPECT_EQ(Res.Elem(1, 1), 0.0);
    EXPECT_EQ(ProcStat.load(), 0.0);
  }
}

TEST_F(MatrixSquare, SerialAbortKeepsTheColumnsBeforeIt) {
  TMatrix A, Res;
  FillScattered(A, 40, 30, 15);
  MathFeedBackProc = RecordFeedBack;
  AbortAtCall = 3;  // raised while column 3 is announced: columns 1..3 finish, 4 never starts
  EXPECT_FALSE(A.Square(&Res, 2.0, 1));
  EXPECT_EQ(ProcStat.load(), 3.0);
  ExpectReferenceColumns(A, Res, 2.0, 1, 3);
  for (int32_t i = 4; i <= 40; ++i)
    for (int32_t j = i; j <= 40; ++j) ASSERT_EQ(Res.Elem(i, j), 0.0) << i << ", " << j;
}

TEST_F(MatrixSquare, ParallelAbortFromTheFirstFeedbackComputesNothing) {
  TMatrix A, Res;
  FillScattered(A, 30, 40, 16);
  MathFeedBackProc = RecordFeedBack;
  AbortAtCall = 1;
  EXPECT_FALSE(A.Square(&Res, 1.0, 2));
  EXPECT_EQ(Reported.size(), 1u);
  EXPECT_EQ(ProcStat.load(), 0.0);
}

TEST_F(MatrixSquare, ParallelAbortStopsHandingOutWork) {
  constexpr int32_t kColumns = 200;
  TMatrix A, Res;
  FillScattered(A, kColumns, 400, 17);
  MathFeedBackProc = RecordFeedBack;
  AbortAtCall = 2;
  const bool Finished = A.Square(&Res, 1.0, 2);
  ASSERT_EQ(Reported.size(), 2u) << "no feedback after the abort";
  // The second call comes after a share of the calling thread, unless the pool's thread took
  // every share first (a loaded machine); then it is the final call of a finished run.
  if (Reported[1] < kColumns) {
    EXPECT_FALSE(Finished);
    EXPECT_LT(ProcStat.load(), kColumns) << "shares still waiting were not started";
  } else {
    EXPECT_TRUE(Finished);
  }
}

TEST_F(MatrixSquare, NotifiesNeitherMatrixAndRefusesNil) {
  TMatrix A, Res;
  FillScattered(A, 4, 4, 17);
  TChangeCounter AChanges, ResChanges;
  AChanges.Attach(A);
  ResChanges.Attach(Res);
  EXPECT_TRUE(A.Square(&Res, 1.0));
  EXPECT_FALSE(A.Square(nullptr, 1.0, 1));
  EXPECT_EQ(AChanges.Count + ResChanges.Count, 0);
}

TEST_F(MatrixSquare, ResultMayBeTheSourceItself) {
  TMatrix A, Separate;
  FillScattered(A, 9, 12, 18);
  ASSERT_TRUE(A.Square(&Separate, 1.0, 2));
  ASSERT_TRUE(A.Square(&A, 1.0, 2));
  EXPECT_EQ(Columns(A), Columns(Separate));
}

}  // namespace
}  // namespace qor
