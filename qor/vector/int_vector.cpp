#include "qor/vector/int_vector.h"

#include <algorithm>
#include <cstdlib>
#include <string>

#include "qor/frame/errors.h"
#include "qor/vector/detail/histogram.h"

namespace qor {

int32_t TIntVector::FindExact(int32_t LowElem, int32_t HighElem, int32_t Value) const {
  MakeValidElemRange(LowElem, HighElem);
  for (int32_t i = LowElem; i <= HighElem; ++i)
    if (FVec[static_cast<size_t>(i - 1)] == Value) return i;
  return 0;
}

bool TIntVector::Histogram(int32_t FirstElem, int32_t LastElem, int32_t FirstBin, int32_t LastBin,
                           int32_t BinWidth, TIntVector& Histo, int32_t& Underflow,
                           int32_t& Overflow, int32_t& MaxCnt) const {
  const int64_t Width = std::max(BinWidth, 1);
  const int64_t NumBins = std::llabs(int64_t{LastBin} - FirstBin) / Width + 1;
  if (NumBins > 500) RaiseComponentError<EQORVectorError>(Name(), msg::kInvalidNumberOfBins);
  const int64_t End = int64_t{LastBin} + Width;
  detail::CountIntoBins(
      *this, FirstElem, LastElem, static_cast<int32_t>(NumBins),
      [=](int32_t x) -> int64_t {
        if (x < FirstBin) return detail::kUnderflow;
        if (x >= End) return detail::kOverflow;
        return (x - int64_t{FirstBin}) / Width + 1;
      },
      Histo, Underflow, Overflow, MaxCnt);
  return true;
}

int32_t TIntVector::ExportAsASC(const std::string& FileName, const std::string& Comment) const {
  return WriteASC(FileName, Comment, [](int32_t x) { return std::to_string(x); });
}

bool TIntVector::StoreOnFile(int32_t FirstElem, int32_t LastElem,
                             const std::string& FileName) const {
  return WriteElemFile(FirstElem, LastElem, FileName, [](int32_t x) { return std::to_string(x); });
}

}  // namespace qor
