#include "qor/vector/vector_arith.h"

#include <algorithm>
#include <utility>

#include "qor/frame/errors.h"
#include "qor/frame/random.h"
#include "qor/vector/detail/element_arith.h"
#include "qor/vector/int_vector.h"
#include "qor/vector/vector.h"

namespace qor {

template <class T, class Self>
void TVectorArith<T, Self>::CheckSameSize(const Self& OtherVec) const {
  if (OtherVec.NrOfElem() != this->NrOfElem())
    RaiseComponentError<EQORVectorError>(this->Name(), msg::kVectorsDifferentDims);
}

template <class T, class Self>
void TVectorArith<T, Self>::Add(const Self* OtherVec) {
  if (OtherVec == nullptr) return;
  CheckSameSize(*OtherVec);
  std::transform(this->FVec.begin(), this->FVec.end(), OtherVec->Data().begin(), this->FVec.begin(),
                 [](T a, T b) { return detail::ElemAdd(a, b); });
  this->Changed();
}

template <class T, class Self>
void TVectorArith<T, Self>::Subtract(const Self* OtherVec) {
  if (OtherVec == nullptr) return;
  CheckSameSize(*OtherVec);
  std::transform(this->FVec.begin(), this->FVec.end(), OtherVec->Data().begin(), this->FVec.begin(),
                 [](T a, T b) { return detail::ElemSub(a, b); });
  this->Changed();
}

template <class T, class Self>
void TVectorArith<T, Self>::SMult(T Scalar) {
  for (T& x : this->FVec) x = detail::ElemMul(x, Scalar);
  this->Changed();
}

template <class T, class Self>
void TVectorArith<T, Self>::AbsVal() {
  for (T& x : this->FVec) x = detail::ElemAbs(x);
  this->Changed();
}

template <class T, class Self>
void TVectorArith<T, Self>::Mirror() {
  std::reverse(this->FVec.begin(), this->FVec.end());
  this->Changed();
}

template <class T, class Self>
void TVectorArith<T, Self>::ShuffleElems() {
  Randomize();
  const int32_t n = this->NrOfElem();
  for (int32_t Step = 0; Step < n; ++Step) {
    const int32_t i = Random(n);
    const int32_t j = Random(n);
    std::swap(this->FVec[static_cast<size_t>(i)], this->FVec[static_cast<size_t>(j)]);
  }
}

template class TVectorArith<double, TVector>;
template class TVectorArith<int32_t, TIntVector>;

}  // namespace qor
