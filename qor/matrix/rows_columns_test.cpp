#include <gtest/gtest.h>

#include "qor/matrix/detail/test_matrices.h"
#include "qor/matrix/matrix.h"

namespace qor {
namespace {

using detail::Columns;
using detail::SetColumns;
using detail::TChangeCounter;

TEST(MatrixRemove, RefusesBadIndexAndLastRemainingLine) {
  TMatrix M;
  SetColumns(M, {{1, 2}});
  TChangeCounter Changes;
  Changes.Attach(M);
  EXPECT_FALSE(M.RemoveColumn(1)) << "a single column stays";
  EXPECT_FALSE(M.RemoveRow(0));
  EXPECT_FALSE(M.RemoveRow(3));
  EXPECT_EQ(Changes.Count, 0);
  EXPECT_TRUE(M.RemoveRow(1));
  EXPECT_EQ(Columns(M), (TDouble2DArray{{2}}));
  EXPECT_FALSE(M.RemoveRow(1));
  EXPECT_EQ(Changes.Count, 1);
}

TEST(MatrixRemove, ShiftsFollowingLines) {
  TMatrix M;
  SetColumns(M, {{1, 2, 3}, {4, 5, 6}, {7, 8, 9}});
  EXPECT_TRUE(M.RemoveColumn(2));
  EXPECT_EQ(Columns(M), (TDouble2DArray{{1, 2, 3}, {7, 8, 9}}));
  EXPECT_TRUE(M.RemoveColumn(2));  // the last column: only a resize
  EXPECT_EQ(Columns(M), (TDouble2DArray{{1, 2, 3}}));
  SetColumns(M, {{1, 2, 3}, {4, 5, 6}});
  EXPECT_TRUE(M.RemoveRow(2));
  EXPECT_EQ(Columns(M), (TDouble2DArray{{1, 3}, {4, 6}}));
}

TEST(MatrixExchange, SwapsLinesAndIgnoresOutsideIndices) {
  TMatrix M;
  SetColumns(M, {{1, 2}, {3, 4}, {5, 6}});
  TChangeCounter Changes;
  Changes.Attach(M);
  M.ExchangeColumns(1, 3);
  EXPECT_EQ(Columns(M), (TDouble2DArray{{5, 6}, {3, 4}, {1, 2}}));
  M.ExchangeRows(2, 1);
  EXPECT_EQ(Columns(M), (TDouble2DArray{{6, 5}, {4, 3}, {2, 1}}));
  EXPECT_EQ(Changes.Count, 2);
  M.ExchangeColumns(0, 1);
  M.ExchangeRows(1, 3);
  EXPECT_EQ(Columns(M), (TDouble2DArray{{6, 5}, {4, 3}, {2, 1}}));
  EXPECT_EQ(Changes.Count, 2);
}

TEST(MatrixMirror, ReversesOrderAndAlwaysNotifies) {
  TMatrix M;
  SetColumns(M, {{1, 2, 3}, {4, 5, 6}, {7, 8, 9}, {10, 11, 12}});
  M.MirrorColumns();
  EXPECT_EQ(Columns(M), (TDouble2DArray{{10, 11, 12}, {7, 8, 9}, {4, 5, 6}, {1, 2, 3}}));
  M.MirrorRows();
  EXPECT_EQ(Columns(M), (TDouble2DArray{{12, 11, 10}, {9, 8, 7}, {6, 5, 4}, {3, 2, 1}}));
  TMatrix Single;
  TChangeCounter Changes;
  Changes.Attach(Single);
  Single.MirrorColumns();
  Single.MirrorRows();
  EXPECT_EQ(Changes.Count, 2);
}

}  // namespace
}  // namespace qor
