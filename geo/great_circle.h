// Distance and course on a sphere by the spherical law of cosines.
//
// Latitudes and longitudes are signed radians, north and west positive.
#pragma once

namespace geo {

// The angle between start (lat1, lon1) and destination (lat2, lon2) seen from the sphere's centre,
// in radians from 0 to kPi. Identical points give exactly 0, antipodal points exactly kPi.
double CentralAngle(double lat1, double lon1, double lat2, double lon2);

// Kilometres on the sphere of kEarthCircumferenceKm for a central angle d [radians]:
// pi/2 gives 10002, kPi gives 20004.
double DistanceKm(double d);

// The true course of departure from the start towards the destination, in radians from 0 to
// kTwoPi inclusive. d is CentralAngle of the same points.
//
// Defined only when d is neither 0 nor kPi and cos(lat1) is at least kPoleTolerance; the caller
// tests both. On one meridian the course comes from the westward branch: due north is kTwoPi,
// due south kPi.
double InitialCourse(double lat1, double lon1, double lat2, double lon2, double d);

}  // namespace geo
