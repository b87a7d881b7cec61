#include "geo/arccos.h"

#include <cmath>

#include "geo/constants.h"

namespace geo {

double ArcCos(double x) {
    if (std::fabs(x + 1) < kArcCosTolerance) return kPi;
    if (std::fabs(x - 1) < kArcCosTolerance) return 0;
    // Beyond +-1 the square root below would be of a negative number; such arguments are rounding
    // past an end point (see arccos.h).
    if (x > 1) return 0;
    if (x < -1) return kPi;
    // The offset is full-precision pi/2, atan(1) doubled by addition, not half of the short kPi;
    // kPi comes in at the end points only, where the recalculation compares with it.
    const double a = std::atan(1.0);
    const double s = std::sqrt((-x) * x + 1);
    return std::atan((-x) / s) + (a + a);
}

}  // namespace geo
