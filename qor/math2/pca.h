// CalcPrincComp: principal component analysis of a block of variables through the eigen store.
//
// The covariance-type matrix of columns LowCol..HighCol over rows LowRow..HighRow (CalcCovar,
// mode CovMode; both bounds 0 = the whole dimension) is diagonalised by CalcEigVec, so that the
// eigen store holds the component variances (eigenvalues) and loadings (eigenvectors, 1-based
// through GetEigenResult). With Normalize every eigenvalue is divided by S = Σ|eigenvalue|, so
// that each gives its component's share of the total. The components are then ordered by a
// descending selection sort that only moves positive eigenvalues: non-positive ones stay, in
// the order Jacobi left them, behind all positive ones. Scores are not computed: project the
// data on the eigenvectors read from the store.
#pragma once

#include <cstdint>

#include "qor/matrix/matrix.h"

namespace qor {

// False when CalcCovar or CalcEigVec fails (nil X, abort, no convergence); the store then
// holds what CalcEigVec left there. Progress and abort as in those two routines.
bool CalcPrincComp(const TMatrix* X, int32_t LowCol, int32_t HighCol, int32_t LowRow,
                   int32_t HighRow, int32_t CovMode, bool Normalize);
// The same with Normalize = true.
bool CalcPrincComp(const TMatrix* X, int32_t LowCol, int32_t HighCol, int32_t LowRow,
                   int32_t HighRow, int32_t CovMode);

}  // namespace qor
