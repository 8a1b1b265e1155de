#include "qor/math1/interpolation.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "qor/frame/errors.h"

namespace qor {
namespace {

using ::testing::StrEq;
using ::testing::ThrowsMessage;

TEST(InterpolTableTest, InterpolatesAndExtrapolatesInBothDirections) {
  const std::vector<double> Table{0, 10, 20, 30, 40};
  EXPECT_EQ(InterpolTable(2.5, 0, 4, Table), 25.0);
  EXPECT_EQ(InterpolTable(5, 0, 4, Table), 50.0);
  EXPECT_EQ(InterpolTable(-1, 0, 4, Table), -10.0);
  EXPECT_EQ(InterpolTable(4, 0, 4, Table), 40.0);
  EXPECT_EQ(InterpolTable(1.5, 4, 0, Table), 25.0);  // abscissae running downwards
  const std::vector<int32_t> Squares{0, 1, 4, 9};
  EXPECT_EQ(InterpolTable(25, 10, 40, Squares), 2.5);
  EXPECT_EQ(InterpolTable(50, 10, 40, Squares), 14.0);
  EXPECT_TRUE(std::isnan(InterpolTable(std::nan(""), 0, 4, Table)));
}

TEST(InterpolTableTest, Messages) {
  const std::vector<double> One{1};
  const std::vector<int32_t> None;
  const std::vector<double> Two{1, 2};
  const auto TooFew = ThrowsMessage<EQORMath1Error>(
      StrEq("InterpolTable: pivot array must contain at least 2 values"));
  EXPECT_THAT([&] { InterpolTable(0, 0, 1, One); }, TooFew);
  EXPECT_THAT([&] { InterpolTable(0, 0, 1, None); }, TooFew);
  EXPECT_THAT([&] { InterpolTable(0, 3, 3, Two); },
              ThrowsMessage<EQORMath1Error>(
                  StrEq("InterpolTable: specified range of pivot array is zero")));
}

class InterpolXYTableTest : public ::testing::TestWithParam<TDouble2DArray> {};

TEST_P(InterpolXYTableTest, PassesThroughPivotsInterpolatesExtrapolates) {
  // Both tables sample y = 3 - 2x at x = 0, 1, 3, 4, once ascending and once descending.
  const TDouble2DArray& Table = GetParam();
  for (std::size_t i = 0; i < Table[0].size(); ++i)
    EXPECT_EQ(InterpolXYTable(Table[0][i], Table, false), Table[1][i]);
  EXPECT_EQ(InterpolXYTable(2, Table, false), -1.0);
  EXPECT_EQ(InterpolXYTable(0.25, Table, true), 2.5);
  EXPECT_EQ(InterpolXYTable(6, Table, true), -9.0);
  EXPECT_EQ(InterpolXYTable(-1, Table, true), 5.0);
  EXPECT_EQ(InterpolXYTable(6, Table, false), 0.0);
  EXPECT_EQ(InterpolXYTable(-1, Table, false), 0.0);
}

INSTANTIATE_TEST_SUITE_P(BothSortOrders, InterpolXYTableTest,
                         ::testing::Values(TDouble2DArray{{0, 1, 3, 4}, {3, 1, -3, -5}},
                                           TDouble2DArray{{4, 3, 1, 0}, {-5, -3, 1, 3}}));

TEST(InterpolXYTableTest, Messages) {
  const auto Columns =
      ThrowsMessage<EQORMath1Error>(StrEq("InterpolXYTable: pivot array must contain 2 columns"));
  const auto Rows = ThrowsMessage<EQORMath1Error>(
      StrEq("InterpolXYTable: pivot array must contain at least 2 rows"));
  EXPECT_THAT([] { InterpolXYTable(0, TDouble2DArray{{0, 1}}, true); }, Columns);
  EXPECT_THAT([] { InterpolXYTable(0, TDouble2DArray{{0, 1}, {0, 1}, {0, 1}}, true); }, Columns);
  EXPECT_THAT([] { InterpolXYTable(0, TDouble2DArray{{0}, {1}}, true); }, Rows);
  EXPECT_THAT([] { InterpolXYTable(0, TDouble2DArray{{0, 1}, {1}}, true); }, Rows);
}

TEST(InterpolZofXYRectTest, ReproducesBilinearFunctions) {
  EXPECT_EQ(InterpolZofXYRect(0, 10, 20, 30, 0.5, 0.5), 15.0);
  // z = 1 + 2u + 3v + 4uv at the corners (0,0), (0,1), (1,0), (1,1) is z1, z2, z3, z4.
  const auto z = [](double u, double v) { return 1 + 2 * u + 3 * v + 4 * u * v; };
  for (double u : {0.0, 0.25, 1.0, 1.5})
    for (double v : {0.0, 0.75, 1.0, -0.5})
      EXPECT_DOUBLE_EQ(InterpolZofXYRect(z(0, 0), z(0, 1), z(1, 0), z(1, 1), u, v), z(u, v));
}

}  // namespace
}  // namespace qor
