// The two results of a recalculation as values, before they become words: the distance, and what
// the course label says of the way there. The result labels' captions and the sentence a screen
// reader speaks are both rendered from them.
#pragma once

#include <string>
#include <string_view>
#include <variant>

namespace form {

// Start and destination in signed radians, north and west positive.
struct Coordinates {
    double lat1, lon1, lat2, lon2;
};

// The initial true course, from 0 up to and including 360 degrees.
struct Course {
    double degrees;
};
// Start and destination coincide or lie opposite each other: any course leads there.
struct AnyCourse {};
// From a pole every course is due north or south: the destination's meridian instead, 0 to 180
// degrees west or east.
struct Meridian {
    double degrees;
    bool east;
};

struct Results {
    double distanceKm;
    std::variant<Course, AnyCourse, Meridian> course;
};

Results ResultsOf(const Coordinates& c);

// The captions of Label17 and Label20: "503.9 Km" (the fewer digits before the separator, the
// more after it), and "195.5 Grad", "egal" or "13.4te LngnGrd E".
std::string DistanceCaption(const Results& results, std::string_view decimalSeparator);
std::string CourseCaption(const Results& results, std::string_view decimalSeparator);

}  // namespace form
