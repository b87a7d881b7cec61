// The constants of the spherical arithmetic.
//
// PI, HALF_PI_LIMIT and TWO_PI are deliberately the short decimal literals below and not the
// full-precision values of pi, pi/2 and 2 pi: every result of the program, down to the last
// digit shown, depends on them. The one place where full-precision pi/2 enters is ArcCos.
#pragma once

namespace geo {

// Pi as used for every degree/radian conversion, the end point of ArcCos, the longitude guard and
// the test for antipodal points [radians].
inline constexpr double PI = 3.14159265358979;

// Largest latitude accepted by the guard [radians]. 90 degrees converts to 1.570796326794895,
// just below it; 90 degrees and one second lies above it.
inline constexpr double HALF_PI_LIMIT = 1.5707963267949;

// The full circle, for the westward course complement and the pole-case wrap [radians].
inline constexpr double TWO_PI = 6.28318530717958;

// Distance from +1 or -1 within which ArcCos snaps to its end point.
inline constexpr double ARCCOS_TOLERANCE = 1E-11;

// cos(latitude) below this marks the start point as a pole.
inline constexpr double POLE_TOLERANCE = 1E-9;

// Circumference of the sphere the distance is measured on [km]; its radius is about 6367.47 km.
inline constexpr double EARTH_CIRCUMFERENCE_KM = 40008;

}  // namespace geo
