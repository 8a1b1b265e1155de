#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

#include "qor/matrix/detail/test_matrices.h"
#include "qor/matrix/matrix.h"

namespace qor {
namespace {

using detail::Columns;
using detail::SetColumns;
using detail::TChangeCounter;

TEST(MatrixCopyFrom, ClampsSwapsAndDropsOutsideTargets) {
  TMatrix Source, Dest;
  SetColumns(Source, {{1, 2, 3}, {4, 5, 6}, {7, 8, 9}});
  Dest.Resize(3, 3);
  TChangeCounter Changes;
  Changes.Attach(Dest);
  // Source columns 2..3 (9 clamps to 3, reversed), rows 1..2 (0 clamps to 1), placed at (2, 3):
  // only row 3 of the destination exists, so only source row 1 lands.
  Dest.CopyFrom(&Source, 9, 2, 2, 0, 2, 3);
  EXPECT_EQ(Columns(Dest), (TDouble2DArray{{0, 0, 0}, {0, 0, 4}, {0, 0, 7}}));
  EXPECT_EQ(Changes.Count, 2 + 1) << "one per stored element and one at the end";
  Dest.CopyFrom(nullptr, 1, 1, 1, 1, 1, 1);
  EXPECT_EQ(Changes.Count, 3);
}

TEST(MatrixCopyFrom, FarDestinationStoresNothing) {
  TMatrix Source, Dest;
  SetColumns(Source, {{1, 2}, {3, 4}});
  Dest.CopyFrom(&Source, 1, 1, 2, 2, INT32_MAX, INT32_MAX);
  EXPECT_EQ(Columns(Dest), (TDouble2DArray{{0}}));
}

TEST(MatrixClone, CopiesElementsNotSettings) {
  TMatrix Source, Dest;
  SetColumns(Source, {{1, 2}, {3, 4}, {5, 6}});
  Source.SetDataID("src");
  Source.SetFPrecis(1, 3);
  TChangeCounter Changes;
  Changes.Attach(Dest);
  Dest.Clone(&Source);
  EXPECT_EQ(Columns(Dest), Columns(Source));
  EXPECT_EQ(Dest.DataID(), "");
  EXPECT_EQ(Dest.Precision(1), 15);
  EXPECT_EQ(Changes.Count, 1 + 6 + 1) << "resize, every element, end";
}

TEST(MatrixCopyToArray, RectangleColumnFirst) {
  TMatrix M;
  SetColumns(M, {{1, 2, 3}, {4, 5, 6}});
  TDouble2DArray Part;
  M.CopyToArray(Part, 2, 2, 3, 2);
  EXPECT_EQ(Part, (TDouble2DArray{{5, 6}}));
  TMatrix Empty;
  Empty.Resize(3, 0);
  Empty.CopyToArray(Part, 0, 0, 0, 0);
  EXPECT_EQ(Part, (TDouble2DArray{{}, {}, {}}));
}

TEST(MatrixCopyToArray, IntegersRoundHalvesToEvenAndSaturate) {
  constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
  TMatrix M;
  SetColumns(M, {{2.5, 3.5, -2.5, 0.49999999999999994}, {1e10, -1e10, kNaN, -0.5}});
  TInt2DArray Rounded;
  M.CopyToArray(Rounded, 0, 0, 0, 0);
  EXPECT_EQ(Rounded, (TInt2DArray{{2, 4, -2, 0}, {INT32_MAX, INT32_MIN, 0, 0}}));
}

TEST(MatrixCopyFromArray, RoundTripsAndSkipsMissingRows) {
  TMatrix M;
  M.Resize(3, 3);
  TChangeCounter Changes;
  Changes.Attach(M);
  M.CopyFromArray(TDouble2DArray{{1, 2}, {3}, {5, 6, 7}}, 2, 2);
  // Column 3 gets only its first entry; the third array's extra entry and column 4 are dropped.
  EXPECT_EQ(Columns(M), (TDouble2DArray{{0, 0, 0}, {0, 1, 2}, {0, 3, 0}}));
  EXPECT_EQ(Changes.Count, 3);
  M.CopyFromArray(TInt2DArray{{-4}, {9}}, 1, 1);
  EXPECT_EQ(M.Elem(1, 1), -4.0);
  EXPECT_EQ(M.Elem(2, 1), 9.0);
  TDouble2DArray Back;
  M.CopyToArray(Back, 0, 0, 0, 0);
  TMatrix Copy;
  SetColumns(Copy, Back);
  EXPECT_EQ(Columns(Copy), Back);
}

}  // namespace
}  // namespace qor
