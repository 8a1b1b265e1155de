#include "qor/vector/vector_storage.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "qor/vector/int_vector.h"
#include "qor/vector/vector.h"

namespace qor {
namespace {

using ::testing::ElementsAre;
using ::testing::StrEq;
using ::testing::ThrowsMessage;

// Each typed test holds a vector whose OnChange counts and remembers its sender.
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
  Vec Subject;
  int Changes = 0;
  TObject* LastSender = nullptr;
};

using VectorTypes = ::testing::Types<TVector, TIntVector>;
TYPED_TEST_SUITE(VectorStorageTest, VectorTypes);

TYPED_TEST(VectorStorageTest, IndicesOutsideTheVectorReadZeroAndAreNeverWritten) {
  TypeParam& V = this->Subject;
  EXPECT_TRUE(V.IsEmpty());
  V.SetVal(0, 7);
  V.SetVal(2, 7);
  EXPECT_THAT(V.Data(), ElementsAre(0));  // a new vector holds one element
  EXPECT_EQ(std::tuple(V[0], V.Elem(2), this->Changes), std::tuple(0, 0, 0));
  EXPECT_TRUE(V.IsEmpty());
  V.SetVal(1, 7);
  V.SetVal(1, 7);  // every store fires, even of the same value
  EXPECT_EQ(std::tuple(V[1], V.IsEmpty(), this->Changes, this->LastSender),
            std::tuple(7, false, 2, &V));
}

TYPED_TEST(VectorStorageTest, ResizeFillAndClear) {
  TypeParam& V = this->Subject;
  V.SetVal(1, 5);
  EXPECT_FALSE(V.Resize(0));
  EXPECT_TRUE(V.Resize(1));
  V.SetNrOfElem(0);
  EXPECT_EQ(this->Changes, 1);  // only the SetVal
  V.SetIsEmpty(true);
  EXPECT_TRUE(V.Resize(4));
  EXPECT_THAT(V.Data(), ElementsAre(5, 0, 0, 0));
  EXPECT_TRUE(V.IsEmpty());  // resizing leaves the flag alone
  V.Fill(3);
  EXPECT_FALSE(V.IsEmpty());
  V.SetNrOfElem(2);
  EXPECT_THAT(V.Data(), ElementsAre(3, 3));
  V.Clear();
  EXPECT_THAT(V.Data(), ElementsAre(0, 0));
  EXPECT_EQ(std::tuple(V.IsEmpty(), this->Changes), std::tuple(true, 5));
}

TYPED_TEST(VectorStorageTest, MakeValidElemRangeRepairsEveryBound) {
  this->Subject.Resize(10);
  using TCase = std::tuple<int32_t, int32_t, int32_t, int32_t>;
  for (auto [Lo, Hi, WantLo, WantHi] : {TCase{0, 0, 1, 10}, TCase{0, 4, 1, 4}, TCase{-3, 20, 1, 10},
                                        TCase{8, 3, 3, 8}, TCase{12, 11, 10, 10}}) {
    this->Subject.MakeValidElemRange(Lo, Hi);
    EXPECT_EQ(std::tuple(Lo, Hi), std::tuple(WantLo, WantHi));
  }
}

TYPED_TEST(VectorStorageTest, CopiesThroughSetValFirePerElementWrittenAndOnceAtTheEnd) {
  TypeParam& V = this->Subject;
  TypeParam Source;
  Source.AssignArray(typename TestFixture::TElems{1, 2, 3, 4});
  V.Clone(&Source);  // one Resize, four stores, one final notification
  EXPECT_THAT(V.Data(), ElementsAre(1, 2, 3, 4));
  EXPECT_EQ(this->Changes, 6);
  V.CopyFrom(&Source, 5, 2, 3);  // source 2..4 (clamped, swapped) to 3..5; 5 is dropped
  EXPECT_THAT(V.Data(), ElementsAre(1, 2, 2, 3));
  EXPECT_EQ(this->Changes, 9);
  V.CopyFromArray(typename TestFixture::TElems{7, 8, 9}, 0);  // entry 0 falls outside
  EXPECT_THAT(V.Data(), ElementsAre(8, 9, 2, 3));
  EXPECT_EQ(this->Changes, 11);
  V.Clone(nullptr);
  V.CopyFrom(nullptr, 1, 2, 1);
  EXPECT_EQ(this->Changes, 11);
  typename TestFixture::TElems Out{9, 9, 9, 9, 9};
  V.CopyToArray(Out, 9, 2);
  EXPECT_THAT(Out, ElementsAre(9, 2, 3));

  // Without a handler a copy goes straight to the buffer; it must behave exactly like the
  // element-by-element stores a handler forces, including the forward smear of an overlap.
  TypeParam Silent;
  V.AssignArray(typename TestFixture::TElems{1, 2, 3, 4, 5});
  Silent.AssignArray(V.Data());
  V.CopyFrom(&V, 1, 4, 2);
  Silent.CopyFrom(&Silent, 1, 4, 2);
  EXPECT_THAT(Silent.Data(), ElementsAre(1, 1, 1, 1, 1));
  EXPECT_THAT(V.Data(), ElementsAre(1, 1, 1, 1, 1));
  EXPECT_EQ(this->Changes, 11 + 1 + 4 + 1);
}

TYPED_TEST(VectorStorageTest, AssignCopiesContentAndHandlersWithoutNotifying) {
  TypeParam& V = this->Subject;
  V.SetName("Src");
  V.AssignArray(typename TestFixture::TElems{5, 4});
  int Exchanges = 0;
  V.OnSortExchange = [&Exchanges](TObject*, uint8_t, int32_t, int32_t, int32_t, int32_t) {
    ++Exchanges;
  };
  TypeParam Dest;
  Dest.Assign(&V);
  EXPECT_THAT(Dest.Data(), ElementsAre(5, 4));
  // The component name is not content; Assign itself is silent (the one change is AssignArray).
  EXPECT_EQ(std::tuple(Dest.IsEmpty(), Dest.Name(), this->Changes), std::tuple(false, "", 1));
  Dest.SortElems(true, 0, 0);  // Dest now reports to the copied handlers, as itself
  EXPECT_EQ(std::tuple(this->LastSender, Exchanges), std::tuple(&Dest, 1));
}

TEST(VectorAssignTest, OtherClassesRaiseTheConversionError) {
  TVector Vec;
  TIntVector IntVec;
  EXPECT_THAT([&] { Vec.Assign(&IntVec); },
              ThrowsMessage<EConvertError>(StrEq("Cannot assign a TIntVector to a TVector")));
  EXPECT_THROW(IntVec.Assign(&Vec), EConvertError);
  EXPECT_THROW(Vec.Assign(nullptr), EConvertError);
}

}  // namespace
}  // namespace qor
