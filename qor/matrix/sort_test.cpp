#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "qor/matrix/detail/test_matrices.h"
#include "qor/matrix/matrix.h"

namespace qor {
namespace {

using detail::SetColumns;
using TExchange = std::array<int32_t, 5>;  // ExchgWhat, two indices, two bounds

struct TRecorder {
  std::vector<TExchange> Exchanges;
  int Changes = 0;
  void Attach(TMatrix& M) {
    M.OnSortExchange = [this](TObject*, uint8_t What, int32_t i, int32_t j, int32_t Lo,
                              int32_t Hi) {
      Exchanges.push_back({What, i, j, Lo, Hi});
    };
    M.OnChange = [this](TObject*) { ++Changes; };
  }
};

TEST(MatrixSort, SortRowsReportsEachExchangeWithCodeTwoAndCarriesAnOutsideKey) {
  TMatrix M;
  SetColumns(M, {{3, 1, 2}, {30, 10, 20}, {300, 100, 200}, {9, 8, 7}});
  TRecorder Log;
  Log.Attach(M);
  M.SortRows(1, true, 2, 0, 3, 0);  // columns 2..3 move with the key column 1; column 4 stays
  EXPECT_EQ(detail::Columns(M),
            (TDouble2DArray{{1, 2, 3}, {10, 20, 30}, {100, 200, 300}, {9, 8, 7}}));
  EXPECT_EQ(Log.Exchanges, (std::vector<TExchange>{{2, 1, 2, 2, 3}, {2, 2, 3, 2, 3}}));
  EXPECT_EQ(Log.Changes, 1);
}

TEST(MatrixSort, SortColsDescendingCarriesAKeyRowOutsideTheRange) {
  TMatrix M;
  SetColumns(M, {{1, 5}, {3, 6}, {2, 7}});  // key row 1: (1 3 2)
  TRecorder Log;
  Log.Attach(M);
  M.SortCols(1, false, 0, 2, 0, 2);  // only row 2 is in the range; the key row moves along
  EXPECT_EQ(detail::Columns(M), (TDouble2DArray{{3, 6}, {2, 7}, {1, 5}}));
  ASSERT_FALSE(Log.Exchanges.empty());
  for (const TExchange& e : Log.Exchanges) {
    EXPECT_EQ(e[0], 1);
    EXPECT_EQ(e[3], 2);
    EXPECT_EQ(e[4], 2);
  }
}

TEST(MatrixSort, GapsShrinkByOnePointThreeWhileTiesAndSingleLinesStay) {
  TMatrix M;
  SetColumns(M, {{2, 5, 2, 9, 5, 1, 7, 7, 0, 3, 8, 4, 6, 2}});
  M.SortRows(1, false, 0, 0, 0, 0);
  EXPECT_EQ(detail::Columns(M), (TDouble2DArray{{9, 8, 7, 7, 6, 5, 5, 4, 3, 2, 2, 2, 1, 0}}));
  TRecorder Log;
  Log.Attach(M);
  SetColumns(M, {{4, 3, 2, 1}});  // gaps trunc(3 / 1.3) = 2, then 1 until a pass is clean
  M.SortRows(1, true, 0, 0, 0, 0);
  EXPECT_EQ(
      Log.Exchanges,
      (std::vector<TExchange>{{2, 1, 3, 1, 1}, {2, 2, 4, 1, 1}, {2, 1, 2, 1, 1}, {2, 3, 4, 1, 1}}));
  SetColumns(M, {{2, 1}});
  Log = {};                         // M's handlers still point at Log
  M.SortRows(1, true, 0, 2, 0, 2);  // one row: no exchange, no notification
  M.SortCols(1, true, 0, 0, 0, 0);  // one column
  EXPECT_EQ(Log.Changes, 0);
  SetColumns(M, {{1, 1}, {3, 2}});
  M.SortRows(1, true, 0, 0, 0, 0);  // equal keys are in order
  EXPECT_TRUE(Log.Exchanges.empty());
  EXPECT_EQ(M.Elem(2, 1), 3.0);
}

}  // namespace
}  // namespace qor
