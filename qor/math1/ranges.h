// Range tests and clamping of scalars and points, rounding into a range, histogram bin edges
// and sigmoid squashing.
//
// Ranges given by two bounds may come in either order: the bounds are exchanged when reversed
// (also by RoundLimit). A rectangle is accepted with its corners in either order. RoundLimit
// rounds halves to even and treats NaN as lying below every bound. HistoBinRef anchors bins of
// width BinWidth at Origin; a BinWidth of 0 makes every value its own bin (the edge is x itself,
// Offset 0), and a bin index beyond the 32-bit range, or not a number, raises EQORMath1Error
// "HistoBinRef: bin index out of range". Squash maps the real line onto the open interval
// (-Range, Range) with Squash(Center) = 0 and slope Slope there; a Range of 0 squashes every
// x to 0. Nothing else raises.
#pragma once

#include <cstdint>

#include "qor/frame/types.h"

namespace qor {

// Low <= x <= High, after exchanging reversed bounds; the second form widens the range by Tol
// at both ends.
bool WithinBounds(double x, double Low, double High);
bool WithinBounds(double x, double Low, double High, double Tol);

// x clamped into the range Low..High (bounds exchanged when reversed).
double ConfineValue(double x, double Low, double High);
float ConfineValue(float x, float Low, float High);
int32_t ConfineValue(int32_t x, int32_t Low, int32_t High);

// P inside R or on its border.
bool WithinRect(const TPointDouble& P, const TRectDouble& R);

// Moves P to the nearest point of R; true when P had to move.
bool ConfinePointToRect(TPointDouble& P, const TRectDouble& R);

// round(x), halves to even, clamped into Low..High.
int64_t RoundLimit(double x, int64_t Low, int64_t High);

// The lower edge Origin + k * BinWidth, k = floor((x - Origin) / BinWidth), of the bin holding
// x; Offset receives x minus that edge.
double HistoBinRef(double x, double Origin, double BinWidth, double& Offset);

// Range * (2 / (exp(t) + 1) - 1) with t = -2 * Slope * (x - Center) / Range, exactly +-Range
// once abs(t) >= 200.
double Squash(double x, double Center, double Slope, double Range);

}  // namespace qor
