// Extended and longint readers over arbitrary bytes: values read and written again reproduce
// the bytes consumed, and a failed read consumes nothing.
#include <cstring>

#include "fuzz_check.h"
#include "qor/frame/streams.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  using namespace qor;
  TMemoryStream In, Out;
  In.Write(Data, static_cast<int64_t>(Size));
  In.SetPosition(0);
  for (size_t Step = 0;; ++Step) {
    const int64_t Before = In.Position();
    bool Ok;
    if (Size > 0 && Data[Step % Size] & 1) {
      long double x = 0;
      Ok = ReadExtendedFromStream(In, x);
      if (Ok) WriteExtendedToStream(Out, x);
    } else {
      int32_t n = 0;
      Ok = ReadLongintFromStream(In, n);
      if (Ok) WriteLongintToStream(Out, n);
    }
    if (!Ok) {
      fuzz::Check(In.Position() == Before);
      break;
    }
  }
  const int64_t Consumed = In.Position();
  fuzz::Check(Out.Size() == Consumed);
  fuzz::Check(Consumed == 0 || std::memcmp(Out.Memory().data(), Data, Consumed) == 0);
  return 0;
}
