// Helpers shared by the matrix unit's tests: building matrices from columns, reading them back
// and counting change notifications.
#pragma once

#include <string>

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
