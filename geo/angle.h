// Conversions between entered angles and radians.
#pragma once

namespace geo {

// Radians of a coordinate given as degrees, minutes and seconds, before its hemisphere sign is
// applied: t = degrees + minutes / 60, then ((seconds / 3600) + t) * kPi / 180. Any finite inputs
// are accepted (negative and fractional ones arrive by pasting); the result can overflow to
// infinity only for inputs beyond about 1E306 degrees.
// (90, 0, 0) gives 1.570796326794895, just below kHalfPiLimit; (180, 0, 0) gives exactly kPi.
double ToRadians(double degrees, double minutes, double seconds);

// Degrees of an angle r in radians: r / kPi * 180, division first.
double ToDegrees(double r);

}  // namespace geo
