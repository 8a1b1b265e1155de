#include "qor/vector/vector_order.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <tuple>
#include <utility>
#include <vector>

#include "qor/frame/random.h"
#include "qor/vector/int_vector.h"
#include "qor/vector/vector.h"

namespace qor {
namespace {

using ::testing::ElementsAre;
using TExchange = std::tuple<uint8_t, int32_t, int32_t, int32_t, int32_t>;

// Records every OnSortExchange and every OnChange of a vector.
template <class Vec>
struct TSortLog {
  explicit TSortLog(Vec& V) {
    V.OnSortExchange = [this](TObject*, uint8_t What, int32_t i, int32_t j, int32_t Lo,
                              int32_t Hi) { Exchanges.emplace_back(What, i, j, Lo, Hi); };
    V.OnChange = [this](TObject*) { ++Changes; };
  }
  std::vector<TExchange> Exchanges;
  int Changes = 0;
};

template <class Vec>
class VectorOrderTest : public ::testing::Test {};
using VectorTypes = ::testing::Types<TVector, TIntVector>;
TYPED_TEST_SUITE(VectorOrderTest, VectorTypes);

TYPED_TEST(VectorOrderTest, CombSortReportsEachExchangeThenChangesOnce) {
  using TElems = std::vector<typename TypeParam::TElem>;
  TypeParam V;
  V.AssignArray(TElems{3, 1, 2});
  TSortLog<TypeParam> Log(V);
  V.SortElems(true, 0, 0);
  // gap trunc(2/1.3) = 1: 3>1 exchanges 1,2; 3>2 exchanges 2,3; a clean gap-1 pass ends it.
  EXPECT_EQ(Log.Exchanges, (std::vector<TExchange>{{0, 1, 2, 0, 0}, {0, 2, 3, 0, 0}}));
  EXPECT_THAT(V.Data(), ElementsAre(1, 2, 3));
  V.SortElems(true, 0, 0);  // already sorted: no exchange, still one notification
  EXPECT_EQ(std::tuple(Log.Exchanges.size(), Log.Changes), std::tuple(2u, 2));

  V.SortElems(false, 2, 2);  // a one-element range does nothing at all
  EXPECT_EQ(Log.Changes, 2);
  V.SortElems(false, 9, 2);  // swapped and clamped to 2..3
  EXPECT_THAT(V.Data(), ElementsAre(1, 3, 2));
}

TYPED_TEST(VectorOrderTest, ReplayingTheExchangesReproducesThePermutation) {
  // An application keeps associated data in step by applying each reported exchange.
  SetRandSeed(11);
  for (bool Ascending : {true, false}) {
    TypeParam V;
    V.Resize(200);
    for (int32_t i = 1; i <= 200; ++i)
      V.SetVal(i, static_cast<typename TypeParam::TElem>(Random(40)));  // many ties
    const std::vector<typename TypeParam::TElem> Original(V.Data().begin(), V.Data().end());
    std::vector<int32_t> Position(201);
    std::iota(Position.begin(), Position.end(), 0);
    V.OnSortExchange = [&Position](TObject*, uint8_t, int32_t i, int32_t j, int32_t, int32_t) {
      std::swap(Position[static_cast<size_t>(i)], Position[static_cast<size_t>(j)]);
    };
    V.SortElems(Ascending, 20, 180);
    for (int32_t i = 1; i <= 200; ++i) {
      EXPECT_EQ(V[i], Original[static_cast<size_t>(Position[static_cast<size_t>(i)] - 1)]);
      if (i < 20 || i > 180) {
        EXPECT_EQ(Position[static_cast<size_t>(i)], i);
      }
    }
    const auto Sorted = V.Data().subspan(19, 161);
    EXPECT_TRUE(Ascending ? std::is_sorted(Sorted.begin(), Sorted.end())
                          : std::is_sorted(Sorted.rbegin(), Sorted.rend()));
  }
}

TYPED_TEST(VectorOrderTest, FindAndFindInSortedVectorBreakTiesTheirWays) {
  using TElems = std::vector<typename TypeParam::TElem>;
  TypeParam V;
  EXPECT_EQ(V.FindInSortedVector(true, 5), 1);
  V.AssignArray(TElems{1, 3, 1, 8});
  EXPECT_EQ(V.Find(0, 0, 2), 1);  // 1 and 3 are equally near; the first index wins
  EXPECT_EQ(V.Find(2, 4, 2), 2);
  V.AssignArray(TElems{1, 2, 3, 4});
  EXPECT_EQ(V.FindInSortedVector(true, 2), 2);  // met at a midpoint
  EXPECT_EQ(V.FindInSortedVector(true, 3), 3);
  EXPECT_EQ(V.FindInSortedVector(true, 4), 4);  // an end element, found by the distance test
  EXPECT_EQ(V.FindInSortedVector(true, -9), 1);
  EXPECT_EQ(V.FindInSortedVector(true, 99), 4);
  V.AssignArray(TElems{40, 30, 20, 10});
  EXPECT_EQ(V.FindInSortedVector(false, 26), 2);
  EXPECT_EQ(V.FindInSortedVector(false, 25), 3);  // tie between 30 and 20 goes up
}

TEST(VectorOrderTest, HalfwayValueAndNaNEndTheBisection) {
  TVector V;
  V.AssignArray(std::vector<double>{1, 2, 3, 4});
  EXPECT_EQ(V.FindInSortedVector(true, 2.5), 3);
  EXPECT_EQ(V.FindInSortedVector(true, std::nan("")), 4);
  EXPECT_EQ(V.Find(0, 0, std::nan("")), 0);  // no difference below the largest double
}

}  // namespace
}  // namespace qor
