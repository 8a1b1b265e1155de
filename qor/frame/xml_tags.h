// Readers of the next XML element in a string or an open text file.
//
// A call skips text up to the next tag, passes over comments (<!-- -->), processing
// instructions (<? ?>) and declarations (<! >), and returns one element: its name, the raw
// attribute text between the name and ">" (trimmed; "id=\"7\" n=\"2\""), and its content: the
// raw text between the start tag and the matching end tag, nested elements included (elements
// of the same name nest). The read position then lies after the end tag, so the caller walks a
// document's top level element by element and descends by reading the content again.
//
// Irregular input never raises: a self-closing tag ("<a/>") has empty content; an end tag
// without a start tag is returned by itself with the name "/name"; a start tag whose end tag is
// missing is returned with empty content and reading goes on right after it; a ">" inside
// quoted attribute values does not end a tag. The result is false when no further tag exists
// or the last tag is not closed by ">". Entities are not decoded. String positions are 0-based
// byte offsets.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "qor/frame/strings.h"
#include "qor/frame/text_file.h"

namespace qor {

struct TXmlTag {
  std::string Name;
  std::string Attributes;
  std::string Content;
};

// Reads the next element of Text from byte offset StartAt, which then points past it.
bool ReadNextTagInString(std::string_view Text, int32_t& StartAt, TXmlTag& Tag);

// Reads the next element from the current position of a file opened for reading.
bool ReadNextTagInTextFile(TTextFile& F, TXmlTag& Tag);

// The forms with a tag list: TagIx receives the 0-based position of the element's name in
// TagNames (compared case-sensitively, end tags as "/name"), or -1 when it is not listed.
template <class TList>
bool ReadNextTagInString(std::string_view Text, int32_t& StartAt, const TList& TagNames,
                         int32_t& TagIx, std::string& Attributes, std::string& Content) {
  TXmlTag Tag;
  if (!ReadNextTagInString(Text, StartAt, Tag)) return false;
  TagIx = StringIx(Tag.Name, TagNames) - 1;
  Attributes = std::move(Tag.Attributes);
  Content = std::move(Tag.Content);
  return true;
}

template <class TList>
bool ReadNextTagInTextFile(TTextFile& F, const TList& TagNames, int32_t& TagIx,
                           std::string& Attributes, std::string& Content) {
  TXmlTag Tag;
  if (!ReadNextTagInTextFile(F, Tag)) return false;
  TagIx = StringIx(Tag.Name, TagNames) - 1;
  Attributes = std::move(Tag.Attributes);
  Content = std::move(Tag.Content);
  return true;
}

}  // namespace qor
