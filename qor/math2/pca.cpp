#include "qor/math2/pca.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <utility>

#include "qor/math2/covariance.h"
#include "qor/math2/detail/eigen_store.h"
#include "qor/math2/eigen.h"

namespace qor {
namespace {

void NormalizeToShares(std::vector<double>& Values) {
  double total = 0.0;
  for (const double v : Values) total += std::fabs(v);
  if (total == 0.0) return;
  for (double& v : Values) v /= total;
}

// Selection sort, descending, over the positive eigenvalues only: the running maximum starts
// at 0 and only a strictly larger value replaces it, so ties keep their order and values <= 0
// are never chosen.
void SortDescending(detail::TEigenStore& Store) {
  const auto n = static_cast<std::size_t>(Store.Size);
  for (std::size_t i = 0; i < n; ++i) {
    double largest = 0.0;
    std::size_t at = n;
    for (std::size_t j = i; j < n; ++j)
      if (Store.Values[j] > largest) {
        largest = Store.Values[j];
        at = j;
      }
    if (at == n || at == i) continue;
    std::swap(Store.Values[i], Store.Values[at]);
    std::swap_ranges(Store.Vectors.begin() + static_cast<std::ptrdiff_t>(i * n),
                     Store.Vectors.begin() + static_cast<std::ptrdiff_t>((i + 1) * n),
                     Store.Vectors.begin() + static_cast<std::ptrdiff_t>(at * n));
  }
}

}  // namespace

bool CalcPrincComp(const TMatrix* X, int32_t LowCol, int32_t HighCol, int32_t LowRow,
                   int32_t HighRow, int32_t CovMode, bool Normalize) {
  if (X == nullptr) return false;
  const int32_t p = LowCol == 0 && HighCol == 0 ? X->NrOfColumns() : HighCol - LowCol + 1;
  TMatrix covariance;
  covariance.Resize(std::max(p, 0), std::max(p, 0));
  if (!CalcCovar(X, &covariance, LowCol, HighCol, LowRow, HighRow, CovMode)) return false;
  if (!CalcEigVec(&covariance)) return false;
  detail::TEigenStore& store = detail::EigenStore();
  if (Normalize) NormalizeToShares(store.Values);
  SortDescending(store);
  return true;
}

bool CalcPrincComp(const TMatrix* X, int32_t LowCol, int32_t HighCol, int32_t LowRow,
                   int32_t HighRow, int32_t CovMode) {
  return CalcPrincComp(X, LowCol, HighCol, LowRow, HighRow, CovMode, true);
}

}  // namespace qor
