#include <gtest/gtest.h>

#include <climits>
#include <ostream>
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

TEST(MatrixStorage, FreshMatrixIsOneByOneZero) {
  TMatrix M;
  EXPECT_EQ(M.NrOfColumns(), 1);
  EXPECT_EQ(M.NrOfRows(), 1);
  EXPECT_EQ(M.Elem(1, 1), 0.0);
  EXPECT_EQ(M.DataID(), "");
  EXPECT_EQ(M.Precision(1), 15);
  EXPECT_EQ(M.Precision(2), -1);
}

TEST(MatrixStorage, ZeroSizeReadsZeroAndDropsWrites) {
  TMatrix M;
  TChangeCounter Changes;
  Changes.Attach(M);
  EXPECT_TRUE(M.Resize(0, 0));
  EXPECT_EQ(Changes.Count, 1);
  EXPECT_EQ(M.NrOfColumns(), 0);
  EXPECT_EQ(M.NrOfRows(), 0);
  M.SetVal(1, 1, 5.0);
  EXPECT_EQ(M.GetVal(1, 1), 0.0);
  EXPECT_EQ(Changes.Count, 1);
  EXPECT_TRUE(M.Data().empty());
}

TEST(MatrixStorage, NegativeCountsBecomeZero) {
  TMatrix M;
  M.Resize(-3, 2);
  EXPECT_EQ(M.NrOfColumns(), 0);
  EXPECT_EQ(M.NrOfRows(), 2);
  M.SetNRows(-1);
  EXPECT_EQ(M.NrOfRows(), 0);
  M.SetNCols(4);
  EXPECT_EQ(M.NrOfColumns(), 4);
}

TEST(MatrixStorage, ResizeKeepsOverlapAndZeroesNewElements) {
  TMatrix M;
  SetColumns(M, {{1, 2, 3}, {4, 5, 6}, {7, 8, 9}});
  TChangeCounter Changes;
  Changes.Attach(M);
  M.Resize(2, 4);
  EXPECT_EQ(Columns(M), (TDouble2DArray{{1, 2, 3, 0}, {4, 5, 6, 0}}));
  EXPECT_EQ(Changes.Count, 1);
  M.Resize(2, 4);
  EXPECT_EQ(Changes.Count, 1) << "same size must not notify";
  M.Resize(3, 4);  // only columns change: the buffer grows at its end
  EXPECT_EQ(Columns(M), (TDouble2DArray{{1, 2, 3, 0}, {4, 5, 6, 0}, {0, 0, 0, 0}}));
}

TEST(MatrixStorage, ElementsCutOffDoNotReturn) {
  TMatrix M;
  SetColumns(M, {{1, 2}, {3, 4}});
  M.Resize(0, 2);
  M.Resize(2, 2);
  EXPECT_EQ(Columns(M), (TDouble2DArray{{0, 0}, {0, 0}}));
}

TEST(MatrixStorage, ResizeAndClearZeroesEverything) {
  TMatrix M;
  SetColumns(M, {{1, 2}, {3, 4}});
  EXPECT_TRUE(M.ResizeAndClear(3, 1));
  EXPECT_EQ(Columns(M), (TDouble2DArray{{0}, {0}, {0}}));
}

TEST(MatrixStorage, OutOfMemoryRaisesHeapMessageAndKeepsMatrix) {
  TMatrix M;
  M.SetName("Big");
  SetColumns(M, {{1, 2}});
  EXPECT_EQ(ErrorText<EQORMatrixError>([&] { M.Resize(INT32_MAX, INT32_MAX); }),
            "Component \"Big\": not enough memory on heap");
  EXPECT_EQ(Columns(M), (TDouble2DArray{{1, 2}}));
  TMatrix Unnamed;
  EXPECT_EQ(ErrorText<EQORMatrixError>([&] { Unnamed.Resize(INT32_MAX, 2); }),
            "Component \"\": not enough memory on heap");
}

TEST(MatrixStorage, SetValNotifiesOnlyInside) {
  TMatrix M;
  M.Resize(2, 3);
  TChangeCounter Changes;
  Changes.Attach(M);
  M.SetVal(2, 3, 7.5);
  for (auto [c, r] : {std::pair{0, 1}, {3, 1}, {1, 0}, {1, 4}, {-1, -1}}) {
    M.SetVal(c, r, 1.0);
    EXPECT_EQ(M.GetVal(c, r), 0.0);
  }
  EXPECT_EQ(Changes.Count, 1);
  EXPECT_EQ(M.Elem(2, 3), 7.5);
  ASSERT_EQ(M.Column(2).size(), 3u);
  EXPECT_EQ(M.Column(2)[2], 7.5);
  EXPECT_TRUE(M.Column(3).empty());
}

