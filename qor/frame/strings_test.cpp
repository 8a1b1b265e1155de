#include "qor/frame/strings.h"

#include <gtest/gtest.h>

#include <array>

namespace qor {
namespace {

using Tokens = std::vector<std::string>;

TEST(StringEditing, ReplacesStripsAndRemoves) {
  EXPECT_EQ(ReplaceCharInString("a\nb\nc", '\n', ' '), "a b c");
  EXPECT_EQ(ReplaceCharInString("", 'x', 'y'), "");

  EXPECT_EQ(StripLTBlanks(" \t two words\t  "), "two words");
  EXPECT_EQ(StripLTBlanks(" \t "), "");
  EXPECT_EQ(StripLTBlanks("\nkept\n"), "\nkept\n");  // line breaks are not blanks

  EXPECT_EQ(RemoveControlChars("a\tb\r\n\x7f"
                               "c\x01"),
            "abc");
  EXPECT_EQ(RemoveControlChars("25 \u00b0C"), "25 \u00b0C");  // UTF-8 bytes stay

  EXPECT_EQ(StripTrailingChars('"', "name\"\"\""), "name");
  EXPECT_EQ(StripTrailingChars('"', "\"quoted\" here"), "\"quoted\" here");
  EXPECT_EQ(StripTrailingChars('x', "xxx"), "");
}

TEST(StringSearch, ContainsAndListPosition) {
  EXPECT_TRUE(StringContains("1.5 //dig", "//dig"));
  EXPECT_FALSE(StringContains("1.5 //Dig", "//dig"));
  EXPECT_TRUE(StringContains("any", ""));
  EXPECT_FALSE(StringContains("", "a"));

  const std::array<std::string, 3> Modes = {"euclidean", "manhattan", "mahalanobis"};
  EXPECT_EQ(StringIx("manhattan", Modes), 2);
  EXPECT_EQ(StringIx("Manhattan", Modes), 0);
  EXPECT_EQ(StringIx("Manhattan", true, Modes), 2);
  EXPECT_EQ(StringIx("manhatta", true, Modes), 0);
  EXPECT_EQ(StringIx(".png", {".bmp", ".png", ".jpg"}), 2);
  EXPECT_EQ(StringIx(".PNG", true, {".bmp", ".png", ".jpg"}), 2);
  EXPECT_EQ(StringIx("", {"a", ""}), 2);
}

TEST(StringSearch, TokenizeDropsEmptyPieces) {
  EXPECT_EQ(Tokenize("sig=\"Q\"  vers=\"1.000\" id=\"x\""),
            (Tokens{"sig=\"Q\"", "vers=\"1.000\"", "id=\"x\""}));
  EXPECT_EQ(Tokenize(";;a;b,,c;", ";,"), (Tokens{"a", "b", "c"}));
  EXPECT_EQ(Tokenize("   "), Tokens{});
  EXPECT_EQ(Tokenize("whole", ""), Tokens{"whole"});
}

}  // namespace
}  // namespace qor
