#include "qor/vector/vector_products.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cfloat>
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

// Components are not movable, so they come on the heap.
template <class Vec>
std::unique_ptr<Vec> Make(std::vector<typename Vec::TElem> Values) {
  auto V = std::make_unique<Vec>();
  V->AssignArray(Values);
  return V;
}

template <class Vec>
class VectorProductsTest : public ::testing::Test {};
using VectorTypes = ::testing::Types<TVector, TIntVector>;
TYPED_TEST_SUITE(VectorProductsTest, VectorTypes);

TYPED_TEST(VectorProductsTest, DotProductAndDistance) {
  const auto x = Make<TypeParam>({1, 2, 3});
  const auto y = Make<TypeParam>({4, 5, 6});
  EXPECT_EQ(x->DotProduct(y.get()), 32);
  EXPECT_EQ(x->DotProduct(nullptr), 0);
  const auto p = Make<TypeParam>({1, 1, 1});
  const auto q = Make<TypeParam>({4, 5, 1});
  EXPECT_EQ(p->EuclideanDistance(q.get()), 5);
  EXPECT_NEAR(x->Leng(), std::sqrt(14.0), kTol);
}

TYPED_TEST(VectorProductsTest, DifferentSizesRaiseTheirMessages) {
  auto x = Make<TypeParam>({1, 2, 3});
  const auto y = Make<TypeParam>({1, 2});
  x->SetName("x");
  EXPECT_THAT(
      [&] { x->DotProduct(y.get()); },
      ThrowsMessage<EQORVectorError>(StrEq("Component \"x\": vectors have different dimensions")));
  EXPECT_THAT([&] { x->EuclideanDistance(y.get()); },
              ThrowsMessage<EQORVectorError>(
                  StrEq("EuclideanDistance: dimensions of vectors do not match")));
  EXPECT_EQ(x->PearsonCorrCoeff(y.get()), 0);  // reports, never raises
}

TYPED_TEST(VectorProductsTest, PearsonCorrelation) {
  const auto x = Make<TypeParam>({1, 2, 3, 4, 5});
  // sxx = 10, syy = 6, sxy = 6: r = 6/sqrt(60) = sqrt(0.6).
  const auto y = Make<TypeParam>({2, 4, 5, 4, 5});
  EXPECT_NEAR(x->PearsonCorrCoeff(y.get()), std::sqrt(0.6), kTol);
  const auto Down = Make<TypeParam>({9, 7, 5, 3, 1});
  EXPECT_NEAR(x->PearsonCorrCoeff(Down.get()), -1, kTol);
  const auto Flat = Make<TypeParam>({3, 3, 3, 3, 3});
  EXPECT_EQ(x->PearsonCorrCoeff(Flat.get()), 0);
  const auto One = Make<TypeParam>({1});
  EXPECT_EQ(One->PearsonCorrCoeff(One.get()), 0);
}

TYPED_TEST(VectorProductsTest, CorrelateSumsLaggedProductsOverTheOverlap) {
  const auto x = Make<TypeParam>({1, 2, 3});
  const auto y = Make<TypeParam>({1, 10, 100});
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
