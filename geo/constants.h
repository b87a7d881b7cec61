// The constants of the spherical arithmetic.
//
// The figures the program shows were worked out with these constants and with every operation in
// geo/ done in the order written, in double precision and rounded after each step (geo is built
// with -ffp-contract=off: no fused multiply-add, no reordering, no extended precision). They must
// stay the same, and a distance or course that lies on a rounding boundary of its last shown digit
// turns on the last bit: another grouping, a factor folded differently (pi / 180 as one factor,
// the radius 40008 / 2 pi), or full-precision pi in place of the short one moves it by about 1E-15
// of itself and shows the neighbouring digit. Seen from a pole, 0 degrees 15 minutes east comes to
// 0.25 and shows 0.3, as the program always has; multiplying by 180 before dividing by kPi, it
// would come to 0.24999999999994316 and show 0.2. So each formula keeps its order, even where
// another would read more naturally.
//
// kPi, kHalfPiLimit and kTwoPi are the short decimal literals below and not the full-precision
// values of pi, pi/2 and 2 pi. The one place where full-precision pi/2 enters is ArcCos.
#pragma once

namespace geo {

// Pi as used for every degree/radian conversion, the end point of ArcCos, the longitude guard and
// the test for antipodal points [radians]. One literal for all four keeps them consistent: 180
// degrees converts to exactly kPi, so the guard (value > kPi) accepts a longitude of 180 degrees,
// and ArcCos returns exactly kPi for antipodal points, which the recalculation recognises.
inline constexpr double kPi = 3.14159265358979;

// Largest latitude accepted by the guard [radians]. 90 degrees converts to 1.570796326794895,
// 5E-15 below it, so the pole itself passes; 90 degrees and one second lies 4.8E-6 above it.
inline constexpr double kHalfPiLimit = 1.5707963267949;

// The full circle, for the westward course complement and the pole-case wrap [radians]. It is
// exactly twice kPi, so a course due north on one meridian (kTwoPi - 0) reads 360.0 degrees.
inline constexpr double kTwoPi = 6.28318530717958;

// Distance from +1 or -1 within which ArcCos snaps to its end point. The cosine of the central
// angle carries a rounding error of a few 1E-16, so identical points would otherwise come out
// some decimetres apart and antipodal points as far short of each other; 1E-11 is a central angle
// of sqrt(2E-11) radians, 28.5 m on this sphere: closer points count as one, closer to the opposite
// point as opposite. The course of points on one meridian snaps to due north or south the same
// way.
inline constexpr double kArcCosTolerance = 1E-11;

// cos(latitude) below this marks the start point as a pole, where every course is due south or
// due north and the course formula would divide by almost nothing: 90 degrees converts to just
// below pi/2, whose cosine is about 1.6E-15 and not 0. 1E-9 radians is 6 mm from the pole, so
// only the pole as entered counts; 89 degrees 59 minutes 59 seconds (cosine 4.8E-6) does not.
inline constexpr double kPoleTolerance = 1E-9;

// Circumference of the sphere the distance is measured on [km], close to the Earth's
// circumference through the poles; its radius is about 6367.47 km.
inline constexpr double kEarthCircumferenceKm = 40008;

}  // namespace geo
