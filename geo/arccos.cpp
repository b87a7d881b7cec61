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
    // The offset is full-precision pi/2, atan(1) taken first and doubled by addition, not half of
    // the short kPi: the program's figures were worked out this way, and half of kPi would move
    // every distance and course by 1.6E-15 radians, enough to change a last shown digit that lies
    // on a rounding boundary. kPi comes in at the end points only, where the recalculation
    // compares with it.
    const double a = std::atan(1.0);
    const double s = std::sqrt((-x) * x + 1);
    return std::atan((-x) / s) + (a + a);
}

}  // namespace geo
