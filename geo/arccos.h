// Arc cosine that snaps to its end points.
#pragma once

namespace geo {

// Returns the angle in radians whose cosine is x.
//
// Within kArcCosTolerance of -1 the result is exactly kPi, within it of +1 exactly 0 (the first
// test wins), so that the rounding of a cosine cannot part identical points or bring opposite
// points short of each other. In between, the result comes from the arctangent identity and lies
// strictly between 0 and full-precision pi. Rounding in the callers can push x past +-1 by far more
// than the tolerance (two points a few minutes apart on one meridian), so any finite x above 1
// returns 0 and any below -1 returns kPi, the results of the exact cases. A NaN argument gives NaN.
double ArcCos(double x);

}  // namespace geo
