// LoadFromFile of both vector classes, in its two-argument form and (double vector) with
// AutoDetect, on arbitrary file contents. The first input byte picks the form and whether the
// vector is resized; the rest is the file. Whatever was loaded, StoreOnFile with the widest
// exponential form (doubles) or in decimal (integers) and a second LoadFromFile into a fresh
// vector give back exactly the same values.
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "qor/frame/detail/scratch_file.h"
#include "qor/frame/text_file.h"
#include "qor/vector/int_vector.h"
#include "qor/vector/vector.h"
#include "vector_check.h"

namespace {

// AdjustVectorSize resizes to the file's Last bound, as documented; beyond this the harness
// would measure the allocator, not the reader.
constexpr int32_t kLargestAdjustedSize = 1 << 12;
constexpr int32_t kExactExponentialForm = -2;

// Last as LoadFromFile will read it, or 0 when the bounds do not read.
int32_t LastBound(const std::string& FileName) {
  qor::TTextFile F;
  int32_t First = 0, Last = 0;
  if (!F.Open(FileName, qor::tfmRead) || !F.ReadInteger(First) || !F.ReadInteger(Last)) return 0;
  return Last;
}

template <class Vec, class Store>
void CheckRoundTrip(const Vec& V, Store StoreTo) {
  const qor::detail::TScratchFile Copy;
  qor::fuzz::Check(StoreTo(V, Copy.Name()));
  Vec Back;
  qor::fuzz::Check(Back.LoadFromFile(Copy.Name(), true));
  qor::fuzz::CheckSameElements(V.Data(), Back.Data());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  using namespace qor;
  if (Size == 0) return 0;
  const uint8_t Form = Data[0];
  const detail::TScratchFile File(fuzz::AsText(Data + 1, Size - 1));
  const bool Adjust = (Form & 1) != 0 && LastBound(File.Name()) <= kLargestAdjustedSize;
  auto StoreDoubles = [](const TVector& V, const std::string& Name) {
    return V.StoreOnFile(0, 0, kExactExponentialForm, Name);
  };
  switch ((Form >> 1) % 3) {
    case 0: {
      TVector V;
      V.Resize(4);
      const bool Loaded = V.LoadFromFile(File.Name(), Adjust);
      if (Loaded) fuzz::Check(LastBound(File.Name()) <= V.NrOfElem());
      CheckRoundTrip(V, StoreDoubles);
      break;
    }
    case 1: {
      TIntVector V;
      V.Resize(4);
      V.LoadFromFile(File.Name(), Adjust);
      CheckRoundTrip(V, [](const TIntVector& W, const std::string& Name) {
        return W.StoreOnFile(0, 0, Name);
      });
      break;
    }
    default: {
      TVector V;
      // The file opens, so the second pass always begins.
      fuzz::Check(V.LoadFromFile(File.Name(), (Form & 1) != 0, true));
      CheckRoundTrip(V, StoreDoubles);
      break;
    }
  }
  return 0;
}
