// TIntVector: a component holding a one-dimensional vector of 32-bit signed integers, indexed
// from 1.
//
// The same component as TVector (shared layers TVectorStorage .. TVectorFiles) with integer
// elements: Sum, DotProduct and Correlate accumulate in 32-bit integers, and squares and
// products are formed in 32-bit integers before they are accumulated in double (values wrap
// modulo 2^32 beyond that range; squares are exact up to magnitude 46340). It adds FindExact and
// a histogram with integer bins that raises on an invalid bin count. Out-of-range indices read
// 0 and are never written; element ranges are repaired rather than rejected.
#pragma once

#include <cstdint>
#include <string>

#include "qor/vector/vector_files.h"

namespace qor {

class TIntVector final : public TVectorFiles<int32_t, TIntVector> {
 public:
  explicit TIntVector(TComponent* AOwner = nullptr) : TVectorFiles(AOwner) {}
  std::string ClassName() const override { return "TIntVector"; }

  // The first index of the repaired range holding Value, 0 when there is none.
  int32_t FindExact(int32_t LowElem, int32_t HighElem, int32_t Value) const;

  // Counts elements FirstElem..LastElem (taken as passed: outside the vector they read 0) into
  // m = |LastBin - FirstBin| div BinWidth + 1 bins of BinWidth integers each (a width below 1
  // is taken as 1), bin b holding FirstBin + (b-1)*BinWidth .. FirstBin + b*BinWidth - 1.
  // Elements below FirstBin count as Underflow, elements at or above LastBin + BinWidth as
  // Overflow; one between the end of bin m and LastBin + BinWidth counts nowhere. Histo is
  // resized to m and cleared (each firing OnChange as usual), then receives the counts in one
  // store with one more OnChange unless no element landed in a bin. MaxCnt is the largest
  // count. Histo may be this vector itself: it is cleared before counting. Raises
  // EQORVectorError "Component \"Name.Histogram\": invalid number of bins" unless 1 <= m <= 500.
  bool Histogram(int32_t FirstElem, int32_t LastElem, int32_t FirstBin, int32_t LastBin,
                 int32_t BinWidth, TIntVector& Histo, int32_t& Underflow, int32_t& Overflow,
                 int32_t& MaxCnt) const;

  // The ASC layout (see TVectorFiles) with each value in decimal; an empty Comment becomes
  // "Exported by QOR TIntVector component: " + FileName. 0, or -1 when the file cannot be written.
  int32_t ExportAsASC(const std::string& FileName, const std::string& Comment) const;
  // The element file over the repaired range, values in decimal. False only when the file
  // cannot be created.
  bool StoreOnFile(int32_t FirstElem, int32_t LastElem, const std::string& FileName) const;
};

}  // namespace qor
