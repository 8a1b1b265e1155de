#include "qor/math2/svd.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <numeric>
#include <span>
#include <vector>

#include "qor/frame/errors.h"
#include "qor/matrix/detail/svd_core.h"

namespace qor {
namespace {

// Singular values below this fraction of the largest count as zero in the fits.
constexpr double kRelativeSingularCut = 1e-14;
// The default pseudo-inverse threshold per max(m, n) max(W).
constexpr long double kPseudoInverseEps = 1.2e-16L;

double LargestValue(std::span<const double> W) {
  double largest = 0.0;
  for (const double w : W)
    if (w > largest) largest = w;
  return largest;
}

// Zeroes the values below kRelativeSingularCut of the largest; true when any was.
bool CutNegligible(std::vector<double>& W) {
  const double cut = kRelativeSingularCut * LargestValue(W);
  bool cutAny = false;
  for (double& w : W)
    if (w < cut) {
      w = 0.0;
      cutAny = true;
    }
  return cutAny;
}

// The solution x and the roots s of diag((AᵀA)⁺); empty when the sizes do not fit.
struct TSolution {
  std::vector<double> x;
  std::vector<double> s;
};

bool BackSubstitute(const TMatrix& U, const TMatrix& V, std::span<const double> W,
                    std::span<const double> b, TSolution& Out) {
  const int32_t m = U.NrOfRows();
  const int32_t n = U.NrOfColumns();
  if (V.NrOfColumns() != n || V.NrOfRows() != n || std::ssize(W) != n || std::ssize(b) != m)
    return false;
  std::vector<double> t(static_cast<std::size_t>(n), 0.0);
  for (int32_t i = 1; i <= n; ++i) {
    const double w = W[static_cast<std::size_t>(i - 1)];
    if (w == 0.0) continue;
    const std::span<const double> u = U.Column(i);
    double sum = 0.0;
    for (std::size_t r = 0; r < u.size(); ++r) sum += u[r] * b[r];
    t[static_cast<std::size_t>(i - 1)] = sum / w;
  }
  Out.x.assign(static_cast<std::size_t>(n), 0.0);
  Out.s.assign(static_cast<std::size_t>(n), 0.0);
  for (int32_t i = 1; i <= n; ++i) {
    const std::span<const double> v = V.Column(i);
    const double w = W[static_cast<std::size_t>(i - 1)];
    const double weight = w != 0.0 ? 1.0 / (w * w) : 0.0;
    for (std::size_t j = 0; j < v.size(); ++j) {
      Out.x[j] += v[j] * t[static_cast<std::size_t>(i - 1)];
      Out.s[j] += v[j] * v[j] * weight;
    }
  }
  for (double& q : Out.s) q = std::sqrt(q);
  return true;
}

void Deliver(const TSolution& Solution, TVector* x, TVector* s) {
  x->AssignArray(Solution.x);
  if (s != nullptr) s->AssignArray(Solution.s);
}

[[noreturn]] void RaiseSvdError(const char* Routine, const char* Text) {
  RaiseRoutineError<EQORMath2Error>(Routine, Text);
}

// The core on A's storage; W as a plain array.
bool DecomposeInPlace(TMatrix& A, TMatrix& V, std::vector<double>& W) {
  const int32_t n = A.NrOfColumns();
  V.Resize(n, n);
  W.assign(static_cast<std::size_t>(n), 0.0);
  const bool ok = detail::SvdCore(A.Data().data(), A.NrOfRows(), n, W.data(), V.Data().data());
  A.Changed();
  V.Changed();
  return ok;
}

bool Decomposable(const TMatrix* A) {
  return A != nullptr && A->NrOfColumns() > 0 && A->NrOfRows() > 0;
}

}  // namespace

bool SingValDecompCore(TMatrix* A, TMatrix* V, TVector* W) {
  if (!Decomposable(A) || V == nullptr || W == nullptr || V == A) return false;
  std::vector<double> w;
  const bool ok = DecomposeInPlace(*A, *V, w);
  W->AssignArray(w);
  return ok;
}

bool SingValBackSubst(const TMatrix* U, const TMatrix* V, const TVector* W, const TVector* b,
                      TVector* x, TVector* s) {
  if (U == nullptr || V == nullptr || W == nullptr || b == nullptr || x == nullptr) return false;
  TSolution solution;
  if (!BackSubstitute(*U, *V, W->Data(), b->Data(), solution)) return false;
  Deliver(solution, x, s);
  return true;
}

bool SingValLinFit(TMatrix* A, const TVector* b, TVector* x, bool& NearSingular, TVector* s) {
  NearSingular = false;
  if (!Decomposable(A) || b == nullptr || x == nullptr) return false;
  TMatrix v;
  std::vector<double> w;
  if (!DecomposeInPlace(*A, v, w)) return false;
  NearSingular = CutNegligible(w);
  TSolution solution;
  if (!BackSubstitute(*A, v, w, b->Data(), solution)) return false;
  Deliver(solution, x, s);
  return true;
}

void SingValDecomp(TMatrix* A, TMatrix* V, TVector* W) {
  if (!Decomposable(A) || V == nullptr || W == nullptr || V == A)
    RaiseSvdError("SingValDecomp", "matrix argument is nil or empty");
  std::vector<double> w;
  if (!DecomposeInPlace(*A, *V, w)) RaiseSvdError("SingValDecomp", "no convergence or aborted");
  const int32_t n = A->NrOfColumns();
  std::vector<std::size_t> order(static_cast<std::size_t>(n));
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::stable_sort(order.begin(), order.end(),
                   [&w](std::size_t i, std::size_t j) { return w[i] > w[j]; });
  auto permuteColumns = [&order, n](std::span<double> m, std::size_t rows) {
    const std::vector<double> old(m.begin(), m.end());
    for (std::size_t k = 0; k < static_cast<std::size_t>(n); ++k)
      std::copy_n(old.begin() + static_cast<std::ptrdiff_t>(order[k] * rows), rows,
                  m.begin() + static_cast<std::ptrdiff_t>(k * rows));
  };
  permuteColumns(A->Data(), static_cast<std::size_t>(A->NrOfRows()));
  permuteColumns(V->Data(), static_cast<std::size_t>(n));
  std::vector<double> sorted(w.size());
  for (std::size_t k = 0; k < w.size(); ++k) sorted[k] = w[order[k]];
  A->Changed();
  V->Changed();
  W->AssignArray(sorted);
}

void SingValEquSolve(const TMatrix* U, const TMatrix* V, const TVector* W, const TVector* b,
                     TVector* x, TVector* s) {
  if (U == nullptr || V == nullptr || W == nullptr || b == nullptr || x == nullptr)
    RaiseSvdError("SingValEquSolve", "argument is nil");
  std::vector<double> w(W->Data().begin(), W->Data().end());
  CutNegligible(w);
  TSolution solution;
  if (!BackSubstitute(*U, *V, w, b->Data(), solution))
    RaiseSvdError("SingValEquSolve", "sizes of decomposition and vectors do not match");
  Deliver(solution, x, s);
}

bool PseudoInverse(const TMatrix* A, TMatrix* P, double Thresh) {
  if (A == nullptr || P == nullptr || P == A) return false;
  const int32_t m = A->NrOfRows();
  const int32_t n = A->NrOfColumns();
  P->Resize(m, n);
  if (m == 0 || n == 0) return false;
  TMatrix u;
  u.Clone(A);
  TMatrix v;
  std::vector<double> w;
  const bool ok = DecomposeInPlace(u, v, w);
  if (ok) {
    long double thresh = Thresh;
    if (Thresh == 0.0)
      thresh = static_cast<long double>(std::max(m, n)) * LargestValue(w) * kPseudoInverseEps;
    for (int32_t j = 1; j <= n; ++j) {
      std::span<double> column = v.Column(j);
      const double wj = w[static_cast<std::size_t>(j - 1)];
      if (std::fabs(static_cast<long double>(wj)) <= thresh)
        std::fill(column.begin(), column.end(), 0.0);
      else
        for (double& e : column) e /= wj;
    }
  }
  v.MultiplyTransposed(&u, P);
  return ok;
}

}  // namespace qor
