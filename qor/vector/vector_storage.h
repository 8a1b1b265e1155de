// TVectorStorage: the contiguous storage of a vector component with its 1-based element access,
// resizing, copies and change events; the common base of TVector (double) and TIntVector
// (32-bit integer), which add their operations in further layers.
//
// A vector always holds at least one element; element i (1-based) is entry i - 1 of one
// contiguous buffer. Reads outside 1..NrOfElem give 0 and writes there are dropped, never
// raised. Range arguments are repaired by MakeValidElemRange: both 0 means the whole vector,
// otherwise each bound is clamped into 1..NrOfElem and the two are swapped when reversed, so a
// repaired range is never empty. Every single-element store fires OnChange; whole-vector
// operations work on the buffer and fire it once at their end. Operations that store through
// SetVal (Clone, CopyFrom, CopyFromArray) fire it once per element written, and Clone and
// CopyFrom once more at the end. A failed allocation in Resize raises EQORVectorError
// "Component \"Name\": not enough memory" and leaves the vector as it was.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "qor/frame/component.h"
#include "qor/frame/errors.h"
#include "qor/frame/events.h"

namespace qor {

class TVector;
class TIntVector;

template <class T, class Self>
class TVectorStorage : public TComponent,
                       public TChangeEvents<Self>,
                       public TSortExchangeEvents<Self> {
 public:
  using TElem = T;

  // One element, 0; IsEmpty true.
  explicit TVectorStorage(TComponent* AOwner);

  int32_t NrOfElem() const { return static_cast<int32_t>(FVec.size()); }
  // A value below 1 or equal to the current size is ignored; any other goes to Resize.
  void SetNrOfElem(int32_t NE);

  T GetVal(int32_t ix) const { return ValidIndex(ix) ? FVec[static_cast<size_t>(ix - 1)] : T{0}; }
  T Elem(int32_t ix) const { return GetVal(ix); }
  T operator[](int32_t ix) const { return GetVal(ix); }
  // Stores Value at ix (ignored outside 1..NrOfElem), clears IsEmpty, fires OnChange.
  void SetVal(int32_t ix, T Value);

  // True after creation and Clear; false after any element write. Informational only.
  bool IsEmpty() const { return FIsEmpty; }
  void SetIsEmpty(bool Value) { FIsEmpty = Value; }

  // The elements as one contiguous read-only view, element 1 first.
  std::span<const T> Data() const { return FVec; }

  // NE equal to the size: true, nothing happens. NE below 1: false. Otherwise keeps the first
  // min(old, NE) elements, zeroes new ones, fires OnChange and returns true.
  bool Resize(int32_t NE);
  void MakeValidElemRange(int32_t& LowElem, int32_t& HighElem) const;

  // From a vector of the same class: size, IsEmpty, elements and both event handlers, without
  // firing OnChange. Any other source raises EConvertError.
  void Assign(const TPersistent* Source) override;
  // Resizes to VecSource's size and copies every element through SetVal; nothing when nil.
  void Clone(const Self* VecSource);
  // Copies source elements SourceElemLo..SourceElemHi (clamped, swapped when reversed) to
  // DestElem onwards through SetVal; targets beyond this vector are dropped. Nothing when nil.
  void CopyFrom(const Self* VecSource, int32_t SourceElemLo, int32_t SourceElemHi,
                int32_t DestElem);
  void CopyToArray(std::vector<T>& DestArray, int32_t LowElem, int32_t HighElem) const;
  // Entry k goes to element ix + k through SetVal; entries outside the vector are dropped.
  void CopyFromArray(std::span<const T> SrcArray, int32_t ix);
  // Replaces size and content by SrcArray in one store with one OnChange (IsEmpty false); an
  // empty array is ignored, since a vector never has fewer than one element.
  void AssignArray(std::span<const T> SrcArray);
  void Fill(T Value);
  // Every element 0, IsEmpty true, OnChange.
  void Clear();

 protected:
  void AssignTo(TPersistent* Dest) const override;
  // The repaired range as a view of the buffer.
  std::span<const T> ElemRange(int32_t LowElem, int32_t HighElem) const;
  std::span<T> ElemRange(int32_t LowElem, int32_t HighElem);

  std::vector<T> FVec;
  bool FIsEmpty = true;

 private:
  bool ValidIndex(int64_t ix) const { return ix >= 1 && ix <= static_cast<int64_t>(FVec.size()); }
  // Stores Value(k) at element DestFirst + k for k = 0..Count-1 as SetVal would (dropping
  // targets outside the vector, one OnChange per store); without a handler the stores go to
  // the buffer directly, in the same order, so self-overlapping copies behave identically.
  template <class ValueOf>
  void StoreRun(int64_t DestFirst, int64_t Count, ValueOf Value);
};

extern template class TVectorStorage<double, TVector>;
extern template class TVectorStorage<int32_t, TIntVector>;

}  // namespace qor
