#include "qor/matrix/detail/block_search.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

#include "qor/matrix/detail/comb_sort_lines.h"

namespace qor::detail {
namespace {

TEST(FindInSorted, DescendingColumnsMirrorTheBisection) {
  const std::vector<int32_t> Down{7, 5, 3, 1};
  EXPECT_EQ(FindInSorted(Down.data(), 4, false, 5.9), 2);
  EXPECT_EQ(FindInSorted(Down.data(), 4, false, 2.0), 4);  // tie between rows 3 and 4
  EXPECT_EQ(FindInSorted(Down.data(), 0, false, 2.0), 0);
}

TEST(Histogram, BinCountLimitAndEdges) {
  EXPECT_EQ(HistogramBinCount(0, 4.99, 0.01), 500);
  EXPECT_EQ(HistogramBinCount(10, 0, 2.5), 5);
  EXPECT_EQ(HistogramBinCount(0, 1, 0), 0);
  // Bins [0,1) [1,2) [2,3); overflow from 3 on.
  const std::vector<double> Cells{-0.5, 0, 0.999, 1, 2.5, 3, NAN, 2};
  const THistogram h = BlockHistogram(WholeBlock<const double>(Cells.data(), 2, 4), 0, 2, 1, 3);
  EXPECT_EQ(h.Counts, (std::vector<int32_t>{2, 1, 2}));
  EXPECT_EQ(h.Underflow, 1);
  EXPECT_EQ(h.Overflow, 1);
  EXPECT_EQ(h.MaxCnt, 2);
}

TEST(CombSortLines, DescendingSortLeavesTiesAndSingleLinesAlone) {
  std::vector<double> Keys;
  std::vector<std::pair<int32_t, int32_t>> Exchanges;
  const auto Sort = [&](bool Ascending) {
    Exchanges.clear();
    return CombSortLines(
        1, static_cast<int32_t>(Keys.size()),
        [&](int32_t i, int32_t j) {
          const double a = Keys[static_cast<size_t>(i - 1)], b = Keys[static_cast<size_t>(j - 1)];
          return Ascending ? a > b : a < b;
        },
        [&](int32_t i, int32_t j) {
          std::swap(Keys[static_cast<size_t>(i - 1)], Keys[static_cast<size_t>(j - 1)]);
          Exchanges.emplace_back(i, j);
        });
  };
  Keys = {2, 5, 2, 9, 5, 1, 7, 7, 0, 3, 8, 4, 6, 2};
  EXPECT_TRUE(Sort(false));
  EXPECT_TRUE(std::is_sorted(Keys.rbegin(), Keys.rend()));
  Keys = {1, 1};
  EXPECT_TRUE(Sort(true));
  EXPECT_TRUE(Exchanges.empty());
  Keys = {4};
  EXPECT_FALSE(Sort(true));
}

TEST(SortLinesByKey, ExchangesStayInTheirRangeAndCarryAnOutsideKey) {
  // 3 columns x 3 rows: (3 1 2) (30 10 20) (300 100 200); key column 1 lies outside 2..3.
  std::vector<int32_t> Cells{3, 1, 2, 30, 10, 20, 300, 100, 200};
  int32_t Exchanges = 0;
  EXPECT_TRUE(SortLinesByKey(Cells.data(), 3, TLines::Rows, 1, true, 1, 3, 2, 3,
                             [&](int32_t, int32_t) { ++Exchanges; }));
  EXPECT_EQ(Cells, (std::vector<int32_t>{1, 2, 3, 10, 20, 30, 100, 200, 300}));
  EXPECT_EQ(Exchanges, 2);
  // Columns 1..3 by row 2, descending, moving rows 1..2 only; row 3 stays.
  EXPECT_TRUE(SortLinesByKey(Cells.data(), 3, TLines::Columns, 2, false, 1, 3, 1, 2,
                             [](int32_t, int32_t) {}));
  EXPECT_EQ(Cells, (std::vector<int32_t>{100, 200, 3, 10, 20, 30, 1, 2, 300}));
}

}  // namespace
}  // namespace qor::detail
