#include "sessions/worked_results.h"

#include <algorithm>
#include <cstring>
#include <sstream>
#include <stdexcept>

#include "form/layout.h"

namespace sessions {

namespace {

// The four boxes of "degrees minutes seconds letter" into texts, n of Textn for each.
void Write(BoxContents& texts, const char* coordinate, const std::array<int, 4>& boxes) {
    std::istringstream fields(coordinate);
    for (const int box : boxes) {
        if (!(fields >> texts[static_cast<std::size_t>(box - 1)]))
            throw std::invalid_argument(std::string("not four fields: ") + coordinate);
    }
}

}  // namespace

BoxContents BoxTexts(const Points& points) {
    BoxContents texts;
    Write(texts, points.lat1, {1, 2, 3, 13});
    Write(texts, points.lon1, {4, 5, 6, 14});
    Write(texts, points.lat2, {7, 8, 9, 15});
    Write(texts, points.lon2, {10, 11, 12, 16});
    return texts;
}

const std::vector<WorkedResult>& AllWorkedResults() {
    static const std::vector<WorkedResult> all{
        // clang-format off
        {"the defaults are one point",
         {"0 0 0 N", "0 0 0 W", "0 0 0 S", "0 0 0 E"}, "0.00 Km", "egal"},
        {"a quarter of the equator eastwards",
         {"0 0 0 N", "0 0 0 W", "0 0 0 N", "90 0 0 E"}, "10002 km", "90.0 Grad"},
        {"a quarter of the equator westwards",
         {"0 0 0 N", "0 0 0 W", "0 0 0 N", "90 0 0 W"}, "10002 km", "270.0 Grad"},
        {"Berlin to Munich",
         {"52 31 0 N", "13 24 0 E", "48 8 0 N", "11 35 0 E"}, "503.9 Km", "195.5 Grad"},
        {"due south across the equator",
         {"0 0 0 N", "0 0 0 W", "10 0 0 S", "0 0 0 W"}, "1111 km", "180.0 Grad"},
        {"due north five minutes apart, where rounding passes the tolerance",
         {"45 25 0 N", "7 0 0 E", "45 30 0 N", "7 0 0 E"}, "9.261 Km", "360.0 Grad"},
        {"from the north pole to Munich names its meridian",
         {"90 0 0 N", "0 0 0 W", "48 8 0 N", "13 24 0 E"}, "4653 km", "13.4te LngnGrd E"},
        {"from the north pole to 30 degrees west",
         {"90 0 0 N", "0 0 0 W", "0 0 0 N", "30 0 0 W"}, "10002 km", "30.0te LngnGrd W"},
        {"from the pole to 180 degrees east reads west",
         {"90 0 0 N", "0 0 0 W", "10 0 0 N", "180 0 0 E"}, "8891 km", "180.0te LngnGrd W"},
        {"from the pole to a meridian halfway between two shown figures, rounded up",
         {"90 0 0 N", "0 0 0 W", "10 0 0 N", "0 15 0 E"}, "8891 km", "0.3te LngnGrd E"},
        {"from the pole to 0 degrees east shows no minus sign",
         {"90 0 0 N", "0 0 0 W", "10 0 0 N", "0 0 0 E"}, "8891 km", "0.0te LngnGrd W"},
        {"antipodes on the equator",
         {"0 0 0 N", "0 0 0 W", "0 0 0 S", "180 0 0 E"}, "20004 km", "egal"},
        {"pole to pole",
         {"90 0 0 N", "0 0 0 W", "90 0 0 S", "0 0 0 W"}, "20004 km", "egal"},
        {"one second short of the antipode has a course",
         {"0 0 0 N", "0 0 0 W", "0 0 0 S", "179 59 59 E"}, "20004 km", "90.0 Grad"},
        {"to the south pole, where only a start is a pole, due south",
         {"10 0 0 N", "0 0 0 W", "90 0 0 S", "0 0 0 W"}, "11113 km", "180.0 Grad"},
        {"under 100 km: two decimals",
         {"0 0 0 N", "0 0 0 W", "0 50 0 N", "0 0 0 W"}, "92.61 Km", "360.0 Grad"},
        {"under 1000 km: one decimal",
         {"0 0 0 N", "0 0 0 W", "8 30 0 N", "0 0 0 W"}, "944.6 Km", "360.0 Grad"},
        {"from 1000 km: no decimals, lower-case km",
         {"0 0 0 N", "0 0 0 W", "85 0 0 N", "0 0 0 W"}, "9446 km", "360.0 Grad"},
        {"lower-case s and e count as north and west",
         {"10 0 0 s", "0 0 0 W", "0 0 0 N", "10 0 0 e"}, "1568 km", "225.4 Grad"},
        {"upper-case S and E count as south and east",
         {"10 0 0 S", "0 0 0 W", "0 0 0 N", "10 0 0 E"}, "1568 km", "45.4 Grad"},
        {"a longitude of exactly 180 degrees passes the guard",
         {"0 0 0 N", "180 0 0 W", "0 0 0 N", "90 0 0 W"}, "10002 km", "90.0 Grad"},
        // clang-format on
    };
    return all;
}

const std::vector<GuardTrip>& AllGuardTrips() {
    static const std::vector<GuardTrip> all{
        // clang-format off
        {"start latitude 90 degrees 30 minutes",
         {"90 30 0 N", "5 5 0 W", "1 1 0 N", "1 1 0 W"}, {1, 2, 3}},
        {"destination latitude 90 degrees 0 minutes 1 second, south",
         {"5 5 0 N", "5 5 0 W", "90 0 1 S", "1 1 0 W"}, {7, 8, 9}},
        {"both longitudes past 180 degrees: the start's is read first",
         {"5 5 0 N", "180 1 0 E", "1 1 0 N", "181 0 0 W"}, {4, 5, 6}},
        {"destination longitude 179 degrees 61 minutes",
         {"5 5 0 N", "5 5 0 W", "1 1 0 N", "179 61 0 E"}, {10, 11, 12}},
        // clang-format on
    };
    return all;
}

std::string WrongWorkedResults(const Recalculated& recalculated) {
    std::string wrong;
    for (const WorkedResult& row : AllWorkedResults()) {
        const WindowState shown = recalculated(BoxTexts(row.points));
        if (shown.distance != row.distance || shown.course != row.course)
            wrong += std::string("\n  ") + row.name + ": the results read \"" + shown.distance +
                     "\" and \"" + shown.course + "\"";
        else if (shown.beeps != 0)
            wrong += std::string("\n  ") + row.name + ": it beeped";
    }
    return wrong;
}

std::string WrongGuardTrips(const Recalculated& recalculated) {
    std::string wrong;
    for (const GuardTrip& row : AllGuardTrips()) {
        BoxContents texts = BoxTexts(row.points);
        const WindowState shown = recalculated(texts);
        for (const int n : row.zeroed) texts[static_cast<std::size_t>(n - 1)] = "0";
        std::string problem;
        if (shown.beeps != 1) problem = std::to_string(shown.beeps) + " beeps";
        for (int n = 1; n <= form::kBoxCount && problem.empty(); ++n) {
            const std::string& text = shown.boxes[static_cast<std::size_t>(n - 1)];
            if (text != texts[static_cast<std::size_t>(n - 1)])
                problem = "Text" + std::to_string(n) + " holds \"" + text + "\"";
        }
        if (problem.empty() &&
            (shown.distance != kEarlierDistance || shown.course != kEarlierCourse))
            problem = "a label was written";
        if (!problem.empty()) wrong += std::string("\n  ") + row.name + ": " + problem;
    }
    return wrong;
}

const std::vector<CopiedResult>& AllCopiedResults() {
    static const std::vector<CopiedResult> all{
        {"the distance from Berlin to Munich, with a decimal comma", "Berlin to Munich",
         form::kDistanceLabel, ','},
        {"the course from Berlin to Munich", "Berlin to Munich", form::kCourseLabel, '.'},
        {"the meridian from the north pole to Munich, with a decimal comma",
         "from the north pole to Munich names its meridian", form::kCourseLabel, ','},
        {"an empty distance field, whose entry is disabled and copies nothing", nullptr,
         form::kDistanceLabel, '.'},
    };
    return all;
}

const WorkedResult& WorkedResultNamed(const char* name) {
    for (const WorkedResult& row : AllWorkedResults())
        if (std::strcmp(row.name, name) == 0) return row;
    throw std::invalid_argument(std::string("no worked result: ") + name);
}

std::string CopiedText(const CopiedResult& copied) {
    if (!copied.worked) return {};
    const WorkedResult& worked = WorkedResultNamed(copied.worked);
    std::string text = copied.field == form::kDistanceLabel ? worked.distance : worked.course;
    std::replace(text.begin(), text.end(), '.', copied.decimalSeparator);
    return text;
}

}  // namespace sessions
