// Element-wise and scalar arithmetic, transposition, differencing and the trace of TMatrix.
#include <algorithm>
#include <functional>

#include "qor/frame/errors.h"
#include "qor/matrix/matrix.h"

namespace qor {
namespace {

// Side of the square tiles of the transposition: two 32 x 32 tiles of doubles (16 KiB) stay in
// the first-level cache while one is read down its columns and the other written across.
constexpr int32_t kTransposeTile = 32;

}  // namespace

bool TMatrix::Add(const TMatrix* MatB) {
  if (MatB == nullptr || !SameSize(*MatB)) return false;
  std::transform(FMat.begin(), FMat.end(), MatB->FMat.begin(), FMat.begin(), std::plus<>());
  Changed();
  return true;
}

bool TMatrix::Subtract(const TMatrix* MatB) {
  if (MatB == nullptr || !SameSize(*MatB)) return false;
  std::transform(FMat.begin(), FMat.end(), MatB->FMat.begin(), FMat.begin(), std::minus<>());
  Changed();
  return true;
}

void TMatrix::SMult(double Scalar) {
  for (double& x : FMat) x *= Scalar;
  Changed();
}

void TMatrix::SAdd(double Scalar) {
  for (double& x : FMat) x += Scalar;
  Changed();
}

bool TMatrix::Transpose() {
  std::vector<double> Transposed = AllocateStorage(FNRow, FNCol);
  // Old element (c, r) becomes new element (r, c), whose new column r has FNCol rows.
  for (int32_t c0 = 0; c0 < FNCol; c0 += kTransposeTile) {
    for (int32_t r0 = 0; r0 < FNRow; r0 += kTransposeTile) {
      const int32_t cEnd = std::min(c0 + kTransposeTile, FNCol);
      const int32_t rEnd = std::min(r0 + kTransposeTile, FNRow);
      for (int32_t c = c0; c < cEnd; ++c)
        for (int32_t r = r0; r < rEnd; ++r)
          Transposed[static_cast<size_t>(r) * static_cast<size_t>(FNCol) + static_cast<size_t>(c)] =
              FMat[Offset(c + 1, r + 1)];
    }
  }
  FMat = std::move(Transposed);
  DropHiddenStorage();
  std::swap(FNCol, FNRow);
  Changed();
  return true;
}

void TMatrix::Diff(int32_t Order) {
  if (Order < 1 || Order > 10 || FNRow <= Order) return;
  // Pass p leaves the p-th differences in rows 1 .. FNRow - p: row r reads row r + 1, which
  // pass p - 1 kept. Rows below are dropped at the end, so updating them would change nothing.
  for (int32_t Pass = 1; Pass <= Order; ++Pass) {
    for (int32_t c = 1; c <= FNCol; ++c) {
      double* x = ColumnPtr(c);
      for (int32_t r = 0; r < FNRow - Pass; ++r) x[r] = x[r + 1] - x[r];
    }
  }
  Resize(FNCol, FNRow - Order);
}

double TMatrix::Trace() const {
  if (FNCol != FNRow) return 0.0;
  double Sum = 0.0;
  for (int32_t i = 1; i <= FNCol; ++i) Sum += At(i, i);
  return Sum;
}

}  // namespace qor
