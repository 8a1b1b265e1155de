#include "qor/matrix/detail/balance.h"

#include <cmath>
#include <cstddef>

namespace qor::detail {

void BalanceCore(double* A, int32_t n) {
  const std::ptrdiff_t N = n;
  for (int32_t pass = 0; pass < kMaxBalancePasses; ++pass) {
    double fmax = 0.0;
    for (std::ptrdiff_t i = 0; i < N; ++i) {
      double r = 0.0;
      double c = 0.0;
      for (std::ptrdiff_t j = 0; j < N; ++j) {
        if (j == i) continue;
        r += std::fabs(A[j * N + i]);
        c += std::fabs(A[i * N + j]);
      }
      if (c == 0.0 || r == 0.0) continue;
      const double f = std::sqrt(r / c);
      if (f > fmax) fmax = f;
      for (std::ptrdiff_t j = 0; j < N; ++j) {
        if (j == i) continue;
        A[j * N + i] = A[j * N + i] / f;
        A[i * N + j] = A[i * N + j] * f;
      }
    }
    if (fmax < kBalanceConverged) return;
  }
}

}  // namespace qor::detail
