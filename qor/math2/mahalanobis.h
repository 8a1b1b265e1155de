// MahalanobisDistance: the distance sqrt((a - b)ᵀ M (a - b)) of two vectors under an inverse
// covariance matrix M.
//
// Vectors are 1-based TVectors, M a square TMatrix of their length; the quadratic form is
// accumulated in double, row i of M (its row i, column j element M(j, i) in component terms)
// against the difference vector in index order. Bad input raises EQORVectorError, checked in
// this order: "MahalanobisDistance: dimensions of vectors do not match", "...: inverse
// covariance matrix is not quadratric", "...: dimension of vectors and inverse covariance
// matrix do not match", and for a negative form "...: the inverse covariance matrix must be
// symmetric and positive definite".
#pragma once

#include "qor/matrix/matrix.h"
#include "qor/vector/vector.h"

namespace qor {

double MahalanobisDistance(const TVector& a, const TVector& b, const TMatrix& M);

}  // namespace qor
