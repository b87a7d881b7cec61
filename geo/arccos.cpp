#include "geo/arccos.h"

#include <cmath>

#include "geo/constants.h"

namespace geo {

double ArcCos(double x) {
    if (std::fabs(x + 1) < kArcCosTolerance) return kPi;
    if (std::fabs(x - 1) < kArcCosTolerance) return 0;
    // Past the tolerance the square root below would be of a negative number.
    if (x > 1) return 0;
    if (x < -1) return kPi;
    // atan(1) is taken first and doubled by addition, so the offset is full-precision pi/2 rather
    // than half of the short kPi; the results depend on exactly this.
    const double a = std::atan(1.0);
    const double s = std::sqrt((-x) * x + 1);
    return std::atan((-x) / s) + (a + a);
}

}  // namespace geo
