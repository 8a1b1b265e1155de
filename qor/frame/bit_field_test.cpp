#include "qor/frame/bit_field.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <tuple>

#include "qor/frame/errors.h"

namespace qor {
namespace {

// A field of Size bits with the given indices set.
TBitFld Field(int32_t Size, std::initializer_list<int32_t> Set) {
  TBitFld f(Size);
  for (const int32_t Ix : Set) f.SetBit(Ix, true);
  return f;
}

TEST(BitField, SettingResizingAndCounting) {
  TBitFld f(130);
  EXPECT_EQ(std::tuple(f.CountTrueBits(), f.FirstTrueBit()), std::tuple(0, -1));
  f.SetBit(129, true);
  f.SetBit(64, true);
  f.SetBit(64, true);
  EXPECT_EQ(std::tuple(f.GetBit(64), f.GetBit(63)), std::tuple(true, false));
  EXPECT_EQ(std::tuple(f.CountTrueBits(), f.FirstTrueBit()), std::tuple(2, 64));

  f.SetSize(100);  // drops bit 129
  f.SetSize(130);  // and it does not come back
  EXPECT_EQ(f, Field(130, {64}));

  f.Invert();  // the unused high bits of the last word stay clear
  EXPECT_EQ(std::tuple(f.CountTrueBits(), f.FirstTrueBit()), std::tuple(129, 0));
  TBitFld Copy = f.Clone();
  f.Clear();
  EXPECT_EQ(std::tuple(f.CountTrueBits(), Copy.CountTrueBits()), std::tuple(0, 129));

  EXPECT_THAT([&] { f.SetBit(130, true); },
              ::testing::ThrowsMessage<EQORError>("TBitFld.SetBit: index out of range"));
  EXPECT_THROW((void)f.GetBit(-1), EQORError);
  EXPECT_THROW(f.SetSize(-1), EQORError);
}

struct TLogicCase {
  TLogicOp Op;
  TBitFld Expected;  // bits 0..3 of a = 0011 combined with b = 0101, bits written low first
};

class BitFieldLogic : public ::testing::TestWithParam<TLogicCase> {};

TEST_P(BitFieldLogic, TruthTable) {
  TBitFld a = Field(4, {0, 1});
  a.CombineWith(Field(4, {0, 2}), GetParam().Op);
  EXPECT_EQ(a, GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Ops, BitFieldLogic,
    ::testing::Values(TLogicCase{loAnd, Field(4, {0})}, TLogicCase{loOr, Field(4, {0, 1, 2})},
                      TLogicCase{loXor, Field(4, {1, 2})}, TLogicCase{loAndNot, Field(4, {1})},
                      TLogicCase{loNand, Field(4, {1, 2, 3})}, TLogicCase{loNor, Field(4, {3})}));

TEST(BitField, ShorterOperandCountsAsFalse) {
  TBitFld Used = Field(70, {1, 2, 3, 65});
  Used.CombineWith(Field(3, {2}), loAndNot);  // a failed round returns object 2 to the pool
  EXPECT_EQ(Used, Field(70, {1, 3, 65}));
  Used.CombineWith(Field(3, {}), loNor);
  EXPECT_EQ(std::tuple(Used.CountTrueBits(), Used.Size()), std::tuple(70 - 3, 70));
}

}  // namespace
}  // namespace qor
