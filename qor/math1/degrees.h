// Angles as text and conversion between decimal degrees and degree-minute-second parts.
//
// DegreeToStr writes Angle (Decimals clamped into 0..8) as decimal degrees "12.50°"
// (dfDecimal), a plain number (dfNumber), degrees and decimal minutes "12° 30.00'" (dfDegMin)
// or degrees, minutes and decimal seconds "12° 30'  45\"" (dfDegMinSec). The last two round the
// total minutes or seconds to Decimals places first (halves away from zero, in 80-bit
// arithmetic), snap parts within 3e-12 of a whole number to it, carry the sign on the degrees
// only ("-0°  30'" for -0.5) and right-align minutes and seconds in Decimals + 3 places. A
// non-finite Angle is written as the platform writes it ("+Inf", "-Inf", "Nan"), followed by
// the degree sign except for dfNumber; an unknown format gives "". The degree sign is U+00B0,
// two bytes in UTF-8. ConvertDegrees rewrites (Deg, Min, Sec) from one format to another in
// place; the sign lives in Deg alone (-12° 30' is -11.5 degrees, as the parts add). Min and
// Sec must lie in 0..60 whatever the formats, else EQORMath1Error "ConvertDegrees: invalid
// range of minutes" (checked first) or "... of seconds" is raised and nothing changes;
// dfNumber and unknown formats convert nothing.
#pragma once

#include <cstdint>
#include <string>

namespace qor {

enum TDegreeFormat : uint8_t { dfDecimal, dfDegMin, dfDegMinSec, dfNumber };

std::string DegreeToStr(double Angle, TDegreeFormat Format, int32_t Decimals);

void ConvertDegrees(double& Deg, double& Min, double& Sec, TDegreeFormat SourceFormat,
                    TDegreeFormat TargetFormat);

}  // namespace qor
