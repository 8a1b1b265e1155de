#include "qor/math1/interpolation.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>

#include "qor/frame/errors.h"

namespace qor {
namespace {

// The line through (x0, y0) and (x1, y1) at x; y0 when the two abscissae coincide.
double Lerp(double x, double x0, double y0, double x1, double y1) {
  if (x1 == x0) return y0;
  return y0 + (y1 - y0) * (x - x0) / (x1 - x0);
}

template <class Sample>
double InterpolEquallySpaced(double x, double XFirst, double XLast, std::span<const Sample> Table) {
  if (Table.size() < 2)
    RaiseRoutineError<EQORMath1Error>("InterpolTable",
                                      "pivot array must contain at least 2 values");
  if (XFirst == XLast)
    RaiseRoutineError<EQORMath1Error>("InterpolTable", "specified range of pivot array is zero");
  const std::size_t LastInterval = Table.size() - 2;
  const double Position = (x - XFirst) / (XLast - XFirst) * static_cast<double>(Table.size() - 1);
  if (std::isnan(Position)) return std::numeric_limits<double>::quiet_NaN();
  const double Left = std::clamp(std::floor(Position), 0.0, static_cast<double>(LastInterval));
  const std::size_t i = static_cast<std::size_t>(Left);
  const double y0 = Table[i];
  const double y1 = Table[i + 1];
  return y0 + (y1 - y0) * (Position - Left);
}

}  // namespace

double InterpolTable(double x, double XFirst, double XLast, std::span<const double> Table) {
  return InterpolEquallySpaced(x, XFirst, XLast, Table);
}

double InterpolTable(double x, double XFirst, double XLast, std::span<const int32_t> Table) {
  return InterpolEquallySpaced(x, XFirst, XLast, Table);
}

double InterpolXYTable(double x, const TDouble2DArray& Table, bool Extrapolate) {
  if (Table.size() != 2)
    RaiseRoutineError<EQORMath1Error>("InterpolXYTable", "pivot array must contain 2 columns");
  const std::vector<double>& X = Table[0];
  const std::vector<double>& Y = Table[1];
  const std::size_t NumRows = std::min(X.size(), Y.size());
  if (NumRows < 2)
    RaiseRoutineError<EQORMath1Error>("InterpolXYTable",
                                      "pivot array must contain at least 2 rows");
  const std::size_t Last = NumRows - 1;
  const bool Ascending = X[0] <= X[Last];
  const double Low = Ascending ? X[0] : X[Last];
  const double High = Ascending ? X[Last] : X[0];
  if (x < Low || x > High) {
    if (!Extrapolate) return 0;
    const bool BeyondEntryZero = Ascending ? x < Low : x > High;
    const std::size_t i = BeyondEntryZero ? 0 : Last - 1;
    return Lerp(x, X[i], Y[i], X[i + 1], Y[i + 1]);
  }
  // x lies between X[i] and X[i + 1] once it no longer lies beyond X[i + 1].
  std::size_t i = 0;
  while (i + 1 < Last && (Ascending ? x > X[i + 1] : x < X[i + 1])) ++i;
  return Lerp(x, X[i], Y[i], X[i + 1], Y[i + 1]);
}

double InterpolZofXYRect(double z1, double z2, double z3, double z4, double u, double v) {
  const double a = z1 + (z3 - z1) * u;
  const double b = z2 + (z4 - z2) * u;
  return a + (b - a) * v;
}

}  // namespace qor
