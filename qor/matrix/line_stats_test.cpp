#include <gtest/gtest.h>

#include <vector>

#include "qor/matrix/detail/test_matrices.h"
#include "qor/matrix/matrix.h"
#include "qor/vector/vector.h"

namespace qor {
namespace {

using detail::SameBits;
using detail::SetColumns;

std::vector<double> Entries(const TVector& V) { return {V.Data().begin(), V.Data().end()}; }

TEST(MatrixLineStats, MeanVecAndEdgeVectorReduceColumnsOrRows) {
  TMatrix M;
  SetColumns(M, {{1, -2, 4}, {3, 8, -6}});  // rows (1 3) (-2 8) (4 -6)
  TVector V;
  M.MeanVec(dimColumns, V);
  EXPECT_EQ(Entries(V), (std::vector<double>{1, 5.0 / 3.0}));
  M.MeanVec(dimRows, V);
  EXPECT_EQ(Entries(V), (std::vector<double>{2, 3, -1}));
  const auto Edge = [&](TOrientation Orient, TEdgeOp Op) {
    M.EdgeVector(Orient, Op, V);
    return Entries(V);
  };
  EXPECT_EQ(Edge(orRowwise, eoMinimum), (std::vector<double>{1, -2, -6}));
  EXPECT_EQ(Edge(orRowwise, eoMaximum), (std::vector<double>{3, 8, 4}));
  EXPECT_EQ(Edge(orColwise, eoSum), (std::vector<double>{3, 5}));
  EXPECT_EQ(Edge(orColwise, eoMean), (std::vector<double>{1, 5.0 / 3.0}));
  EXPECT_EQ(Edge(orColwise, eoMinimum), (std::vector<double>{-2, -6}));
}

TEST(MatrixLineStats, StandardizeScalesByTheStandardDeviationAndSkipsConstantColumns) {
  TMatrix M;
  SetColumns(M, {{1, 2, 3}, {0, 3, 6}, {2.5, 2.5, 2.5}});  // variances 1, 9 and 0
  TVector Means, StdDevs;
  Means.Resize(4);
  StdDevs.Resize(2);
  int Changes = 0;
  M.OnChange = [&Changes](TObject*) { ++Changes; };
  M.StandardizeColumns(&Means, &StdDevs);
  EXPECT_EQ(Changes, 1);
  EXPECT_EQ(detail::Columns(M), (TDouble2DArray{{-1, 0, 1}, {-1, 0, 1}, {2.5, 2.5, 2.5}}));
  EXPECT_EQ(Entries(Means), (std::vector<double>{2, 3, 2.5, 0})) << "not resized";
  EXPECT_EQ(Entries(StdDevs), (std::vector<double>{1, 3}));
  SetColumns(M, {{1, 2, 6}, {4, 4, 7}});
  M.MeanCenterColumns(&Means);
  EXPECT_EQ(detail::Columns(M), (TDouble2DArray{{-2, -1, 3}, {-1, -1, 2}}));
  EXPECT_EQ(Entries(Means), (std::vector<double>{3, 5})) << "resized";
}

// The row forms walk the strided rows in column order: the same bits as the column forms on
// the transposed matrix.
TEST(MatrixLineStats, RowFormsAreTheColumnFormsOfTheTranspose) {
  TMatrix Rows, Cols;
  detail::FillScattered(Rows, 9, 23, 5);
  Cols.Assign(&Rows);
  Cols.Transpose();
  TVector MeansR, MeansC, SdR, SdC;
  Rows.StandardizeRows(&MeansR, &SdR);
  Cols.StandardizeColumns(&MeansC, &SdC);
  Rows.QNormalizeRows(10, nullptr, nullptr);
  Cols.QNormalizeColumns(10, nullptr, nullptr);
  Rows.MeanCenterRows(&MeansR);
  Cols.MeanCenterColumns(&MeansC);
  ASSERT_EQ(MeansR.NrOfElem(), 23);
  for (int32_t i = 1; i <= 23; ++i) EXPECT_TRUE(SameBits(MeansR.Elem(i), MeansC.Elem(i)));
  for (int32_t c = 1; c <= 9; ++c)
    for (int32_t r = 1; r <= 23; ++r) EXPECT_TRUE(SameBits(Rows.Elem(c, r), Cols.Elem(r, c)));
}

TEST(MatrixLineStats, QNormalizeScalesByTheQuantileDistanceFromTheMedian) {
  TMatrix M;
  SetColumns(M, {{5, 1, 4, 2, 3}, {7, 7, 7, 7, 7}});
  TVector Medians, Diffs;
  Medians.Resize(2);
  Diffs.Resize(2);
  M.QNormalizeColumns(25, &Medians, &Diffs);  // q = rank round(1.25) = 1 -> 2; median 3
  EXPECT_EQ(Entries(Medians), (std::vector<double>{3, 7}));
  EXPECT_EQ(Entries(Diffs), (std::vector<double>{1, 0}));
  TDouble2DArray Result;
  M.CopyToArray(Result, 0, 0, 0, 0);
  EXPECT_EQ(Result, (TDouble2DArray{{2, -2, 1, -1, 0}, {7, 7, 7, 7, 7}}));
}

}  // namespace
}  // namespace qor
