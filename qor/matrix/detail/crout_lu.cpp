#include "qor/matrix/detail/crout_lu.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <utility>

#include "qor/matrix/detail/linalg_kernels.h"
#include "qor/matrix/detail/step_hooks.h"

namespace qor::detail {
namespace {

constexpr std::ptrdiff_t kFused = 4;  // columns of L applied in one pass

}  // namespace

bool RowScaleFactors(const double* a, int32_t n, std::vector<double>& Scale) {
  const std::ptrdiff_t N = n;
  std::vector<double> big(static_cast<std::size_t>(n), 0.0);
  for (std::ptrdiff_t j = 0; j < N; ++j)
    for (std::ptrdiff_t i = 0; i < N; ++i) {
      const double v = std::fabs(a[j * N + i]);
      if (v > big[static_cast<std::size_t>(i)]) big[static_cast<std::size_t>(i)] = v;
    }
  Scale.assign(static_cast<std::size_t>(n), 0.0);
  bool ok = true;
  for (std::size_t i = 0; i < big.size(); ++i) {
    if (big[i] == 0.0)
      ok = false;
    else
      Scale[i] = 1.0 / big[i];
  }
  return ok;
}

TCroutEnd CroutFactor(double* a, int32_t n, std::vector<int32_t>& Pivot, int32_t& Parity,
                      TCroutProgress Progress) {
  const std::ptrdiff_t N = n;
  const bool report = Progress == TCroutProgress::kPerColumn;
  if (report && AbortRequested()) return TCroutEnd::kAborted;
  std::vector<double> scale;
  if (!RowScaleFactors(a, n, scale)) return TCroutEnd::kSingular;
  Pivot.assign(static_cast<std::size_t>(n), 0);
  TCroutEnd end = TCroutEnd::kFactored;
  for (std::ptrdiff_t j = 0; j < N; ++j) {
    if (report) {
      CountStep();
      if (AbortRequested()) return TCroutEnd::kAborted;
    }
    double* colJ = a + j * N;
    // Left-looking update: once a(k, j) has received its own terms it is final and its term
    // goes to every later row of the column, so each element sees its terms in k order.
    // Four columns k at a time: their multipliers a(k .. k+3, j) are finalised first (each
    // takes the terms of the earlier ones among the four), then every later row takes the
    // four terms in order in one pass.
    std::ptrdiff_t k = 0;
    for (; k + kFused <= j; k += kFused) {
      const double* columns[kFused];
      double factors[kFused];
      for (std::ptrdiff_t t = 0; t < kFused; ++t) {
        columns[t] = a + (k + t) * N;
        for (std::ptrdiff_t u = 0; u < t; ++u) colJ[k + t] -= columns[u][k + t] * factors[u];
        factors[t] = colJ[k + t];
      }
      for (std::ptrdiff_t t = 0; t < kFused; ++t) columns[t] += k + kFused;
      SubtractScaled4(colJ + k + kFused, columns, N - k - kFused, factors);
    }
    for (; k < j; ++k) SubtractScaled(colJ + k + 1, a + k * N + k + 1, N - k - 1, colJ[k]);
    double big = 0.0;
    std::ptrdiff_t p = j;
    for (std::ptrdiff_t i = j; i < N; ++i) {
      const double v = scale[static_cast<std::size_t>(i)] * std::fabs(colJ[i]);
      if (v >= big) {
        big = v;
        p = i;
      }
    }
    if (p != j) {
      for (std::ptrdiff_t c = 0; c < N; ++c) std::swap(a[c * N + p], a[c * N + j]);
      Parity = -Parity;
      scale[static_cast<std::size_t>(p)] = scale[static_cast<std::size_t>(j)];
    }
    Pivot[static_cast<std::size_t>(j)] = static_cast<int32_t>(p);
    if (std::fabs(static_cast<long double>(colJ[j])) < kTinyPivotThreshold) {
      end = TCroutEnd::kSingular;
      colJ[j] = kTinyPivot;
    }
    const double pivot = colJ[j];
    for (std::ptrdiff_t i = j + 1; i < N; ++i) colJ[i] = colJ[i] / pivot;
  }
  return end;
}

TCroutEnd CroutInverse(const double* a, int32_t n, const std::vector<int32_t>& Pivot,
                       double* Inverse) {
  const std::ptrdiff_t N = n;
  constexpr std::ptrdiff_t W = kRowTermWidth;
  // Row-major copy of the factors, so that the terms of one row's sum are contiguous.
  std::vector<double> rows(static_cast<std::size_t>(N * N));
  for (std::ptrdiff_t j = 0; j < N; ++j)
    for (std::ptrdiff_t i = 0; i < N; ++i) rows[static_cast<std::size_t>(i * N + j)] = a[j * N + i];
  // W right-hand sides side by side: element (i, c) at i * W + c.
  std::vector<double> rhs(static_cast<std::size_t>(N * W));
  for (std::ptrdiff_t first = 0; first < N; first += W) {
    const std::ptrdiff_t width = std::min(W, N - first);
    for (std::ptrdiff_t c = 0; c < width; ++c) {
      CountStep();
      if (AbortRequested()) return TCroutEnd::kAborted;
    }
    std::fill(rhs.begin(), rhs.end(), 0.0);
    for (std::ptrdiff_t c = 0; c < width; ++c)
      rhs[static_cast<std::size_t>((first + c) * W + c)] = 1.0;
    for (std::ptrdiff_t i = 0; i < N; ++i) {
      const std::ptrdiff_t p = Pivot[static_cast<std::size_t>(i)];
      if (p != i)
        std::swap_ranges(rhs.begin() + i * W, rhs.begin() + (i + 1) * W, rhs.begin() + p * W);
    }
    // Rows above the first non-zero right-hand side element contribute only zeros, which
    // leave every sum as it is; the substitution starts there.
    std::ptrdiff_t start = N;
    for (std::ptrdiff_t i = 0; i < N && start == N; ++i)
      for (std::ptrdiff_t c = 0; c < W; ++c)
        if (rhs[static_cast<std::size_t>(i * W + c)] != 0.0) start = i;
    for (std::ptrdiff_t i = start + 1; i < N; ++i)
      SubtractRowTerms(rhs.data() + i * W, rows.data() + i * N + start, rhs.data() + start * W,
                       i - start);
    for (std::ptrdiff_t i = N - 1; i >= 0; --i) {
      double* acc = rhs.data() + i * W;
      SubtractRowTerms(acc, rows.data() + i * N + i + 1, rhs.data() + (i + 1) * W, N - i - 1);
      const double diagonal = a[i * N + i];
      for (std::ptrdiff_t c = 0; c < W; ++c) acc[c] = acc[c] / diagonal;
    }
    for (std::ptrdiff_t c = 0; c < width; ++c)
      for (std::ptrdiff_t i = 0; i < N; ++i)
        Inverse[(first + c) * N + i] = rhs[static_cast<std::size_t>(i * W + c)];
  }
  return TCroutEnd::kFactored;
}

}  // namespace qor::detail
