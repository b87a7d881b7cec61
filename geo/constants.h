// The constants of the spherical arithmetic.
//
// kPi, kHalfPiLimit and kTwoPi are deliberately the short decimal literals below and not the
// full-precision values of pi, pi/2 and 2 pi: every result of the program, down to the last
// digit shown, depends on them. The one place where full-precision pi/2 enters is ArcCos.
#pragma once

namespace geo {

// Pi as used for every degree/radian conversion, the end point of ArcCos, the longitude guard and
// the test for antipodal points [radians].
inline constexpr double kPi = 3.14159265358979;

// Largest latitude accepted by the guard [radians]. 90 degrees converts to 1.570796326794895,
// just below it; 90 degrees and one second lies above it.
inline constexpr double kHalfPiLimit = 1.5707963267949;

// The full circle, for the westward course complement and the pole-case wrap [radians].
inline constexpr double kTwoPi = 6.28318530717958;

// Distance from +1 or -1 within which ArcCos snaps to its end point.
inline constexpr double kArcCosTolerance = 1E-11;

// cos(latitude) below this marks the start point as a pole.
inline constexpr double kPoleTolerance = 1E-9;

// Circumference of the sphere the distance is measured on [km]; its radius is about 6367.47 km.
inline constexpr double kEarthCircumferenceKm = 40008;

}  // namespace geo
