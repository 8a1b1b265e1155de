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
using testing::LevelName;
using testing::OrderSensitiveData;
using testing::TLevelScope;

enum TProduct { pMultiply, pMultiplyTransposed, pTransposeAndMultiply, pMatVec, pTransposedMatVec };

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
  std::int64_t Rows, Cols, Ld;
  std::vector<double> Data;
  TStored(std::int64_t R, std::int64_t C, std::uint32_t Seed)
      : Rows(R),
        Cols(C),
        Ld(R + 3),
        Data(static_cast<std::size_t>(Ld * std::max<std::int64_t>(C, 1)),
             std::numeric_limits<double>::quiet_NaN()) {
    const std::vector<double> Values = OrderSensitiveData(static_cast<std::size_t>(R * C), Seed);
    for (std::int64_t c = 0; c < C; ++c)
      for (std::int64_t r = 0; r < R; ++r) Data[c * Ld + r] = Values[c * R + r];
  }
  double operator()(std::int64_t r, std::int64_t c) const { return Data[c * Ld + r]; }
};

struct TCase {
  TStored A, B;
};

// The operands of each product in the storage its kernel expects.
TCase MakeCase(TProduct Product, TShape S) {
  switch (Product) {
    case pMultiply:
      return {TStored(S.M, S.K, 1), TStored(S.K, S.N, 2)};
    case pMultiplyTransposed:
      return {TStored(S.M, S.K, 1), TStored(S.N, S.K, 2)};
    case pTransposeAndMultiply:
      return {TStored(S.K, S.M, 1), TStored(S.K, S.N, 2)};
    case pMatVec:
      return {TStored(S.M, S.K, 1), TStored(S.K, 1, 2)};
    case pTransposedMatVec:
      break;
  }
  return {TStored(S.K, S.M, 1), TStored(S.K, 1, 2)};
}

void RunKernel(TProduct Product, const TCase& Case, TShape S, double* C, std::int64_t Ldc) {
  const TStored &A = Case.A, &B = Case.B;
  switch (Product) {
    case pMultiply:
      return MultiplyKernel(S.M, S.N, S.K, A.Data.data(), A.Ld, B.Data.data(), B.Ld, C, Ldc);
    case pMultiplyTransposed:
      return MultiplyTransposedKernel(S.M, S.N, S.K, A.Data.data(), A.Ld, B.Data.data(), B.Ld, C,
                                      Ldc);
    case pTransposeAndMultiply:
      return TransposeAndMultiplyKernel(S.M, S.N, S.K, A.Data.data(), A.Ld, B.Data.data(), B.Ld, C,
                                        Ldc);
    case pMatVec:
      return MatVecKernel(S.M, S.K, A.Data.data(), A.Ld, B.Data.data(), C);
    case pTransposedMatVec:
      return TransposedMatVecKernel(S.M, S.K, A.Data.data(), A.Ld, B.Data.data(), C);
  }
}

// The documented loops: one double sum per element from +0, terms in increasing k.
double Reference(TProduct Product, const TCase& Case, std::int64_t i, std::int64_t j,
                 std::int64_t K) {
  const TStored &A = Case.A, &B = Case.B;
  double Sum = 0;
  for (std::int64_t k = 0; k < K; ++k) {
    switch (Product) {
      case pMultiply:
        Sum = Sum + A(i, k) * B(k, j);
        break;
      case pMultiplyTransposed:
        Sum = Sum + A(i, k) * B(j, k);
        break;
      case pTransposeAndMultiply:
        Sum = Sum + A(k, i) * B(k, j);
        break;
      case pMatVec:
        Sum = Sum + B(k, 0) * A(i, k);
        break;
      case pTransposedMatVec:
        Sum = Sum + B(k, 0) * A(k, i);
        break;
    }
  }
  return Sum;
}

class ProductKernelTest : public ::testing::TestWithParam<std::tuple<TSimdLevel, TProduct>> {};

TEST_P(ProductKernelTest, BitIdenticalToTheDocumentedLoopOnEveryShape) {
  const auto [Level, Product] = GetParam();
  const TLevelScope Scope(Level);
  if (!Scope.Supported) GTEST_SKIP() << "processor lacks this level";
  const bool Vector = Product == pMatVec || Product == pTransposedMatVec;
  for (TShape S : Shapes) {
    if (Vector) S.N = 1;
    SCOPED_TRACE(::testing::Message() << S.M << " x " << S.N << " x " << S.K);
    const TCase Case = MakeCase(Product, S);
    // The result buffer has padding rows that the kernel must leave alone.
    const std::int64_t Ldc = Vector ? std::max<std::int64_t>(S.M, 1) : S.M + 2;
    const double Untouched = -12345.0;
    std::vector<double> C(static_cast<std::size_t>(Ldc * std::max<std::int64_t>(S.N, 1)),
                          Untouched);
    std::vector<double> Expected = C;
    for (std::int64_t j = 0; j < S.N; ++j)
      for (std::int64_t i = 0; i < S.M; ++i)
        Expected[j * Ldc + i] = Reference(Product, Case, i, j, S.K);
    RunKernel(Product, Case, S, C.data(), Ldc);
    EXPECT_EQ(BitMismatches(C, Expected), 0);
  }
}

