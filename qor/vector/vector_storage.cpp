#include "qor/vector/vector_storage.h"

#include <algorithm>
#include <new>
#include <stdexcept>
#include <utility>

#include "qor/frame/errors.h"
#include "qor/vector/int_vector.h"
#include "qor/vector/vector.h"

namespace qor {

template <class T, class Self>
TVectorStorage<T, Self>::TVectorStorage(TComponent* AOwner) : TComponent(AOwner) {
  GuardedAllocation<EQORVectorError>(Name(), [this] { FVec.assign(1, T{0}); });
}

template <class T, class Self>
void TVectorStorage<T, Self>::SetNrOfElem(int32_t NE) {
  if (NE >= 1 && NE != NrOfElem()) Resize(NE);
}

template <class T, class Self>
void TVectorStorage<T, Self>::SetVal(int32_t ix, T Value) {
  if (!ValidIndex(ix)) return;
  FVec[static_cast<size_t>(ix - 1)] = Value;
  FIsEmpty = false;
  this->Changed();
}

template <class T, class Self>
bool TVectorStorage<T, Self>::Resize(int32_t NE) {
  if (NE == NrOfElem()) return true;
  if (NE < 1) return false;
  // std::vector::resize of a trivially copyable type changes nothing when it throws.
  try {
    FVec.resize(static_cast<size_t>(NE), T{0});
  } catch (const std::bad_alloc&) {
    RaiseComponentError<EQORVectorError>(Name(), msg::kNotEnoughMemory);
  } catch (const std::length_error&) {
    RaiseComponentError<EQORVectorError>(Name(), msg::kNotEnoughMemory);
  }
  this->Changed();
  return true;
}

template <class T, class Self>
void TVectorStorage<T, Self>::MakeValidElemRange(int32_t& LowElem, int32_t& HighElem) const {
  if (LowElem == 0 && HighElem == 0) {
    LowElem = 1;
    HighElem = NrOfElem();
    return;
  }
  LowElem = std::clamp(LowElem, 1, NrOfElem());
  HighElem = std::clamp(HighElem, 1, NrOfElem());
  if (LowElem > HighElem) std::swap(LowElem, HighElem);
}

template <class T, class Self>
std::span<const T> TVectorStorage<T, Self>::ElemRange(int32_t LowElem, int32_t HighElem) const {
  MakeValidElemRange(LowElem, HighElem);
  return std::span<const T>(FVec).subspan(static_cast<size_t>(LowElem - 1),
                                          static_cast<size_t>(HighElem - LowElem + 1));
}

template <class T, class Self>
std::span<T> TVectorStorage<T, Self>::ElemRange(int32_t LowElem, int32_t HighElem) {
  MakeValidElemRange(LowElem, HighElem);
  return std::span<T>(FVec).subspan(static_cast<size_t>(LowElem - 1),
                                    static_cast<size_t>(HighElem - LowElem + 1));
}

template <class T, class Self>
void TVectorStorage<T, Self>::Assign(const TPersistent* Source) {
  const auto* Vec = dynamic_cast<const Self*>(Source);
  if (Vec == nullptr) {
    TComponent::Assign(Source);
    return;
  }
  if (Vec == this) return;
  GuardedAllocation<EQORVectorError>(Name(), [&] { FVec = Vec->FVec; });
  FIsEmpty = Vec->FIsEmpty;
  this->OnChange = Vec->OnChange;
  this->OnSortExchange = Vec->OnSortExchange;
}

template <class T, class Self>
void TVectorStorage<T, Self>::AssignTo(TPersistent* Dest) const {
  if (auto* Vec = dynamic_cast<Self*>(Dest)) {
    Vec->Assign(this);
    return;
  }
  TComponent::AssignTo(Dest);
}

template <class T, class Self>
template <class ValueOf>
void TVectorStorage<T, Self>::StoreRun(int64_t DestFirst, int64_t Count, ValueOf Value) {
  if (this->OnChange) {
    for (int64_t k = 0; k < Count; ++k)
      if (ValidIndex(DestFirst + k)) SetVal(static_cast<int32_t>(DestFirst + k), Value(k));
    return;
  }
  const int64_t First = std::max<int64_t>(0, 1 - DestFirst);
  const int64_t Last = std::min<int64_t>(Count, NrOfElem() - DestFirst + 1);
  for (int64_t k = First; k < Last; ++k) FVec[static_cast<size_t>(DestFirst + k - 1)] = Value(k);
  if (First < Last) FIsEmpty = false;
}

template <class T, class Self>
void TVectorStorage<T, Self>::Clone(const Self* VecSource) {
  if (VecSource == nullptr) return;
  Resize(VecSource->NrOfElem());
  StoreRun(1, VecSource->NrOfElem(),
           [VecSource](int64_t k) { return VecSource->GetVal(static_cast<int32_t>(k + 1)); });
  this->Changed();
}

template <class T, class Self>
void TVectorStorage<T, Self>::CopyFrom(const Self* VecSource, int32_t SourceElemLo,
                                       int32_t SourceElemHi, int32_t DestElem) {
  if (VecSource == nullptr) return;
  SourceElemLo = std::clamp(SourceElemLo, 1, VecSource->NrOfElem());
  SourceElemHi = std::clamp(SourceElemHi, 1, VecSource->NrOfElem());
  if (SourceElemLo > SourceElemHi) std::swap(SourceElemLo, SourceElemHi);
  StoreRun(DestElem, int64_t{SourceElemHi} - SourceElemLo + 1,
           [VecSource, SourceElemLo](int64_t k) {
             return VecSource->GetVal(static_cast<int32_t>(SourceElemLo + k));
           });
  this->Changed();
}

template <class T, class Self>
void TVectorStorage<T, Self>::CopyToArray(std::vector<T>& DestArray, int32_t LowElem,
                                          int32_t HighElem) const {
  const std::span<const T> Source = ElemRange(LowElem, HighElem);
  DestArray.assign(Source.begin(), Source.end());
}

template <class T, class Self>
void TVectorStorage<T, Self>::CopyFromArray(std::span<const T> SrcArray, int32_t ix) {
  StoreRun(ix, static_cast<int64_t>(SrcArray.size()),
           [SrcArray](int64_t k) { return SrcArray[static_cast<size_t>(k)]; });
}

template <class T, class Self>
void TVectorStorage<T, Self>::AssignArray(std::span<const T> SrcArray) {
  if (SrcArray.empty()) return;
  if (SrcArray.size() > static_cast<size_t>(INT32_MAX))
    RaiseComponentError<EQORVectorError>(Name(), msg::kNotEnoughMemory);
  // A fresh buffer, so SrcArray may be a view of this vector itself.
  std::vector<T> Copy = GuardedAllocation<EQORVectorError>(
      Name(), [SrcArray] { return std::vector<T>(SrcArray.begin(), SrcArray.end()); });
  FVec.swap(Copy);
  FIsEmpty = false;
  this->Changed();
}

template <class T, class Self>
void TVectorStorage<T, Self>::Fill(T Value) {
  std::fill(FVec.begin(), FVec.end(), Value);
  FIsEmpty = false;
  this->Changed();
}

template <class T, class Self>
void TVectorStorage<T, Self>::Clear() {
  std::fill(FVec.begin(), FVec.end(), T{0});
  FIsEmpty = true;
  this->Changed();
}

template class TVectorStorage<double, TVector>;
template class TVectorStorage<int32_t, TIntVector>;

}  // namespace qor
