#include "qor/frame/strings.h"

namespace qor {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

bool IsControl(char c) {
  const auto Byte = static_cast<unsigned char>(c);
  return Byte < 32 || Byte == 127;
}

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

std::string ReplaceCharInString(std::string_view Text, char OldChar, char NewChar) {
  std::string Result(Text);
  std::ranges::replace(Result, OldChar, NewChar);
  return Result;
}

std::string StripLTBlanks(std::string_view Text) {
  const auto First = std::ranges::find_if_not(Text, IsBlank);
  const auto Last = std::find_if_not(Text.rbegin(), Text.rend(), IsBlank).base();
  return First < Last ? std::string(First, Last) : std::string();
}

std::string RemoveControlChars(std::string_view Text) {
  std::string Result;
  Result.reserve(Text.size());
  std::ranges::copy_if(Text, std::back_inserter(Result), [](char c) { return !IsControl(c); });
  return Result;
}

std::string StripTrailingChars(char TrailChar, std::string_view Text) {
  const size_t Last = Text.find_last_not_of(TrailChar);
  return Last == std::string_view::npos ? std::string() : std::string(Text.substr(0, Last + 1));
}

bool StringContains(std::string_view Text, std::string_view Part) {
  return Text.find(Part) != std::string_view::npos;
}

bool SameText(std::string_view a, std::string_view b, bool IgnoreCase) {
  if (!IgnoreCase) return a == b;
  return std::ranges::equal(a, b, [](char x, char y) { return LowerAscii(x) == LowerAscii(y); });
}

std::vector<std::string> Tokenize(std::string_view Text, std::string_view Delimiters) {
  std::vector<std::string> Tokens;
  size_t Start = Text.find_first_not_of(Delimiters);
  while (Start != std::string_view::npos) {
    const size_t End = Text.find_first_of(Delimiters, Start);
    Tokens.emplace_back(Text.substr(Start, End - Start));
    Start = Text.find_first_not_of(Delimiters, End);
  }
  return Tokens;
}

}  // namespace qor
