#include "qor/matrix/detail/square_kernel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <vector>

#include "qor/matrix/detail/kernel_test_support.h"

namespace qor::detail {
namespace {

using testing::AllLevels;
using testing::BitMismatches;
using testing::OrderSensitiveData;
using testing::ReferenceSquare;
using testing::TLevelScope;

struct TShape {
  std::int64_t Rows, Cols;
};

// Empty, single row or column, remainders of every tile shape, and more rows than one packed
// block holds.
constexpr TShape kShapes[] = {{0, 5},  {7, 0},   {1, 1},    {5, 1},
                              {1, 30}, {37, 23}, {300, 50}, {600, 61}};

// Ways of splitting the columns a caller might use: all at once, one granule at a time, one
// column at a time, and uneven ranges that cut through tiles.
std::vector<std::vector<std::int64_t>> Partitions(std::int64_t Cols, std::int64_t Granule) {
  std::vector<std::vector<std::int64_t>> All{{0, Cols}, {}, {}, {0}};
  for (std::int64_t c = 0; c < Cols; c += Granule) All[1].push_back(c);
  for (std::int64_t c = 0; c < Cols; ++c) All[2].push_back(c);
  for (std::int64_t Cut : {3, 7, 31, 50}) All[3].push_back(std::min(Cut, Cols));
  for (std::size_t p = 1; p < All.size(); ++p) All[p].push_back(Cols);
  return All;
}

class SquareKernelTest : public ::testing::TestWithParam<TSimdLevel> {};

TEST_P(SquareKernelTest, EveryPartitionIsBitIdenticalToTheDocumentedLoop) {
  const TLevelScope Scope(GetParam());
  if (!Scope.Supported) GTEST_SKIP() << "processor lacks this level";
  for (const TShape S : kShapes) {
    SCOPED_TRACE(::testing::Message() << S.Rows << " x " << S.Cols);
    const std::int64_t Lda = S.Rows + 1;
    std::vector<double> A = OrderSensitiveData(static_cast<std::size_t>(Lda * S.Cols), 3);
    const double Norm = 3;  // a divisor that rounds
    const std::vector<double> Expected = ReferenceSquare(A, S.Rows, S.Cols, Lda, Norm);
    for (const std::vector<std::int64_t>& Bounds : Partitions(S.Cols, SquareGranule())) {
      std::vector<double> Result(Expected.size(), -1.0);
      const TSquareOperands Op{S.Rows, S.Cols, A.data(), Lda, Norm, Result.data(), S.Cols};
      for (std::size_t p = 0; p + 1 < Bounds.size(); ++p)
        SquareColumns(Op, Bounds[p], Bounds[p + 1]);
      EXPECT_EQ(BitMismatches(Result, Expected), 0) << Bounds.size() - 1 << " ranges";
    }
  }
}

// Row blocks and pieces of the triangle: block by block across all pieces (as threads sharing
// the work go), or piece after piece from the last one.
TEST_P(SquareKernelTest, EveryOrderOfPiecesAndBlocksIsBitIdenticalToTheDocumentedLoop) {
  const TLevelScope Scope(GetParam());
  if (!Scope.Supported) GTEST_SKIP() << "processor lacks this level";
  for (const TShape S : kShapes) {
    SCOPED_TRACE(::testing::Message() << S.Rows << " x " << S.Cols);
    const std::int64_t Lda = S.Rows + 1;
    std::vector<double> A = OrderSensitiveData(static_cast<std::size_t>(Lda * S.Cols), 4);
    const double Norm = 3;
    const std::vector<double> Expected = ReferenceSquare(A, S.Rows, S.Cols, Lda, Norm);
    const std::int64_t Blocks = SquareRowBlocks(S.Rows), Pieces = SquarePieces(S.Cols);
    TSquareScratch Scratch(S.Rows);
    for (const bool BlockMajor : {true, false}) {
      std::vector<double> Result(Expected.size(), -1.0);
      const TSquareOperands Op{S.Rows, S.Cols, A.data(), Lda, Norm, Result.data(), S.Cols};
      TSquareSums Sums(S.Cols);
      if (BlockMajor) {
        for (std::int64_t Block = 0; Block < Blocks; ++Block)
          for (std::int64_t Piece = 0; Piece < Pieces; ++Piece)
            SquarePieceBlock(Op, Sums, Piece, Block, Scratch);
      } else {
        for (std::int64_t Piece = Pieces - 1; Piece >= 0; --Piece)
          for (std::int64_t Block = 0; Block < Blocks; ++Block)
            SquarePieceBlock(Op, Sums, Piece, Block, Scratch);
      }
      EXPECT_EQ(BitMismatches(Result, Expected), 0) << (BlockMajor ? "block" : "piece") << " major";
    }
  }
}

TEST_P(SquareKernelTest, HandComputedScaledCrossProducts) {
  const TLevelScope Scope(GetParam());
  if (!Scope.Supported) GTEST_SKIP() << "processor lacks this level";
  // Columns (1, 3) and (2, 4): cross products 10, 14, 20, halved.
  const double A[] = {1, 3, 2, 4};
  double S[4];
  SquareColumns({2, 2, A, 2, 2.0, S, 2}, 0, 2);
  EXPECT_EQ(std::vector<double>(S, S + 4), (std::vector<double>{5, 7, 7, 10}));
  // Norm 0 divides exactly as the scalar division does.
  SquareColumns({2, 2, A, 2, 0.0, S, 2}, 0, 2);
  EXPECT_EQ(S[0], std::numeric_limits<double>::infinity());
  // No rows: every element is 0 / Norm.
  SquareColumns({0, 2, A, 1, -4.0, S, 2}, 0, 2);
  for (double Value : S)
    EXPECT_EQ(std::bit_cast<std::uint64_t>(Value), std::bit_cast<std::uint64_t>(-0.0));
}

INSTANTIATE_TEST_SUITE_P(Levels, SquareKernelTest, AllLevels, testing::LevelCaseName);

}  // namespace
}  // namespace qor::detail
