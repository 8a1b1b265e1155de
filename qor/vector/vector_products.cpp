#include "qor/vector/vector_products.h"

#include <algorithm>
#include <cmath>

#include "qor/frame/errors.h"
#include "qor/vector/detail/element_arith.h"
#include "qor/vector/int_vector.h"
#include "qor/vector/vector.h"

namespace qor {

template <class T, class Self>
T TVectorProducts<T, Self>::DotProduct(const Self* OtherVec) const {
  if (OtherVec == nullptr) return T{0};
  this->CheckSameSize(*OtherVec);
  const std::span<const T> y = OtherVec->Data();
  T Total{0};
  for (size_t i = 0; i < y.size(); ++i)
    Total = detail::ElemAdd(Total, detail::ElemMul(this->FVec[i], y[i]));
  return Total;
}

template <class T, class Self>
double TVectorProducts<T, Self>::EuclideanDistance(const Self* OtherVec) const {
  if (OtherVec == nullptr) return 0;
  if (OtherVec->NrOfElem() != this->NrOfElem())
    RaiseRoutineError<EQORVectorError>("EuclideanDistance", "dimensions of vectors do not match");
  const std::span<const T> y = OtherVec->Data();
  double Total = 0;
  for (size_t i = 0; i < y.size(); ++i)
    Total += static_cast<double>(detail::ElemSquare(detail::ElemSub(this->FVec[i], y[i])));
  return std::sqrt(Total);
}

template <class T, class Self>
double TVectorProducts<T, Self>::PearsonCorrCoeff(const Self* OtherVec) const {
  if (OtherVec == nullptr || OtherVec->NrOfElem() != this->NrOfElem() || this->NrOfElem() < 2)
    return 0;
  const std::span<const T> y = OtherVec->Data();
  double Sx = 0, Sy = 0, Sxx = 0, Syy = 0, Sxy = 0;
  for (size_t i = 0; i < y.size(); ++i) {
    const T xi = this->FVec[i];
    Sx += static_cast<double>(xi);
    Sy += static_cast<double>(y[i]);
    Sxx += static_cast<double>(detail::ElemSquare(xi));
    Syy += static_cast<double>(detail::ElemSquare(y[i]));
    Sxy += static_cast<double>(detail::ElemMul(xi, y[i]));
  }
  if (!(Sxx > 0 && Syy > 0)) return 0;
  const double n = static_cast<double>(y.size());
  const double sxx = Sxx - Sx * Sx / n;
  const double syy = Syy - Sy * Sy / n;
  if (sxx == 0 || syy == 0) return 0;
  return (Sxy - Sx * Sy / n) / std::sqrt(std::fabs(sxx * syy));
}

template <class T, class Self>
T TVectorProducts<T, Self>::Correlate(const Self* OtherVec, int32_t ElemShift) const {
  if (OtherVec == nullptr) return T{0};
  const int64_t lo = std::max<int64_t>(1, int64_t{ElemShift} + 1);
  const int64_t hi = std::min<int64_t>(this->NrOfElem(), int64_t{OtherVec->NrOfElem()} + ElemShift);
  if (lo >= hi) return T{0};
  T Total{0};
  for (int64_t i = lo; i <= hi; ++i)
    Total = detail::ElemAdd(Total,
                            detail::ElemMul(this->GetVal(static_cast<int32_t>(i)),
                                            OtherVec->GetVal(static_cast<int32_t>(i - ElemShift))));
  return Total;
}

template class TVectorProducts<double, TVector>;
template class TVectorProducts<int32_t, TIntVector>;

}  // namespace qor
