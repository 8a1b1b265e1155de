#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <utility>

#include "qor/frame/errors.h"
#include "qor/math1/kahan_sum.h"
#include "qor/matrix/detail/test_matrices.h"
#include "qor/matrix/matrix.h"

namespace qor {
namespace {

using detail::Columns;
using detail::ErrorText;
using detail::SetColumns;
using detail::TChangeCounter;

TEST(MatrixStorage, FreshZeroSizedNegativeAndOverlappingSizes) {
  TMatrix M;
  EXPECT_EQ(Columns(M), (TDouble2DArray{{0}}));
  TChangeCounter Changes;
  Changes.Attach(M);
  M.Resize(0, 0);
  M.SetVal(1, 1, 5.0);  // outside: no store, no notification
  EXPECT_EQ(M.GetVal(1, 1), 0.0);
  EXPECT_EQ(Changes.Count, 1);
  M.Resize(-3, 2);
  EXPECT_EQ(std::pair(M.NrOfColumns(), M.NrOfRows()), std::pair(0, 2));
  SetColumns(M, {{1, 2, 3}, {4, 5, 6}, {7, 8, 9}});
  Changes.Count = 0;
  M.Resize(2, 4);
  M.Resize(2, 4);  // same size: no notification
  EXPECT_EQ(Columns(M), (TDouble2DArray{{1, 2, 3, 0}, {4, 5, 6, 0}}));
  EXPECT_EQ(Changes.Count, 1);
}

// Resize keeps at least one column of one row of storage, so a zero dimension only hides the
// first column (row); Assign and Transpose size the storage exactly and keep nothing hidden.
TEST(MatrixStorage, ZeroDimensionHidesTheFirstLineUntilResizeShowsItAgain) {
  TMatrix M, Copy;
  SetColumns(M, {{1, 2, 3}, {4, 5, 6}, {7, 8, 9}});
  M.Resize(0, 3);
  Copy.Assign(&M);
  M.Resize(2, 2);
  EXPECT_EQ(Columns(M), (TDouble2DArray{{1, 2}, {0, 0}}));
  M.SetVal(2, 1, 5);
  M.Resize(2, 0);
  M.Resize(3, 2);
  EXPECT_EQ(Columns(M), (TDouble2DArray{{1, 0}, {5, 0}, {0, 0}}));
  Copy.Resize(1, 3);
  EXPECT_EQ(Columns(Copy), (TDouble2DArray{{0, 0, 0}})) << "Assign keeps no storage";
  M.Resize(0, 2);
  M.Transpose();
  M.Resize(2, 1);
  EXPECT_EQ(Columns(M), (TDouble2DArray{{0}, {0}})) << "Transpose keeps no storage";
}

// The request exceeds what any vector can hold, so it fails the same way on every machine and
// under sanitizers, without touching the allocator.
TEST(MatrixStorage, OutOfMemoryRaisesHeapMessageAndKeepsMatrix) {
  TMatrix M;
  SetColumns(M, {{1, 2}});
  EXPECT_EQ(ErrorText<EQORMatrixError>([&] { M.Resize(INT32_MAX, INT32_MAX); }),
            "Component \"\": not enough memory on heap");
  M.SetName("Big");
  M.Transpose();
  EXPECT_EQ(ErrorText<EQORMatrixError>([&] { M.Resize(INT32_MAX, INT32_MAX); }),
            "Component \"Big\": not enough memory on heap");
  EXPECT_EQ(Columns(M), (TDouble2DArray{{1}, {2}}));
}

TEST(MatrixStorage, ColumnAndRowRangesFollowTheSameRepairRule) {
  struct {
    int32_t Count, Low, High, ExpectedLow, ExpectedHigh;
  } const Cases[] = {{5, 0, 0, 1, 5}, {5, 7, 2, 2, 5}, {5, -3, -1, 1, 1},
                     {5, 0, 3, 1, 3}, {0, 0, 0, 1, 0}, {0, 3, 5, 0, 0}};
  for (const auto& Case : Cases) {
    SCOPED_TRACE(::testing::Message() << Case.Low << ", " << Case.High << " of " << Case.Count);
    TMatrix M;
    M.Resize(Case.Count, Case.Count);
    int32_t Low = Case.Low, High = Case.High, LowRow = Case.Low, HighRow = Case.High;
    M.MakeValidColRange(Low, High);
    M.MakeValidRowRange(LowRow, HighRow);
    EXPECT_EQ(std::pair(Low, High), std::pair(Case.ExpectedLow, Case.ExpectedHigh));
    EXPECT_EQ(std::pair(LowRow, HighRow), std::pair(Case.ExpectedLow, Case.ExpectedHigh));
  }
}

TEST(MatrixPrecision, DefaultsClampedAndIndexedByThreshold) {
  TMatrix M;
  EXPECT_EQ(std::pair(M.Precision(1), M.Precision(2)), std::pair(15, -1));
  M.SetFPrecis(1, 40);
  M.SetFPrecis(2, -5);
  EXPECT_EQ(std::pair(M.Precision(1), M.Precision(2)), std::pair(25, -1));
  M.SetFPrecis(0, 7);  // below 2 selects the first entry, above 1 the second
  M.SetFPrecis(9, 3);
  EXPECT_EQ(std::pair(M.GetFPrecis(-4), M.GetFPrecis(2)), std::pair(7, 3));
}

TEST(MatrixAssign, CopiesContentSettingsAndThreeEventsSilently) {
  TMatrix Source, Dest;
  SetColumns(Source, {{1, 2, 3}, {4, 5, 6}});
  Source.SetDataID("src");
  Source.SetFPrecis(2, 9);
  int Calls = 0;
  Source.OnChange = [&](TObject*) { Calls += 1; };
  Source.OnSortExchange = [&](TObject*, uint8_t, int32_t, int32_t, int32_t, int32_t) {
    Calls += 10;
  };
  Source.OnPercentDone = [&](TObject*, int32_t) { Calls += 100; };
  Dest.Assign(&Source);
  EXPECT_EQ(Calls, 0);
  EXPECT_EQ(Columns(Dest), Columns(Source));
  EXPECT_EQ(Dest.DataID(), "src");
  EXPECT_EQ(Dest.Precision(2), 9);
  Dest.Changed();
  Dest.SortExchange(kExchgRows, 1, 2, 1, 2);
  Dest.PercDone(nullptr, 50);
  EXPECT_EQ(Calls, 11) << "OnPercentDone is not copied";
  TKahanSum Sum;
  EXPECT_EQ(ErrorText<EConvertError>([&] { Dest.Assign(&Sum); }),
            "Cannot assign a TKahanSum to a TMatrix");
  EXPECT_EQ(ErrorText<EConvertError>([&] { Sum.Assign(&Dest); }),
            "Cannot assign a TMatrix to a TKahanSum");
}

// Expected texts: the CRC-32 (zip, PNG) of each lane's bytes, computed independently.
TEST(MatrixChecksum, LanesFollowColumnMajorOrder) {
  TMatrix M;
  EXPECT_EQ(M.CRCofData(), "D202EF8DD202EF8DD202EF8DD202EF8DD202EF8DD202EF8DD202EF8DD202EF8D")
      << "each lane is the CRC-32 of one zero byte";
  SetColumns(M, {{1.0}, {-2.5}, {3.25}});
  EXPECT_EQ(M.CRCofData(), "FF41D912FF41D912FF41D912FF41D912FF41D912FF41D912CE3C86D86D50ED61");
  SetColumns(M, {{-2.5, 1.0, 3.25}});
  EXPECT_EQ(M.CRCofData(), "FF41D912FF41D912FF41D912FF41D912FF41D912FF41D9120C21796D40EC24FE");
  M.Resize(0, 3);
  EXPECT_EQ(M.CRCofData(), std::string(64, '0'));
}

}  // namespace
}  // namespace qor
