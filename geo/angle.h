// Conversions between entered angles and radians.
#pragma once

namespace geo {

// Radians of a coordinate given as degrees, minutes and seconds, before its hemisphere sign is
// applied: t = degrees + minutes / 60, then ((seconds / 3600) + t) * kPi / 180. Any finite inputs
// are accepted (negative and fractional ones arrive by pasting); the result can overflow to
// infinity only for inputs beyond about 1E306 degrees.
// (90, 0, 0) gives 1.570796326794895, just below kHalfPiLimit; (180, 0, 0) gives exactly kPi.
double ToRadians(double degrees, double minutes, double seconds);

// Degrees of an angle r in radians: r / kPi * 180, division first. A meridian entered in whole
// minutes often lies exactly halfway between two of the one-decimal figures the window shows,
// and then the last bit decides which way it rounds: seen from a pole, 0 degrees 15 minutes east
// comes to 0.25 and shows 0.3, as the program always has; multiplying first, it would come to
// 0.24999999999994316 and show 0.2.
double ToDegrees(double r);

}  // namespace geo
