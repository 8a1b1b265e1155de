#include "qor/vector/vector_storage.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "qor/frame/errors.h"
#include "qor/vector/int_vector.h"
#include "qor/vector/vector.h"

namespace qor {
namespace {

template <class Vec>
class VectorStorageTest : public ::testing::Test {
 protected:
  using TElems = std::vector<typename Vec::TElem>;
  void SetUp() override {
    Subject.OnChange = [this](TObject* Sender) {
      LastSender = Sender;
      ++Changes;
    };
  }
  TElems Values() const { return {Subject.Data().begin(), Subject.Data().end()}; }

  Vec Subject;
  int Changes = 0;
  TObject* LastSender = nullptr;
};

using VectorTypes = ::testing::Types<TVector, TIntVector>;
TYPED_TEST_SUITE(VectorStorageTest, VectorTypes);

TYPED_TEST(VectorStorageTest, NewVectorHasOneZeroElementAndIgnoresOutsideIndices) {
  TypeParam& V = this->Subject;
  EXPECT_EQ(V.NrOfElem(), 1);
  EXPECT_EQ(V.Elem(1), 0);
  EXPECT_TRUE(V.IsEmpty());
  V.SetVal(0, 7);
  V.SetVal(2, 7);
  EXPECT_EQ(V.Elem(0), 0);
  EXPECT_EQ(V.Elem(2), 0);
  EXPECT_EQ(V[-5], 0);
  EXPECT_EQ(this->Changes, 0);
  EXPECT_TRUE(V.IsEmpty());
  V.SetVal(1, 7);
  V.SetVal(1, 7);
  EXPECT_EQ(V[1], 7);
  EXPECT_FALSE(V.IsEmpty());
  EXPECT_EQ(this->Changes, 2);  // every store fires, even of the same value
  EXPECT_EQ(this->LastSender, &V);
}

TYPED_TEST(VectorStorageTest, ResizeKeepsPrefixZeroesNewElementsAndRejectsBelowOne) {
  TypeParam& V = this->Subject;
  V.SetVal(1, 5);
  EXPECT_FALSE(V.Resize(0));
  EXPECT_TRUE(V.Resize(1));
  V.SetNrOfElem(0);
  V.SetNrOfElem(-3);
  EXPECT_EQ(V.NrOfElem(), 1);
  EXPECT_EQ(this->Changes, 1);  // only the SetVal

  V.SetIsEmpty(true);
  EXPECT_TRUE(V.Resize(4));
  EXPECT_EQ(this->Values(), (typename TestFixture::TElems{5, 0, 0, 0}));
  EXPECT_TRUE(V.IsEmpty());  // resizing leaves the flag alone
  V.Fill(3);
  V.SetNrOfElem(2);
  EXPECT_EQ(this->Values(), (typename TestFixture::TElems{3, 3}));
  EXPECT_EQ(this->Changes, 4);
}

TYPED_TEST(VectorStorageTest, MakeValidElemRangeRepairsEveryBound) {
  TypeParam& V = this->Subject;
  V.Resize(10);
  struct TCase {
    int32_t Lo, Hi, WantLo, WantHi;
  };
  for (const TCase& c : {TCase{0, 0, 1, 10}, TCase{0, 4, 1, 4}, TCase{-3, 20, 1, 10},
                         TCase{8, 3, 3, 8}, TCase{12, 11, 10, 10}, TCase{5, 0, 1, 5}}) {
    int32_t Lo = c.Lo, Hi = c.Hi;
    V.MakeValidElemRange(Lo, Hi);
    EXPECT_EQ(Lo, c.WantLo) << c.Lo << ".." << c.Hi;
    EXPECT_EQ(Hi, c.WantHi) << c.Lo << ".." << c.Hi;
  }
}

TYPED_TEST(VectorStorageTest, FillAndClearFireOnceAndSetTheEmptyFlag) {
  TypeParam& V = this->Subject;
  V.Resize(3);
  this->Changes = 0;
  V.Fill(2);
  EXPECT_FALSE(V.IsEmpty());
  EXPECT_EQ(this->Values(), (typename TestFixture::TElems{2, 2, 2}));
  V.Clear();
  EXPECT_TRUE(V.IsEmpty());
  EXPECT_EQ(this->Values(), (typename TestFixture::TElems{0, 0, 0}));
  EXPECT_EQ(this->Changes, 2);
}

TYPED_TEST(VectorStorageTest, CopiesThroughSetValFirePerElementWrittenAndOnceAtTheEnd) {
  TypeParam& V = this->Subject;
  TypeParam Source;
  Source.AssignArray(typename TestFixture::TElems{1, 2, 3, 4});

  V.Clone(&Source);  // one Resize, four stores, one final notification
  EXPECT_EQ(this->Values(), (typename TestFixture::TElems{1, 2, 3, 4}));
  EXPECT_EQ(this->Changes, 6);

  this->Changes = 0;
  V.CopyFrom(&Source, 5, 2, 3);  // source 2..4 (clamped, swapped) to 3..5; 5 is dropped
  EXPECT_EQ(this->Values(), (typename TestFixture::TElems{1, 2, 2, 3}));
  EXPECT_EQ(this->Changes, 3);

  this->Changes = 0;
  V.CopyFromArray(typename TestFixture::TElems{7, 8, 9}, 0);  // entry 0 falls outside
  EXPECT_EQ(this->Values(), (typename TestFixture::TElems{8, 9, 2, 3}));
  EXPECT_EQ(this->Changes, 2);

  this->Changes = 0;
  V.Clone(nullptr);
  V.CopyFrom(nullptr, 1, 2, 1);
  EXPECT_EQ(this->Changes, 0);
}

TYPED_TEST(VectorStorageTest, OverlappingSelfCopyIsTheSameWithAndWithoutHandler) {
  // Without a handler the copy goes straight to the buffer; it must behave exactly like the
  // element-by-element stores a handler forces, including the forward smear of an overlap.
  TypeParam Observed, Silent;
  const typename TestFixture::TElems Start{1, 2, 3, 4, 5};
  Observed.AssignArray(Start);
  Silent.AssignArray(Start);
  int Stores = 0;
  Observed.OnChange = [&Stores](TObject*) { ++Stores; };
  Observed.CopyFrom(&Observed, 1, 4, 2);
  Silent.CopyFrom(&Silent, 1, 4, 2);
  EXPECT_EQ(typename TestFixture::TElems(Silent.Data().begin(), Silent.Data().end()),
            (typename TestFixture::TElems{1, 1, 1, 1, 1}));
  EXPECT_TRUE(std::equal(Observed.Data().begin(), Observed.Data().end(), Silent.Data().begin()));
  EXPECT_EQ(Stores, 5);
}

TYPED_TEST(VectorStorageTest, CopyToArrayTakesTheRepairedRange) {
  TypeParam& V = this->Subject;
  V.AssignArray(typename TestFixture::TElems{1, 2, 3, 4});
  typename TestFixture::TElems Out{9, 9, 9, 9, 9, 9};
  V.CopyToArray(Out, 9, 2);
  EXPECT_EQ(Out, (typename TestFixture::TElems{2, 3, 4}));
}

TYPED_TEST(VectorStorageTest, AssignCopiesContentAndHandlersWithoutNotifying) {
  TypeParam& V = this->Subject;
  V.SetName("Src");
  V.AssignArray(typename TestFixture::TElems{4, 5});
  int Exchanges = 0;
  V.OnSortExchange = [&Exchanges](TObject*, uint8_t, int32_t, int32_t, int32_t, int32_t) {
    ++Exchanges;
  };
  TypeParam Dest;
  Dest.Assign(&V);
  EXPECT_EQ(Dest.NrOfElem(), 2);
  EXPECT_EQ(Dest[2], 5);
  EXPECT_FALSE(Dest.IsEmpty());
  EXPECT_EQ(Dest.Name(), "");   // the component name is not content
  EXPECT_EQ(this->Changes, 1);  // only AssignArray; Assign itself is silent
  Dest.SetVal(1, 0);            // Dest now reports to the copied handler, as itself
  EXPECT_EQ(this->LastSender, &Dest);
  Dest.SortElems(true, 0, 0);
  EXPECT_EQ(this->Changes, 3);
  EXPECT_EQ(Exchanges, 0);
}

TEST(VectorAssignTest, OtherClassesRaiseTheConversionError) {
  TVector Vec;
  TIntVector IntVec;
  try {
    Vec.Assign(&IntVec);
    FAIL() << "no exception";
  } catch (const EConvertError& e) {
    EXPECT_STREQ(e.what(), "Cannot assign a TIntVector to a TVector");
  }
  EXPECT_THROW(IntVec.Assign(&Vec), EConvertError);
  EXPECT_THROW(Vec.Assign(nullptr), EConvertError);
}

TEST(VectorAssignTest, AssignArrayAcceptsAViewOfItself) {
  TVector Vec;
  Vec.AssignArray(std::vector<double>{1, 2, 3});
  Vec.AssignArray(Vec.Data().subspan(1));
  EXPECT_EQ(Vec.NrOfElem(), 2);
  EXPECT_EQ(Vec[1], 2);
  Vec.AssignArray({});
  EXPECT_EQ(Vec.NrOfElem(), 2);
}

}  // namespace
}  // namespace qor
