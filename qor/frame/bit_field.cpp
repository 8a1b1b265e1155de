#include "qor/frame/bit_field.h"

#include <algorithm>
#include <bit>
#include <string>

#include "qor/frame/errors.h"

namespace qor {
namespace {

constexpr int32_t kWordBits = 64;

uint64_t Combine(uint64_t a, uint64_t b, TLogicOp Op) {
  switch (Op) {
    case loAnd:
      return a & b;
    case loOr:
      return a | b;
    case loXor:
      return a ^ b;
    case loAndNot:
      return a & ~b;
    case loNand:
      return ~(a & b);
    case loNor:
      return ~(a | b);
  }
  return a;
}

}  // namespace

void TBitFld::SetSize(int32_t NumBits) {
  if (NumBits < 0) RaiseRoutineError<EQORError>("TBitFld.SetSize", "negative size");
  FWords.resize(static_cast<size_t>((NumBits + kWordBits - 1) / kWordBits));
  FSize = NumBits;
  ClearUnusedBits();
}

void TBitFld::Clear() { std::fill(FWords.begin(), FWords.end(), 0); }

void TBitFld::CheckIndex(int32_t Ix, const char* Routine) const {
  if (Ix < 0 || Ix >= FSize) RaiseRoutineError<EQORError>(Routine, "index out of range");
}

void TBitFld::SetBit(int32_t Ix, bool Value) {
  CheckIndex(Ix, "TBitFld.SetBit");
  const uint64_t Mask = uint64_t{1} << (Ix % kWordBits);
  uint64_t& Word = FWords[static_cast<size_t>(Ix / kWordBits)];
  Word = Value ? Word | Mask : Word & ~Mask;
}

bool TBitFld::GetBit(int32_t Ix) const {
  CheckIndex(Ix, "TBitFld.GetBit");
  return (FWords[static_cast<size_t>(Ix / kWordBits)] >> (Ix % kWordBits)) & 1u;
}

void TBitFld::Invert() {
  for (uint64_t& Word : FWords) Word = ~Word;
  ClearUnusedBits();
}

void TBitFld::CombineWith(const TBitFld& Other, TLogicOp Op) {
  for (size_t i = 0; i < FWords.size(); ++i)
    FWords[i] = Combine(FWords[i], i < Other.FWords.size() ? Other.FWords[i] : 0, Op);
  ClearUnusedBits();
}

int32_t TBitFld::CountTrueBits() const {
  int32_t Count = 0;
  for (const uint64_t Word : FWords) Count += std::popcount(Word);
  return Count;
}

int32_t TBitFld::FirstTrueBit() const {
  for (size_t i = 0; i < FWords.size(); ++i)
    if (FWords[i] != 0) return static_cast<int32_t>(i) * kWordBits + std::countr_zero(FWords[i]);
  return -1;
}

void TBitFld::ClearUnusedBits() {
  const int32_t Used = FSize % kWordBits;
  if (Used != 0) FWords.back() &= (uint64_t{1} << Used) - 1;
}

}  // namespace qor
