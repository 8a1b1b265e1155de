#include "qor/vector/vector_arith.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <vector>

#include "qor/frame/errors.h"
#include "qor/vector/int_vector.h"
#include "qor/vector/vector.h"

namespace qor {
namespace {

template <class Vec>
std::vector<typename Vec::TElem> Values(const Vec& V) {
  return {V.Data().begin(), V.Data().end()};
}

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
  EXPECT_EQ(Values(a), (TElems{11, 18, 33}));
  a.Subtract(&b);
  a.SMult(-2);
  EXPECT_EQ(Values(a), (TElems{-2, 4, -6}));
  a.AbsVal();
  a.Mirror();
  EXPECT_EQ(Values(a), (TElems{6, 4, 2}));
  EXPECT_EQ(Changes, 5);
  a.Add(nullptr);
  EXPECT_EQ(Changes, 5);
}

TYPED_TEST(VectorArithTest, DifferentSizesRaiseTheDimensionMessage) {
  TypeParam a, b;
  a.SetName("left");
  b.Resize(2);
  for (auto Combine : {&TypeParam::Add, &TypeParam::Subtract}) {
    try {
      (a.*Combine)(&b);
      FAIL() << "no exception";
    } catch (const EQORVectorError& e) {
      EXPECT_STREQ(e.what(), "Component \"left\": vectors have different dimensions");
    }
  }
}

TYPED_TEST(VectorArithTest, ShuffleKeepsTheElementsAndFiresNothing) {
  TypeParam V;
  V.Resize(50);
  for (int32_t i = 1; i <= 50; ++i) V.SetVal(i, static_cast<typename TypeParam::TElem>(i));
  int Changes = 0;
  V.OnChange = [&Changes](TObject*) { ++Changes; };
  V.ShuffleElems();
  auto Shuffled = Values(V);
  std::sort(Shuffled.begin(), Shuffled.end());
  for (int32_t i = 1; i <= 50; ++i) EXPECT_EQ(Shuffled[static_cast<size_t>(i - 1)], i);
  EXPECT_EQ(Changes, 0);
}

TEST(IntVectorArithTest, WrapsLikeUncheckedIntegerArithmetic) {
  TIntVector a, b;
  a.AssignArray(std::vector<int32_t>{INT32_MAX, INT32_MIN, 65536});
  b.AssignArray(std::vector<int32_t>{1, -1, 0});
  a.Add(&b);
  EXPECT_EQ(Values(a), (std::vector<int32_t>{INT32_MIN, INT32_MAX, 65536}));
  a.SMult(65536);  // 2^31 * 2^16 and 2^16 * 2^16 vanish modulo 2^32
  EXPECT_EQ(Values(a), (std::vector<int32_t>{0, -65536, 0}));
  a.AssignArray(std::vector<int32_t>{INT32_MIN});
  a.AbsVal();
  EXPECT_EQ(a[1], INT32_MIN);
}

}  // namespace
}  // namespace qor
