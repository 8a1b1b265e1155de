// TVectorProducts: products, distances and correlations between two vectors (fifth layer of
// TVector and TIntVector, above TVectorStats).
//
// DotProduct sums x(i)*y(i) in index order; vectors of different sizes raise EQORVectorError
// "Component \"Name\": vectors have different dimensions", and EuclideanDistance raises
// "EuclideanDistance: dimensions of vectors do not match". PearsonCorrCoeff is
// (Sxy - Sx*Sy/n)/sqrt|Sxx'*Syy'| from one pass of raw sums in double, 0 for different sizes,
// fewer than two elements or zero spread. Correlate(OtherVec, ElemShift) is the lagged product
// sum of x(i)*y(i - ElemShift) over the overlap, 0 when the overlap has fewer than two
// elements. A nil other vector gives 0. Integer vectors form each product in 32-bit integers
// (wrapping), and DotProduct and Correlate also accumulate in them.
#pragma once

#include <cstdint>

#include "qor/vector/vector_stats.h"

namespace qor {

template <class T, class Self>
class TVectorProducts : public TVectorStats<T, Self> {
 public:
  using TVectorStats<T, Self>::TVectorStats;

  T DotProduct(const Self* OtherVec) const;
  double EuclideanDistance(const Self* OtherVec) const;
  double PearsonCorrCoeff(const Self* OtherVec) const;
  T Correlate(const Self* OtherVec, int32_t ElemShift) const;
};

extern template class TVectorProducts<double, TVector>;
extern template class TVectorProducts<int32_t, TIntVector>;

}  // namespace qor
