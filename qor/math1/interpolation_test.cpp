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

TEST(InterpolTableTest, InterpolatesExtrapolatesAndChecksThePivots) {
  const std::vector<double> Table{0, 10, 20, 30, 40};
  // {x, first abscissa, last abscissa, value}: inside, past either end, abscissae running down.
  const double Cases[][4] = {{2.5, 0, 4, 25}, {5, 0, 4, 50}, {-1, 0, 4, -10}, {1.5, 4, 0, 25}};
  for (const auto& [x, First, Last, Value] : Cases)
    EXPECT_EQ(InterpolTable(x, First, Last, Table), Value) << x;
  const std::vector<int32_t> Squares{0, 1, 4, 9};
  EXPECT_EQ(InterpolTable(25, 10, 40, Squares), 2.5);
  EXPECT_TRUE(std::isnan(InterpolTable(std::nan(""), 0, 4, Table)));

  const std::vector<int32_t> None;
  EXPECT_THAT([&] { InterpolTable(0, 0, 1, None); },
              ThrowsMessage<EQORMath1Error>(
                  StrEq("InterpolTable: pivot array must contain at least 2 values")));
  EXPECT_THAT([&] { InterpolTable(0, 3, 3, Table); },
              ThrowsMessage<EQORMath1Error>(
                  StrEq("InterpolTable: specified range of pivot array is zero")));
}

TEST(InterpolXYTableTest, PassesThroughPivotsInterpolatesExtrapolates) {
  // Both tables sample y = 3 - 2x at x = 0, 1, 3, 4, once ascending and once descending.
  for (const TDouble2DArray& Table : {TDouble2DArray{{0, 1, 3, 4}, {3, 1, -3, -5}},
                                      TDouble2DArray{{4, 3, 1, 0}, {-5, -3, 1, 3}}}) {
    for (std::size_t i = 0; i < Table[0].size(); ++i)
      EXPECT_EQ(InterpolXYTable(Table[0][i], Table, false), Table[1][i]);
    EXPECT_EQ(InterpolXYTable(2, Table, false), -1.0);
    EXPECT_EQ(InterpolXYTable(6, Table, true), -9.0);
    EXPECT_EQ(InterpolXYTable(-1, Table, true), 5.0);
    EXPECT_EQ(InterpolXYTable(6, Table, false), 0.0);  // no extrapolation: 0
    EXPECT_EQ(InterpolXYTable(-1, Table, false), 0.0);
  }
  const auto Columns =
      ThrowsMessage<EQORMath1Error>(StrEq("InterpolXYTable: pivot array must contain 2 columns"));
  const auto Rows = ThrowsMessage<EQORMath1Error>(
      StrEq("InterpolXYTable: pivot array must contain at least 2 rows"));
  EXPECT_THAT([] { InterpolXYTable(0, TDouble2DArray{{0, 1}}, true); }, Columns);
  EXPECT_THAT([] { InterpolXYTable(0, TDouble2DArray{{0, 1}, {0, 1}, {0, 1}}, true); }, Columns);
  EXPECT_THAT([] { InterpolXYTable(0, TDouble2DArray{{0, 1}, {1}}, true); }, Rows);
}

TEST(InterpolZofXYRectTest, ReproducesBilinearFunctions) {
  // z = 1 + 2u + 3v + 4uv at the corners (0,0), (0,1), (1,0), (1,1) is z1, z2, z3, z4.
  const auto z = [](double u, double v) { return 1 + 2 * u + 3 * v + 4 * u * v; };
  for (double u : {0.0, 0.25, 1.0, 1.5})
    for (double v : {0.0, 0.75, 1.0, -0.5})
      EXPECT_DOUBLE_EQ(InterpolZofXYRect(z(0, 0), z(0, 1), z(1, 0), z(1, 1), u, v), z(u, v));
}

}  // namespace
}  // namespace qor
