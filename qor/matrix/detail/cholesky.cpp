#include "qor/matrix/detail/cholesky.h"

#include <cmath>
#include <cstddef>

namespace qor::detail {

bool CholeskyCore(double* A, int32_t n, double* d) {
  const std::ptrdiff_t N = n;
  for (std::ptrdiff_t i = 0; i < N; ++i) {
    const double* factorsI = A + i * N;  // a(k, i), k < i: column i of Lᵀ
    for (std::ptrdiff_t j = i; j < N; ++j) {
      const double* factorsJ = A + j * N;
      double sum = A[i * N + j];  // a(j, i), lower triangle
      for (std::ptrdiff_t k = i - 1; k >= 0; --k) sum -= factorsI[k] * factorsJ[k];
      if (j == i) {
        if (!(sum > 0.0)) return false;
        d[i] = std::sqrt(sum);
      } else {
        A[j * N + i] = sum / d[i];
      }
    }
  }
  return true;
}

}  // namespace qor::detail
