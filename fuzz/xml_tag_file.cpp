// ReadNextTagInTextFile on arbitrary file contents must return exactly what the string reader
// returns for the same text.
#include "fuzz_check.h"
#include "qor/frame/detail/scratch_file.h"
#include "qor/frame/xml_tags.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  using namespace qor;
  const std::string_view Text = fuzz::AsText(Data, Size);
  const detail::TScratchFile File(Text);
  TTextFile F(File.Name(), tfmRead);
  int32_t At = 0;
  TXmlTag FromFile, FromString;
  for (;;) {
    const bool FileFound = ReadNextTagInTextFile(F, FromFile);
    const bool StringFound = ReadNextTagInString(Text, At, FromString);
    fuzz::Check(FileFound == StringFound);
    if (!FileFound) break;
    fuzz::Check(FromFile.Name == FromString.Name && FromFile.Attributes == FromString.Attributes &&
                FromFile.Content == FromString.Content);
    fuzz::Check(F.Position() == At);
  }
  return 0;
}
