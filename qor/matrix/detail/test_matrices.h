// Helpers shared by the matrix unit's tests: building matrices from columns, reading them back
// and counting change notifications.
#pragma once

#include <bit>
#include <cmath>
#include <cstdint>
#include <string>

#include "qor/frame/random.h"
#include "qor/frame/types.h"
#include "qor/matrix/matrix.h"

namespace qor::detail {

// Resizes M to the shape of Columns (first index column) and stores them.
inline void SetColumns(TMatrix& M, const TDouble2DArray& Columns) {
  const auto Rows = Columns.empty() ? 0 : static_cast<int32_t>(Columns[0].size());
  M.Resize(static_cast<int32_t>(Columns.size()), Rows);
  M.CopyFromArray(Columns, 1, 1);
}

inline TDouble2DArray Columns(const TMatrix& M) {
  TDouble2DArray Result;
  M.CopyToArray(Result, 0, 0, 0, 0);
  return Result;
}

// Fills M (Nc x Nr) with values of both signs spread over twelve binades, so that sums whose
// terms are added in another order almost surely round differently.
inline void FillScattered(TMatrix& M, int32_t Nc, int32_t Nr, uint64_t Seed) {
  SetRandSeed(Seed);
  M.Resize(Nc, Nr);
  for (int32_t c = 1; c <= Nc; ++c)
    for (int32_t r = 1; r <= Nr; ++r)
      M.SetVal(c, r, (Random() - 0.5) * std::ldexp(1.0, Random(12) - 6));
}

// True when a and b have the same bits (so -0 differs from +0 and NaN equals itself).
inline bool SameBits(double a, double b) {
  return std::bit_cast<uint64_t>(a) == std::bit_cast<uint64_t>(b);
}

// The message of the E that Action raises, or "no exception".
template <class E, class Action>
std::string ErrorText(Action&& Run) {
  try {
    Run();
  } catch (const E& Error) {
    return Error.what();
  }
  return "no exception";
}

// Counts OnChange calls of the matrices it is attached to.
struct TChangeCounter {
  int Count = 0;
  void Attach(TMatrix& M) {
    M.OnChange = [this](TObject*) { ++Count; };
  }
};

}  // namespace qor::detail
