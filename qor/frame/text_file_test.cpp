#include "qor/frame/text_file.h"

#include <gtest/gtest.h>

#include <tuple>

#include "qor/frame/asc_header.h"
#include "qor/frame/detail/scratch_file.h"
#include "qor/frame/errors.h"

namespace qor {
namespace {

TEST(TextFile, WritesLinesAndReadsThemBack) {
  const detail::TScratchFile File;
  {
    TTextFile Out(File.Name(), tfmRewrite);
    Out.WriteLn("first");
    Out.Write("sec");
    Out.WriteLn("ond");
  }
  {
    TTextFile More(File.Name(), tfmAppend);
    More.Write("third, no line end");
  }
  EXPECT_EQ(File.Read(), "first\nsecond\nthird, no line end");

  TTextFile In(File.Name(), tfmRead);
  std::string First, Second, Third, Past = "x";
  EXPECT_TRUE(In.ReadLine(First) && In.ReadLine(Second) && In.ReadLine(Third));
  EXPECT_EQ(std::tuple(First, Third, In.Eof()), std::tuple("first", "third, no line end", true));
  EXPECT_FALSE(In.ReadLine(Past));
  EXPECT_EQ(Past, "");
}

TEST(TextFile, CharactersLinesAndPositions) {
  const detail::TScratchFile File("ab\r\n\r\nc");
  TTextFile In(File.Name(), tfmRead);
  char c = 0;
  EXPECT_TRUE(In.ReadChar(c));
  EXPECT_EQ(std::tuple(c, In.Eoln()), std::tuple('a', false));
  const int64_t AtB = In.Position();
  std::string Line;
  EXPECT_TRUE(In.ReadLine(Line));
  EXPECT_EQ(std::tuple(Line, In.Eoln()), std::tuple("b", true));  // CR LF read like LF
  EXPECT_TRUE(In.ReadLine(Line));
  EXPECT_EQ(Line, "");
  In.Seek(AtB);
  EXPECT_TRUE(In.PeekChar(c));
  EXPECT_EQ(c, 'b');
}

TEST(TextFile, WordsAndNumbers) {
  const detail::TScratchFile File(" 1.5\t-2e-3\r\n NAN ### +7  12x 2147483648 -42");
  TTextFile In(File.Name(), tfmRead);
  double x = 0, y = 0;
  EXPECT_TRUE(In.ReadDouble(x) && In.ReadDouble(y));
  EXPECT_EQ(std::tuple(x, y), std::tuple(1.5, -2e-3));
  EXPECT_EQ(ReadNextWordInTextFile(In), "NAN");
  EXPECT_EQ(ReadNextWordInTextFile(In), "###");
  EXPECT_TRUE(In.ReadDouble(x));
  EXPECT_FALSE(In.ReadDouble(x));  // "12x" is consumed but does not convert
  EXPECT_EQ(x, 7);
  int32_t n = 5;
  EXPECT_FALSE(In.ReadInteger(n));  // beyond the 32-bit range
  EXPECT_TRUE(In.ReadInteger(n));
  EXPECT_EQ(n, -42);
  EXPECT_EQ(ReadNextWordInTextFile(In), "");
  EXPECT_FALSE(In.ReadInteger(n));
}

TEST(TextFile, MisuseRaisesInOutErrors) {
  const detail::TScratchFile File("x");
  TTextFile In(File.Name(), tfmRead);
  EXPECT_THROW(In.WriteLn("no"), EInOutError);
  TTextFile Closed;
  char c;
  EXPECT_THROW(Closed.ReadChar(c), EInOutError);
  EXPECT_FALSE(Closed.Open(File.Name() + ".missing", tfmRead));
  EXPECT_THROW(TTextFile(File.Name() + ".missing", tfmRead), EInOutError);
}

}  // namespace
}  // namespace qor
