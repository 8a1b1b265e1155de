#include "qor/math2/eigen.h"

#include <algorithm>
#include <cstddef>
#include <new>
#include <span>
#include <stdexcept>
#include <vector>

#include "qor/frame/errors.h"
#include "qor/frame/hooks.h"
#include "qor/math2/detail/eigen_store.h"
#include "qor/matrix/detail/jacobi_eigen.h"

namespace qor {

namespace detail {

TEigenStore& EigenStore() {
  static TEigenStore store;
  return store;
}

}  // namespace detail

namespace {

[[noreturn]] void RaiseNoMemory() {
  RaiseRoutineError<EQORMath2Error>("CalcEigVec", "not enough memory");
}

}  // namespace

bool CalcEigVec(TMatrix* A) {
  if (A == nullptr) return false;
  const int32_t n = A->NrOfColumns();
  if (n > kMaxEigenOrder) return false;
  const auto order = static_cast<std::size_t>(n);
  std::vector<double> values;
  std::vector<double> vectors;
  std::vector<double> work;
  try {
    values.resize(order);
    vectors.resize(order * order);
    work.resize(order * order);
  } catch (const std::bad_alloc&) {
    RaiseNoMemory();
  } catch (const std::length_error&) {
    RaiseNoMemory();
  }
  detail::TEigenStore& store = detail::EigenStore();
  store.Size = n;
  store.Values.swap(values);
  store.Vectors.swap(vectors);
  store.HasArrays = true;
  AbortMathProc = false;
  if (n == 0) return true;
  for (int32_t c = 1; c <= n; ++c)
    for (int32_t r = 1; r <= c; ++r) work[(order * (c - 1)) + (r - 1)] = A->GetVal(c, r);
  detail::TJacobiEnd end = detail::TJacobiEnd::kNotConverged;
  try {
    end = detail::CyclicJacobi(work.data(), n, store.Values.data(), store.Vectors.data());
  } catch (const std::bad_alloc&) {
    RaiseNoMemory();
  }
  const int32_t rows = std::min(n, A->NrOfRows());
  std::span<double> a = A->Data();
  const auto lda = static_cast<std::size_t>(A->NrOfRows());
  for (int32_t c = 2; c <= n; ++c)
    for (int32_t r = 1; r < c && r <= rows; ++r)
      a[lda * (c - 1) + (r - 1)] = work[order * (c - 1) + (r - 1)];
  A->Changed();
  return end == detail::TJacobiEnd::kConverged;
}

double GetEigenResult(int32_t k, int32_t c) {
  const detail::TEigenStore& store = detail::EigenStore();
  const int32_t n = store.Size;
  if (!store.HasArrays || k < 1 || k > n || c < 0 || c > n) return 0.0;
  if (c == 0) return store.Values[static_cast<std::size_t>(k - 1)];
  return store.Vectors[static_cast<std::size_t>(k - 1) * static_cast<std::size_t>(n) +
                       static_cast<std::size_t>(c - 1)];
}

int32_t GetEigenSize() { return detail::EigenStore().Size; }

void RemoveEigenMatrix() {
  detail::TEigenStore& store = detail::EigenStore();
  store.Values = std::vector<double>();
  store.Vectors = std::vector<double>();
  store.HasArrays = false;
}

}  // namespace qor
