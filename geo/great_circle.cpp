#include "geo/great_circle.h"

#include <cmath>

#include "geo/arccos.h"
#include "geo/constants.h"

namespace geo {

double CentralAngle(double lat1, double lon1, double lat2, double lon2) {
    const double c =
        std::sin(lat1) * std::sin(lat2) + (std::cos(lat2) * std::cos(lat1)) * std::cos(lon2 - lon1);
    return ArcCos(c);
}

double DistanceKm(double d) {
    // d / kPi is the share of half the circumference.
    return ((kEarthCircumferenceKm * d) / kPi) / 2;
}

double InitialCourse(double lat1, double lon1, double lat2, double lon2, double d) {
    const double q =
        (std::sin(lat2) - std::cos(d) * std::sin(lat1)) / (std::cos(lat1) * std::sin(d));
    // Longitudes grow westward, so a negative sine puts the destination east of the start.
    if (std::sin(lon2 - lon1) < 0) return ArcCos(q);
    return kTwoPi - ArcCos(q);
}

}  // namespace geo
