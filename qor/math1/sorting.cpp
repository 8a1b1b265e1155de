#include "qor/math1/sorting.h"

#include <algorithm>
#include <cstddef>
#include <type_traits>

#include "qor/frame/hooks.h"

namespace qor {
namespace {

// The comb sort's shrink factor, an 80-bit constant: the gap sequence depends on its rounding.
constexpr long double kCombShrinkFactor = 1.3L;

size_t NextGap(size_t Gap) {
  const auto Shrunk = static_cast<size_t>(static_cast<long double>(Gap) / kCombShrinkFactor);
  return Shrunk == 0 ? 1 : Shrunk;
}

// One pass over the pairs (i, i + Gap). Both elements are always written back (the same
// values when in order) so that the loop compiles to selects instead of unpredictable branches.
template <class T, bool Ascending>
bool CombPass(T* Data, size_t Count, size_t Gap) {
  bool Exchanged = false;
  for (size_t i = 0; i + Gap < Count; ++i) {
    const T First = Data[i];
    const T Second = Data[i + Gap];
    const bool OutOfOrder = Ascending ? Second < First : First < Second;
    Data[i] = OutOfOrder ? Second : First;
    Data[i + Gap] = OutOfOrder ? First : Second;
    Exchanged |= OutOfOrder;
  }
  return Exchanged;
}

void ReportPass() {
  const double Count = ProcStat.fetch_add(1.0, std::memory_order_relaxed) + 1.0;
  if (MathFeedBackProc != nullptr) MathFeedBackProc(Count);
}

template <class T, bool Ascending>
void CombSort(T* Data, size_t Count) {
  if (Count <= 1) return;
  size_t Gap = Count;
  bool Exchanged = false;
  do {
    Gap = NextGap(Gap);
    Exchanged = CombPass<T, Ascending>(Data, Count, Gap);
    ReportPass();
  } while (Gap > 1 || Exchanged);
}

template <class T>
void CombSort(std::span<T> Data, bool Ascending) {
  if (Ascending)
    CombSort<T, true>(Data.data(), Data.size());
  else
    CombSort<T, false>(Data.data(), Data.size());
}

template <class T>
int32_t SortInto(std::span<T> Data, T Value, bool Ascending, bool AllowDuplicates) {
  if (Data.empty()) return -1;
  const size_t Last = Data.size() - 1;
  const auto Before = [Ascending](T a, T b) { return Ascending ? a < b : b < a; };
  size_t i = 0;
  while (i < Last && Before(Data[i], Value)) ++i;
  if ((Data[i] == Value && !AllowDuplicates) || Before(Data[i], Value)) return -1;
  std::copy_backward(Data.begin() + static_cast<ptrdiff_t>(i), Data.end() - 1, Data.end());
  Data[i] = Value;
  return static_cast<int32_t>(i);
}

template <class T>
void InsertAt(std::span<T> Data, T Value, int32_t Ix) {
  if (Ix < 0 || static_cast<size_t>(Ix) >= Data.size()) return;
  std::copy_backward(Data.begin() + Ix, Data.end() - 1, Data.end());
  Data[static_cast<size_t>(Ix)] = Value;
}

// Calls Action with std::type_identity<element type> for a known kind; false otherwise.
template <class Action>
bool WithElementType(TVarKind VarKind, Action&& Act) {
  switch (VarKind) {
    case vkDouble:
    case vkReal:
      Act(std::type_identity<double>{});
      return true;
    case vkSingle:
      Act(std::type_identity<float>{});
      return true;
    case vkInteger:
    case vkLongint:
      Act(std::type_identity<int32_t>{});
      return true;
    case vkByte:
    case vkString:
      break;
  }
  return false;
}

template <class T>
std::span<T> Elements(void* Data, int32_t NumData) {
  return {static_cast<T*>(Data), static_cast<size_t>(NumData)};
}

}  // namespace

void SortArray(std::span<double> Data, bool Ascending) { CombSort(Data, Ascending); }
void SortArray(std::span<float> Data, bool Ascending) { CombSort(Data, Ascending); }
void SortArray(std::span<int32_t> Data, bool Ascending) { CombSort(Data, Ascending); }

void SortArray(void* Data, int32_t NumData, TVarKind VarKind, bool Ascending) {
  if (Data == nullptr || NumData <= 0) return;
  WithElementType(VarKind, [&]<class T>(std::type_identity<T>) {
    CombSort(Elements<T>(Data, NumData), Ascending);
  });
}

int32_t SortIntoArray(std::span<double> Data, double Value, bool Ascending, bool AllowDuplicates) {
  return SortInto(Data, Value, Ascending, AllowDuplicates);
}
int32_t SortIntoArray(std::span<float> Data, float Value, bool Ascending, bool AllowDuplicates) {
  return SortInto(Data, Value, Ascending, AllowDuplicates);
}
int32_t SortIntoArray(std::span<int32_t> Data, int32_t Value, bool Ascending,
                      bool AllowDuplicates) {
  return SortInto(Data, Value, Ascending, AllowDuplicates);
}

int32_t SortIntoArray(void* Data, int32_t NumData, TVarKind VarKind, const void* Value,
                      bool Ascending, bool AllowDuplicates) {
  if (Data == nullptr || Value == nullptr || NumData <= 0) return 0;
  int32_t Position = -1;
  WithElementType(VarKind, [&]<class T>(std::type_identity<T>) {
    Position = SortInto(Elements<T>(Data, NumData), *static_cast<const T*>(Value), Ascending,
                        AllowDuplicates);
  });
  return Position + 1;
}

void InsertIntoArray(std::span<double> Data, double Value, int32_t Ix) {
  InsertAt(Data, Value, Ix);
}
void InsertIntoArray(std::span<float> Data, float Value, int32_t Ix) { InsertAt(Data, Value, Ix); }
void InsertIntoArray(std::span<int32_t> Data, int32_t Value, int32_t Ix) {
  InsertAt(Data, Value, Ix);
}

void InsertIntoArray(void* Data, int32_t NumData, TVarKind VarKind, const void* Value, int32_t Ix) {
  if (Data == nullptr || Value == nullptr || NumData <= 0 || Ix < 1) return;
  WithElementType(VarKind, [&]<class T>(std::type_identity<T>) {
    InsertAt(Elements<T>(Data, NumData), *static_cast<const T*>(Value), Ix - 1);
  });
}

}  // namespace qor
