// What the two result labels must read for given box values, worked out afresh from the formulas
// of the calculation. The window fuzzer and the Qt window's random sessions compare the labels
// with it; it deliberately calls nothing of geo/ or form/, so that a fault there cannot hide
// itself, and takes its arc cosine from the standard library rather than from the program's
// arctangent formula.
#pragma once

#include <array>
#include <string>

namespace expected_results {

struct BoxValues {
    // The values of Text1 to Text12 (index 0 is Text1), as the locale converts their texts; a
    // text it does not read as a finite number counts as 0, as in the window.
    std::array<double, 12> numbers{};
    // The texts of Text13 to Text16 (index 0 is Text13).
    std::array<std::string, 4> letters;
};

struct ExpectedResults {
    // True when a coordinate is out of range as a whole: the window beeps and writes no label.
    bool guardTrips = false;
    int trippedGroup = -1;  // 0 start latitude, 1 destination latitude, 2 and 3 the longitudes
    std::string distance;   // Label17
    std::string course;     // Label20
    // The two arc cosines may differ by a few 1E-16 radians (more near -1 and 1). Where a result
    // lies that close to a rounding boundary of its last digit, the program may show the
    // neighbouring text: that one, else empty, and only these two are right.
    std::string distanceNear;
    std::string courseNear;

    // Whether the labels read as worked out here, or as the neighbouring text where that is right.
    bool Accepts(const std::string& distanceLabel, const std::string& courseLabel) const;
};

ExpectedResults Recompute(const BoxValues& values, const std::string& decimalSeparator);

// How far the program's arc cosine of x may lie from std::acos [radians]: 0 where both snap to
// an end point. The arithmetic fuzz target holds the program to it.
double ArcCosDifference(double x);

// value with `decimals` decimals: the shortest decimal that reads back as value, rounded half
// away from zero; no minus sign on a result that rounds to zero.
std::string RenderFixed(double value, int decimals, const std::string& decimalSeparator);

}  // namespace expected_results
