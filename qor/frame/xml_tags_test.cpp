#include "qor/frame/xml_tags.h"

#include <gtest/gtest.h>

#include <array>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

#include "qor/frame/detail/scratch_file.h"

namespace qor {
namespace {

struct TTagText {
  std::string Name, Attributes, Content;
  friend bool operator==(const TTagText&, const TTagText&) = default;
};

enum TSourceKind { skString, skTextFile };

// Every element of Document's top level, read from a string or a file.
std::vector<TTagText> ReadAll(TSourceKind Kind, std::string_view Document) {
  std::vector<TTagText> Result;
  TXmlTag Tag;
  if (Kind == skString) {
    int32_t At = 0;
    while (ReadNextTagInString(Document, At, Tag))
      Result.push_back({Tag.Name, Tag.Attributes, Tag.Content});
    EXPECT_EQ(At, static_cast<int32_t>(Document.size()));
  } else {
    const detail::TScratchFile File(Document);
    TTextFile F(File.Name(), tfmRead);
    while (ReadNextTagInTextFile(F, Tag)) Result.push_back({Tag.Name, Tag.Attributes, Tag.Content});
    EXPECT_TRUE(F.Eof());
  }
  return Result;
}

using Tags = std::vector<TTagText>;

class XmlTagReader : public ::testing::TestWithParam<TSourceKind> {};

TEST_P(XmlTagReader, ReadsTheTopLevelTolerantlyAndStopsAtBrokenMarkup) {
  const std::pair<std::string_view, Tags> Cases[] = {
      // Declarations and comments are skipped; nested content stays raw.
      {"<?xml version=\"1.0\"?>\n<!-- a <comment> -->\n"
       "<membasedlearner sig=\"Q\" id=\"m1\">\n<comment>two > one</comment>"
       "<modeldata><datatable><size>3</size></datatable></modeldata></membasedlearner>\ntail",
       {{"membasedlearner", "sig=\"Q\" id=\"m1\"",
         "\n<comment>two > one</comment><modeldata><datatable><size>3</size>"
         "</datatable></modeldata>"}}},
      // Elements of the same name nest; a quoted '>' does not end a tag.
      {"<a><a>in</a><b/></a><c x='>' />", {{"a", "", "<a>in</a><b/>"}, {"c", "x='>'", ""}}},
      // Missing and stray end tags are tolerated.
      {"<matrix>\n<numcols>2</numcols><cell ix=\"1\">1.5E3</cell>",
       {{"matrix", "", ""}, {"numcols", "", "2"}, {"cell", "ix=\"1\"", "1.5E3"}}},
      {"</matrix> <x>", {{"/matrix", "", ""}, {"x", "", ""}}},
      // An unclosed tag or plain text ends the walk.
      {"<ok>1</ok><broken attr=\"x", {{"ok", "", "1"}}},
      {"no markup at all", {}},
      {"<!-- never closed >", {}},
      {"", {}}};
  for (const auto& [Document, Expected] : Cases)
    EXPECT_EQ(ReadAll(GetParam(), Document), Expected) << Document;
}

INSTANTIATE_TEST_SUITE_P(Sources, XmlTagReader, ::testing::Values(skString, skTextFile));

TEST(XmlTagList, MapsNamesToListPositions) {
  constexpr std::array<std::string_view, 3> Vocabulary = {"numcols", "matrix", "/matrix"};
  const std::string Doc = "<matrix><numcols>3</numcols></matrix></matrix><Cell>";
  int32_t At = 0;
  int32_t Ix = -2;
  std::string Attr, Content;
  ASSERT_TRUE(ReadNextTagInString(Doc, At, Vocabulary, Ix, Attr, Content));
  EXPECT_EQ(std::tuple(Ix, Content), std::tuple(1, "<numcols>3</numcols>"));
  const std::string Inner = Content;
  int32_t InnerAt = 0;
  ASSERT_TRUE(ReadNextTagInString(Inner, InnerAt, Vocabulary, Ix, Attr, Content));
  EXPECT_EQ(std::tuple(Ix, Content), std::tuple(0, "3"));
  ASSERT_TRUE(ReadNextTagInString(Doc, At, Vocabulary, Ix, Attr, Content));
  EXPECT_EQ(Ix, 2);
  ASSERT_TRUE(ReadNextTagInString(Doc, At, Vocabulary, Ix, Attr, Content));
  EXPECT_EQ(Ix, -1);  // names are compared case-sensitively
  EXPECT_FALSE(ReadNextTagInString(Doc, At, Vocabulary, Ix, Attr, Content));
}

}  // namespace
}  // namespace qor
