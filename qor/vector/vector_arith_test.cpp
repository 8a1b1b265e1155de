#include "qor/vector/vector_arith.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "qor/vector/int_vector.h"
#include "qor/vector/vector.h"

namespace qor {
namespace {

using ::testing::ElementsAre;
using ::testing::UnorderedElementsAreArray;

template <class Vec>
class VectorArithTest : public ::testing::Test {};
using VectorTypes = ::testing::Types<TVector, TIntVector>;
TYPED_TEST_SUITE(VectorArithTest, VectorTypes);

TYPED_TEST(VectorArithTest, ElementwiseOperationsFireOnceEach) {
  using TElems = std::vector<typename TypeParam::TElem>;
  TypeParam a, b;
  a.AssignArray(TElems{1, -2, 3});
  b.AssignArray(TElems{10, 20, 30});
  int Changes = 0;
  a.OnChange = [&Changes](TObject*) { ++Changes; };
  a.Add(&b);
  EXPECT_THAT(a.Data(), ElementsAre(11, 18, 33));
  a.Subtract(&b);
  a.SMult(-2);
  EXPECT_THAT(a.Data(), ElementsAre(-2, 4, -6));
  a.AbsVal();
  a.Mirror();
  EXPECT_THAT(a.Data(), ElementsAre(6, 4, 2));
  a.Add(nullptr);
  EXPECT_EQ(Changes, 5);
  b.Resize(2);
  EXPECT_THROW(a.Subtract(&b), EQORVectorError);  // the message is pinned with DotProduct
}

TYPED_TEST(VectorArithTest, ShuffleKeepsTheElementsAndFiresNothing) {
  std::vector<typename TypeParam::TElem> Start;
  for (int i = 1; i <= 50; ++i) Start.push_back(static_cast<typename TypeParam::TElem>(i));
  TypeParam V;
  V.AssignArray(Start);
  V.OnChange = [](TObject*) { ADD_FAILURE() << "shuffling notified"; };
  V.ShuffleElems();
  EXPECT_THAT(V.Data(), UnorderedElementsAreArray(Start));
}

TEST(IntVectorArithTest, WrapsLikeUncheckedIntegerArithmetic) {
  TIntVector a, b;
  a.AssignArray(std::vector<int32_t>{INT32_MAX, INT32_MIN, 65536});
  b.AssignArray(std::vector<int32_t>{1, -1, 0});
  a.Add(&b);
  EXPECT_THAT(a.Data(), ElementsAre(INT32_MIN, INT32_MAX, 65536));
  a.SMult(65536);  // 2^31 * 2^16 and 2^16 * 2^16 vanish modulo 2^32
  EXPECT_THAT(a.Data(), ElementsAre(0, -65536, 0));
  a.AssignArray(std::vector<int32_t>{INT32_MIN});
  a.AbsVal();
  EXPECT_EQ(a[1], INT32_MIN);
}

}  // namespace
}  // namespace qor
