#include "qor/frame/mixed_fstream.h"

#include <gtest/gtest.h>

#include <limits>

#include "qor/frame/detail/scratch_file.h"

namespace qor {
namespace {

TEST(MixedFStream, ReadsBackInTheOrderWritten) {
  const detail::TScratchFile File;
  {
    TMixedFStream Out(File.Name(), fmCreate);
    Out.WriteLn("TMemBasedLearner/Vestrik");
    Out.WriteInteger(-150);
    Out.WriteDouble(0.1);
    Out.WriteByte(255);
    Out.WriteLn("");
    Out.WriteLn("25 \u00b0C");
    Out.WriteDouble(-std::numeric_limits<double>::infinity());
  }
  EXPECT_EQ(File.Read().size(), 25 + 4 + 8 + 1 + 1 + 7 + 8);

  TMixedFStream In(File.Name(), fmOpenRead);
  bool Ok = false;
  EXPECT_EQ(In.ReadLn(Ok), "TMemBasedLearner/Vestrik");
  EXPECT_TRUE(Ok);
  EXPECT_EQ(In.ReadInteger(Ok), -150);
  EXPECT_EQ(In.ReadDouble(Ok), 0.1);
  EXPECT_EQ(In.ReadByte(Ok), 255);
  EXPECT_EQ(In.ReadLn(Ok), "");
  EXPECT_TRUE(Ok);
  EXPECT_EQ(In.ReadLn(Ok), "25 \u00b0C");
  EXPECT_EQ(In.ReadDouble(Ok), -std::numeric_limits<double>::infinity());
  EXPECT_TRUE(Ok);

  // At the end every read fails with the default value.
  EXPECT_EQ(In.ReadByte(Ok), 0);
  EXPECT_FALSE(Ok);
  EXPECT_EQ(In.ReadInteger(Ok), 0);
  EXPECT_FALSE(Ok);
  EXPECT_EQ(In.ReadDouble(Ok), 0.0);
  EXPECT_FALSE(Ok);
  EXPECT_EQ(In.ReadLn(Ok), "");
  EXPECT_FALSE(Ok);
}

TEST(MixedFStream, ShortValuesAndForeignLineEnds) {
  const detail::TScratchFile File("dos line\r\nlast\x01\x02");
  TMixedFStream In(File.Name(), fmOpenRead);
  bool Ok = false;
  EXPECT_EQ(In.ReadLn(Ok), "dos line");
  const int64_t BeforeShortRead = In.Position();
  EXPECT_EQ(In.ReadDouble(Ok), 0.0);  // 6 bytes left
  EXPECT_FALSE(Ok);
  EXPECT_EQ(In.Position(), BeforeShortRead);
  EXPECT_EQ(In.ReadLn(Ok), "last\x01\x02");  // a last line without its LF
  EXPECT_TRUE(Ok);
}

}  // namespace
}  // namespace qor
