#include <gtest/gtest.h>

#include <utility>

#include "qor/matrix/detail/test_matrices.h"
#include "qor/matrix/matrix.h"

namespace qor {
namespace {

using detail::SetColumns;

TEST(MatrixSearch, FindInSortedColumnTiesGoToTheUpperRow) {
  TMatrix M;
  SetColumns(M, {{0, 0, 0, 0}, {1, 3, 5, 7}});
  EXPECT_EQ(M.FindInSortedColumn(2, true, 5.9), 3);
  EXPECT_EQ(M.FindInSortedColumn(2, true, 6.0), 4);
  EXPECT_EQ(M.FindInSortedColumn(2, true, 3.0), 2);
  EXPECT_EQ(M.FindInSortedColumn(3, true, 3.0), 0);  // no such column
  SetColumns(M, {{7, 5, 3, 1}});                     // descending: the bisection mirrored
  EXPECT_EQ(M.FindInSortedColumn(1, false, 5.9), 2);
  EXPECT_EQ(M.FindInSortedColumn(1, false, 2.0), 4);  // tie between rows 3 and 4
}

TEST(MatrixSearch, CountAndFindTakeLowColHighColLowRowHighRow) {
  TMatrix M;
  SetColumns(M, {{1, 9, 4}, {6, 2, 5}, {8, 8, 4.5}});
  EXPECT_EQ(M.CountValues(2, 3, 1, 2, 2, 8), 4);  // columns 2..3, rows 1..2: 6 2 8 8
  int32_t Col = -1, Row = -1;
  M.Find(1, 2, 2, 3, 4.6, Col, Row);  // rows 2..3 of columns 1..2: 9 4 2 5; 4 and 5 both nearer
  EXPECT_EQ(std::pair(Col, Row), std::pair(2, 3));  // 5 is 0.4 away, 4 is 0.6 away
  M.Find(0, 0, 0, 0, 4.5, Col, Row);
  EXPECT_EQ(std::pair(Col, Row), std::pair(3, 3));
  TBool2DArray Flags;
  EXPECT_EQ(M.Dichotomize(5, Flags), 4);
  EXPECT_EQ(Flags, (TBool2DArray{{false, true, false}, {true, false, false}, {true, true, false}}));
}

}  // namespace
}  // namespace qor
