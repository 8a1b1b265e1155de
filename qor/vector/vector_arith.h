// TVectorArith: element-wise arithmetic and reshaping of a vector component (second layer of
// TVector and TIntVector, above TVectorStorage).
//
// Add and Subtract combine equal-index elements of two vectors of the same size; vectors of
// different sizes raise EQORVectorError "Component \"Name\": vectors have different
// dimensions", and a nil other vector does nothing. Integer vectors wrap modulo 2^32 like the
// platform's unchecked arithmetic. Each operation works on the buffer and fires OnChange once,
// except ShuffleElems, which reorders silently.
#pragma once

#include "qor/vector/vector_storage.h"

namespace qor {

template <class T, class Self>
class TVectorArith : public TVectorStorage<T, Self> {
 public:
  using TVectorStorage<T, Self>::TVectorStorage;

  void Add(const Self* OtherVec);
  void Subtract(const Self* OtherVec);
  void SMult(T Scalar);
  void AbsVal();
  // Reverses the element order.
  void Mirror();
  // Reseeds the process-wide uniform source from the clock, then NrOfElem times exchanges two
  // elements picked independently and uniformly (possibly the same one). Fires nothing.
  void ShuffleElems();

 protected:
  // Raises the different-dimensions error unless OtherVec has this vector's size.
  void CheckSameSize(const Self& OtherVec) const;
};

extern template class TVectorArith<double, TVector>;
extern template class TVectorArith<int32_t, TIntVector>;

}  // namespace qor
