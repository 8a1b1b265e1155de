#include "qor/frame/colors.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace qor {
namespace {

int32_t ClampByte(int32_t c) { return std::clamp(c, 0, 255); }

}  // namespace

int32_t RGBtoGray(int32_t r, int32_t g, int32_t b) {
  return (299 * ClampByte(r) + 587 * ClampByte(g) + 114 * ClampByte(b) + 500) / 1000;
}

void RGBtoHSI(int32_t r, int32_t g, int32_t b, double& h, double& s, double& i) {
  const double R = ClampByte(r), G = ClampByte(g), B = ClampByte(b);
  const double Sum = R + G + B;
  i = Sum / 3;
  s = Sum > 0 ? 1 - 3 * std::min({R, G, B}) / Sum : 0;
  const double Denominator = std::sqrt((R - G) * (R - G) + (R - B) * (G - B));
  if (Denominator == 0) {
    h = 0;
    return;
  }
  const double Cosine = std::clamp(((R - G) + (R - B)) / (2 * Denominator), -1.0, 1.0);
  const double Theta = std::acos(Cosine) * (180 / std::numbers::pi);
  h = B <= G ? Theta : 360 - Theta;
  if (h >= 360) h = 0;
}

}  // namespace qor
