#include "qor/math2/covariance.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

#include "qor/frame/hooks.h"
#include "qor/matrix/detail/step_hooks.h"

namespace qor {
namespace {

enum TCovarMode : int32_t {
  cmCrossProducts,
  cmCovariance,
  cmCorrelation,
  cmSquaredCorrelation,
  cmMeanSquaredDifference
};

constexpr double kZeroVarianceDivisor = 1e-38;

// The p x n block as contiguous columns, elements outside X as 0.
std::vector<double> GatherBlock(const TMatrix& X, int32_t LowCol, int32_t p, int32_t LowRow,
                                int32_t n) {
  std::vector<double> block(static_cast<std::size_t>(p) * static_cast<std::size_t>(n));
  for (int32_t i = 0; i < p; ++i)
    for (int32_t r = 0; r < n; ++r)
      block[static_cast<std::size_t>(i) * n + r] = X.GetVal(LowCol + i, LowRow + r);
  return block;
}

}  // namespace

bool CalcCovar(const TMatrix* X, TMatrix* C, int32_t LowCol, int32_t HighCol, int32_t LowRow,
               int32_t HighRow, int32_t Mode) {
  AbortMathProc = false;
  if (X == nullptr || C == nullptr || X == C) return false;
  if (LowCol == 0 && HighCol == 0) {
    LowCol = 1;
    HighCol = X->NrOfColumns();
  }
  if (LowRow == 0 && HighRow == 0) {
    LowRow = 1;
    HighRow = X->NrOfRows();
  }
  const int32_t p = HighCol - LowCol + 1;
  const int32_t n = HighRow - LowRow + 1;
  if (C->NrOfColumns() < p || C->NrOfRows() < p) return false;
  if (p <= 0) return true;
  const std::vector<double> block = GatherBlock(*X, LowCol, p, LowRow, std::max(n, 0));
  auto x = [&](int32_t i, int32_t r) { return block[static_cast<std::size_t>(i) * n + r]; };

  std::vector<double> mean(static_cast<std::size_t>(p), 0.0);
  std::vector<double> var(static_cast<std::size_t>(p), 0.0);
  const long double count = n;
  const long double dof = n - 1;
  if (Mode > 0) {
    std::vector<long double> sum(static_cast<std::size_t>(p), 0.0L);
    std::vector<long double> sumSq(static_cast<std::size_t>(p), 0.0L);
    for (int32_t r = 0; r < n; ++r) {
      for (int32_t i = 0; i < p; ++i) {
        const long double v = x(i, r);
        sum[static_cast<std::size_t>(i)] += v;
        sumSq[static_cast<std::size_t>(i)] += v * v;
      }
      detail::CountStep();
    }
    for (std::size_t i = 0; i < mean.size(); ++i) {
      var[i] = static_cast<double>((sumSq[i] - sum[i] * sum[i] / count) / dof);
      mean[i] = static_cast<double>(sum[i] / count);
    }
  }

  std::span<double> c = C->Data();
  const auto ldc = static_cast<std::size_t>(C->NrOfRows());
  for (int32_t i = 0; i < p && !AbortMathProc; ++i) {
    for (int32_t j = 0; j <= i; ++j) {
      detail::CountSteps(n);
      long double sum = 0.0L;
      switch (Mode) {
        case cmCrossProducts:
          for (int32_t r = 0; r < n; ++r) sum += static_cast<long double>(x(i, r)) * x(j, r);
          break;
        case cmCovariance:
        case cmCorrelation:
        case cmSquaredCorrelation:
          for (int32_t r = 0; r < n; ++r)
            sum += (static_cast<long double>(x(i, r)) - mean[static_cast<std::size_t>(i)]) *
                   (static_cast<long double>(x(j, r)) - mean[static_cast<std::size_t>(j)]);
          break;
        case cmMeanSquaredDifference:
          for (int32_t r = 0; r < n; ++r) {
            const long double d = static_cast<long double>(x(i, r)) - x(j, r);
            sum += d * d;
          }
          break;
        default:
          break;
      }
      double value = static_cast<double>(sum / dof);
      if (Mode == cmCorrelation || Mode == cmSquaredCorrelation) {
        const double varProduct =
            var[static_cast<std::size_t>(i)] * var[static_cast<std::size_t>(j)];
        value /= varProduct == 0.0 ? kZeroVarianceDivisor : std::sqrt(varProduct);
        if (Mode == cmSquaredCorrelation) value *= value;
      }
      if (Mode < cmCrossProducts || Mode > cmMeanSquaredDifference) value = 0.0;
      c[static_cast<std::size_t>(j) * ldc + i] = value;
      c[static_cast<std::size_t>(i) * ldc + j] = value;
    }
    if (Mode == cmCorrelation) c[static_cast<std::size_t>(i) * ldc + i] = 1.0;
  }
  C->Changed();
  return !AbortMathProc;
}

}  // namespace qor
