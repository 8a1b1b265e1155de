// ParseQuotedName fed byte by byte (the first byte is the quote character): completed names
// never hold the quote character when they were quoted, nor white space when bare.
#include "qor/frame/quoted_name.h"

#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  using namespace qor;
  if (Size == 0) return 0;
  const char Quote = static_cast<char>(Data[0]);
  TQuotedStrState State = qssIdle;
  std::string Name;
  size_t Fed = 0;
  for (const char c : fuzz::AsText(Data + 1, Size - 1)) {
    const TQuotedStrState Before = State;
    ++Fed;
    if (!ParseQuotedName(c, Quote, State, Name)) continue;
    fuzz::Check(State == qssComplete && Name.size() < Fed);
    if (Before == qssQuoted) fuzz::Check(Name.find(Quote) == std::string::npos);
    if (Before == qssUnquoted) fuzz::Check(Name.find_first_of(" \t\r\n") == std::string::npos);
  }
  return 0;
}
