// ReadNextWordInTextFile and the number readers over arbitrary text: words hold no white space,
// every non-white byte is returned exactly once, and the reading ends at the end of the file.
#include "fuzz_check.h"
#include "qor/frame/asc_header.h"
#include "qor/frame/detail/scratch_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  using namespace qor;
  const std::string_view Text = fuzz::AsText(Data, Size);
  const detail::TScratchFile File(Text);
  TTextFile F(File.Name(), tfmRead);
  size_t WordBytes = 0;
  for (std::string Word = ReadNextWordInTextFile(F); !Word.empty();
       Word = ReadNextWordInTextFile(F)) {
    fuzz::Check(Word.find_first_of(" \t\r\n") == std::string::npos);
    WordBytes += Word.size();
  }
  fuzz::Check(F.Eof());
  size_t NonWhite = 0;
  for (const char c : Text) NonWhite += (c != ' ' && c != '\t' && c != '\r' && c != '\n');
  fuzz::Check(WordBytes == NonWhite);

  TTextFile Numbers(File.Name(), tfmRead);
  double x = 0;
  int32_t n = 0;
  for (size_t Step = 0; !Numbers.Eof() && Step <= Size; ++Step)
    (void)(Step % 2 ? Numbers.ReadDouble(x) : Numbers.ReadInteger(n));
  return 0;
}