struct RangeCase {
  int32_t Count, Low, High, ExpectedLow, ExpectedHigh;
  friend void PrintTo(const RangeCase& Case, std::ostream* Out) {
    *Out << "(" << Case.Low << ", " << Case.High << ") of " << Case.Count;
  }
};

class MatrixRangeRepair : public ::testing::TestWithParam<RangeCase> {};

TEST_P(MatrixRangeRepair, ColumnsAndRowsFollowTheSameRule) {
  const RangeCase& Case = GetParam();
  TMatrix M;
  M.Resize(Case.Count, Case.Count + 3);
  int32_t Low = Case.Low, High = Case.High;
  M.MakeValidColRange(Low, High);
  EXPECT_EQ(Low, Case.ExpectedLow);
  EXPECT_EQ(High, Case.ExpectedHigh);
  M.Resize(Case.Count + 3, Case.Count);
  Low = Case.Low;
  High = Case.High;
  M.MakeValidRowRange(Low, High);
  EXPECT_EQ(Low, Case.ExpectedLow);
  EXPECT_EQ(High, Case.ExpectedHigh);
}

INSTANTIATE_TEST_SUITE_P(Cases, MatrixRangeRepair,
                         ::testing::Values(RangeCase{5, 0, 0, 1, 5}, RangeCase{5, 7, 2, 2, 5},
                                           RangeCase{5, -3, -1, 1, 1}, RangeCase{5, 4, 3, 3, 4},
                                           RangeCase{5, 0, 3, 1, 3}, RangeCase{0, 0, 0, 1, 0},
                                           RangeCase{0, 3, 5, 0, 0}));

TEST(MatrixPrecision, ClampedAndIndexedByThreshold) {
  TMatrix M;
  M.SetFPrecis(1, 40);
  EXPECT_EQ(M.Precision(1), 25);
  M.SetFPrecis(2, -5);
  EXPECT_EQ(M.Precision(2), -1);
  M.SetFPrecis(0, 7);  // below 2 selects the first entry
  EXPECT_EQ(M.GetFPrecis(-4), 7);
  M.SetFPrecis(9, 3);  // above 1 selects the second
  EXPECT_EQ(M.GetFPrecis(2), 3);
}

TEST(MatrixAssign, CopiesContentSettingsAndEventsWithoutNotifying) {
  TMatrix Source, Dest;
  SetColumns(Source, {{1, 2, 3}, {4, 5, 6}});
  Source.SetDataID("src");
  Source.SetFPrecis(1, 4);
  Source.SetFPrecis(2, 9);
  int SourceChanges = 0, Exchanges = 0, Distances = 0, Percents = 0;
  Source.OnChange = [&](TObject*) { ++SourceChanges; };
  Source.OnSortExchange = [&](TObject*, uint8_t, int32_t, int32_t, int32_t, int32_t) {
    ++Exchanges;
  };
  Source.OnCalcDistance = [&](TObject*, int32_t, int32_t, double&) { ++Distances; };
  Source.OnPercentDone = [&](TObject*, int32_t) { ++Percents; };
  TChangeCounter DestChanges;
  DestChanges.Attach(Dest);

  Dest.Assign(&Source);
  EXPECT_EQ(DestChanges.Count, 0);
  EXPECT_EQ(Columns(Dest), Columns(Source));
  EXPECT_EQ(Dest.DataID(), "src");
  EXPECT_EQ(Dest.Precision(1), 4);
  EXPECT_EQ(Dest.Precision(2), 9);
  Dest.Changed();
  Dest.SortExchange(kExchgRows, 1, 2, 1, 2);
  double Distance = 0;
  Dest.OnCalcDistance(&Dest, 1, 2, Distance);
  Dest.PercDone(nullptr, 50);
  EXPECT_EQ(SourceChanges, 1);
  EXPECT_EQ(Exchanges, 1);
  EXPECT_EQ(Distances, 1);
  EXPECT_EQ(Percents, 0) << "OnPercentDone is not copied";
}

TEST(MatrixAssign, ZeroSizedSourceGivesMatrixWithoutElements) {
  TMatrix Source, Dest;
  Source.Resize(0, 3);
  Dest.Assign(&Source);
  EXPECT_EQ(Dest.NrOfColumns(), 0);
  EXPECT_EQ(Dest.NrOfRows(), 3);
  EXPECT_EQ(Dest.GetVal(1, 1), 0.0);
  Dest.Fill(2.0);
  EXPECT_TRUE(Dest.Data().empty());
}

TEST(MatrixAssign, OtherClassesRaiseConversionError) {
  TMatrix M;
  TKahanSum Sum;
  EXPECT_EQ(ErrorText<EConvertError>([&] { M.Assign(&Sum); }),
            "Cannot assign a TKahanSum to a TMatrix");
  EXPECT_EQ(ErrorText<EConvertError>([&] { Sum.Assign(&M); }),
            "Cannot assign a TMatrix to a TKahanSum");
}

}  // namespace
}  // namespace qor
