// Distance and initial course against an outside reference, GeographicLib's geodesic on a
// sphere, whose figures tests/geo_reference.tsv holds with the points.
//
// The program works with the short pi 3.14159265358979, which puts every angle about 1E-15 short
// of its full-precision value; the distance divides by the same pi again and the course is turned
// back into degrees with it, so what reaches a result is of the order of 1E-15 relative, far
// inside every tolerance below.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "geo/angle.h"
#include "geo/constants.h"
#include "geo/great_circle.h"

namespace {

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

struct Row {
    std::string sentence;
    double lat1, lon1, lat2, lon2;  // radians, north and west positive
    double km;
    std::optional<double> course;  // degrees clockwise from north, where the window shows one
    Tolerance tolerance;
};

// "52 31 0 N" in radians with the program's signs: north and west positive.
double Radians(const std::string& coordinate) {
    std::istringstream in(coordinate);
    double degrees = 0, minutes = 0, seconds = 0;
    char letter = 0;
    in >> degrees >> minutes >> seconds >> letter;
    const double r = geo::ToRadians(degrees, minutes, seconds);
    return letter == 'S' || letter == 'E' ? -r : r;
}

std::vector<Row> ReadRows() {
    const std::map<std::string, Tolerance> tolerances{{"far", kFar},
                                                      {"near", kNear},
                                                      {"seconds", kSeconds},
                                                      {"snapped", kSnapped},
                                                      {"from a pole", kFromAPole}};
    std::ifstream file(FERNBOGEN_GEO_REFERENCE);
    EXPECT_TRUE(file) << "cannot read " FERNBOGEN_GEO_REFERENCE;
    std::vector<Row> rows;
    for (std::string line; std::getline(file, line);) {
        if (line.empty() || line.front() == '#') continue;
        std::vector<std::string> f;
        std::istringstream fields(line);
        for (std::string field; std::getline(fields, field, '\t');) f.push_back(field);
        if (f.size() != 8 || !tolerances.contains(f[7])) {
            ADD_FAILURE() << "not a row: " << line;
            continue;
        }
        rows.push_back(
            {f[0], Radians(f[1]), Radians(f[2]), Radians(f[3]), Radians(f[4]), std::stod(f[5]),
             f[6] == "none" ? std::nullopt : std::optional(std::stod(f[6])), tolerances.at(f[7])});
    }
    EXPECT_FALSE(rows.empty());
    return rows;
}

TEST(GeoReference, DistanceAndCourseAgreeWithGeographicLib) {
    for (const Row& row : ReadRows()) {
        SCOPED_TRACE(row.sentence);
        const double d = geo::CentralAngle(row.lat1, row.lon1, row.lat2, row.lon2);
        EXPECT_NEAR(geo::DistanceKm(d), row.km, row.tolerance.km);

        const bool courseDefined =
            d != 0 && d != geo::kPi && std::cos(row.lat1) >= geo::kPoleTolerance;
        EXPECT_EQ(courseDefined, row.course.has_value());
        if (!courseDefined || !row.course) continue;
        const double course =
            geo::ToDegrees(geo::InitialCourse(row.lat1, row.lon1, row.lat2, row.lon2, d));
        // Due north is 360 degrees in the program and 0 in the reference.
        EXPECT_NEAR(std::remainder(course - *row.course, 360.0), 0.0, row.tolerance.degrees);
    }
}

}  // namespace
