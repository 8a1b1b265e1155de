#include "qor/math1/exchange.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <tuple>

namespace qor {
namespace {

template <class T>
class ExChangeTyped : public ::testing::Test {};
using Exchangeables = ::testing::Types<int32_t, uint8_t, float, double, long double, bool, char16_t,
                                       uint16_t, int8_t, uint32_t, int64_t>;
TYPED_TEST_SUITE(ExChangeTyped, Exchangeables);

TYPED_TEST(ExChangeTyped, SwapsValues) {
  TypeParam a = static_cast<TypeParam>(1);
  TypeParam b = static_cast<TypeParam>(0);
  ExChange(a, b);
  EXPECT_EQ(a, static_cast<TypeParam>(0));
  EXPECT_EQ(b, static_cast<TypeParam>(1));
}

TEST(ExChange, StringsStayIntactAndKeepTheirBuffers) {
  std::string a(100, 'a');
  std::string b = "short";
  const char* BufferOfA = a.data();
  ExChange(a, b);
  EXPECT_EQ(a, "short");
  EXPECT_EQ(b, std::string(100, 'a'));
  EXPECT_EQ(b.data(), BufferOfA);
}

TEST(ExChange, UntypedSwapsBytes) {
  std::array<uint8_t, 4> First = {1, 2, 3, 4};
  std::array<uint8_t, 4> Second = {5, 6, 7, 8};
  ExChange(First.data(), Second.data(), 0);
  EXPECT_EQ(First, (std::array<uint8_t, 4>{1, 2, 3, 4}));
  ExChange(First.data(), Second.data(), 3);
  EXPECT_EQ(First, (std::array<uint8_t, 4>{5, 6, 7, 4}));
  EXPECT_EQ(Second, (std::array<uint8_t, 4>{1, 2, 3, 8}));
  ExChange(nullptr, Second.data(), 4);
  EXPECT_EQ(Second, (std::array<uint8_t, 4>{1, 2, 3, 8}));
}

TEST(SortSwap, OrdersThePairAndReportsEqualPairsAsExchanged) {
  // {a, b, Ascending} -> {a', b', exchanged}
  const std::array<std::tuple<double, double, bool, double, double, bool>, 5> Cases = {{
      {2, 1, true, 1, 2, true},
      {1, 2, true, 1, 2, false},
      {3, 3, true, 3, 3, true},
      {1, 2, false, 2, 1, true},
      {3, 3, false, 3, 3, false},
  }};
  for (const auto& [a0, b0, Ascending, a1, b1, Exchanged] : Cases) {
    double a = a0;
    double b = b0;
    EXPECT_EQ(SortSwap(a, b, Ascending), Exchanged);
    EXPECT_EQ(a, a1);
    EXPECT_EQ(b, b1);
  }
}

}  // namespace
}  // namespace qor
