#include "qor/matrix/detail/block_stats.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <utility>
#include <vector>

namespace qor::detail {
namespace {

constexpr double kEps = std::numeric_limits<double>::epsilon();

// A column-major buffer built from its columns, as the matrices hold it.
template <class T>
struct TGrid {
  std::vector<T> Cells;
  int32_t NCols = 0;
  int32_t NRows = 0;
  TGrid(std::initializer_list<std::initializer_list<T>> Columns)
      : NCols(static_cast<int32_t>(Columns.size())),
        NRows(static_cast<int32_t>(Columns.begin()->size())) {
    for (const auto& Column : Columns) Cells.insert(Cells.end(), Column);
  }
  TCellBlock<const T> Block(int32_t LowCol, int32_t HighCol, int32_t LowRow,
                            int32_t HighRow) const {
    return {Cells.data(), NRows, LowCol, HighCol, LowRow, HighRow};
  }
  TCellBlock<const T> Whole() const { return WholeBlock<const T>(Cells.data(), NCols, NRows); }
};

TEST(BlockMeanVar, IntegerElementsGiveTheSameMomentsAndNoVarianceIsNegative) {
  const TGrid<int32_t> i{{1, 2}, {3, 4}};
  const TGrid<double> d{{1, 2}, {3, 4}};
  EXPECT_EQ(BlockMeanVar(i.Whole()).Variance, BlockMeanVar(d.Whole()).Variance);
  EXPECT_EQ((BlockSum<int32_t>(i.Whole())), 10);
  const double Big = 1e8 + 0.1;  // q - s^2/n cancels to a rounding error of either sign
  const TGrid<double> g{{Big, Big, Big}};
  EXPECT_GE(BlockMeanVar(g.Whole()).Variance, 0.0);
}

// (2, 4, 4, 4, 5, 5, 7, 9): mean 5, central moment sums 0, 32, 42, 356 (all exact); sd^2 = 32/7.
TEST(BlockSkewKurt, HandComputedMomentsAndDegenerateInputs) {
  const TGrid<double> g{{2, 4, 4, 4}, {5, 5, 7, 9}};
  const TSkewKurt p = BlockSkewKurt(g.Whole());
  const double Var = 32.0 / 7.0;
  const double Skew = (42.0 / 8) / std::pow(Var, 1.5);
  const double Kurt = (356.0 / 8) / (Var * Var) - 3;
  const double Tolerance = 64 * kEps;
  EXPECT_NEAR(p.Skewness, Skew, Tolerance);
  EXPECT_NEAR(p.Kurtosis, Kurt, Tolerance);
  const TSkewKurt s = SampleSkewKurt(p, 8);
  EXPECT_NEAR(s.Skewness, 64 * Skew / 42, Tolerance);
  EXPECT_NEAR(s.Kurtosis, 64.0 * 9 * (Kurt + 3) / 210 - 3.0 * 49 / 30, Tolerance);
  // One value, a zero deviation and, for the sample form, fewer than four values leave zeros.
  const TGrid<double> d{{3, 3, 3, 1}};
  EXPECT_EQ(BlockSkewKurt(d.Block(1, 1, 1, 1)).Skewness, 0);
  EXPECT_EQ(BlockSkewKurt(d.Block(1, 1, 1, 3)).Kurtosis, 0);
  const TSkewKurt Three = SampleSkewKurt(BlockSkewKurt(d.Block(1, 1, 2, 4)), 3);
  EXPECT_EQ(std::pair(Three.Skewness, Three.Kurtosis), std::pair(0.0, 0.0));
}

TEST(BlockMeans, GeometricAndHarmonicMeansOfPowersOfTwo) {
  const TGrid<double> g{{1, 4}, {16, 0.25}};
  EXPECT_NEAR(*BlockGeometricMean(g.Whole()), 2.0, 8 * kEps);
  EXPECT_NEAR(*BlockHarmonicMean(g.Block(1, 1, 1, 2)), 1.6, 4 * kEps);
  const TGrid<double> WithZero{{2, 0}, {-1, 3}};
  EXPECT_EQ(*BlockGeometricMean(WithZero.Block(1, 1, 1, 2)), 0.0);
  EXPECT_FALSE(BlockGeometricMean(WithZero.Whole()).has_value());
  EXPECT_FALSE(BlockHarmonicMean(WithZero.Block(1, 1, 1, 2)).has_value());
}

TEST(Correlate, PerfectLinesAndDegenerateCases) {
  const std::vector<double> x{1, 2, 3, 4}, y{3, 5, 7, 9}, z{8, 6, 4, 2}, c{5, 5, 5, 5};
  const double Tolerance = 16 * kEps;
  EXPECT_NEAR(CorrelateBuffers(x.data(), y.data(), 4), 1.0, Tolerance);
  EXPECT_NEAR(CorrelateBuffers(x.data(), z.data(), 4), -1.0, Tolerance);
  EXPECT_EQ(CorrelateBuffers(x.data(), c.data(), 4), 0.0);  // Syy = 0
  EXPECT_EQ(CorrelateBuffers(x.data(), y.data(), 2), 0.0);  // fewer than 3 pairs
}

}  // namespace
}  // namespace qor::detail
