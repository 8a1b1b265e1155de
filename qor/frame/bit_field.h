// TBitFld: a resizable array of bits, indexed from 0, with whole-field logic.
//
// New bits (after construction or growing) are false. Reading or setting a bit outside
// 0..Size()-1 raises EQORError ("TBitFld.GetBit: index out of range", "TBitFld.SetBit: ...");
// a negative size raises "TBitFld.SetSize: negative size". CombineWith applies a TLogicOp bit
// by bit, this := this op Other; where Other is shorter its missing bits count as false, and
// the receiver keeps its size.
#pragma once

#include <cstdint>
#include <vector>

namespace qor {

enum TLogicOp : uint8_t {
  loAnd,     // a and b
  loOr,      // a or b
  loXor,     // a xor b
  loAndNot,  // a and not b: clears in a every bit set in b
  loNand,    // not (a and b)
  loNor,     // not (a or b)
};

class TBitFld {
 public:
  explicit TBitFld(int32_t NumBits = 0) { SetSize(NumBits); }

  int32_t Size() const { return FSize; }
  // Keeps the first min(old, new) bits; added bits are false.
  void SetSize(int32_t NumBits);
  // Sets every bit false.
  void Clear();
  void SetBit(int32_t Ix, bool Value);
  bool GetBit(int32_t Ix) const;
  // Flips every bit.
  void Invert();
  TBitFld Clone() const { return *this; }
  void CombineWith(const TBitFld& Other, TLogicOp Op);
  int32_t CountTrueBits() const;
  // Index of the lowest true bit, -1 when none is set.
  int32_t FirstTrueBit() const;

  friend bool operator==(const TBitFld&, const TBitFld&) = default;

 private:
  // Bits at and above FSize in the last word are kept false, so counts need no masking.
  void ClearUnusedBits();
  void CheckIndex(int32_t Ix, const char* Routine) const;

  std::vector<uint64_t> FWords;
  int32_t FSize = 0;
};

}  // namespace qor
