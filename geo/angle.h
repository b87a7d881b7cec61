// Conversions between entered angles and radians.
#pragma once

namespace geo {

// Radians of a coordinate given as degrees, minutes and seconds, before its hemisphere sign is
// applied: t = degrees + minutes / 60, then ((seconds / 3600) + t) * PI / 180. Any finite inputs
// are accepted (negative and fractional ones arrive by pasting); the result can overflow to
// infinity only for inputs beyond about 1E306 degrees.
// (90, 0, 0) gives 1.570796326794895, just below HALF_PI_LIMIT; (180, 0, 0) gives exactly PI.
double ToRadians(double degrees, double minutes, double seconds);

// Degrees of an angle r in radians: r / PI * 180, division first.
double ToDegrees(double r);

}  // namespace geo
