// Direction angles of plane vectors and reduction of angles to one canonical turn.
//
// AngleToXAxis(x, y) is the counter-clockwise angle from the positive x axis to the vector
// (x, y), in radians within 0..2*pi: arctan(y / x), shifted by pi for x < 0; a vector on the y
// axis gives pi/2 upwards and 3*pi/2 otherwise, including the null vector.
// CanonicalAngleDegrees reduces an angle in degrees to -180 <= a < 180 (180 itself becomes
// -180); CanonicalAngleRadians reduces one in radians to -pi <= a <= pi (pi itself stays pi).
// Both reduce large angles by frac(a / turn) * turn, which is exact only to the rounding of the
// quotient. NaN and infinite angles give NaN; nothing raises.
#pragma once

namespace qor {

double AngleToXAxis(double x, double y);
double CanonicalAngleDegrees(double angle);
double CanonicalAngleRadians(double angle);

}  // namespace qor
