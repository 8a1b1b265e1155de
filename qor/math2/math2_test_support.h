// Test helpers of the math2 unit: matrices and vectors from literal rows and raw buffers.
#pragma once

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <limits>
#include <vector>

#include "qor/matrix/detail/dense_test_support.h"
#include "qor/matrix/matrix.h"
#include "qor/vector/vector.h"

namespace qor::testing {

inline constexpr double kEps = std::numeric_limits<double>::epsilon();
using detail::testing::TDense;

inline void SetRows(TMatrix& M, std::initializer_list<std::initializer_list<double>> Rows) {
  const auto rows = static_cast<int32_t>(Rows.size());
  const auto cols = static_cast<int32_t>(Rows.begin()->size());
  M.Resize(cols, rows);
  int32_t r = 1;
  for (const auto& row : Rows) {
    int32_t c = 1;
    for (const double x : row) M.SetVal(c++, r, x);
    ++r;
  }
}

inline void SetDense(TMatrix& M, const TDense& Values, int32_t Rows, int32_t Cols) {
  M.Resize(Cols, Rows);
  std::copy(Values.begin(), Values.end(), M.Data().begin());
}

inline TDense DenseOf(const TMatrix& M) { return {M.Data().begin(), M.Data().end()}; }

inline std::vector<double> ValuesOf(const TVector& V) { return {V.Data().begin(), V.Data().end()}; }

}  // namespace qor::testing
