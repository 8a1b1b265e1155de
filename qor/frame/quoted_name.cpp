#include "qor/frame/quoted_name.h"

namespace qor {
namespace {

bool IsWhiteSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

}  // namespace

bool ParseQuotedName(char InChar, char QuoteChar, TQuotedStrState& State, std::string& Name) {
  switch (State) {
    case qssQuoted:
      if (InChar == QuoteChar) {
        State = qssComplete;
        return true;
      }
      Name.push_back(InChar);
      return false;
    case qssUnquoted:
      if (IsWhiteSpace(InChar)) {
        State = qssComplete;
        return true;
      }
      Name.push_back(InChar);
      return false;
    case qssIdle:
    case qssComplete:
      break;
  }
  if (IsWhiteSpace(InChar)) {
    State = qssIdle;
    return false;
  }
  Name.clear();
  if (InChar == QuoteChar) {
    State = qssQuoted;
  } else {
    State = qssUnquoted;
    Name.push_back(InChar);
  }
  return false;
}

}  // namespace qor
