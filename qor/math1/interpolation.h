// Linear interpolation in tables of equally spaced samples and in tables of (x, y) pairs, and
// bilinear interpolation on the unit square.
//
// InterpolTable reads its Table (0-based) as samples at n equally spaced abscissae from XFirst
// (entry 0) to XLast (entry n - 1), in either direction; between samples it interpolates
// linearly, beyond the ends it extrapolates the first or last pair. Fewer than two samples raise
// EQORMath1Error "InterpolTable: pivot array must contain at least 2 values", XFirst = XLast
// "InterpolTable: specified range of pivot array is zero"; a NaN x gives NaN.
//
// InterpolXYTable takes Table[0] as the abscissae and Table[1] as the ordinates (column first),
// the abscissae sorted ascending or descending, as the first and last entry tell. The rows are
// the pairs present in both columns. Inside the range the first bracketing pair from entry 0
// is interpolated linearly (a pair with equal abscissae gives its first ordinate); outside, the
// end pair is extrapolated when Extrapolate is true, else the result is 0. A Table without
// exactly two columns raises EQORMath1Error "InterpolXYTable: pivot array must contain 2
// columns", one with fewer than two rows "InterpolXYTable: pivot array must contain at least 2
// rows".
//
// InterpolZofXYRect(z1, z2, z3, z4, u, v) interpolates the values z1 at (0, 0), z3 at (1, 0),
// z2 at (0, 1) and z4 at (1, 1) of the unit square in (u, v): first along u, then along v; u
// and v outside 0..1 extrapolate.
#pragma once

#include <cstdint>
#include <span>

#include "qor/frame/types.h"

namespace qor {

double InterpolTable(double x, double XFirst, double XLast, std::span<const double> Table);
double InterpolTable(double x, double XFirst, double XLast, std::span<const int32_t> Table);

double InterpolXYTable(double x, const TDouble2DArray& Table, bool Extrapolate);

double InterpolZofXYRect(double z1, double z2, double z3, double z4, double u, double v);

}  // namespace qor
