// Distance and initial course against an outside reference: GeographicLib's geodesic on a sphere
// of 40008 km circumference (GeographicLib 2.0, Geodesic(40008 km / 2 pi, flattening 0).Inverse),
// accurate to round-off, about 1E-12 km here. tests/make_geo_reference.py works out the figures
// of the rows below and writes them in; after adding or changing a row's points, run it again.
//
// The program works with the short pi 3.14159265358979, which puts every angle about 1E-15 short
// of its full-precision value; the distance divides by the same pi again and the course is turned
// back into degrees with it, so what reaches a result is of the order of 1E-15 relative, far
// inside every tolerance below.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "geo/angle.h"
#include "geo/constants.h"
#include "geo/great_circle.h"

namespace {

// One coordinate as the window takes it: degrees, minutes, seconds and the hemisphere letter.
struct Angle {
    double degrees, minutes, seconds;
    char letter;
};

struct Point {
    Angle latitude, longitude;
};

// How far the program's figures may lie from the reference's.
struct Tolerance {
    double km;
    double degrees;
};

// The law of cosines takes the distance from its cosine c, and c carries a rounding error of a
// few 1E-16 wherever the points lie. The arc cosine turns that into an error of the angle of up to
// about 1E-15 / sin(d) radians, 6E-12 km / sin(d) on this sphere: nothing at middle distances,
// more and more as the points close in or near each other's opposite point. The course divides by
// sin(d) once more. The tolerances follow that error with some margin, not the figures the window
// shows (one decimal of a degree, at best a metre): a fault in the arithmetic shows up long
// before it would change a figure.
//
// Points more than about 50 km apart and more than 50 km short of the opposite point (sin(d)
// above 0.008).
constexpr Tolerance kFar{1E-9, 1E-9};
// A kilometre or so apart (sin(d) near 2E-4).
constexpr Tolerance kNear{1E-7, 1E-6};
// Tens of metres apart, or that close to the opposite point (sin(d) near 5E-6): the distance is
// good to about a millimetre, and the course, whose cosine divides by sin(d), to some 1E-3
// degrees.
constexpr Tolerance kSeconds{1E-5, 1E-2};
// Within 1E-11 of 1 or -1 the arc cosine returns exactly 0 or pi: points less than 28.5 m apart
// (sqrt(2E-11) radians) count as one point, and points less than 28.5 m short of each other's
// opposite point as exactly opposite. The window shows "egal" for the course.
constexpr Tolerance kSnapped{0.0285, 0};
// The distance from a pole as for any far point, but no course: the window names the
// destination's meridian instead.
constexpr Tolerance kFromAPole = kFar;

// A row whose course the window does not show.
constexpr double kNoCourse = std::numeric_limits<double>::quiet_NaN();

struct Row {
    const char* sentence;
    Point start, destination;
    double km;
    double course;  // degrees clockwise from north, 0 to 360
    Tolerance tolerance;
};

const Row kRows[] = {
    // clang-format off
    // Ordinary pairs, on both sides of the prime meridian, the equator and the date line.
    {"Berlin to Munich",
     {{52, 31, 0, 'N'}, {13, 24, 0, 'E'}}, {{48, 8, 0, 'N'}, {11, 35, 0, 'E'}},
     503.8546154948137, 195.5249695086103, kFar},
    {"Munich back to Berlin",
     {{48, 8, 0, 'N'}, {11, 35, 0, 'E'}}, {{52, 31, 0, 'N'}, {13, 24, 0, 'E'}},
     503.8546154948137, 14.125649521591141, kFar},
    {"Hamburg to New York, across the prime meridian",
     {{53, 33, 0, 'N'}, {9, 59, 0, 'E'}}, {{40, 43, 0, 'N'}, {74, 0, 0, 'W'}},
     6125.277677838532, 293.23761616278034, kFar},
    {"Cape Town to Buenos Aires, in the southern hemisphere",
     {{33, 55, 0, 'S'}, {18, 25, 0, 'E'}}, {{34, 36, 0, 'S'}, {58, 23, 0, 'W'}},
     6866.0150560000275, 245.43312926802457, kFar},
    {"Sydney to Santiago, across the date line",
     {{33, 52, 0, 'S'}, {151, 13, 0, 'E'}}, {{33, 27, 0, 'S'}, {70, 40, 0, 'W'}},
     11340.275319028324, 145.2797218912693, kFar},
    {"Nairobi to Tokyo, across the equator",
     {{1, 17, 0, 'S'}, {36, 49, 0, 'E'}}, {{35, 41, 0, 'N'}, {139, 46, 0, 'E'}},
     11251.954707162897, 53.81308738780189, kFar},
    {"a quarter of the equator eastwards",
     {{0, 0, 0, 'N'}, {0, 0, 0, 'W'}}, {{0, 0, 0, 'N'}, {90, 0, 0, 'E'}},
     10002.0, 90.0, kFar},
    {"a quarter of the equator westwards",
     {{0, 0, 0, 'N'}, {0, 0, 0, 'W'}}, {{0, 0, 0, 'N'}, {90, 0, 0, 'W'}},
     10002.0, 270.0, kFar},
    // On one meridian the course is due north or due south.
    {"due north on one meridian",
     {{10, 0, 0, 'N'}, {0, 0, 0, 'W'}}, {{20, 0, 0, 'N'}, {0, 0, 0, 'W'}},
     1111.3333333333333, 0.0, kFar},
    {"due south across the equator on one meridian",
     {{10, 0, 0, 'N'}, {7, 0, 0, 'E'}}, {{10, 0, 0, 'S'}, {7, 0, 0, 'E'}},
     2222.666666666666, 180.0, kFar},
    {"due north over the pole onto the opposite meridian",
     {{80, 0, 0, 'N'}, {10, 0, 0, 'E'}}, {{80, 0, 0, 'N'}, {170, 0, 0, 'W'}},
     2222.666666666666, 0.0, kFar},
    {"due north five minutes along one meridian",
     {{45, 25, 0, 'N'}, {7, 0, 0, 'E'}}, {{45, 30, 0, 'N'}, {7, 0, 0, 'E'}},
     9.261111111111953, 0.0, kNear},
    // Poles.
    {"from Munich to the north pole",
     {{48, 8, 0, 'N'}, {11, 35, 0, 'E'}}, {{90, 0, 0, 'N'}, {0, 0, 0, 'E'}},
     4652.782222222222, 0.0, kFar},
    {"from Berlin to the south pole",
     {{52, 31, 0, 'N'}, {13, 24, 0, 'E'}}, {{90, 0, 0, 'S'}, {0, 0, 0, 'E'}},
     15838.352222222222, 180.0, kFar},
    {"from the north pole to Munich",
     {{90, 0, 0, 'N'}, {0, 0, 0, 'W'}}, {{48, 8, 0, 'N'}, {11, 35, 0, 'E'}},
     4652.782222222222, kNoCourse, kFromAPole},
    {"from the south pole to the equator",
     {{90, 0, 0, 'S'}, {0, 0, 0, 'W'}}, {{0, 0, 0, 'N'}, {45, 0, 0, 'W'}},
     10002.0, kNoCourse, kFromAPole},
    {"one second short of the pole, over it to the opposite meridian",
     {{89, 59, 59, 'N'}, {0, 0, 0, 'E'}}, {{89, 59, 59, 'N'}, {180, 0, 0, 'E'}},
     0.06174074074173745, 0.0, kSeconds},
    // Short distances: the law of cosines loses digits as the points close in.
    {"one minute east along the 48th parallel",
     {{48, 8, 0, 'N'}, {11, 35, 0, 'E'}}, {{48, 8, 0, 'N'}, {11, 36, 0, 'E'}},
     1.2361720336126643, 89.99379416706817, kNear},
    {"one second north and one second east",
     {{48, 8, 0, 'N'}, {11, 35, 0, 'E'}}, {{48, 8, 1, 'N'}, {11, 35, 1, 'E'}},
     0.03711408910616616, 33.718948312220526, kSeconds},
    {"one second north on one meridian",
     {{48, 8, 0, 'N'}, {11, 35, 0, 'E'}}, {{48, 8, 1, 'N'}, {11, 35, 0, 'E'}},
     0.030870370369939545, 0.0, kSeconds},
    {"one second of longitude on the 60th parallel is too close to tell apart",
     {{60, 0, 0, 'N'}, {0, 0, 0, 'E'}}, {{60, 0, 0, 'N'}, {0, 0, 1, 'E'}},
     0.015435185185173847, kNoCourse, kSnapped},
    // Opposite points and nearly so.
    {"opposite points on the equator",
     {{0, 0, 0, 'N'}, {0, 0, 0, 'W'}}, {{0, 0, 0, 'S'}, {180, 0, 0, 'E'}},
     20004.0, kNoCourse, kSnapped},
    {"Berlin to its opposite point",
     {{52, 31, 0, 'N'}, {13, 24, 0, 'E'}}, {{52, 31, 0, 'S'}, {166, 36, 0, 'W'}},
     20004.0, kNoCourse, kSnapped},
    {"pole to pole",
     {{90, 0, 0, 'N'}, {0, 0, 0, 'W'}}, {{90, 0, 0, 'S'}, {0, 0, 0, 'W'}},
     20004.0, kNoCourse, kSnapped},
    {"Quito to Singapore, nearly opposite each other",
     {{0, 13, 0, 'S'}, {78, 31, 0, 'W'}}, {{1, 17, 0, 'N'}, {103, 51, 0, 'E'}},
     19715.528878678328, 294.2752600202355, kFar},
    {"ten seconds short of the opposite point, over the south pole",
     {{0, 0, 0, 'N'}, {0, 0, 0, 'W'}}, {{0, 0, 10, 'S'}, {180, 0, 0, 'E'}},
     20003.691296296296, 180.0, kSeconds},
    {"ten seconds south and west of the opposite point",
     {{0, 0, 0, 'N'}, {0, 0, 0, 'W'}}, {{0, 0, 10, 'S'}, {179, 59, 50, 'E'}},
     20003.56342703555, 135.00000003349822, kSeconds},
    {"one second of longitude short of the opposite point on the 60th parallel",
     {{60, 0, 0, 'N'}, {0, 0, 0, 'E'}}, {{60, 0, 0, 'S'}, {179, 59, 59, 'W'}},
     20003.984564814815, kNoCourse, kSnapped},
    // clang-format on
};

// Radians with the program's signs: north and west positive.
double Radians(const Angle& angle) {
    const double r = geo::ToRadians(angle.degrees, angle.minutes, angle.seconds);
    return angle.letter == 'S' || angle.letter == 'E' ? -r : r;
}

TEST(GeoReference, DistanceAndCourseAgreeWithGeographicLib) {
    for (const Row& row : kRows) {
        SCOPED_TRACE(row.sentence);
        const double lat1 = Radians(row.start.latitude), lon1 = Radians(row.start.longitude);
        const double lat2 = Radians(row.destination.latitude);
        const double lon2 = Radians(row.destination.longitude);
        const double d = geo::CentralAngle(lat1, lon1, lat2, lon2);
        EXPECT_NEAR(geo::DistanceKm(d), row.km, row.tolerance.km);

        const bool courseDefined = d != 0 && d != geo::kPi && std::cos(lat1) >= geo::kPoleTolerance;
        if (std::isnan(row.course)) {
            EXPECT_FALSE(courseDefined);
            continue;
        }
        ASSERT_TRUE(courseDefined);
        const double course = geo::ToDegrees(geo::InitialCourse(lat1, lon1, lat2, lon2, d));
        // Due north is 360 degrees in the program and 0 in the reference.
        EXPECT_NEAR(std::remainder(course - row.course, 360.0), 0.0, row.tolerance.degrees);
    }
}

}  // namespace
