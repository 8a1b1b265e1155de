#include "qor/frame/xml_tags.h"

#include <algorithm>

namespace qor {
namespace {

class TStringSource {
 public:
  TStringSource(std::string_view Text, int64_t Start) : FText(Text), FPos(Start) {}
  bool Get(char& c) {
    if (FPos >= static_cast<int64_t>(FText.size())) return false;
    c = FText[static_cast<size_t>(FPos++)];
    return true;
  }
  int64_t Position() const { return FPos; }
  void Seek(int64_t Offset) { FPos = Offset; }

 private:
  std::string_view FText;
  int64_t FPos;
};

class TFileSource {
 public:
  explicit TFileSource(TTextFile& F) : FFile(F) {}
  bool Get(char& c) { return FFile.ReadChar(c); }
  int64_t Position() const { return FFile.Position(); }
  void Seek(int64_t Offset) { FFile.Seek(Offset); }

 private:
  TTextFile& FFile;
};

enum TMarkupKind : uint8_t { mkStartTag, mkEmptyTag, mkEndTag, mkOther };

bool IsWhiteSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsWhiteSpace(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsWhiteSpace(s.back())) s.remove_suffix(1);
  return s;
}

// Reads the markup after a "<" up to its closing ">" (not stored). Comments end only at "-->";
// elsewhere a ">" inside quotes belongs to an attribute value. False when the input ends first.
template <class TSource>
bool ReadMarkup(TSource& In, std::string& Markup) {
  Markup.clear();
  char Quote = 0;
  char c;
  while (In.Get(c)) {
    const bool InComment = Markup.starts_with("!--");
    if (c == '>' && Quote == 0 && (!InComment || (Markup.size() >= 5 && Markup.ends_with("--"))))
      return true;
    if (!InComment) {
      if (Quote == 0 && (c == '"' || c == '\''))
        Quote = c;
      else if (c == Quote)
        Quote = 0;
    }
    Markup.push_back(c);
  }
  return false;
}

// Splits markup into its kind, name ("/name" for an end tag) and attribute text.
TMarkupKind Classify(std::string_view Markup, std::string_view& Name, std::string_view& Attr) {
  if (Markup.empty() || Markup.front() == '!' || Markup.front() == '?') return mkOther;
  TMarkupKind Kind = mkStartTag;
  if (Markup.front() == '/') {
    Kind = mkEndTag;  // the name keeps its "/"
  } else if (Markup.back() == '/') {
    Kind = mkEmptyTag;
    Markup.remove_suffix(1);
  }
  const auto NameEnd = std::ranges::find_if(Markup, IsWhiteSpace);
  Name = std::string_view(Markup.begin(), NameEnd);
  Attr = Trim(std::string_view(NameEnd, Markup.end()));
  return Kind;
}

// Collects the content of element Name up to its matching end tag. False (content dropped)
// when the input ends before it.
template <class TSource>
bool ReadContent(TSource& In, std::string_view Name, std::string& Content) {
  int32_t Depth = 0;
  std::string Markup;
  char c;
  while (In.Get(c)) {
    if (c != '<') {
      Content.push_back(c);
      continue;
    }
    if (!ReadMarkup(In, Markup)) return false;
    std::string_view InnerName, InnerAttr;
    const TMarkupKind Kind = Classify(Markup, InnerName, InnerAttr);
    if (Kind == mkEndTag && InnerName.substr(1) == Name && Depth-- == 0) return true;
    if (Kind == mkStartTag && InnerName == Name) ++Depth;
    Content.append("<").append(Markup).append(">");
  }
  return false;
}

template <class TSource>
bool ReadNextTag(TSource& In, TXmlTag& Tag) {
  Tag = TXmlTag();
  std::string Markup;
  for (;;) {
    char c;
    do {
      if (!In.Get(c)) return false;
    } while (c != '<');
    if (!ReadMarkup(In, Markup)) return false;
    std::string_view Name, Attr;
    const TMarkupKind Kind = Classify(Markup, Name, Attr);
    if (Kind == mkOther) continue;
    Tag.Name = Name;
    Tag.Attributes = Attr;
    if (Kind == mkStartTag) {
      const int64_t AfterStartTag = In.Position();
      if (!ReadContent(In, Name, Tag.Content)) {
        Tag.Content.clear();
        In.Seek(AfterStartTag);
      }
    }
    return true;
  }
}

}  // namespace

bool ReadNextTagInString(std::string_view Text, int32_t& StartAt, TXmlTag& Tag) {
  TStringSource In(Text, std::clamp<int64_t>(StartAt, 0, static_cast<int64_t>(Text.size())));
  const bool Found = ReadNextTag(In, Tag);
  StartAt = static_cast<int32_t>(In.Position());
  return Found;
}

bool ReadNextTagInTextFile(TTextFile& F, TXmlTag& Tag) {
  TFileSource In(F);
  return ReadNextTag(In, Tag);
}

}  // namespace qor
