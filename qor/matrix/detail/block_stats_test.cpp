#include "qor/matrix/detail/block_stats.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

#include "qor/matrix/detail/line_stats.h"

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

TEST(BlockMeanVar, VarianceIsOneBelowThreeValuesAndUnbiasedAbove) {
  const TGrid<double> g{{1, 2}, {3, 4}};
  const TMeanVar Two = BlockMeanVar(g.Block(1, 1, 1, 2));
  EXPECT_EQ(Two.Mean, 1.5);
  EXPECT_EQ(Two.Variance, 1.0);
  const TMeanVar Four = BlockMeanVar(g.Whole());
  EXPECT_EQ(Four.Mean, 2.5);
  EXPECT_NEAR(Four.Variance, 5.0 / 3.0, 4 * kEps);
  const TMeanVar Empty = BlockMeanVar(g.Block(1, 0, 1, 2));
  EXPECT_EQ(Empty.Mean, 0);
  EXPECT_EQ(Empty.Variance, 0);
}

TEST(BlockMeanVar, IntegerElementsGiveTheSameMoments) {
  const TGrid<int32_t> i{{1, 2}, {3, 4}};
  const TGrid<double> d{{1, 2}, {3, 4}};
  EXPECT_EQ(BlockMeanVar(i.Whole()).Variance, BlockMeanVar(d.Whole()).Variance);
  EXPECT_EQ((BlockSum<int32_t>(i.Whole())), 10);
}

TEST(BlockMeanVar, CancellationNeverGivesANegativeVariance) {
  const double Big = 1e8 + 0.1;
  const TGrid<double> g{{Big, Big, Big}};
  EXPECT_GE(BlockMeanVar(g.Whole()).Variance, 0.0);
}

// (2, 4, 4, 4, 5, 5, 7, 9): mean 5, central moment sums 0, 32, 42, 356 (all exact); sd^2 = 32/7.
TEST(BlockSkewKurt, PopulationAndSampleFormsMatchHandComputedMoments) {
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
}

TEST(BlockSkewKurt, DegenerateInputsLeaveZeros) {
  const TGrid<double> g{{3, 3, 3, 1}};
  EXPECT_EQ(BlockSkewKurt(g.Block(1, 1, 1, 1)).Skewness, 0);
  EXPECT_EQ(BlockSkewKurt(g.Block(1, 1, 1, 3)).Kurtosis, 0);  // sd = 0
  const TSkewKurt Three = SampleSkewKurt(BlockSkewKurt(g.Block(1, 1, 2, 4)), 3);
  EXPECT_EQ(Three.Skewness, 0);
  EXPECT_EQ(Three.Kurtosis, 0);
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

// Folding the rows all at once must give each row exactly what a plain walk along it gives.
TEST(LineStats, RowFoldsAreBitIdenticalToWalkingEachRow) {
  std::vector<double> Cells;
  const int32_t NCols = 7, NRows = 13;
  for (int32_t i = 0; i < NCols * NRows; ++i) Cells.push_back(std::ldexp(1.0 + i % 5, i % 11) / 3);
  const std::vector<TMeanVar> Rows = LineMeanVars(Cells.data(), NCols, NRows, TLines::Rows);
  ASSERT_EQ(Rows.size(), static_cast<size_t>(NRows));
  for (int32_t r = 0; r < NRows; ++r) {
    const TMeanVar Walked =
        BlockMeanVar(TCellBlock<const double>{Cells.data(), NRows, 1, NCols, r + 1, r + 1});
    EXPECT_EQ(Rows[static_cast<size_t>(r)].Mean, Walked.Mean);
    EXPECT_EQ(Rows[static_cast<size_t>(r)].Variance, Walked.Variance);
  }
}

TEST(LineStats, StandardizedColumnsHaveMeanZeroAndVarianceOne) {
  TGrid<double> g{{1, 2, 4, 8, 16}, {-3, 0.5, 7, 7, 1}, {5, 5, 5, 5, 5}};
  const std::vector<TMeanVar> Before =
      StandardizeLines(g.Cells.data(), g.NCols, g.NRows, TLines::Columns);
  EXPECT_EQ(Before[2].Variance, 0);
  const std::vector<TMeanVar> After =
      LineMeanVars(g.Cells.data(), g.NCols, g.NRows, TLines::Columns);
  const double Tolerance = 64 * kEps * g.NRows;
  for (int c = 0; c < 2; ++c) {
    EXPECT_NEAR(After[static_cast<size_t>(c)].Mean, 0, Tolerance);
    EXPECT_NEAR(After[static_cast<size_t>(c)].Variance, 1, Tolerance);
  }
  EXPECT_EQ(g.Cells[10], 5.0);  // the constant column stays
}

TEST(LineStats, MeanCentringTwiceChangesNothing) {
  TGrid<double> g{{1, 2, 4}, {8, 0.5, 3}};
  MeanCenterLines(g.Cells.data(), g.NCols, g.NRows, TLines::Rows);
  const std::vector<double> Once = g.Cells;
  const std::vector<double> Means = MeanCenterLines(g.Cells.data(), g.NCols, g.NRows, TLines::Rows);
  for (size_t i = 0; i < Once.size(); ++i) EXPECT_EQ(g.Cells[i], Once[i]);
  for (double Mean : Means) EXPECT_EQ(Mean, 0.0);
}

}  // namespace
}  // namespace qor::detail
