// Shared array, point and rectangle types of the library.
//
// Dynamic arrays are 0-based std::vectors; two-dimensional arrays are indexed column first
// (a[c][r]) like the matrix storage, and their inner arrays may differ in length. The 80-bit
// extended type of the documented interfaces is long double, which must be the x87 format.
#pragma once

#include <cfloat>
#include <cstdint>
#include <string>
#include <vector>

namespace qor {

static_assert(sizeof(long double) >= 10 && LDBL_MANT_DIG == 64,
              "qormath needs long double to be the x87 80-bit extended format");

using TDoubleArray = std::vector<double>;
using TSingleArray = std::vector<float>;
using TIntArray = std::vector<int32_t>;
using TBoolArray = std::vector<bool>;
using TStrArray = std::vector<std::string>;

using TDouble2DArray = std::vector<TDoubleArray>;
using TInt2DArray = std::vector<TIntArray>;
using TBool2DArray = std::vector<TBoolArray>;
using TStr2DArray = std::vector<TStrArray>;

using TDouble3DArray = std::vector<TDouble2DArray>;
using TDouble4DArray = std::vector<TDouble3DArray>;
using TInt3DArray = std::vector<TInt2DArray>;
using TInt4DArray = std::vector<TInt3DArray>;

struct TPointDouble {
  double x = 0;
  double y = 0;
  friend bool operator==(const TPointDouble&, const TPointDouble&) = default;
};

// A rectangle by two corners; Left/Top is one corner, Right/Bottom the other.
struct TRectDouble {
  double Left = 0;
  double Top = 0;
  double Right = 0;
  double Bottom = 0;
  friend bool operator==(const TRectDouble&, const TRectDouble&) = default;
};

// The integer point and rectangle of the platform (screen coordinates).
struct TPoint {
  int32_t x = 0;
  int32_t y = 0;
  friend bool operator==(const TPoint&, const TPoint&) = default;
};

struct TRect {
  int32_t Left = 0;
  int32_t Top = 0;
  int32_t Right = 0;
  int32_t Bottom = 0;
  friend bool operator==(const TRect&, const TRect&) = default;
};

}  // namespace qor
