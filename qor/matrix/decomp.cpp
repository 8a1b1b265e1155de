// TMatrix decompositions, inverse, balancing and norms; the numeric work is done by the
// raw-buffer cores in qor/matrix/detail on the matrix's own column-major storage.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

#include "qor/frame/errors.h"
#include "qor/matrix/detail/balance.h"
#include "qor/matrix/detail/cholesky.h"
#include "qor/matrix/detail/crout_lu.h"
#include "qor/matrix/detail/svd_core.h"
#include "qor/matrix/matrix.h"

namespace qor {
namespace {

bool AllFinite(std::span<const double> Values) {
  return std::all_of(Values.begin(), Values.end(), [](double x) { return std::isfinite(x); });
}

bool IsSquare(const TMatrix& A) { return A.NrOfColumns() == A.NrOfRows(); }

constexpr const char* kNearSingularMessage = "near singular covariance matrix";

}  // namespace

bool TMatrix::LUdecomposition(TMatrix* MatL, TMatrix* MatU, int32_t& NumPerm) {
  NumPerm = 1;
  if (!IsSquare(*this) || MatL == nullptr || MatU == nullptr || MatL == this || MatU == this ||
      MatL == MatU || !AllFinite(Data()))
    return false;
  const int32_t n = FNCol;
  MatL->ResizeAndClear(n, n);
  MatU->Clone(this);
  std::vector<int32_t> pivot;
  const detail::TCroutEnd end =
      detail::CroutFactor(MatU->Data().data(), n, pivot, NumPerm, detail::TCroutProgress::kSilent);
  MatU->Changed();
  if (end != detail::TCroutEnd::kFactored) return false;
  for (int32_t i = 1; i < n; ++i) {
    MatL->SetVal(i, i, 1.0);
    for (int32_t k = i + 1; k <= n; ++k) {
      MatL->SetVal(i, k, MatU->At(i, k));
      MatU->SetVal(i, k, 0.0);
    }
  }
  MatL->SetVal(n, n, 1.0);
  return true;
}

bool TMatrix::CholeskyDecomp(TMatrix* MatL) {
  if (!IsSquare(*this) || MatL == nullptr || MatL == this) return false;
  const int32_t n = FNCol;
  std::vector<double> diagonal(static_cast<std::size_t>(n));
  if (!detail::CholeskyCore(FMat.data(), n, diagonal.data())) return false;
  MatL->Resize(n, n);
  for (int32_t i = 1; i <= n; ++i) {
    MatL->SetVal(i, i, diagonal[static_cast<std::size_t>(i - 1)]);
    for (int32_t j = i + 1; j <= n; ++j) MatL->SetVal(i, j, At(j, i));
  }
  return true;
}

double TMatrix::Determinant() const {
  if (!IsSquare(*this) || !AllFinite(Data())) return 0.0;
  const int32_t n = FNCol;
  std::vector<double> factors(FMat);
  std::vector<int32_t> pivot;
  int32_t parity = 1;
  if (detail::CroutFactor(factors.data(), n, pivot, parity, detail::TCroutProgress::kSilent) !=
      detail::TCroutEnd::kFactored)
    return 0.0;
  double product = 1.0;
  for (std::ptrdiff_t i = 0; i < n; ++i) product *= factors[static_cast<std::size_t>(i * n + i)];
  return parity * product;
}

bool TMatrix::Invert() {
  if (!IsSquare(*this) || FNRow == 0) return false;
  const int32_t n = FNCol;
  const auto elements = static_cast<std::size_t>(n) * static_cast<std::size_t>(n);
  std::vector<double> inverse = GuardedAllocation<EQORMatrixError>(
      Name(), [elements] { return std::vector<double>(elements); });
  if (!AllFinite(Data())) return false;
  std::vector<int32_t> pivot;
  int32_t parity = 1;
  const detail::TCroutEnd factored = GuardedAllocation<EQORMatrixError>(Name(), [&] {
    return detail::CroutFactor(FMat.data(), n, pivot, parity, detail::TCroutProgress::kPerColumn);
  });
  if (factored != detail::TCroutEnd::kFactored) return false;
  const detail::TCroutEnd solved = GuardedAllocation<EQORMatrixError>(
      Name(), [&] { return detail::CroutInverse(FMat.data(), n, pivot, inverse.data()); });
  if (solved != detail::TCroutEnd::kFactored) return false;
  FMat.swap(inverse);
  Changed();
  return true;
}

bool TMatrix::Balance() {
  if (!IsSquare(*this)) return false;
  detail::BalanceCore(FMat.data(), FNCol);
  return true;
}

double TMatrix::Norm(TNormType nt) const {
  if (FNCol == 0 || FNRow == 0) return 0.0;
  double norm = 0.0;
  switch (nt) {
    case ntColwise:
      for (int32_t c = 1; c <= FNCol; ++c) {
        double sum = 0.0;
        for (const double x : Column(c)) sum += std::fabs(x);
        if (sum > norm) norm = sum;
      }
      break;
    case ntRowwise: {
      std::vector<double> rowSums(static_cast<std::size_t>(FNRow), 0.0);
      for (int32_t c = 1; c <= FNCol; ++c) {
        const std::span<const double> column = Column(c);
        for (std::size_t r = 0; r < column.size(); ++r) rowSums[r] += std::fabs(column[r]);
      }
      for (const double sum : rowSums)
        if (sum > norm) norm = sum;
      break;
    }
    case ntFrobenius: {
      double squares = 0.0;
      for (const double x : FMat) squares += x * x;
      norm = std::sqrt(squares);
      break;
    }
    case ntSpectral: {
      std::vector<double> u(FMat);
      std::vector<double> w(static_cast<std::size_t>(FNCol));
      std::vector<double> v(static_cast<std::size_t>(FNCol) * static_cast<std::size_t>(FNCol));
      if (!detail::SvdCore(u.data(), FNRow, FNCol, w.data(), v.data()))
        throw EQORMatrixError(kNearSingularMessage);
      for (const double x : w)
        if (x > norm) norm = x;
      break;
    }
  }
  return norm;
}

bool TMatrix::CalcHatMatrix(TMatrix* HatMat) {
  if (HatMat == nullptr || HatMat == this) return false;
  TMatrix transposed;
  transposed.Clone(this);
  transposed.Transpose();
  TMatrix normal;
  transposed.Multiply(this, &normal);
  if (!normal.Invert()) return false;
  TMatrix left;
  Multiply(&normal, &left);
  return left.Multiply(&transposed, HatMat);
}

}  // namespace qor
