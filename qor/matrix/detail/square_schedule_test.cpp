#include "qor/matrix/detail/square_schedule.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <thread>
#include <vector>

#include "qor/matrix/detail/kernel_test_support.h"

namespace qor::detail {
namespace {

using testing::BitMismatches;
using testing::OrderSensitiveData;
using testing::ReferenceSquare;

struct TProblem {
  std::int64_t NRows, NCols;
  std::vector<double> A, S;
  TProblem(std::int64_t Rows, std::int64_t Cols)
      : NRows(Rows),
        NCols(Cols),
        A(OrderSensitiveData(static_cast<std::size_t>(Rows * Cols), 7)),
        S(static_cast<std::size_t>(Cols * Cols)) {}
  TSquareOperands Operands() { return {NRows, NCols, A.data(), NRows, 3.0, S.data(), NCols}; }
};

TEST(SquareSchedule, ThreadsSharingTheUnitsGiveTheDocumentedLoop) {
  // Several row blocks and pieces, more threads than the machine may have.
  TProblem P(700, 90);
  TSquareSchedule Schedule(P.Operands());
  {
    std::vector<std::jthread> Threads;
    for (int t = 0; t < 3; ++t) Threads.emplace_back([&] { Schedule.Work([] {}); });
  }
  EXPECT_EQ(Schedule.RowBlocksDone(), Schedule.RowBlocks());
  EXPECT_EQ(BitMismatches(P.S, ReferenceSquare(P.A, P.NRows, P.NCols, P.NRows, 3.0)), 0);
}

TEST(SquareSchedule, OneThreadRunsEveryUnitOnceWithProgressNeverGoingBack) {
  TProblem P(1300, 140);
  const std::int64_t Pieces = SquarePieces(140);
  ASSERT_GT(Pieces, 1);
  TSquareSchedule Schedule(P.Operands());
  ASSERT_EQ(Schedule.RowBlocks(), SquareRowBlocks(1300));
  std::vector<std::int64_t> DoneAfterUnit;
  Schedule.Work([&] { DoneAfterUnit.push_back(Schedule.RowBlocksDone()); });
  // A row block counts as done once its last piece is; a thread alone keeps to one piece for
  // a few blocks, so the count may stay behind the units run, but it never goes back.
  ASSERT_EQ(static_cast<std::int64_t>(DoneAfterUnit.size()), Pieces * Schedule.RowBlocks());
  EXPECT_TRUE(std::is_sorted(DoneAfterUnit.begin(), DoneAfterUnit.end()));
  EXPECT_EQ(DoneAfterUnit.back(), Schedule.RowBlocks());
  EXPECT_EQ(BitMismatches(P.S, ReferenceSquare(P.A, P.NRows, P.NCols, P.NRows, 3.0)), 0);
}

TEST(SquareSchedule, StopEndsWorkAfterTheRunningUnit) {
  TProblem P(500, 100);
  TSquareSchedule Schedule(P.Operands());
  int Units = 0;
  Schedule.Work([&] {
    if (++Units == 3) Schedule.Stop();
  });
  EXPECT_EQ(Units, 3);
  EXPECT_TRUE(Schedule.Stopped());
  EXPECT_LT(Schedule.RowBlocksDone(), Schedule.RowBlocks());
  Schedule.Work([&] { ++Units; });
  EXPECT_EQ(Units, 3) << "a thread arriving after the stop takes nothing";
}

}  // namespace
}  // namespace qor::detail
