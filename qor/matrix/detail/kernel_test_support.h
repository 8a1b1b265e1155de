// Shared by the kernel tests: operand data on which the order of summation shows, bitwise
// comparison, and a fixture parameter that runs a test at one vector level.
#pragma once

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "qor/matrix/detail/simd_level.h"

namespace qor::detail::testing {

// Values of both signs spread over forty binary orders of magnitude: their sums cancel and
// round differently for every order of the terms, so a kernel that reorders shows it.
inline std::vector<double> OrderSensitiveData(std::size_t Count, std::uint32_t Seed) {
  std::mt19937 Engine(Seed);
  std::uniform_real_distribution<double> Mantissa(1.0, 2.0);
  std::uniform_int_distribution<int> Exponent(-20, 20);
  std::vector<double> Values(Count);
  for (double& Value : Values)
    Value = std::ldexp(Engine() % 2 ? Mantissa(Engine) : -Mantissa(Engine), Exponent(Engine));
  return Values;
}

// Counts the elements whose bit patterns differ (so -0 differs from +0).
inline std::int64_t BitMismatches(const std::vector<double>& Got,
                                  const std::vector<double>& Expected) {
  std::int64_t Count = 0;
  for (std::size_t i = 0; i < Got.size(); ++i)
    Count += std::bit_cast<std::uint64_t>(Got[i]) != std::bit_cast<std::uint64_t>(Expected[i]);
  return Count;
}

// The documented cross-product of the columns of a Rows x Cols column-major A with leading
// dimension Lda: each sum from +0 in increasing row order, divided by Norm, mirrored.
inline std::vector<double> ReferenceSquare(const std::vector<double>& A, std::int64_t Rows,
                                           std::int64_t Cols, std::int64_t Lda, double Norm) {
  std::vector<double> Result(static_cast<std::size_t>(Cols * Cols));
  for (std::int64_t i = 0; i < Cols; ++i)
    for (std::int64_t j = i; j < Cols; ++j) {
      double Sum = 0;
      for (std::int64_t r = 0; r < Rows; ++r) Sum = Sum + A[i * Lda + r] * A[j * Lda + r];
      Result[j * Cols + i] = Result[i * Cols + j] = Sum / Norm;
    }
  return Result;
}

// Runs the test body at one level, restoring the detected level afterwards; levels this
// processor lacks are skipped.
class TLevelScope {
 public:
  explicit TLevelScope(TSimdLevel Level) : Supported(ForceSimdLevel(Level) == Level) {}
  ~TLevelScope() { ForceSimdLevel(DetectedSimdLevel()); }
  const bool Supported;
};

inline const auto AllLevels = ::testing::Values(slSse2, slAvx2, slAvx512);

inline std::string LevelName(TSimdLevel Level) {
  static const char* const Names[] = {"Sse2", "Avx2", "Avx512"};
  return Names[Level];
}

inline std::string LevelCaseName(const ::testing::TestParamInfo<TSimdLevel>& Case) {
  return LevelName(Case.param);
}

}  // namespace qor::detail::testing
