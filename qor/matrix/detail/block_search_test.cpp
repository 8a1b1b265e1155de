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

// Many keys take the comb through every gap down to 1; the predicate asks for descending order.
TEST(CombSortLines, SortsThroughEveryGapAndLeavesTiesAndSingleLinesAlone) {
  std::vector<double> Keys;
  int32_t Exchanges = 0;
  const auto Sort = [&] {
    Exchanges = 0;
    return CombSortLines(
        1, static_cast<int32_t>(Keys.size()),
        [&](int32_t i, int32_t j) { return Keys[i - 1] < Keys[j - 1]; },
        [&](int32_t i, int32_t j) {
          std::swap(Keys[i - 1], Keys[j - 1]);
          ++Exchanges;
        });
  };
  Keys = {2, 5, 2, 9, 5, 1, 7, 7, 0, 3, 8, 4, 6, 2};
  EXPECT_TRUE(Sort());
  EXPECT_TRUE(std::is_sorted(Keys.rbegin(), Keys.rend()));
  Keys = {1, 1};
  EXPECT_TRUE(Sort());
  EXPECT_EQ(Exchanges, 0);
  Keys = {4};
  EXPECT_FALSE(Sort());
}

}  // namespace
}  // namespace qor::detail
