#include "geo/angle.h"

#include "geo/constants.h"

namespace geo {

double ToRadians(double degrees, double minutes, double seconds) {
    const double t = degrees + minutes / 60;
    return ((seconds / 3600) + t) * kPi / 180;
}

double ToDegrees(double r) {
    return r / kPi * 180;
}

}  // namespace geo
