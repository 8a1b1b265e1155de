// ParseQuotedName: a character-at-a-time reader of one name, for callers that read a file
// character by character and want to skip or collect names such as the column names of an
// ASC file.
//
// A name is either enclosed in the quote character (it may then hold blanks, tabs and line
// breaks, but not the quote character itself) or a bare word ending at the next blank, tab or
// line break. White space before a name is skipped. The state lives with the caller, so
// several parsers can run at once. The routine never raises.
#pragma once

#include <cstdint>
#include <string>

namespace qor {

enum TQuotedStrState : uint8_t {
  qssIdle,      // before a name: white space is skipped
  qssQuoted,    // inside a quoted name
  qssUnquoted,  // inside a bare word
  qssComplete,  // the last character completed a name; the next one starts the next name
};

// Feeds one character. Returns true when InChar completes the name, which is then in Name
// (without quotes, bare words without the terminating white space). The character that ends a
// bare word is consumed. Name is cleared when a new name begins.
bool ParseQuotedName(char InChar, char QuoteChar, TQuotedStrState& State, std::string& Name);

}  // namespace qor
