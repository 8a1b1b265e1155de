#include "qor/vector/vector_products.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <cmath>
#include <memory>
#include <vector>

#include "qor/frame/errors.h"
#include "qor/vector/int_vector.h"
#include "qor/vector/vector.h"

namespace qor {
namespace {

using ::testing::StrEq;
using ::testing::ThrowsMessage;

constexpr double kTol = 16 * DBL_EPSILON;

template <class Vec>
class VectorProductsTest : public ::testing::Test {
 protected:
  // Components are not movable, so they come on the heap.
  static std::unique_ptr<Vec> Make(std::vector<typename Vec::TElem> Values) {
    auto V = std::make_unique<Vec>();
    V->AssignArray(Values);
    return V;
  }
};
using VectorTypes = ::testing::Types<TVector, TIntVector>;
TYPED_TEST_SUITE(VectorProductsTest, VectorTypes);

TYPED_TEST(VectorProductsTest, DotProductDistanceAndTheirSizeChecks) {
  const auto x = this->Make({1, 2, 3});
  EXPECT_EQ(x->DotProduct(this->Make({4, 5, 6}).get()), 32);
  EXPECT_EQ(x->DotProduct(nullptr), 0);
  EXPECT_EQ(this->Make({1, 1, 1})->EuclideanDistance(this->Make({4, 5, 1}).get()), 5);
  EXPECT_NEAR(x->Leng(), std::sqrt(14.0), kTol);

  const auto Short = this->Make({1, 2});
  x->SetName("x");
  EXPECT_THAT(
      [&] { x->DotProduct(Short.get()); },
      ThrowsMessage<EQORVectorError>(StrEq("Component \"x\": vectors have different dimensions")));
  EXPECT_THAT([&] { x->EuclideanDistance(Short.get()); },
              ThrowsMessage<EQORVectorError>(
                  StrEq("EuclideanDistance: dimensions of vectors do not match")));
  EXPECT_EQ(x->PearsonCorrCoeff(Short.get()), 0);  // reports, never raises
}

TYPED_TEST(VectorProductsTest, PearsonCorrelation) {
  const auto x = this->Make({1, 2, 3, 4, 5});
  // sxx = 10, syy = 6, sxy = 6: r = 6/sqrt(60) = sqrt(0.6).
  EXPECT_NEAR(x->PearsonCorrCoeff(this->Make({2, 4, 5, 4, 5}).get()), std::sqrt(0.6), kTol);
  EXPECT_NEAR(x->PearsonCorrCoeff(this->Make({9, 7, 5, 3, 1}).get()), -1, kTol);
  EXPECT_EQ(x->PearsonCorrCoeff(this->Make({3, 3, 3, 3, 3}).get()), 0);
  const auto One = this->Make({1});
  EXPECT_EQ(One->PearsonCorrCoeff(One.get()), 0);
}

TYPED_TEST(VectorProductsTest, CorrelateSumsLaggedProductsOverTheOverlap) {
  const auto x = this->Make({1, 2, 3});
  const auto y = this->Make({1, 10, 100});
  EXPECT_EQ(x->Correlate(y.get(), 0), 321);
  EXPECT_EQ(x->Correlate(y.get(), 1), 2 * 1 + 3 * 10);  // x(i) * y(i - 1)
  EXPECT_EQ(x->Correlate(y.get(), -1), 1 * 10 + 2 * 100);
  EXPECT_EQ(x->Correlate(y.get(), 2), 0);  // overlap of one element
  EXPECT_EQ(x->Correlate(y.get(), INT32_MAX), 0);
  EXPECT_EQ(x->Correlate(y.get(), INT32_MIN), 0);
  EXPECT_EQ(x->Correlate(nullptr, 0), 0);
}

}  // namespace
}  // namespace qor
