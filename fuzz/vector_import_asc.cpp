// ImportASC of both vector classes on arbitrary file contents: a documented code, a vector of
// at least one element, and on success an export that imports back to the same values (exact
// for integers; for doubles within the 20 decimals written plus the rounding back to double).
#include <cfloat>
#include <cmath>
#include <string>

#include "fuzz_check.h"
#include "qor/frame/asc_header.h"
#include "qor/frame/detail/scratch_file.h"
#include "qor/vector/int_vector.h"
#include "qor/vector/vector.h"
#include "vector_check.h"

namespace {

constexpr int32_t kWidestDecimals = 20;
// A value written with kWidestDecimals decimals is off by half a unit in its last decimal,
// and reading the text back rounds once more to the nearest double.
double ExportSlack(double x) {
  return 0.5 * std::pow(10.0, -kWidestDecimals) + std::fabs(x) * DBL_EPSILON;
}

// Imports File into Vec and checks the code; on success exports, re-imports and compares.
template <class Vec, class Export, class SlackOf>
void ImportAndRoundTrip(const qor::detail::TScratchFile& File, Export ExportTo, SlackOf Slack) {
  using namespace qor;
  Vec V;
  std::string Comment;
  const int32_t Code = V.ImportASC(File.Name(), Comment);
  fuzz::Check(Code <= 0 && Code >= -7 && Code != ascErrCannotOpen);
  fuzz::Check(V.NrOfElem() >= 1);
  if (Code != 0) return;
  const detail::TScratchFile Copy;
  fuzz::Check(ExportTo(V, Copy.Name()) == 0);
  Vec Back;
  fuzz::Check(Back.ImportASC(Copy.Name(), Comment) == 0);
  fuzz::CheckSameElements(V.Data(), Back.Data(), Slack);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  using namespace qor;
  const detail::TScratchFile File(fuzz::AsText(Data, Size));
  ImportAndRoundTrip<TVector>(
      File,
      [](const TVector& V, const std::string& Name) {
        return V.ExportAsASC(Name, kWidestDecimals, "");
      },
      ExportSlack);
  ImportAndRoundTrip<TIntVector>(
      File, [](const TIntVector& V, const std::string& Name) { return V.ExportAsASC(Name, ""); },
      [](double) { return 0.0; });
  return 0;
}
