// Text helpers of the base library: replacing, trimming, searching, list look-up, splitting.
//
// Strings are UTF-8 byte strings; every routine works on bytes, so multi-byte characters pass
// through untouched (no byte of a multi-byte sequence is below 128). "Blanks" are the space and
// the tab; control characters are the bytes 0..31 and 127. Case-insensitive comparison folds
// ASCII letters only. Positions returned are 1-based, 0 meaning "not found"; no routine raises.
#pragma once

#include <algorithm>
#include <concepts>
#include <cstdint>
#include <initializer_list>
#include <ranges>
#include <string>
#include <string_view>
#include <vector>

namespace qor {

// Text with every occurrence of OldChar replaced by NewChar.
std::string ReplaceCharInString(std::string_view Text, char OldChar, char NewChar);

// Text without leading and trailing blanks.
std::string StripLTBlanks(std::string_view Text);

// Text without its control characters; everything else keeps its order.
std::string RemoveControlChars(std::string_view Text);

// Text without the run of TrailChar at its end.
std::string StripTrailingChars(char TrailChar, std::string_view Text);

// True when Part occurs in Text (case-sensitive); the empty Part occurs in every text.
bool StringContains(std::string_view Text, std::string_view Part);

// True when a and b are equal, ASCII letters compared without regard to case when IgnoreCase.
bool SameText(std::string_view a, std::string_view b, bool IgnoreCase);

// 1-based position of the first entry of List equal to Text, 0 when there is none.
// Comparison is case-sensitive unless IgnoreCase.
template <std::ranges::input_range TList>
requires std::convertible_to<std::ranges::range_reference_t<TList>, std::string_view> int32_t
StringIx(std::string_view Text, bool IgnoreCase, const TList& List) {
  int32_t Position = 0;
  for (const auto& Entry : List) {
    ++Position;
    if (SameText(Text, Entry, IgnoreCase)) return Position;
  }
  return 0;
}

template <std::ranges::input_range TList>
requires std::convertible_to<std::ranges::range_reference_t<TList>, std::string_view> int32_t
StringIx(std::string_view Text, const TList& List) {
  return StringIx(Text, false, List);
}

inline int32_t StringIx(std::string_view Text, bool IgnoreCase,
                        std::initializer_list<std::string_view> List) {
  return StringIx<std::initializer_list<std::string_view>>(Text, IgnoreCase, List);
}

inline int32_t StringIx(std::string_view Text, std::initializer_list<std::string_view> List) {
  return StringIx(Text, false, List);
}

// The pieces of Text between delimiters (any byte of Delimiters). A run of delimiters counts
// as one separator and delimiters at both ends are dropped, so no token is empty.
std::vector<std::string> Tokenize(std::string_view Text, std::string_view Delimiters = " ");

}  // namespace qor
