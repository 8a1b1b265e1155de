#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <tuple>
#include <utility>
#include <vector>

#include "qor/frame/constants.h"
#include "qor/frame/errors.h"
#include "qor/matrix/detail/test_matrices.h"
#include "qor/matrix/matrix.h"
#include "qor/vector/int_vector.h"

namespace qor {
namespace {

using detail::ErrorText;
using detail::SetColumns;

constexpr double kEps = std::numeric_limits<double>::epsilon();

TEST(MatrixStats, RectanglesTakeLowColLowRowHighColHighRow) {
  TMatrix M;
  SetColumns(M, {{1, 2}, {3, 4}, {5, 6}});
  EXPECT_EQ(M.Sum(2, 1, 3, 1), 3.0 + 5.0);  // columns 2..3 of row 1
  EXPECT_EQ(M.Sum(3, 2, 1, 1), 21.0);       // reversed bounds are swapped
  EXPECT_EQ(M.Sum(0, 0, 0, 0), 21.0);
  double Min = 0, Max = 0, Mean = 0, Variance = 0;
  M.MinMax(1, 2, 2, 2, Min, Max);
  EXPECT_EQ(std::pair(Min, Max), std::pair(2.0, 4.0));
  M.MeanVar(1, 1, 1, 2, Mean, Variance);  // two values: variance 1 by convention
  EXPECT_EQ(std::pair(Mean, Variance), std::pair(1.5, 1.0));
  M.MeanVar(1, 1, 2, 2, Mean, Variance);
  EXPECT_EQ(Mean, 2.5);
  EXPECT_NEAR(Variance, 5.0 / 3.0, 4 * kEps);
  const double Big = 1e8 + 0.1;  // q - s^2/n cancels to a rounding error of either sign
  SetColumns(M, {{Big, Big, Big}});
  M.MeanVar(0, 0, 0, 0, Mean, Variance);
  EXPECT_GE(Variance, 0.0);
}

// (2, 4, 4, 4, 5, 5, 7, 9): mean 5, central moment sums 0, 32, 42, 356 (all exact); sd^2 = 32/7.
TEST(MatrixStats, SkewKurtFromHandComputedMomentsAndDegenerateRectangles) {
  TMatrix M;
  SetColumns(M, {{2, 4, 4, 4}, {5, 5, 7, 9}});
  double S = 0, K = 0;
  M.SkewKurt(0, 0, 0, 0, S, K);
  const double Var = 32.0 / 7.0;
  const double Skew = (42.0 / 8) / std::pow(Var, 1.5);
  const double Kurt = (356.0 / 8) / (Var * Var) - 3;
  const double Tolerance = 64 * kEps;
  EXPECT_NEAR(S, Skew, Tolerance);
  EXPECT_NEAR(K, Kurt, Tolerance);
  M.SkewKurtSample(0, 0, 0, 0, S, K);
  EXPECT_NEAR(S, 64 * Skew / 42, Tolerance);
  EXPECT_NEAR(K, 64.0 * 9 * (Kurt + 3) / 210 - 3.0 * 49 / 30, Tolerance);
  // One value, a zero deviation and, for the sample form, fewer than four values give zeros.
  SetColumns(M, {{3, 3, 3, 1}});
  M.SkewKurt(1, 1, 1, 1, S, K);
  EXPECT_EQ(std::pair(S, K), std::pair(0.0, 0.0));
  M.SkewKurt(1, 1, 1, 3, S, K);
  EXPECT_EQ(std::pair(S, K), std::pair(0.0, 0.0));
  M.SkewKurtSample(1, 2, 1, 4, S, K);
  EXPECT_EQ(std::pair(S, K), std::pair(0.0, 0.0));
}

TEST(MatrixStats, MatrixWithoutElementsGivesStartValues) {
  TMatrix M;
  M.Resize(0, 0);
  double Min = 0, Max = 0, Mean = 1, Variance = 1, Q1 = 1, Q2 = 1, Q3 = 1;
  M.MinMax(0, 0, 0, 0, Min, Max);
  EXPECT_EQ(std::pair(Min, Max), std::pair(uc_MaxReal, -uc_MaxReal));
  M.MeanVar(0, 0, 0, 0, Mean, Variance);
  EXPECT_EQ(std::pair(Mean, Variance), std::pair(0.0, 0.0));
  EXPECT_EQ(M.Sum(0, 0, 0, 0), 0);
  EXPECT_FALSE(M.Quartiles(0, 0, 0, 0, Q1, Q2, Q3));
  EXPECT_EQ(std::tuple(Q1, Q2, Q3), std::tuple(0.0, 0.0, 0.0));
  EXPECT_EQ(M.Percentile(50, 0, 0, 0, 0), 0);
}

TEST(MatrixQuartiles, InterpolateAtPositionsNPlusOneTimesQ) {
  const struct {
    std::vector<double> Values;
    double Q1, Q2, Q3;
  } Cases[] = {{{7}, 7, 7, 7},
               {{2, 1}, 1, 1.5, 2},
               {{3, 1, 2}, 1, 2, 3},
               {{8, 1, 7, 2, 6, 3, 5, 4}, 2.25, 4.5, 6.75}};
  for (const auto& Case : Cases) {
    TMatrix M;
    SetColumns(M, {Case.Values});
    double Q1 = 0, Q2 = 0, Q3 = 0;
    ASSERT_TRUE(M.Quartiles(0, 0, 0, 0, Q1, Q2, Q3));
    EXPECT_EQ(std::tuple(Q1, Q2, Q3), std::tuple(Case.Q1, Case.Q2, Case.Q3));
  }
}

TEST(MatrixPercentile, RankRoundsHalvesToEvenWithoutInterpolation) {
  TMatrix M;
  SetColumns(M, {{4, 1}, {3, 2}});
  const auto P = [&M](double prob) { return M.Percentile(prob, 0, 0, 0, 0); };
  EXPECT_EQ(P(50), 3.0);    // rank round(2) = 2
  EXPECT_EQ(P(25), 2.0);    // rank 1
  EXPECT_EQ(P(37.5), 3.0);  // rank round(1.5) = 2
  EXPECT_EQ(P(62.5), 3.0);  // rank round(2.5) = 2
  EXPECT_EQ(P(-10), 1.0);   // clamped to 0
  EXPECT_EQ(P(87.5), 4.0);  // rank round(3.5) = 4 = n: the largest value
  EXPECT_EQ(P(100), 4.0);
  EXPECT_TRUE(std::isnan(P(std::nan(""))));
  EXPECT_EQ(M.Elem(1, 1), 4.0);  // the matrix itself is not reordered
}

TEST(MatrixPercentile, SampledFormFallsBackAndDetectsAMassAtZero) {
  TMatrix M;
  M.Resize(10, 10);
  M.Fill(0);
  M.SetVal(1, 1, -3);
  M.SetVal(10, 10, 4);
  EXPECT_EQ(M.Percentile(100, 0, 0, 0, 0, 100), 4.0);  // not smaller than the count: exact
  EXPECT_EQ(M.Percentile(0, 0, 0, 0, 0, 0), -3.0);
  // 98 of 100 elements are 0: a sample's negatives share stays far below one half.
  EXPECT_EQ(M.Percentile(50, 0, 0, 0, 0, 60), 0.0);
  M.Fill(2.5);
  EXPECT_EQ(M.Percentile(90, 0, 0, 0, 0, 30), 2.5);
}

TEST(MatrixHistogram, CountsTheRectangleAndRefusesTooManyBins) {
  TMatrix M;
  SetColumns(M, {{0.5, 1.5, 9}, {1.2, -1, 2.5}});
  TIntVector Histo;
  Histo.Resize(2);
  Histo.Fill(7);
  int32_t Under = -1, Over = -1, MaxCnt = -1;
  EXPECT_FALSE(M.Histogram(0, 0, 0, 0, 0, 10, 0.01, Histo, Under, Over, MaxCnt));  // 1001 bins
  EXPECT_FALSE(M.Histogram(0, 0, 0, 0, 0, 10, 0, Histo, Under, Over, MaxCnt));
  EXPECT_EQ(std::tuple(Histo.NrOfElem(), Histo.Elem(1), Under), std::tuple(2, 7, -1));
  const auto Counts = [&] {
    return std::vector<int32_t>(Histo.Data().begin(), Histo.Data().end());
  };
  // Columns 1..2, rows 1..2 (LoX, LoY, HiX, HiY): 0.5 1.5 1.2 -1 into [0,1) [1,2) [2,3).
  ASSERT_TRUE(M.Histogram(1, 1, 2, 2, 0, 2, 1, Histo, Under, Over, MaxCnt));
  EXPECT_EQ(Counts(), (std::vector<int32_t>{1, 2, 0}));
  EXPECT_EQ(std::tuple(Under, Over, MaxCnt), std::tuple(1, 0, 2));
  // Bin edges belong to the upper bin, LastBin + BinWidth overflows, NaN is counted nowhere.
  SetColumns(M, {{-0.5, 0, 0.999, 1}, {2.5, 3, std::nan(""), 2}});
  ASSERT_TRUE(M.Histogram(0, 0, 0, 0, 0, 2, 1, Histo, Under, Over, MaxCnt));
  EXPECT_EQ(Counts(), (std::vector<int32_t>{2, 1, 2}));
  EXPECT_EQ(std::tuple(Under, Over, MaxCnt), std::tuple(1, 1, 2));
  ASSERT_TRUE(M.Histogram(0, 0, 0, 0, 0, 4.99, 0.01, Histo, Under, Over, MaxCnt));
  EXPECT_EQ(Histo.NrOfElem(), 500) << "the largest histogram allowed";
  ASSERT_TRUE(M.Histogram(0, 0, 0, 0, 10, 0, 2.5, Histo, Under, Over, MaxCnt));
  EXPECT_EQ(Histo.NrOfElem(), 5) << "bins from |FirstBin - LastBin|";
}

TEST(MatrixStats, MeansDomainErrorsAndMismatchesRaiseTheComponentMessages) {
  TMatrix M;
  M.SetName("Obs");
  SetColumns(M, {{4, 0}, {1, -2}});
  EXPECT_EQ(M.GeometricMean(1, 1, 1, 2), 0.0);
  EXPECT_NEAR(M.HarmonicMean(1, 1, 2, 1), 1.6, 4 * kEps);
  EXPECT_EQ(ErrorText<EQORMatrixError>([&] { M.GeometricMean(0, 0, 0, 0); }),
            "Component \"Obs\": negative argument passed to GeometricMean");
  EXPECT_EQ(ErrorText<EQORMatrixError>([&] { M.HarmonicMean(1, 1, 1, 2); }),
            "Component \"Obs\": negative or zero argument passed to HarmonicMean");
  TMatrix Other;
  Other.Resize(2, 3);
  EXPECT_EQ(ErrorText<EQORMatrixError>([&] { M.Correlate(Other); }),
            "Component \"Obs\": matrices do not match");
  SetColumns(M, {{1, 4, 16, 0.25}});
  EXPECT_NEAR(M.GeometricMean(0, 0, 0, 0), 2.0, 8 * kEps);
}

TEST(MatrixStats, CorrelatePerfectLinesAndDegenerateCases) {
  TMatrix X, Y;
  const auto Correlation = [&](const TDoubleArray& y) {
    SetColumns(Y, {y});
    return X.Correlate(Y);
  };
  SetColumns(X, {{1, 2, 3, 4}});
  EXPECT_NEAR(Correlation({3, 5, 7, 9}), 1.0, 16 * kEps);
  EXPECT_NEAR(Correlation({8, 6, 4, 2}), -1.0, 16 * kEps);
  EXPECT_EQ(Correlation({5, 5, 5, 5}), 0.0);  // Syy = 0
  SetColumns(X, {{1, 2}});
  EXPECT_EQ(Correlation({3, 5}), 0.0);  // fewer than 3 pairs
}

}  // namespace
}  // namespace qor
