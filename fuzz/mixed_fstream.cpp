// TMixedFStream reads over arbitrary file contents, in an order taken from the data itself:
// a read either succeeds and advances or fails and leaves the position where it was.
#include "qor/frame/mixed_fstream.h"

#include "fuzz_check.h"
#include "qor/frame/detail/scratch_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  using namespace qor;
  const detail::TScratchFile File(fuzz::AsText(Data, Size));
  TMixedFStream In(File.Name(), fmOpenRead);
  const int64_t End = static_cast<int64_t>(Size);
  for (size_t Step = 0;; ++Step) {
    const int64_t Before = In.Position();
    bool Ok = false;
    switch (Size == 0 ? 0 : Data[Step % Size] % 4) {
      case 0:
        (void)In.ReadByte(Ok);
        break;
      case 1:
        (void)In.ReadInteger(Ok);
        break;
      case 2:
        (void)In.ReadDouble(Ok);
        break;
      default:
        (void)In.ReadLn(Ok);
        break;
    }
    const int64_t After = In.Position();
    fuzz::Check(Ok ? After > Before : After == Before);
    fuzz::Check(After <= End);
    if (!Ok) break;
  }
  return 0;
}
