#include "qor/math1/polynomial.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <vector>

#include "qor/frame/errors.h"

namespace qor {
namespace {

using ::testing::StrEq;
using ::testing::ThrowsMessage;

TEST(PolynomialTest, ValuesOrdersCentreAndSummationOrder) {
  const std::vector<double> Coeffs{1, 2, 3};  // 1 + 2x + 3x^2
  EXPECT_EQ(Polynomial(Coeffs, 2, 2), 17.0);
  EXPECT_EQ(Polynomial(Coeffs, 0, 2), 1.0);
  EXPECT_EQ(Polynomial(Coeffs, 2, -1), 2.0);
  EXPECT_EQ(CenteredPolynomial(Coeffs, 2, 5, 3), 17.0);
  EXPECT_EQ(CenteredPolynomial(Coeffs, 2, 3, 3), 1.0);
  // At x = 1, ascending order forms (1 + 1e16) - 1e16 = 0, where 1 is lost to rounding;
  // Horner's scheme would give (-1e16 + 1e16) + 1 = 1.
  EXPECT_EQ(Polynomial(std::vector<double>{1, 1e16, -1e16}, 2, 1), 0.0);
}

TEST(PolynomialTest, OrderOutsideTheCoefficients) {
  const std::vector<double> Coeffs{1, 2, 3};
  const std::vector<double> None;
  const auto Invalid =
      ThrowsMessage<EQORMath1Error>(StrEq("Polynomial: invalid order of polynomial"));
  EXPECT_THAT([&] { Polynomial(Coeffs, 3, 0); }, Invalid);
  EXPECT_THAT([&] { Polynomial(Coeffs, -1, 0); }, Invalid);
  EXPECT_THAT([&] { Polynomial(None, 0, 0); }, Invalid);
  EXPECT_THAT([&] { CenteredPolynomial(Coeffs, 3, 0, 1); }, Invalid);
}

}  // namespace
}  // namespace qor
