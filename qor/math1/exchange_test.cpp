#include "qor/math1/exchange.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>

namespace qor {
namespace {

TEST(ExChange, SwapsEveryDocumentedTypeAndStringBuffers) {
  const auto Swaps = [](auto One, auto Two) {
    auto a = One, b = Two;
    ExChange(a, b);
    return a == Two && b == One;
  };
  EXPECT_TRUE(Swaps(int32_t{1}, int32_t{-2}) && Swaps(uint8_t{1}, uint8_t{2}) &&
              Swaps(1.5f, 2.5f) && Swaps(1.5, 2.5) && Swaps(1.5L, 2.5L) && Swaps(true, false) &&
              Swaps(u'a', u'b') && Swaps(uint16_t{1}, uint16_t{2}) &&
              Swaps(int8_t{1}, int8_t{-2}) && Swaps(uint32_t{1}, uint32_t{2}) &&
              Swaps(int64_t{1}, int64_t{-2}));
  std::string a(100, 'a'), b = "short";
  const char* BufferOfA = a.data();
  ExChange(a, b);
  EXPECT_EQ(a, "short");
  EXPECT_EQ(b, std::string(100, 'a'));
  EXPECT_EQ(b.data(), BufferOfA);
}

TEST(ExChange, UntypedSwapsBytes) {
  std::array<uint8_t, 4> First = {1, 2, 3, 4}, Second = {5, 6, 7, 8};
  ExChange(First.data(), Second.data(), 0);
  ExChange(nullptr, Second.data(), 4);
  ExChange(First.data(), Second.data(), 3);
  EXPECT_EQ(First, (std::array<uint8_t, 4>{5, 6, 7, 4}));
  EXPECT_EQ(Second, (std::array<uint8_t, 4>{1, 2, 3, 8}));
}

TEST(SortSwap, OrdersThePairAndReportsEqualPairsAsExchanged) {
  // {a, b, ascending, exchanged}
  const struct {
    double a, b;
    bool Ascending, Exchanged;
  } Cases[] = {{2, 1, true, true},
               {1, 2, true, false},
               {3, 3, true, true},
               {1, 2, false, true},
               {3, 3, false, false}};
  for (const auto& c : Cases) {
    double a = c.a, b = c.b;
    EXPECT_EQ(SortSwap(a, b, c.Ascending), c.Exchanged) << c.a << " " << c.b;
    EXPECT_EQ(a, c.Exchanged ? c.b : c.a);
    EXPECT_EQ(b, c.Exchanged ? c.a : c.b);
  }
  double NaN = std::nan(""), One = 1;  // a pair holding a NaN is never exchanged
  EXPECT_FALSE(SortSwap(NaN, One, true) || SortSwap(One, NaN, false));
  EXPECT_EQ(One, 1.0);
}

}  // namespace
}  // namespace qor
