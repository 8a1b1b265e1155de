#include "qor/math1/select.h"

#include <algorithm>

namespace qor {
namespace {

// Lomuto partition of Data[lo..hi] around the value v at m. Returns the final position p of v:
// Data[lo..p-1] < v and no element of Data[p+1..hi] is below v. The leading run already below
// v is skipped without writes; afterwards each remaining element below v is exchanged into the
// store position. The exchange is written as two selects (identical stores when the element
// stays) so that the loop carries no unpredictable branch.
int32_t Partition(double* Data, int32_t lo, int32_t hi, int32_t m) {
  const double v = Data[m];
  Data[m] = Data[lo];
  Data[lo] = v;
  int32_t s = lo + 1;
  while (s <= hi && Data[s] < v) ++s;
  for (int32_t j = s + 1; j <= hi; ++j) {
    const double Candidate = Data[j];
    const double Stored = Data[s];
    const bool Below = Candidate < v;
    Data[j] = Below ? Stored : Candidate;
    Data[s] = Below ? Candidate : Stored;
    s += Below ? 1 : 0;
  }
  Data[lo] = Data[s - 1];
  Data[s - 1] = v;
  return s - 1;
}

}  // namespace

double QuickSelect(std::span<double> Data, int32_t k, int32_t lo, int32_t hi) {
  lo = std::max(lo, 0);
  hi = static_cast<int32_t>(std::min<int64_t>(hi, static_cast<int64_t>(Data.size()) - 1));
  if (hi < lo) return 0;
  const double x = Data[lo];
  if (std::all_of(Data.begin() + lo + 1, Data.begin() + hi + 1,
                  [x](double Element) { return Element == x; }))
    return x;
  double* Values = Data.data();
  for (;;) {
    const int32_t p = Partition(Values, lo, hi, lo + (hi - lo) / 2);
    if (p > k) {
      // With k below the original lo the range would shrink to lo and stay there.
      if (p == lo) return x;
      hi = p;
    } else if (p == k) {
      return Values[k];
    } else {
      lo = p + 1;
      if (hi < lo) return x;
    }
  }
}

}  // namespace qor
