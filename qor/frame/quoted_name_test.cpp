#include "qor/frame/quoted_name.h"

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

namespace qor {
namespace {

// Feeds Text character by character and collects every completed name.
std::vector<std::string> Names(std::string_view Text, char Quote = '"') {
  TQuotedStrState State = qssIdle;
  std::string Name;
  std::vector<std::string> Result;
  for (const char c : Text)
    if (ParseQuotedName(c, Quote, State, Name)) Result.push_back(Name);
  return Result;
}

using List = std::vector<std::string>;

TEST(ParseQuotedName, QuotedNamesKeepBlanksAndLineBreaks) {
  EXPECT_EQ(Names("\"first col\"\t\"second\"\n"), (List{"first col", "second"}));
  EXPECT_EQ(Names("  \"two\nlines\""), List{"two\nlines"});
  EXPECT_EQ(Names("\"\""), List{""});
  EXPECT_EQ(Names("'it''s'", '\''), (List{"it", "s"}));
}

TEST(ParseQuotedName, BareWordsEndAtWhiteSpace) {
  EXPECT_EQ(Names("x   y\n"), (List{"x", "y"}));
  EXPECT_EQ(Names("\r\n\tname\"with\"quote "), List{"name\"with\"quote"});
  EXPECT_EQ(Names("unterminated"), List{});
}

}  // namespace
}  // namespace qor
