// LoadFromStream of both vector classes on arbitrary bytes. The first input byte picks the
// class and whether the vector is resized; the rest is the stream. A successful load stores
// the range it named; whatever was loaded, SaveToStream of the whole vector and a second
// LoadFromStream into a fresh vector give back exactly the same values.
#include <cmath>
#include <memory>
#include <type_traits>

#include "fuzz_check.h"
#include "qor/frame/streams.h"
#include "qor/vector/int_vector.h"
#include "qor/vector/vector.h"
#include "vector_check.h"

namespace {

// AdjustVectorSize resizes to the stream's Last bound, as documented; beyond this the harness
// would measure the allocator, not the reader.
constexpr long double kLargestAdjustedSize = 1 << 12;

// Last as the reader will see it (the second value of the stream), or 0 when it does not read;
// leaves the stream at its start.
template <class Vec>
long double LastBound(qor::TMemoryStream& In) {
  In.SetPosition(0);
  long double Last = 0;
  if constexpr (std::is_same_v<Vec, qor::TVector>) {
    if (!qor::ReadExtendedFromStream(In, Last) || !qor::ReadExtendedFromStream(In, Last)) Last = 0;
  } else {
    int32_t Bound = 0;
    if (qor::ReadLongintFromStream(In, Bound) && qor::ReadLongintFromStream(In, Bound))
      Last = Bound;
  }
  In.SetPosition(0);
  return Last;
}

template <class Vec>
void LoadAndRoundTrip(const uint8_t* Data, size_t Size, bool WantAdjust) {
  using namespace qor;
  TMemoryStream In;
  In.Write(Data, static_cast<int64_t>(Size));
  // NaN compares false, so it also disables resizing.
  const bool Adjust = WantAdjust && LastBound<Vec>(In) <= kLargestAdjustedSize;
  Vec V;
  V.Resize(4);
  if (V.LoadFromStream(&In, Adjust))
    fuzz::Check(std::nearbyint(LastBound<Vec>(In)) <= V.NrOfElem());

  std::unique_ptr<TMemoryStream> Out;
  V.SaveToStream(Out, 0, 0);
  fuzz::Check(Out != nullptr);
  Out->SetPosition(0);
  Vec Back;
  fuzz::Check(Back.LoadFromStream(Out.get(), true));
  fuzz::CheckSameElements(V.Data(), Back.Data());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  if (Size == 0) return 0;
  const bool Adjust = (Data[0] & 1) != 0;
  if ((Data[0] & 2) != 0)
    LoadAndRoundTrip<qor::TIntVector>(Data + 1, Size - 1, Adjust);
  else
    LoadAndRoundTrip<qor::TVector>(Data + 1, Size - 1, Adjust);
  return 0;
}
