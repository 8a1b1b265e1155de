// Distances between the objects (rows) of a TMatrix and their distance matrix.
#include <algorithm>
#include <vector>

#include "qor/frame/errors.h"
#include "qor/matrix/detail/distances.h"
#include "qor/matrix/matrix.h"

namespace qor {

double TMatrix::DistanceOfObjects(TDistMode Mode, int32_t obj1, int32_t obj2) {
  if (Mode == dmUserDefined) {
    double Distance = 0;
    if (OnCalcDistance) OnCalcDistance(this, obj1, obj2, Distance);
    return Distance;
  }
  return detail::TRowDistances<double>(Data().data(), NrOfColumns(), NrOfRows(), Mode)
      .Between(obj1, obj2);
}

int32_t TMatrix::CalcDistMat(TDistMode Mode, TMatrix& DMat) {
  if (DMat.NrOfColumns() != DMat.NrOfRows()) return -1;
  if (DMat.NrOfRows() != NrOfRows()) return -2;
  const int64_t n = NrOfRows();
  // The user's handler may read this matrix and DMat, and DMat may be this matrix: then the
  // results go to a scratch buffer first.
  const bool Direct = Mode != dmUserDefined && &DMat != this;
  std::vector<double> Scratch;
  if (!Direct)
    Scratch = GuardedAllocation<EQORMatrixError>(
        Name(), [n] { return std::vector<double>(static_cast<size_t>(n * n), 0.0); });
  double* Out = Direct ? DMat.Data().data() : Scratch.data();
  if (Mode == dmUserDefined) {
    for (int32_t i = 1; i <= n; ++i)
      for (int32_t j = i + 1; j <= n; ++j)
        Out[(i - 1) * n + (j - 1)] = Out[(j - 1) * n + (i - 1)] = DistanceOfObjects(Mode, i, j);
  } else {
    detail::TRowDistances<double>(Data().data(), NrOfColumns(), NrOfRows(), Mode).FillMatrix(Out);
  }
  if (!Direct) std::copy(Scratch.begin(), Scratch.end(), DMat.Data().begin());
  DMat.Changed();
  return 0;
}

}  // namespace qor
