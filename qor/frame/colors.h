// Colour conversions of 8-bit red, green and blue components (0..255; values outside are
// clamped into that range).
//
// RGBtoGray is the luma of ITU-R BT.601, (299 r + 587 g + 114 b) / 1000, rounded to the
// nearest integer (halves up) in exact integer arithmetic, so equal components give that value.
// RGBtoHSI is the hue-saturation-intensity model (Gonzalez and Woods, Digital Image
// Processing): intensity i = (r + g + b) / 3 in 0..255; saturation s = 1 - min(r, g, b) / i in
// 0..1 (0 for black); hue h in degrees, 0 <= h < 360, measured from red towards green,
// theta = arccos(((r - g) + (r - b)) / 2 / sqrt((r - g)^2 + (r - b)(g - b))) and
// h = theta when b <= g, else 360 - theta; grey pixels (r = g = b) have hue 0.
#pragma once

#include <cstdint>

namespace qor {

int32_t RGBtoGray(int32_t r, int32_t g, int32_t b);

void RGBtoHSI(int32_t r, int32_t g, int32_t b, double& h, double& s, double& i);

}  // namespace qor
