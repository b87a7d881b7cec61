// The spherical arithmetic at its edges, compared bit for bit where the result is exact.
#include <gtest/gtest.h>

#include <cmath>

#include "geo/angle.h"
#include "geo/arccos.h"
#include "geo/constants.h"
#include "geo/great_circle.h"

namespace {

using namespace geo;

double Radians(double degrees) {
    return ToRadians(degrees, 0, 0);
}

TEST(ArcCos, SnapsToItsEndPointsWithinTheTolerance) {
    EXPECT_EQ(ArcCos(-1), kPi);
    EXPECT_EQ(ArcCos(-1 + 5E-12), kPi);
    EXPECT_EQ(ArcCos(1), 0.0);
    EXPECT_EQ(ArcCos(1 - 5E-12), 0.0);
}

TEST(ArcCos, UsesTheArctangentFormulaJustOutsideTheTolerance) {
    EXPECT_NEAR(ArcCos(-1 + 2E-11), 3.1415863, 1E-7);
    EXPECT_LT(ArcCos(-1 + 2E-11), kPi);
    EXPECT_NEAR(ArcCos(1 - 2E-11), 6.32E-6, 1E-8);
    EXPECT_GT(ArcCos(1 - 2E-11), 0.0);
}

TEST(ArcCos, AddsFullPrecisionHalfPiInTheMiddle) {
    EXPECT_EQ(ArcCos(0), 1.5707963267948966);
    EXPECT_EQ(ArcCos(0.5), 1.0471975511965976);
}

TEST(ArcCos, ClampsArgumentsBeyondTheTolerance) {
    for (double x : {1 + kArcCosTolerance, 1.000000001, 2.0, 1E300}) EXPECT_EQ(ArcCos(x), 0.0) << x;
    for (double x : {-1 - kArcCosTolerance, -1.000000001, -2.0, -1E300})
        EXPECT_EQ(ArcCos(x), kPi) << x;
}

TEST(ToRadians, AddsTheSecondsToTheSumOfDegreesAndMinutes) {
    // Each other order ends in another last bit here.
    EXPECT_EQ(ToRadians(1, 1, 44), 0.01795749874829719);
}

TEST(ToDegrees, DividesByPiFirst) {
    EXPECT_EQ(ToDegrees(kPi), 180.0);
    EXPECT_EQ(ToDegrees(kTwoPi), 360.0);
    // 29 degrees in radians.
    EXPECT_EQ(ToDegrees(0.506145483078355), 29.000000000000004);
}

TEST(DistanceKm, QuarterCircleAndAntipode) {
    EXPECT_EQ(DistanceKm(ArcCos(0)), 10002.000000000011);
    EXPECT_EQ(DistanceKm(kPi), 20004.0);
    EXPECT_EQ(DistanceKm(0), 0.0);
}

struct CourseCase {
    const char* name;
    double lat1, lon1, lat2, lon2;  // degrees, north and west positive
    double course;                  // radians
};

TEST(InitialCourse, OnOneMeridian) {
    const CourseCase cases[] = {
        // q = 1.0000000000000013, within the tolerance of 1.
        {"due north from 10 to 20 degrees", 10, 0, 20, 0, kTwoPi},
        {"due south from 20 to 10 degrees", 20, 0, 10, 0, kPi},
        {"due south across the equator", 0, 0, -10, 0, kPi},
        // q lands about 1E-9 past +-1 and must clamp, not become NaN.
        {"due north one minute apart", 10, 0, ToRadians(10, 1, 0) / kPi * 180, 0, kTwoPi},
        {"due south five minutes apart", 45.5, 7, 45.5 - 5.0 / 60, 7, kPi},
    };
    for (const auto& c : cases) {
        const double lat1 = Radians(c.lat1), lon1 = Radians(c.lon1);
        const double lat2 = Radians(c.lat2), lon2 = Radians(c.lon2);
        const double d = CentralAngle(lat1, lon1, lat2, lon2);
        EXPECT_EQ(InitialCourse(lat1, lon1, lat2, lon2, d), c.course) << c.name;
    }
}

TEST(InitialCourse, NeverNaNOnNearbyPointsOfOneMeridian) {
    // Seconds apart on one meridian: the cases where rounding pushes q furthest past +-1.
    for (int seconds = 1; seconds < 1800; seconds += 7) {
        const double lat1 = ToRadians(33, 0, 0), lat2 = ToRadians(33, 0, seconds);
        const double d = CentralAngle(lat1, Radians(5), lat2, Radians(5));
        if (d == 0) continue;
        const double north = InitialCourse(lat1, Radians(5), lat2, Radians(5), d);
        const double south = InitialCourse(lat2, Radians(5), lat1, Radians(5), d);
        // So close together the course itself is rough; it must only stay a course.
        EXPECT_TRUE(north >= kPi && north <= kTwoPi) << seconds << ": " << north;
        EXPECT_TRUE(south >= kPi && south <= kTwoPi) << seconds << ": " << south;
    }
}

}  // namespace
