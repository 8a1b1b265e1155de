// ReadHeaderOfASC on arbitrary file contents: a code in -4..0, and on success sane fields.
#include "qor/frame/asc_header.h"

#include "fuzz_check.h"
#include "qor/frame/detail/scratch_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  using namespace qor;
  const detail::TScratchFile File(fuzz::AsText(Data, Size));
  std::string Comment;
  int32_t Columns = -1, Rows = -1;
  bool a, b, c, d;
  const int32_t Code = ReadHeaderOfASC(File.Name(), Comment, Columns, Rows, a, b, c, d);
  fuzz::Check(Code <= 0 && Code >= ascErrFlags && Code != ascErrCannotOpen);
  fuzz::Check(Columns >= 0 && Rows >= 0 && Comment.size() <= Size);
  return 0;
}
