#include "qor/matrix/detail/product_kernels.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "qor/matrix/detail/kernel_test_support.h"

namespace qor::detail {
namespace {

using testing::AllLevels;
using testing::BitMismatches;
using testing::OrderSensitiveData;
using testing::TLevelScope;

struct TShape {
  std::int64_t M, N, K;
};

// Zero sizes, single rows and columns, tiles with and without remainders at every level, and
// sizes that cross the packed-block limits in each dimension.
const TShape Shapes[] = {{0, 0, 0},     {0, 5, 3},     {4, 0, 3},      {3, 4, 0},
                         {1, 1, 1},     {1, 37, 29},   {37, 1, 29},    {1, 1, 300},
                         {5, 3, 1},     {23, 7, 5},    {25, 9, 17},    {24, 8, 256},
                         {49, 17, 257}, {241, 33, 70}, {130, 20, 600}, {3, 2050, 3}};

// A stored matrix with a padded leading dimension whose padding is NaN: a kernel that reads
// outside the logical matrix poisons its result.
struct TStored {
  std::int64_t Ld;
  std::vector<double> Data;
  TStored(std::int64_t R, std::int64_t C, std::uint32_t Seed)
      : Ld(R + 3),
        Data(static_cast<std::size_t>(Ld * std::max<std::int64_t>(C, 1)),
             std::numeric_limits<double>::quiet_NaN()) {
    const std::vector<double> Values = OrderSensitiveData(static_cast<std::size_t>(R * C), Seed);
    for (std::int64_t c = 0; c < C; ++c)
      for (std::int64_t r = 0; r < R; ++r) Data[c * Ld + r] = Values[c * R + r];
  }
  double operator()(std::int64_t r, std::int64_t c, bool Transposed) const {
    return Transposed ? Data[r * Ld + c] : Data[c * Ld + r];
  }
};

// One product: how A and B are stored (A as K x M when TransA, B as N x K when TransB; a
// vector B is K x 1) and the call of its kernel.
struct TProduct {
  const char* Name;
  bool TransA, TransB, Vector;
  void (*Run)(TShape S, const TStored& A, const TStored& B, double* C, std::int64_t Ldc);
};

const TProduct Products[] = {
    {"Multiply", false, false, false,
     [](TShape S, const TStored& A, const TStored& B, double* C, std::int64_t Ldc) {
       MultiplyKernel(S.M, S.N, S.K, A.Data.data(), A.Ld, B.Data.data(), B.Ld, C, Ldc);
     }},
    {"MultiplyTransposed", false, true, false,
     [](TShape S, const TStored& A, const TStored& B, double* C, std::int64_t Ldc) {
       MultiplyTransposedKernel(S.M, S.N, S.K, A.Data.data(), A.Ld, B.Data.data(), B.Ld, C, Ldc);
     }},
    {"TransposeAndMultiply", true, false, false,
     [](TShape S, const TStored& A, const TStored& B, double* C, std::int64_t Ldc) {
       TransposeAndMultiplyKernel(S.M, S.N, S.K, A.Data.data(), A.Ld, B.Data.data(), B.Ld, C, Ldc);
     }},
    {"MatVec", false, false, true,
     [](TShape S, const TStored& A, const TStored& B, double* C, std::int64_t) {
       MatVecKernel(S.M, S.K, A.Data.data(), A.Ld, B.Data.data(), C);
     }},
    {"TransposedMatVec", true, false, true,
     [](TShape S, const TStored& A, const TStored& B, double* C, std::int64_t) {
       TransposedMatVecKernel(S.M, S.K, A.Data.data(), A.Ld, B.Data.data(), C);
     }}};

class ProductKernelTest : public ::testing::TestWithParam<std::tuple<TSimdLevel, int>> {};

// The documented loops: one double sum per element from +0, terms in increasing k.
TEST_P(ProductKernelTest, BitIdenticalToTheDocumentedLoopOnEveryShape) {
  const TLevelScope Scope(std::get<0>(GetParam()));
  if (!Scope.Supported) GTEST_SKIP() << "processor lacks this level";
  const TProduct& P = Products[std::get<1>(GetParam())];
  for (TShape S : Shapes) {
    if (P.Vector) S.N = 1;
    SCOPED_TRACE(::testing::Message() << S.M << " x " << S.N << " x " << S.K);
    const TStored A = P.TransA ? TStored(S.K, S.M, 1) : TStored(S.M, S.K, 1);
    const TStored B = P.TransB ? TStored(S.N, S.K, 2) : TStored(S.K, S.N, 2);
    // The result buffer has padding rows that the kernel must leave alone.
    const std::int64_t Ldc = P.Vector ? std::max<std::int64_t>(S.M, 1) : S.M + 2;
    std::vector<double> C(static_cast<std::size_t>(Ldc * std::max<std::int64_t>(S.N, 1)), -12345.0);
    std::vector<double> Expected = C;
    for (std::int64_t j = 0; j < S.N; ++j)
      for (std::int64_t i = 0; i < S.M; ++i) {
        double Sum = 0;
        for (std::int64_t k = 0; k < S.K; ++k) Sum = Sum + A(i, k, P.TransA) * B(k, j, P.TransB);
        Expected[j * Ldc + i] = Sum;
      }
    P.Run(S, A, B, C.data(), Ldc);
    EXPECT_EQ(BitMismatches(C, Expected), 0);
  }
}

INSTANTIATE_TEST_SUITE_P(LevelsAndProducts, ProductKernelTest,
                         ::testing::Combine(AllLevels, ::testing::Range(0, 5)),
                         [](const ::testing::TestParamInfo<std::tuple<TSimdLevel, int>>& Case) {
                           return testing::LevelName(std::get<0>(Case.param)) +
                                  Products[std::get<1>(Case.param)].Name;
                         });

class ProductValueTest : public ::testing::TestWithParam<TSimdLevel> {};

TEST_P(ProductValueTest, SumsStartAtPositiveZeroAndKeepTheirOrder) {
  const TLevelScope Scope(GetParam());
  if (!Scope.Supported) GTEST_SKIP() << "processor lacks this level";
  // Each row of A is (1, 2^53, -2^53): in increasing k the 1 is absorbed by 2^53 and the sum
  // ends at exactly 0; any other order leaves 1. Forty rows put the pattern in every lane of
  // every tile and in the edge tiles.
  const std::int64_t M = 40, N = 9, K = 3;
  const double Big = std::ldexp(1.0, 53);
  std::vector<double> A(M * K), B(K * N, 1.0), C(M * N, -1.0);
  for (std::int64_t i = 0; i < M; ++i) {
    A[0 * M + i] = 1;
    A[1 * M + i] = Big;
    A[2 * M + i] = -Big;
  }
  MultiplyKernel(M, N, K, A.data(), M, B.data(), K, C.data(), M);
  for (double Value : C) EXPECT_EQ(std::bit_cast<std::uint64_t>(Value), 0u);
  // A single product -1 · 0 = -0 added to the starting +0 gives +0.
  std::vector<double> Negative(M, -1.0), Zero(N, 0.0);
  MultiplyKernel(M, N, 1, Negative.data(), M, Zero.data(), 1, C.data(), M);
  for (double Value : C) EXPECT_FALSE(std::signbit(Value));
  // The element-wise product has no sum: one rounding per element.
  const double P[] = {1, 3, 2, 4}, Q[] = {5, 7, 6, 8};
  ElementwiseMultiplyKernel(2, 2, P, 2, Q, 2, C.data(), 2);
  EXPECT_EQ(std::vector<double>(C.begin(), C.begin() + 4), (std::vector<double>{5, 21, 12, 32}));
}

INSTANTIATE_TEST_SUITE_P(Levels, ProductValueTest, AllLevels, testing::LevelCaseName);

TEST(SimdLevelTest, ForcingIsClampedToTheProcessorAndReversible) {
  const TSimdLevel Detected = DetectedSimdLevel();
  EXPECT_EQ(ForceSimdLevel(slSse2), slSse2);
  EXPECT_EQ(ActiveSimdLevel(), slSse2);
  EXPECT_EQ(ForceSimdLevel(slAvx512), Detected);
  EXPECT_EQ(ActiveSimdLevel(), Detected);
}

}  // namespace
}  // namespace qor::detail
