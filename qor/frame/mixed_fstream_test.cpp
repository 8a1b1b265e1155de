#include "qor/frame/mixed_fstream.h"

#include <gtest/gtest.h>

#include <limits>
#include <tuple>

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
  EXPECT_EQ(In.ReadLn(Ok), "25 \u00b0C");
  EXPECT_EQ(In.ReadDouble(Ok), -std::numeric_limits<double>::infinity());
  EXPECT_TRUE(Ok);

  // At the end every read fails with the default value.
  bool Ok1 = true, Ok2 = true, Ok3 = true, Ok4 = true;
  EXPECT_EQ(std::tuple(In.ReadByte(Ok1), In.ReadInteger(Ok2), In.ReadDouble(Ok3), In.ReadLn(Ok4)),
            std::tuple(0, 0, 0.0, ""));
  EXPECT_EQ(std::tuple(Ok1, Ok2, Ok3, Ok4), std::tuple(false, false, false, false));
}

TEST(MixedFStream, ShortValuesAndForeignLineEnds) {
  const detail::TScratchFile File("dos line\r\nlast\x01\x02");
  TMixedFStream In(File.Name(), fmOpenRead);
  bool Ok = false;
  EXPECT_EQ(In.ReadLn(Ok), "dos line");
  const int64_t BeforeShortRead = In.Position();
  EXPECT_EQ(In.ReadDouble(Ok), 0.0);  // 6 bytes left
  EXPECT_EQ(std::tuple(Ok, In.Position()), std::tuple(false, BeforeShortRead));
  EXPECT_EQ(In.ReadLn(Ok), "last\x01\x02");  // a last line without its LF
  EXPECT_TRUE(Ok);
}

}  // namespace
}  // namespace qor
