#include "qor/math2/mahalanobis.h"

#include <cmath>
#include <cstddef>
#include <vector>

#include "qor/frame/errors.h"

namespace qor {

double MahalanobisDistance(const TVector& a, const TVector& b, const TMatrix& M) {
  constexpr const char* kRoutine = "MahalanobisDistance";
  const int32_t n = a.NrOfElem();
  if (b.NrOfElem() != n)
    RaiseRoutineError<EQORVectorError>(kRoutine, "dimensions of vectors do not match");
  if (M.NrOfColumns() != M.NrOfRows())
    RaiseRoutineError<EQORVectorError>(kRoutine, "inverse covariance matrix is not quadratric");
  if (M.NrOfColumns() != n)
    RaiseRoutineError<EQORVectorError>(
        kRoutine, "dimension of vectors and inverse covariance matrix do not match");
  const auto size = static_cast<std::size_t>(n);
  std::vector<double> diff(size);
  for (std::size_t i = 0; i < size; ++i) diff[i] = a.Data()[i] - b.Data()[i];
  // Row sums Σⱼ M[i, j] diffⱼ, each in increasing j, built column by column.
  std::vector<double> rowSums(size, 0.0);
  for (std::size_t j = 0; j < size; ++j) {
    const std::span<const double> column = M.Column(static_cast<int32_t>(j + 1));
    for (std::size_t i = 0; i < size; ++i) rowSums[i] += column[i] * diff[j];
  }
  double form = 0.0;
  for (std::size_t i = 0; i < size; ++i) form += diff[i] * rowSums[i];
  if (form < 0.0)
    RaiseRoutineError<EQORVectorError>(
        kRoutine, "the inverse covariance matrix must be symmetric and positive definite");
  return std::sqrt(form);
}

}  // namespace qor