std::string CaseName(const ::testing::TestParamInfo<std::tuple<TSimdLevel, TProduct>>& Case) {
  static const char* const Names[] = {"Multiply", "MultiplyTransposed", "TransposeAndMultiply",
                                      "MatVec", "TransposedMatVec"};
  return LevelName(std::get<0>(Case.param)) + Names[std::get<1>(Case.param)];
}

INSTANTIATE_TEST_SUITE_P(LevelsAndProducts, ProductKernelTest,
                         ::testing::Combine(AllLevels,
                                            ::testing::Values(pMultiply, pMultiplyTransposed,
                                                              pTransposeAndMultiply, pMatVec,
                                                              pTransposedMatVec)),
                         CaseName);

class ProductValueTest : public ::testing::TestWithParam<TSimdLevel> {};

TEST_P(ProductValueTest, HandComputedTwoByTwoProducts) {
  const TLevelScope Scope(GetParam());
  if (!Scope.Supported) GTEST_SKIP() << "processor lacks this level";
  // A = [1 2; 3 4], B = [5 6; 7 8], column-major.
  const double A[] = {1, 3, 2, 4}, B[] = {5, 7, 6, 8};
  double C[4];
  MultiplyKernel(2, 2, 2, A, 2, B, 2, C, 2);
  EXPECT_EQ(std::vector<double>(C, C + 4), (std::vector<double>{19, 43, 22, 50}));
  MultiplyTransposedKernel(2, 2, 2, A, 2, B, 2, C, 2);
  EXPECT_EQ(std::vector<double>(C, C + 4), (std::vector<double>{17, 39, 23, 53}));
  TransposeAndMultiplyKernel(2, 2, 2, A, 2, B, 2, C, 2);
  EXPECT_EQ(std::vector<double>(C, C + 4), (std::vector<double>{26, 38, 30, 44}));
  const double X[] = {1, -1};
  MatVecKernel(2, 2, A, 2, X, C);
  EXPECT_EQ(std::vector<double>(C, C + 2), (std::vector<double>{-1, -1}));
  TransposedMatVecKernel(2, 2, A, 2, X, C);
  EXPECT_EQ(std::vector<double>(C, C + 2), (std::vector<double>{-2, -2}));
  ElementwiseMultiplyKernel(2, 2, A, 2, B, 2, C, 2);
  EXPECT_EQ(std::vector<double>(C, C + 4), (std::vector<double>{5, 21, 12, 32}));
}

TEST_P(ProductValueTest, EverySumStartsAtPositiveZeroAndKeepsItsOrder) {
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
}

INSTANTIATE_TEST_SUITE_P(Levels, ProductValueTest, AllLevels, testing::LevelCaseName);

TEST(SimdLevelTest, ForcingIsClampedToTheProcessorAndReversible) {
  const TSimdLevel Detected = DetectedSimdLevel();
  EXPECT_EQ(ForceSimdLevel(slSse2), slSse2);
  EXPECT_EQ(ActiveSimdLevel(), slSse2);
  EXPECT_EQ(ForceSimdLevel(slAvx512), Detected);
  EXPECT_EQ(ActiveSimdLevel(), Detected);
}

TEST(OrderSensitiveDataTest, ReversedSummationChangesTheResult) {
  // Guards the test data: if reordering the terms did not change the sums, the bit-equality
  // tests could not detect a kernel that reorders them.
  const std::vector<double> X = OrderSensitiveData(1000, 7), Y = OrderSensitiveData(1000, 8);
  int Differences = 0;
  for (std::size_t Start = 0; Start + 50 <= X.size(); Start += 50) {
    double Forward = 0, Backward = 0;
    for (std::size_t k = Start; k < Start + 50; ++k) Forward = Forward + X[k] * Y[k];
    for (std::size_t k = Start + 50; k-- > Start;) Backward = Backward + X[k] * Y[k];
    Differences += Forward != Backward;
  }
  EXPECT_GE(Differences, 10);
}

}  // namespace
}  // namespace qor::detail
